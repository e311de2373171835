#include "sheet/Field.h"

namespace tarrowin {
namespace {

struct FieldEntry {
    std::string_view name;       // the control that shows it, the boundary's name
    std::string_view startText;  // the window's design-time text
};

// Each field in the order of the enumerators. The start texts hold even where
// they are not numbers: the hidden results start as placeholder captions that
// the first calculation replaces. The section fields start as the row of
// "[14a" and the strengths as grade Q235B, matching the picker's and the
// options' state at start.
constexpr std::array<FieldEntry, fieldCount> entries = {{
    {"Combo1", "[14a"},      // section designation
    {"Text1", "3000"},       // horizontal length L, mm
    {"Text2", "1500"},       // vertical height H, mm
    {"Text3", "1500"},       // flight width B, mm
    {"Text4", "1.0"},        // dead load gk, kN/m2
    {"Text5", "3.5"},        // live load qk, kN/m2
    {"Text6", ""},           // bending stress
    {"Text7", ""},           // shear stress
    {"Text8", ""},           // deflection
    {"Text9", ""},           // bending-stress verdict
    {"Text10", ""},          // shear-stress verdict
    {"Text11", ""},          // deflection verdict
    {"Text12", ""},          // overall message
    {"Text13", "弯矩M"},     // bending moment
    {"Text14", "剪力V"},     // shear force
    {"Text15", "5640000"},   // Ix, mm4
    {"Text16", "80500"},     // Wx, mm3
    {"Text17", "6"},         // tw, mm
    {"Text18", "47500"},     // Sx, mm3
    {"Text19", "14.5"},      // mass, kg/m
    {"Text20", "215"},       // f, N/mm2
    {"Text21", "125"},       // fv, N/mm2
    {"Text22", "Text22"},    // allowable deflection
    {"Label19", ""},         // time stamp
}};

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

std::string_view fieldName(Field field) { return entries[static_cast<std::size_t>(field)].name; }

std::string_view fieldStartText(Field field) { return entries[static_cast<std::size_t>(field)].startText; }

std::optional<Field> fieldFromName(std::string_view name)
{
    for (std::size_t i = 0; i < fieldCount; ++i)
        if (entries[i].name == name)
            return static_cast<Field>(i);
    return std::nullopt;
}

}  // namespace tarrowin
