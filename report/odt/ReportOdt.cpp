#include "report/odt/ReportOdt.h"

#include "report/compose/ReportComposer.h"

#include <QBuffer>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextDocumentFragment>
#include <QTextDocumentWriter>
#include <QTextFrame>
#include <QTextTable>

namespace tarrowin {
namespace {

// A face that Chinese office suites have; one that lacks it substitutes its own.
constexpr const char* officeFamily = "SimSun";

// The text's width on A4 portrait with the PDF's margins, in points.
constexpr qreal bodyWidthPoints = (210 - 25 - 20) / 25.4 * 72;

// Qt's ODF writer sets a table's width as a length in points whatever its
// kind, so that a table of 100 % would be 100 pt wide, and a column's share
// as a percentage, which office suites ignore: every table is given its
// width and its columns' widths in points instead.
void fixTableWidths(QTextFrame& frame)
{
    for (QTextFrame* child : frame.childFrames()) {
        if (auto* table = qobject_cast<QTextTable*>(child)) {
            QTextTableFormat format = table->format();
            QList<QTextLength> columns;
            for (const QTextLength& share : format.columnWidthConstraints())
                columns << QTextLength(QTextLength::FixedLength, bodyWidthPoints * share.rawValue() / 100);
            format.setColumnWidthConstraints(columns);
            format.setWidth(QTextLength(QTextLength::FixedLength, bodyWidthPoints));
            table->setFormat(format);
        }
        fixTableWidths(*child);
    }
}

}  // namespace

QByteArray reportOdt(const ReportBook& book)
{
    const QString family = QString::fromLatin1(officeFamily);
    QTextDocument text;
    ReportComposer(text, family).add(book.front);
    // Each part is composed on its own and copied in whole: Qt looks its
    // tables up through the whole document after each one is added, which
    // over a book of many parts would take time growing with its square.
    QTextCursor end(&text);
    for (const ReportDocument& part : book.parts) {
        QTextDocument own;
        ReportComposer(own, family).add(part, true);
        // A fragment's first paragraph joins the paragraph it is inserted
        // in, and leaves its format behind: the part's title gets a
        // paragraph of its own, and its format back.
        end.movePosition(QTextCursor::End);
        end.insertBlock();
        const int title = end.position();
        end.insertFragment(QTextDocumentFragment(&own));
        QTextCursor(text.findBlock(title)).setBlockFormat(own.begin().blockFormat());
    }
    fixTableWidths(*text.rootFrame());
    text.setMetaInformation(QTextDocument::DocumentTitle, QString::fromStdString(book.front.title));
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    QTextDocumentWriter writer(&buffer, "ODF");
    writer.write(&text);
    return buffer.data();
}

}  // namespace tarrowin
