#include "tools/cli/CommandLine.h"

#include "files/AtomicFile.h"
#include "tools/cli/BookCommand.h"
#include "tools/cli/Commands.h"
#include "tools/cli/Outcome.h"
#include "text/ByteOrderMark.h"
#include "text/ProgramVersion.h"
#include "tools/cli/ReportCommand.h"
#include "tools/cli/StringerSource.h"
#include "tools/cli/TableOutput.h"

#include <QCommandLineParser>
#include <QFile>

#include <unistd.h>

#include <ostream>

namespace tarrowin::cli {
namespace {

constexpr std::string_view programName = "tarrowin-cli";

std::filesystem::path pathOf(const QString& argument)
{
    return std::filesystem::path(QFile::encodeName(argument).toStdString());
}

// The input FILE that -o names, by whatever path, if any.
std::optional<std::filesystem::path> inputAt(const CommandLine& line)
{
    if (!line.output)
        return std::nullopt;
    for (const std::filesystem::path& file : line.files) {
        std::error_code unknown;  // a file that does not exist is no input to lose
        if (std::filesystem::equivalent(*line.output, file, unknown))
            return file;
    }
    return std::nullopt;
}

int cannotSave(const FileProblem& problem, std::ostream& messages)
{
    messages << programName << ": " << problem.message() << '\n';
    return notAllChecked;
}

int flushed(std::ostream& out, int status, std::ostream& messages)
{
    out.flush();
    if (!out) {
        messages << programName << ": cannot write the table to standard output\n";
        return notAllChecked;
    }
    return status;
}

// The rows go into the file as they are checked; it replaces OUT.csv only
// once it is whole. The byte-order mark lets spreadsheets read the Chinese.
int checkIntoFile(const CommandLine& line, std::ostream& messages)
{
    // A file that cannot be made is told after the rows' own messages, as
    // when it fails later: the check runs all the same.
    AtomicFile file(*line.output);
    file.open();
    file.write(byteOrderMark);
    FileTableOutput output(file);
    const int status = runCheck(line.files, output, messages);
    if (const auto problem = file.commit())
        return cannotSave(*problem, messages);
    return status;
}

int checkOntoStream(const CommandLine& line, std::ostream& out, std::ostream& messages)
{
    StreamTableOutput output(out);
    return flushed(out, runCheck(line.files, output, messages), messages);
}

CommandLine wrong(std::string problem)
{
    CommandLine line;
    line.problem = std::move(problem);
    return line;
}

}  // namespace

std::string helpText()
{
    return R"(Usage: tarrowin-cli check [-o OUT.csv] FILE...
       tarrowin-cli survey [-o OUT.csv] FILE
       tarrowin-cli report [-o OUT.pdf|OUT.odt] [HEADER OPTIONS] FILE...

Checks inclined steel stair stringers exactly as the Tarrowin window does
and writes the results as CSV (UTF-8) to standard output, or writes a
stringer's calculation report (计算书), or a book of many, as a PDF or an
OpenDocument Text file. Needs no display.

Commands:
  check    one row per stringer of every FILE, in input order
  survey   every catalogue section checked for the one stringer in FILE,
           lightest first, the lightest that passes recommended
  report   the calculation report of the stringer in FILE.tarrowin, with
           the header kept in the file, written to FILE.pdf beside it; with
           several FILEs, a CSV or a header option, one book of every
           stringer with a summary in front, written to OUT (-o is needed)

A FILE is a stringer file saved by Tarrowin (.tarrowin) or a CSV of stringers
(.csv) whose header row names the columns name, section, grade,
horizontal_length, vertical_height, flight_width, dead_load and live_load,
in any order.

Options:
  -o, --output OUT      write the table or the report to OUT instead (a table
                        with a byte-order mark, so that spreadsheets read the
                        Chinese words); "-o -" writes to standard output
  --project TEXT        the report's header: 工程名称, and the people who
  --designer TEXT       design (设计), check (校对) and review (审核) it,
  --checker TEXT        and its date (日期); each in place of the first
  --reviewer TEXT       stringer file's own
  --date TEXT
  -h, --help            show this help and exit
  -v, --version         show the version and exit

Exit status: 0 when every stringer is satisfied (survey: some section passes;
report: the report is written), 1 when any is exceeded or stopped by an
arithmetic fault (survey: no section passes; report of one stringer: a fault
stops the check and nothing is written), 2 when a file or row could not be
checked, the report could not be written, or the command line is wrong. A
FILE refused as a whole refuses the book: nothing is written.
)";
}

CommandLine parseCommandLine(const QStringList& arguments)
{
    QCommandLineParser parser;
    const QCommandLineOption help({"h", "help"}, "");
    const QCommandLineOption version({"v", "version"}, "");
    const QCommandLineOption output({"o", "output"}, "", "OUT");
    const QCommandLineOption project("project", "", "TEXT");
    const QCommandLineOption designer("designer", "", "TEXT");
    const QCommandLineOption checker("checker", "", "TEXT");
    const QCommandLineOption reviewer("reviewer", "", "TEXT");
    const QCommandLineOption date("date", "", "TEXT");
    parser.addOptions({help, version, output, project, designer, checker, reviewer, date});
    if (!parser.parse(arguments))
        return wrong(parser.errorText().toStdString());

    CommandLine line;
    if (parser.isSet(help)) {
        line.action = CommandLine::Action::Help;
        return line;
    }
    if (parser.isSet(version)) {
        line.action = CommandLine::Action::Version;
        return line;
    }
    QStringList positional = parser.positionalArguments();
    if (positional.isEmpty())
        return wrong("no command given");
    const QString command = positional.takeFirst();
    if (command == "check")
        line.action = CommandLine::Action::Check;
    else if (command == "survey")
        line.action = CommandLine::Action::Survey;
    else if (command == "report")
        line.action = CommandLine::Action::Report;
    else
        return wrong("unknown command '" + command.toStdString() + "'");
    if (parser.values(output).size() > 1)
        return wrong("-o is given more than once");
    if (parser.value(output) == "-")
        line.outputIsStandardOutput = true;
    else if (parser.isSet(output))
        line.output = pathOf(parser.value(output));
    for (const QString& file : positional)
        line.files.push_back(pathOf(file));
    if (line.files.empty())
        return wrong(command.toStdString() + " needs a FILE");
    if (line.action == CommandLine::Action::Survey && line.files.size() > 1)
        return wrong(command.toStdString() + " takes one FILE");
    const std::pair<const QCommandLineOption*, std::string*> headerOptions[] = {
        {&project, &line.header.project},   {&designer, &line.header.designer},
        {&checker, &line.header.checker},   {&reviewer, &line.header.reviewer},
        {&date, &line.header.date},
    };
    for (const auto& [option, entry] : headerOptions) {
        if (!parser.isSet(*option))
            continue;
        if (line.action != CommandLine::Action::Report)
            return wrong("--" + option->names().front().toStdString() + " is for report only");
        *entry = parser.value(*option).toStdString();
        line.headerGiven = true;
    }
    return line;
}

int runCommandLine(const CommandLine& line, std::ostream& out, std::ostream& messages)
{
    switch (line.action) {
    case CommandLine::Action::Help: out << helpText(); return allSatisfied;
    case CommandLine::Action::Version: out << programName << ' ' << programVersion << '\n'; return allSatisfied;
    case CommandLine::Action::Wrong:
        messages << programName << ": " << line.problem << "\nTry '" << programName << " --help' for more information.\n";
        return notAllChecked;
    case CommandLine::Action::Check:
    case CommandLine::Action::Survey:
    case CommandLine::Action::Report: break;
    }

    // Writing the results over a file they are read from would lose it.
    if (const auto input = inputAt(line)) {
        messages << programName << ": -o " << line.output->string() << " would write over the input FILE "
                 << input->string() << '\n';
        return notAllChecked;
    }
    if (line.action == CommandLine::Action::Report) {
        // One stringer file and nothing for the header: the stringer's own report
        // (and its own words for a FILE that is no stringer file at all).
        if (line.files.size() == 1 && sourceKindOf(line.files.front()) != SourceKind::StringerCsv
            && !line.headerGiven)
            return runReport(line.files.front(), {line.output, line.outputIsStandardOutput}, out, messages);
        return runBook(line.files, line.output, line.outputIsStandardOutput, line.header, isatty(STDERR_FILENO) == 1,
                       out, messages);
    }

    if (line.action == CommandLine::Action::Check)
        return line.output ? checkIntoFile(line, messages) : checkOntoStream(line, out, messages);

    // A survey is 19 rows: it is made whole, then written.
    std::string table;
    const int status = runSurvey(line.files.front(), table, messages);
    if (table.empty())
        return status;  // a survey that could not run: an earlier OUT.csv stays as it was
    if (line.output) {
        if (const auto problem = writeFileAtomically(*line.output, std::string(byteOrderMark) + table))
            return cannotSave(*problem, messages);
        return status;
    }
    out << table;
    return flushed(out, status, messages);
}

}  // namespace tarrowin::cli
