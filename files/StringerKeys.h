#pragma once

#include "catalogue/SteelGrades.h"
#include "check/Quantities.h"

#include <string>
#include <string_view>

namespace tarrowin {

// A stringer file and a CSV of stringers keep each input under its key in
// the description table (check/Quantities.h): the engineer's words, never
// the control's name. The file keeps the section's properties
// (sectionInputs) and the flight's inputs (flightInputs), a CSV the latter.

// What is wrong with a grade that names none of the grades.
inline std::string unknownGradeProblem(std::string_view grade)
{
    std::string names;
    for (const SteelGrade& known : steelGrades())
        names += (names.empty() ? "" : " and ") + std::string(known.name);
    return "unknown grade \"" + std::string(grade) + "\" (the grades are " + names + ")";
}

}  // namespace tarrowin
