// The file problems as the window tells them: each kind of refusal, made
// where the reader meets it, in Chinese with the file and the place.
#include "files/FileProblemMessage.h"

#include "TemporaryFolder.h"
#include "files/StringerFile.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <ostream>
#include <string>

namespace tarrowin {
namespace {

using testing_support::TemporaryFolder;
using testing_support::writeFile;

// A whole stringer file, one key to a line.
constexpr std::string_view goodFile = R"({
"format": "tarrowin-stringer", "version": 1, "section": "[14a",
"section_properties": {"second_moment_of_area": "5640000", "section_modulus": "80500",
  "web_thickness": "6", "first_moment_of_area": "47500", "mass": "14.5"},
"grade": "Q235B",
"horizontal_length": "3000", "vertical_height": "1500", "flight_width": "1500",
"dead_load": "1.0", "live_load": "3.5"
}
)";

std::string goodFileWith(std::string_view text, std::string_view replacement)
{
    std::string file(goodFile);
    return file.replace(file.find(text), text.size(), replacement);
}

struct Refusal {
    const char* label;
    std::string bytes;
    std::string message;
    friend std::ostream& operator<<(std::ostream& out, const Refusal& c) { return out << c.label; }
};

class ChineseRefusal : public testing::TestWithParam<Refusal> {};

TEST_P(ChineseRefusal, NamesTheFileThePlaceAndWhatIsWrong)
{
    const StringerFileReading read = parseStringerFile(GetParam().bytes, "梯/s.tarrowin");
    ASSERT_TRUE(read.problem.has_value());
    EXPECT_EQ(fileProblemMessageText(*read.problem), GetParam().message);
}

// Columns count characters: `{"section": "口口"}` is 17 and a blank follows,
// so the x is in column 19; on the third line two blanks stand before it.
INSTANTIATE_TEST_SUITE_P(StringerFile, ChineseRefusal, testing::Values(
    Refusal{"not_json", "{\"section\": \"口口\"} x", "文件“梯/s.tarrowin”第 1 行第 19 列：不是有效的 JSON 格式。"},
    Refusal{"not_json_on_line_3", "{}\n\n  x", "文件“梯/s.tarrowin”第 3 行第 3 列：不是有效的 JSON 格式。"},
    Refusal{"not_an_object", "[1, 2]", "文件“梯/s.tarrowin”：不是 Tarrowin 钢梯斜梁文件。"},
    Refusal{"another_format", goodFileWith("tarrowin-stringer", "tarrowin-beam"),
            "文件“梯/s.tarrowin”：不是 Tarrowin 钢梯斜梁文件。"},
    Refusal{"no_format", goodFileWith("\"format\": \"tarrowin-stringer\", ", ""),
            "文件“梯/s.tarrowin”：不是 Tarrowin 钢梯斜梁文件。"},
    Refusal{"newer_version", goodFileWith("\"version\": 1", "\"version\": 2"),
            "文件“梯/s.tarrowin”：由更新版本的 Tarrowin 保存（文件格式版本 2），本程序只能读取文件格式版本 1。"},
    Refusal{"version_not_whole", goodFileWith("\"version\": 1", "\"version\": 1.5"),
            "文件“梯/s.tarrowin”：文件格式版本“version”无效，应为不小于 1 的整数。"},
    Refusal{"version_zero", goodFileWith("\"version\": 1", "\"version\": 0"),
            "文件“梯/s.tarrowin”：文件格式版本“version”无效，应为不小于 1 的整数。"},
    Refusal{"missing_version", goodFileWith("\"version\": 1, ", ""), "文件“梯/s.tarrowin”：缺少“version”。"},
    // `"grade": "Q235B", ` is 18 characters, so the second "grade" starts in column 19.
    Refusal{"key_given_twice", goodFileWith("\"grade\": \"Q235B\",", "\"grade\": \"Q235B\", \"grade\": \"Q355B\","),
            "文件“梯/s.tarrowin”第 5 行第 19 列：“grade”重复出现；同一对象中每个键只能出现一次。"},
    Refusal{"missing_property", goodFileWith(", \"mass\": \"14.5\"", ""),
            "文件“梯/s.tarrowin”：缺少“section_properties.mass”。"},
    Refusal{"number_for_a_text", goodFileWith("\"1.0\"", "1.0"),
            "文件“梯/s.tarrowin”：“dead_load”的值应为文本（用双引号括起）。"},
    Refusal{"list_for_an_object", goodFileWith("\"section_properties\": {", "\"section_properties\": [], \"x\": {"),
            "文件“梯/s.tarrowin”：“section_properties”的值应为对象（用花括号括起）。"},
    Refusal{"unknown_grade", goodFileWith("Q235B", "Q420"),
            "文件“梯/s.tarrowin”：未知的材质“Q420”（可选的材质为 Q235B、Q355B）。"}));

struct SystemReason {
    const char* label;
    FileProblemKind kind;
    int systemError;
    std::string message;
    friend std::ostream& operator<<(std::ostream& out, const SystemReason& c) { return out << c.label; }
};

class ChineseSystemReason : public testing::TestWithParam<SystemReason> {};

// The system's words are what Qt or the C library said, here in English.
TEST_P(ChineseSystemReason, CommonReasonsInChineseOthersInTheSystemsWords)
{
    const FileProblem problem{"梯/s.tarrowin", 0, 0, "cannot: system words", GetParam().kind, "system words",
                              GetParam().systemError};
    EXPECT_EQ(fileProblemMessageText(problem), GetParam().message);
}

INSTANTIATE_TEST_SUITE_P(Reasons, ChineseSystemReason, testing::Values(
    SystemReason{"not_found", FileProblemKind::CannotRead, ENOENT, "文件“梯/s.tarrowin”：无法读取（文件或其所在的文件夹不存在）。"},
    SystemReason{"permission", FileProblemKind::CannotRead, EACCES, "文件“梯/s.tarrowin”：无法读取（没有访问权限）。"},
    SystemReason{"not_permitted", FileProblemKind::CannotSave, EPERM,
                 "文件“梯/s.tarrowin”：无法保存（没有访问权限）。原有的同名文件保持不变。"},
    SystemReason{"no_space", FileProblemKind::CannotSave, ENOSPC,
                 "文件“梯/s.tarrowin”：无法保存（磁盘空间不足）。原有的同名文件保持不变。"},
    SystemReason{"quota", FileProblemKind::CannotSave, EDQUOT,
                 "文件“梯/s.tarrowin”：无法保存（磁盘空间不足）。原有的同名文件保持不变。"},
    SystemReason{"read_only", FileProblemKind::CannotSave, EROFS,
                 "文件“梯/s.tarrowin”：无法保存（文件系统是只读的）。原有的同名文件保持不变。"},
    SystemReason{"a_folder", FileProblemKind::CannotSave, EISDIR,
                 "文件“梯/s.tarrowin”：无法保存（这是一个文件夹，不是文件）。原有的同名文件保持不变。"},
    SystemReason{"too_large", FileProblemKind::CannotSave, EFBIG,
                 "文件“梯/s.tarrowin”：无法保存（文件太大）。原有的同名文件保持不变。"},
    SystemReason{"another_reason", FileProblemKind::CannotRead, EMFILE,
                 "文件“梯/s.tarrowin”：无法读取（系统提示：system words）。"},
    SystemReason{"no_reason_known", FileProblemKind::CannotSave, 0,
                 "文件“梯/s.tarrowin”：无法保存（系统提示：system words）。原有的同名文件保持不变。"}));

// The reason the system gives reaches the message from real files.
TEST(ChineseFileProblem, ReadingAndSavingTellWhyInChinese)
{
    TemporaryFolder folder;
    const auto missing = folder / "none.tarrowin";
    const StringerFileReading read = readStringerFile(missing);
    ASSERT_TRUE(read.problem.has_value());
    EXPECT_EQ(fileProblemMessageText(*read.problem), "文件“" + missing.string() + "”：无法读取（文件或其所在的文件夹不存在）。");

    const StringerFileReading aFolder = readStringerFile(folder.path());
    ASSERT_TRUE(aFolder.problem.has_value());
    EXPECT_EQ(fileProblemMessageText(*aFolder.problem), "文件“" + folder.path().string() + "”：这是一个文件夹，不是文件。");

    const auto noFolder = folder / "missing" / "s.tarrowin";
    const auto notSaved = saveStringerFile(noFolder, StringerFile{});
    ASSERT_TRUE(notSaved.has_value());
    EXPECT_EQ(fileProblemMessageText(*notSaved),
              "文件“" + noFolder.string() + "”：无法保存（文件或其所在的文件夹不存在）。原有的同名文件保持不变。");

    const auto overAFolder = saveStringerFile(folder.path(), StringerFile{});
    ASSERT_TRUE(overAFolder.has_value());
    EXPECT_EQ(fileProblemMessageText(*overAFolder),
              "文件“" + folder.path().string() + "”：无法保存（这是一个文件夹，不是文件）。原有的同名文件保持不变。");

    StringerFile notUtf8;
    notUtf8.stringer.texts[Field::LiveLoad] = "3.5\xFF";
    const auto refused = saveStringerFile(folder / "s.tarrowin", notUtf8);
    ASSERT_TRUE(refused.has_value());
    EXPECT_EQ(fileProblemMessageText(*refused),
              "文件“" + (folder / "s.tarrowin").string() + "”：无法保存：“live_load”的文字不是有效的 UTF-8 编码。");
}

TEST(ChineseFileProblem, AProblemOfNoKnownKindKeepsItsOwnWordsAndLine)
{
    EXPECT_EQ(fileProblemMessageText(FileProblem{"t.csv", 3, 0, "the header lacks the column(s) grade"}),
              "文件“t.csv”第 3 行：the header lacks the column(s) grade");
}

}  // namespace
}  // namespace tarrowin
