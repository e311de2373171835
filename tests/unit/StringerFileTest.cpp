#include "files/StringerFile.h"

#include "FakeDateTime.h"
#include "TemporaryFolder.h"
#include "files/StringerKeys.h"
#include "ui/model/WindowModel.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <unistd.h>

namespace tarrowin {
namespace {

using testing_support::fileContent;
using testing_support::TemporaryFolder;
using testing_support::writeFile;

// The window at start, saved: keys sorted, four blanks a level, the report
// written whole though empty.
constexpr std::string_view defaultFileText = R"({
    "dead_load": "1.0",
    "flight_width": "1500",
    "format": "tarrowin-stringer",
    "grade": "Q235B",
    "horizontal_length": "3000",
    "live_load": "3.5",
    "report": {
        "checker": "",
        "date": "",
        "designer": "",
        "member": "",
        "project": "",
        "reviewer": ""
    },
    "section": "[14a",
    "section_properties": {
        "first_moment_of_area": "47500",
        "mass": "14.5",
        "second_moment_of_area": "5640000",
        "section_modulus": "80500",
        "web_thickness": "6"
    },
    "version": 1,
    "vertical_height": "1500"
}
)";

// The default file with one line replaced.
std::string defaultWith(std::string_view line, std::string_view replacement)
{
    std::string text(defaultFileText);
    const std::size_t at = text.find(line);
    return text.replace(at, line.size(), replacement);
}

TEST(StringerFileText, TheWindowAtStartIsWrittenWithSortedKeysAndTextsOnly)
{
    EXPECT_EQ(stringerFileText(StringerFile{}), defaultFileText);
}

// Every text of the stringer and of the report set to the same awkward text.
StringerFile fileWithEveryText(const std::string& text, Grade grade)
{
    StringerFile file;
    file.stringer.grade = grade;
    for (Field field : stringerFields)
        file.stringer.texts[field] = text;
    file.report = ReportHeader{text, text, text, text, text, text};
    return file;
}

struct AwkwardText {
    const char* label;
    std::string text;
    friend std::ostream& operator<<(std::ostream& out, const AwkwardText& c) { return out << c.label; }
};

class StringerFileRoundTrip : public testing::TestWithParam<AwkwardText> {};

TEST_P(StringerFileRoundTrip, SavedAndOpenedGivesTheSameTextsByteForByte)
{
    TemporaryFolder folder;
    const auto path = folder / "flight.tarrowin";
    const StringerFile saved = fileWithEveryText(GetParam().text, Grade::Q355B);
    ASSERT_EQ(saveStringerFile(path, saved), std::nullopt);

    const StringerFileReading opened = readStringerFile(path);
    ASSERT_EQ(opened.problem, std::nullopt) << opened.problem->message();
    for (Field field : stringerFields)
        EXPECT_EQ(opened.file->stringer.texts[field], GetParam().text) << fieldName(field);
    EXPECT_EQ(opened.file->stringer.grade, Grade::Q355B);
    EXPECT_EQ(opened.file->report, saved.report);
    EXPECT_EQ(opened.file->otherKeys, "");
    // Saving what was opened writes the same bytes again.
    EXPECT_EQ(stringerFileText(*opened.file), fileContent(path));
}

INSTANTIATE_TEST_SUITE_P(Texts, StringerFileRoundTrip,
    testing::Values(AwkwardText{"empty", ""}, AwkwardText{"blanks", "  1500  "}, AwkwardText{"tab", "\t3000\t"},
                    AwkwardText{"line_breaks", "1\n5\r\n00\r"}, AwkwardText{"thousands_comma", "1,500"},
                    AwkwardText{"chinese", "口250x150x5 钢梯"}, AwkwardText{"emoji", "🪜 stair"},
                    AwkwardText{"quotes_and_backslashes", R"("\" \\ \u0041 /)"},
                    AwkwardText{"control_characters", std::string("a\0b\x01\x1f", 5)},
                    // Qt's plain UTF-8 decoding drops a U+FEFF at the start of a text.
                    AwkwardText{"starts_with_zero_width_no_break_space", "\xEF\xBB\xBF" "1500"},
                    AwkwardText{"reads_as_nothing", "Text22"}, AwkwardText{"number_with_unit", "12.5kN"},
                    AwkwardText{"megabyte", std::string(1 << 20, '7') + "中"}));

// Written by hand: keys in another order, blank lines, CR LF, and keys this
// version does not know at the top, among the properties and in the report.
constexpr std::string_view handWritten = "{\r\n"
                                         "  \"version\": 1, \"format\": \"tarrowin-stringer\",\r\n"
                                         "  \"live_load\": \"3.5\", \"dead_load\": \"1.0\",\r\n"
                                         "\r\n"
                                         "  \"report\": {\"member\": \"TL-1\", \"stamp\": [1, {\"x\": null}]},\r\n"
                                         "  \"section\": \"HN150\",\r\n"
                                         "  \"grade\": \"Q355B\", \"colour\": \"blue\",\r\n"
                                         "  \"section_properties\": {\"mass\": \"14.0\", \"web_thickness\": \"5\",\r\n"
                                         "    \"section_modulus\": \"88800\", \"second_moment_of_area\": \"6660000\",\r\n"
                                         "    \"first_moment_of_area\": \"50000\", \"source\": \"catalogue\"},\r\n"
                                         "  \"vertical_height\": \"1,500\", \"horizontal_length\": \"3000\",\r\n"
                                         "  \"flight_width\": \"\"\r\n"
                                         "}\r\n";

TEST(StringerFileReading, AFileWrittenByHandReadsWhateverItsKeyOrder)
{
    const StringerFileReading read = parseStringerFile(handWritten, "hand.tarrowin");
    ASSERT_EQ(read.problem, std::nullopt) << read.problem->message();
    const Stringer& stringer = read.file->stringer;
    EXPECT_EQ(stringer.texts[Field::SectionDesignation], "HN150");
    EXPECT_EQ(stringer.texts[Field::SecondMomentOfArea], "6660000");
    EXPECT_EQ(stringer.texts[Field::SectionModulus], "88800");
    EXPECT_EQ(stringer.texts[Field::WebThickness], "5");
    EXPECT_EQ(stringer.texts[Field::FirstMomentOfArea], "50000");
    EXPECT_EQ(stringer.texts[Field::SectionMass], "14.0");
    EXPECT_EQ(stringer.grade, Grade::Q355B);
    EXPECT_EQ(stringer.texts[Field::HorizontalLength], "3000");
    EXPECT_EQ(stringer.texts[Field::VerticalHeight], "1,500");
    EXPECT_EQ(stringer.texts[Field::FlightWidth], "");
    EXPECT_EQ(stringer.texts[Field::DeadLoad], "1.0");
    EXPECT_EQ(stringer.texts[Field::LiveLoad], "3.5");
    EXPECT_EQ(read.file->report, (ReportHeader{"", "TL-1", "", "", "", ""}));
}

TEST(StringerFileReading, KeysThisVersionDoesNotKnowAreWrittenBack)
{
    const StringerFileReading read = parseStringerFile(handWritten, "hand.tarrowin");
    ASSERT_EQ(read.problem, std::nullopt);
    const std::string written = stringerFileText(*read.file);
    EXPECT_NE(written.find("\"colour\": \"blue\""), std::string::npos) << written;
    EXPECT_NE(written.find("\"source\": \"catalogue\""), std::string::npos) << written;
    EXPECT_NE(written.find("\"stamp\": [\n            1,\n            {\n                \"x\": null"),
              std::string::npos)
        << written;

    const StringerFileReading again = parseStringerFile(written, "again.tarrowin");
    ASSERT_EQ(again.problem, std::nullopt);
    EXPECT_EQ(again.file, read.file);
}

TEST(StringerFileReading, AKeptTextStartingWithAZeroWidthNoBreakSpaceKeepsIt)
{
    const std::string text = defaultWith("    \"version\": 1,\n", "    \"note\": \"\xEF\xBB\xBFkept\", \"version\": 1,\n");
    const StringerFileReading read = parseStringerFile(text, "note.tarrowin");
    ASSERT_EQ(read.problem, std::nullopt) << read.problem->message();
    const std::string written = stringerFileText(*read.file);
    EXPECT_NE(written.find("\"note\": \"\\ufeffkept\""), std::string::npos) << written;
    EXPECT_EQ(parseStringerFile(written, "again.tarrowin").file, read.file);
}

TEST(StringerFileReading, AByteOrderMarkBeforeTheJsonIsSkipped)
{
    const StringerFileReading read = parseStringerFile("\xEF\xBB\xBF" + std::string(defaultFileText), "bom.tarrowin");
    ASSERT_EQ(read.problem, std::nullopt) << read.problem->message();
    EXPECT_EQ(read.file, StringerFile{});
}

struct Refused {
    const char* label;
    std::string bytes;
    std::string message;
    friend std::ostream& operator<<(std::ostream& out, const Refused& c) { return out << c.label; }
};

class StringerFileRefusal : public testing::TestWithParam<Refused> {};

TEST_P(StringerFileRefusal, NamesTheFileAndWhatIsWrongAndGivesNoStringer)
{
    const StringerFileReading read = parseStringerFile(GetParam().bytes, "dir/s.tarrowin");
    EXPECT_EQ(read.file, std::nullopt);
    ASSERT_TRUE(read.problem.has_value());
    EXPECT_EQ(read.problem->message(), GetParam().message);
}

// Columns count characters: `{"section": "` is 13, 口口 two more, then `"}`,
// a blank, and the x is the 19th character (the 23rd byte). An unclosed
// text is found at the end: line 2 holds 18 characters, so column 19.
INSTANTIATE_TEST_SUITE_P(NotJson, StringerFileRefusal,
    testing::Values(
        Refused{"text_after_the_object", "{\"section\": \"口口\"} x",
                "dir/s.tarrowin:1:19: not JSON: garbage at the end of the document"},
        // The same with a U+FEFF and an x in place of 口口.
        Refused{"text_after_the_object_past_a_zero_width_no_break_space", "{\"section\": \"\xEF\xBB\xBFx\"} y",
                "dir/s.tarrowin:1:19: not JSON: garbage at the end of the document"},
        Refused{"text_after_the_object_two_lines_down", "{\"section\": \"口\"}\r\n\r  x",
                "dir/s.tarrowin:3:3: not JSON: garbage at the end of the document"},
        Refused{"unterminated_text", "{\n  \"section\": \"[14a",
                "dir/s.tarrowin:2:19: not JSON: unterminated string"},
        Refused{"empty_file", "", "dir/s.tarrowin:1:1: not JSON: illegal value"}));

INSTANTIATE_TEST_SUITE_P(NotThisFormat, StringerFileRefusal,
    testing::Values(
        Refused{"a_list", "[1, 2]", "dir/s.tarrowin: not a Tarrowin stringer file: not a JSON object"},
        Refused{"no_format", defaultWith("    \"format\": \"tarrowin-stringer\",\n", ""),
                "dir/s.tarrowin: not a Tarrowin stringer file: it has no \"format\""},
        Refused{"another_format", defaultWith("tarrowin-stringer", "tarrowin-beam"),
                "dir/s.tarrowin: not a Tarrowin stringer file: its \"format\" is \"tarrowin-beam\", not "
                "\"tarrowin-stringer\""},
        Refused{"format_not_a_text", defaultWith("\"tarrowin-stringer\"", "1"),
                "dir/s.tarrowin: not a Tarrowin stringer file: its \"format\" is a number, not "
                "\"tarrowin-stringer\""}));

INSTANTIATE_TEST_SUITE_P(Version, StringerFileRefusal,
    testing::Values(
        Refused{"newer", defaultWith("\"version\": 1", "\"version\": 2"),
                "dir/s.tarrowin: written by a newer version of Tarrowin (format version 2; this one reads version 1)"},
        Refused{"missing", defaultWith("    \"version\": 1,\n", ""), "dir/s.tarrowin: \"version\" is missing"},
        Refused{"not_whole", defaultWith("\"version\": 1", "\"version\": 1.5"),
                "dir/s.tarrowin: \"version\" is 1.5, not a whole number"},
        Refused{"a_text", defaultWith("\"version\": 1", "\"version\": \"1\""),
                "dir/s.tarrowin: \"version\" is \"1\", not a whole number"},
        Refused{"zero", defaultWith("\"version\": 1", "\"version\": 0"),
                "dir/s.tarrowin: \"version\" 0 is not a version of this format"}));

INSTANTIATE_TEST_SUITE_P(MissingKey, StringerFileRefusal,
    testing::Values(
        Refused{"input", defaultWith("    \"dead_load\": \"1.0\",\n", ""), "dir/s.tarrowin: \"dead_load\" is missing"},
        Refused{"section", defaultWith("    \"section\": \"[14a\",\n", ""), "dir/s.tarrowin: \"section\" is missing"},
        Refused{"property", defaultWith("        \"mass\": \"14.5\",\n", ""),
                "dir/s.tarrowin: \"section_properties.mass\" is missing"},
        Refused{"grade", defaultWith("    \"grade\": \"Q235B\",\n", ""), "dir/s.tarrowin: \"grade\" is missing"}));

INSTANTIATE_TEST_SUITE_P(WrongType, StringerFileRefusal,
    testing::Values(
        Refused{"number_for_an_input", defaultWith("\"1.0\"", "1.0"),
                "dir/s.tarrowin: \"dead_load\" is a number, not a text"},
        Refused{"null_for_a_property", defaultWith("\"47500\"", "null"),
                "dir/s.tarrowin: \"section_properties.first_moment_of_area\" is null, not a text"},
        Refused{"properties_not_an_object",
                defaultWith("\"section_properties\": {", "\"section_properties\": [], \"kept\": {"),
                "dir/s.tarrowin: \"section_properties\" is a list, not an object"},
        Refused{"report_entry_not_a_text", defaultWith("\"checker\": \"\"", "\"checker\": false"),
                "dir/s.tarrowin: \"report.checker\" is true or false, not a text"}));

INSTANTIATE_TEST_SUITE_P(UnknownGrade, StringerFileRefusal,
    testing::Values(
        Refused{"another_steel", defaultWith("Q235B", "Q420"),
                "dir/s.tarrowin: unknown grade \"Q420\" (the grades are Q235B and Q355B)"},
        // Grade names are compared exactly, as the options' captions.
        Refused{"lower_case", defaultWith("Q235B", "q235b"),
                "dir/s.tarrowin: unknown grade \"q235b\" (the grades are Q235B and Q355B)"}));

// The second appearance is named by its line and column: the default file's
// dead_load is on line 2, date on line 10 and mass on line 19, each line
// indented by four blanks a level.
INSTANTIATE_TEST_SUITE_P(KeyGivenTwice, StringerFileRefusal,
    testing::Values(
        Refused{"at_the_top", defaultWith("    \"dead_load\": \"1.0\",\n", "    \"dead_load\": \"1.0\",\n    \"dead_load\": \"2.0\",\n"),
                "dir/s.tarrowin:3:5: \"dead_load\" is given twice"},
        Refused{"in_the_report", defaultWith("        \"date\": \"\",\n", "        \"date\": \"\",\n        \"date\": \"2026\",\n"),
                "dir/s.tarrowin:11:9: \"report.date\" is given twice"},
        Refused{"in_the_section_properties", defaultWith("        \"mass\": \"14.5\",\n", "        \"mass\": \"14.5\", \"mass\": \"99\",\n"),
                "dir/s.tarrowin:19:25: \"section_properties.mass\" is given twice"},
        // A key this version does not know is kept, but not twice either.
        Refused{"unknown_key", defaultWith("    \"version\": 1,\n", "    \"version\": 1,\n    \"x\": 1,\n    \"x\": 1,\n"),
                "dir/s.tarrowin:26:5: \"x\" is given twice"}));

TEST(StringerFileReading, AFileThatCannotBeReadIsRefusedByName)
{
    TemporaryFolder folder;
    const StringerFileReading missing = readStringerFile(folder / "none.tarrowin");
    ASSERT_TRUE(missing.problem.has_value());
    EXPECT_EQ(missing.problem->message(), (folder / "none.tarrowin").string() + ": cannot read: No such file or directory");

    const StringerFileReading aFolder = readStringerFile(folder.path());
    ASSERT_TRUE(aFolder.problem.has_value());
    EXPECT_EQ(aFolder.problem->message(), folder.path().string() + ": cannot read: it is a folder");
}

// Saving over an existing file: whatever stops the save, the old file keeps
// every byte and no temporary file is left beside it.
class SavingOverAFile : public testing::Test {
protected:
    void SetUp() override { writeFile(target, oldContent); }

    void expectOldFileIntact()
    {
        EXPECT_EQ(fileContent(target), oldContent);
        std::size_t files = 0;
        for ([[maybe_unused]] const auto& entry : std::filesystem::directory_iterator(folder.path()))
            ++files;
        EXPECT_EQ(files, 1u);
    }

    TemporaryFolder folder;
    std::filesystem::path target = folder / "flight.tarrowin";
    std::string oldContent = std::string(defaultFileText);
};

// Root ignores permissions, so this case runs only for other users.
TEST_F(SavingOverAFile, InAReadOnlyFolderFailsAndLeavesTheFileIntact)
{
    if (::geteuid() == 0)
        GTEST_SKIP() << "root may write into a read-only folder; AtomicFileTest covers a failed write";
    std::filesystem::permissions(folder.path(), std::filesystem::perms::owner_read | std::filesystem::perms::owner_exec);
    const auto problem = saveStringerFile(target, fileWithEveryText("2000", Grade::Q235B));
    std::filesystem::permissions(folder.path(), std::filesystem::perms::owner_all);
    ASSERT_TRUE(problem.has_value());
    EXPECT_EQ(problem->message().rfind(target.string() + ": cannot save: ", 0), 0u) << problem->message();
    expectOldFileIntact();
}

TEST_F(SavingOverAFile, ATextThatIsNotUtf8IsRefusedBeforeAnythingIsWritten)
{
    StringerFile file;
    file.stringer.texts[Field::LiveLoad] = "3.5\xFF";
    const auto problem = saveStringerFile(target, file);
    ASSERT_TRUE(problem.has_value());
    EXPECT_EQ(problem->message(), target.string() + ": cannot save: the live_load text is not UTF-8");
    expectOldFileIntact();
}

TEST(SavingAFile, WhereNoFileCanBeIsRefusedByName)
{
    TemporaryFolder folder;
    const auto noFolder = folder / "missing" / "s.tarrowin";
    const auto problem = saveStringerFile(noFolder, StringerFile{});
    ASSERT_TRUE(problem.has_value());
    EXPECT_EQ(problem->message().rfind(noFolder.string() + ": cannot save: ", 0), 0u) << problem->message();

    const auto aFolder = saveStringerFile(folder.path(), StringerFile{});
    ASSERT_TRUE(aFolder.has_value());
    EXPECT_TRUE(std::filesystem::is_directory(folder.path()));
}

// What the window will do: save what the model holds, open it into another
// window, and see the same stringer with the same grade selected.
TEST(StringerFileAndWindow, AWindowSavedAndOpenedInAnotherShowsTheSameStringer)
{
    const FixedClock clock{LocalDateTime{2026, 12, 8, 17, 29, 46}};
    const testing_support::FakeDateTimeFormat format;
    WindowModel saved(clock, format);
    saved.pickSection("口250x150x5");
    saved.chooseGrade(Grade::Q355B);
    saved.typeInto(Field::SectionDesignation, "口250x150x5 (typed)");
    saved.typeInto(Field::HorizontalLength, "4,200");
    saved.typeInto(Field::LiveLoad, "3.5 kN");

    TemporaryFolder folder;
    ASSERT_EQ(saveStringerFile(folder / "s.tarrowin", StringerFile{saved.stringer(), {}, {}}), std::nullopt);
    const StringerFileReading read = readStringerFile(folder / "s.tarrowin");
    ASSERT_TRUE(read.file.has_value());

    WindowModel opened(clock, format);
    opened.open(read.file->stringer);
    for (Field field : stringerFields)
        EXPECT_EQ(opened.sheet().text(field), saved.sheet().text(field)) << fieldName(field);
    EXPECT_EQ(opened.selectedGrade(), Grade::Q355B);
    EXPECT_EQ(opened.sheet().text(Field::DesignStrength), "305");
}

}  // namespace
}  // namespace tarrowin
