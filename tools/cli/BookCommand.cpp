#include "tools/cli/BookCommand.h"

#include "check/FaultWords.h"
#include "check/StringerCheck.h"
#include "files/AtomicFile.h"
#include "files/StringerFile.h"
#include "report/document/ReportBook.h"
#include "report/output/ReportOutput.h"
#include "report/pdf/ReportFace.h"
#include "tools/cli/Outcome.h"
#include "tools/cli/StringerSource.h"

#include <QDate>

#include <algorithm>
#include <string_view>

namespace tarrowin::cli {
namespace {

constexpr std::string_view programName = "tarrowin-cli";

// Books larger than this show their progress on a terminal.
constexpr std::size_t quietBookSize = 20;

int tell(std::ostream& messages, const std::string& message)
{
    messages << std::string(programName) + ": " + message + '\n';
    return notAllChecked;
}

CalendarDate today()
{
    const QDate date = QDate::currentDate();
    return {date.year(), date.month(), date.day()};
}

Outcome outcomeOf(const StringerEntry& entry)
{
    if (!entry.checkable())
        return Outcome::Error;
    const StringerCheck check(textsToCheck(entry.stringer));
    if (check.fault())
        return Outcome::Fault;
    return check.message()->text == overallMessage(true).text ? Outcome::Satisfied : Outcome::Exceeded;
}

BookStringer bookStringer(const StringerEntry& entry)
{
    std::string problem;
    if (!entry.checkable())
        problem = "第 " + std::to_string(entry.line) + " 行：" + entry.chineseProblem;
    return {entry.name, entry.stringer, entry.gradeText, std::move(problem)};
}

}  // namespace

int runBook(const std::vector<std::filesystem::path>& files, const std::optional<std::filesystem::path>& output,
            bool toStandardOutput, const ReportHeader& header, bool showProgress, std::ostream& out,
            std::ostream& messages)
{
    ReportFormat format = ReportFormat::Pdf;
    if (output) {
        const std::optional<ReportFormat> named = reportFormatOf(*output);
        if (!named)
            return tell(messages, "-o " + output->string() + ": a book is written as .pdf or .odt");
        format = *named;
    } else if (!toStandardOutput) {
        return tell(messages, "a book of several stringers needs -o OUT.pdf or -o OUT.odt");
    }

    std::vector<BookStringer> stringers;
    std::optional<ReportHeader> fileHeader;
    Outcome worst = Outcome::Satisfied;
    for (const std::filesystem::path& file : files) {
        std::vector<std::string> rowProblems;
        const auto refusal = readStringers(file, [&](const StringerEntry& entry) {
            stringers.push_back(bookStringer(entry));
            const Outcome outcome = outcomeOf(entry);
            worst = std::max(worst, outcome);
            if (outcome == Outcome::Error)
                rowProblems.push_back(FileProblem{file.string(), entry.line, 0, entry.problem}.message());
        });
        // A book with a stringer silently missing is worse than none.
        if (refusal) {
            tell(messages, refusal->message());
            return tell(messages, "no book is written");
        }
        for (const std::string& problem : rowProblems)
            tell(messages, problem);
        if (!fileHeader && sourceKindOf(file) == SourceKind::StringerFile)
            if (StringerFileReading reading = readStringerFile(file); reading.file)
                fileHeader = reading.file->report;
    }

    const ReportBook book =
        buildBook(stringers, header, fileHeader.value_or(ReportHeader{}), today(), faultSummaryInChinese);
    BookProgress progress;
    if (showProgress && stringers.size() > quietBookSize)
        progress = [&messages](const char* stage, std::size_t done, std::size_t total) {
            messages << '\r' << programName << ": " << stage << ' ' << done << " of " << total << " stringers"
                     << (done == total ? "\n" : "") << std::flush;
        };
    auto made = renderReport(book, format, progress);
    if (std::holds_alternative<ReportError>(made))
        return tell(messages, FileProblem{reportFacePath().toStdString(), 0, 0,
                                          "cannot read the report's face, which Tarrowin installs with it"}
                                  .message());
    const QByteArray& bytes = std::get<QByteArray>(made);
    if (toStandardOutput) {
        out.write(bytes.constData(), bytes.size());
        out.flush();
        if (!out)
            return tell(messages, "cannot write the book to standard output");
    } else if (const auto problem = writeFileAtomically(*output, std::string_view(bytes.constData(), bytes.size()))) {
        return tell(messages, problem->message());
    }
    return exitStatusFor(worst);
}

}  // namespace tarrowin::cli
