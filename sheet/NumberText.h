#pragma once

#include "text/NumberGrammar.h"

#include <cstdint>
#include <string>

namespace tarrowin {

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
