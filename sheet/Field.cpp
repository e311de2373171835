#include "sheet/Field.h"

namespace tarrowin {
namespace {

// The boundary's name table: each field by the control that shows it, in
// the order of the enumerators.
constexpr std::array<std::string_view, fieldCount> names = {
    "Combo1", "Text1",  "Text2",  "Text3",  "Text4",  "Text5",  "Text6",  "Text7",
    "Text8",  "Text9",  "Text10", "Text11", "Text12", "Text13", "Text14", "Text15",
    "Text16", "Text17", "Text18", "Text19", "Text20", "Text21", "Text22", "Label19",
};

constexpr std::array<Field, fieldCount> makeAllFields()
{
    std::array<Field, fieldCount> fields{};
    for (std::size_t i = 0; i < fieldCount; ++i)
        fields[i] = static_cast<Field>(i);
    return fields;
}

constexpr std::array<Field, fieldCount> fields = makeAllFields();

}  // namespace

const std::array<Field, fieldCount>& allFields() { return fields; }

std::string_view fieldName(Field field) { return names[static_cast<std::size_t>(field)]; }

std::optional<Field> fieldFromName(std::string_view name)
{
    for (std::size_t i = 0; i < fieldCount; ++i)
        if (names[i] == name)
            return static_cast<Field>(i);
    return std::nullopt;
}

}  // namespace tarrowin
