#include "sheet/FieldSheet.h"

#include "SheetRecorder.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

namespace tarrowin {
namespace {

using testing::ElementsAre;
using testing_support::SheetRecorder;

TEST(FieldSheet, StartsWithTheDesignTimeTexts)
{
    // Every field with its text at start, as the field table lists them.
    const std::pair<Field, const char*> start[] = {
        {Field::SectionDesignation, "[14a"},
        {Field::HorizontalLength, "3000"},
        {Field::VerticalHeight, "1500"},
        {Field::FlightWidth, "1500"},
        {Field::DeadLoad, "1.0"},
        {Field::LiveLoad, "3.5"},
        {Field::BendingStress, ""},
        {Field::ShearStress, ""},
        {Field::Deflection, ""},
        {Field::BendingVerdict, ""},
        {Field::ShearVerdict, ""},
        {Field::DeflectionVerdict, ""},
        {Field::OverallMessage, ""},
        {Field::BendingMoment, "弯矩M"},
        {Field::ShearForce, "剪力V"},
        {Field::SecondMomentOfArea, "5640000"},
        {Field::SectionModulus, "80500"},
        {Field::WebThickness, "6"},
        {Field::FirstMomentOfArea, "47500"},
        {Field::SectionMass, "14.5"},
        {Field::DesignStrength, "215"},
        {Field::DesignShearStrength, "125"},
        {Field::AllowableDeflection, "Text22"},
        {Field::TimeStamp, ""},
    };
    const FieldSheet sheet;
    for (const auto& [field, text] : start)
        EXPECT_EQ(sheet.text(field), text) << fieldName(field);
    EXPECT_EQ(sheet.messageColour(), magenta);
}

TEST(FieldSheet, ControlNamesMatchExactly)
{
    EXPECT_EQ(fieldFromName("Text12"), Field::OverallMessage);
    EXPECT_EQ(fieldFromName("Label19"), Field::TimeStamp);
    EXPECT_EQ(fieldFromName("text12"), std::nullopt);
    EXPECT_EQ(fieldFromName("Text23"), std::nullopt);
    EXPECT_EQ(fieldFromName("Text1 "), std::nullopt);
    EXPECT_EQ(fieldFromName(""), std::nullopt);
    for (Field field : allFields())
        EXPECT_EQ(fieldFromName(fieldName(field)), field);
}

TEST(FieldSheetChangeNotice, RunsOnlyWhenTheTextChanges)
{
    FieldSheet sheet;
    int notices = 0;
    sheet.setChangeListener(Field::BendingStress, [&notices] { ++notices; });

    sheet.write(Field::BendingStress, "");  // empty at start: no change
    EXPECT_EQ(notices, 0);
    sheet.write(Field::BendingStress, "67.89");
    EXPECT_EQ(notices, 1);
    sheet.write(Field::BendingStress, "67.89");
    EXPECT_EQ(notices, 1);
    sheet.write(Field::BendingStress, "67.89 ");  // a trailing blank is a change
    EXPECT_EQ(notices, 2);
    sheet.write(Field::BendingStress, "");
    EXPECT_EQ(notices, 3);
}

TEST(FieldSheetChangeNotice, TheObserverSeesEveryWriteAlsoWithoutAChange)
{
    FieldSheet sheet;
    SheetRecorder recorder(sheet);
    sheet.write(Field::HorizontalLength, "3000");  // unchanged
    sheet.write(Field::HorizontalLength, "4000");
    sheet.setMessageColour(red);
    EXPECT_THAT(recorder.events, ElementsAre("Text1=3000", "Text1=4000", "colour=255,0,0"));
    EXPECT_EQ(sheet.messageColour(), red);
}

TEST(FieldSheetChangeNotice, ListenersRunNestedInsideTheWriteThatRaisedThem)
{
    // Text6's listener writes Text7, whose listener writes Text9; all of it
    // happens before the outer write returns and the writer goes on to Text8.
    FieldSheet sheet;
    SheetRecorder recorder(sheet);
    sheet.setChangeListener(Field::BendingStress, [&sheet] {
        sheet.write(Field::ShearStress, "from Text6");
        sheet.write(Field::ShearVerdict, "after Text7");
    });
    sheet.setChangeListener(Field::ShearStress, [&sheet] { sheet.write(Field::BendingVerdict, "from Text7"); });

    sheet.write(Field::BendingStress, "1");
    sheet.write(Field::Deflection, "2");

    EXPECT_THAT(recorder.events, ElementsAre("Text6=1", "Text7=from Text6", "Text9=from Text7",
                                             "Text10=after Text7", "Text8=2"));
}

TEST(FieldSheetChangeNotice, OnlyTheResultFieldsRaiseNotices)
{
    // Writing every other field never reaches a listener of Text6, 7 or 8.
    FieldSheet sheet;
    int notices = 0;
    for (Field field : {Field::BendingStress, Field::ShearStress, Field::Deflection})
        sheet.setChangeListener(field, [&notices] { ++notices; });
    for (Field field : allFields())
        if (field != Field::BendingStress && field != Field::ShearStress && field != Field::Deflection)
            sheet.write(field, "changed");
    EXPECT_EQ(notices, 0);
}

TEST(FieldSheetChangeNotice, AListenerMayReplaceItselfWhileRunning)
{
    FieldSheet sheet;
    int secondListenerRuns = 0;
    sheet.setChangeListener(Field::Deflection, [&] {
        sheet.setChangeListener(Field::Deflection, [&secondListenerRuns] { ++secondListenerRuns; });
        sheet.write(Field::DeflectionVerdict, "still here");
    });
    sheet.write(Field::Deflection, "1");
    EXPECT_EQ(sheet.text(Field::DeflectionVerdict), "still here");
    sheet.write(Field::Deflection, "2");
    EXPECT_EQ(secondListenerRuns, 1);
}

}  // namespace
}  // namespace tarrowin
