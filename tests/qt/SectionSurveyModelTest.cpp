// The survey as a table: each row the survey's own, failures in red, and
// sorting by the numbers, not by their texts.
#include "sheet/FieldTexts.h"
#include "survey/SectionSurvey.h"
#include "ui/qt/SectionSurveyModel.h"

#include <QColor>
#include <QSortFilterProxyModel>
#include <QTest>

using namespace tarrowin;

namespace {

enum class Inputs {
    AtStart,         // the window's texts at start: the worked example's flight and loads
    LiveLoad20,      // qk = 20: the light sections fail, 口200x100x4 is the lightest that passes
    LiveLoad200,     // qk = 200: every section fails
    ShearOverflows,  // V·Sx beyond the double range for the two deepest H sections
};

FieldTexts textsFor(Inputs inputs)
{
    FieldTexts texts;
    switch (inputs) {
    case Inputs::AtStart: break;
    case Inputs::LiveLoad20: texts[Field::LiveLoad] = "20"; break;
    case Inputs::LiveLoad200: texts[Field::LiveLoad] = "200"; break;
    case Inputs::ShearOverflows:
        texts[Field::HorizontalLength] = "1";
        texts[Field::VerticalHeight] = "0";
        texts[Field::FlightWidth] = "2";
        texts[Field::LiveLoad] = "1e306";
        break;
    }
    return texts;
}

// Column by column: section, mass, then for each check its result, verdict
// and ratio, the allowable deflection before the deflection's verdict, and
// the remark.
enum Column {
    Designation, Mass, Bending, BendingVerdict, BendingRatio, Shear, ShearVerdict, ShearRatio,
    Deflection, AllowableDeflection, DeflectionVerdict, DeflectionRatio, Remark, ColumnCount
};

QStringList shownRow(const QAbstractItemModel& model, int row)
{
    QStringList cells;
    for (int column = 0; column < model.columnCount(); ++column)
        cells << model.index(row, column).data().toString();
    return cells;
}

int rowOf(const QAbstractItemModel& model, const QString& designation)
{
    for (int row = 0; row < model.rowCount(); ++row)
        if (model.index(row, Designation).data().toString() == designation)
            return row;
    return -1;
}

QString utf8(std::string_view text) { return QString::fromUtf8(text.data(), qsizetype(text.size())); }

}  // namespace

Q_DECLARE_METATYPE(Inputs)

class SectionSurveyModelTest : public QObject {
    Q_OBJECT

private slots:
    void rowsAreTheSurveys_data();
    void rowsAreTheSurveys();
    void everyCellIsTheSurveysText_data();
    void everyCellIsTheSurveysText();
    void failuresAreRed();
    void sortsByValue_data();
    void sortsByValue();
};

void SectionSurveyModelTest::rowsAreTheSurveys_data()
{
    QTest::addColumn<Inputs>("inputs");
    QTest::addColumn<QStringList>("cells");
    QTest::addColumn<int>("recommendedRow");

    // 口150x100x3, 11.49 kg/m, the lightest: q = 0.975 + 1.3 x 0.1149 + 3.9375
    // = 5.06187 N/mm, M = 3000² x q / 8 = 5694604, sigma = M / (1.05 x 63130)
    // = 85.91 (0.400 of 215); V = q/2 x 3000 x 0.894427 = 6791.2, tau = V x
    // 37600 / (6 x 4734800) = 8.99 (0.072 of 125); w = 0.75 + 0.1149 + 2.625 =
    // 3.4899, delta = 11.25e6² x 5w x 0.894427 / 79104000 / 4734800 = 5.27
    // (0.393 of 3354.10 / 250 = 13.4164).
    QTest::newRow("the lightest passes")
        << Inputs::AtStart
        << QStringList{"口150x100x3", "11.49", "85.91", "满足", "0.400", "8.99", "满足", "0.072",
                       "5.27", "13.4164078649987", "满足", "0.393", "推荐"}
        << 0;
    // [14a, second lightest: the worked example 67.8926, 9.6063 and 4.4657,
    // that is 0.316 of 215, 0.077 of 125 and 0.333 of 13.4164.
    QTest::newRow("the worked example, not recommended")
        << Inputs::AtStart
        << QStringList{"[14a", "14.5", "67.89", "满足", "0.316", "9.61", "满足", "0.077",
                       "4.47", "13.4164078649987", "满足", "0.333", ""}
        << 0;
    // qk = 200, HN350x175 (largest Wx): q = 0.975 + 1.3 x 0.494 + 225 = 226.6172,
    // sigma = 9e6 x q / 8 / (1.05 x 771000) = 314.921 > 215 (1.465); tau =
    // q/2 x 3000 x 0.894427 x 420420 / (7 x 135e6) = 135.264 > 125 (1.082);
    // w = 0.75 + 0.494 + 150, delta = 8.0162 (0.597 of 13.4164). Every other
    // section has a smaller Wx and nearly the same q, so none passes.
    QTest::newRow("none passes")
        << Inputs::LiveLoad200
        << QStringList{"HN350x175", "49.4", "314.92", "不满足", "1.465", "135.26", "不满足", "1.082",
                       "8.02", "13.4164078649987", "满足", "0.597", ""}
        << -1;
    // L = 1, H = 0, a = 1: q = 1.5 x 1e306 / 1000 = 1.5e303, M = q / 8, V = q / 2
    // = 7.5e302. For HN300x150 V x Sx = 7.5e302 x 261030 = 1.96e308 is past
    // the double range, so the run stops in the shear stress; sigma = 1.875e302
    // / (1.05 x 481000) = 3.7125e296 and the allowable deflection 1/250 stand.
    QTest::newRow("a fault stops the run in the shear stress")
        << Inputs::ShearOverflows
        << QStringList{"HN300x150", "36.7", "3.71250371250371E+296", "不满足", ">999.999", "", "", "",
                       "", "0.004", "", "", "溢出（计算剪应力时）"}
        << -1;
}

void SectionSurveyModelTest::rowsAreTheSurveys()
{
    QFETCH(Inputs, inputs);
    QFETCH(QStringList, cells);
    QFETCH(int, recommendedRow);

    const SectionSurveyModel model(surveySections(textsFor(inputs)));
    QCOMPARE(model.rowCount(), 19);
    QCOMPARE(model.columnCount(), int(ColumnCount));
    const int row = rowOf(model, cells.first());
    QVERIFY(row >= 0);
    QCOMPARE(shownRow(model, row), cells);
    QCOMPARE(model.designation(row), cells.first());
    QCOMPARE(model.recommendedRow(), recommendedRow);
}

void SectionSurveyModelTest::everyCellIsTheSurveysText_data()
{
    QTest::addColumn<Inputs>("inputs");
    QTest::newRow("at start") << Inputs::AtStart;
    QTest::newRow("qk 20") << Inputs::LiveLoad20;
    QTest::newRow("fault rows") << Inputs::ShearOverflows;
}

void SectionSurveyModelTest::everyCellIsTheSurveysText()
{
    QFETCH(Inputs, inputs);
    const SectionSurvey survey = surveySections(textsFor(inputs));
    const SectionSurveyModel model(survey);

    QCOMPARE(model.rowCount(), int(survey.rows.size()));
    for (int row = 0; row < model.rowCount(); ++row) {
        const SurveyRow& expected = survey.rows[std::size_t(row)];
        const QStringList cells = shownRow(model, row);
        QCOMPARE(cells[Designation], utf8(expected.section->designation));
        QCOMPARE(cells[Mass], utf8(expected.massText));
        for (const auto& [column, quantity] : {std::pair{Bending, Quantity::BendingStress},
                                              std::pair{Shear, Quantity::ShearStress},
                                              std::pair{Deflection, Quantity::Deflection},
                                              std::pair{AllowableDeflection, Quantity::AllowableDeflection}})
            QCOMPARE(cells[column], utf8(expected.check.text(quantity)));
        for (std::size_t i = 0; i < checks.size(); ++i) {
            const Column verdictColumn[] = {BendingVerdict, ShearVerdict, DeflectionVerdict};
            const Column ratioColumn[] = {BendingRatio, ShearRatio, DeflectionRatio};
            const auto verdict = expected.check.verdict(checks[i]);
            QCOMPARE(cells[verdictColumn[i]], verdict ? utf8(verdictWord(*verdict)) : QString());
            QCOMPARE(cells[ratioColumn[i]],
                     verdict ? utf8(utilisationText(expected.check.utilisation(checks[i]))) : QString());
        }
        QCOMPARE(cells[Remark].isEmpty(), !expected.recommended && !expected.check.fault());
        QCOMPARE(cells[Remark] == QStringLiteral("推荐"), expected.recommended);
        QCOMPARE(cells[Remark].startsWith(QStringLiteral("溢出")), expected.check.fault().has_value());
    }
}

void SectionSurveyModelTest::failuresAreRed()
{
    const SectionSurveyModel model(surveySections(textsFor(Inputs::LiveLoad20)));
    const auto colour = [&](const char* designation, Column column) {
        return model.index(rowOf(model, QString::fromUtf8(designation)), column).data(Qt::ForegroundRole);
    };
    const QVariant red = QColor(255, 0, 0);

    // [14a at qk = 20: sigma 314.95 (1.465 of 215) and delta 20.17 (1.503 of
    // 13.4164) fail, tau 44.56 (0.357 of 125) passes.
    QCOMPARE(colour("[14a", BendingVerdict), red);
    QCOMPARE(colour("[14a", BendingRatio), red);
    QCOMPARE(colour("[14a", ShearVerdict), QVariant());
    QCOMPARE(colour("[14a", ShearRatio), QVariant());
    QCOMPARE(colour("[14a", DeflectionVerdict), red);
    QCOMPARE(colour("[14a", DeflectionRatio), red);
    // Results, designations and masses keep the table's colour.
    QCOMPARE(colour("[14a", Bending), QVariant());
    QCOMPARE(colour("[14a", Designation), QVariant());
    // 口200x100x4 passes every check: sigma 204.85 is 0.953 of 215.
    for (int column = 0; column < ColumnCount; ++column)
        QCOMPARE(colour("口200x100x4", Column(column)), QVariant());
    QCOMPARE(model.index(rowOf(model, QStringLiteral("口200x100x4")), Remark).data().toString(),
             QStringLiteral("推荐"));

    // A fault is a failure too.
    const SectionSurveyModel faulted(surveySections(textsFor(Inputs::ShearOverflows)));
    QCOMPARE(faulted.index(rowOf(faulted, QStringLiteral("HN350x175")), Remark).data(Qt::ForegroundRole), red);
}

void SectionSurveyModelTest::sortsByValue_data()
{
    QTest::addColumn<Inputs>("inputs");
    QTest::addColumn<int>("column");
    QTest::addColumn<Qt::SortOrder>("order");
    QTest::addColumn<QStringList>("first");
    QTest::addColumn<QStringList>("last");

    // At start sigma runs from 7.72 (HN350x175) and 12.01 (HN300x150) up to
    // 85.91 (口150x100x3); as texts "12.01" would come before "7.72".
    QTest::newRow("stress ascending, as numbers")
        << Inputs::AtStart << int(Bending) << Qt::AscendingOrder
        << QStringList{"HN350x175", "HN300x150", "HN250x125"} << QStringList{"[14a", "口150x100x3"};
    QTest::newRow("stress descending")
        << Inputs::AtStart << int(Bending) << Qt::DescendingOrder << QStringList{"口150x100x3", "[14a"}
        << QStringList{"HN300x150", "HN350x175"};
    // Ratios 0.036 (HN350x175) to 0.400 (口150x100x3).
    QTest::newRow("ratio ascending")
        << Inputs::AtStart << int(BendingRatio) << Qt::AscendingOrder << QStringList{"HN350x175", "HN300x150"}
        << QStringList{"口150x100x3"};
    // Designations in the picker's order; as texts "HN…" would come before "[…".
    QTest::newRow("designations in catalogue order")
        << Inputs::AtStart << int(Designation) << Qt::AscendingOrder << QStringList{"[14a", "[14b", "[16a"}
        << QStringList{"口200x100x4", "口250x150x5"};
    // The two faulted rows have no shear stress: it sorts beyond every number,
    // last going up and first going down, the lighter first as in the survey.
    QTest::newRow("no value sorts beyond every number")
        << Inputs::ShearOverflows << int(Shear) << Qt::AscendingOrder << QStringList{}
        << QStringList{"HN300x150", "HN350x175"};
    QTest::newRow("no ratio sorts beyond every ratio")
        << Inputs::ShearOverflows << int(ShearRatio) << Qt::DescendingOrder << QStringList{"HN300x150", "HN350x175"}
        << QStringList{};
}

void SectionSurveyModelTest::sortsByValue()
{
    QFETCH(Inputs, inputs);
    QFETCH(int, column);
    QFETCH(Qt::SortOrder, order);
    QFETCH(QStringList, first);
    QFETCH(QStringList, last);

    SectionSurveyModel model(surveySections(textsFor(inputs)));
    QSortFilterProxyModel sorted;
    sorted.setSourceModel(&model);
    sorted.setSortRole(SectionSurveyModel::SortRole);
    sorted.sort(column, order);

    QStringList designations;
    for (int row = 0; row < sorted.rowCount(); ++row)
        designations << sorted.index(row, Designation).data().toString();
    QCOMPARE(designations.mid(0, first.size()), first);
    QCOMPARE(designations.mid(designations.size() - last.size()), last);
}

QTEST_MAIN(SectionSurveyModelTest)
#include "SectionSurveyModelTest.moc"
