#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace tarrowin {

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

// True when the leading-number parse reads the whole text as one number with
// at least one digit, blanks, tabs and line feeds aside: "1 500" and "&H10"
// are, while "1,500" (read as 1), "12.5kN", "abc" and the empty text are not.
bool isWhollyOneNumber(std::string_view text);

// Plain decimal, a leading minus when negative.
std::string integerText(std::int64_t value);

// 15 significant digits, plain positional form, no trailing zeros or point,
// a zero before the point below 1. Magnitudes from 1E15 up and below 1E-4 are
// written in exponent form ("1.5E+15", "2E-05"); infinities and not-a-number,
// which no action writes, as "Infinity", "-Infinity" and "NaN".
std::string generalNumberText(double value);

// The value rounded to two decimals by its exact binary value, an exact half
// going to the even neighbour, then written as generalNumberText.
std::string twoDecimalText(double value);

// The double nearest to the value rounded to two decimals, halves to even.
double roundToTwoDecimals(double value);

}  // namespace tarrowin
