#include "files/CsvReader.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

namespace tarrowin {
namespace {

struct Record {
    std::size_t line;
    std::vector<std::string> cells;
    friend bool operator==(const Record&, const Record&) = default;
    friend std::ostream& operator<<(std::ostream& out, const Record& r)
    {
        out << r.line << ':';
        for (const std::string& cell : r.cells)
            out << " [" << cell << ']';
        return out;
    }
};

std::vector<Record> readAll(std::string_view text, std::optional<FileProblem>* problem = nullptr)
{
    CsvReader reader(text);
    std::vector<Record> records;
    CsvRecord record;
    while (reader.next(record))
        records.push_back({record.line, record.cells});
    if (problem)
        *problem = reader.problem();
    return records;
}

struct ReadCase {
    const char* label;
    std::string text;
    std::vector<Record> records;
    friend std::ostream& operator<<(std::ostream& out, const ReadCase& c) { return out << c.label; }
};

class CsvReading : public testing::TestWithParam<ReadCase> {};

TEST_P(CsvReading, GivesEachRecordWithTheLineItStartsOn)
{
    std::optional<FileProblem> problem;
    EXPECT_EQ(readAll(GetParam().text, &problem), GetParam().records);
    EXPECT_EQ(problem, std::nullopt) << problem->message();
}

INSTANTIATE_TEST_SUITE_P(Rfc4180, CsvReading,
    testing::Values(
        ReadCase{"plain_crlf", "a,b\r\nc,d\r\n", {{1, {"a", "b"}}, {2, {"c", "d"}}}},
        ReadCase{"no_final_line_break", "a,b\nc,d", {{1, {"a", "b"}}, {2, {"c", "d"}}}},
        ReadCase{"empty_cells", ",\n,x,\n", {{1, {"", ""}}, {2, {"", "x", ""}}}},
        ReadCase{"blanks_are_kept", " a , b\t\n", {{1, {" a ", " b\t"}}}},
        ReadCase{"quoted_comma_and_quote", "\"1,500\",\"say \"\"hi\"\"\"\n", {{1, {"1,500", "say \"hi\""}}}},
        ReadCase{"quoted_empty", "\"\",\"\"\n", {{1, {"", ""}}}},
        // The record on line 1 holds two line breaks, so the next starts on line 4.
        ReadCase{"line_breaks_inside_quotes", "\"a\r\nb\nc\",d\r\ne,f\r\n",
                 {{1, {"a\r\nb\nc", "d"}}, {4, {"e", "f"}}}},
        ReadCase{"chinese", "口250x150x5,钢\n", {{1, {"口250x150x5", "钢"}}}}));

INSTANTIATE_TEST_SUITE_P(WhatSpreadsheetsWrite, CsvReading,
    testing::Values(
        ReadCase{"byte_order_mark", "\xEF\xBB\xBFname,x\r\n1,2\r\n", {{1, {"name", "x"}}, {2, {"1", "2"}}}},
        ReadCase{"lone_cr_line_ends", "a,b\rc,d\r", {{1, {"a", "b"}}, {2, {"c", "d"}}}},
        ReadCase{"empty_lines_skipped_but_counted", "a\r\n\r\n\nb\n\n", {{1, {"a"}}, {4, {"b"}}}},
        ReadCase{"a_quoted_empty_record_is_no_empty_line", "a\n\"\"\nb\n", {{1, {"a"}}, {2, {""}}, {3, {"b"}}}},
        ReadCase{"nothing", "", {}},
        ReadCase{"only_a_byte_order_mark", "\xEF\xBB\xBF", {}}));

struct InvalidCase {
    const char* label;
    std::string text;
    std::size_t recordsBefore;
    std::size_t line;
    std::string what;
    friend std::ostream& operator<<(std::ostream& out, const InvalidCase& c) { return out << c.label; }
};

class InvalidCsv : public testing::TestWithParam<InvalidCase> {};

TEST_P(InvalidCsv, StopsWithTheLineAndWhatIsWrong)
{
    std::optional<FileProblem> problem;
    EXPECT_EQ(readAll(GetParam().text, &problem).size(), GetParam().recordsBefore);
    ASSERT_TRUE(problem.has_value());
    EXPECT_EQ(problem->line, GetParam().line);
    EXPECT_EQ(problem->what, GetParam().what);
}

INSTANTIATE_TEST_SUITE_P(Problems, InvalidCsv,
    testing::Values(
        InvalidCase{"quote_never_closed", "a\n\"b,c\nd\n", 1, 2, "a quoted cell that is never closed"},
        InvalidCase{"quote_inside_plain_cell", "a\nb,5\"x\n", 1, 2,
                    "a quote inside a cell that does not start with one (quote the whole cell and write the quote "
                    "twice)"},
        InvalidCase{"text_after_closing_quote", "\"a\nb\"c,d\n", 0, 2, "text after the closing quote of a cell"},
        // GBK, as a spreadsheet in a Chinese locale saves it: 钢 is C6 D6.
        InvalidCase{"legacy_code_page", "a\nb\n\xC6\xD6\n", 0, 3,
                    "not UTF-8 text (save the table as CSV in UTF-8)"}));

}  // namespace
}  // namespace tarrowin
