#pragma once

#include <array>
#include <optional>
#include <string_view>

namespace tarrowin {

// A field is named by the control that shows it. The enumerators are in the
// order the sheet is listed: the picker, the text boxes, the time stamp line.
enum class Field {
    Combo1,
    Text1, Text2, Text3, Text4, Text5, Text6, Text7, Text8, Text9, Text10, Text11,
    Text12, Text13, Text14, Text15, Text16, Text17, Text18, Text19, Text20, Text21,
    Text22,
    Label19,
};

inline constexpr std::size_t fieldCount = 24;

// Every field, in listing order.
const std::array<Field, fieldCount>& allFields();

std::string_view fieldName(Field field);

// Exact, case-sensitive match of a control name such as "Text12".
std::optional<Field> fieldFromName(std::string_view name);

}  // namespace tarrowin
