#pragma once

#include "report/document/ReportDocument.h"

#include <string>

namespace tarrowin {

// The report as plain UTF-8 lines, in the order it is read: the title, one
// line per header entry (a blank line to sign on as "________"), each
// section's heading and blocks, a table row (and a ruled table's headings)
// as its cells joined by tabs, a computation step as its description and
// "symbol = formula = numbers = result unit". Subscripts and emphasis are
// dropped; the characters stay.
std::string reportText(const ReportDocument& document);

// One computation step as one line: "a = B × 0.5 = 1500 × 0.5 = 750 mm".
std::string formulaLineText(const FormulaLine& line);

}  // namespace tarrowin
