#pragma once

#include "catalogue/SteelGrades.h"
#include "check/Checks.h"

#include <string>
#include <string_view>

namespace tarrowin {

// A stringer file and a CSV of stringers keep each input under its key in
// the description table (check/), the engineer's words, never the control's
// name: the section's properties (sectionInputs) and the flight's inputs
// (flightInputs).

// What is wrong with a grade that names none of the grades.
inline std::string unknownGradeProblem(std::string_view grade)
{
    std::string names;
    for (const SteelGrade& known : steelGrades())
        names += (names.empty() ? "" : " and ") + std::string(known.name);
    return "unknown grade \"" + std::string(grade) + "\" (the grades are " + names + ")";
}

}  // namespace tarrowin
