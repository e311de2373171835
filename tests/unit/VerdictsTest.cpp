#include "check/SheetVerdicts.h"

#include "sheet/FieldSheet.h"

#include "SheetRecorder.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <ostream>
#include <string>

namespace tarrowin {
namespace {

using testing::ElementsAre;
using testing_support::SheetRecorder;

class Verdicts : public testing::Test {
protected:
    Verdicts() { attachVerdicts(sheet); }
    FieldSheet sheet;
};

struct VerdictCase {
    Field demandField;
    const char* demand;
    Field limitField;
    const char* limit;
    Field verdictField;
    const char* verdict;
    friend void PrintTo(const VerdictCase& c, std::ostream* out)
    {
        *out << fieldName(c.demandField) << " \"" << c.demand << "\" against " << fieldName(c.limitField) << " \""
             << c.limit << '"';
    }
};

class OneCheck : public Verdicts, public testing::WithParamInterface<VerdictCase> {};

TEST_P(OneCheck, ComparesTheRoundedTextWithItsLimit)
{
    const VerdictCase& c = GetParam();
    sheet.write(c.limitField, c.limit);
    sheet.write(c.demandField, "999999");  // so that the next write is a change
    sheet.write(c.demandField, c.demand);
    EXPECT_EQ(sheet.text(c.verdictField), c.verdict);
}

// Each check's fields, as the verdict table pairs them.
VerdictCase bending(const char* demand, const char* limit, const char* verdict)
{
    return {Field::BendingStress, demand, Field::DesignStrength, limit, Field::BendingVerdict, verdict};
}
VerdictCase shear(const char* demand, const char* limit, const char* verdict)
{
    return {Field::ShearStress, demand, Field::DesignShearStrength, limit, Field::ShearVerdict, verdict};
}
VerdictCase deflection(const char* demand, const char* limit, const char* verdict)
{
    return {Field::Deflection, demand, Field::AllowableDeflection, limit, Field::DeflectionVerdict, verdict};
}

INSTANTIATE_TEST_SUITE_P(Bending, OneCheck,
                         testing::Values(bending("215", "215", "满足"),  // equality passes
                                         bending("215.00", "215", "满足"), bending("215.01", "215", "不满足"),
                                         bending("-300", "215", "满足"), bending("-300", "-300", "满足"),
                                         bending("-300", "-300.5", "不满足"), bending("250", "305", "满足")));

INSTANTIATE_TEST_SUITE_P(Shear, OneCheck,
                         testing::Values(shear("", "125", "满足"),  // empty reads 0
                                         shear("125", "125", "满足"), shear("125.01", "125", "不满足"),
                                         shear("175", "175", "满足")));

// "Text22" at start reads 0.
INSTANTIATE_TEST_SUITE_P(Deflection, OneCheck,
                         testing::Values(deflection("0.5", "Text22", "不满足"), deflection("0", "Text22", "满足"),
                                         deflection("4.47", "13.4164078649987", "满足"),
                                         deflection("13.42", "13.4164078649987", "不满足")));

struct OverallCase {
    const char* bending;  // Text9 before the deflection verdict
    const char* shear;    // Text10
    const char* deflection;  // written into Text8; Text22 holds 13.4164078649987
    const char* message;
    Rgb colour;
    friend void PrintTo(const OverallCase& c, std::ostream* out)
    {
        *out << '"' << c.bending << "\" \"" << c.shear << "\" deflection " << c.deflection;
    }
};

class OverallMessage : public Verdicts, public testing::WithParamInterface<OverallCase> {};

TEST_P(OverallMessage, FollowsTheThreeVerdictWordsAndSetsItsColourFirst)
{
    const OverallCase& c = GetParam();
    sheet.write(Field::AllowableDeflection, "13.4164078649987");
    sheet.write(Field::BendingVerdict, c.bending);
    sheet.write(Field::ShearVerdict, c.shear);
    SheetRecorder recorder(sheet);
    sheet.write(Field::Deflection, c.deflection);

    const std::string colour = c.colour == magenta ? "colour=255,0,255" : "colour=255,0,0";
    const std::string verdict = sheet.text(Field::DeflectionVerdict);
    EXPECT_THAT(recorder.events, ElementsAre(std::string("Text8=") + c.deflection, "Text11=" + verdict, colour,
                                             std::string("Text12=") + c.message));
    EXPECT_EQ(sheet.messageColour(), c.colour);
}

INSTANTIATE_TEST_SUITE_P(Combinations, OverallMessage,
    testing::Values(OverallCase{"满足", "满足", "4.47", "满足要求!", magenta},
                    OverallCase{"", "满足", "4.47", "超限,请重选截面!", red},
                    OverallCase{"不满足", "满足", "4.47", "超限,请重选截面!", red},
                    OverallCase{"满足", "不满足", "4.47", "超限,请重选截面!", red},
                    OverallCase{"满足", "满足", "13.42", "超限,请重选截面!", red},
                    // exact comparison: a trailing blank or a leading one is another text
                    OverallCase{"满足 ", "满足", "4.47", "超限,请重选截面!", red},
                    OverallCase{"满足", " 满足", "4.47", "超限,请重选截面!", red}));

TEST_F(Verdicts, TheWordIsWrittenOnEveryRunEvenWhenAlreadyThere)
{
    sheet.write(Field::BendingStress, "1");
    SheetRecorder recorder(sheet);
    sheet.write(Field::BendingStress, "2");
    EXPECT_THAT(recorder.events, ElementsAre("Text6=2", "Text9=满足"));
}

TEST_F(Verdicts, OnlyTheDeflectionVerdictTouchesTheMessage)
{
    sheet.write(Field::Deflection, "1");  // "Text22" reads 0: not satisfied, message red
    ASSERT_EQ(sheet.text(Field::OverallMessage), "超限,请重选截面!");
    SheetRecorder recorder(sheet);
    sheet.write(Field::BendingStress, "1");
    sheet.write(Field::ShearStress, "1");
    EXPECT_THAT(recorder.events, ElementsAre("Text6=1", "Text9=满足", "Text7=1", "Text10=满足"));
    EXPECT_EQ(sheet.text(Field::OverallMessage), "超限,请重选截面!");
    EXPECT_EQ(sheet.messageColour(), red);
}

TEST_F(Verdicts, ChangingALimitAloneRejudgesNothing)
{
    sheet.write(Field::BendingStress, "250");
    ASSERT_EQ(sheet.text(Field::BendingVerdict), "不满足");
    sheet.write(Field::DesignStrength, "305");
    sheet.write(Field::DesignShearStrength, "0");
    sheet.write(Field::AllowableDeflection, "-1");
    EXPECT_EQ(sheet.text(Field::BendingVerdict), "不满足");
    EXPECT_EQ(sheet.text(Field::ShearVerdict), "");
    EXPECT_EQ(sheet.text(Field::DeflectionVerdict), "");
    sheet.write(Field::BendingStress, "250.00");  // the next change catches up
    EXPECT_EQ(sheet.text(Field::BendingVerdict), "满足");
}

TEST_F(Verdicts, RewritingTheSameResultTextRunsNoVerdict)
{
    sheet.write(Field::BendingStress, "100");
    sheet.write(Field::BendingVerdict, "stale");
    sheet.write(Field::BendingStress, "100");
    EXPECT_EQ(sheet.text(Field::BendingVerdict), "stale");
}

TEST_F(Verdicts, ANumberTextBeyondTheRangeIsJudgedNotFaulted)
{
    // 1E999 reads as an infinity: no limit holds it, and no limit falls below -1E999.
    sheet.write(Field::BendingStress, "1E999");
    EXPECT_EQ(sheet.text(Field::BendingVerdict), "不满足");
    sheet.write(Field::BendingStress, "-1E999");
    EXPECT_EQ(sheet.text(Field::BendingVerdict), "满足");
}

}  // namespace
}  // namespace tarrowin
