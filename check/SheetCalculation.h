#pragma once

#include "check/ArithmeticFault.h"
#include "check/Calculation.h"
#include "sheet/Field.h"

#include <optional>
#include <string_view>

namespace tarrowin {

class FieldSheet;
class FieldTexts;

// Reads the flight's geometry and loads, then the section's properties, each
// once and in that order, by the leading-number parse.
StringerInputs readStringerInputs(const FieldTexts& texts);

// Reads the text as the field's input, as readStringerInputs would; a field
// that is not an input changes nothing.
void readInput(StringerInputs& inputs, Field field, std::string_view text);

// Empties what a calculation shows: each judged result, each verdict word,
// then the overall message. Emptying a result that held text runs its verdict
// step in between; the later blanks wipe those words again, and the message's
// colour stays as the last verdict step left it.
void blankJudgedResults(FieldSheet& sheet);

// The calculate action: blanks the judged results, reads the inputs from the
// sheet, and writes every result in order, the judged ones rounded to two
// decimals. The verdicts run inside those writes through the sheet's change
// listeners. At a fault the run stops where it stands and the fault is
// returned.
std::optional<ArithmeticFault> runCheckComputation(FieldSheet& sheet);

}  // namespace tarrowin
