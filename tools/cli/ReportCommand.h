#pragma once

#include <filesystem>
#include <optional>
#include <ostream>

namespace tarrowin::cli {

// Where `report` writes the PDF.
struct ReportDestination {
    std::optional<std::filesystem::path> file;  // -o OUT.pdf; when absent, FILE.pdf beside the stringer file
    bool standardOutput = false;                // -o -
};

// `report FILE.tarrowin`: the stringer's calculation report, its header from
// the file's report object (the date, when the file has none, is today's),
// its footer naming the stringer file. Returns 0 once the PDF is written
// whole; 1 when an arithmetic fault stops the check, which makes no report;
// 2 when the file is refused (a CSV too: a report is of one stringer) or the
// PDF cannot be written. On 1 and 2 nothing is written and `messages` says
// why. Needs a QGuiApplication; the offscreen platform will do.
int runReport(const std::filesystem::path& file, const ReportDestination& destination, std::ostream& out,
              std::ostream& messages);

}  // namespace tarrowin::cli
