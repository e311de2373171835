#include "ui/document/ReportFile.h"

#include "report/document/ReportBook.h"
#include "report/document/ReportBuilder.h"
#include "report/output/ReportOutput.h"
#include "report/pdf/ReportPdf.h"
#include "ui/model/FaultMessage.h"

namespace tarrowin {

std::optional<std::string> writeReportFile(const ReportRequest& request, const std::filesystem::path& path)
{
    if (reportFormatOf(path) == ReportFormat::Odt) {
        auto built = buildReport(request);
        if (const ArithmeticFault* fault = std::get_if<ArithmeticFault>(&built))
            return faultMessageText(*fault) + "\n未生成计算书。";
        if (const auto error = writeReport(bookOfOne(std::move(std::get<ReportDocument>(built))), path))
            return error->message;
        return std::nullopt;
    }
    if (const auto error = writeReportPdf(request, path))
        return error->message;
    return std::nullopt;
}

}  // namespace tarrowin
