#include "files/AtomicFile.h"

#include "TemporaryFolder.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <csignal>
#include <filesystem>
#include <string>

#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace tarrowin {
namespace {

using testing_support::fileContent;
using testing_support::TemporaryFolder;
using testing_support::writeFile;

std::size_t entriesIn(const std::filesystem::path& folder)
{
    return static_cast<std::size_t>(std::distance(std::filesystem::directory_iterator(folder), {}));
}

// Rows of a table go in as they are made; a file refused half way is taken
// back to where it began, and the bytes beyond are gone from the file.
TEST(AtomicFile, TakesBackWhatWasWrittenAfterAPosition)
{
    TemporaryFolder folder;
    AtomicFile file(folder / "out.csv");
    ASSERT_EQ(file.open(), std::nullopt);
    file.write("header\r\n");
    const std::uint64_t fileStart = file.position();
    file.write("row 1\r\nrow 2\r\n");
    file.rewindTo(fileStart);
    file.write("kept\r\n");
    EXPECT_EQ(file.position(), 14u);  // "header\r\n" and "kept\r\n"
    ASSERT_EQ(file.commit(), std::nullopt);
    EXPECT_EQ(fileContent(folder / "out.csv"), "header\r\nkept\r\n");
}

TEST(AtomicFile, LeavesTheOldFileUntilTheCommit)
{
    TemporaryFolder folder;
    writeFile(folder / "out.csv", "old");
    {
        AtomicFile file(folder / "out.csv");
        ASSERT_EQ(file.open(), std::nullopt);
        file.write("new");
        EXPECT_EQ(fileContent(folder / "out.csv"), "old");
    }  // never committed
    EXPECT_EQ(fileContent(folder / "out.csv"), "old");
    EXPECT_EQ(entriesIn(folder.path()), 1u);
}

// The file-size limit makes write() take only part of the bytes without an
// error; renaming that short file over the old one would lose the old one.
// The limit applies to the whole process, so a child process meets it.
TEST(AtomicFile, AShortWriteLeavesTheOldFileExactlyAsItWas)
{
    TemporaryFolder folder;
    const std::filesystem::path path = folder / "stringer.tarrowin";
    const std::string old = "{\"format\": \"old content, byte for byte\"}\n";
    writeFile(path, old);

    const pid_t child = fork();
    ASSERT_NE(child, -1);
    if (child == 0) {
        std::signal(SIGXFSZ, SIG_IGN);  // a write beyond the limit then fails with EFBIG instead of killing
        const rlimit limit{4096, 4096};
        setrlimit(RLIMIT_FSIZE, &limit);
        const std::optional<FileProblem> problem = writeFileAtomically(path, std::string(100'000, 'x'));
        const bool told = problem && problem->kind == FileProblemKind::CannotSave
                          && problem->subject == "File too large" && problem->systemError == EFBIG;
        _exit(told ? 0 : 1);
    }
    int status = 0;
    ASSERT_EQ(waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 0) << "the short write was not told as \"cannot save: File too large\" (EFBIG)";
    EXPECT_EQ(fileContent(path), old);
    EXPECT_EQ(entriesIn(folder.path()), 1u) << "the temporary file was left behind";
}

}  // namespace
}  // namespace tarrowin
