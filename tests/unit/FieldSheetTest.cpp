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
        {Field::Combo1, "[14a"},   {Field::Text1, "3000"},    {Field::Text2, "1500"},   {Field::Text3, "1500"},
        {Field::Text4, "1.0"},     {Field::Text5, "3.5"},     {Field::Text6, ""},       {Field::Text7, ""},
        {Field::Text8, ""},        {Field::Text9, ""},        {Field::Text10, ""},      {Field::Text11, ""},
        {Field::Text12, ""},       {Field::Text13, "弯矩M"},  {Field::Text14, "剪力V"}, {Field::Text15, "5640000"},
        {Field::Text16, "80500"},  {Field::Text17, "6"},      {Field::Text18, "47500"}, {Field::Text19, "14.5"},
        {Field::Text20, "215"},    {Field::Text21, "125"},    {Field::Text22, "Text22"}, {Field::Label19, ""},
    };
    const FieldSheet sheet;
    for (const auto& [field, text] : start)
        EXPECT_EQ(sheet.text(field), text) << fieldName(field);
    EXPECT_EQ(sheet.messageColour(), magenta);
}

TEST(FieldSheet, ControlNamesMatchExactly)
{
    EXPECT_EQ(fieldFromName("Text12"), Field::Text12);
    EXPECT_EQ(fieldFromName("Label19"), Field::Label19);
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
    sheet.setChangeListener(Field::Text6, [&notices] { ++notices; });

    sheet.write(Field::Text6, "");  // empty at start: no change
    EXPECT_EQ(notices, 0);
    sheet.write(Field::Text6, "67.89");
    EXPECT_EQ(notices, 1);
    sheet.write(Field::Text6, "67.89");
    EXPECT_EQ(notices, 1);
    sheet.write(Field::Text6, "67.89 ");  // a trailing blank is a change
    EXPECT_EQ(notices, 2);
    sheet.write(Field::Text6, "");
    EXPECT_EQ(notices, 3);
}

TEST(FieldSheetChangeNotice, TheObserverSeesEveryWriteAlsoWithoutAChange)
{
    FieldSheet sheet;
    SheetRecorder recorder(sheet);
    sheet.write(Field::Text1, "3000");  // unchanged
    sheet.write(Field::Text1, "4000");
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
    sheet.setChangeListener(Field::Text6, [&sheet] {
        sheet.write(Field::Text7, "from Text6");
        sheet.write(Field::Text10, "after Text7");
    });
    sheet.setChangeListener(Field::Text7, [&sheet] { sheet.write(Field::Text9, "from Text7"); });

    sheet.write(Field::Text6, "1");
    sheet.write(Field::Text8, "2");

    EXPECT_THAT(recorder.events, ElementsAre("Text6=1", "Text7=from Text6", "Text9=from Text7",
                                             "Text10=after Text7", "Text8=2"));
}

TEST(FieldSheetChangeNotice, OnlyTheResultFieldsRaiseNotices)
{
    // Writing every other field never reaches a listener of Text6, 7 or 8.
    FieldSheet sheet;
    int notices = 0;
    for (Field field : {Field::Text6, Field::Text7, Field::Text8})
        sheet.setChangeListener(field, [&notices] { ++notices; });
    for (Field field : allFields())
        if (field != Field::Text6 && field != Field::Text7 && field != Field::Text8)
            sheet.write(field, "changed");
    EXPECT_EQ(notices, 0);
}

TEST(FieldSheetChangeNotice, AListenerMayReplaceItselfWhileRunning)
{
    FieldSheet sheet;
    int secondListenerRuns = 0;
    sheet.setChangeListener(Field::Text8, [&] {
        sheet.setChangeListener(Field::Text8, [&secondListenerRuns] { ++secondListenerRuns; });
        sheet.write(Field::Text11, "still here");
    });
    sheet.write(Field::Text8, "1");
    EXPECT_EQ(sheet.text(Field::Text11), "still here");
    sheet.write(Field::Text8, "2");
    EXPECT_EQ(secondListenerRuns, 1);
}

}  // namespace
}  // namespace tarrowin
