#include "text/NumberGrammar.h"

#include <array>
#include <charconv>
#include <cstdint>
#include <optional>
#include <cmath>
#include <cstdlib>
#include <limits>
#include <system_error>

namespace tarrowin {
namespace {

// Reads the text character by character, stepping over the blanks, tabs and
// line feeds that may stand anywhere, even inside a number.
class Cursor {
public:
    explicit Cursor(std::string_view text) : text_(text) { skipBlanks(); }

    bool atEnd() const { return pos_ == text_.size(); }
    char peek() const { return atEnd() ? '\0' : text_[pos_]; }
    void advance()
    {
        ++pos_;
        skipBlanks();
    }

private:
    void skipBlanks()
    {
        while (pos_ < text_.size() && (text_[pos_] == ' ' || text_[pos_] == '\t' || text_[pos_] == '\n'))
            ++pos_;
    }

    std::string_view text_;
    std::size_t pos_ = 0;
};

bool isDigit(char c) { return c >= '0' && c <= '9'; }

int hexDigitValue(char c)
{
    if (isDigit(c))
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

// Large enough that any exponent beyond it is out of the double range either
// way, small enough that adding a digit count cannot overflow.
constexpr long long exponentCap = 1'000'000'000;

// "&H" and "&O": an unsigned whole number in base 16 or 8, rounded once to the
// nearest double. Octal digits are regrouped into hex digits so that one
// correctly rounding conversion does the work.
ParsedNumber parseRadixNumber(Cursor& cursor, bool octal, bool& sawDigit)
{
    std::string hex;
    if (!octal) {
        while (hexDigitValue(cursor.peek()) >= 0) {
            sawDigit = true;
            if (!(hex.empty() && cursor.peek() == '0'))
                hex.push_back(cursor.peek());
            cursor.advance();
        }
    } else {
        std::string bits;
        while (cursor.peek() >= '0' && cursor.peek() <= '7') {
            sawDigit = true;
            const int digit = cursor.peek() - '0';
            bits.push_back(static_cast<char>('0' + ((digit >> 2) & 1)));
            bits.push_back(static_cast<char>('0' + ((digit >> 1) & 1)));
            bits.push_back(static_cast<char>('0' + (digit & 1)));
            cursor.advance();
        }
        const std::size_t firstOne = bits.find('1');
        if (firstOne != std::string::npos) {
            bits.erase(0, firstOne);
            bits.insert(0, (4 - bits.size() % 4) % 4, '0');
            for (std::size_t i = 0; i < bits.size(); i += 4) {
                const int nibble = (bits[i] - '0') * 8 + (bits[i + 1] - '0') * 4 + (bits[i + 2] - '0') * 2
                                   + (bits[i + 3] - '0');
                hex.push_back("0123456789abcdef"[nibble]);
            }
        }
    }
    if (hex.empty())
        return {};
    double value = 0;
    const auto result = std::from_chars(hex.data(), hex.data() + hex.size(), value, std::chars_format::hex);
    if (result.ec == std::errc::result_out_of_range)
        return {std::numeric_limits<double>::infinity(), true};
    return {value, false};
}

// Reads one number from the cursor and leaves the cursor just after it;
// `sawDigit` tells whether any digit was read.
ParsedNumber readLeadingNumber(Cursor& cursor, bool& sawDigit)
{
    if (cursor.peek() == '&') {
        cursor.advance();
        const char radix = cursor.peek();
        if (radix == 'H' || radix == 'h' || radix == 'O' || radix == 'o') {
            cursor.advance();
            return parseRadixNumber(cursor, radix == 'O' || radix == 'o', sawDigit);
        }
        return {};
    }

    bool negative = false;
    if (cursor.peek() == '+' || cursor.peek() == '-') {
        negative = cursor.peek() == '-';
        cursor.advance();
    }

    // The significant digits without leading zeros, and where the point falls
    // among them, so that the decimal magnitude is known without converting.
    std::string digits;
    long long pointShift = 0;  // the value is 0.digits * 10^(pointShift + exponent)
    bool sawPoint = false;
    for (;;) {
        const char c = cursor.peek();
        if (isDigit(c)) {
            sawDigit = true;
            if (digits.empty() && c == '0') {
                if (sawPoint)
                    --pointShift;
            } else {
                digits.push_back(c);
                if (!sawPoint)
                    ++pointShift;
            }
            cursor.advance();
        } else if (c == '.' && !sawPoint) {
            sawPoint = true;
            cursor.advance();
        } else {
            break;
        }
    }
    if (!sawDigit || digits.empty())
        return {negative ? -0.0 : 0.0, false};

    long long exponent = 0;
    const char marker = cursor.peek();
    if (marker == 'E' || marker == 'e' || marker == 'D' || marker == 'd') {
        // The exponent counts only when digits follow its optional sign.
        Cursor look = cursor;
        look.advance();
        bool exponentNegative = false;
        if (look.peek() == '+' || look.peek() == '-') {
            exponentNegative = look.peek() == '-';
            look.advance();
        }
        if (isDigit(look.peek())) {
            while (isDigit(look.peek())) {
                exponent = std::min(exponent * 10 + (look.peek() - '0'), exponentCap);
                look.advance();
            }
            if (exponentNegative)
                exponent = -exponent;
            cursor = look;
        }
    }

    // Clamp the pointShift the same way: a megabyte of zeros after the point
    // is still only a very small number.
    pointShift = std::max(std::min(pointShift, exponentCap), -exponentCap);
    const long long scale = pointShift + exponent;

    std::string normal = "0.";
    normal += digits;
    normal += 'e';
    normal += std::to_string(scale);
    double value = 0;
    const auto result = std::from_chars(normal.data(), normal.data() + normal.size(), value);
    if (result.ec == std::errc::result_out_of_range) {
        // 0.d... times 10^scale: beyond the range when scale is positive,
        // below it otherwise.
        if (scale > 0)
            return {negative ? -std::numeric_limits<double>::infinity() : std::numeric_limits<double>::infinity(),
                    true};
        value = 0;
    }
    return {negative ? -value : value, false};
}

// 10^0 to 10^22: the powers of ten that a double holds exactly.
constexpr std::array<double, 23> exactPowersOfTen = {1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                                     1e8,  1e9,  1e10, 1e11, 1e12, 1e13, 1e14, 1e15,
                                                     1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};

// Most texts are a plain decimal of a few digits ("3000", "1.0", "14.5"). Its
// significant digits, at most 15, make a whole number that a double holds
// exactly; divided by a power of ten that a double holds exactly, one IEEE
// division rounds the quotient correctly, which is the nearest double to the
// decimal, as the full parse gives it. Anything else (blanks, an exponent,
// more digits, no digit) is left to the full parse.
std::optional<ParsedNumber> readPlainDecimal(std::string_view text)
{
    std::size_t i = 0;
    const bool negative = !text.empty() && text[0] == '-';
    if (!text.empty() && (text[0] == '+' || text[0] == '-'))
        ++i;
    std::uint64_t wholeNumber = 0;
    int significantDigits = 0;
    std::size_t fractionDigits = 0;
    bool sawDigit = false;
    bool sawPoint = false;
    for (; i < text.size(); ++i) {
        const char c = text[i];
        if (isDigit(c)) {
            sawDigit = true;
            if ((wholeNumber != 0 || c != '0') && ++significantDigits > 15)
                return std::nullopt;
            wholeNumber = wholeNumber * 10 + static_cast<std::uint64_t>(c - '0');
            if (sawPoint)
                ++fractionDigits;
        } else if (c == '.' && !sawPoint) {
            sawPoint = true;
        } else {
            break;
        }
    }
    // What stops a plain decimal must also stop the full parse: blanks are
    // skipped and an exponent may follow.
    if (i < text.size()) {
        const char c = text[i];
        if (c == ' ' || c == '\t' || c == '\n' || c == '.' || c == 'E' || c == 'e' || c == 'D' || c == 'd')
            return std::nullopt;
    }
    if (!sawDigit || fractionDigits >= exactPowersOfTen.size())
        return std::nullopt;
    const double value = static_cast<double>(wholeNumber) / exactPowersOfTen[fractionDigits];
    return ParsedNumber{negative ? -value : value, false};
}

}  // namespace

ParsedNumber parseLeadingNumber(std::string_view text)
{
    if (const std::optional<ParsedNumber> plain = readPlainDecimal(text))
        return *plain;
    Cursor cursor(text);
    bool sawDigit = false;
    return readLeadingNumber(cursor, sawDigit);
}

NumberShape wholeNumberShape(std::string_view text)
{
    // Most texts are plain digits with at most one point; they need no parse.
    bool sawPlainDigit = false;
    bool sawPlainPoint = false;
    bool plain = true;
    for (const char c : text) {
        if (isDigit(c))
            sawPlainDigit = true;
        else if (c == '.' && !sawPlainPoint)
            sawPlainPoint = true;
        else {
            plain = false;
            break;
        }
    }
    if (plain)
        return sawPlainDigit ? NumberShape::Decimal : NumberShape::NotOneNumber;

    Cursor cursor(text);
    const bool radix = cursor.peek() == '&';
    bool sawDigit = false;
    readLeadingNumber(cursor, sawDigit);
    if (!sawDigit || !cursor.atEnd())
        return NumberShape::NotOneNumber;
    return radix ? NumberShape::Radix : NumberShape::Decimal;
}

}  // namespace tarrowin
