#include "report/output/ReportOutput.h"

#include "files/AtomicFile.h"
#include "files/FileProblemMessage.h"
#include "report/odt/ReportOdt.h"
#include "report/pdf/ReportFace.h"

#include <QFile>

#include <algorithm>
#include <cctype>
#include <string>

namespace tarrowin {

std::optional<ReportFormat> reportFormatOf(const std::filesystem::path& path)
{
    std::string suffix = path.extension().string();
    std::transform(suffix.begin(), suffix.end(), suffix.begin(), [](unsigned char c) { return std::tolower(c); });
    if (suffix == ".pdf")
        return ReportFormat::Pdf;
    if (suffix == ".odt")
        return ReportFormat::Odt;
    return std::nullopt;
}

std::variant<QByteArray, ReportError> renderReport(const ReportBook& book, ReportFormat format,
                                                   const BookProgress& progress)
{
    switch (format) {
    case ReportFormat::Odt: return reportOdt(book);
    case ReportFormat::Pdf: break;
    }
    const QString family = reportFaceFamily();
    if (family.isEmpty())
        return ReportError{ReportProblem::FaceMissing, std::nullopt,
                           "找不到计算书所用的字体文件：" + reportFacePath().toStdString() + "\n未生成计算书。"};
    return bookPdf(book, family, progress);
}

std::optional<ReportError> writeReport(const ReportBook& book, const std::filesystem::path& path,
                                       const BookProgress& progress)
{
    const std::string fileName = QFile::decodeName(QByteArray(path.c_str())).toStdString();
    const std::optional<ReportFormat> format = reportFormatOf(path);
    if (!format)
        return ReportError{ReportProblem::NotWritten, std::nullopt,
                           "计算书文件“" + fileName + "”的类型须为 .pdf 或 .odt。"};
    auto made = renderReport(book, *format, progress);
    if (ReportError* error = std::get_if<ReportError>(&made))
        return std::move(*error);
    const QByteArray& bytes = std::get<QByteArray>(made);
    // The old file, if any, is replaced only once the new one is complete.
    if (const auto problem =
            writeFileAtomically(path, std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size()))))
        return ReportError{ReportProblem::NotWritten, std::nullopt,
                           "无法写入计算书文件“" + fileName + "”：" + systemReasonText(*problem) + "。"};
    return std::nullopt;
}

}  // namespace tarrowin
