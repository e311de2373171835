#include "ui/document/ReportFile.h"

#include "report/pdf/ReportPdf.h"

namespace tarrowin {

std::optional<std::string> writeReportFile(const ReportRequest& request, const std::filesystem::path& path)
{
    if (const auto error = writeReportPdf(request, path))
        return error->message;
    return std::nullopt;
}

}  // namespace tarrowin
