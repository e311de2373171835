#include "files/CsvWriter.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

namespace tarrowin {
namespace {

struct WriteCase {
    const char* label;
    std::vector<std::string> cells;
    std::string text;
    friend std::ostream& operator<<(std::ostream& out, const WriteCase& c) { return out << c.label; }
};

class CsvWriting : public testing::TestWithParam<WriteCase> {};

TEST_P(CsvWriting, QuotesOnlyWhatNeedsIt)
{
    std::string out;
    CsvWriter writer(out);
    for (const std::string& cell : GetParam().cells)
        writer.cell(cell);
    writer.endRecord();
    EXPECT_EQ(out, GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(Cells, CsvWriting,
    testing::Values(WriteCase{"plain", {"[14a", "3000", "满足"}, "[14a,3000,满足\r\n"},
                    WriteCase{"empty_cells", {"", "x", ""}, ",x,\r\n"},
                    WriteCase{"comma", {"1,500"}, "\"1,500\"\r\n"},
                    WriteCase{"quotes_doubled", {"say \"hi\""}, "\"say \"\"hi\"\"\"\r\n"},
                    WriteCase{"line_breaks", {"a\nb", "c\rd"}, "\"a\nb\",\"c\rd\"\r\n"},
                    WriteCase{"outer_blanks", {" 1", "2\t", "3 4"}, "\" 1\",\"2\t\",3 4\r\n"},
                    WriteCase{"byte_order_mark_first", {"\xEF\xBB\xBFx"}, "\"\xEF\xBB\xBFx\"\r\n"},
                    // Unquoted it would be an empty line, which readers skip.
                    WriteCase{"one_empty_cell", {""}, "\"\"\r\n"}));

}  // namespace
}  // namespace tarrowin
