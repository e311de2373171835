#pragma once

#include <string>
#include <string_view>

namespace tarrowin {

// A working value of the computation, shown so that a reader can follow the
// arithmetic by hand: six significant digits, halves to even, trailing zeros
// dropped. From 0.001 up to below 10^6 it is written plainly ("3354.1",
// "0.894427"); beyond, as a power of ten ("1.125×10⁷", "1.26562×10¹⁴"), where
// plain digits would pass rounded zeros off as exact ones. Zero is "0". The
// results the window shows are never written this way: they keep the
// window's own texts.
std::string workingValueText(double value);

// A computed limit beside the demand it is judged against, as a working
// value, but with as many more digits as it takes for the two numbers as
// written to compare as the verdict does: a limit just under the demand must
// not round up to it ("19.98 > 19.9799999", never "19.98 > 19.98").
std::string limitValueText(double limit, double demand);

// True when the leading-number parse reads the whole text, blanks aside, as
// one plain decimal number ("1.0", "-3.5", " 2E3"); false for "1,500" (read
// as 1), "12.5kN", an empty text or "&H10", whose value the report must
// state beside the text.
bool readsAsWritten(std::string_view text);

// A number text as it stands inside a formula: in parentheses when it is
// negative or a power of ten, so that a sign or a square applies to all of it.
std::string operandText(std::string_view numberText);

}  // namespace tarrowin
