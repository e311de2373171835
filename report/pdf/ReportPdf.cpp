#include "report/pdf/ReportPdf.h"

#include "check/FaultWords.h"
#include "report/document/ReportBuilder.h"
#include "report/pdf/PdfSubsetTags.h"
#include "report/pdf/ReportFace.h"
#include "report/pdf/ReportLayout.h"

#include <QBuffer>
#include <QFile>
#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>
#include <QSaveFile>
#include <QTextDocument>

namespace tarrowin {
namespace {

// A4 portrait, in millimetres; the wider left margin is for binding, the
// footer stands in the bottom margin.
constexpr qreal pageWidth = 210;
constexpr qreal pageHeight = 297;
constexpr qreal leftMargin = 25;
constexpr qreal rightMargin = 20;
constexpr qreal topMargin = 20;
constexpr qreal bottomMargin = 22;
constexpr qreal footerBaseline = 12;  // above the bottom edge
constexpr qreal footerPoints = 9;

QString qt(const std::string& text) { return QString::fromStdString(text); }

// Under a rule: the stringer file's name on the left, the title and the page
// number on the right. The page number shares its line with the title: a
// line of single characters evenly spaced, as "第 1 页 共 2 页" alone is,
// reads back without its spaces in poppler and the viewers built on it, and
// a search for "第 1 页" would miss it.
void drawFooter(QPainter& painter, const ReportDocument& document, const QString& family, int page, int pageCount,
                qreal dotsPerMillimetre)
{
    const auto mm = [dotsPerMillimetre](qreal millimetres) { return millimetres * dotsPerMillimetre; };
    QFont font(family);
    font.setPointSizeF(footerPoints);
    font.setHintingPreference(QFont::PreferNoHinting);
    painter.setFont(font);
    painter.setPen(QPen(Qt::black, mm(0.2)));
    const qreal left = mm(leftMargin);
    const qreal right = mm(pageWidth - rightMargin);
    const qreal rule = mm(pageHeight - bottomMargin + 4);
    painter.drawLine(QPointF(left, rule), QPointF(right, rule));
    const QRectF line(left, rule, right - left, mm(pageHeight - footerBaseline) - rule);
    painter.drawText(line, Qt::AlignLeft | Qt::AlignBottom, qt(document.footerNote));
    painter.drawText(line, Qt::AlignRight | Qt::AlignBottom,
                     qt(document.title + "  " + pageNumberText(page, pageCount)));
}

}  // namespace

QByteArray reportPdf(const ReportDocument& document, const QString& family)
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&buffer);
        // The margins are drawn by hand, so that the footer can stand in one.
        writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF()));
        writer.setTitle(qt(document.title));
        writer.setCreator(qt(document.creator));
        const qreal dotsPerMillimetre = writer.resolution() / 25.4;
        const QSizeF body((pageWidth - leftMargin - rightMargin) * dotsPerMillimetre,
                          (pageHeight - topMargin - bottomMargin) * dotsPerMillimetre);

        const std::unique_ptr<QTextDocument> text = layOutReport(document, family, writer, body);
        const int pageCount = text->pageCount();
        QPainter painter(&writer);
        for (int page = 0; page < pageCount; ++page) {
            if (page > 0)
                writer.newPage();
            painter.save();
            painter.translate(leftMargin * dotsPerMillimetre, topMargin * dotsPerMillimetre - page * body.height());
            text->drawContents(&painter, QRectF(QPointF(0, page * body.height()), body));
            painter.restore();
            drawFooter(painter, document, family, page + 1, pageCount, dotsPerMillimetre);
        }
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
    const QString fileName = QFile::decodeName(QByteArray(path.c_str()));
    // The old file, if any, is replaced only once the new one is complete.
    QSaveFile file(fileName);
    if (!file.open(QIODevice::WriteOnly) || file.write(pdf) != pdf.size() || !file.commit())
        return ReportError{ReportProblem::NotWritten, std::nullopt,
                           "无法写入计算书文件“" + fileName.toStdString() + "”：" + file.errorString().toStdString()};
    return std::nullopt;
}

}  // namespace tarrowin
