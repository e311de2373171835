#include "report/pdf/ReportLayout.h"

#include "report/compose/ReportComposer.h"

#include <QAbstractTextDocumentLayout>
#include <QPaintDevice>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextTable>

#include <cmath>

namespace tarrowin {
namespace {

// Moves to the next page each heading left alone at the foot of a page and
// each step split between two, until none is: a move can leave a heading
// alone in turn, never split what stood on one page.
void keepTogether(QTextDocument& text, const QList<int>& headings, const QList<QTextFrame*>& unbroken)
{
    QAbstractTextDocumentLayout* layout = text.documentLayout();
    const qreal pageHeight = text.pageSize().height();
    const auto pageOf = [pageHeight](qreal y) { return static_cast<int>(std::floor(y / pageHeight)); };
    bool moved = true;
    while (moved) {
        moved = false;
        for (QTextFrame* frame : unbroken) {
            const QRectF box = layout->frameBoundingRect(frame);
            QTextFrameFormat format = frame->frameFormat();
            if (format.pageBreakPolicy() == QTextFormat::PageBreak_AlwaysBefore
                || pageOf(box.top()) == pageOf(box.bottom() - 1))
                continue;
            format.setPageBreakPolicy(QTextFormat::PageBreak_AlwaysBefore);
            frame->setFrameFormat(format);
            moved = true;
        }
        for (int position : headings) {
            const QTextBlock heading = text.findBlock(position);
            const QTextBlock next = heading.next();
            QTextBlockFormat format = heading.blockFormat();
            if (!next.isValid() || format.pageBreakPolicy() == QTextFormat::PageBreak_AlwaysBefore)
                continue;
            if (pageOf(layout->blockBoundingRect(next).bottom()) == pageOf(layout->blockBoundingRect(heading).bottom()))
                continue;
            format.setPageBreakPolicy(QTextFormat::PageBreak_AlwaysBefore);
            QTextCursor(heading).setBlockFormat(format);
            // A step sent over to the next page goes with its heading now,
            // and a break of its own would leave the heading alone again.
            if (QTextTable* step = QTextCursor(next).currentTable()) {
                QTextTableFormat stepFormat = step->format();
                stepFormat.setPageBreakPolicy(QTextFormat::PageBreak_Auto);
                step->setFormat(stepFormat);
            }
            moved = true;
        }
    }
}

}  // namespace

std::unique_ptr<QTextDocument> layOutReport(const ReportDocument& document, const QString& family,
                                            QPaintDevice& device, QSizeF pageSize)
{
    auto text = std::make_unique<QTextDocument>();
    // Everything goes in before the document has a layout: a layout would
    // lay out the tables again after every cell.
    ReportComposer composer(*text, family);
    composer.add(document);

    // Measured on the device that draws it, so that lines break where they
    // will be drawn. Qt's layout lays nothing out while the page has no
    // size: without that, making the layout would lay the whole document out
    // once for the screen, only to lay it out again for the device.
    text->setPageSize(QSizeF(0, 0));
    text->documentLayout()->setPaintDevice(&device);
    text->setPageSize(pageSize);
    keepTogether(*text, composer.headingPositions(), composer.unbroken());
    return text;
}

}  // namespace tarrowin
