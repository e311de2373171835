// The number formatters on arbitrary doubles: subnormals, huge values,
// negative zero, infinities and not-a-number included. Eight input bytes are
// taken as the bits of a double (or of a 64-bit integer for the integer text);
// any other input is read as a decimal text by the C library, so that seeds
// can be written as plain numbers.

#include "fuzz/FuzzCheck.h"
#include "sheet/NumberText.h"

#include <cinttypes>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>

namespace {

using tarrowin::fuzz::require;

bool isDigit(char c) { return c >= '0' && c <= '9'; }

double readBack(const std::string& text) { return std::strtod(text.c_str(), nullptr); }

// The value rounded to 15 significant digits, by the C library.
double roundedTo15Digits(double value)
{
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.14e", value);
    return readBack(buffer);
}

// The value rounded to two decimals by the C library, which rounds the exact
// binary value with ties to even.
double roundedToHundredths(double value)
{
    static char buffer[400];
    std::snprintf(buffer, sizeof buffer, "%.2f", value);
    return readBack(buffer);
}

struct Shape {
    bool plain = false;        // -?(0|[1-9][0-9]*)(\.[0-9]*[1-9])?
    bool exponent = false;     // -?[1-9](\.[0-9]*[1-9])?E[+-][0-9]{2,3}
    int significantDigits = 0;
    int decimals = 0;          // digits after the point
};

Shape shapeOf(std::string_view text)
{
    Shape shape;
    std::size_t i = 0;
    if (i < text.size() && text[i] == '-')
        ++i;
    const std::size_t intStart = i;
    while (i < text.size() && isDigit(text[i]))
        ++i;
    const std::string_view whole = text.substr(intStart, i - intStart);
    if (whole.empty() || (whole.size() > 1 && whole.front() == '0'))
        return shape;
    std::string_view fraction;
    if (i < text.size() && text[i] == '.') {
        const std::size_t fracStart = ++i;
        while (i < text.size() && isDigit(text[i]))
            ++i;
        fraction = text.substr(fracStart, i - fracStart);
        if (fraction.empty() || fraction.back() == '0')
            return shape;
    }
    std::string digits = std::string(whole) + std::string(fraction);
    digits.erase(0, std::min(digits.find_first_not_of('0'), digits.size()));
    shape.significantDigits = static_cast<int>(digits.size());
    shape.decimals = static_cast<int>(fraction.size());
    if (i == text.size()) {
        shape.plain = true;
        return shape;
    }
    if (whole.size() != 1 || whole == "0" || text[i] != 'E' || i + 1 >= text.size()
        || (text[i + 1] != '+' && text[i + 1] != '-'))
        return shape;
    const std::string_view power = text.substr(i + 2);
    bool allDigits = power.size() >= 2 && power.size() <= 3;
    for (char c : power)
        allDigits = allDigits && isDigit(c);
    shape.exponent = allDigits;
    return shape;
}

void checkGeneralText(double value)
{
    const std::string text = tarrowin::generalNumberText(value);
    const std::string shown = "text: " + text;
    if (std::isnan(value)) {
        require(text == "NaN", "not-a-number is written NaN", shown);
        return;
    }
    if (std::isinf(value)) {
        require(text == (value < 0 ? "-Infinity" : "Infinity"), "infinities are written as words", shown);
        return;
    }
    const Shape shape = shapeOf(text);
    require(shape.plain || shape.exponent, "plain positional or exponent form, nothing else", shown);
    require(shape.significantDigits <= 15, "at most 15 significant digits", shown);
    require((text.front() == '-') == (value < 0), "a minus exactly when negative", shown);
    const double magnitude = std::fabs(value);
    if (magnitude >= 0.001 && magnitude < 1e14)
        require(shape.plain, "plain positional form from 0.001 to below 10^14", shown);

    const double expected = roundedTo15Digits(value);
    require(readBack(text) == expected, "reads back as the value rounded to 15 significant digits", shown);
    // The system reads its own texts back (the allowable deflection feeds a
    // verdict), so its own parse must agree as well.
    const tarrowin::ParsedNumber parsed = tarrowin::parseLeadingNumber(text);
    require(parsed.value == expected && parsed.overflowed == std::isinf(expected),
            "the leading-number parse reads the text back to the same value", shown);
}

void checkTwoDecimals(double value)
{
    const double rounded = tarrowin::roundToTwoDecimals(value);
    if (!std::isfinite(value)) {
        require(std::isnan(value) ? std::isnan(rounded) : rounded == value, "non-finite values pass unchanged");
        return;
    }
    char shown[80];
    std::snprintf(shown, sizeof shown, "value %.17g rounded %.17g", value, rounded);

    require(std::isfinite(rounded), "rounding a finite value stays finite", shown);
    require(rounded == roundedToHundredths(value), "rounds the exact value to hundredths, ties to even", shown);
    const long double moved = std::fabs(static_cast<long double>(rounded) - static_cast<long double>(value));
    const long double ulp = std::nextafter(std::fabs(rounded), INFINITY) - std::fabs(rounded);
    require(moved <= 0.005L + ulp, "never moves a value by more than half a hundredth", shown);
    require(tarrowin::roundToTwoDecimals(rounded) == rounded, "a value rounded once stays put", shown);

    // An exact half: the value is k + j/8 with j odd (0.125, 0.375, ...); the
    // hundredths digit goes to the even neighbour, independent of any library.
    const double magnitude = std::fabs(value);
    if (magnitude < 0x1p40 && std::fmod(magnitude * 8, 2) == 1) {
        const auto hundredths = static_cast<std::uint64_t>(std::floor(magnitude * 100));
        const std::uint64_t even = hundredths % 2 == 0 ? hundredths : hundredths + 1;
        char decimal[40];
        std::snprintf(decimal, sizeof decimal, "%s%" PRIu64 ".%02" PRIu64, value < 0 ? "-" : "", even / 100,
                      even % 100);
        require(rounded == readBack(decimal), "an exact half goes to the even hundredth", shown);
    }

    if (magnitude < 1e13) {
        const std::string text = tarrowin::twoDecimalText(value);
        const Shape shape = shapeOf(text);
        require(shape.plain && shape.decimals <= 2, "two-decimal text has at most two decimals", text);
        require(readBack(text) == rounded, "two-decimal text reads back as the rounded value", text);
        require(text == tarrowin::generalNumberText(rounded),
                "two-decimal text is the general number text of the rounded value", text);
    }
}

void checkIntegerText(std::int64_t value)
{
    const std::string text = tarrowin::integerText(value);
    const Shape shape = shapeOf(text);
    require(shape.plain && shape.decimals == 0, "integer text is plain decimal", text);
    require(std::strtoll(text.c_str(), nullptr, 10) == value, "integer text reads back", text);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    double value = 0;
    if (size == sizeof value) {
        std::memcpy(&value, data, sizeof value);
        std::int64_t integer = 0;
        std::memcpy(&integer, data, sizeof integer);
        checkIntegerText(integer);
    } else {
        const std::string text(reinterpret_cast<const char*>(data), std::min<std::size_t>(size, 400));
        value = readBack(text);
    }
    checkGeneralText(value);
    checkTwoDecimals(value);
    return 0;
}
