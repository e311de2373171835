// Qt's own texts in the window read Chinese, whatever the locale: a text
// box's context menu and the buttons of a file dialog (Qt's own dialog, as
// on any platform without one of its own).
#include "WindowTestSupport.h"

#include <QDialogButtonBox>
#include <QFileDialog>
#include <QMenu>
#include <QPushButton>
#include <QRegularExpression>

using namespace tarrowin;
using namespace tarrowin::testing;

namespace {

const QRegularExpression ideograph(QStringLiteral("[\\x{4E00}-\\x{9FFF}]"));

}  // namespace

class QtChineseTextsTest : public QObject {
    Q_OBJECT

private slots:
    void cleanup() { session.reset(); }

    void textBoxMenuReadsChinese_data();
    void textBoxMenuReadsChinese();
    void fileDialogButtonsReadChinese();

private:
    std::unique_ptr<WindowSession> session;
};

void QtChineseTextsTest::textBoxMenuReadsChinese_data()
{
    QTest::addColumn<QLocale>("locale");
    // The user's locale does not matter: the window is Chinese throughout.
    QTest::newRow("Chinese locale") << QLocale(QLocale::Chinese, QLocale::China);
    QTest::newRow("C locale") << QLocale::c();
}

void QtChineseTextsTest::textBoxMenuReadsChinese()
{
    QFETCH(QLocale, locale);
    QLocale::setDefault(locale);
    session = makeSession();
    QVERIFY(showAndActivate(*session));

    auto* box = control<QLineEdit>(*session, "Text1");
    QVERIFY(box);
    const QPoint at(5, 5);
    QContextMenuEvent event(QContextMenuEvent::Mouse, at, box->mapToGlobal(at));
    QApplication::sendEvent(box, &event);
    QMenu* menu = nullptr;
    QTRY_VERIFY((menu = qobject_cast<QMenu*>(QApplication::activePopupWidget())));

    QStringList captions;
    for (const QAction* action : menu->actions())
        captions << action->text();
    menu->close();
    QLocale::setDefault(QLocale::c());
    const QString all = captions.join(QLatin1Char('|'));
    QVERIFY2(all.contains(QStringLiteral("撤销")), qPrintable(all));
    QVERIFY2(all.contains(QStringLiteral("粘贴")), qPrintable(all));
}

void QtChineseTextsTest::fileDialogButtonsReadChinese()
{
    // The desktop the program uses, with its file dialogs.
    session = makeSession(testMoment, nullptr);
    QVERIFY(showAndActivate(*session));

    QStringList buttons;
    ModalAnswerer answerer({[&buttons](QWidget* dialog) {
        auto* files = qobject_cast<QFileDialog*>(dialog);
        if (!files)
            return false;
        for (const QAbstractButton* button : files->findChild<QDialogButtonBox*>()->buttons())
            buttons << button->text();
        files->reject();
        return true;
    }});
    session->window().findChild<QAction*>(QStringLiteral("openFile"))->trigger();
    QVERIFY2(answerer.done(), qPrintable(answerer.stuck));

    QCOMPARE(buttons.size(), 2);
    for (const QString& text : buttons)
        QVERIFY2(text.contains(ideograph), qPrintable(buttons.join(QLatin1Char('|'))));
}

QTEST_MAIN(QtChineseTextsTest)
#include "QtChineseTextsTest.moc"
