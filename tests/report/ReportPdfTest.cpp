// Reports rendered offscreen and read back with poppler's tools: the text a
// reviewer searches for is in the file, on at most two A4 pages, in embedded
// subsets of the report's face; a fault or a path that cannot be written
// leaves no file behind.

#include "report/pdf/ReportPdf.h"
#include "check/FaultWords.h"

#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

Q_DECLARE_METATYPE(tarrowin::Stringer)

namespace tarrowin {
namespace {

constexpr CalendarDate reportDay{2026, 12, 8};

QString run(const char* program, const QStringList& arguments)
{
    QProcess process;
    process.start(QString::fromUtf8(program), arguments);
    if (!process.waitForFinished(30000) || process.exitCode() != 0)
        return QStringLiteral("%1 failed: %2").arg(program, QString::fromUtf8(process.readAllStandardError()));
    return QString::fromUtf8(process.readAllStandardOutput());
}

// The stringer at start with some inputs typed over.
Stringer stringerWith(const QList<std::pair<Field, const char*>>& typed)
{
    Stringer stringer = stringerFrom(FieldTexts(), Grade::Q235B);
    for (const auto& [field, text] : typed)
        stringer.texts[field] = text;
    return stringer;
}

// Each in-use entry of the cross-reference table points at its object.
QString crossReferenceProblem(const QByteArray& pdf)
{
    const qsizetype startxref = pdf.lastIndexOf("startxref\n");
    const qsizetype table = pdf.mid(startxref + 10).split('\n').value(0).toLongLong();
    if (!pdf.mid(table).startsWith("xref\n0 "))
        return QStringLiteral("startxref does not point at the table");
    const QList<QByteArray> lines = pdf.mid(table).split('\n');
    const int count = lines.value(1).split(' ').value(1).toInt();
    for (int object = 1; object < count; ++object) {
        const QByteArray entry = lines.value(2 + object);
        if (!entry.endsWith(" n "))
            continue;
        const qsizetype offset = entry.left(10).toLongLong();
        if (!pdf.mid(offset).startsWith(QByteArray::number(object) + " 0 obj"))
            return QStringLiteral("object %1 is not at %2").arg(object).arg(offset);
    }
    return {};
}

}  // namespace

class ReportPdfTest : public QObject {
    Q_OBJECT

private:
    QTemporaryDir folder_;

    QString pathFor(const char* name) const { return folder_.filePath(QString::fromUtf8(name)); }

private slots:
    void initTestCase() { QVERIFY(folder_.isValid()); }

    void writesASearchableReport_data()
    {
        QTest::addColumn<Stringer>("stringer");
        QTest::addColumn<QStringList>("found");

        // The texts the window shows after 计算, worked out in the order and
        // grouping of the calculation with IEEE doubles: M, V, σ, τ, δ, and
        // [δ], which the window hides, to six digits.
        QTest::newRow("passing") << stringerFrom(FieldTexts(), Grade::Q235B)
                                 << QStringList{"13.4164 mm", "5738625", "6843.70965193586", "67.89", "9.61",
                                                "4.47",             "满足要求!", "0.316"};
        // Twice the span: σ = 22954500 / 84525 = 271.57 and δ = 71.45
        // exceed 215 and 26.83; HN200x100 is the lightest that passes.
        QTest::newRow("failing") << stringerWith({{Field::HorizontalLength, "6000"}, {Field::VerticalHeight, "3000"}})
                                 << QStringList{"26.8328 mm", "22954500", "13687.4193038717", "271.57",
                                                "19.21", "71.45", "不满足", "超限,请重选截面!", "HN200x100"};
        // B reads as 1, qk as 3.5: q = 0.191775, M = 215746.875.
        QTest::newRow("typed texts") << stringerWith({{Field::FlightWidth, "1,500"}, {Field::LiveLoad, "3.5kN"}})
                                     << QStringList{"1,500", "3.5kN", "“1,500”", "13.4164 mm", "215746.875",
                                                    "257.293161831013", "2.55", "0.36", "0.19", "满足要求!"};
        // Units typed after every number: each reads as its leading number,
        // Ix as 5, B as 1. The longest report: it must still fit on two
        // pages. [δ] = 5366.5631/250, τ = 412.3667 × 47500 / (6 × 5) and
        // δ = 1383322.83 exceed their limits by far; the lightest section,
        // 口150x100x3, passes under a load of a = 0.5 mm of flight.
        QTest::newRow("units typed")
            << stringerWith({{Field::SectionDesignation, "[14 自定义"},
                             {Field::SecondMomentOfArea, "5,640,000"},
                             {Field::SectionModulus, "80500mm3"},
                             {Field::WebThickness, "6mm"},
                             {Field::FirstMomentOfArea, "47500 mm3"},
                             {Field::SectionMass, "14.5kg"},
                             {Field::HorizontalLength, "4800mm"},
                             {Field::VerticalHeight, "2400mm"},
                             {Field::FlightWidth, "1,400"},
                             {Field::DeadLoad, "1.5kN"},
                             {Field::LiveLoad, "3.5 kN/m2"}})
            << QStringList{"21.4663 mm", "553248", "412.366712138601", "6.55", "652913.96", "1383322.83",
                           ">999.999", "取开头的数", "不满足", "超限,请重选截面!", "口150x100x3"};
    }

    void writesASearchableReport()
    {
        QFETCH(Stringer, stringer);
        QFETCH(QStringList, found);
        // A header in characters that appear nowhere in the program, several
        // of which CJK faces also draw as radicals (工 ⼯, 门 ⻔, 长 ⻓, 马 ⻢, 见 ⻅, 页 ⻚).
        const ReportRequest request{stringer, ReportHeader{"鑫淼大厦·西区工程", "门厅长梯 LT-2", "欧阳翀", "马见", "", ""},
                                    "西区楼梯.tarrowin", reportDay};
        const QString path = pathFor(QTest::currentDataTag());
        const std::optional<ReportError> error = writeReportPdf(request, path.toStdString());
        QVERIFY2(!error, error ? error->message.c_str() : "");

        const QString info = run(TARROWIN_PDFINFO, {path});
        const int pages = QRegularExpression(QStringLiteral("Pages:\\s+(\\d+)")).match(info).captured(1).toInt();
        QVERIFY2(pages >= 1 && pages <= 2, qPrintable(info));
        QVERIFY2(info.contains(QStringLiteral("(A4)")), qPrintable(info));
        QVERIFY2(info.contains(QStringLiteral("Title:           钢楼梯斜梁验算计算书\n")), qPrintable(info));
        QVERIFY2(info.contains(QStringLiteral("Creator:         Tarrowin 1.0\n")), qPrintable(info));

        const QString text = run(TARROWIN_PDFTOTEXT, {QStringLiteral("-enc"), QStringLiteral("UTF-8"), path,
                                                      QStringLiteral("-")});
        QStringList expected = found;
        for (Field field : stringerFields)
            if (!stringer.texts[field].empty())
                expected << QString::fromStdString(stringer.texts[field]);
        expected << "钢楼梯斜梁验算计算书" << "鑫淼大厦·西区工程" << "门厅长梯 LT-2" << "欧阳翀" << "马见"
                 << "2026年12月8日" << "Tarrowin 1.0" << "GB 50017-2017" << "GB 55001-2021" << "Q235B" << "215"
                 << "125" << "满足" << "工程" << "西区楼梯.tarrowin" << QStringLiteral("第 1 页 共 %1 页").arg(pages)
                 << QStringLiteral("第 %1 页 共 %1 页").arg(pages);
        for (const QString& each : expected)
            QVERIFY2(text.contains(each), qPrintable(QStringLiteral("\"%1\" not found in:\n%2").arg(each, text)));
        for (QChar c : text) {
            const ushort u = c.unicode();
            QVERIFY2(!(u >= 0x2E80 && u <= 0x2FDF) && !(u >= 0xF900 && u <= 0xFAFF),
                     qPrintable(QStringLiteral("U+%1 read back").arg(u, 4, 16)));
        }

        // One face, embedded as a subset with a map to Unicode: nothing fell
        // back on a system face.
        const QStringList fonts = run(TARROWIN_PDFFONTS, {path}).split('\n', Qt::SkipEmptyParts).mid(2);
        QCOMPARE(fonts.size(), 1);
        QVERIFY2(fonts.first().contains(QRegularExpression(
                     QStringLiteral("^[A-Z]{6}\\+TarrowinReportSans-Regular\\s.*\\syes\\s+yes\\s+yes\\s"))),
                 qPrintable(fonts.first()));

        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QString problem = crossReferenceProblem(file.readAll());
        QVERIFY2(problem.isEmpty(), qPrintable(problem));
    }

    void aFaultWritesNoReport()
    {
        // L and H empty: the cosine is 0 / 0, an overflow in the slope.
        const Stringer faulting =
            stringerWith({{Field::HorizontalLength, ""}, {Field::VerticalHeight, ""}});
        const ArithmeticFault fault{FaultKind::Overflow, Quantity::Slope};
        const QString earlier = pathFor("earlier.pdf");
        QFile old(earlier);
        QVERIFY(old.open(QIODevice::WriteOnly));
        old.write("an earlier report");
        old.close();

        for (const QString& path : {earlier, pathFor("new.pdf")}) {
            const std::optional<ReportError> error =
                writeReportPdf(ReportRequest{faulting, {}, "", reportDay}, path.toStdString());
            QVERIFY(error);
            QCOMPARE(error->problem, ReportProblem::CalculationFault);
            QCOMPARE(error->fault, std::optional(fault));
            QCOMPARE(QString::fromStdString(error->message),
                     QString::fromStdString(faultMessageText(fault)) + QStringLiteral("\n未生成计算书。"));
        }
        QVERIFY(old.open(QIODevice::ReadOnly));
        QCOMPARE(old.readAll(), QByteArray("an earlier report"));
        QVERIFY(!QFile::exists(pathFor("new.pdf")));
    }

    void aPathThatCannotBeWrittenIsAnError()
    {
        const QString path = pathFor("no such folder/report.pdf");
        const std::optional<ReportError> error = writeReportPdf(
            ReportRequest{stringerFrom(FieldTexts(), Grade::Q235B), {}, "", reportDay}, path.toStdString());
        QVERIFY(error);
        QCOMPARE(error->problem, ReportProblem::NotWritten);
        QVERIFY(!error->fault);
        QVERIFY2(QString::fromStdString(error->message).contains(path), error->message.c_str());
        QVERIFY(!QFile::exists(path));
    }
};

}  // namespace tarrowin

QTEST_MAIN(tarrowin::ReportPdfTest)
#include "ReportPdfTest.moc"
