#include "report/pdf/ReportPdf.h"

#include "check/FaultWords.h"
#include "files/AtomicFile.h"
#include "files/FileProblemMessage.h"
#include "report/document/ReportBuilder.h"
#include "report/pdf/PdfPages.h"
#include "report/pdf/PdfSubsetTags.h"
#include "report/pdf/ReportFace.h"
#include "report/pdf/ReportLayout.h"

#include <QBuffer>
#include <QFile>
#include <QPainter>
#include <QPdfWriter>
#include <QTextDocument>

#include <memory>

namespace tarrowin {

QByteArray reportPdf(const ReportDocument& document, const QString& family)
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&buffer);
        const QSizeF body = preparePdfPages(writer, document.title, document.creator);
        const std::unique_ptr<QTextDocument> text = layOutReport(document, family, writer, body);
        const int pageCount = text->pageCount();
        QPainter painter(&writer);
        drawPdfPages(writer, painter, *text, {document.footerNote, document.title}, family, 1, pageCount);
    }
    return withSubsetTags(buffer.data());
}

std::variant<QByteArray, ReportError> makeReportPdf(const ReportRequest& request)
{
    const auto built = buildReport(request);
    if (const ArithmeticFault* fault = std::get_if<ArithmeticFault>(&built))
        return ReportError{ReportProblem::CalculationFault, *fault, faultMessageText(*fault) + "\n未生成计算书。"};

    const QString family = reportFaceFamily();
    if (family.isEmpty())
        return ReportError{ReportProblem::FaceMissing, std::nullopt,
                           "找不到计算书所用的字体文件：" + reportFacePath().toStdString() + "\n未生成计算书。"};

    return reportPdf(std::get<ReportDocument>(built), family);
}

std::optional<ReportError> writeReportPdf(const ReportRequest& request, const std::filesystem::path& path)
{
    auto made = makeReportPdf(request);
    if (ReportError* error = std::get_if<ReportError>(&made))
        return std::move(*error);
    const QByteArray& pdf = std::get<QByteArray>(made);
    // The old file, if any, is replaced only once the new one is complete.
    if (const auto problem = writeFileAtomically(path, std::string_view(pdf.constData(), static_cast<std::size_t>(pdf.size()))))
        return ReportError{ReportProblem::NotWritten, std::nullopt,
                           "无法写入计算书文件“" + QFile::decodeName(QByteArray(path.c_str())).toStdString() + "”："
                               + systemReasonText(*problem) + "。"};
    return std::nullopt;
}

}  // namespace tarrowin
