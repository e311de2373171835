// 截面优选 over the window: the window model's lines and table for the window
// as it stands, the recommendation selected, choosing a section exactly as the
// picker's list does, closing without a trace, and the keyboard, screen
// reader and font.
#include "WindowTestSupport.h"

#include "ui/model/SurveyTable.h"
#include "ui/qt/SectionSurveyDialog.h"
#include "ui/qt/WindowCommands.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QRawFont>
#include <QRegularExpression>
#include <QScreen>
#include <QScrollBar>
#include <QTableView>

using namespace tarrowin;
using namespace tarrowin::testing;

namespace {

enum class Choose { ChooseButton, DoubleClick, EnterInTable };
enum class Close { EscapeKey, CloseButton, WindowClose };

// Everything a user could see change: every field, the message's colour, the
// picker's text and current entry, the selected option.
QStringList windowState(WindowSession& session)
{
    QStringList state;
    for (Field field : allFields())
        state << fieldText(session, field);
    const Rgb colour = session.model().sheet().messageColour();
    state << QStringLiteral("colour %1 %2 %3").arg(colour.red).arg(colour.green).arg(colour.blue);
    const auto* picker = control<QComboBox>(session, "Combo1");
    state << picker->currentText() << QString::number(picker->currentIndex());
    state << QString::number(control<QRadioButton>(session, "Option2")->isChecked());
    return state;
}

}  // namespace

Q_DECLARE_METATYPE(Choose)
Q_DECLARE_METATYPE(Close)

class SectionSurveyDialogTest : public QObject {
    Q_OBJECT

private slots:
    void init()
    {
        session = makeSession();
        QVERIFY(showAndActivate(*session));
    }
    void cleanup() { session.reset(); }

    void linesAreTheModels();
    void recommendationIsSelected_data();
    void recommendationIsSelected();
    void choosingPicksAsTheListDoes_data();
    void choosingPicksAsTheListDoes();
    void closingChangesNothing_data();
    void closingChangesNothing();
    void tabReachesTheTableAndEveryButton();
    void everyControlHasAChineseName();
    void everyTextIsInTheWindowFace();
    void showsWholeWhereTheScreenHasRoom_data();
    void showsWholeWhereTheScreenHasRoom();

private:
    SectionSurveyDialog* openSurvey()
    {
        session->window().surveySections();
        auto* dialog = session->window().findChild<SectionSurveyDialog*>();
        if (dialog && !QTest::qWaitForWindowExposed(dialog))
            return nullptr;
        return dialog;
    }
    template <typename Widget = QWidget>
    static Widget* part(SectionSurveyDialog* dialog, const char* name)
    {
        return dialog->findChild<Widget*>(QString::fromLatin1(name));
    }
    static QModelIndex shownRowOf(QTableView* table, const QString& designation)
    {
        const QModelIndexList found =
            table->model()->match(table->model()->index(0, 0), Qt::DisplayRole, designation, 1, Qt::MatchExactly);
        return found.isEmpty() ? QModelIndex() : found.first();
    }
    static void clickRow(QTableView* table, const QModelIndex& index)
    {
        table->scrollTo(index);
        QTest::mouseClick(table->viewport(), Qt::LeftButton, {}, table->visualRect(index).center());
    }

    std::unique_ptr<WindowSession> session;
};

void SectionSurveyDialogTest::linesAreTheModels()
{
    // Texts as typed and Q355B: the lines are what the window model lays out
    // for the window as it stands.
    retype(control(*session, "Text1"), QStringLiteral("3,600"));
    retype(control(*session, "Text5"), QStringLiteral("20"));
    QTest::mouseClick(control(*session, "Option2"), Qt::LeftButton);

    SectionSurveyDialog* dialog = openSurvey();
    QVERIFY(dialog);
    const SurveyTable table = session->model().surveyTable();
    const QString basis = part<QLabel>(dialog, "surveyBasis")->text();
    QCOMPARE(basis, QString::fromStdString(table.basisLine));
    QVERIFY(basis.contains(QStringLiteral("水平长度 3,600 mm")));
    QVERIFY(basis.contains(QStringLiteral("材质 Q355B")));
    QCOMPARE(part<QLabel>(dialog, "surveyConclusion")->text(), QString::fromStdString(table.conclusionLine));
}

void SectionSurveyDialogTest::recommendationIsSelected_data()
{
    QTest::addColumn<QString>("liveLoad");
    QTest::addColumn<QString>("selected");

    // At start the lightest section, 口150x100x3, passes (sigma 85.91 of 215).
    QTest::newRow("the lightest passes") << "3.5" << "口150x100x3";
    // qk = 20: 口200x100x4 (18.34 kg/m, sigma 204.85 of 215) is the lightest
    // that passes; the four lighter sections fail in bending.
    QTest::newRow("a heavier section passes") << "20" << "口200x100x4";
    // qk = 200: even HN350x175 has sigma 314.92 > 215.
    QTest::newRow("none passes") << "200" << "";
}

void SectionSurveyDialogTest::recommendationIsSelected()
{
    QFETCH(QString, liveLoad);
    QFETCH(QString, selected);

    retype(control(*session, "Text5"), liveLoad);
    SectionSurveyDialog* dialog = openSurvey();
    QVERIFY(dialog);

    auto* table = part<QTableView>(dialog, "surveyTable");
    const QModelIndexList rows = table->selectionModel()->selectedRows();
    QCOMPARE(rows.size(), selected.isEmpty() ? 0 : 1);
    if (!selected.isEmpty()) {
        QCOMPARE(rows.first().data().toString(), selected);
        QCOMPARE(table->currentIndex().row(), rows.first().row());
    }
    // Nothing to choose until the user selects a row.
    QCOMPARE(part<QPushButton>(dialog, "chooseButton")->isEnabled(), !selected.isEmpty());
    QCOMPARE(QApplication::focusWidget(), table);
}

void SectionSurveyDialogTest::choosingPicksAsTheListDoes_data()
{
    QTest::addColumn<Choose>("choose");
    QTest::newRow("选用") << Choose::ChooseButton;
    QTest::newRow("double click") << Choose::DoubleClick;
    QTest::newRow("Enter") << Choose::EnterInTable;
}

void SectionSurveyDialogTest::choosingPicksAsTheListDoes()
{
    QFETCH(Choose, choose);

    // The same steps in a second window, with [14b picked from the list by
    // the Down key, the list's first entry being current.
    QStringList pickedFromList;
    {
        auto reference = makeSession();
        QVERIFY(showAndActivate(*reference));
        QTest::mouseClick(control(*reference, "Command1"), Qt::LeftButton);
        QTest::keyClick(control(*reference, "Combo1"), Qt::Key_Down);
        pickedFromList = windowState(*reference);
    }
    QVERIFY(showAndActivate(*session));

    QTest::mouseClick(control(*session, "Command1"), Qt::LeftButton);
    SectionSurveyDialog* dialog = openSurvey();
    QVERIFY(dialog);
    const QPointer<SectionSurveyDialog> open(dialog);
    auto* table = part<QTableView>(dialog, "surveyTable");
    const QModelIndex row14b = shownRowOf(table, QStringLiteral("[14b"));
    QVERIFY(row14b.isValid());
    clickRow(table, row14b);
    // Selecting a row picks nothing yet.
    QCOMPARE(fieldText(*session, Field::SectionDesignation), QStringLiteral("[14a"));

    switch (choose) {
    case Choose::ChooseButton: QTest::mouseClick(part(dialog, "chooseButton"), Qt::LeftButton); break;
    case Choose::DoubleClick:
        QTest::mouseDClick(table->viewport(), Qt::LeftButton, {}, table->visualRect(row14b).center());
        break;
    case Choose::EnterInTable:
        QCOMPARE(QApplication::focusWidget(), table);
        QTest::keyClick(table, Qt::Key_Return);
        break;
    }

    QTRY_VERIFY(open.isNull());
    QCOMPARE(windowState(*session), pickedFromList);
    // [14b's properties in Text15 to Text19; the results on show are still
    // the worked example's until 计算.
    QCOMPARE(control<QComboBox>(*session, "Combo1")->currentText(), QStringLiteral("[14b"));
    QCOMPARE(fieldText(*session, "Text15"), QStringLiteral("6090000"));
    QCOMPARE(fieldText(*session, "Text19"), QStringLiteral("16.7"));
    QCOMPARE(control<QLineEdit>(*session, "Text6")->text(), QStringLiteral("67.89"));
    QCOMPARE(control<QLineEdit>(*session, "Text12")->text(), QStringLiteral("满足要求!"));
}

void SectionSurveyDialogTest::closingChangesNothing_data()
{
    QTest::addColumn<Close>("close");
    QTest::newRow("Escape") << Close::EscapeKey;
    QTest::newRow("关闭") << Close::CloseButton;
    QTest::newRow("the dialog's own close") << Close::WindowClose;
}

void SectionSurveyDialogTest::closingChangesNothing()
{
    QFETCH(Close, close);

    // A window that differs from its start: typed text, Q355B, a failed
    // calculation in red.
    retype(control(*session, "Combo1"), QStringLiteral("HN200"));
    retype(control(*session, "Text5"), QStringLiteral("20"));
    QTest::mouseClick(control(*session, "Option2"), Qt::LeftButton);
    QTest::mouseClick(control(*session, "Command1"), Qt::LeftButton);
    const QStringList before = windowState(*session);

    SectionSurveyDialog* dialog = openSurvey();
    QVERIFY(dialog);
    const QPointer<SectionSurveyDialog> open(dialog);
    auto* table = part<QTableView>(dialog, "surveyTable");
    clickRow(table, shownRowOf(table, QStringLiteral("HN250x125")));

    switch (close) {
    case Close::EscapeKey: QTest::keyClick(table, Qt::Key_Escape); break;
    case Close::CloseButton: QTest::mouseClick(part(dialog, "closeButton"), Qt::LeftButton); break;
    case Close::WindowClose: dialog->close(); break;
    }

    QTRY_VERIFY(open.isNull());
    QCOMPARE(windowState(*session), before);
}

void SectionSurveyDialogTest::tabReachesTheTableAndEveryButton()
{
    SectionSurveyDialog* dialog = openSurvey();
    QVERIFY(dialog);
    QSet<QWidget*> reached;
    for (int press = 0; press < 6; ++press) {
        reached.insert(QApplication::focusWidget());
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    }
    const QSet<QWidget*> expected{part(dialog, "surveyTable"), part(dialog, "chooseButton"),
                                  part(dialog, "closeButton")};
    QCOMPARE(reached, expected);
}

void SectionSurveyDialogTest::everyControlHasAChineseName()
{
    SectionSurveyDialog* dialog = openSurvey();
    QVERIFY(dialog);
    const QRegularExpression chinese(QStringLiteral("[\\x{4E00}-\\x{9FFF}]"));
    QVERIFY(QAccessible::queryAccessibleInterface(dialog)->text(QAccessible::Name).contains(chinese));
    int named = 0;
    for (QWidget* widget : dialog->findChildren<QWidget*>()) {
        if (!widget->isVisible() || (widget->focusPolicy() == Qt::NoFocus && !qobject_cast<QLabel*>(widget)))
            continue;
        QAccessibleInterface* reader = QAccessible::queryAccessibleInterface(widget);
        QVERIFY(reader);
        const QString name = reader->text(QAccessible::Name);
        QVERIFY2(name.contains(chinese), qPrintable(widget->metaObject()->className() + (": " + name)));
        ++named;
    }
    // Two lines, the table, two buttons.
    QCOMPARE(named, 5);
}

void SectionSurveyDialogTest::everyTextIsInTheWindowFace()
{
    // The fault rows' words come from the model's fault summary; overflow them
    // all: L = 1, H = 0, B = 2 and qk = 1e306 overflow V x Sx for HN300x150
    // and HN350x175.
    retype(control(*session, "Text1"), QStringLiteral("1"));
    retype(control(*session, "Text2"), QStringLiteral("0"));
    retype(control(*session, "Text3"), QStringLiteral("2"));
    retype(control(*session, "Text5"), QStringLiteral("1e306"));
    SectionSurveyDialog* dialog = openSurvey();
    QVERIFY(dialog);

    QString texts = dialog->windowTitle();
    for (const QLabel* label : dialog->findChildren<QLabel*>())
        texts += label->text();
    for (const QAbstractButton* button : dialog->findChildren<QAbstractButton*>())
        texts += button->text();
    const QAbstractItemModel* table = part<QTableView>(dialog, "surveyTable")->model();
    for (int column = 0; column < table->columnCount(); ++column) {
        texts += table->headerData(column, Qt::Horizontal).toString();
        for (int row = 0; row < table->rowCount(); ++row)
            texts += table->index(row, column).data().toString();
    }
    for (const WindowCommand& command : windowCommands())
        texts += QString::fromUtf8(command.caption);
    // The short fault words are in the face too.
    texts += QStringLiteral("除零");
    QVERIFY(texts.contains(QStringLiteral("溢出（计算剪应力时）")));
    // Headers put the unit on a line of its own.
    texts.remove(QLatin1Char('\n'));

    const QRawFont font = QRawFont::fromFont(dialog->font());
    QVERIFY(font.isValid());
    for (const uint code : texts.toUcs4()) {
        const char32_t character = code;
        QVERIFY2(font.supportsCharacter(character),
                 qPrintable(QStringLiteral("%1 missing from %2").arg(QString::fromUcs4(&character, 1),
                                                                      font.familyName())));
    }
}

void SectionSurveyDialogTest::showsWholeWhereTheScreenHasRoom_data()
{
    QTest::addColumn<QString>("liveLoad");
    QTest::addColumn<int>("selectedRow");
    // The lightest section passes and is the first row; at qk = 20 the
    // fifth is the lightest that passes.
    QTest::newRow("first row selected") << "3.5" << 0;
    QTest::newRow("fifth row selected") << "20" << 4;
}

// Run on the offscreen platform's own 800 x 600 screen and, through a
// configuration file, on a screen of 1280 x 1024, where the whole table fits.
void SectionSurveyDialogTest::showsWholeWhereTheScreenHasRoom()
{
    QFETCH(QString, liveLoad);
    QFETCH(int, selectedRow);
    retype(control(*session, "Text5"), liveLoad);
    SectionSurveyDialog* dialog = openSurvey();
    QVERIFY(dialog);
    auto* table = part<QTableView>(dialog, "surveyTable");
    QCOMPARE(table->currentIndex().row(), selectedRow);

    const QRect available = dialog->screen()->availableGeometry();
    QVERIFY2(available.contains(dialog->frameGeometry()),
             qPrintable(QStringLiteral("%1 x %2 on a screen of %3 x %4")
                            .arg(dialog->frameGeometry().width())
                            .arg(dialog->frameGeometry().height())
                            .arg(available.width())
                            .arg(available.height())));

    // The selected row in view, whole.
    const QRect viewport = table->viewport()->rect();
    QVERIFY(viewport.contains(table->visualRect(table->currentIndex())));

    if (available.width() < 1280 || available.height() < 1024)
        return;
    QVERIFY(!table->horizontalScrollBar()->isVisible());
    QVERIFY(!table->verticalScrollBar()->isVisible());
    QCOMPARE(table->rowViewportPosition(0), 0);
    const int lastRow = table->model()->rowCount() - 1;
    QCOMPARE(lastRow + 1, 19);
    QVERIFY(table->rowViewportPosition(lastRow) + table->rowHeight(lastRow) <= viewport.height());
    const QHeaderView* header = table->horizontalHeader();
    for (int column = 0; column < table->model()->columnCount(); ++column) {
        QVERIFY2(!table->isColumnHidden(column), qPrintable(QString::number(column)));
        QVERIFY2(header->sectionViewportPosition(column) >= 0
                     && header->sectionViewportPosition(column) + header->sectionSize(column) <= viewport.width(),
                 qPrintable(table->model()->headerData(column, Qt::Horizontal).toString()));
    }
}

QTEST_MAIN(SectionSurveyDialogTest)
#include "SectionSurveyDialogTest.moc"
