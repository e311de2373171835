#include "files/StringerCsvFile.h"

#include "files/StringerCsv.h"

#include "TemporaryFolder.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

namespace tarrowin {
namespace {

using testing_support::TemporaryFolder;
using testing_support::writeFile;

struct Row {
    std::string name;
    std::size_t line;
    std::string problem;
    friend bool operator==(const Row&, const Row&) = default;
    friend std::ostream& operator<<(std::ostream& out, const Row& r) { return out << r.name << '@' << r.line; }
};

struct Reading {
    std::vector<Row> rows;
    std::optional<FileProblem> refusal;
};

// What the reader of a whole text in memory makes of it: the reference.
Reading readWhole(std::string_view text)
{
    Reading reading;
    StringerCsvReader reader(text);
    StringerEntry entry;
    while (reader.next(entry))
        reading.rows.push_back({entry.name, entry.line, entry.problem});
    reading.refusal = reader.refusal();
    return reading;
}

Reading readFile(const std::filesystem::path& path)
{
    Reading reading;
    reading.refusal = readStringerCsvFile(path, [&](const StringerEntry& entry) {
        reading.rows.push_back({entry.name, entry.line, entry.problem});
    });
    return reading;
}

// Several megabytes, so that the file is read in many parts: names in quotes
// that hold every kind of line break and quotes written twice, lone CRs and
// blank lines between records, so that parts fall inside quoted cells and
// line counts must carry over from part to part.
std::string largeTable(std::string_view end)
{
    std::string text = "\xEF\xBB\xBF\r\n\r\nname,section,grade,horizontal_length,vertical_height,flight_width,"
                       "dead_load,live_load\r\n";
    for (int i = 0; text.size() < (std::size_t{5} << 20); ++i) {
        switch (i % 5) {
        case 0: text += "\"TL-" + std::to_string(i) + "\nflight \"\"A\"\"\r\nend\rx\""; break;
        case 1: text += "TL-" + std::to_string(i); break;
        case 2: text += "\"TL-" + std::to_string(i) + ", with a comma " + std::string(i % 700, 'w') + "\""; break;
        case 3: text += "\r\n\nTL-" + std::to_string(i); break;
        case 4: text += "TL-" + std::to_string(i) + (i % 3 == 0 ? "" : "x"); break;
        }
        text += i % 4 == 0 ? ",[14a,Q235B,3000,1500,1200,1.0,3.5\r" : ",[16a,Q999,3000,1500,1200,1.0,3.5\n";
    }
    return text + std::string(end);
}

struct EndCase {
    const char* what;
    std::string_view end;
    friend std::ostream& operator<<(std::ostream& out, const EndCase& c) { return out << c.what; }
};

class ReadingAFileInParts : public testing::TestWithParam<EndCase> {};

TEST_P(ReadingAFileInParts, GivesTheRowsLinesAndRefusalOfTheWholeText)
{
    TemporaryFolder folder;
    const std::string text = largeTable(GetParam().end);
    writeFile(folder / "t.csv", text);

    Reading expected = readWhole(text);
    if (expected.refusal)
        expected.refusal->file = (folder / "t.csv").string();
    const Reading read = readFile(folder / "t.csv");
    ASSERT_GT(expected.rows.size(), 10'000u);
    EXPECT_EQ(read.rows.size(), expected.rows.size());
    EXPECT_TRUE(read.rows == expected.rows);
    EXPECT_EQ(read.refusal, expected.refusal);
}

// A part found invalid late still hands out the rows before it; the whole
// text hands none when it is not UTF-8, so only the refusal is compared then.
INSTANTIATE_TEST_SUITE_P(Ends, ReadingAFileInParts,
    testing::Values(EndCase{"valid", "TL-last,[14a,Q235B,3000,1500,1200,1.0,3.5"},
                    EndCase{"a quote never closed", "\"TL-last,[14a,Q235B\r\n3000"},
                    EndCase{"a stray quote", "TL-\"last\",[14a,Q235B,3000,1500,1200,1.0,3.5\r\n"}));

TEST(ReadingAFileInParts, TellsTheLineOfABytePastTheFirstPartThatIsNotUtf8)
{
    TemporaryFolder folder;
    const std::string text = largeTable("TL-last,[14a,Q235B,3000\xFF,1500,1200,1.0,3.5\r\n");
    writeFile(folder / "t.csv", text);
    std::optional<FileProblem> whole = readWhole(text).refusal;
    ASSERT_TRUE(whole);
    whole->file = (folder / "t.csv").string();
    EXPECT_EQ(readFile(folder / "t.csv").refusal, whole);
}

TEST(ReadingAFileInParts, TellsAFileThatCannotBeReadAsReadingItWholeDoes)
{
    TemporaryFolder folder;
    const Reading read = readFile(folder / "absent.csv");
    ASSERT_TRUE(read.refusal);
    EXPECT_EQ(read.refusal->kind, FileProblemKind::CannotRead);
    EXPECT_EQ(read.refusal->message(), (folder / "absent.csv").string() + ": cannot read: No such file or directory");
    EXPECT_EQ(readFile(folder.path()).refusal->kind, FileProblemKind::IsAFolder);
}

}  // namespace
}  // namespace tarrowin
