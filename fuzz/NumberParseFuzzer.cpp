// The leading-number parse against a plain reading of the same text: drop
// every blank, tab and line feed, take the longest prefix that forms a number,
// and hand it to the C library. Both must give the same double, and both must
// agree on whether the number lies beyond the double range.

#include "fuzz/FuzzCheck.h"
#include "sheet/NumberText.h"

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

namespace {

using tarrowin::fuzz::require;

struct Reading {
    double value = 0;
    bool overflowed = false;
};

bool isDigit(char c) { return c >= '0' && c <= '9'; }

std::string withoutBlanks(std::string_view text)
{
    std::string kept;
    for (char c : text)
        if (c != ' ' && c != '\t' && c != '\n')
            kept += c;
    return kept;
}

Reading fromStrtod(const std::string& text)
{
    errno = 0;
    const double value = std::strtod(text.c_str(), nullptr);
    return {value, errno == ERANGE && std::isinf(value)};
}

// [+-] digits [. digits] [(E|e|D|d) [+-] digits], at least one mantissa digit.
Reading readDecimal(std::string_view text)
{
    std::size_t i = 0;
    std::string number;
    if (i < text.size() && (text[i] == '+' || text[i] == '-'))
        number += text[i++];
    bool anyDigit = false;
    bool point = false;
    while (i < text.size() && (isDigit(text[i]) || (text[i] == '.' && !point))) {
        anyDigit = anyDigit || isDigit(text[i]);
        point = point || text[i] == '.';
        number += text[i++];
    }
    if (!anyDigit)
        return {};
    if (i < text.size() && (text[i] == 'E' || text[i] == 'e' || text[i] == 'D' || text[i] == 'd')) {
        std::size_t j = i + 1;
        std::string exponent = "e";
        if (j < text.size() && (text[j] == '+' || text[j] == '-'))
            exponent += text[j++];
        if (j < text.size() && isDigit(text[j])) {
            while (j < text.size() && isDigit(text[j]))
                exponent += text[j++];
            number += exponent;
        }
    }
    return fromStrtod(number);
}

Reading readHex(std::string_view digits)
{
    std::string number = "0x";
    for (char c : digits) {
        if (!std::isxdigit(static_cast<unsigned char>(c)))
            break;
        number += c;
    }
    return number.size() == 2 ? Reading{} : fromStrtod(number);
}

// Octal has no C library reader for long digit strings, so the digits are
// summed in long double (64-bit significand): exact up to 21 digits, and
// within a few units in the last place of a double beyond.
struct OctalSum {
    long double value = 0;
    bool any = false;
};

OctalSum sumOctal(std::string_view digits)
{
    OctalSum sum;
    for (char c : digits) {
        if (c < '0' || c > '7')
            break;
        sum.value = sum.value * 8 + (c - '0');
        sum.any = true;
    }
    return sum;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const tarrowin::ParsedNumber parsed = tarrowin::parseLeadingNumber(text);
    const std::string plain = withoutBlanks(text);
    const std::string shown = "text: " + std::string(text.substr(0, 200));

    require(!std::isnan(parsed.value), "the parse never gives not-a-number", shown);
    require(parsed.overflowed == std::isinf(parsed.value), "an infinity comes only with the overflow flag", shown);

    if (!plain.empty() && plain.front() == '&') {
        const char radix = plain.size() > 1 ? plain[1] : '\0';
        const std::string_view digits = std::string_view(plain).substr(std::min<std::size_t>(2, plain.size()));
        if (radix == 'H' || radix == 'h') {
            const Reading expected = readHex(digits);
            require(parsed.value == expected.value && parsed.overflowed == expected.overflowed,
                    "&H digits read as the nearest double", shown);
        } else if (radix == 'O' || radix == 'o') {
            const OctalSum sum = sumOctal(digits);
            constexpr long double largest = 1.7976931348623157e308L;
            if (!sum.any) {
                require(parsed.value == 0 && !parsed.overflowed, "&O without digits reads as 0", shown);
            } else if (sum.value > largest * (1 + 0x1p-52L)) {
                require(parsed.overflowed, "&O beyond the double range overflows", shown);
            } else if (sum.value < largest) {
                const long double error = std::fabs(static_cast<long double>(parsed.value) - sum.value);
                require(!parsed.overflowed && error <= sum.value * 0x1p-52L,
                        "&O digits read as the nearest double", shown);
            }
        } else {
            require(parsed.value == 0 && !parsed.overflowed, "& without H or O reads as 0", shown);
        }
        return 0;
    }

    const Reading expected = readDecimal(plain);
    require(parsed.value == expected.value, "the parse agrees with the C library", shown);
    require(parsed.overflowed == expected.overflowed, "overflow agrees with the C library", shown);
    return 0;
}
