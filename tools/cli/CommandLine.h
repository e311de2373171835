#pragma once

#include "stringer/ReportHeader.h"

#include <QStringList>

#include <filesystem>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

namespace tarrowin::cli {

// What the command line asks for.
struct CommandLine {
    enum class Action {
        Check,    // check [-o OUT.csv] FILE...
        Survey,   // survey [-o OUT.csv] FILE
        Report,   // report [-o OUT] [--project TEXT ...] FILE...
        Help,     // -h, --help
        Version,  // -v, --version
        Wrong,    // `problem` says what
    };
    Action action = Action::Wrong;
    std::vector<std::filesystem::path> files;
    std::optional<std::filesystem::path> output;  // -o OUT, unless OUT is "-"
    bool outputIsStandardOutput = false;          // -o -
    ReportHeader header;                          // --project, --designer, --checker, --reviewer, --date
    bool headerGiven = false;                     // any of those
    std::string problem;
};

// The arguments as the program got them, its own name first.
CommandLine parseCommandLine(const QStringList& arguments);

// What --help prints.
std::string helpText();

// Runs the command line: a table goes to `out`, or with -o into that file
// (written whole or not at all, with a byte-order mark so that spreadsheets
// read the Chinese words); a report goes beside its stringer file, into the
// -o file, or to `out` for "-o -". Messages go to `messages`. Returns the
// exit status. A report needs a QGuiApplication; the rest a QCoreApplication.
int runCommandLine(const CommandLine& line, std::ostream& out, std::ostream& messages);

}  // namespace tarrowin::cli
