#include "check/Verdicts.h"

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

INSTANTIATE_TEST_SUITE_P(Bending, OneCheck,
    testing::Values(VerdictCase{Field::Text6, "215", Field::Text20, "215", Field::Text9, "满足"},  // equality passes
                    VerdictCase{Field::Text6, "215.00", Field::Text20, "215", Field::Text9, "满足"},
                    VerdictCase{Field::Text6, "215.01", Field::Text20, "215", Field::Text9, "不满足"},
                    VerdictCase{Field::Text6, "-300", Field::Text20, "215", Field::Text9, "满足"},
                    VerdictCase{Field::Text6, "-300", Field::Text20, "-300", Field::Text9, "满足"},
                    VerdictCase{Field::Text6, "-300", Field::Text20, "-300.5", Field::Text9, "不满足"},
                    VerdictCase{Field::Text6, "250", Field::Text20, "305", Field::Text9, "满足"}));

INSTANTIATE_TEST_SUITE_P(Shear, OneCheck,
    testing::Values(VerdictCase{Field::Text7, "", Field::Text21, "125", Field::Text10, "满足"},  // empty reads 0
                    VerdictCase{Field::Text7, "125", Field::Text21, "125", Field::Text10, "满足"},
                    VerdictCase{Field::Text7, "125.01", Field::Text21, "125", Field::Text10, "不满足"},
                    VerdictCase{Field::Text7, "175", Field::Text21, "175", Field::Text10, "满足"}));

// "Text22" at start reads 0.
INSTANTIATE_TEST_SUITE_P(Deflection, OneCheck,
    testing::Values(VerdictCase{Field::Text8, "0.5", Field::Text22, "Text22", Field::Text11, "不满足"},
                    VerdictCase{Field::Text8, "0", Field::Text22, "Text22", Field::Text11, "满足"},
                    VerdictCase{Field::Text8, "4.47", Field::Text22, "13.4164078649987", Field::Text11, "满足"},
                    VerdictCase{Field::Text8, "13.42", Field::Text22, "13.4164078649987", Field::Text11, "不满足"}));

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
    sheet.write(Field::Text22, "13.4164078649987");
    sheet.write(Field::Text9, c.bending);
    sheet.write(Field::Text10, c.shear);
    SheetRecorder recorder(sheet);
    sheet.write(Field::Text8, c.deflection);

    const std::string colour = c.colour == magenta ? "colour=255,0,255" : "colour=255,0,0";
    const std::string verdict = sheet.text(Field::Text11);
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
    sheet.write(Field::Text6, "1");
    SheetRecorder recorder(sheet);
    sheet.write(Field::Text6, "2");
    EXPECT_THAT(recorder.events, ElementsAre("Text6=2", "Text9=满足"));
}

TEST_F(Verdicts, OnlyTheDeflectionVerdictTouchesTheMessage)
{
    sheet.write(Field::Text8, "1");  // "Text22" reads 0: not satisfied, message red
    ASSERT_EQ(sheet.text(Field::Text12), "超限,请重选截面!");
    SheetRecorder recorder(sheet);
    sheet.write(Field::Text6, "1");
    sheet.write(Field::Text7, "1");
    EXPECT_THAT(recorder.events, ElementsAre("Text6=1", "Text9=满足", "Text7=1", "Text10=满足"));
    EXPECT_EQ(sheet.text(Field::Text12), "超限,请重选截面!");
    EXPECT_EQ(sheet.messageColour(), red);
}

TEST_F(Verdicts, ChangingALimitAloneRejudgesNothing)
{
    sheet.write(Field::Text6, "250");
    ASSERT_EQ(sheet.text(Field::Text9), "不满足");
    sheet.write(Field::Text20, "305");
    sheet.write(Field::Text21, "0");
    sheet.write(Field::Text22, "-1");
    EXPECT_EQ(sheet.text(Field::Text9), "不满足");
    EXPECT_EQ(sheet.text(Field::Text10), "");
    EXPECT_EQ(sheet.text(Field::Text11), "");
    sheet.write(Field::Text6, "250.00");  // the next change catches up
    EXPECT_EQ(sheet.text(Field::Text9), "满足");
}

TEST_F(Verdicts, RewritingTheSameResultTextRunsNoVerdict)
{
    sheet.write(Field::Text6, "100");
    sheet.write(Field::Text9, "stale");
    sheet.write(Field::Text6, "100");
    EXPECT_EQ(sheet.text(Field::Text9), "stale");
}

TEST_F(Verdicts, ANumberTextBeyondTheRangeIsJudgedNotFaulted)
{
    // 1E999 reads as an infinity: no limit holds it, and no limit falls below -1E999.
    sheet.write(Field::Text6, "1E999");
    EXPECT_EQ(sheet.text(Field::Text9), "不满足");
    sheet.write(Field::Text6, "-1E999");
    EXPECT_EQ(sheet.text(Field::Text9), "满足");
}

}  // namespace
}  // namespace tarrowin
