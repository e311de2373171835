#include "sheet/NumberText.h"

#include <charconv>
#include <cmath>
#include <cstdlib>
#include <limits>

namespace tarrowin {

std::string integerText(std::int64_t value) { return std::to_string(value); }

std::string generalNumberText(double value)
{
    if (std::isnan(value))
        return "NaN";
    if (std::isinf(value))
        return value < 0 ? "-Infinity" : "Infinity";
    if (value == 0)
        return "0";

    // d.dddddddddddddde±x: the 15 significant digits, correctly rounded.
    char buffer[40];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::scientific, 14);
    const std::string_view scientific(buffer, static_cast<std::size_t>(result.ptr - buffer));

    const bool negative = scientific.front() == '-';
    const std::size_t mantissaStart = negative ? 1 : 0;
    const std::size_t ePos = scientific.find('e');
    std::string digits;
    for (std::size_t i = mantissaStart; i < ePos; ++i)
        if (scientific[i] != '.')
            digits.push_back(scientific[i]);
    int exponent = 0;
    std::from_chars(scientific.data() + ePos + (scientific[ePos + 1] == '+' ? 2 : 1),
                    scientific.data() + scientific.size(), exponent);
    while (digits.size() > 1 && digits.back() == '0')
        digits.pop_back();

    std::string text = negative ? "-" : "";
    if (exponent >= 15 || exponent < -4) {
        text += digits.front();
        if (digits.size() > 1) {
            text += '.';
            text.append(digits, 1);
        }
        const int magnitude = std::abs(exponent);
        text += exponent < 0 ? "E-" : "E+";
        if (magnitude < 10)
            text += '0';
        text += std::to_string(magnitude);
    } else if (exponent < 0) {
        text += "0.";
        text.append(static_cast<std::size_t>(-exponent - 1), '0');
        text += digits;
    } else {
        const std::size_t integerDigits = static_cast<std::size_t>(exponent) + 1;
        if (digits.size() <= integerDigits) {
            text += digits;
            text.append(integerDigits - digits.size(), '0');
        } else {
            text.append(digits, 0, integerDigits);
            text += '.';
            text.append(digits, integerDigits);
        }
    }
    return text;
}

double roundToTwoDecimals(double value)
{
    if (!std::isfinite(value))
        return value;
    // Fixed notation with two decimals rounds the exact binary value, ties to
    // even; reading it back gives the nearest double to that decimal.
    char buffer[std::numeric_limits<double>::max_exponent10 + 8];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, 2);
    double rounded = 0;
    std::from_chars(buffer, result.ptr, rounded);
    return rounded;
}

std::string twoDecimalText(double value)
{
    // Below 10^12 the rounded decimal has at most 14 significant digits, so
    // the double nearest it, written with 15, gives the same digits back: the
    // fixed text itself, without trailing zeros, is the answer.
    if (!(std::abs(value) < 1e12))
        return generalNumberText(roundToTwoDecimals(value));
    char buffer[24];
    const auto end = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, 2).ptr;
    std::string text(buffer, end);
    while (text.back() == '0')
        text.pop_back();
    if (text.back() == '.')
        text.pop_back();
    if (text == "-0" || text.empty())
        return "0";
    return text;
}

}  // namespace tarrowin
