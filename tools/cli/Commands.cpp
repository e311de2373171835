#include "tools/cli/Commands.h"

#include "files/CsvWriter.h"
#include "tools/cli/CheckTable.h"
#include "tools/cli/Outcome.h"
#include "tools/cli/StringerSource.h"
#include "tools/cli/SurveyTable.h"

#include <algorithm>

namespace tarrowin::cli {
namespace {

constexpr std::string_view programName = "tarrowin-cli";

void tell(std::ostream& messages, const std::string& message) { messages << programName << ": " << message << '\n'; }

std::string rowProblem(const std::filesystem::path& file, const StringerEntry& entry)
{
    return FileProblem{file.string(), entry.line, 0, entry.problem}.message();
}

}  // namespace

int runCheck(const std::vector<std::filesystem::path>& files, std::string& table, std::ostream& messages)
{
    CsvWriter writer(table);
    writeCheckHeader(writer);
    int status = allSatisfied;
    std::string rows;  // one file's, held back until the whole file is known to be valid
    std::vector<std::string> rowMessages;
    for (const std::filesystem::path& file : files) {
        rows.clear();
        rowMessages.clear();
        CsvWriter rowWriter(rows);
        Outcome worst = Outcome::Satisfied;
        const auto refusal = readStringers(file, [&](const StringerEntry& entry) {
            const Outcome outcome = writeCheckRow(rowWriter, entry);
            worst = std::max(worst, outcome);
            if (outcome == Outcome::Error)
                rowMessages.push_back(rowProblem(file, entry));
        });
        if (refusal) {
            tell(messages, refusal->message());
            status = notAllChecked;
            continue;
        }
        table += rows;
        for (const std::string& message : rowMessages)
            tell(messages, message);
        status = std::max(status, exitStatusFor(worst));
    }
    return status;
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
