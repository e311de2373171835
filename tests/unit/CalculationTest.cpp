#include "check/Calculation.h"

#include "check/SheetCalculation.h"
#include "check/SheetVerdicts.h"
#include "sheet/FieldSheet.h"

#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <cstdint>
#include <ostream>
#include <string>

namespace tarrowin {
namespace {

// Exact, bit for bit.
::testing::AssertionResult sameDouble(double actual, double expected)
{
    if (std::bit_cast<std::uint64_t>(actual) == std::bit_cast<std::uint64_t>(expected))
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << std::hexfloat << actual << " is not " << expected;
}

ParsedNumber number(double value) { return {value, false}; }

// The texts at start: L 3000, H 1500, B 1500, gk 1.0, qk 3.5 and the row of "[14a".
StringerInputs defaultInputs()
{
    StringerInputs in;
    in.horizontalLength = number(3000);
    in.verticalHeight = number(1500);
    in.flightWidth = number(1500);
    in.deadLoad = number(1.0);
    in.liveLoad = number(3.5);
    in.secondMomentOfArea = number(5640000);
    in.sectionModulus = number(80500);
    in.webThickness = number(6);
    in.firstMomentOfArea = number(47500);
    in.sectionMass = number(14.5);
    return in;
}

TEST(StringerCalculation, WorkedExampleBitForBit)
{
    // The hand calculation's doubles, each in its shortest decimal form.
    const StringerOutcome outcome = calculateStringer(defaultInputs());
    ASSERT_FALSE(outcome.fault);
    const StringerValues& v = outcome.values;
    EXPECT_TRUE(sameDouble(v.a, 750));
    EXPECT_TRUE(sameDouble(v.g, 0.145));
    EXPECT_TRUE(sameDouble(v.q, 5.101));
    EXPECT_TRUE(sameDouble(v.s, 11250000));
    EXPECT_TRUE(sameDouble(v.inclinedLength, 3354.1019662496847));
    EXPECT_TRUE(sameDouble(v.cosine, 0.8944271909999159));
    EXPECT_TRUE(sameDouble(v.allowableDeflection, 13.416407864998739));
    EXPECT_TRUE(sameDouble(v.moment, 5738625));
    EXPECT_TRUE(sameDouble(v.shearForce, 6843.7096519358565));
    EXPECT_TRUE(sameDouble(v.bendingStress, 67.89263531499556));
    EXPECT_TRUE(sameDouble(v.shearStress, 9.606270935784668));
    EXPECT_TRUE(sameDouble(v.w, 3.52));
    EXPECT_TRUE(sameDouble(v.sSquared, 126562500000000));
    EXPECT_TRUE(sameDouble(v.deflection, 4.465654891415755));
}

// glibc's pow(x, 2.0) is not always the correctly rounded x * x. These inputs
// were found by a throwaway program that ran the whole calculation from the
// texts at start for Text1 = "3000.1", "3000.2", ... (and, for the rounded
// results, "1000.01", "1000.02", ...) once with pow and once with x * x, and
// printed the texts that came out differently. For 4705.3 the exact square is
// 22139848.0900000017...; x * x rounds it to 22139848.09 but pow gives the
// next double up, 22139848.090000004, which moves the 15th digit of M. For
// 6348.6 the same happens to S and so to the allowable deflection. For
// 460113.03 the squares of L agree but S² does not: with S * S the deflection
// is exactly 1768072916.875 and its half goes to the even 0.88; with pow it is
// 1768072916.8749998 and rounds down.
struct PowerCase {
    const char* text;  // typed into Text1
    double horizontalLength;
    Field field;
    const char* powerText;     // written with pow(x, 2)
    const char* multiplyText;  // what x * x would have written
    friend std::ostream& operator<<(std::ostream& out, const PowerCase& c) { return out << "Text1 " << c.text; }
};

class SquaresByThePowerFunction : public ::testing::TestWithParam<PowerCase> {};

TEST_P(SquaresByThePowerFunction, TheInputStillTellsThemApart)
{
    // If this fails, the library's pow agrees with x * x here and the other
    // tests no longer show which one the calculation takes.
    const double L = GetParam().horizontalLength;
    const double s = std::pow(L, 2.0) + std::pow(1500.0, 2.0);
    EXPECT_TRUE(std::pow(L, 2.0) != L * L || std::pow(s, 2.0) != s * s);
}

TEST_P(SquaresByThePowerFunction, TheCalculationTakesThePowerFunctionsSquare)
{
    StringerInputs in = defaultInputs();
    const double L = GetParam().horizontalLength;
    in.horizontalLength = number(L);
    const StringerOutcome outcome = calculateStringer(in);
    ASSERT_FALSE(outcome.fault);
    const double s = std::pow(L, 2.0) + std::pow(1500.0, 2.0);
    EXPECT_TRUE(sameDouble(outcome.values.s, s));
    EXPECT_TRUE(sameDouble(outcome.values.inclinedLength, std::pow(s, 0.5)));
    EXPECT_TRUE(sameDouble(outcome.values.moment, std::pow(L, 2.0) * (5.101 * 0.125)));
    EXPECT_TRUE(sameDouble(outcome.values.sSquared, std::pow(s, 2.0)));
}

TEST_P(SquaresByThePowerFunction, TheWrittenTextIsThatOfThePowerFunction)
{
    FieldSheet sheet;
    attachVerdicts(sheet);
    sheet.write(Field::HorizontalLength, GetParam().text);
    ASSERT_FALSE(runCheckComputation(sheet));
    EXPECT_EQ(sheet.text(GetParam().field), GetParam().powerText);
    EXPECT_NE(sheet.text(GetParam().field), GetParam().multiplyText);
}

// M = L² × (5.101 × 0.125), [δ] = (L² + 1500²)^0.5 / 250 and
// δ = ((S² × ((3.52 × 5) × c)) / 79104000) / 5640000, the rest at start.
INSTANTIATE_TEST_SUITE_P(FoundInputs, SquaresByThePowerFunction,
    ::testing::Values(PowerCase{"4705.3", 4705.3, Field::BendingMoment, "14116920.6383863", "14116920.6383862"},
                      PowerCase{"6348.6", 6348.6, Field::AllowableDeflection, "26.093592151331", "26.0935921513309"},
                      PowerCase{"460113.03", 460113.03, Field::Deflection, "1768072916.87", "1768072916.88"}));

struct FaultCase {
    const char* name;
    void (*change)(StringerInputs&);
    FaultKind kind;
    Quantity quantity;
};

class StringerFaults : public ::testing::TestWithParam<FaultCase> {};

TEST_P(StringerFaults, StopAtTheFirstFaultingOperation)
{
    StringerInputs in = defaultInputs();
    GetParam().change(in);
    const StringerOutcome outcome = calculateStringer(in);
    ASSERT_TRUE(outcome.fault);
    EXPECT_EQ(outcome.fault->kind, GetParam().kind);
    EXPECT_EQ(outcome.fault->quantity, GetParam().quantity);
}

constexpr double beyondRange = HUGE_VAL;

INSTANTIATE_TEST_SUITE_P(EveryReachableStep, StringerFaults,
    ::testing::Values(
        // A number text beyond the double range is an overflow where it is read.
        FaultCase{"LengthTextBeyondRange", [](StringerInputs& in) { in.horizontalLength = {beyondRange, true}; },
                  FaultKind::Overflow, Quantity::InputGeometry},
        FaultCase{"MassTextBeyondRange", [](StringerInputs& in) { in.sectionMass = {beyondRange, true}; },
                  FaultKind::Overflow, Quantity::InputLoads},
        // (a × 1.3) × gk = 975 × 1E306 is beyond the range.
        FaultCase{"HugeDeadLoad", [](StringerInputs& in) { in.deadLoad = number(1E306); }, FaultKind::Overflow,
                  Quantity::DesignLineLoad},
        // L = H = 0: S = 0, Ls = 0, c = 0 / 0.
        FaultCase{"NoGeometry",
                  [](StringerInputs& in) {
                      in.horizontalLength = number(0);
                      in.verticalHeight = number(0);
                  },
                  FaultKind::Overflow, Quantity::Slope},
        // L² = 1E-400 underflows to 0, so Ls = 0 and c = 1E-200 / 0.
        FaultCase{"TinyLengthNoHeight",
                  [](StringerInputs& in) {
                      in.horizontalLength = number(1E-200);
                      in.verticalHeight = number(0);
                  },
                  FaultKind::DivisionByZero, Quantity::Slope},
        // B = 1E300 gives q ≈ 3.3E297; M = 1E20 × (q × 0.125) ≈ 4E316.
        FaultCase{"HugeLoadAndLength",
                  [](StringerInputs& in) {
                      in.horizontalLength = number(1E10);
                      in.flightWidth = number(1E300);
                  },
                  FaultKind::Overflow, Quantity::BendingMoment},
        FaultCase{"ZeroWx", [](StringerInputs& in) { in.sectionModulus = number(0); }, FaultKind::DivisionByZero,
                  Quantity::BendingStress},
        // L = 0 makes M = 0, so σ = 0 / 0.
        FaultCase{"ZeroWxAndZeroMoment",
                  [](StringerInputs& in) {
                      in.sectionModulus = number(0);
                      in.horizontalLength = number(0);
                  },
                  FaultKind::Overflow, Quantity::BendingStress},
        // 5738625 / 1.05E-310 ≈ 5.5E316.
        FaultCase{"TinyWx", [](StringerInputs& in) { in.sectionModulus = number(1E-310); }, FaultKind::Overflow,
                  Quantity::BendingStress},
        FaultCase{"ZeroTw", [](StringerInputs& in) { in.webThickness = number(0); }, FaultKind::DivisionByZero,
                  Quantity::ShearStress},
        FaultCase{"ZeroIx", [](StringerInputs& in) { in.secondMomentOfArea = number(0); }, FaultKind::DivisionByZero,
                  Quantity::ShearStress},
        FaultCase{"ZeroTwAndZeroSx",
                  [](StringerInputs& in) {
                      in.webThickness = number(0);
                      in.firstMomentOfArea = number(0);
                  },
                  FaultKind::Overflow, Quantity::ShearStress},
        // S = 1E200, S² = 1E400.
        FaultCase{"HugeLength", [](StringerInputs& in) { in.horizontalLength = number(1E100); },
                  FaultKind::Overflow, Quantity::Deflection},
        // tw × Ix ≈ 1 passes, but about 2.5E7 / 1E-302 is beyond the range.
        FaultCase{"TinyIxHugeTw",
                  [](StringerInputs& in) {
                      in.secondMomentOfArea = number(1E-302);
                      in.webThickness = number(1E302);
                  },
                  FaultKind::Overflow, Quantity::Deflection}),
    [](const ::testing::TestParamInfo<FaultCase>& info) { return std::string(info.param.name); });

TEST(StringerFaults, UnderflowIsNoFault)
{
    // L = 1E-100: L² = 1E-200 still a double; S² and M underflow quietly.
    StringerInputs in = defaultInputs();
    in.verticalHeight = number(1E-100);
    in.horizontalLength = number(1E-100);
    EXPECT_FALSE(calculateStringer(in).fault);
}

}  // namespace
}  // namespace tarrowin
