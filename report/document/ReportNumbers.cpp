#include "report/document/ReportNumbers.h"

#include "sheet/NumberText.h"
#include "text/NumberGrammar.h"

#include <charconv>
#include <cmath>
#include <cstdlib>

namespace tarrowin {
namespace {

constexpr int significantDigits = 6;

std::string withoutTrailingZeros(std::string digits)
{
    if (digits.find('.') == std::string::npos)
        return digits;
    while (digits.back() == '0')
        digits.pop_back();
    if (digits.back() == '.')
        digits.pop_back();
    return digits;
}

std::string superscriptDigits(int exponent)
{
    static constexpr const char* superscripts[] = {"⁰", "¹", "²", "³", "⁴", "⁵", "⁶", "⁷", "⁸", "⁹"};
    std::string text = exponent < 0 ? "⁻" : "";
    for (char digit : std::to_string(std::abs(exponent)))
        text += superscripts[digit - '0'];
    return text;
}

// The value rounded to the number of significant digits, halves to even.
double rounded(double value, int digits)
{
    char buffer[64];
    char* end = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::scientific, digits - 1).ptr;
    double result = value;
    std::from_chars(buffer, end, result);
    return result;
}

std::string significantText(double value, int digits)
{
    if (value == 0)
        return "0";
    if (!std::isfinite(value))
        return generalNumberText(value);
    // The exponent of the value as rounded to those digits decides the form,
    // so that 999999.7 is written as 1×10⁶ and not as 1000000.
    char buffer[64];
    char* end = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::scientific, digits - 1).ptr;
    const std::string scientific(buffer, end);
    const std::size_t e = scientific.find('e');
    const int exponent = std::atoi(scientific.c_str() + e + 1);
    if (exponent >= -3 && exponent < 6) {
        end = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, digits - 1 - exponent).ptr;
        return withoutTrailingZeros(std::string(buffer, end));
    }
    return withoutTrailingZeros(scientific.substr(0, e)) + "×10" + superscriptDigits(exponent);
}

}  // namespace

std::string workingValueText(double value) { return significantText(value, significantDigits); }

std::string limitValueText(double limit, double demand)
{
    // Seventeen digits give the double back exactly, so the loop ends there at the latest.
    constexpr int exactDigits = 17;
    const bool passes = limit >= demand;
    int digits = significantDigits;
    while (digits < exactDigits && (rounded(limit, digits) >= demand) != passes)
        ++digits;
    return significantText(limit, digits);
}

bool readsAsWritten(std::string_view text) { return wholeNumberShape(text) == NumberShape::Decimal; }

std::string operandText(std::string_view numberText)
{
    const bool negative = !numberText.empty() && numberText.front() == '-';
    const bool powerOfTen = numberText.find("×10") != std::string_view::npos
                            || numberText.find('E') != std::string_view::npos;
    if (negative || powerOfTen)
        return "(" + std::string(numberText) + ")";
    return std::string(numberText);
}

}  // namespace tarrowin
