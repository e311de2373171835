// The survey table under Qt's roles: the window model's texts, sort values,
// fail flags and alignments, and a view's sort by the sort values rather than
// by the texts.
#include "ui/model/SurveyTable.h"
#include "ui/qt/SectionSurveyModel.h"

#include <QColor>
#include <QSortFilterProxyModel>
#include <QTest>

#include <limits>

using namespace tarrowin;

namespace {

constexpr double never = std::numeric_limits<double>::infinity();

// Three columns, one of each alignment; the stresses sort as numbers in an
// order their texts do not ("12.01" < "314.95" < "7.72"), and a row without
// a stress sorts beyond every number.
SurveyTable handMadeTable()
{
    using enum SurveyTable::Alignment;
    SurveyTable table;
    table.columns = {{"截面", Text}, {"正应力\nN/mm2", Number}, {"正应力\n验算", Word}};
    table.rows = {
        {"[14a", {{"[14a", 0, false}, {"314.95", 314.95, false}, {"不满足", 1, true}}},
        {"HN200x100", {{"HN200x100", 12, false}, {"12.01", 12.01, false}, {"满足", 0, false}}},
        {"口150x100x3", {{"口150x100x3", 16, false}, {"7.72", 7.72, false}, {"满足", 0, false}}},
        {"HN300x150", {{"HN300x150", 14, false}, {"", never, false}, {"", 2, false}}},
    };
    table.recommendedRow = 2;
    table.massColumn = 1;  // any column: the adapter only passes it on
    return table;
}

}  // namespace

class SectionSurveyModelTest : public QObject {
    Q_OBJECT

private slots:
    void rolesAreTheTables();
    void sortsBySortRole_data();
    void sortsBySortRole();
};

void SectionSurveyModelTest::rolesAreTheTables()
{
    const SectionSurveyModel model(handMadeTable());
    QCOMPARE(model.rowCount(), 4);
    QCOMPARE(model.columnCount(), 3);
    QCOMPARE(model.headerData(0, Qt::Horizontal).toString(), QStringLiteral("截面"));
    QCOMPARE(model.headerData(1, Qt::Horizontal).toString(), QStringLiteral("正应力\nN/mm2"));
    QCOMPARE(model.headerData(2, Qt::Horizontal).toString(), QStringLiteral("正应力\n验算"));

    const QModelIndex failing = model.index(0, 2);
    QCOMPARE(failing.data().toString(), QStringLiteral("不满足"));
    QCOMPARE(failing.data(SectionSurveyModel::SortRole).toDouble(), 1.0);
    QCOMPARE(failing.data(Qt::ForegroundRole), QVariant(QColor(255, 0, 0)));
    const QModelIndex passing = model.index(2, 1);
    QCOMPARE(passing.data().toString(), QStringLiteral("7.72"));
    QCOMPARE(passing.data(SectionSurveyModel::SortRole).toDouble(), 7.72);
    QCOMPARE(passing.data(Qt::ForegroundRole), QVariant());

    // Text at the left, numbers at the right, words centred.
    QCOMPARE(model.index(1, 0).data(Qt::TextAlignmentRole).value<Qt::Alignment>(), Qt::AlignLeft | Qt::AlignVCenter);
    QCOMPARE(model.index(1, 1).data(Qt::TextAlignmentRole).value<Qt::Alignment>(), Qt::AlignRight | Qt::AlignVCenter);
    QCOMPARE(model.index(1, 2).data(Qt::TextAlignmentRole).value<Qt::Alignment>(), Qt::Alignment(Qt::AlignCenter));

    QCOMPARE(model.designation(2), QStringLiteral("口150x100x3"));
    QCOMPARE(model.recommendedRow(), 2);
    QCOMPARE(model.massColumn(), 1);
    SurveyTable none = handMadeTable();
    none.recommendedRow.reset();
    QCOMPARE(SectionSurveyModel(none).recommendedRow(), -1);
}

void SectionSurveyModelTest::sortsBySortRole_data()
{
    QTest::addColumn<Qt::SortOrder>("order");
    QTest::addColumn<QStringList>("designations");

    QTest::newRow("ascending") << Qt::AscendingOrder
                               << QStringList{"口150x100x3", "HN200x100", "[14a", "HN300x150"};
    QTest::newRow("descending") << Qt::DescendingOrder
                                << QStringList{"HN300x150", "[14a", "HN200x100", "口150x100x3"};
}

void SectionSurveyModelTest::sortsBySortRole()
{
    QFETCH(Qt::SortOrder, order);
    QFETCH(QStringList, designations);

    SectionSurveyModel model(handMadeTable());
    QSortFilterProxyModel sorted;
    sorted.setSourceModel(&model);
    sorted.setSortRole(SectionSurveyModel::SortRole);
    sorted.sort(1, order);

    QStringList shown;
    for (int row = 0; row < sorted.rowCount(); ++row)
        shown << sorted.index(row, 0).data().toString();
    QCOMPARE(shown, designations);
}

QTEST_MAIN(SectionSurveyModelTest)
#include "SectionSurveyModelTest.moc"
