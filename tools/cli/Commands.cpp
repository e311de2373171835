#include "tools/cli/Commands.h"

#include "files/CsvWriter.h"
#include "tools/cli/CheckCsv.h"
#include "tools/cli/Outcome.h"
#include "tools/cli/StringerSource.h"
#include "tools/cli/SurveyCsv.h"
#include "tools/cli/TableOutput.h"

#include <algorithm>

namespace tarrowin::cli {
namespace {

constexpr std::string_view programName = "tarrowin-cli";

// One write a message: standard error is unbuffered, and a table can hold
// thousands of rows that cannot be checked.
void tell(std::ostream& messages, const std::string& message)
{
    messages << std::string(programName) + ": " + message + '\n';
}

std::string rowProblem(const std::filesystem::path& file, const StringerEntry& entry)
{
    return FileProblem{file.string(), entry.line, 0, entry.problem}.message();
}

}  // namespace

int runCheck(const std::vector<std::filesystem::path>& files, TableOutput& table, std::ostream& messages)
{
    // Rows are made in a small text that goes out whenever it has grown.
    constexpr std::size_t rowsText = 1 << 16;
    std::string rows;
    rows.reserve(2 * rowsText);
    CsvWriter writer(rows);
    const auto send = [&] {
        table.write(rows);
        rows.clear();
    };
    writeCheckHeader(writer);
    send();
    int status = allSatisfied;
    std::vector<std::string> rowMessages;
    for (const std::filesystem::path& file : files) {
        // A file's rows stand only once the whole file is known to be valid:
        // what cannot take rows back learns that from a first reading.
        if (!table.canTakeBack()) {
            if (const auto refusal = readStringers(file, [](const StringerEntry&) {})) {
                tell(messages, refusal->message());
                status = notAllChecked;
                continue;
            }
        }
        const std::uint64_t fileStart = table.position();
        rowMessages.clear();
        Outcome worst = Outcome::Satisfied;
        const auto refusal = readStringers(file, [&](const StringerEntry& entry) {
            const Outcome outcome = writeCheckRow(writer, entry);
            worst = std::max(worst, outcome);
            if (outcome == Outcome::Error)
                rowMessages.push_back(rowProblem(file, entry));
            if (rows.size() >= rowsText)
                send();
        });
        send();
        if (refusal) {
            // Only a file changed between two readings can leave rows on a
            // stream; they stay, and the refusal is told all the same.
            table.takeBackTo(fileStart);
            tell(messages, refusal->message());
            status = notAllChecked;
            continue;
        }
        for (const std::string& message : rowMessages)
            tell(messages, message);
        status = std::max(status, exitStatusFor(worst));
    }
    return status;
}

int runCheck(const std::vector<std::filesystem::path>& files, std::string& table, std::ostream& messages)
{
    TextTableOutput output(table);
    return runCheck(files, output, messages);
}

int runSurvey(const std::filesystem::path& file, std::string& table, std::ostream& messages)
{
    std::vector<StringerEntry> entries;
    if (const auto refusal = readStringers(file, [&](const StringerEntry& entry) {
            if (entries.size() < 2)
                entries.push_back(entry);
        })) {
        tell(messages, refusal->message());
        return notAllChecked;
    }
    if (entries.size() != 1) {
        tell(messages, FileProblem{file.string(), 0, 0,
                                   entries.empty() ? "holds no stringer to survey"
                                                   : "holds more than one stringer; a survey takes one"}
                           .message());
        return notAllChecked;
    }
    if (!entries.front().checkable()) {
        tell(messages, rowProblem(file, entries.front()));
        return notAllChecked;
    }
    CsvWriter writer(table);
    return writeSurveyTable(writer, entries.front().stringer) ? allSatisfied : notAllSatisfied;
}

}  // namespace tarrowin::cli
