// Books rendered offscreen and read back from outside: the PDF with poppler's
// tools (page numbers through the book, the summary's page column, steps
// kept whole, the summary's heading row on each of its pages), the ODT by
// unzipping its content.xml and styles.xml, validating them with xmllint,
// comparing its paragraphs with the document model's texts and reading its
// pages, footers, bookmarks and page references.

#include "check/FaultWords.h"
#include "report/document/ReportBook.h"
#include "report/document/VisibleText.h"
#include "report/odt/ReportOdt.h"
#include "report/pdf/BookPdf.h"
#include "report/pdf/ReportFace.h"

#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <QXmlStreamReader>

#include <algorithm>
#include <variant>

namespace tarrowin {
namespace {

constexpr CalendarDate reportDay{2026, 12, 8};

// The program's output, or a text saying it failed.
QString run(const char* program, const QStringList& arguments, const QByteArray& input = {})
{
    QProcess process;
    process.start(QString::fromUtf8(program), arguments);
    process.write(input);
    process.closeWriteChannel();
    if (!process.waitForFinished(60000) || process.exitCode() != 0)
        return QStringLiteral("%1 failed: %2").arg(program, QString::fromUtf8(process.readAllStandardError()));
    return QString::fromUtf8(process.readAllStandardOutput());
}

BookStringer stringerNamed(std::string name, std::vector<std::pair<Field, const char*>> typed = {})
{
    Stringer stringer = stringerFrom(FieldTexts(), Grade::Q235B);
    for (const auto& [field, text] : typed)
        stringer.texts[field] = text;
    return {std::move(name), stringer, "Q235B", {}};
}

// Satisfied, exceeded, faulted and unchecked stringers in turn.
std::vector<BookStringer> stairs(int count)
{
    std::vector<BookStringer> stringers;
    for (int i = 1; i <= count; ++i) {
        const std::string name = "TL-" + std::to_string(i);
        switch (i % 4) {
        case 0: stringers.push_back(stringerNamed(name)); break;
        case 1: stringers.push_back(stringerNamed(name, {{Field::HorizontalLength, "6000"}})); break;
        case 2: stringers.push_back(stringerNamed(name, {{Field::HorizontalLength, "0"}, {Field::VerticalHeight, "0"}})); break;
        default:
            stringers.push_back(stringerNamed(name, {{Field::SectionDesignation, "[14x"}}));
            stringers.back().problem = "第 " + std::to_string(i) + " 行：unknown section";
        }
    }
    return stringers;
}

QString qt(const std::string& text) { return QString::fromStdString(text); }

// The texts of the model in the order a reader meets them, one per
// paragraph or table cell, empty ones left out.
QStringList modelTexts(const ReportDocument& document)
{
    QStringList texts;
    const auto add = [&texts](const std::string& text) {
        if (!text.empty())
            texts << qt(text);
    };
    add(document.title);
    for (const HeaderEntry& entry : document.header) {
        add(entry.label);
        add(entry.value);
    }
    for (const ReportSection& section : document.sections) {
        add(section.heading);
        for (const ReportBlock& block : section.blocks) {
            if (const auto* paragraph = std::get_if<Paragraph>(&block)) {
                add(paragraph->text.text());
            } else if (const auto* table = std::get_if<ReportTable>(&block)) {
                if (table->ruled)
                    for (const ReportColumn& column : table->columns)
                        add(column.heading);
                for (const auto& row : table->rows)
                    for (const RichText& cell : row)
                        add(cell.text());
            } else {
                for (const FormulaLine& line : std::get<Formulas>(block).lines) {
                    add(line.description);
                    add(line.symbol.text());
                    add("= " + line.formula.text());
                    add("= " + line.substituted + " = " + line.result + (line.unit.empty() ? "" : " " + line.unit));
                }
            }
        }
    }
    return texts;
}

// The paragraphs of an ODT's content.xml as text, empty ones left out, and
// the text styles that are red; or the parser's complaint.
struct OdtContent {
    QStringList paragraphs;
    QStringList redSpans;  // the texts of spans set in red
    QString error;
};

OdtContent readContent(const QByteArray& xml)
{
    OdtContent content;
    QSet<QString> redStyles;
    QString styleName;
    QString paragraph;
    QString spanStyle;
    QString spanText;
    int depth = 0;
    QXmlStreamReader reader(xml);
    while (!reader.atEnd()) {
        reader.readNext();
        const auto name = reader.name();
        if (reader.isStartElement()) {
            if (name == u"style")
                styleName = reader.attributes().value(QStringLiteral("style:name")).toString();
            else if (name == u"text-properties" && reader.attributes().value(QStringLiteral("fo:color")) == u"#ff0000")
                redStyles.insert(styleName);
            else if (name == u"p" && depth++ == 0)
                paragraph.clear();
            else if (name == u"span") {
                spanStyle = reader.attributes().value(QStringLiteral("text:style-name")).toString();
                spanText.clear();
            } else if (name == u"s") {
                const int spaces = reader.attributes().value(QStringLiteral("text:c")).toInt();
                paragraph += QString(std::max(spaces, 1), u' ');
            }
        } else if (reader.isCharacters() && depth > 0) {
            paragraph += reader.text();
            spanText += reader.text();
        } else if (reader.isEndElement()) {
            if (name == u"span" && redStyles.contains(spanStyle))
                content.redSpans << spanText;
            if (name == u"p" && --depth == 0 && !paragraph.isEmpty())
                content.paragraphs << paragraph;
        }
    }
    if (reader.hasError())
        content.error = reader.errorString();
    return content;
}

// What an ODT says of its pages: the page size, each master page's footer
// with its fields as {page-number} and {page-count}, and in the content the
// paragraphs that hold bookmarks, the page references (each after the text
// of its row's first cell) and the first cell of each repeating heading row.
struct OdtPages {
    QString pageSize;
    QStringList footers;
    QHash<QString, QString> footerOfMaster;
    QStringList bookmarkedTitles;
    QHash<QString, QString> bookmarkOf;  // by the paragraph's text
    QStringList titleMasterPages;        // of the bookmarked paragraphs' styles
    QStringList references;
    QStringList repeatedHeadings;
    QString error;
};

OdtPages readPages(const QByteArray& styles, const QByteArray& content)
{
    OdtPages pages;
    QHash<QString, QString> masterOfStyle;
    QString master;
    QString style;
    QString paragraph;
    QString bookmark;
    QString rowFirst;
    bool inHeadingRows = false;
    for (const QByteArray* xml : {&styles, &content}) {
        QXmlStreamReader reader(*xml);
        while (!reader.atEnd()) {
            reader.readNext();
            const auto name = reader.name();
            const QXmlStreamAttributes attributes = reader.attributes();
            const auto attribute = [&attributes](const char* qualified) {
                return attributes.value(QString::fromLatin1(qualified)).toString();
            };
            if (reader.isStartElement()) {
                if (name == u"page-layout-properties")
                    pages.pageSize = attribute("fo:page-width") + " x " + attribute("fo:page-height");
                else if (name == u"master-page")
                    master = attribute("style:name");
                else if (name == u"style" && !attribute("style:master-page-name").isEmpty())
                    masterOfStyle.insert(attribute("style:name"), attribute("style:master-page-name"));
                else if (name == u"p") {
                    paragraph.clear();
                    bookmark.clear();
                    style = attribute("text:style-name");
                } else if (name == u"tab")
                    paragraph += '\t';
                else if (name == u"s")
                    paragraph += QString(std::max(attribute("text:c").toInt(), 1), u' ');
                else if (name == u"page-number" || name == u"page-count")
                    paragraph += '{' + name.toString() + '}';
                else if (name == u"bookmark")
                    bookmark = attribute("text:name");
                else if (name == u"bookmark-ref")
                    pages.references << rowFirst + ' ' + attribute("text:ref-name");
                else if (name == u"table-header-rows")
                    inHeadingRows = true;
                else if (name == u"table-row")
                    rowFirst.clear();
            } else if (reader.isCharacters()) {
                paragraph += reader.text();
            } else if (reader.isEndElement()) {
                if (name == u"table-header-rows")
                    inHeadingRows = false;
                if (name != u"p")
                    continue;
                if (xml == &styles) {
                    pages.footers << paragraph;
                    pages.footerOfMaster.insert(master, paragraph);
                } else if (!bookmark.isEmpty()) {
                    pages.bookmarkedTitles << paragraph;
                    pages.bookmarkOf.insert(paragraph, bookmark);
                    pages.titleMasterPages << masterOfStyle.value(style);
                }
                if (rowFirst.isEmpty()) {
                    rowFirst = paragraph;
                    if (inHeadingRows)
                        pages.repeatedHeadings << paragraph;
                }
            }
        }
        if (reader.hasError())
            pages.error = reader.errorString();
    }
    return pages;
}

qsizetype ruledTables(const ReportDocument& document)
{
    qsizetype ruled = 0;
    for (const ReportSection& section : document.sections)
        for (const ReportBlock& block : section.blocks)
            if (const auto* table = std::get_if<ReportTable>(&block))
                ruled += table->ruled ? 1 : 0;
    return ruled;
}

}  // namespace

class BookRenderTest : public QObject {
    Q_OBJECT

private:
    QTemporaryDir folder_;
    QString family_;

    QString save(const char* name, const QByteArray& bytes) const
    {
        const QString path = folder_.filePath(QString::fromUtf8(name));
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
            return {};
        return path;
    }

    QString pageText(const QString& pdf, int page) const
    {
        const QString number = QString::number(page);
        return run(TARROWIN_PDFTOTEXT, {"-enc", "UTF-8", "-layout", "-f", number, "-l", number, pdf, "-"});
    }

    static QByteArray packed(const QString& odt, const char* file)
    {
        QProcess unzip;
        unzip.start(QStringLiteral(TARROWIN_UNZIP), {"-p", odt, QString::fromUtf8(file)});
        unzip.waitForFinished(30000);
        return unzip.readAllStandardOutput();
    }

    static QByteArray contentXml(const QString& odt) { return packed(odt, "content.xml"); }

private slots:
    void initTestCase()
    {
        QVERIFY(folder_.isValid());
        family_ = reportFaceFamily();
        QVERIFY(!family_.isEmpty());
    }

    // Forty stringers: a summary over several pages, twenty parts after it.
    void pdfNumbersThePagesThroughTheBook()
    {
        ReportBook book = buildBook(stairs(40), {}, {}, reportDay, faultSummaryInChinese);
        const QString pdf = save("book.pdf", bookPdf(book, family_));
        QVERIFY(!pdf.isEmpty());
        const QRegularExpression pages(QStringLiteral("Pages:\\s+(\\d+)"));
        const int pageCount = pages.match(run(TARROWIN_PDFINFO, {pdf})).captured(1).toInt();
        QVERIFY(pageCount > 40);

        QStringList texts;
        for (int page = 1; page <= pageCount; ++page) {
            texts << pageText(pdf, page);
            QVERIFY2(texts.back().contains(QStringLiteral("第 %1 页 共 %2 页").arg(page).arg(pageCount)),
                     qPrintable(QString::number(page)));
        }
        // Each part starts on the page the summary gives, its name on top
        // and in the footer of every one of its pages.
        const QString summary = texts.mid(0, 4).join(QString());
        std::vector<int> starts;
        for (const ReportDocument& part : book.parts) {
            const QRegularExpression row(
                QStringLiteral("\\n\\s*%1 .*\\s(\\d+)\\s*\\n").arg(QRegularExpression::escape(qt(part.title))));
            starts.push_back(row.match(summary).captured(1).toInt());
            QVERIFY2(starts.back() > (starts.size() > 1 ? starts[starts.size() - 2] : 1), qPrintable(qt(part.title)));
        }
        // The summary runs over several pages, its heading row on each.
        QVERIFY(starts.front() > 2);
        for (int page = 1; page < starts.front(); ++page)
            QVERIFY2(texts[page - 1].contains(QStringLiteral("建议截面")), qPrintable(QString::number(page)));
        QVERIFY(texts[starts.front() - 2].contains(QStringLiteral("共 40 根，满足 10 根，超限 10 根，无法验算 20 根")));

        for (std::size_t part = 0; part < book.parts.size(); ++part) {
            const QString name = qt(book.parts[part].title);
            const int start = starts[part];
            const QString first = texts[start - 1];
            QVERIFY2(first.trimmed().startsWith(name + '\n'), qPrintable(name));

            // No step of the computation is split: its result stands on the
            // page of its description.
            const auto& steps = std::get<Formulas>(book.parts[part].sections[1].blocks.front()).lines;
            for (const FormulaLine& step : steps) {
                for (int page = start; page <= pageCount && texts[page - 1].contains(name + ' '); ++page) {
                    if (texts[page - 1].contains(qt(step.description) + ' '))
                        QVERIFY2(texts[page - 1].contains(qt(step.result)), qPrintable(qt(step.description)));
                }
            }
        }
    }

    void odtHoldsTheModelsTexts()
    {
        const ReportBook book = buildBook(stairs(8), {"滨江花园", "", "王工", "", "", ""}, {}, reportDay, faultSummaryInChinese);
        const QString odt = save("book.odt", reportOdt(book));
        const QByteArray xml = contentXml(odt);
        QCOMPARE(run(TARROWIN_XMLLINT, {"--noout", "-"}, xml), QString());

        QStringList expected = modelTexts(book.front);
        for (const ReportDocument& part : book.parts)
            expected << modelTexts(part);
        const OdtContent content = readContent(xml);
        QCOMPARE(content.error, QString());
        QCOMPARE(content.paragraphs, expected);

        // Rows of stringers that fail are red, passing ones are not.
        QVERIFY(content.redSpans.contains(QStringLiteral("超限")));
        QVERIFY(content.redSpans.contains(QStringLiteral("TL-2")));
        QVERIFY(!content.redSpans.contains(QStringLiteral("TL-4")));
        QVERIFY(!content.redSpans.contains(QStringLiteral("满足要求")));

        // A reader without an office suite sees the numbers.
        const QString plain = run(TARROWIN_ODT2TXT, {odt});
        QVERIFY(plain.contains(QStringLiteral("0.316")));
        QVERIFY(plain.contains(QStringLiteral("共 8 根，满足 2 根，超限 2 根，无法验算 4 根")));
        QVERIFY(plain.contains(QStringLiteral("滨江花园")));
    }

    // What Qt's writer leaves out and the package is given afterwards: the
    // page, a footer a part with its fields, repeating heading rows, and
    // the summary's references to the pages where the parts start.
    void odtKeepsPagesFootersAndPageReferences()
    {
        const ReportBook book = buildBook(stairs(8), {}, {}, reportDay, faultSummaryInChinese);
        const QString odt = save("pages.odt", reportOdt(book));

        // The mimetype first and stored; styles.xml listed and well-formed.
        const QString listing = run(TARROWIN_UNZIP, {"-v", odt});
        const QRegularExpression firstEntry(QStringLiteral("-\\n\\s*\\d+\\s+(\\S+)\\s.*\\smimetype\\n"));
        QCOMPARE(firstEntry.match(listing).captured(1), QStringLiteral("Stored"));
        QVERIFY(packed(odt, "META-INF/manifest.xml").contains("manifest:full-path=\"styles.xml\""));
        const QByteArray styles = packed(odt, "styles.xml");
        const QByteArray content = contentXml(odt);
        QCOMPARE(run(TARROWIN_XMLLINT, {"--noout", "-"}, styles), QString());
        QCOMPARE(run(TARROWIN_XMLLINT, {"--noout", "-"}, content), QString());

        const OdtPages pages = readPages(styles, content);
        QCOMPARE(pages.error, QString());
        QCOMPARE(pages.pageSize, QStringLiteral("210mm x 297mm"));
        // The front's page and one a part, each footer naming its part.
        const QString count = QStringLiteral("钢楼梯斜梁验算计算书  第 {page-number} 页 共 {page-count} 页");
        QStringList footers{QStringLiteral("\t") + count};
        QStringList bookmarks;
        for (const ReportDocument& part : book.parts) {
            footers << qt(part.title) + '\t' + count;
            bookmarks << qt(part.title);
        }
        QCOMPARE(pages.footers, footers);
        // Each part's title opens its master page and holds its bookmark;
        // the summary's page column refers to them row by row.
        QCOMPARE(pages.bookmarkedTitles, bookmarks);
        QCOMPARE(pages.titleMasterPages.size(), book.parts.size());
        for (qsizetype part = 0; part < pages.titleMasterPages.size(); ++part)
            QCOMPARE(pages.footers.indexOf(pages.footerOfMaster.value(pages.titleMasterPages[part])), part + 1);
        QStringList references;
        for (std::size_t row = 0; row < book.partOfRow.size(); ++row)
            if (const auto part = book.partOfRow[row])
                references << qt(book.summaryTable().rows[row].front().text()) + " " + pages.bookmarkOf.value(qt(book.parts[*part].title));
        QCOMPARE(pages.references, references);
        // The heading rows of the summary and of each part's ruled tables repeat.
        QCOMPARE(pages.repeatedHeadings.count(QStringLiteral("斜梁")), 1);
        qsizetype ruled = ruledTables(book.front);
        for (const ReportDocument& part : book.parts)
            ruled += ruledTables(part);
        QCOMPARE(pages.repeatedHeadings.size(), ruled);
    }

    void hostileTextsKeepBothFilesWhole_data()
    {
        QTest::addColumn<QByteArray>("name");
        QTest::newRow("nul") << QByteArray("TL\0-1", 5);
        QTest::newRow("non-character") << QByteArray("TL\xEF\xBF\xBE");
        QTest::newRow("lone surrogate") << QByteArray("TL\xED\xA0\x80");
        QTest::newRow("markup") << QByteArray("<TL>&amp;]]><!--");
        QTest::newRow("escape and bell") << QByteArray("TL\x1B[31m\x07");
        QTest::newRow("500 characters") << QString(500, QChar(0x68AF)).toUtf8();
    }

    void hostileTextsKeepBothFilesWhole()
    {
        QFETCH(QByteArray, name);
        const std::string text = name.toStdString();
        const ReportBook book = buildBook({stringerNamed(text), stringerNamed(text + "-2")},
                                          {text, "", text, text, text, text}, {}, reportDay, faultSummaryInChinese);
        const QString odt = save("hostile.odt", reportOdt(book));
        const QByteArray xml = contentXml(odt);
        QCOMPARE(run(TARROWIN_XMLLINT, {"--noout", "-"}, xml), QString());
        // The footers, which name the parts.
        QCOMPARE(run(TARROWIN_XMLLINT, {"--noout", "-"}, packed(odt, "styles.xml")), QString());
        const OdtContent content = readContent(xml);
        QCOMPARE(content.error, QString());
        QVERIFY(content.paragraphs.contains(qt(visibleText(text))));

        const QString pdf = save("hostile.pdf", bookPdf(book, family_));
        const QString info = run(TARROWIN_PDFINFO, {pdf});
        QVERIFY2(info.contains(QStringLiteral("Pages:")), qPrintable(info));
        // The name wraps under its heading and is cut short in the footer:
        // a part keeps the pages of a part with a short name, or one more.
        const QString last = pageText(pdf, QRegularExpression(QStringLiteral("Pages:\\s+(\\d+)")).match(info).captured(1).toInt());
        QVERIFY(last.contains(QStringLiteral("钢楼梯斜梁验算计算书")));
    }
};

}  // namespace tarrowin

QTEST_MAIN(tarrowin::BookRenderTest)
#include "BookRenderTest.moc"
