#include "report/compose/ReportComposer.h"

#include <QFont>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextTable>

#include <algorithm>
#include <variant>

namespace tarrowin {
namespace {

// Type sizes in points, as Chinese reports set them: 三号 for the title,
// 小四 for headings, 五号 for the text, 小五 for notes.
constexpr qreal titlePoints = 16;
constexpr qreal headingPoints = 12;
constexpr qreal bodyPoints = 10.5;
constexpr qreal notePoints = 9;

// Lines closer than the CJK face's own spacing (1.45 em), which would
// spread a report over a third page.
constexpr qreal lineSpacingPercent = 88;

QString qt(const std::string& text) { return QString::fromStdString(text); }

// Qt's text layout takes margins, paddings and rules in pixels of a 96 dpi
// screen and scales them to the device it measures on.
qreal mm(qreal millimetres) { return millimetres * 96 / 25.4; }

QTextBlockFormat paragraphFormat(Qt::Alignment alignment = Qt::AlignLeft)
{
    QTextBlockFormat format;
    format.setAlignment(alignment);
    format.setLineHeight(lineSpacingPercent, QTextBlockFormat::ProportionalHeight);
    return format;
}

}  // namespace

class ReportComposer::Parts {
public:
    Parts(QTextDocument& document, const QString& family) : document_(document), cursor_(&document), family_(family) {}

    // Where the section headings stand, in order.
    const QList<int>& headingPositions() const { return headings_; }
    // What must not be split between two pages.
    const QList<QTextFrame*>& unbroken() const { return unbroken_; }

    void title(const std::string& text, bool onNewPage)
    {
        QTextBlockFormat block = paragraphFormat(Qt::AlignHCenter);
        block.setBottomMargin(mm(4));
        if (onNewPage)
            block.setPageBreakPolicy(QTextFormat::PageBreak_AlwaysBefore);
        startBlock(block);
        cursor_.insertText(qt(text), characters(titlePoints, true));
    }

    // The entries one to a row, the label beside its value; the signatures
    // side by side in one row, tall enough to sign in.
    void header(const std::vector<HeaderEntry>& entries)
    {
        std::vector<const HeaderEntry*> rows;
        std::vector<const HeaderEntry*> signatures;
        for (const HeaderEntry& entry : entries)
            (entry.signature ? signatures : rows).push_back(&entry);
        const int pairs = std::max<int>(1, static_cast<int>(signatures.size()));
        const qreal labelShare = 12;
        QList<QTextLength> widths;
        for (int i = 0; i < pairs; ++i)
            widths << QTextLength(QTextLength::PercentageLength, labelShare)
                   << QTextLength(QTextLength::PercentageLength, 100.0 / pairs - labelShare);

        const int rowCount = static_cast<int>(rows.size()) + (signatures.empty() ? 0 : 1);
        QTextTable* table = cursor_.insertTable(rowCount, 2 * pairs, tableFormat(widths, true, 0));
        int row = 0;
        for (const HeaderEntry* entry : rows) {
            table->mergeCells(row, 1, 1, 2 * pairs - 1);
            fill(table->cellAt(row, 0), RichText::plain(entry->label), bodyPoints, Qt::AlignLeft);
            fill(table->cellAt(row, 1), RichText::plain(entry->value), bodyPoints, Qt::AlignLeft);
            ++row;
        }
        for (int column = 0; column < 2 * static_cast<int>(signatures.size()); ++column) {
            const HeaderEntry& entry = *signatures[column / 2];
            QTextTableCell cell = table->cellAt(row, column);
            fill(cell, RichText::plain(column % 2 ? entry.value : entry.label), bodyPoints, Qt::AlignLeft);
            QTextTableCellFormat room = cell.format().toTableCellFormat();
            room.setTopPadding(mm(3.5));
            room.setBottomPadding(mm(3.5));
            room.setVerticalAlignment(QTextCharFormat::AlignMiddle);
            cell.setFormat(room);
        }
        leaveTable();
    }

    void heading(const std::string& text)
    {
        QTextBlockFormat block = paragraphFormat();
        block.setTopMargin(mm(3.5));
        block.setBottomMargin(mm(1.2));
        keepSpaceAfterTable(block.topMargin());
        startBlock(block);
        headings_.append(cursor_.block().position());
        cursor_.insertText(qt(text), characters(headingPoints, true));
    }

    void block(const ReportBlock& block)
    {
        std::visit([this](const auto& each) { add(each); }, block);
    }

private:
    QTextCharFormat characters(qreal points, bool strong = false) const
    {
        QTextCharFormat format;
        QFont font = document_.defaultFont();
        font.setPointSizeF(points);
        font.setBold(strong);
        format.setFont(font);
        // Named outright, under the property that Qt's ODF writer reads, so
        // that an editable copy names the family instead of Qt's "Sans".
        format.setProperty(QTextFormat::OldFontFamily, family_);
        return format;
    }

    void insert(QTextCursor& cursor, const RichText& text, qreal points, bool alarming = false) const
    {
        for (const TextRun& run : text.runs()) {
            QTextCharFormat format = characters(points, run.style == RunStyle::Strong);
            if (alarming)
                format.setForeground(QColor(Qt::red));
            if (run.style == RunStyle::Subscript)
                format.setVerticalAlignment(QTextCharFormat::AlignSubScript);
            cursor.insertText(qt(run.text), format);
        }
    }

    static QTextTableFormat tableFormat(const QList<QTextLength>& widths, bool ruled, int headerRows)
    {
        QTextTableFormat format;
        format.setWidth(QTextLength(QTextLength::PercentageLength, 100));
        format.setColumnWidthConstraints(widths);
        // A collapsed border of one pixel or more draws the grid as well.
        format.setBorderCollapse(true);
        format.setBorder(ruled ? 1 : 0);
        format.setBorderBrush(Qt::black);
        format.setBorderStyle(ruled ? QTextFrameFormat::BorderStyle_Solid : QTextFrameFormat::BorderStyle_None);
        format.setCellSpacing(0);
        format.setCellPadding(mm(ruled ? 0.8 : 0.4));
        format.setHeaderRowCount(headerRows);
        format.setTopMargin(mm(1));
        format.setBottomMargin(mm(1));
        return format;
    }

    void fill(QTextTableCell cell, const RichText& text, qreal points, Qt::Alignment alignment,
              bool alarming = false) const
    {
        QTextCursor cursor = cell.firstCursorPosition();
        cursor.setBlockFormat(paragraphFormat(alignment));
        insert(cursor, text, points, alarming);
    }

    // A table is followed by an empty paragraph; whatever comes next goes there.
    void leaveTable() { cursor_.movePosition(QTextCursor::End); }

    // Qt sets the paragraph that follows a table without its top margin, so
    // the table leaves the space below itself instead.
    void keepSpaceAfterTable(qreal margin)
    {
        const QTextBlock previous = cursor_.block().previous();
        QTextTable* table = previous.isValid() ? QTextCursor(previous).currentTable() : nullptr;
        if (!table || cursor_.block().length() > 1)
            return;
        QTextTableFormat format = table->format();
        format.setBottomMargin(std::max(format.bottomMargin(), margin));
        table->setFormat(format);
    }

    // A new paragraph, or the empty one the cursor stands in.
    void startBlock(const QTextBlockFormat& format)
    {
        if (cursor_.block().length() > 1)
            cursor_.insertBlock(format);
        else
            cursor_.setBlockFormat(format);
    }

    static Qt::Alignment alignmentOf(ColumnAlignment alignment)
    {
        switch (alignment) {
        case ColumnAlignment::Centre: return Qt::AlignHCenter;
        case ColumnAlignment::Right: return Qt::AlignRight;
        case ColumnAlignment::Left: break;
        }
        return Qt::AlignLeft;
    }

    void add(const Paragraph& paragraph)
    {
        QTextBlockFormat block = paragraphFormat();
        block.setBottomMargin(mm(paragraph.kind == ParagraphKind::Note ? 0.3 : 0.8));
        if (paragraph.kind == ParagraphKind::Item) {
            // Wrapped lines start under the text, clear of "1. ".
            block.setLeftMargin(mm(4.5));
            block.setTextIndent(-mm(4.5));
        }
        startBlock(block);
        insert(cursor_, paragraph.text, paragraph.kind == ParagraphKind::Note ? notePoints : bodyPoints);
    }

    void add(const ReportTable& table)
    {
        QList<QTextLength> widths;
        for (const ReportColumn& column : table.columns)
            widths << QTextLength(QTextLength::PercentageLength, column.width * 100);
        const int headings = table.ruled ? 1 : 0;
        QTextTable* set = cursor_.insertTable(static_cast<int>(table.rows.size()) + headings,
                                              static_cast<int>(table.columns.size()),
                                              tableFormat(widths, table.ruled, headings));
        for (int c = 0; c < static_cast<int>(table.columns.size()); ++c) {
            const ReportColumn& column = table.columns[c];
            if (table.ruled) {
                QTextTableCell cell = set->cellAt(0, c);
                QTextTableCellFormat shaded = cell.format().toTableCellFormat();
                shaded.setBackground(QColor(232, 232, 232));
                cell.setFormat(shaded);
                fill(cell, RichText::plain(column.heading), bodyPoints, alignmentOf(column.alignment));
            }
            for (int r = 0; r < static_cast<int>(table.rows.size()); ++r)
                fill(set->cellAt(r + headings, c), table.rows[r][c], bodyPoints, alignmentOf(column.alignment),
                     r < static_cast<int>(table.alarming.size()) && table.alarming[r]);
        }
        leaveTable();
    }

    // Each step a table of one row, kept on one page: the description, the
    // symbol, and "= formula" over "= numbers = result unit". The tables
    // share their columns, so that every equals sign of the computation
    // stands in one column.
    void add(const Formulas& formulas)
    {
        const QList<QTextLength> widths = {QTextLength(QTextLength::PercentageLength, 17),
                                           QTextLength(QTextLength::PercentageLength, 7),
                                           QTextLength(QTextLength::PercentageLength, 76)};
        QTextTableFormat format = tableFormat(widths, false, 0);
        format.setTopMargin(0);
        format.setBottomMargin(0);
        for (const FormulaLine& line : formulas.lines) {
            QTextTable* table = cursor_.insertTable(1, 3, format);
            fill(table->cellAt(0, 0), RichText::plain(line.description), bodyPoints, Qt::AlignLeft);
            fill(table->cellAt(0, 1), line.symbol, bodyPoints, Qt::AlignRight);
            QTextCursor cell = table->cellAt(0, 2).firstCursorPosition();
            cell.setBlockFormat(paragraphFormat());
            insert(cell, RichText::plain("= ").append(line.formula), bodyPoints);
            cell.insertBlock(paragraphFormat());
            std::string worked = "= " + line.substituted + " = " + line.result;
            if (!line.unit.empty())
                worked += " " + line.unit;
            insert(cell, RichText::plain(worked), bodyPoints);
            unbroken_.append(table);
            // Straight on with the next table: no paragraph between steps.
            cursor_.movePosition(QTextCursor::End);
        }
    }

    QTextDocument& document_;
    QTextCursor cursor_;
    QList<int> headings_;
    QList<QTextFrame*> unbroken_;
    QString family_;
};
ReportComposer::ReportComposer(QTextDocument& text, const QString& family)
{
    QFont font(family);
    font.setPointSizeF(bodyPoints);
    // Hinting means nothing at the resolution of a PDF.
    font.setHintingPreference(QFont::PreferNoHinting);
    text.setDefaultFont(font);
    text.setDocumentMargin(0);
    parts_ = std::make_unique<Parts>(text, family);
}

ReportComposer::~ReportComposer() = default;

void ReportComposer::add(const ReportDocument& document, bool onNewPage)
{
    parts_->title(document.title, onNewPage);
    if (!document.header.empty())
        parts_->header(document.header);
    for (const ReportSection& section : document.sections) {
        parts_->heading(section.heading);
        for (const ReportBlock& block : section.blocks)
            parts_->block(block);
    }
}

const QList<int>& ReportComposer::headingPositions() const { return parts_->headingPositions(); }

const QList<QTextFrame*>& ReportComposer::unbroken() const { return parts_->unbroken(); }

}  // namespace tarrowin
