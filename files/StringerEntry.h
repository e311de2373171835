#pragma once

#include "stringer/Stringer.h"

#include <cstddef>
#include <string>

namespace tarrowin {

// One stringer to check, as a file or a row of a CSV gave it, or the reason
// it cannot be checked. The texts are kept as written even then, so that a
// table of results can show what the row held.
struct StringerEntry {
    std::string name;
    std::size_t line = 0;   // where its CSV record starts; 0 for a stringer file
    Stringer stringer;      // the picker's, the property and the input texts
    std::string gradeText;  // the grade as written
    std::string problem;    // empty when the stringer can be checked
    std::string chineseProblem;  // the same reason, for a report in Chinese

    bool checkable() const { return problem.empty(); }
};

}  // namespace tarrowin
