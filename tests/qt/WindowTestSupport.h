#pragma once

#include "sheet/Field.h"
#include "ui/model/DateTime.h"
#include "ui/qt/QtDateTime.h"
#include "ui/qt/WindowSession.h"

#include <QApplication>
#include <QLineEdit>
#include <QMessageBox>
#include <QPointer>
#include <QTest>
#include <QTimer>

#include <memory>

namespace tarrowin::testing {

// 8 December 2026, 17:30:05, formatted the US way so that the expected texts
// do not depend on the machine running the tests.
inline constexpr LocalDateTime testMoment{2026, 12, 8, 17, 30, 5};

inline std::unique_ptr<WindowSession> makeSession(LocalDateTime moment = testMoment)
{
    return std::make_unique<WindowSession>(std::make_unique<FixedClock>(moment),
                                           std::make_unique<QtDateTimeFormat>(QLocale(QLocale::English,
                                                                                      QLocale::UnitedStates)));
}

template <typename Widget = QWidget>
Widget* control(WindowSession& session, const char* name)
{
    return session.window().findChild<Widget*>(QString::fromLatin1(name));
}

inline QString fieldText(WindowSession& session, Field field)
{
    return QString::fromStdString(session.model().sheet().text(field));
}

inline QString fieldText(WindowSession& session, const char* name)
{
    return fieldText(session, *fieldFromName(name));
}

// Shows the window and waits until it has the keyboard, as a user sees it.
inline bool showAndActivate(WindowSession& session)
{
    MainWindow& window = session.window();
    window.show();
    if (!QTest::qWaitForWindowExposed(&window))
        return false;
    window.activateWindow();
    return QTest::qWaitForWindowActive(&window);
}

// Types the text key by key; characters beyond ASCII (such as 口) arrive
// as key events that carry the character, as an input method delivers them.
inline void typeText(QWidget* widget, const QString& text)
{
    for (const QChar character : text) {
        if (character.unicode() < 0x80)
            QTest::keyClick(widget, character.toLatin1());
        else
            QTest::sendKeyEvent(QTest::Click, widget, Qt::Key_unknown, QString(character), Qt::NoModifier);
    }
}

// Replaces a text box's text the way a user does: select all, then type.
inline void retype(QWidget* box, const QString& text)
{
    box->setFocus(Qt::TabFocusReason);
    QTest::keyClick(box, Qt::Key_A, Qt::ControlModifier);
    if (text.isEmpty())
        QTest::keyClick(box, Qt::Key_Delete);
    else
        typeText(box, text);
}

// Arranges for the next modal message box to be read and closed as soon as it
// is open; what it said lands in `seen`. Returns at once and gives up after
// about five seconds, so that a box that never comes leaves `seen` empty.
inline void closeNextMessageBox(QString* seen, int attemptsLeft = 500)
{
    QTimer::singleShot(10, [seen, attemptsLeft] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            *seen = box->text();
            box->done(QMessageBox::Ok);
        } else if (attemptsLeft > 0) {
            closeNextMessageBox(seen, attemptsLeft - 1);
        }
    });
}

}  // namespace tarrowin::testing
