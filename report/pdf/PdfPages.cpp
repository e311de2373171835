#include "report/pdf/PdfPages.h"

#include "report/document/ReportDocument.h"

#include <QFontMetricsF>
#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>
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

// Under a rule: the note on the left, the title and the page
// number on the right. The page number shares its line with the title: a
// line of single characters evenly spaced, as "第 1 页 共 2 页" alone is,
// reads back without its spaces in poppler and the viewers built on it, and
// a search for "第 1 页" would miss it.
void drawFooter(QPainter& painter, const PageFooter& footer, const QString& family, int page, int pageCount,
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
    const QString pageNumber = qt(footer.title + "  " + pageNumberText(page, pageCount));
    // A long name is cut short with an ellipsis rather than run into the page number.
    const QFontMetricsF metrics(font, painter.device());
    const qreal room = line.width() - metrics.horizontalAdvance(pageNumber) - mm(5);
    painter.drawText(line, Qt::AlignLeft | Qt::AlignBottom, metrics.elidedText(qt(footer.note), Qt::ElideRight, room));
    painter.drawText(line, Qt::AlignRight | Qt::AlignBottom, pageNumber);
}

}  // namespace

QSizeF preparePdfPages(QPdfWriter& writer, const std::string& title, const std::string& creator)
{
    writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF()));
    writer.setTitle(qt(title));
    writer.setCreator(qt(creator));
    const qreal dotsPerMillimetre = writer.resolution() / 25.4;
    return {(pageWidth - leftMargin - rightMargin) * dotsPerMillimetre,
            (pageHeight - topMargin - bottomMargin) * dotsPerMillimetre};
}

void drawPdfPages(QPdfWriter& writer, QPainter& painter, QTextDocument& text, const PageFooter& footer,
                  const QString& family, int firstPage, int pageCount)
{
    const qreal dotsPerMillimetre = writer.resolution() / 25.4;
    const QSizeF body = text.pageSize();
    for (int page = 0; page < text.pageCount(); ++page) {
        if (firstPage + page > 1)
            writer.newPage();
        painter.save();
        painter.translate(leftMargin * dotsPerMillimetre, topMargin * dotsPerMillimetre - page * body.height());
        text.drawContents(&painter, QRectF(QPointF(0, page * body.height()), body));
        painter.restore();
        drawFooter(painter, footer, family, firstPage + page, pageCount, dotsPerMillimetre);
    }
}

}  // namespace tarrowin
