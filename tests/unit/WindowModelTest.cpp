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
    model.load();
    EXPECT_EQ(model.sheet().text(Field::TimeStamp), "现在时间：D2026-12-8 T17:29:46");
}

TEST(WindowModelTimeStamp, AtMidnightHoldsTheDateAlone)
{
    const FixedClock midnight{LocalDateTime{2026, 12, 8, 0, 0, 0}};
    const FixedClock secondPast{LocalDateTime{2026, 12, 8, 0, 0, 1}};
    const FakeDateTimeFormat format;
    WindowModel atMidnight(midnight, format);
    WindowModel justAfter(secondPast, format);
    atMidnight.load();
    justAfter.load();
    EXPECT_EQ(atMidnight.sheet().text(Field::TimeStamp), "现在时间：D2026-12-8");
    EXPECT_EQ(justAfter.sheet().text(Field::TimeStamp), "现在时间：D2026-12-8 T0:0:1");
}

TEST_F(WindowModelTest, CalculatesTheWorkedExample)
{
    EXPECT_EQ(model.calculate(), std::nullopt);
    const FieldSheet& sheet = model.sheet();
    EXPECT_EQ(sheet.text(Field::AllowableDeflection), "13.4164078649987");
    EXPECT_EQ(sheet.text(Field::BendingMoment), "5738625");
    EXPECT_EQ(sheet.text(Field::ShearForce), "6843.70965193586");
    EXPECT_EQ(sheet.text(Field::BendingStress), "67.89");
    EXPECT_EQ(sheet.text(Field::ShearStress), "9.61");
    EXPECT_EQ(sheet.text(Field::Deflection), "4.47");
    EXPECT_EQ(sheet.text(Field::OverallMessage), "满足要求!");
}

TEST_F(WindowModelTest, ClearingAfterACalculationEmptiesOnlyResultsVerdictsAndMessage)
{
    ASSERT_FALSE(model.calculate());
    auto expected = snapshot();
    for (Field field : {Field::BendingStress, Field::ShearStress, Field::Deflection, Field::BendingVerdict,
                        Field::ShearVerdict, Field::DeflectionVerdict, Field::OverallMessage})
        expected[static_cast<std::size_t>(field)].clear();
    model.clear();
    EXPECT_EQ(snapshot(), expected);
    EXPECT_EQ(model.sheet().messageColour(), magenta);
}

TEST_F(WindowModelTest, ClearingAfterARedMessageBringsBackMagenta)
{
    // Wx = 8050: σ = 5738625 / 8452.5 = 678.93 > 215, so the message is red.
    model.typeInto(Field::SectionModulus, "8050");
    ASSERT_FALSE(model.calculate());
    ASSERT_EQ(model.sheet().text(Field::OverallMessage), "超限,请重选截面!");
    ASSERT_EQ(model.sheet().messageColour(), red);
    model.clear();
    EXPECT_EQ(model.sheet().text(Field::OverallMessage), "");
    EXPECT_EQ(model.sheet().messageColour(), magenta);
}

TEST_F(WindowModelTest, ClearingAClearWindowRunsNoVerdict)
{
    // Blanking a deflection of 4.47 against a limit of -1 fails its check, so
    // this clearing leaves the message red; a verdict would set magenta.
    ASSERT_FALSE(model.calculate());
    model.typeInto(Field::AllowableDeflection, "-1");
    model.clear();
    ASSERT_EQ(model.sheet().messageColour(), red);
    SheetRecorder recorder(model);
    model.clear();
    model.clear();
    EXPECT_THAT(recorder.events, testing::Each(testing::EndsWith("=")));
    EXPECT_EQ(recorder.events.size(), 14u);
    EXPECT_EQ(model.sheet().messageColour(), red);
}

TEST_F(WindowModelTest, CalculatingAfterClearingRefillsAsBefore)
{
    ASSERT_FALSE(model.calculate());
    const auto calculated = snapshot();
    model.clear();
    ASSERT_FALSE(model.calculate());
    EXPECT_EQ(snapshot(), calculated);
}

TEST_F(WindowModelTest, AFaultLeavesTheModelUsable)
{
    model.typeInto(Field::SectionModulus, "");
    const auto fault = model.calculate();
    ASSERT_TRUE(fault);
    EXPECT_EQ(fault->kind, FaultKind::DivisionByZero);

    model.clear();
    model.chooseGrade(Grade::Q355B);
    model.pickSection("[14a");  // puts Wx 80500 back
    EXPECT_EQ(model.calculate(), std::nullopt);
    EXPECT_EQ(model.sheet().text(Field::BendingStress), "67.89");
    EXPECT_EQ(model.sheet().text(Field::DesignStrength), "305");
}

TEST_F(WindowModelTest, TypingADesignationRunsNoLookupPickingDoes)
{
    const auto before = snapshot();
    model.typeInto(Field::SectionDesignation, "HN200x100");
    auto typed = before;
    typed[static_cast<std::size_t>(Field::SectionDesignation)] = "HN200x100";
    EXPECT_EQ(snapshot(), typed);

    model.pickSection("HN200x100");
    EXPECT_EQ(model.sheet().text(Field::SecondMomentOfArea), "18100000");
    EXPECT_EQ(model.sheet().text(Field::SectionMass), "20.9");
}

TEST_F(WindowModelTest, GradeAndSectionChangesRejudgeOnlyAtTheNextCalculation)
{
    // Wx = 25000: σ = 5738625 / 26250 = 218.61, above 215 but within 305.
    model.typeInto(Field::SectionModulus, "25000");
    ASSERT_FALSE(model.calculate());
    ASSERT_EQ(model.sheet().text(Field::BendingStress), "218.61");
    ASSERT_EQ(model.sheet().text(Field::BendingVerdict), "不满足");

    const auto before = snapshot();
    model.chooseGrade(Grade::Q355B);
    auto afterGrade = before;
    afterGrade[static_cast<std::size_t>(Field::DesignStrength)] = "305";
    afterGrade[static_cast<std::size_t>(Field::DesignShearStrength)] = "175";
    EXPECT_EQ(snapshot(), afterGrade);

    ASSERT_FALSE(model.calculate());
    EXPECT_EQ(model.sheet().text(Field::BendingVerdict), "满足");
    EXPECT_EQ(model.sheet().text(Field::OverallMessage), "满足要求!");
}

TEST_F(WindowModelTest, SelectingTheSelectedGradeChangesNothing)
{
    ASSERT_FALSE(model.calculate());
    const auto before = snapshot();
    model.chooseGrade(Grade::Q235B);
    EXPECT_EQ(snapshot(), before);
}

// A stringer from a file: "HN200x100" as the picker's text with the
// properties of [14b, as a typed text can stand beside other properties.
TEST_F(WindowModelTest, OpeningAStringerShowsItWithNoLookupAndNoResults)
{
    ASSERT_FALSE(model.calculate());
    Stringer stringer{FieldTexts(), Grade::Q355B};
    stringer.texts[Field::SectionDesignation] = "HN200x100";
    const std::pair<Field, const char*> properties[] = {{Field::SecondMomentOfArea, "6090000"},
                                                        {Field::SectionModulus, "87100"},
                                                        {Field::WebThickness, "8"},
                                                        {Field::FirstMomentOfArea, "52400"},
                                                        {Field::SectionMass, "16.7"},
                                                        {Field::HorizontalLength, "1,500"},
                                                        {Field::LiveLoad, ""}};
    for (const auto& [field, text] : properties)
        stringer.texts[field] = text;

    const auto before = snapshot();
    model.open(stringer);
    EXPECT_EQ(model.sheet().text(Field::SectionDesignation), "HN200x100");
    for (const auto& [field, text] : properties)
        EXPECT_EQ(model.sheet().text(field), text) << fieldName(field);
    EXPECT_EQ(model.sheet().text(Field::DesignStrength), "305");
    EXPECT_EQ(model.sheet().text(Field::DesignShearStrength), "175");
    EXPECT_EQ(model.selectedGrade(), Grade::Q355B);
    for (const Check& check : checks) {
        EXPECT_EQ(model.sheet().text(check.demandField()), "");
        EXPECT_EQ(model.sheet().text(check.verdict), "");
    }
    EXPECT_EQ(model.sheet().text(Field::OverallMessage), "");
    EXPECT_EQ(model.stringer(), stringer);

    // The moment, the shear force and the allowable deflection of the last
    // calculation stay, as after 清零; texts outside the stringer are not its
    // business.
    for (Field field : {Field::BendingMoment, Field::ShearForce, Field::AllowableDeflection, Field::TimeStamp})
        EXPECT_EQ(model.sheet().text(field), before[static_cast<std::size_t>(field)]) << fieldName(field);
    stringer.texts[Field::TimeStamp] = "elsewhere";
    EXPECT_EQ(model.stringer(), stringer);
}

}  // namespace
}  // namespace tarrowin
