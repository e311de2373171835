#pragma once

#include "catalogue/SteelGrades.h"
#include "sheet/Field.h"

#include <array>
#include <string>
#include <string_view>

namespace tarrowin {

// The name under which a stringer file and a CSV of stringers keep a field:
// the engineer's words, never the control's name.
struct FieldKey {
    Field field;
    std::string_view key;
};

// The five inputs, in the order the window lists them.
inline constexpr std::array<FieldKey, 5> inputKeys = {{
    {Field::HorizontalLength, "horizontal_length"},
    {Field::VerticalHeight, "vertical_height"},
    {Field::FlightWidth, "flight_width"},
    {Field::DeadLoad, "dead_load"},
    {Field::LiveLoad, "live_load"},
}};

// The five section properties in use, in the order the lookup writes them.
inline constexpr std::array<FieldKey, 5> propertyKeys = {{
    {Field::SecondMomentOfArea, "second_moment_of_area"},
    {Field::SectionModulus, "section_modulus"},
    {Field::WebThickness, "web_thickness"},
    {Field::FirstMomentOfArea, "first_moment_of_area"},
    {Field::SectionMass, "mass"},
}};

// What is wrong with a grade that names none of the grades.
inline std::string unknownGradeProblem(std::string_view grade)
{
    std::string names;
    for (const SteelGrade& known : steelGrades())
        names += (names.empty() ? "" : " and ") + std::string(known.name);
    return "unknown grade \"" + std::string(grade) + "\" (the grades are " + names + ")";
}

}  // namespace tarrowin
