#pragma once

#include "sheet/Field.h"
#include "ui/model/DateTime.h"
#include "ui/qt/QtDateTime.h"
#include "ui/qt/QtDesktop.h"
#include "ui/qt/WindowSession.h"

#include <QAbstractButton>
#include <QApplication>
#include <QFile>
#include <QLineEdit>
#include <QMessageBox>
#include <QPointer>
#include <QRawFont>
#include <QTest>
#include <QTimer>

#include <functional>
#include <memory>

namespace tarrowin::testing {

// 8 December 2026, 17:30:05, formatted the US way so that the expected texts
// do not depend on the machine running the tests.
inline constexpr LocalDateTime testMoment{2026, 12, 8, 17, 30, 5};

// The desktop as a test sees it: the file dialogs answer from a list, in
// turn, and every question and every file shown in a viewer is noted. Message
// boxes and the header dialog are the real ones.
class FakeDesktop final : public QtDesktop {
public:
    QStringList answers;   // the files chosen; an empty text, or none left, cancels
    QStringList questions;  // the file dialogs' captions
    QStringList shown;

    std::filesystem::path fileToOpen(const FileQuestion& question) override { return answer(question); }
    std::filesystem::path fileToSave(const FileQuestion& question) override { return answer(question); }
    bool showFile(const std::filesystem::path& path) override
    {
        shown << QFile::decodeName(QByteArray(path.c_str()));
        return true;
    }

private:
    std::filesystem::path answer(const FileQuestion& question)
    {
        questions << QString::fromStdString(question.caption);
        return QFile::encodeName(answers.isEmpty() ? QString() : answers.takeFirst()).toStdString();
    }
};

inline std::unique_ptr<WindowSession> makeSession(LocalDateTime moment = testMoment,
                                                  std::unique_ptr<QtDesktop> desktop = nullptr)
{
    return std::make_unique<WindowSession>(
        std::make_unique<FixedClock>(moment),
        std::make_unique<QtDateTimeFormat>(QLocale(QLocale::English, QLocale::UnitedStates)), std::move(desktop));
}

// A session whose file dialogs `desktop` answers.
inline std::unique_ptr<WindowSession> makeSession(FakeDesktop*& desktop)
{
    auto owned = std::make_unique<FakeDesktop>();
    desktop = owned.get();
    return makeSession(testMoment, std::move(owned));
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

// Answers the modal dialogs and message boxes the window opens, one step
// for each, in turn, as they come. A step gets the dialog on top and says
// whether it answered it; it is asked again until it does. While it lives it
// looks every 10 ms; after 10 seconds on one step it closes whatever is
// open, so that a dialog that nothing answers fails the test instead of
// hanging it, and notes it in `stuck`.
class ModalAnswerer {
public:
    using Step = std::function<bool(QWidget* dialog)>;

    explicit ModalAnswerer(QList<Step> steps) : steps_(std::move(steps))
    {
        QObject::connect(&timer_, &QTimer::timeout, [this] { look(); });
        timer_.start(10);
    }

    bool done() const { return steps_.isEmpty(); }
    QString stuck;

private:
    void look()
    {
        QWidget* dialog = QApplication::activeModalWidget();
        if (steps_.isEmpty() || !dialog)
            return;
        if (steps_.first()(dialog)) {
            steps_.removeFirst();
            waited_ = 0;
        } else if (++waited_ > 1000) {
            stuck = dialog->metaObject()->className() + QStringLiteral(" ") + dialog->windowTitle();
            dialog->close();
        }
    }

    QTimer timer_;
    QList<Step> steps_;
    int waited_ = 0;
};

// A step that presses the message box's button of that text; what the box
// said lands in `seen`.
inline ModalAnswerer::Step pressInMessageBox(const QString& button, QString* seen = nullptr)
{
    return [button, seen](QWidget* dialog) {
        auto* box = qobject_cast<QMessageBox*>(dialog);
        if (!box)
            return false;
        for (QAbstractButton* candidate : box->buttons()) {
            if (candidate->text() == button) {
                if (seen)
                    *seen = box->text();
                candidate->click();
                return true;
            }
        }
        return false;
    };
}

// A step that closes the message box, whatever its buttons; what it said
// lands in `seen`.
inline ModalAnswerer::Step closeMessageBox(QString* seen)
{
    return [seen](QWidget* dialog) {
        auto* box = qobject_cast<QMessageBox*>(dialog);
        if (!box)
            return false;
        *seen = box->text();
        box->done(QMessageBox::Ok);
        return true;
    };
}

// The characters of the text that the font's face does not carry.
inline QString charactersMissingFrom(const QFont& font, const QString& text)
{
    const QRawFont face = QRawFont::fromFont(font);
    QString missing;
    for (const uint code : text.toUcs4()) {
        const char32_t character = code;
        if (!QChar::isSpace(code) && !face.supportsCharacter(character))
            missing += QString::fromUcs4(&character, 1);
    }
    return missing;
}

}  // namespace tarrowin::testing
