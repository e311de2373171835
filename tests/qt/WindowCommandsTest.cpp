// The commands beyond the buttons: each listed in the window's context menu
// with its shortcut, and the shortcut working wherever the focus is.
#include "WindowTestSupport.h"

#include "ui/qt/SectionSurveyDialog.h"

#include <QAction>
#include <QComboBox>
#include <QMenu>
#include <QWindow>

using namespace tarrowin;
using namespace tarrowin::testing;

namespace {

// A right click as the platform delivers it: on the window at the point, so
// that Qt finds the control under it and turns the click into a context menu
// request for that control.
void rightClick(QWidget* target, QPoint at)
{
    QWindow* window = target->window()->windowHandle();
    QTest::mouseClick(window, Qt::RightButton, {}, window->mapFromGlobal(target->mapToGlobal(at)));
}

}  // namespace

class WindowCommandsTest : public QObject {
    Q_OBJECT

private slots:
    void init()
    {
        session = makeSession();
        QVERIFY(showAndActivate(*session));
    }
    void cleanup()
    {
        if (QWidget* popup = QApplication::activePopupWidget())
            popup->close();
        session.reset();
    }

    void shortcutOpensTheSurvey_data();
    void shortcutOpensTheSurvey();
    void contextMenuListsTheCommands_data();
    void contextMenuListsTheCommands();
    void textBoxesKeepTheirOwnMenu_data();
    void textBoxesKeepTheirOwnMenu();

private:
    SectionSurveyDialog* openDialog() { return session->window().findChild<SectionSurveyDialog*>(); }

    std::unique_ptr<WindowSession> session;
};

void WindowCommandsTest::shortcutOpensTheSurvey_data()
{
    QTest::addColumn<QString>("focused");
    // A text box claims the keys it edits with before any shortcut sees them;
    // on X11 that includes Ctrl+E and Ctrl+U.
    QTest::newRow("in a text box") << "Text1";
    QTest::newRow("in a read-only result") << "Text6";
    QTest::newRow("in the picker") << "Combo1";
    QTest::newRow("on a button") << "Command1";
}

void WindowCommandsTest::shortcutOpensTheSurvey()
{
    QFETCH(QString, focused);

    QWidget* target = control(*session, qPrintable(focused));
    target->setFocus(Qt::TabFocusReason);
    QCOMPARE(QApplication::focusWidget(), target);
    // The caret at the start of the text, where a text box would also take
    // the keys that delete or move to the end of the line.
    if (auto* box = qobject_cast<QLineEdit*>(target))
        box->setCursorPosition(0);
    else if (auto* picker = qobject_cast<QComboBox*>(target))
        picker->lineEdit()->setCursorPosition(0);
    QStringList before;
    for (Field field : allFields())
        before << fieldText(*session, field);

    QTest::keyClick(QApplication::focusWidget(), Qt::Key_F3);

    SectionSurveyDialog* dialog = openDialog();
    QVERIFY(dialog);
    QVERIFY(dialog->isVisible());
    QCOMPARE(dialog->windowTitle(), QStringLiteral("截面优选"));
    QStringList after;
    for (Field field : allFields())
        after << fieldText(*session, field);
    QCOMPARE(after, before);
    dialog->reject();
}

void WindowCommandsTest::contextMenuListsTheCommands_data()
{
    QTest::addColumn<QString>("target");
    QTest::addColumn<QPoint>("at");

    // The window's surface left of Frame1 (which starts at 40 pixels), a spot
    // of Frame2 below its last row, the caption 水平长度, and a disabled
    // verdict box, which takes no clicks of its own.
    QTest::newRow("the window's background") << "MainWindow" << QPoint(10, 10);
    QTest::newRow("a frame") << "Frame2" << QPoint(400, 100);
    QTest::newRow("a label") << "Label3" << QPoint(5, 5);
    QTest::newRow("a verdict box") << "Text9" << QPoint(5, 5);
}

void WindowCommandsTest::contextMenuListsTheCommands()
{
    QFETCH(QString, target);
    QFETCH(QPoint, at);

    QWidget* clicked = target == QStringLiteral("MainWindow") ? &session->window()
                                                               : control(*session, qPrintable(target));
    QVERIFY(clicked);
    QCOMPARE(session->window().childAt(clicked->mapTo(&session->window(), at)),
             clicked == &session->window() ? nullptr : clicked);
    rightClick(clicked, at);

    auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
    QVERIFY(menu);
    QStringList entries;
    for (const QAction* action : menu->actions()) {
        QVERIFY(action->isShortcutVisibleInContextMenu());
        entries << action->text() + QLatin1Char('\t') + action->shortcut().toString();
    }
    QCOMPARE(entries, QStringList{QStringLiteral("截面优选…\tF3")});

    // Its entry opens the survey.
    QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(menu->actions().first()).center());
    QTRY_VERIFY(openDialog());
    QVERIFY(!menu->isVisible());
    openDialog()->reject();
}

void WindowCommandsTest::textBoxesKeepTheirOwnMenu_data()
{
    QTest::addColumn<QString>("target");
    QTest::newRow("an input") << "Text1";
    QTest::newRow("a result") << "Text6";
    QTest::newRow("the picker") << "Combo1";
}

void WindowCommandsTest::textBoxesKeepTheirOwnMenu()
{
    QFETCH(QString, target);

    QWidget* box = control(*session, qPrintable(target));
    rightClick(box, QPoint(10, 8));

    auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
    QVERIFY(menu);
    // Qt's editing menu of the text box (of the picker's edit part), and no
    // command of the window.
    QCOMPARE(menu->objectName(), QStringLiteral("qt_edit_menu"));
    QVERIFY(menu->parentWidget() == box || menu->parentWidget()->parentWidget() == box);
    for (QAction* command : session->window().actions())
        QVERIFY(!menu->actions().contains(command));
}

QTEST_MAIN(WindowCommandsTest)
#include "WindowCommandsTest.moc"
