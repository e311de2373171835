#include "tools/cli/ReportCommand.h"

#include "check/FaultWords.h"
#include "files/AtomicFile.h"
#include "files/FileBytes.h"
#include "files/StringerFile.h"
#include "report/document/ReportBuilder.h"
#include "report/output/ReportOutput.h"
#include "report/pdf/ReportFace.h"
#include "report/pdf/ReportPdf.h"
#include "tools/cli/StringerSource.h"

#include <QDate>

#include <string_view>

namespace tarrowin::cli {
namespace {

constexpr std::string_view programName = "tarrowin-cli";

enum ReportStatus { written = 0, checkFaulted = 1, notWritten = 2 };

int tell(std::ostream& messages, const FileProblem& problem)
{
    messages << std::string(programName) + ": " + problem.message() + '\n';
    return notWritten;
}

// The report as OpenDocument Text, or the fault that stops its check.
std::variant<QByteArray, ReportError> reportOdtOf(const ReportRequest& request)
{
    auto built = buildReport(request);
    if (const ArithmeticFault* fault = std::get_if<ArithmeticFault>(&built))
        return ReportError{ReportProblem::CalculationFault, *fault, {}};
    return std::get<QByteArray>(renderReport(bookOfOne(std::move(std::get<ReportDocument>(built))), ReportFormat::Odt));
}

CalendarDate today()
{
    const QDate date = QDate::currentDate();
    return {date.year(), date.month(), date.day()};
}

}  // namespace

int runReport(const std::filesystem::path& file, const ReportDestination& destination, std::ostream& out,
              std::ostream& messages)
{
    const std::string name = file.string();
    switch (sourceKindOf(file)) {
    case SourceKind::StringerFile: break;
    case SourceKind::StringerCsv:
        return tell(messages, {name, 0, 0,
                               "a CSV holds many stringers and a report is of one: "
                               "give the stringer's file (.tarrowin)"});
    case SourceKind::Unknown: return tell(messages, {name, 0, 0, "not a stringer file (.tarrowin)"});
    }

    StringerFileReading reading = readStringerFile(file);
    if (reading.problem)
        return tell(messages, *reading.problem);
    const ReportRequest request{std::move(reading.file->stringer), std::move(reading.file->report),
                                file.filename().string(), today()};

    const bool editable = destination.file && reportFormatOf(*destination.file) == ReportFormat::Odt;
    const std::variant<QByteArray, ReportError> made = editable ? reportOdtOf(request) : makeReportPdf(request);
    if (const ReportError* error = std::get_if<ReportError>(&made)) {
        if (error->fault) {
            tell(messages, {name, 0, 0,
                            "the check stops at an arithmetic fault (" + faultDetail(*error->fault) +
                                "), so there is no report"});
            return checkFaulted;
        }
        // Without its face the report's Chinese could not be searched.
        return tell(messages, {reportFacePath().toStdString(), 0, 0,
                               "cannot read the report's face, which Tarrowin installs with it"});
    }
    const QByteArray& pdf = std::get<QByteArray>(made);

    if (destination.standardOutput) {
        out.write(pdf.constData(), pdf.size());
        out.flush();
        if (!out) {
            messages << programName << ": cannot write the report to standard output\n";
            return notWritten;
        }
        return written;
    }
    std::filesystem::path path = destination.file ? *destination.file : file;
    if (!destination.file)
        path.replace_extension(".pdf");
    if (const auto problem = writeFileAtomically(path, std::string_view(pdf.constData(), pdf.size())))
        return tell(messages, *problem);
    return written;
}

}  // namespace tarrowin::cli
