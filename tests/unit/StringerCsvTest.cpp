#include "files/StringerCsv.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

namespace tarrowin {
namespace {

std::vector<StringerEntry> readAll(std::string_view text, std::optional<FileProblem>* refusal = nullptr)
{
    StringerCsvReader reader(text);
    std::vector<StringerEntry> entries;
    StringerEntry entry;
    while (reader.next(entry))
        entries.push_back(entry);
    if (refusal)
        *refusal = reader.refusal();
    return entries;
}

TEST(StringerCsv, ColumnsInAnyOrderOthersIgnoredPropertiesFromTheCatalogue)
{
    std::optional<FileProblem> refusal;
    const auto entries = readAll("live_load,note,grade,dead_load,section,flight_width,name,vertical_height,"
                                 "horizontal_length\r\n"
                                 "3.5,ignored,Q355B,\"1,0\",HN200x100,,TL-1,1500,3000\r\n",
                                 &refusal);
    ASSERT_EQ(refusal, std::nullopt) << refusal->message();
    ASSERT_EQ(entries.size(), 1u);
    const StringerEntry& entry = entries[0];
    EXPECT_TRUE(entry.checkable()) << entry.problem;
    EXPECT_EQ(entry.name, "TL-1");
    EXPECT_EQ(entry.line, 2u);
    EXPECT_EQ(entry.gradeText, "Q355B");
    EXPECT_EQ(entry.stringer.grade, Grade::Q355B);
    const Stringer& s = entry.stringer;
    EXPECT_EQ(s.texts[Field::SectionDesignation], "HN200x100");
    EXPECT_EQ(s.texts[Field::HorizontalLength], "3000");
    EXPECT_EQ(s.texts[Field::VerticalHeight], "1500");
    EXPECT_EQ(s.texts[Field::FlightWidth], "");  // the empty text, read as 0
    EXPECT_EQ(s.texts[Field::DeadLoad], "1,0");
    EXPECT_EQ(s.texts[Field::LiveLoad], "3.5");
    // The catalogue's row for HN200x100.
    EXPECT_EQ(s.texts[Field::SecondMomentOfArea], "18100000");
    EXPECT_EQ(s.texts[Field::SectionModulus], "181000");
    EXPECT_EQ(s.texts[Field::WebThickness], "5.5");
    EXPECT_EQ(s.texts[Field::FirstMomentOfArea], "100070");
    EXPECT_EQ(s.texts[Field::SectionMass], "20.9");
}

constexpr std::string_view header = "name,section,grade,horizontal_length,vertical_height,flight_width,dead_load,"
                                    "live_load\n";

struct RowCase {
    const char* label;
    std::string row;
    std::string problem;
    std::string chineseProblem;  // as the calculation book's summary says it
    friend std::ostream& operator<<(std::ostream& out, const RowCase& c) { return out << c.label; }
};

class StringerCsvRow : public testing::TestWithParam<RowCase> {};

TEST_P(StringerCsvRow, SaysWhyARowCannotBeChecked)
{
    std::optional<FileProblem> refusal;
    const auto entries = readAll(std::string(header) + "a,[14a,Q235B,1,2,3,4,5\n" + GetParam().row, &refusal);
    ASSERT_EQ(refusal, std::nullopt);
    ASSERT_EQ(entries.size(), 2u);
    EXPECT_EQ(entries[1].line, 3u);
    EXPECT_EQ(entries[1].problem, GetParam().problem);
    EXPECT_EQ(entries[1].chineseProblem, GetParam().chineseProblem);
    EXPECT_EQ(entries[1].checkable(), GetParam().problem.empty());
}

INSTANTIATE_TEST_SUITE_P(Rows, StringerCsvRow,
    testing::Values(
        RowCase{"fine", "b,[14a,Q235B,3000,1500,1500,1.0,3.5", "", ""},
        RowCase{"empty_inputs_are_no_problem", "b,[14a,Q235B,,,,,", "", ""},
        RowCase{"empty_section", "b,,Q235B,1,2,3,4,5", "the section is empty", "截面为空"},
        // Compared exactly: no trimming, case counts.
        RowCase{"unknown_section", "b,[14a ,Q235B,1,2,3,4,5", "unknown section \"[14a \"", "未知的截面“[14a ”"},
        RowCase{"section_case", "b,hn200x100,Q235B,1,2,3,4,5", "unknown section \"hn200x100\"",
                "未知的截面“hn200x100”"},
        RowCase{"empty_grade", "b,[14a,,1,2,3,4,5", "the grade is empty", "材质为空"},
        RowCase{"unknown_grade", "b,[14a,Q345,1,2,3,4,5", "unknown grade \"Q345\" (the grades are Q235B and Q355B)",
                "未知的材质“Q345”（可选的材质为 Q235B、Q355B）"},
        RowCase{"fewer_cells", "b,[14a,Q235B,3000", "the record has 4 cells, the header 8",
                "该行有 4 个单元格，表头有 8 列"},
        RowCase{"fewer_cells_without_section", "b",
                "the record has 1 cells, the header 8; the section is empty; the grade is empty",
                "该行有 1 个单元格，表头有 8 列；截面为空；材质为空"},
        // An unquoted 1,500 shifts every cell after it one column right.
        RowCase{"unquoted_thousands_comma", "b,[14a,Q235B,3000,1,500,1500,1.0,3.5",
                "the record has 9 cells, the header only 8 (a comma that should be quoted?)",
                "该行有 9 个单元格，表头只有 8 列（是否有逗号未加引号？）"},
        RowCase{"trailing_empty_cells_are_no_problem", "b,[14a,Q235B,1,2,3,4,5,,", "", ""}));

struct RefusalCase {
    const char* label;
    std::string text;
    std::size_t line;
    std::string what;
    friend std::ostream& operator<<(std::ostream& out, const RefusalCase& c) { return out << c.label; }
};

class StringerCsvRefusal : public testing::TestWithParam<RefusalCase> {};

TEST_P(StringerCsvRefusal, RefusesTheWholeTable)
{
    std::optional<FileProblem> refusal;
    readAll(GetParam().text, &refusal);
    ASSERT_TRUE(refusal.has_value());
    EXPECT_EQ(refusal->line, GetParam().line);
    EXPECT_EQ(refusal->what, GetParam().what);
}

INSTANTIATE_TEST_SUITE_P(Tables, StringerCsvRefusal,
    testing::Values(
        RefusalCase{"empty", "", 1, "no header row"},
        RefusalCase{"missing_columns", "name,section,grade,horizontal_length,vertical_height,flight_width\n", 1,
                    "the header lacks the column(s) dead_load, live_load"},
        // Names are compared exactly, as the keys of a stringer file.
        RefusalCase{"column_name_case", "\n\nName,section,grade,horizontal_length,vertical_height,flight_width,"
                                        "dead_load,live_load\n", 3, "the header lacks the column(s) name"},
        RefusalCase{"column_twice", "name,section,grade,horizontal_length,vertical_height,flight_width,dead_load,"
                                    "live_load,grade\n", 1, "the header names the column \"grade\" twice"},
        RefusalCase{"invalid_csv_after_good_rows", std::string(header) + "a,[14a,Q235B,1,2,3,4,5\n\"b,[14a\n", 3,
                    "a quoted cell that is never closed"}));

}  // namespace
}  // namespace tarrowin
