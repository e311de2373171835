#include "text/NumberGrammar.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <ostream>
#include <string>
#include <vector>

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
struct ShapeCase {
    const char* text;
    NumberShape shape;
    friend std::ostream& operator<<(std::ostream& out, const ShapeCase& c) { return out << '"' << c.text << '"'; }
};

constexpr NumberShape decimal = NumberShape::Decimal;
constexpr NumberShape radix = NumberShape::Radix;
constexpr NumberShape none = NumberShape::NotOneNumber;

class WholeNumberShape : public testing::TestWithParam<ShapeCase> {};

TEST_P(WholeNumberShape, TellsWhetherTheParseReadsTheWholeText)
{
    EXPECT_EQ(wholeNumberShape(GetParam().text), GetParam().shape);
}

// Blanks, tabs and line feeds never count against a number, wherever they
// stand; a carriage return does. Beyond the double range is still one number.
INSTANTIATE_TEST_SUITE_P(WholeNumbers, WholeNumberShape,
    testing::ValuesIn(std::vector<ShapeCase>{{"3000", decimal}, {"1 500", decimal}, {" -3.5\t\n", decimal},
                    {"2E3", decimal}, {"2d-3", decimal}, {"1 E 2", decimal},
                    {".5", decimal}, {"5.", decimal}, {"&H10", radix},
                    {"& h 1f", radix}, {"&O17", radix}, {"&H000", radix},
                    {"1E999", decimal}}));

INSTANTIATE_TEST_SUITE_P(TextLeftOver, WholeNumberShape,
    testing::ValuesIn(std::vector<ShapeCase>{{"1,500", none}, {"12.5kN", none}, {"1.5.2", none},
                    {"1E", none}, {"1E+", none}, {"&O78", none},
                    {"1\r", none}, {"7&H10", none}, {"+&H10", none}}));

INSTANTIATE_TEST_SUITE_P(NoDigits, WholeNumberShape,
    testing::ValuesIn(std::vector<ShapeCase>{{"", none}, {"abc", none}, {" \t\n", none},
                    {"-", none}, {".", none}, {"&H", none},
                    {"Text22", none}, {"１２", none}}));

}  // namespace
}  // namespace tarrowin
