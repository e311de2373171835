// What a screen reader learns from the section picker: its name and value,
// its list of entries, whether that list is open, the actions that open and
// close it, and which entry has the focus while it is open.
#include "WindowTestSupport.h"

#include <QAbstractItemView>
#include <QAccessible>
#include <QComboBox>
#include <QStyle>
#include <QStyleOptionComboBox>

using namespace tarrowin;
using namespace tarrowin::testing;

namespace {

// The catalogue in its order: twelve channels, four H sections, three boxes
// ("口" is U+53E3, "x" the ASCII letter).
const QStringList designations{
    "[14a", "[14b", "[16a", "[16b", "[18a", "[18b", "[20a", "[20b", "[22a", "[22b", "[25a", "[25b",
    "HN200x100", "HN250x125", "HN300x150", "HN350x175",
    "口150x100x3", "口200x100x4", "口250x150x5"};

// Ix of the sections [14a and [14b, as the hidden field Text15 shows it.
const QString inertia14a = QStringLiteral("5640000");
const QString inertia14b = QStringLiteral("6090000");

enum class Open { AltDown, ArrowClick, ShowMenuAction };
enum class Close { Escape, PickWithKeys, ClickElsewhere, PressAction };

}  // namespace

class SectionPickerAccessibilityTest : public QObject {
    Q_OBJECT

private slots:
    void init()
    {
        session = makeSession();
        QVERIFY(showAndActivate(*session));
        picker = control<QComboBox>(*session, "Combo1");
        reader = QAccessible::queryAccessibleInterface(picker);
        QVERIFY(reader);
    }
    void cleanup() { session.reset(); }

    void nameAndValueStayThePickersOwn();
    void listChildHoldsTheEntriesInCatalogueOrder();
    void expandedExactlyWhileTheListShows_data();
    void expandedExactlyWhileTheListShows();
    void focusFollowsTheCurrentEntryOfTheOpenList();

private:
    QAccessibleInterface* list() const { return reader->child(0); }
    bool listShows() const { return picker->view()->isVisible(); }
    QStringList focusedEntries() const
    {
        QStringList focused;
        QAccessibleInterface* entries = list();
        for (int i = 0; i < entries->childCount(); ++i) {
            if (entries->child(i)->state().focused)
                focused << entries->child(i)->text(QAccessible::Name);
        }
        return focused;
    }
    void clickArrow()
    {
        QStyleOptionComboBox option;
        option.initFrom(picker);
        option.editable = true;
        const QRect arrow = picker->style()->subControlRect(QStyle::CC_ComboBox, &option,
                                                            QStyle::SC_ComboBoxArrow, picker);
        QTest::mouseClick(picker, Qt::LeftButton, {}, arrow.center());
    }

    std::unique_ptr<WindowSession> session;
    QComboBox* picker = nullptr;
    QAccessibleInterface* reader = nullptr;
};

void SectionPickerAccessibilityTest::nameAndValueStayThePickersOwn()
{
    QCOMPARE(reader->role(), QAccessible::ComboBox);
    QCOMPARE(reader->text(QAccessible::Name), QStringLiteral("选择截面"));
    QCOMPARE(reader->text(QAccessible::Value), QStringLiteral("[14a"));

    QTest::keyClick(picker, Qt::Key_Down);  // picks [14b
    QCOMPARE(reader->text(QAccessible::Name), QStringLiteral("选择截面"));
    QCOMPARE(reader->text(QAccessible::Value), QStringLiteral("[14b"));
    QCOMPARE(reader->state().editable, true);
}

void SectionPickerAccessibilityTest::listChildHoldsTheEntriesInCatalogueOrder()
{
    QCOMPARE(reader->childCount(), 2);
    QAccessibleInterface* entries = list();
    QVERIFY(entries);
    QCOMPARE(entries->role(), QAccessible::List);
    QCOMPARE(reader->indexOfChild(entries), 0);
    // A reader that walks up from the list comes back to the picker.
    QCOMPARE(entries->parent(), reader);

    QStringList names;
    for (int i = 0; i < entries->childCount(); ++i) {
        QAccessibleInterface* entry = entries->child(i);
        QCOMPARE(entry->role(), QAccessible::ListItem);
        names << entry->text(QAccessible::Name);
    }
    QCOMPARE(names, designations);

    // The edit part is the second child, where the caret and typing are.
    QAccessibleInterface* editPart = reader->child(1);
    QVERIFY(editPart);
    QCOMPARE(editPart->role(), QAccessible::EditableText);
    QCOMPARE(reader->indexOfChild(editPart), 1);
}

void SectionPickerAccessibilityTest::expandedExactlyWhileTheListShows_data()
{
    QTest::addColumn<Open>("open");
    QTest::addColumn<Close>("close");
    QTest::addColumn<QString>("shownAfter");
    QTest::addColumn<QString>("inertiaAfter");

    QTest::newRow("Alt+Down, Escape") << Open::AltDown << Close::Escape << "[14a" << inertia14a;
    QTest::newRow("Alt+Down, Down and Enter") << Open::AltDown << Close::PickWithKeys << "[14b" << inertia14b;
    QTest::newRow("arrow click, click elsewhere") << Open::ArrowClick << Close::ClickElsewhere << "[14a"
                                                  << inertia14a;
    // Either action opens a closed list and closes an open one; neither picks.
    QTest::newRow("show-menu action, press action") << Open::ShowMenuAction << Close::PressAction << "[14a"
                                                    << inertia14a;
}

void SectionPickerAccessibilityTest::expandedExactlyWhileTheListShows()
{
    QFETCH(Open, open);
    QFETCH(Close, close);
    QFETCH(QString, shownAfter);
    QFETCH(QString, inertiaAfter);

    QVERIFY(!listShows());
    QVERIFY(!reader->state().expanded);
    QVERIFY(reader->state().collapsed);
    QVERIFY(reader->state().expandable);

    QAccessibleActionInterface* actions = reader->actionInterface();
    QVERIFY(actions);
    const QString showMenu = QAccessibleActionInterface::showMenuAction();
    const QString press = QAccessibleActionInterface::pressAction();
    QVERIFY(actions->actionNames().contains(showMenu));
    QVERIFY(actions->actionNames().contains(press));

    switch (open) {
    case Open::AltDown: QTest::keyClick(picker, Qt::Key_Down, Qt::AltModifier); break;
    case Open::ArrowClick: clickArrow(); break;
    case Open::ShowMenuAction: actions->doAction(showMenu); break;
    }
    QTRY_VERIFY(listShows());
    QVERIFY(reader->state().expanded);
    QVERIFY(!reader->state().collapsed);

    switch (close) {
    case Close::Escape: QTest::keyClick(picker->view(), Qt::Key_Escape); break;
    case Close::PickWithKeys:
        QTest::keyClick(picker->view(), Qt::Key_Down);
        QTest::keyClick(picker->view(), Qt::Key_Return);
        break;
    case Close::ClickElsewhere: {
        // The open list holds the mouse, so a click anywhere else on the
        // screen reaches it, outside its own rectangle: here on the maker's
        // name line in the footer.
        QWidget* popup = picker->view()->window();
        QWidget* elsewhere = control(*session, "Label18");
        const QPoint onFooter = popup->mapFromGlobal(elsewhere->mapToGlobal(elsewhere->rect().center()));
        QVERIFY(!popup->rect().contains(onFooter));
        QTest::mouseClick(popup, Qt::LeftButton, {}, onFooter);
        break;
    }
    case Close::PressAction: actions->doAction(press); break;
    }
    QTRY_VERIFY(!listShows());
    QVERIFY(!reader->state().expanded);
    QVERIFY(reader->state().collapsed);

    QCOMPARE(reader->text(QAccessible::Value), shownAfter);
    QCOMPARE(control<QLineEdit>(*session, "Text15")->text(), inertiaAfter);
}

void SectionPickerAccessibilityTest::focusFollowsTheCurrentEntryOfTheOpenList()
{
    // Closed, the picker itself has the focus and no entry claims it.
    QCOMPARE(reader->focusChild(), reader);
    QCOMPARE(focusedEntries(), QStringList{});

    QTest::keyClick(picker, Qt::Key_Down, Qt::AltModifier);
    QTRY_VERIFY(listShows());
    QCOMPARE(focusedEntries(), QStringList{"[14a"});
    QCOMPARE(reader->focusChild()->text(QAccessible::Name), QStringLiteral("[14a"));

    QTest::keyClick(picker->view(), Qt::Key_Down);
    QTest::keyClick(picker->view(), Qt::Key_Down);
    QCOMPARE(focusedEntries(), QStringList{"[16a"});
    QCOMPARE(reader->focusChild()->text(QAccessible::Name), QStringLiteral("[16a"));

    QTest::keyClick(picker->view(), Qt::Key_Escape);
    QTRY_VERIFY(!listShows());
    QCOMPARE(reader->focusChild(), reader);
}

QTEST_MAIN(SectionPickerAccessibilityTest)
#include "SectionPickerAccessibilityTest.moc"
