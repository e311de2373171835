#include "report/odt/OdtPages.h"

#include <QtGui/private/qzipreader_p.h>
#include <QtGui/private/qzipwriter_p.h>

#include <QBuffer>
#include <QXmlStreamReader>
#include <QXmlStreamWriter>

#include <variant>

namespace tarrowin {
namespace {

const QString officeNs = QStringLiteral("urn:oasis:names:tc:opendocument:xmlns:office:1.0");
const QString styleNs = QStringLiteral("urn:oasis:names:tc:opendocument:xmlns:style:1.0");
const QString textNs = QStringLiteral("urn:oasis:names:tc:opendocument:xmlns:text:1.0");
const QString tableNs = QStringLiteral("urn:oasis:names:tc:opendocument:xmlns:table:1.0");
const QString foNs = QStringLiteral("urn:oasis:names:tc:opendocument:xmlns:xsl-fo-compatible:1.0");
const QString manifestNs = QStringLiteral("urn:oasis:names:tc:opendocument:xmlns:manifest:1.0");

// The PDF's page: A4 portrait; the body ends 22 mm above the bottom edge,
// the footer's rule 4 mm below it and its line under the rule.
const QString pageLayout = QStringLiteral("A4");
const QString footerStyle = QStringLiteral("Footer");
// Word takes bookmark names of letters, digits and underscores only.
QString bookmarkOf(std::size_t part) { return QStringLiteral("Part_%1").arg(part + 1); }
QString masterPageOf(std::size_t part) { return QStringLiteral("Part%1").arg(part + 1); }
QString partStyleOf(std::size_t part) { return QStringLiteral("PartTitle%1").arg(part + 1); }

// A footer holds one line: a longer name is cut short, as the PDF elides it.
constexpr int longestFooterNote = 40;

QString qt(const std::string& text) { return QString::fromStdString(text); }

QString footerNote(const std::string& note)
{
    QString text = qt(note);
    if (text.size() <= longestFooterNote)
        return text;
    int cut = longestFooterNote;
    if (text[cut - 1].isHighSurrogate())
        --cut;
    return text.left(cut) + QChar(0x2026);
}

// What the model says of the tables Qt writes, in the order it writes them:
// which have a heading row, and which one is the summary.
struct TablePlan {
    std::vector<bool> headed;
    std::size_t summary = SIZE_MAX;
};

void planTables(const ReportDocument& document, TablePlan& plan)
{
    if (!document.header.empty())
        plan.headed.push_back(false);
    for (const ReportSection& section : document.sections)
        for (const ReportBlock& block : section.blocks) {
            if (const auto* table = std::get_if<ReportTable>(&block))
                plan.headed.push_back(table->ruled);
            else if (const auto* formulas = std::get_if<Formulas>(&block))
                plan.headed.insert(plan.headed.end(), formulas->lines.size(), false);
        }
}

TablePlan planTables(const ReportBook& book)
{
    TablePlan plan;
    planTables(book.front, plan);
    // A book's summary is the last table of its front; a report alone has none.
    if (!book.partOfRow.empty())
        plan.summary = plan.headed.size() - 1;
    for (const ReportDocument& part : book.parts)
        planTables(part, plan);
    return plan;
}

// Copies the reader's start element. Its namespaces are declared before it
// is started, so that it keeps their prefixes: QXmlStreamWriter invents one
// for a namespace it does not know yet.
void copyStart(const QXmlStreamReader& reader, QXmlStreamWriter& writer)
{
    for (const QXmlStreamNamespaceDeclaration& declaration : reader.namespaceDeclarations()) {
        if (declaration.prefix().isEmpty())
            writer.writeDefaultNamespace(declaration.namespaceUri().toString());
        else
            writer.writeNamespace(declaration.namespaceUri().toString(), declaration.prefix().toString());
    }
    writer.writeStartElement(reader.namespaceUri().toString(), reader.name().toString());
    writer.writeAttributes(reader.attributes());
}

// One element of a style kept to be written again under other names.
struct KeptToken {
    QXmlStreamReader::TokenType type;
    QString namespaceUri;
    QString name;
    QXmlStreamAttributes attributes;
};

// The paragraph style that Qt gave the parts' titles: the one that breaks the page.
QString pageBreakingStyle(const QByteArray& content)
{
    QXmlStreamReader reader(content);
    QString style;
    while (!reader.atEnd()) {
        if (reader.readNext() != QXmlStreamReader::StartElement)
            continue;
        if (reader.name() == u"style" && reader.namespaceUri() == styleNs)
            style = reader.attributes().value(styleNs, QStringLiteral("name")).toString();
        else if (reader.name() == u"paragraph-properties"
                 && reader.attributes().value(foNs, QStringLiteral("break-before")) == u"page")
            return style;
        else if (reader.name() == u"body")
            break;
    }
    return {};
}

class ContentRewriter {
public:
    ContentRewriter(const ReportBook& book, QString breakStyle)
        : book_(book), tables_(planTables(book)), breakStyle_(std::move(breakStyle))
    {
    }

    QByteArray rewrite(const QByteArray& content)
    {
        QByteArray out;
        QXmlStreamReader reader(content);
        QXmlStreamWriter writer(&out);
        while (!reader.atEnd()) {
            reader.readNext();
            if (reader.isStartElement() && reader.namespaceUri() == styleNs && reader.name() == u"style"
                && reader.attributes().value(styleNs, QStringLiteral("name")) == breakStyle_) {
                copyPartStyles(reader, writer);
                continue;
            }
            if (reader.isStartElement())
                start(reader, writer);
            else if (reader.isEndElement())
                end(reader, writer);
            else
                writer.writeCurrentToken(reader);
        }
        return reader.hasError() ? QByteArray() : out;
    }

private:
    // In place of the style that breaks the page, which only the parts'
    // titles have: a copy a part that also names the part's master page.
    void copyPartStyles(QXmlStreamReader& reader, QXmlStreamWriter& writer)
    {
        std::vector<KeptToken> kept;
        int depth = 0;
        do {
            if (reader.isStartElement()) {
                ++depth;
                kept.push_back({reader.tokenType(), reader.namespaceUri().toString(), reader.name().toString(),
                                reader.attributes()});
            } else if (reader.isEndElement()) {
                --depth;
                kept.push_back({reader.tokenType(), {}, {}, {}});
            }
            if (depth > 0)
                reader.readNext();
        } while (depth > 0 && !reader.atEnd());
        const auto write = [&](const QString& name, const QString& masterPage) {
            bool first = true;
            for (const KeptToken& token : kept) {
                if (token.type == QXmlStreamReader::EndElement) {
                    writer.writeEndElement();
                    continue;
                }
                writer.writeStartElement(token.namespaceUri, token.name);
                for (const QXmlStreamAttribute& attribute : token.attributes) {
                    if (first && attribute.namespaceUri() == styleNs && attribute.name() == u"name")
                        writer.writeAttribute(styleNs, QStringLiteral("name"), name);
                    else
                        writer.writeAttribute(attribute);
                }
                if (first && !masterPage.isEmpty())
                    writer.writeAttribute(styleNs, QStringLiteral("master-page-name"), masterPage);
                first = false;
            }
        };
        for (std::size_t part = 0; part < book_.parts.size(); ++part)
            write(partStyleOf(part), masterPageOf(part));
    }

    void start(QXmlStreamReader& reader, QXmlStreamWriter& writer)
    {
        const QStringView name = reader.name();
        const bool inText = reader.namespaceUri() == textNs;
        const bool inTable = reader.namespaceUri() == tableNs;
        if (inTable && name == u"table") {
            ++table_;
            row_ = -1;
        } else if (inTable && name == u"table-row") {
            ++row_;
            cell_ = -1;
            cellParagraphs_ = 0;
            if (row_ == 0 && headed())
                writer.writeStartElement(tableNs, QStringLiteral("table-header-rows"));
        } else if (inTable && name == u"table-cell") {
            ++cell_;
            cellParagraphs_ = 0;
        }

        if (inText && name == u"p" && !breakStyle_.isEmpty()
            && reader.attributes().value(textNs, QStringLiteral("style-name")) == breakStyle_
            && part_ < book_.parts.size()) {
            writer.writeStartElement(textNs, QStringLiteral("p"));
            for (const QXmlStreamAttribute& attribute : reader.attributes())
                if (attribute.name() != u"style-name")
                    writer.writeAttribute(attribute);
            writer.writeAttribute(textNs, QStringLiteral("style-name"), partStyleOf(part_));
            writer.writeEmptyElement(textNs, QStringLiteral("bookmark"));
            writer.writeAttribute(textNs, QStringLiteral("name"), bookmarkOf(part_));
            ++part_;
            return;
        }
        copyStart(reader, writer);
        if (inText && name == u"p" && cellParagraphs_++ == 0)
            referToPage(writer);
    }

    void end(QXmlStreamReader& reader, QXmlStreamWriter& writer)
    {
        writer.writeCurrentToken(reader);
        if (reader.namespaceUri() == tableNs && reader.name() == u"table-row" && row_ == 0 && headed())
            writer.writeEndElement();
    }

    bool headed() const { return table_ >= 0 && std::size_t(table_) < tables_.headed.size() && tables_.headed[table_]; }

    // In the summary's page column of a stringer with pages: a field that
    // the office suite fills with the page on which the part starts.
    void referToPage(QXmlStreamWriter& writer)
    {
        if (std::size_t(table_) != tables_.summary || row_ < 1)
            return;
        const std::size_t row = std::size_t(row_) - 1;
        const std::size_t lastColumn = book_.summaryTable().columns.size() - 1;
        if (std::size_t(cell_) != lastColumn || row >= book_.partOfRow.size() || !book_.partOfRow[row])
            return;
        writer.writeStartElement(textNs, QStringLiteral("bookmark-ref"));
        writer.writeAttribute(textNs, QStringLiteral("reference-format"), QStringLiteral("page"));
        writer.writeAttribute(textNs, QStringLiteral("ref-name"), bookmarkOf(*book_.partOfRow[row]));
        writer.writeEndElement();
    }

    const ReportBook& book_;
    const TablePlan tables_;
    const QString breakStyle_;
    std::size_t part_ = 0;
    int table_ = -1;
    int row_ = -1;
    int cell_ = -1;
    int cellParagraphs_ = 0;
};

// "note<tab>title  第 N 页 共 M 页", N and M fields.
void writeFooter(QXmlStreamWriter& writer, const std::string& note, const std::string& title)
{
    writer.writeStartElement(styleNs, QStringLiteral("footer"));
    writer.writeStartElement(textNs, QStringLiteral("p"));
    writer.writeAttribute(textNs, QStringLiteral("style-name"), footerStyle);
    writer.writeCharacters(footerNote(note));
    writer.writeEmptyElement(textNs, QStringLiteral("tab"));
    writer.writeCharacters(qt(title));
    writer.writeEmptyElement(textNs, QStringLiteral("s"));
    writer.writeAttribute(textNs, QStringLiteral("c"), QStringLiteral("2"));
    writer.writeCharacters(QStringLiteral("第 "));
    writer.writeStartElement(textNs, QStringLiteral("page-number"));
    writer.writeAttribute(textNs, QStringLiteral("select-page"), QStringLiteral("current"));
    writer.writeEndElement();
    writer.writeCharacters(QStringLiteral(" 页 共 "));
    writer.writeTextElement(textNs, QStringLiteral("page-count"), QString());
    writer.writeCharacters(QStringLiteral(" 页"));
    writer.writeEndElement();
    writer.writeEndElement();
}

void writeMasterPage(QXmlStreamWriter& writer, const QString& name, const std::string& note, const std::string& title)
{
    writer.writeStartElement(styleNs, QStringLiteral("master-page"));
    writer.writeAttribute(styleNs, QStringLiteral("name"), name);
    writer.writeAttribute(styleNs, QStringLiteral("page-layout-name"), pageLayout);
    writeFooter(writer, note, title);
    writer.writeEndElement();
}

QByteArray stylesXml(const ReportBook& book, const QString& version)
{
    QByteArray out;
    QXmlStreamWriter writer(&out);
    writer.setAutoFormatting(true);
    writer.writeStartDocument();
    writer.writeNamespace(officeNs, QStringLiteral("office"));
    writer.writeNamespace(styleNs, QStringLiteral("style"));
    writer.writeNamespace(textNs, QStringLiteral("text"));
    writer.writeNamespace(foNs, QStringLiteral("fo"));
    writer.writeStartElement(officeNs, QStringLiteral("document-styles"));
    writer.writeAttribute(officeNs, QStringLiteral("version"), version);

    // The footer's line: 小五 under a rule, the page number against the right margin.
    writer.writeStartElement(officeNs, QStringLiteral("styles"));
    writer.writeStartElement(styleNs, QStringLiteral("style"));
    writer.writeAttribute(styleNs, QStringLiteral("name"), footerStyle);
    writer.writeAttribute(styleNs, QStringLiteral("family"), QStringLiteral("paragraph"));
    writer.writeAttribute(styleNs, QStringLiteral("class"), QStringLiteral("extra"));
    writer.writeStartElement(styleNs, QStringLiteral("paragraph-properties"));
    writer.writeAttribute(foNs, QStringLiteral("border-top"), QStringLiteral("0.2mm solid #000000"));
    writer.writeAttribute(foNs, QStringLiteral("padding-top"), QStringLiteral("1mm"));
    writer.writeStartElement(styleNs, QStringLiteral("tab-stops"));
    writer.writeEmptyElement(styleNs, QStringLiteral("tab-stop"));
    writer.writeAttribute(styleNs, QStringLiteral("position"), QStringLiteral("165mm"));
    writer.writeAttribute(styleNs, QStringLiteral("type"), QStringLiteral("right"));
    writer.writeEndElement();
    writer.writeEndElement();
    writer.writeEmptyElement(styleNs, QStringLiteral("text-properties"));
    writer.writeAttribute(foNs, QStringLiteral("font-size"), QStringLiteral("9pt"));
    writer.writeAttribute(styleNs, QStringLiteral("font-size-asian"), QStringLiteral("9pt"));
    writer.writeEndElement();
    writer.writeEndElement();

    writer.writeStartElement(officeNs, QStringLiteral("automatic-styles"));
    writer.writeStartElement(styleNs, QStringLiteral("page-layout"));
    writer.writeAttribute(styleNs, QStringLiteral("name"), pageLayout);
    writer.writeEmptyElement(styleNs, QStringLiteral("page-layout-properties"));
    writer.writeAttribute(foNs, QStringLiteral("page-width"), QStringLiteral("210mm"));
    writer.writeAttribute(foNs, QStringLiteral("page-height"), QStringLiteral("297mm"));
    writer.writeAttribute(styleNs, QStringLiteral("print-orientation"), QStringLiteral("portrait"));
    writer.writeAttribute(foNs, QStringLiteral("margin-top"), QStringLiteral("20mm"));
    writer.writeAttribute(foNs, QStringLiteral("margin-bottom"), QStringLiteral("10mm"));
    writer.writeAttribute(foNs, QStringLiteral("margin-left"), QStringLiteral("25mm"));
    writer.writeAttribute(foNs, QStringLiteral("margin-right"), QStringLiteral("20mm"));
    // The body ends 22 mm above the edge, as in the PDF: 10 mm of margin,
    // 4 mm between the body and the footer's rule, 8 mm of footer.
    writer.writeStartElement(styleNs, QStringLiteral("footer-style"));
    writer.writeEmptyElement(styleNs, QStringLiteral("header-footer-properties"));
    writer.writeAttribute(foNs, QStringLiteral("min-height"), QStringLiteral("8mm"));
    writer.writeAttribute(foNs, QStringLiteral("margin-top"), QStringLiteral("4mm"));
    writer.writeEndElement();
    writer.writeEndElement();
    writer.writeEndElement();

    // The front's page is the default one; each part has its own.
    writer.writeStartElement(officeNs, QStringLiteral("master-styles"));
    writeMasterPage(writer, QStringLiteral("Standard"), book.front.footerNote, book.front.title);
    for (std::size_t part = 0; part < book.parts.size(); ++part)
        writeMasterPage(writer, masterPageOf(part), book.parts[part].footerNote, book.front.title);
    writer.writeEndElement();

    writer.writeEndElement();
    writer.writeEndDocument();
    return out;
}

QString officeVersion(const QByteArray& content)
{
    QXmlStreamReader reader(content);
    if (reader.readNextStartElement())
        return reader.attributes().value(officeNs, QStringLiteral("version")).toString();
    return {};
}

// The manifest with styles.xml listed.
QByteArray withStylesListed(const QByteArray& manifest)
{
    QByteArray out;
    QXmlStreamReader reader(manifest);
    QXmlStreamWriter writer(&out);
    while (!reader.atEnd()) {
        reader.readNext();
        if (reader.isStartElement() && reader.name() == u"file-entry"
            && reader.attributes().value(manifestNs, QStringLiteral("full-path")) == u"styles.xml")
            return manifest;
        if (reader.isEndElement() && reader.name() == u"manifest") {
            writer.writeEmptyElement(manifestNs, QStringLiteral("file-entry"));
            writer.writeAttribute(manifestNs, QStringLiteral("media-type"), QStringLiteral("text/xml"));
            writer.writeAttribute(manifestNs, QStringLiteral("full-path"), QStringLiteral("styles.xml"));
        }
        if (reader.isStartElement())
            copyStart(reader, writer);
        else
            writer.writeCurrentToken(reader);
    }
    return reader.hasError() ? QByteArray() : out;
}

}  // namespace

QByteArray withPages(const QByteArray& package, const ReportBook& book)
{
    QBuffer in;
    in.setData(package);
    in.open(QIODevice::ReadOnly);
    QZipReader zip(&in);
    const QList<QZipReader::FileInfo> entries = zip.fileInfoList();
    QByteArray content = zip.fileData(QStringLiteral("content.xml"));
    const QString version = officeVersion(content);
    const QByteArray rewritten = ContentRewriter(book, pageBreakingStyle(content)).rewrite(content);
    content = QByteArray();
    const QByteArray manifest = withStylesListed(zip.fileData(QStringLiteral("META-INF/manifest.xml")));
    if (rewritten.isEmpty() || manifest.isEmpty() || zip.fileData(QStringLiteral("mimetype")).isEmpty())
        return package;

    QBuffer out;
    out.open(QIODevice::WriteOnly);
    {
        QZipWriter writer(&out);
        // The mimetype comes first and stored, so that it can be read at a
        // fixed offset without unpacking.
        writer.setCompressionPolicy(QZipWriter::NeverCompress);
        writer.addFile(QStringLiteral("mimetype"), zip.fileData(QStringLiteral("mimetype")));
        writer.setCompressionPolicy(QZipWriter::AlwaysCompress);
        for (const QZipReader::FileInfo& entry : entries) {
            if (entry.filePath == u"mimetype" || entry.filePath == u"styles.xml")
                continue;
            if (entry.isDir)
                writer.addDirectory(entry.filePath);
            else if (entry.filePath == u"content.xml") {
                writer.addFile(entry.filePath, rewritten);
                writer.addFile(QStringLiteral("styles.xml"), stylesXml(book, version));
            } else if (entry.filePath == u"META-INF/manifest.xml")
                writer.addFile(entry.filePath, manifest);
            else
                writer.addFile(entry.filePath, zip.fileData(entry.filePath));
        }
        writer.close();
    }
    return out.data();
}

}  // namespace tarrowin
