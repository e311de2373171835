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
        session = makeSession(desktop);
        QVERIFY(showAndActivate(*session));
    }
    void cleanup()
    {
        if (QWidget* popup = QApplication::activePopupWidget())
            popup->close();
        session.reset();
    }

    void shortcutRunsItsCommand_data();
    void shortcutRunsItsCommand();
    void contextMenuListsTheCommands_data();
    void contextMenuListsTheCommands();
    void textBoxesKeepTheirOwnMenu_data();
    void textBoxesKeepTheirOwnMenu();

private:
    SectionSurveyDialog* openDialog() { return session->window().findChild<SectionSurveyDialog*>(); }

    std::unique_ptr<WindowSession> session;
    FakeDesktop* desktop = nullptr;
};

void WindowCommandsTest::shortcutRunsItsCommand_data()
{
    QTest::addColumn<QString>("focused");
    QTest::addColumn<QKeySequence>("key");
    // The file dialog the command asks the desktop for, or the caption of
    // the dialog it opens.
    QTest::addColumn<QString>("shows");

    // A text box claims the keys it edits with before any shortcut sees them;
    // on X11 that includes Ctrl+E and Ctrl+U.
    const QList<std::pair<const char*, const char*>> places{
        {"in a text box", "Text1"}, {"in a read-only result", "Text6"}, {"in the picker", "Combo1"},
        {"on a button", "Command1"}};
    // With no file yet, 保存 asks where, as 另存为 does.
    const QList<std::tuple<const char*, QKeySequence, const char*>> commands{
        {"打开", QKeySequence(Qt::CTRL | Qt::Key_O), "打开"},
        {"保存", QKeySequence(Qt::CTRL | Qt::Key_S), "另存为"},
        {"另存为", QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S), "另存为"},
        {"计算书", QKeySequence(Qt::CTRL | Qt::Key_P), "计算书"},
        {"截面优选", QKeySequence(Qt::Key_F3), "截面优选"}};
    for (const auto& [command, key, shows] : commands)
        for (const auto& [place, focused] : places)
            QTest::addRow("%s %s", command, place) << focused << key << shows;
}

void WindowCommandsTest::shortcutRunsItsCommand()
{
    QFETCH(QString, focused);
    QFETCH(QKeySequence, key);
    QFETCH(QString, shows);

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

    // The dialog that the command opens is closed as soon as it shows.
    QString shown;
    ModalAnswerer answerer({[&shown](QWidget* dialog) {
        shown = dialog->windowTitle();
        return dialog->close();
    }});
    QTest::keySequence(QApplication::focusWidget(), key);

    QTRY_VERIFY(!shown.isEmpty() || !desktop->questions.isEmpty());
    QCOMPARE(desktop->questions.isEmpty() ? shown : desktop->questions.first(), shows);
    QStringList after;
    for (Field field : allFields())
        after << fieldText(*session, field);
    if (shows == QStringLiteral("计算书")) {
        // It calculates first, as 计算 does.
        QCOMPARE(fieldText(*session, "Text6"), QStringLiteral("67.89"));
    } else {
        QCOMPARE(after, before);
    }
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
    // Files first, then what the window makes of its stringer.
    const QStringList commands{QStringLiteral("打开…\tCtrl+O"), QStringLiteral("保存…\tCtrl+S"),
                               QStringLiteral("另存为…\tCtrl+Shift+S"), QStringLiteral("计算书…\tCtrl+P"),
                               QStringLiteral("截面优选…\tF3")};
    QCOMPARE(entries, commands);

    // An entry runs its command: the last opens the survey.
    QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(menu->actions().last()).center());
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
