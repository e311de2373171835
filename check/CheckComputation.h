#pragma once

#include "check/ArithmeticFault.h"
#include "check/StringerCalculation.h"

#include <optional>

namespace tarrowin {

class FieldSheet;

// Reads the geometry Text1 to Text5 and the section Text15 to Text19, each
// once and in that order, by the leading-number parse.
StringerInputs readStringerInputs(const FieldSheet& sheet);

// The calculate action: blanks the results, verdicts and message, reads the
// geometry, loads and section from the sheet, and writes the allowable
// deflection, moment and shear force unrounded, then the bending stress, shear
// stress and deflection rounded to two decimals. The verdicts run inside those
// last three writes through the sheet's change listeners. At a fault the run
// stops where it stands and the fault is returned.
std::optional<ArithmeticFault> runCheckComputation(FieldSheet& sheet);

}  // namespace tarrowin
