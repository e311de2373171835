#include "sheet/NumberText.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <ostream>
#include <string>

namespace tarrowin {
namespace {

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

TEST(IntegerText, PlainDecimalWithALeadingMinus)
{
    EXPECT_EQ(integerText(5640000), "5640000");
    EXPECT_EQ(integerText(135000000), "135000000");
    EXPECT_EQ(integerText(0), "0");
    EXPECT_EQ(integerText(-12), "-12");
}

}  // namespace
}  // namespace tarrowin
