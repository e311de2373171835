#include "check/SheetCalculation.h"

#include "check/SheetVerdicts.h"
#include "sheet/FieldSheet.h"

#include "SheetRecorder.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <map>
#include <ostream>
#include <string>
#include <utility>
#include <vector>

namespace tarrowin {
namespace {

using testing::ElementsAre;
using testing_support::SheetRecorder;

// The six results of the worked example (the texts at start):
// [δ] = 11250000^0.5 / 250 = 13.416407864998739; M = 3000² × (5.101 × 0.125)
// = 5738625; V = 5.101 × 0.5 × 3000 × 0.894427... = 6843.7096519358565;
// σ = 5738625 / 84525 = 67.892...; τ = V × 47500 / 33840000 = 9.606...;
// δ = 1.265625E14 × (3.52 × 5 × 0.894427...) / 79104000 / 5640000 = 4.4656...
const std::map<Field, std::string> workedExample = {
    {Field::AllowableDeflection, "13.4164078649987"},
    {Field::BendingMoment, "5738625"},
    {Field::ShearForce, "6843.70965193586"},
    {Field::BendingStress, "67.89"},
    {Field::ShearStress, "9.61"},
    {Field::Deflection, "4.47"},
};

class CheckComputation : public testing::Test {
protected:
    CheckComputation() { attachVerdicts(sheet); }

    void expectTexts(const std::map<Field, std::string>& expected)
    {
        for (const auto& [field, text] : expected)
            EXPECT_EQ(sheet.text(field), text) << fieldName(field);
    }

    FieldSheet sheet;
};

TEST_F(CheckComputation, TheTextsAtStartGiveTheWorkedExample)
{
    EXPECT_EQ(runCheckComputation(sheet), std::nullopt);
    expectTexts(workedExample);
    expectTexts({{Field::BendingVerdict, "满足"},
                 {Field::ShearVerdict, "满足"},
                 {Field::DeflectionVerdict, "满足"},
                 {Field::OverallMessage, "满足要求!"}});
    EXPECT_EQ(sheet.messageColour(), magenta);
}

TEST_F(CheckComputation, WritesInTheOrderTheVerdictsRelyOn)
{
    SheetRecorder recorder(sheet);
    ASSERT_FALSE(runCheckComputation(sheet));
    // The seven blanks change nothing on a first run, so no verdict runs
    // among them; each result's verdict runs inside its own write.
    EXPECT_THAT(recorder.events,
                ElementsAre("Text6=", "Text7=", "Text8=", "Text9=", "Text10=", "Text11=", "Text12=",
                            "Text22=13.4164078649987", "Text13=5738625", "Text14=6843.70965193586", "Text6=67.89",
                            "Text9=满足", "Text7=9.61", "Text10=满足", "Text8=4.47", "Text11=满足",
                            "colour=255,0,255", "Text12=满足要求!"));
}

TEST_F(CheckComputation, ASecondRunBlanksAndJudgesAgain)
{
    ASSERT_FALSE(runCheckComputation(sheet));
    SheetRecorder recorder(sheet);
    ASSERT_FALSE(runCheckComputation(sheet));
    // Blanking each result that held text runs its verdict (an empty result
    // reads 0 and passes); the later blanks wipe those words again.
    EXPECT_THAT(recorder.events,
                ElementsAre("Text6=", "Text9=满足", "Text7=", "Text10=满足", "Text8=", "Text11=满足",
                            "colour=255,0,255", "Text12=满足要求!", "Text9=", "Text10=", "Text11=", "Text12=",
                            "Text22=13.4164078649987", "Text13=5738625", "Text14=6843.70965193586", "Text6=67.89",
                            "Text9=满足", "Text7=9.61", "Text10=满足", "Text8=4.47", "Text11=满足",
                            "colour=255,0,255", "Text12=满足要求!"));
}

struct InputCase {
    const char* name;
    std::vector<std::pair<Field, const char*>> inputs;
    std::map<Field, std::string> results;
    friend void PrintTo(const InputCase& c, std::ostream* out) { *out << c.name; }
};

class CheckComputationInputs : public CheckComputation, public testing::WithParamInterface<InputCase> {};

TEST_P(CheckComputationInputs, GiveTheHandCalculatedTexts)
{
    for (const auto& [field, text] : GetParam().inputs)
        sheet.write(field, text);
    EXPECT_EQ(runCheckComputation(sheet), std::nullopt);
    expectTexts(GetParam().results);
}

INSTANTIATE_TEST_SUITE_P(EdgeCases, CheckComputationInputs,
                         testing::Values(
                             // A negative L turns the sign of c: it cancels in V and τ, stays in δ.
                             InputCase{"NegativeLength",
                                       {{Field::HorizontalLength, "-3000"}},
                                       {{Field::AllowableDeflection, "13.4164078649987"},
                                        {Field::BendingMoment, "5738625"},
                                        {Field::ShearForce, "6843.70965193586"},
                                        {Field::BendingStress, "67.89"},
                                        {Field::ShearStress, "9.61"},
                                        {Field::Deflection, "-4.47"},
                                        {Field::DeflectionVerdict, "满足"}}},
                             // L = 0: Ls = 1500, [δ] = 6, c = 0, and every result is 0.
                             InputCase{"ZeroLength",
                                       {{Field::HorizontalLength, "0"}},
                                       {{Field::AllowableDeflection, "6"},
                                        {Field::BendingMoment, "0"},
                                        {Field::ShearForce, "0"},
                                        {Field::BendingStress, "0"},
                                        {Field::ShearStress, "0"},
                                        {Field::Deflection, "0"}}},
                             // B reads 0: q = 0.145 × 1.3 = 0.1885, M = 9E6 × 0.0235625 = 212062.5,
                             // V = 282.75 × 0.894427... = 252.899..., σ = 212062.5 / 84525 = 2.508...,
                             // τ = 252.899 × 47500 / 33840000 = 0.3549..., δ with w = 0.145 = 0.1839...
                             InputCase{"EmptyWidth",
                                       {{Field::FlightWidth, ""}},
                                       {{Field::AllowableDeflection, "13.4164078649987"},
                                        {Field::BendingMoment, "212062.5"},
                                        {Field::ShearForce, "252.899288255226"},
                                        {Field::BendingStress, "2.51"},
                                        {Field::ShearStress, "0.35"},
                                        {Field::Deflection, "0.18"}}},
                             // Text typed in the ordinary way: "3,000" reads 3 and "1 500" 1500; so
                             // L = 3: S = 2250009, [δ] = 1500.002999997/250 = 6.000011999988(000...)
                             InputCase{"TextsReadByTheirLeadingNumber",
                                       {{Field::HorizontalLength, "3,000"}, {Field::VerticalHeight, "1 500mm"}},
                                       {{Field::AllowableDeflection, "6.000011999988"}}},
                             // Wx of 8050 makes σ ten times the worked example's: 678.93 > 215.
                             InputCase{"OverstressedSection",
                                       {{Field::SectionModulus, "8050"}},
                                       {{Field::BendingStress, "678.93"},
                                        {Field::BendingVerdict, "不满足"},
                                        {Field::OverallMessage, "超限,请重选截面!"}}}),
                         [](const testing::TestParamInfo<InputCase>& info) { return std::string(info.param.name); });

// What the sheet holds after a fault, by the step that faulted. Before each
// run the three hidden results hold marker texts and the seven results and
// verdicts hold old words, so every field shows whether this run wrote it.
struct FaultRow {
    const char* name;
    std::vector<std::pair<Field, const char*>> inputs;
    FaultKind kind;
    std::map<Field, std::string> written;  // this run's texts; the rest of Text22, 13, 14 keep their markers
    friend void PrintTo(const FaultRow& row, std::ostream* out) { *out << row.name; }
};

class CheckComputationFaults : public CheckComputation, public testing::WithParamInterface<FaultRow> {
protected:
    void SetUp() override
    {
        sheet.write(Field::AllowableDeflection, "earlier 22");
        sheet.write(Field::BendingMoment, "earlier 13");
        sheet.write(Field::ShearForce, "earlier 14");
        for (Field field : resultsAndVerdicts)
            sheet.write(field, "old");
    }

    static constexpr Field resultsAndVerdicts[]
        = {Field::BendingStress, Field::ShearStress,       Field::Deflection,    Field::BendingVerdict,
           Field::ShearVerdict,  Field::DeflectionVerdict, Field::OverallMessage};
};

TEST_P(CheckComputationFaults, StopTheRunWhereItStands)
{
    const FaultRow& row = GetParam();
    for (const auto& [field, text] : row.inputs)
        sheet.write(field, text);

    const std::optional<ArithmeticFault> fault = runCheckComputation(sheet);
    ASSERT_TRUE(fault);
    EXPECT_EQ(fault->kind, row.kind);

    const std::pair<Field, const char*> markers[] = {{Field::AllowableDeflection, "earlier 22"},
                                                     {Field::BendingMoment, "earlier 13"},
                                                     {Field::ShearForce, "earlier 14"}};
    for (const auto& [field, marker] : markers) {
        if (!row.written.contains(field)) {
            EXPECT_EQ(sheet.text(field), marker) << fieldName(field);
        }
    }
    for (Field field : resultsAndVerdicts) {
        if (!row.written.contains(field)) {
            EXPECT_EQ(sheet.text(field), "") << fieldName(field);
        }
    }
    expectTexts(row.written);
}

TEST_P(CheckComputationFaults, LeaveTheNextRunToWorkNormally)
{
    for (const auto& [field, text] : GetParam().inputs)
        sheet.write(field, text);
    ASSERT_TRUE(runCheckComputation(sheet));

    FieldSheet fresh;
    for (const auto& [field, text] : GetParam().inputs)
        sheet.write(field, fresh.text(field));
    EXPECT_EQ(runCheckComputation(sheet), std::nullopt);
    expectTexts(workedExample);
    EXPECT_EQ(sheet.text(Field::OverallMessage), "满足要求!");
}

const std::map<Field, std::string> throughShearForce = {{Field::AllowableDeflection, "13.4164078649987"},
                                                        {Field::BendingMoment, "5738625"},
                                                        {Field::ShearForce, "6843.70965193586"}};

std::map<Field, std::string> throughShearForceAnd(std::map<Field, std::string> more)
{
    more.insert(throughShearForce.begin(), throughShearForce.end());
    return more;
}

INSTANTIATE_TEST_SUITE_P(
    EveryReachableRow, CheckComputationFaults,
    testing::Values(
        // Steps 2 to 6: nothing of this run is written.
        FaultRow{"NoGeometry", {{Field::HorizontalLength, ""}, {Field::VerticalHeight, ""}}, FaultKind::Overflow, {}},
        FaultRow{"TinyLengthNoHeight",
                 {{Field::HorizontalLength, "1E-200"}, {Field::VerticalHeight, "0"}},
                 FaultKind::DivisionByZero,
                 {}},
        FaultRow{"LengthBeyondRange", {{Field::HorizontalLength, "1E999"}}, FaultKind::Overflow, {}},
        FaultRow{"DeadLoadBeyondRange", {{Field::DeadLoad, "1E306"}}, FaultKind::Overflow, {}},
        // Step 7: L = 1E10 and H = 0 give Ls = 1E10 and [δ] = 4E7; with B = 1E300
        // the moment is beyond the range.
        FaultRow{"HugeLoadAndLength",
                 {{Field::HorizontalLength, "1E10"}, {Field::VerticalHeight, "0"}, {Field::FlightWidth, "1E300"}},
                 FaultKind::Overflow,
                 {{Field::AllowableDeflection, "40000000"}}},
        // Step 9.
        FaultRow{"EmptyWx", {{Field::SectionModulus, ""}}, FaultKind::DivisionByZero, throughShearForce},
        FaultRow{"ZeroWxZeroMoment",
                 {{Field::HorizontalLength, "0"}, {Field::SectionModulus, "0"}},
                 FaultKind::Overflow,
                 {{Field::AllowableDeflection, "6"}, {Field::BendingMoment, "0"}, {Field::ShearForce, "0"}}},
        // Step 10: σ and its verdict stand.
        FaultRow{"ZeroTw",
                 {{Field::WebThickness, "0"}},
                 FaultKind::DivisionByZero,
                 throughShearForceAnd({{Field::BendingStress, "67.89"}, {Field::BendingVerdict, "满足"}})},
        FaultRow{"ZeroIx",
                 {{Field::SecondMomentOfArea, "0"}},
                 FaultKind::DivisionByZero,
                 throughShearForceAnd({{Field::BendingStress, "67.89"}, {Field::BendingVerdict, "满足"}})},
        FaultRow{"ZeroTwZeroSx",
                 {{Field::WebThickness, "0"}, {Field::FirstMomentOfArea, "0"}},
                 FaultKind::Overflow,
                 throughShearForceAnd({{Field::BendingStress, "67.89"}, {Field::BendingVerdict, "满足"}})},
        // Step 11: tw × Ix = 1E302 × 1E-302 ≈ 1, so τ = 6843.7096... × 47500
        // = 325076208.4669... passes the division (and fails its verdict), but
        // about 2.5E7 / 1E-302 is beyond the range.
        FaultRow{"TinyIxHugeTw",
                 {{Field::SecondMomentOfArea, "1E-302"}, {Field::WebThickness, "1E302"}},
                 FaultKind::Overflow,
                 throughShearForceAnd({{Field::BendingStress, "67.89"},
                                       {Field::BendingVerdict, "满足"},
                                       {Field::ShearStress, "325076208.47"},
                                       {Field::ShearVerdict, "不满足"}})}),
    [](const testing::TestParamInfo<FaultRow>& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace tarrowin
