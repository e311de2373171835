#include "catalogue/SectionCatalogue.h"

#include "sheet/FieldSheet.h"

#include "SheetRecorder.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <array>
#include <ostream>
#include <string>

namespace tarrowin {
namespace {

using testing::ElementsAre;
using testing::IsEmpty;
using testing_support::SheetRecorder;

// The catalogue as the reference table prints it: the exact texts of
// Text15 (Ix), Text16 (Wx), Text17 (tw), Text18 (Sx) and Text19 (mass).
struct Row {
    const char* designation;
    const char* ix;
    const char* wx;
    const char* tw;
    const char* sx;
    const char* mass;
    friend void PrintTo(const Row& row, std::ostream* out) { *out << row.designation; }
};

constexpr std::array<Row, 19> referenceTable = {{
    {"[14a", "5640000", "80500", "6", "47500", "14.5"},
    {"[14b", "6090000", "87100", "8", "52400", "16.7"},
    {"[16a", "8660000", "108000", "6.5", "63900", "17.2"},
    {"[16b", "9340000", "117000", "8.5", "70300", "19.7"},
    {"[18a", "12730000", "141000", "7", "83500", "20.2"},
    {"[18b", "13700000", "152000", "9", "91600", "23"},
    {"[20a", "17800000", "178000", "7", "104700", "22.6"},
    {"[20b", "19140000", "191000", "9", "114700", "25.8"},
    {"[22a", "23940000", "218000", "7", "127600", "25"},
    {"[22b", "25710000", "234000", "9", "139700", "28.4"},
    {"[25a", "33700000", "270000", "7", "157800", "27.5"},
    {"[25b", "35300000", "282000", "9", "173500", "31.4"},
    {"HN200x100", "18100000", "181000", "5.5", "100070", "20.9"},
    {"HN250x125", "39600000", "317000", "6", "175930", "29"},
    {"HN300x150", "72100000", "481000", "6.5", "261030", "36.7"},
    {"HN350x175", "135000000", "771000", "7", "420420", "49.4"},
    {"\xE5\x8F\xA3" "150x100x3", "4734800", "63130", "6", "37600", "11.49"},  // U+53E3 口
    {"\xE5\x8F\xA3" "200x100x4", "12402900", "124030", "8", "76060", "18.34"},
    {"\xE5\x8F\xA3" "250x150x5", "34032500", "272260", "10", "163880", "30.62"},
}};

TEST(SectionCatalogue, ListsTheDesignationsInTableOrder)
{
    ASSERT_EQ(sectionCatalogue().size(), referenceTable.size());
    for (std::size_t i = 0; i < referenceTable.size(); ++i)
        EXPECT_EQ(sectionCatalogue()[i].designation, referenceTable[i].designation) << "row " << i + 1;
}

class SectionLookup : public testing::TestWithParam<Row> {};

TEST_P(SectionLookup, WritesTheRowsFiveTextsInOrder)
{
    const Row& row = GetParam();
    FieldSheet sheet;
    sheet.write(Field::SectionDesignation, row.designation);
    SheetRecorder recorder(sheet);
    lookUpSection(sheet);
    EXPECT_THAT(recorder.events, ElementsAre(std::string("Text15=") + row.ix, std::string("Text16=") + row.wx,
                                             std::string("Text17=") + row.tw, std::string("Text18=") + row.sx,
                                             std::string("Text19=") + row.mass));
}

INSTANTIATE_TEST_SUITE_P(EveryRow, SectionLookup, testing::ValuesIn(referenceTable));

TEST(SectionLookupMismatch, WritesNothingForATextThatIsNoDesignation)
{
    // Case, the letter X, a trailing or leading blank, a geometric square
    // U+25A1 instead of 口, a full-width bracket.
    for (const char* text : {"hn200x100", "HN200X100", "[14a ", " [14a", "\xE2\x96\xA1" "150x100x3",
                             "\xEF\xBC\xBB" "14a", "", "[14"}) {
        FieldSheet sheet;
        sheet.write(Field::SecondMomentOfArea, "kept");
        sheet.write(Field::SectionDesignation, text);
        SheetRecorder recorder(sheet);
        lookUpSection(sheet);
        EXPECT_THAT(recorder.events, IsEmpty()) << text;
        EXPECT_EQ(sheet.text(Field::SecondMomentOfArea), "kept");
    }
}

TEST(SectionLookupMismatch, LeavesResultsAndVerdictsAlone)
{
    FieldSheet sheet;
    for (Field field : {Field::BendingStress, Field::ShearStress, Field::Deflection, Field::BendingVerdict,
                        Field::ShearVerdict, Field::DeflectionVerdict, Field::OverallMessage, Field::BendingMoment,
                        Field::ShearForce, Field::AllowableDeflection})
        sheet.write(field, "result");
    sheet.write(Field::SectionDesignation, "HN350x175");
    SheetRecorder recorder(sheet);
    lookUpSection(sheet);
    for (const std::string& event : recorder.events)
        EXPECT_TRUE(event.starts_with("Text15=") || event.starts_with("Text16=") || event.starts_with("Text17=")
                    || event.starts_with("Text18=") || event.starts_with("Text19="))
            << event;
    EXPECT_EQ(sheet.text(Field::BendingStress), "result");
    EXPECT_EQ(sheet.text(Field::OverallMessage), "result");
}

}  // namespace
}  // namespace tarrowin
