#pragma once

#include <string_view>

namespace tarrowin {

// The one grammar of number texts, read the same way from the window, a
// stringer file, a CSV row and the report.

// The outcome of the leading-number parse. A number beyond the double range
// reads as an infinity of its sign with `overflowed` set; the check treats
// such a read as an overflow fault, everything else just uses the value.
// Numbers too small for a double read as zero: underflow is no fault.
struct ParsedNumber {
    double value = 0;
    bool overflowed = false;
};

// The leading-number parse: blanks, tabs and line feeds are skipped wherever
// they stand; then an optional sign, digits with at most one point and an
// optional exponent (E or D, either case) are read as far as they form a
// number, and the rest is ignored. "&H" and "&O" at the start introduce hex
// and octal digits. No digits reads as 0. The point is the decimal separator
// whatever the locale.
ParsedNumber parseLeadingNumber(std::string_view text);

// What the whole text reads as, blanks, tabs and line feeds aside: one
// decimal number with at least one digit ("1 500", "-3.5", "2E3"), one hex or
// octal number ("&H10"), or not one number ("1,500", read as 1; "12.5kN";
// "abc"; the empty text).
enum class NumberShape { NotOneNumber, Decimal, Radix };
NumberShape wholeNumberShape(std::string_view text);

// True when the leading-number parse reads the whole text as one number.
inline bool isWhollyOneNumber(std::string_view text) { return wholeNumberShape(text) != NumberShape::NotOneNumber; }

}  // namespace tarrowin
