#pragma once

#include <QStringList>

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace tarrowin::cli {

// What the command line asks for.
struct CommandLine {
    enum class Action {
        Check,    // check [-o OUT.csv] FILE...
        Survey,   // survey [-o OUT.csv] FILE
        Help,     // -h, --help
        Version,  // -v, --version
        Wrong,    // `problem` says what
    };
    Action action = Action::Wrong;
    std::vector<std::filesystem::path> files;
    std::optional<std::filesystem::path> output;
    std::string problem;
};

// The arguments as the program got them, its own name first.
CommandLine parseCommandLine(const QStringList& arguments);

// What --help prints.
std::string helpText();

// Runs the whole command line: the table goes to `out`, or with -o into that
// file (written whole or not at all, with a byte-order mark so that
// spreadsheets read the Chinese words); messages go to `messages`. Returns
// the exit status.
int runCommandLine(const QStringList& arguments, std::ostream& out, std::ostream& messages);

}  // namespace tarrowin::cli
