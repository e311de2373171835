#include "report/odt/ReportOdt.h"

#include "report/compose/ReportComposer.h"

#include <QBuffer>
#include <QTextDocument>
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
    QTextDocument text;
    {
        ReportComposer composer(text, QString::fromLatin1(officeFamily));
        composer.add(book.front);
        for (const ReportDocument& part : book.parts)
            composer.add(part, true);
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
