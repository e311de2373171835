#include "sheet/NumberText.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <ostream>
#include <string>

namespace tarrowin {
namespace {

struct ParseCase {
    const char* text;
    double value;
    friend std::ostream& operator<<(std::ostream& out, const ParseCase& c) { return out << '"' << c.text << '"'; }
};

class LeadingNumberParse : public testing::TestWithParam<ParseCase> {};

TEST_P(LeadingNumberParse, ReadsTheLeadingNumber)
{
    const ParsedNumber parsed = parseLeadingNumber(GetParam().text);
    // Exact: the read must be the correctly rounded double.
    EXPECT_EQ(parsed.value, GetParam().value);
    EXPECT_FALSE(parsed.overflowed);
}

INSTANTIATE_TEST_SUITE_P(Plain, LeadingNumberParse,
    testing::Values(ParseCase{"3000", 3000}, ParseCase{"1.0", 1}, ParseCase{"-3.5", -3.5}, ParseCase{"+7", 7},
                    ParseCase{"00012.50", 12.5}, ParseCase{".5", 0.5}, ParseCase{"5.", 5},
                    // correctly rounded: the compiler's reading of the same literal
                    ParseCase{"0.1", 0.1}, ParseCase{"123456789012345678901234567890", 123456789012345678901234567890.0}));

INSTANTIATE_TEST_SUITE_P(StopsAtTheFirstCharacterThatCannotContinue, LeadingNumberParse,
    testing::Values(ParseCase{"1,500", 1}, ParseCase{"12.5kN", 12.5}, ParseCase{"1.5.2", 1.5}, ParseCase{"3,5", 3},
                    ParseCase{"2-3", 2}, ParseCase{"1E", 1}, ParseCase{"1E+", 1}, ParseCase{"1Ex5", 1},
                    ParseCase{"7&H10", 7}));

INSTANTIATE_TEST_SUITE_P(NoDigitsReadsZero, LeadingNumberParse,
    testing::Values(ParseCase{"", 0}, ParseCase{"Text22", 0}, ParseCase{"弯矩M", 0}, ParseCase{"-", 0},
                    ParseCase{".", 0}, ParseCase{"E5", 0}, ParseCase{"   ", 0}, ParseCase{"&X12", 0},
                    ParseCase{"&H", 0}, ParseCase{"&HG", 0},
                    // full-width digits are not digits
                    ParseCase{"１２", 0}));

INSTANTIATE_TEST_SUITE_P(BlanksTabsAndLineFeedsAnywhere, LeadingNumberParse,
    testing::Values(ParseCase{"1 500", 1500}, ParseCase{" \t\n3000", 3000}, ParseCase{"-\t3 . 5", -3.5},
                    ParseCase{"1 E 2", 100}, ParseCase{"2e\n- 3", 0.002}, ParseCase{"& H 1F", 31},
                    // a carriage return is not among them
                    ParseCase{"1\r500", 1}));

INSTANTIATE_TEST_SUITE_P(ExponentsEOrDEitherCase, LeadingNumberParse,
    testing::Values(ParseCase{"2E3", 2000}, ParseCase{"2e3", 2000}, ParseCase{"2D3", 2000}, ParseCase{"2d-3", 0.002},
                    ParseCase{"1.5E+2", 150}, ParseCase{"-2.5e-1", -0.25}));

// Hex: 1F = 16 + 15 = 31; octal: 17 = 8 + 7 = 15, 777 = 7·64 + 7·8 + 7 = 511.
INSTANTIATE_TEST_SUITE_P(HexAndOctal, LeadingNumberParse,
    testing::Values(ParseCase{"&H1F", 31}, ParseCase{"&h1f", 31}, ParseCase{"&HFFz", 255}, ParseCase{"&O17", 15},
                    ParseCase{"&o777", 511}, ParseCase{"&O78", 7}, ParseCase{"&H0010", 16}));

// Underflow reads as zero and is no fault.
INSTANTIATE_TEST_SUITE_P(TheEdgesOfTheDoubleRange, LeadingNumberParse,
    testing::Values(ParseCase{"1E-999", 0}, ParseCase{"-1E-999", 0}, ParseCase{"0E999", 0},
                    ParseCase{"1.7976931348623157E308", std::numeric_limits<double>::max()},
                    ParseCase{"4.9E-324", std::numeric_limits<double>::denorm_min()}));

TEST(LeadingNumberParseOverflow, ANumberBeyondTheDoubleRangeIsFlagged)
{
    struct OverflowCase {
        std::string text;
        double value;
    };
    // 16^256 = 2^1024, one past the largest finite power of two.
    const OverflowCase cases[] = {{"1E999", HUGE_VAL},
                                  {"-1E999", -HUGE_VAL},
                                  {"1.8E308", HUGE_VAL},
                                  {"1" + std::string(400, '0'), HUGE_VAL},
                                  {"&H1" + std::string(256, '0'), HUGE_VAL}};
    for (const OverflowCase& c : cases) {
        const ParsedNumber parsed = parseLeadingNumber(c.text);
        EXPECT_TRUE(parsed.overflowed) << c.text;
        EXPECT_EQ(parsed.value, c.value) << c.text;
    }
}

TEST(LeadingNumberParseOverflow, AVeryLongRunOfZerosAfterThePointIsOnlySmall)
{
    const ParsedNumber parsed = parseLeadingNumber("0." + std::string(100000, '0') + "1");
    EXPECT_FALSE(parsed.overflowed);
    EXPECT_EQ(parsed.value, 0);
}

struct FormatCase {
    double value;
    const char* text;
    friend std::ostream& operator<<(std::ostream& out, const FormatCase& c) { return out << c.text; }
};

class GeneralNumberFormatting : public testing::TestWithParam<FormatCase> {};

TEST_P(GeneralNumberFormatting, Writes15SignificantDigitsInPlainForm)
{
    EXPECT_EQ(generalNumberText(GetParam().value), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(Examples, GeneralNumberFormatting,
    testing::Values(FormatCase{14.5, "14.5"}, FormatCase{6.5, "6.5"}, FormatCase{20, "20"}, FormatCase{0.25, "0.25"},
                    FormatCase{13.416407864998739, "13.4164078649987"}, FormatCase{6843.7096519358565, "6843.70965193586"},
                    FormatCase{5738625, "5738625"}, FormatCase{135000000, "135000000"}, FormatCase{0, "0"},
                    FormatCase{-0.0, "0"}, FormatCase{-2.5, "-2.5"}, FormatCase{-0.25, "-0.25"},
                    FormatCase{0.001, "0.001"}));

// Rounding to 15 significant digits: 0.1 + 0.2 is 0.30000000000000004;
// 2/3 is 0.666...6663, whose 15th digit rounds up; 10 − 2 ulp is 9.9999...982
// and carries into a new digit; 0.00123456789012345678 keeps 15 digits after
// its leading zeros.
INSTANTIATE_TEST_SUITE_P(Rounding, GeneralNumberFormatting,
    testing::Values(FormatCase{0.1 + 0.2, "0.3"}, FormatCase{1.0 / 3, "0.333333333333333"},
                    FormatCase{2.0 / 3, "0.666666666666667"}, FormatCase{9.9999999999999982, "10"},
                    FormatCase{0.00123456789012345678, "0.00123456789012346"},
                    FormatCase{99999999999999.5, "99999999999999.5"}, FormatCase{99999999999999, "99999999999999"},
                    FormatCase{-1234.56789012345678, "-1234.56789012346"}));

class TwoDecimalRounding : public testing::TestWithParam<FormatCase> {};

TEST_P(TwoDecimalRounding, RoundsHalvesToEvenAndWritesGenerally)
{
    EXPECT_EQ(twoDecimalText(GetParam().value), GetParam().text);
}

// 0.125, 0.375, 0.625 and 0.875 are exact halves in binary; the even
// neighbour wins. 2.675 and 1.005 are stored a hair below the half and 0.005
// a hair above (2.67499999999999982..., 1.00499999999999989...,
// 0.00500000000000000010...), and are rounded by that stored value. A
// negative value rounding to zero is written without a minus.
INSTANTIATE_TEST_SUITE_P(Examples, TwoDecimalRounding,
    testing::Values(FormatCase{0.125, "0.12"}, FormatCase{0.375, "0.38"}, FormatCase{0.625, "0.62"},
                    FormatCase{0.875, "0.88"}, FormatCase{-0.125, "-0.12"}, FormatCase{3.14159, "3.14"},
                    FormatCase{12.3, "12.3"}, FormatCase{20, "20"}, FormatCase{2.675, "2.67"}, FormatCase{1.005, "1"},
                    FormatCase{0.005, "0.01"}, FormatCase{-0.004, "0"}, FormatCase{67.89263531499556, "67.89"},
                    FormatCase{9.606270935784668, "9.61"}, FormatCase{4.465654891415755, "4.47"},
                    FormatCase{-4.465654891415755, "-4.47"}, FormatCase{325076208.4669532, "325076208.47"}));

struct WhollyCase {
    const char* text;
    bool wholly;
    friend std::ostream& operator<<(std::ostream& out, const WhollyCase& c) { return out << '"' << c.text << '"'; }
};

class WhollyOneNumber : public testing::TestWithParam<WhollyCase> {};

TEST_P(WhollyOneNumber, TellsWhetherTheParseReadsTheWholeText)
{
    EXPECT_EQ(isWhollyOneNumber(GetParam().text), GetParam().wholly);
}

// Blanks, tabs and line feeds never count against a number, wherever they
// stand; a carriage return does. Beyond the double range is still one number.
INSTANTIATE_TEST_SUITE_P(WholeNumbers, WhollyOneNumber,
    testing::Values(WhollyCase{"3000", true}, WhollyCase{"1 500", true}, WhollyCase{" -3.5\t\n", true},
                    WhollyCase{"2E3", true}, WhollyCase{"2d-3", true}, WhollyCase{"1 E 2", true},
                    WhollyCase{".5", true}, WhollyCase{"5.", true}, WhollyCase{"&H10", true},
                    WhollyCase{"& h 1f", true}, WhollyCase{"&O17", true}, WhollyCase{"&H000", true},
                    WhollyCase{"1E999", true}));

INSTANTIATE_TEST_SUITE_P(TextLeftOver, WhollyOneNumber,
    testing::Values(WhollyCase{"1,500", false}, WhollyCase{"12.5kN", false}, WhollyCase{"1.5.2", false},
                    WhollyCase{"1E", false}, WhollyCase{"1E+", false}, WhollyCase{"&O78", false},
                    WhollyCase{"1\r", false}, WhollyCase{"7&H10", false}));

INSTANTIATE_TEST_SUITE_P(NoDigits, WhollyOneNumber,
    testing::Values(WhollyCase{"", false}, WhollyCase{"abc", false}, WhollyCase{" \t\n", false},
                    WhollyCase{"-", false}, WhollyCase{".", false}, WhollyCase{"&H", false},
                    WhollyCase{"Text22", false}, WhollyCase{"１２", false}));

TEST(IntegerText, PlainDecimalWithALeadingMinus)
{
    EXPECT_EQ(integerText(5640000), "5640000");
    EXPECT_EQ(integerText(135000000), "135000000");
    EXPECT_EQ(integerText(0), "0");
    EXPECT_EQ(integerText(-12), "-12");
}

}  // namespace
}  // namespace tarrowin
