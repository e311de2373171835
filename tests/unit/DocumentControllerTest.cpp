// The document controller where a script cannot look: which drags it takes,
// what a save writes besides the stringer, and a save that fails while the
// stringer is being left. The rest of what it decides is tested as driver
// scenarios (tests/scenarios/files).
#include "ui/document/DocumentController.h"

#include "FakeDateTime.h"
#include "TemporaryFolder.h"
#include "ui/model/WindowModel.h"

#include <gtest/gtest.h>

#include <deque>
#include <vector>

namespace tarrowin {
namespace {

using testing_support::TemporaryFolder;
using testing_support::fileContent;
using testing_support::writeFile;

// Answers every question and save dialog with the next answer queued and
// notes the messages.
class QueuedDesktop final : public Desktop {
public:
    std::deque<std::filesystem::path> files;
    std::deque<Answer> answers;
    std::vector<std::string> messages;  // "title: text"

    std::filesystem::path fileToOpen(const FileQuestion&) override { return {}; }
    std::filesystem::path fileToSave(const FileQuestion&) override
    {
        const std::filesystem::path file = files.front();
        files.pop_front();
        return file;
    }
    std::optional<ReportHeader> reportHeader(const ReportHeader&, const std::string&) override { return {}; }
    Answer ask(const Question&) override
    {
        const Answer answer = answers.front();
        answers.pop_front();
        return answer;
    }
    void tell(MessageKind, const std::string& title, const std::string& text) override
    {
        messages.push_back(title + ": " + text);
    }
    bool showFile(const std::filesystem::path&) override { return true; }
};

struct Drag {
    const char* label;
    std::vector<std::filesystem::path> files;
    bool taken;
    friend std::ostream& operator<<(std::ostream& out, const Drag& d) { return out << d.label; }
};

class Drags : public ::testing::TestWithParam<Drag> {};

TEST_P(Drags, OnlyOneLocalStringerFileIsTaken)
{
    EXPECT_EQ(DocumentController::takesDrop(GetParam().files), GetParam().taken);
}

INSTANTIATE_TEST_SUITE_P(Files, Drags, ::testing::Values(
    Drag{"one_stringer_file", {"/flights/a.tarrowin"}, true},
    Drag{"its_extension_in_capitals", {"/flights/A.TARROWIN"}, true},
    Drag{"two_stringer_files", {"/flights/a.tarrowin", "/flights/b.tarrowin"}, false},
    Drag{"a_text_file", {"/flights/a.txt"}, false},
    Drag{"the_extension_inside_the_name", {"/flights/a.tarrowin.txt"}, false},
    Drag{"no_local_file", {std::filesystem::path()}, false},
    Drag{"nothing", {}, false}));

class DocumentControllerTest : public ::testing::Test {
protected:
    TemporaryFolder folder;
    const FixedClock clock{{2026, 12, 8, 17, 30, 5}};
    const testing_support::FakeDateTimeFormat format;
    WindowModel model{clock, format};
    QueuedDesktop desktop;
    DocumentController controller{model, desktop};
};

TEST_F(DocumentControllerTest, SavingKeepsTheReportHeaderAndTheKeysOfALaterVersion)
{
    const std::filesystem::path path = folder / "a.tarrowin";
    writeFile(path, R"({"format": "tarrowin-stringer", "version": 1, "section": "[14a",
      "section_properties": {"second_moment_of_area": "5640000", "section_modulus": "80500",
        "web_thickness": "6", "first_moment_of_area": "47500", "mass": "14.5", "finish": "galvanised"},
      "grade": "Q235B", "horizontal_length": "3000", "vertical_height": "1500", "flight_width": "1500",
      "dead_load": "1.0", "live_load": "3.5", "report": {"project": "某住宅楼", "member": "TL-9"},
      "colour": "blue"})");
    ASSERT_TRUE(controller.openFile(path));
    model.typeInto(Field::HorizontalLength, "4000");
    ASSERT_TRUE(controller.save());

    const std::string written = fileContent(path);
    for (const char* kept : {"\"horizontal_length\": \"4000\"", "\"colour\": \"blue\"",
                             "\"finish\": \"galvanised\"", "\"member\": \"TL-9\"", "\"project\": \"某住宅楼\""})
        EXPECT_NE(written.find(kept), std::string::npos) << kept << " in\n" << written;
    EXPECT_TRUE(desktop.messages.empty());
}

TEST_F(DocumentControllerTest, ASaveThatFailsOnLeavingSaysWhyAndKeepsTheStringer)
{
    const std::filesystem::path flights = folder / "flights";
    std::filesystem::create_directory(flights);
    desktop.files = {flights / "a.tarrowin"};
    ASSERT_TRUE(controller.saveAs());
    model.typeInto(Field::HorizontalLength, "4000");
    // The folder becomes a file, where no save can go.
    std::filesystem::remove_all(flights);
    writeFile(flights, "");

    desktop.answers = {Answer::Yes};  // 保存
    EXPECT_FALSE(controller.mayLeave());
    ASSERT_EQ(desktop.messages.size(), 1u);
    const std::string said = "无法保存文件: 文件“" + (flights / "a.tarrowin").string() + "”：无法保存（";
    EXPECT_EQ(desktop.messages.front().substr(0, said.size()), said) << desktop.messages.front();
    EXPECT_EQ(model.sheet().text(Field::HorizontalLength), "4000");
    // Still unsaved: the next leaving asks again.
    EXPECT_TRUE(controller.document().offersToSave(model.stringer()));
}

}  // namespace
}  // namespace tarrowin
