#include "ui/model/WindowModel.h"

#include "FakeDateTime.h"
#include "SheetRecorder.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <array>
#include <string>

namespace tarrowin {
namespace {

using testing::ElementsAre;
using testing::IsEmpty;
using testing_support::FakeDateTimeFormat;
using testing_support::SheetRecorder;

class WindowModelTest : public testing::Test {
protected:
    std::array<std::string, fieldCount> snapshot() const
    {
        std::array<std::string, fieldCount> texts;
        for (Field field : allFields())
            texts[static_cast<std::size_t>(field)] = model.sheet().text(field);
        return texts;
    }

    FixedClock clock{LocalDateTime{2026, 12, 8, 17, 29, 46}};
    FakeDateTimeFormat format;
    WindowModel model{clock, format};
};

TEST_F(WindowModelTest, LoadWritesTheTimeStampOnce)
{
    model.windowLoad();
    EXPECT_EQ(model.sheet().text(Field::Label19), "现在时间：D2026-12-8 T17:29:46");
}

TEST(WindowModelTimeStamp, AtMidnightHoldsTheDateAlone)
{
    const FixedClock midnight{LocalDateTime{2026, 12, 8, 0, 0, 0}};
    const FixedClock secondPast{LocalDateTime{2026, 12, 8, 0, 0, 1}};
    const FakeDateTimeFormat format;
    WindowModel atMidnight(midnight, format);
    WindowModel justAfter(secondPast, format);
    atMidnight.windowLoad();
    justAfter.windowLoad();
    EXPECT_EQ(atMidnight.sheet().text(Field::Label19), "现在时间：D2026-12-8");
    EXPECT_EQ(justAfter.sheet().text(Field::Label19), "现在时间：D2026-12-8 T0:0:1");
}

TEST_F(WindowModelTest, CalculatesTheWorkedExample)
{
    EXPECT_EQ(model.clickCommand1(), std::nullopt);
    const FieldSheet& sheet = model.sheet();
    EXPECT_EQ(sheet.text(Field::Text22), "13.4164078649987");
    EXPECT_EQ(sheet.text(Field::Text13), "5738625");
    EXPECT_EQ(sheet.text(Field::Text14), "6843.70965193586");
    EXPECT_EQ(sheet.text(Field::Text6), "67.89");
    EXPECT_EQ(sheet.text(Field::Text7), "9.61");
    EXPECT_EQ(sheet.text(Field::Text8), "4.47");
    EXPECT_EQ(sheet.text(Field::Text12), "满足要求!");
}

TEST_F(WindowModelTest, ClearingAfterACalculationEmptiesOnlyResultsVerdictsAndMessage)
{
    ASSERT_FALSE(model.clickCommand1());
    auto expected = snapshot();
    for (Field field : {Field::Text6, Field::Text7, Field::Text8, Field::Text9, Field::Text10, Field::Text11,
                        Field::Text12})
        expected[static_cast<std::size_t>(field)].clear();
    model.clickCommand2();
    EXPECT_EQ(snapshot(), expected);
    EXPECT_EQ(model.sheet().messageColour(), magenta);
}

TEST_F(WindowModelTest, ClearingAfterARedMessageBringsBackMagenta)
{
    // Wx = 8050: σ = 5738625 / 8452.5 = 678.93 > 215, so the message is red.
    model.sheet().write(Field::Text16, "8050");
    ASSERT_FALSE(model.clickCommand1());
    ASSERT_EQ(model.sheet().text(Field::Text12), "超限,请重选截面!");
    ASSERT_EQ(model.sheet().messageColour(), red);
    model.clickCommand2();
    EXPECT_EQ(model.sheet().text(Field::Text12), "");
    EXPECT_EQ(model.sheet().messageColour(), magenta);
}

TEST_F(WindowModelTest, ClearingAClearWindowRunsNoVerdict)
{
    model.sheet().setMessageColour(red);  // a verdict would set it back to magenta
    SheetRecorder recorder(model.sheet());
    model.clickCommand2();
    model.clickCommand2();
    EXPECT_THAT(recorder.events, testing::Each(testing::EndsWith("=")));
    EXPECT_EQ(recorder.events.size(), 14u);
    EXPECT_EQ(model.sheet().messageColour(), red);
}

TEST_F(WindowModelTest, CalculatingAfterClearingRefillsAsBefore)
{
    ASSERT_FALSE(model.clickCommand1());
    const auto calculated = snapshot();
    model.clickCommand2();
    ASSERT_FALSE(model.clickCommand1());
    EXPECT_EQ(snapshot(), calculated);
}

TEST_F(WindowModelTest, AFaultLeavesTheModelUsable)
{
    model.sheet().write(Field::Text16, "");
    const auto fault = model.clickCommand1();
    ASSERT_TRUE(fault);
    EXPECT_EQ(fault->kind, FaultKind::DivisionByZero);

    model.clickCommand2();
    model.clickOption2();
    model.sheet().write(Field::Combo1, "[14a");
    model.pickInCombo1();  // puts Wx 80500 back
    EXPECT_EQ(model.clickCommand1(), std::nullopt);
    EXPECT_EQ(model.sheet().text(Field::Text6), "67.89");
    EXPECT_EQ(model.sheet().text(Field::Text20), "305");
}

TEST_F(WindowModelTest, TypingADesignationRunsNoLookupPickingDoes)
{
    const auto before = snapshot();
    model.sheet().write(Field::Combo1, "HN200x100");
    auto typed = before;
    typed[static_cast<std::size_t>(Field::Combo1)] = "HN200x100";
    EXPECT_EQ(snapshot(), typed);

    model.pickInCombo1();
    EXPECT_EQ(model.sheet().text(Field::Text15), "18100000");
    EXPECT_EQ(model.sheet().text(Field::Text19), "20.9");
}

TEST_F(WindowModelTest, GradeAndSectionChangesRejudgeOnlyAtTheNextCalculation)
{
    // Wx = 25000: σ = 5738625 / 26250 = 218.61, above 215 but within 305.
    model.sheet().write(Field::Text16, "25000");
    ASSERT_FALSE(model.clickCommand1());
    ASSERT_EQ(model.sheet().text(Field::Text6), "218.61");
    ASSERT_EQ(model.sheet().text(Field::Text9), "不满足");

    const auto before = snapshot();
    model.clickOption2();
    auto afterGrade = before;
    afterGrade[static_cast<std::size_t>(Field::Text20)] = "305";
    afterGrade[static_cast<std::size_t>(Field::Text21)] = "175";
    EXPECT_EQ(snapshot(), afterGrade);

    ASSERT_FALSE(model.clickCommand1());
    EXPECT_EQ(model.sheet().text(Field::Text9), "满足");
    EXPECT_EQ(model.sheet().text(Field::Text12), "满足要求!");
}

TEST_F(WindowModelTest, SelectingTheSelectedGradeChangesNothing)
{
    ASSERT_FALSE(model.clickCommand1());
    const auto before = snapshot();
    model.clickOption1();
    EXPECT_EQ(snapshot(), before);
}

}  // namespace
}  // namespace tarrowin
