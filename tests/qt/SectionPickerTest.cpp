// The section picker: only a pick from its list runs the section lookup.
// Qt's editable combo box activates an entry on its own when the typed text
// matches one (on Enter or on leaving the box, even ignoring case) and
// completes words while typing; each of those paths is tried here.
#include "WindowTestSupport.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QStyle>
#include <QStyleOptionComboBox>

using namespace tarrowin;
using namespace tarrowin::testing;

namespace {

enum class Finish { Nothing, ReturnKey, EnterKey, TabAway, ClickElsewhere };
enum class Pick { DownKey, DownKeyAfterTyping, ClickInOpenList, ClickCurrentAfterTyping, KeysInOpenList };

// The section fields Text15 to Text19 of three catalogue rows.
const QStringList section14a{"5640000", "80500", "6", "47500", "14.5"};
const QStringList section14b{"6090000", "87100", "8", "52400", "16.7"};
const QStringList sectionHN200{"18100000", "181000", "5.5", "100070", "20.9"};

}  // namespace

class SectionPickerTest : public QObject {
    Q_OBJECT

private slots:
    void init()
    {
        session = makeSession();
        QVERIFY(showAndActivate(*session));
        picker = control<QComboBox>(*session, "Combo1");
        QCOMPARE(QApplication::focusWidget(), picker);
    }
    void cleanup() { session.reset(); }

    void typingNeverLooksUp_data();
    void typingNeverLooksUp();
    void pickingLooksUp_data();
    void pickingLooksUp();

private:
    QStringList sectionFields()
    {
        QStringList texts;
        for (const char* name : {"Text15", "Text16", "Text17", "Text18", "Text19"})
            texts << control<QLineEdit>(*session, name)->text();
        return texts;
    }
    void openListByMouse()
    {
        QStyleOptionComboBox option;
        option.initFrom(picker);
        option.editable = true;
        const QRect arrow = picker->style()->subControlRect(QStyle::CC_ComboBox, &option,
                                                            QStyle::SC_ComboBoxArrow, picker);
        QTest::mouseClick(picker, Qt::LeftButton, {}, arrow.center());
        QTRY_VERIFY(picker->view()->isVisible());
        // The open list ignores a release that comes as quick as a double click.
        QTest::qWait(QApplication::doubleClickInterval() + 50);
    }

    std::unique_ptr<WindowSession> session;
    QComboBox* picker = nullptr;
};

void SectionPickerTest::typingNeverLooksUp_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<Finish>("finish");

    QTest::newRow("entry, Return") << "HN200x100" << Finish::ReturnKey;
    QTest::newRow("entry, keypad Enter") << "口150x100x3" << Finish::EnterKey;
    QTest::newRow("entry, Tab away") << "HN200x100" << Finish::TabAway;
    QTest::newRow("entry, click elsewhere") << "[14b" << Finish::ClickElsewhere;
    QTest::newRow("entry in other case, Tab away") << "hn200x100" << Finish::TabAway;
    QTest::newRow("start of an entry, not completed") << "HN2" << Finish::Nothing;
    QTest::newRow("start of an entry, Return") << "[2" << Finish::ReturnKey;
    QTest::newRow("no entry, Return") << "HN999" << Finish::ReturnKey;
}

void SectionPickerTest::typingNeverLooksUp()
{
    QFETCH(QString, typed);
    QFETCH(Finish, finish);

    QTest::keyClick(picker, Qt::Key_A, Qt::ControlModifier);
    typeText(picker, typed);
    // Each keystroke has written the field.
    QCOMPARE(fieldText(*session, Field::SectionDesignation), typed);

    switch (finish) {
    case Finish::Nothing: break;
    case Finish::ReturnKey: QTest::keyClick(picker, Qt::Key_Return); break;
    case Finish::EnterKey: QTest::keyClick(picker, Qt::Key_Enter, Qt::KeypadModifier); break;
    case Finish::TabAway:
        QTest::keyClick(picker, Qt::Key_Tab);
        QVERIFY(!picker->hasFocus());
        break;
    case Finish::ClickElsewhere:
        QTest::mouseClick(control(*session, "Text1"), Qt::LeftButton);
        QVERIFY(!picker->hasFocus());
        break;
    }

    QCOMPARE(picker->currentText(), typed);
    QCOMPARE(fieldText(*session, Field::SectionDesignation), typed);
    QCOMPARE(sectionFields(), section14a);
    QCOMPARE(picker->count(), 19);
    QVERIFY(!picker->view()->isVisible());
}

void SectionPickerTest::pickingLooksUp_data()
{
    QTest::addColumn<Pick>("pick");
    QTest::addColumn<QString>("entry");
    QTest::addColumn<QStringList>("section");

    QTest::newRow("Down with the list closed") << Pick::DownKey << "[14b" << section14b;
    // The typed designation ran nothing; picking the same entry does.
    QTest::newRow("Down after typing") << Pick::DownKeyAfterTyping << "[14b" << section14b;
    QTest::newRow("click in the open list") << Pick::ClickInOpenList << "HN200x100" << sectionHN200;
    // The list's current entry is still [14a while the box shows typed text:
    // picking it puts its text back and looks it up again.
    QTest::newRow("click on the current entry after typing")
        << Pick::ClickCurrentAfterTyping << "[14a" << section14a;
    QTest::newRow("Down and Enter in the open list") << Pick::KeysInOpenList << "HN200x100" << sectionHN200;
}

void SectionPickerTest::pickingLooksUp()
{
    QFETCH(Pick, pick);
    QFETCH(QString, entry);
    QFETCH(QStringList, section);
    const int row = picker->findText(entry, Qt::MatchExactly | Qt::MatchCaseSensitive);
    QVERIFY(row >= 0);

    switch (pick) {
    case Pick::DownKeyAfterTyping:
        QTest::keyClick(picker, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(picker, QStringLiteral("HN200x100"));
        QCOMPARE(sectionFields(), section14a);
        [[fallthrough]];
    case Pick::DownKey:
        QTest::keyClick(picker, Qt::Key_Down);
        break;
    case Pick::ClickCurrentAfterTyping:
        QTest::keyClick(picker, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(picker, QStringLiteral("HN200x100"));
        [[fallthrough]];
    case Pick::ClickInOpenList: {
        openListByMouse();
        QAbstractItemView* list = picker->view();
        const QRect item = list->visualRect(list->model()->index(row, 0));
        QVERIFY(list->viewport()->rect().contains(item));
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, item.center());
        break;
    }
    case Pick::KeysInOpenList:
        QTest::keyClick(picker, Qt::Key_Down, Qt::AltModifier);
        QTRY_VERIFY(picker->view()->isVisible());
        for (int i = 0; i < row; ++i)
            QTest::keyClick(picker->view(), Qt::Key_Down);
        QTest::keyClick(picker->view(), Qt::Key_Return);
        break;
    }

    QTRY_VERIFY(!picker->view()->isVisible());
    QCOMPARE(picker->currentText(), entry);
    QCOMPARE(fieldText(*session, Field::SectionDesignation), entry);
    QCOMPARE(sectionFields(), section);
}

QTEST_MAIN(SectionPickerTest)
#include "SectionPickerTest.moc"
