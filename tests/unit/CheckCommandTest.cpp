#include "tools/cli/Commands.h"

#include "FakeDateTime.h"
#include "SheetRecorder.h"
#include "TemporaryFolder.h"
#include "catalogue/SectionCatalogue.h"
#include "files/CsvReader.h"
#include "files/StringerFile.h"
#include "ui/model/WindowModel.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

namespace tarrowin {
namespace {

using testing_support::FakeDateTimeFormat;
using testing_support::SheetRecorder;
using testing_support::TemporaryFolder;
using testing_support::writeFile;

std::vector<CsvRecord> readTable(std::string_view text)
{
    CsvReader reader(text);
    std::vector<CsvRecord> records;
    CsvRecord record;
    while (reader.next(record))
        records.push_back(record);
    EXPECT_EQ(reader.problem(), std::nullopt);
    return records;
}

// The columns of a check row, by name.
enum Column {
    Name, Section, Grade, HorizontalLength, VerticalHeight, FlightWidth, DeadLoad, LiveLoad, BendingStress,
    ShearStress, Deflection, AllowableDeflection, BendingVerdict, ShearVerdict, DeflectionVerdict, Message,
    BendingRatio, ShearRatio, DeflectionRatio, Status, Detail, columnCount
};

constexpr std::array<Field, 5> inputs = {Field::HorizontalLength, Field::VerticalHeight, Field::FlightWidth,
                                         Field::DeadLoad, Field::LiveLoad};

// What the window shows for the row: pick the section, click the grade, type
// the inputs, press 计算. The allowable deflection is hidden and keeps its old
// text where the run stopped before writing it, so only what this run wrote
// counts for that column.
std::vector<std::string> windowRow(const std::vector<std::string>& row)
{
    const FixedClock clock{LocalDateTime{2026, 12, 8, 17, 29, 46}};
    const FakeDateTimeFormat format;
    WindowModel model(clock, format);
    model.load();
    model.pickSection(row[Section]);
    model.chooseGrade(row[Grade] == "Q355B" ? Grade::Q355B : Grade::Q235B);
    for (std::size_t i = 0; i < inputs.size(); ++i)
        model.typeInto(inputs[i], row[HorizontalLength + i]);
    std::string allowable;
    {
        SheetRecorder recorder(model);
        [[maybe_unused]] const auto fault = model.calculate();
        for (const std::string& event : recorder.events)
            if (event.starts_with("Text22="))
                allowable = event.substr(7);
    }
    const FieldSheet& sheet = model.sheet();
    return {sheet.text(Field::BendingStress),  sheet.text(Field::ShearStress),       sheet.text(Field::Deflection),
            allowable,                         sheet.text(Field::BendingVerdict),    sheet.text(Field::ShearVerdict),
            sheet.text(Field::DeflectionVerdict), sheet.text(Field::OverallMessage)};
}

// Quoted cells (a comma and a line break in a name, "4,500"), a byte-order
// mark, CR LF, the columns in another order, an unknown section, and two
// fault rows: L = H = 0 stops at the slope (0/0) before anything is written;
// L = 1E80 passes the stresses (M ≈ 4.6·1E160/8 N·mm) but (L²)² = 1E320
// overflows in the deflection.
constexpr std::string_view stringers =
    "\xEF\xBB\xBF"
    "section,grade,name,horizontal_length,vertical_height,flight_width,dead_load,live_load,remark\r\n"
    "[14a,Q235B,TL-1,3000,1500,1500,1.0,3.5,the worked example\r\n"
    "HN250x125,Q355B,\"TL-2, \"\"north\"\"\r\nflight\",\"4,500\",2250,1500,1.0,12.5kN,\r\n"
    // TL-2 takes lines 3 and 4, so TL-6 starts on line 8.
    "[14a,Q235B,TL-3,6000,3000,1800,2.0,3.5,\r\n"
    "[14a,Q235B,TL-4,0,0,1500,1.0,3.5,\r\n"
    "[14a,Q235B,TL-5,1E80,0,1500,1.0,3.5,\r\n"
    "[14c,Q235B,TL-6,3000,1500,1500,1.0,3.5,\r\n"
    "口150x100x3,Q355B,TL-7,,1500,1500,,,\r\n";

TEST(CheckCommand, EachRowEqualsWhatTheWindowShowsAfterCalculating)
{
    TemporaryFolder folder;
    writeFile(folder / "flights.csv", stringers);
    std::string table;
    std::ostringstream messages;
    const int status = cli::runCheck({folder / "flights.csv"}, table, messages);

    const std::vector<CsvRecord> records = readTable(table);
    ASSERT_EQ(records.size(), 8u);
    const std::vector<std::string> names = {"TL-1", "TL-2, \"north\"\r\nflight", "TL-3", "TL-4", "TL-5", "TL-6",
                                            "TL-7"};
    for (std::size_t i = 1; i < records.size(); ++i) {
        const std::vector<std::string>& row = records[i].cells;
        ASSERT_EQ(row.size(), static_cast<std::size_t>(columnCount));
        EXPECT_EQ(row[Name], names[i - 1]);
        if (row[Status] == "error")
            continue;
        const std::vector<std::string> shown = windowRow(row);
        for (std::size_t c = 0; c < shown.size(); ++c)
            EXPECT_EQ(row[BendingStress + c], shown[c]) << row[Name] << ", column " << BendingStress + c;
        const std::string& message = shown.back();
        const std::string expectedStatus = message == "满足要求!"            ? "satisfied"
                                           : message == "超限,请重选截面!" ? "exceeded"
                                                                            : "fault";
        EXPECT_EQ(row[Status], expectedStatus) << row[Name];
    }

    // The worked example: 67.89/215, 9.61/125 and 4.47/13.42 on the unrounded values.
    EXPECT_EQ(records[1].cells[BendingRatio], "0.316");
    EXPECT_EQ(records[1].cells[ShearRatio], "0.077");
    EXPECT_EQ(records[1].cells[DeflectionRatio], "0.333");
    EXPECT_EQ(records[1].cells[Detail], "");
    EXPECT_EQ(records[2].cells[HorizontalLength], "4,500");
    EXPECT_EQ(records[2].cells[Detail], "horizontal_length \"4,500\" read as 4; live_load \"12.5kN\" read as 12.5");
    EXPECT_EQ(records[3].cells[Status], "exceeded");
    EXPECT_EQ(records[4].cells[Detail], "overflow: inclined length and slope cosine");
    EXPECT_EQ(records[4].cells[BendingRatio], "-");
    EXPECT_EQ(records[5].cells[Detail], "overflow: deflection");
    EXPECT_EQ(records[5].cells[BendingVerdict], "不满足");
    EXPECT_EQ(records[5].cells[DeflectionRatio], "-");
    EXPECT_EQ(records[6].cells, (std::vector<std::string>{"TL-6", "[14c", "Q235B", "3000", "1500", "1500", "1.0", "3.5",
                                                          "", "", "", "", "", "", "", "", "", "", "", "error",
                                                          "line 8: unknown section \"[14c\""}));
    EXPECT_EQ(records[7].cells[Detail], "horizontal_length \"\" read as 0; dead_load \"\" read as 0; live_load \"\" "
                                        "read as 0");

    EXPECT_EQ(status, 2);  // the unknown section wins over the exceeded and faulted rows
    EXPECT_EQ(messages.str(), "tarrowin-cli: " + (folder / "flights.csv").string() + ":8: unknown section \"[14c\"\n");
}

TEST(CheckCommand, ARefusedFileGivesNoRowsAndTheOthersAreStillChecked)
{
    TemporaryFolder folder;
    writeFile(folder / "no-live-load.csv",
              "name,section,grade,horizontal_length,vertical_height,flight_width,dead_load\n"
              "A,[14a,Q235B,3000,1500,1500,1.0\n");
    writeFile(folder / "broken.csv", "name,section,grade,horizontal_length,vertical_height,flight_width,dead_load,"
                                     "live_load\nB,[14a,Q235B,3000,1500,1500,1.0,3.5\n\"C,[14a\n");
    StringerFile saved;
    saved.report.member = "stair 2";
    ASSERT_EQ(saveStringerFile(folder / "s2.tarrowin", saved), std::nullopt);
    ASSERT_EQ(saveStringerFile(folder / "plain.name.tarrowin", StringerFile{}), std::nullopt);

    std::string table;
    std::ostringstream messages;
    const int status = cli::runCheck({folder / "no-live-load.csv", folder / "s2.tarrowin", folder / "missing.csv",
                                      folder / "broken.csv", folder / "plain.name.tarrowin", folder / "notes.txt"},
                                     table, messages);

    const std::vector<CsvRecord> records = readTable(table);
    ASSERT_EQ(records.size(), 3u);
    EXPECT_EQ(records[1].cells[Name], "stair 2");
    EXPECT_EQ(records[1].cells[Status], "satisfied");
    EXPECT_EQ(records[2].cells[Name], "plain.name");
    EXPECT_EQ(status, 2);
    const std::string f = folder.path().string();
    EXPECT_EQ(messages.str(),
              "tarrowin-cli: " + f + "/no-live-load.csv:1: the header lacks the column(s) live_load\n"
              "tarrowin-cli: " + f + "/missing.csv: cannot read: No such file or directory\n"
              "tarrowin-cli: " + f + "/broken.csv:3: a quoted cell that is never closed\n"
              "tarrowin-cli: " + f + "/notes.txt: neither a stringer file (.tarrowin) nor a CSV of stringers (.csv)\n");
}

struct StatusCase {
    const char* label;
    std::string rows;
    int status;
    friend std::ostream& operator<<(std::ostream& out, const StatusCase& c) { return out << c.label; }
};

class CheckExitStatus : public testing::TestWithParam<StatusCase> {};

TEST_P(CheckExitStatus, FollowsTheGravestRow)
{
    TemporaryFolder folder;
    writeFile(folder / "t.csv", "name,section,grade,horizontal_length,vertical_height,flight_width,dead_load,"
                                "live_load\n" + GetParam().rows);
    std::string table;
    std::ostringstream messages;
    EXPECT_EQ(cli::runCheck({folder / "t.csv"}, table, messages), GetParam().status);
}

// [14a at 6 m by 3 m carrying 1.8 m at 2 + 3.5 kN/m2 fails (σ ≈ 4 × 68 N/mm2).
INSTANTIATE_TEST_SUITE_P(Rows, CheckExitStatus,
    testing::Values(StatusCase{"no_rows", "", 0},
                    StatusCase{"satisfied", "a,[14a,Q235B,3000,1500,1500,1.0,3.5\n", 0},
                    StatusCase{"exceeded", "a,[14a,Q235B,3000,1500,1500,1.0,3.5\nb,[14a,Q235B,6000,3000,1800,2.0,3.5\n", 1},
                    StatusCase{"fault", "a,[14a,Q235B,0,0,1500,1.0,3.5\n", 1},
                    StatusCase{"error_over_exceeded", "b,[14a,Q235B,6000,3000,1800,2.0,3.5\nc,[14a,Q235,1,1,1,1,1\n", 2},
                    StatusCase{"fewer_cells", "c,[14a,Q235B,3000\n", 2}));

TEST(SurveyCommand, EachRowIsWhatPickingThatSectionAndCalculatingShows)
{
    TemporaryFolder folder;
    StringerFile file;
    file.stringer.texts[Field::HorizontalLength] = "4800";
    file.stringer.texts[Field::VerticalHeight] = "2400";
    file.stringer.texts[Field::DeadLoad] = "1.5 kN";
    file.stringer.grade = Grade::Q355B;
    ASSERT_EQ(saveStringerFile(folder / "s.tarrowin", file), std::nullopt);

    std::string table;
    std::ostringstream messages;
    const int status = cli::runSurvey(folder / "s.tarrowin", table, messages);
    EXPECT_EQ(messages.str(), "");
    const std::vector<CsvRecord> records = readTable(table);
    ASSERT_EQ(records.size(), 1u + sectionCount);
    EXPECT_EQ(records[0].cells.size(), 15u);

    double lastMass = 0;
    std::size_t recommended = 0;
    bool somePasses = false;
    for (std::size_t i = 1; i < records.size(); ++i) {
        const std::vector<std::string>& row = records[i].cells;
        std::vector<std::string> asCheck(columnCount);
        asCheck[Section] = row[0];
        asCheck[Grade] = "Q355B";
        for (std::size_t k = 0; k < inputs.size(); ++k)
            asCheck[HorizontalLength + k] = file.stringer.texts[inputs[k]];
        const std::vector<std::string> shown = windowRow(asCheck);
        for (std::size_t c = 0; c < 7; ++c)
            EXPECT_EQ(row[2 + c], shown[c]) << row[0] << ", column " << 2 + c;
        const bool passes = shown.back() == "满足要求!";
        EXPECT_EQ(row[13], passes ? "satisfied" : "exceeded") << row[0];
        EXPECT_EQ(row[14], "dead_load \"1.5 kN\" read as 1.5");
        // Lightest first; the first that passes is the one recommended.
        const double mass = std::stod(row[1]);
        EXPECT_GE(mass, lastMass);
        lastMass = mass;
        if (passes && !somePasses)
            recommended = i;
        somePasses = somePasses || passes;
        EXPECT_EQ(row[12], recommended == i ? "yes" : "") << row[0];
    }
    EXPECT_TRUE(somePasses);
    EXPECT_EQ(status, 0);
}

struct SurveyRefusal {
    const char* label;
    std::string csv;
    std::string message;
    friend std::ostream& operator<<(std::ostream& out, const SurveyRefusal& c) { return out << c.label; }
};

class SurveyOfACsv : public testing::TestWithParam<SurveyRefusal> {};

TEST_P(SurveyOfACsv, TakesExactlyOneStringerThatCanBeChecked)
{
    TemporaryFolder folder;
    writeFile(folder / "t.csv", "name,section,grade,horizontal_length,vertical_height,flight_width,dead_load,"
                                "live_load\n" + GetParam().csv);
    std::string table;
    std::ostringstream messages;
    EXPECT_EQ(cli::runSurvey(folder / "t.csv", table, messages), 2);
    EXPECT_EQ(table, "");
    EXPECT_EQ(messages.str(), "tarrowin-cli: " + (folder / "t.csv").string() + GetParam().message + "\n");
}

INSTANTIATE_TEST_SUITE_P(Tables, SurveyOfACsv,
    testing::Values(SurveyRefusal{"none", "", ": holds no stringer to survey"},
                    SurveyRefusal{"two", "a,[14a,Q235B,1,1,1,1,1\nb,[14a,Q235B,1,1,1,1,1\n",
                                  ": holds more than one stringer; a survey takes one"},
                    SurveyRefusal{"unknown_grade", "a,[14a,Q420,1,1,1,1,1\n",
                                  ":2: unknown grade \"Q420\" (the grades are Q235B and Q355B)"}));

// A load no section carries: 10 m by 5 m at 20 + 30 kN/m2.
TEST(SurveyCommand, NoSectionPassingGivesStatusOne)
{
    TemporaryFolder folder;
    writeFile(folder / "t.csv", "name,section,grade,horizontal_length,vertical_height,flight_width,dead_load,"
                                "live_load\nheavy,[14a,Q235B,10000,5000,1500,20,30\n");
    std::string table;
    std::ostringstream messages;
    EXPECT_EQ(cli::runSurvey(folder / "t.csv", table, messages), 1);
    EXPECT_EQ(table.find(",yes,"), std::string::npos);
    EXPECT_EQ(readTable(table).size(), 1u + sectionCount);
}

}  // namespace
}  // namespace tarrowin
