#include "check/StringerCheck.h"

#include "sheet/FieldTexts.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

namespace tarrowin {
namespace {

struct RatioCase {
    std::optional<double> ratio;
    const char* text;
};

class UtilisationText : public testing::TestWithParam<RatioCase> {};

TEST_P(UtilisationText, RoundsTheStoredValueToThreeDecimals)
{
    EXPECT_EQ(utilisationText(GetParam().ratio), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(
    Ratios, UtilisationText,
    testing::Values(RatioCase{0.3158, "0.316"}, RatioCase{1.0, "1.000"}, RatioCase{-0.25, "-0.250"},
                    RatioCase{0.0625, "0.062"},      // an exact half goes to the even neighbour
                    RatioCase{0.1875, "0.188"},      // and so does this one, upwards
                    RatioCase{1.0005, "1.000"},      // stored just below 1.0005
                    RatioCase{-0.0004, "0.000"},     // never "-0.000"
                    RatioCase{999.9994, "999.999"},  // the largest that is written
                    RatioCase{999.9996, ">999.999"}, RatioCase{1E300, ">999.999"},
                    RatioCase{-999.9996, "<-999.999"}, RatioCase{std::nullopt, "-"}));

// The worked example with Wx empty: the calculation stops at the bending
// stress (a division by zero), after the allowable deflection, the moment and
// the shear force.
TEST(StringerCheck, AFaultLeavesWhatCameAfterItEmpty)
{
    FieldTexts texts;
    texts[Field::SectionModulus] = "";
    const StringerCheck check(texts);
    EXPECT_EQ(check.fault(), (ArithmeticFault{FaultKind::DivisionByZero, Quantity::BendingStress}));
    EXPECT_EQ(check.text(Quantity::AllowableDeflection), "13.4164078649987");
    EXPECT_EQ(check.text(Quantity::ShearForce), "6843.70965193586");
    EXPECT_EQ(check.text(Quantity::BendingStress), "");
    EXPECT_EQ(check.text(Quantity::Deflection), "");
    for (const Check& each : checks) {
        EXPECT_EQ(check.verdict(each), std::nullopt) << each.demandResult().englishName;
        EXPECT_EQ(check.utilisation(each), std::nullopt) << each.demandResult().englishName;
    }
    EXPECT_EQ(check.message(), std::nullopt);
}

// The worked example, judged against strengths typed as texts: "215abc"
// reads 215, and the deflection limit is the one this run computes, not the
// text the field held before ("Text22", which reads 0).
TEST(StringerCheck, JudgesAsTheVerdictsReadTheirLimits)
{
    FieldTexts texts;
    texts[Field::DesignStrength] = "215abc";
    texts[Field::DesignShearStrength] = "9.6";
    const StringerCheck check(texts);
    EXPECT_EQ(check.verdict(checks[0]), Verdict::Satisfied);
    EXPECT_EQ(check.verdict(checks[1]), Verdict::NotSatisfied);  // "9.61" above 9.6
    EXPECT_EQ(check.verdict(checks[2]), Verdict::Satisfied);
    EXPECT_EQ(check.message()->text, "超限,请重选截面!");
    // 4.465654891415755 / 13.416407864998739 = 0.33285...
    EXPECT_EQ(utilisationText(check.utilisation(checks[2])), "0.333");
}

}  // namespace
}  // namespace tarrowin
