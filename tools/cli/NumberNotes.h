#pragma once

#include "stringer/Stringer.h"

#include <string>

namespace tarrowin::cli {

// A note on each input text that is not wholly one number, saying what it is
// read as, since an engineer would want to know that "1,500" counts as 1:
// `dead_load "12.5kN" read as 12.5`, joined by "; ". Empty when every input
// is one number.
std::string inputNotes(const Stringer& stringer);

// The same for the inputs and then the five section property texts, which a
// stringer file holds as texts that anyone may have edited.
std::string numberNotes(const Stringer& stringer);

}  // namespace tarrowin::cli
