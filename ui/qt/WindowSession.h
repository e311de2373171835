#pragma once

#include "ui/document/DocumentController.h"
#include "ui/model/WindowModel.h"
#include "ui/qt/MainWindow.h"
#include "ui/qt/QtChineseTexts.h"
#include "ui/qt/QtDesktop.h"

#include <memory>

namespace tarrowin {

// What the program runs: Qt's own texts in Chinese, the platform's clock,
// date-time format and desktop, the window model, the document controller,
// and the window bound to both, with the window-load notice already run. The
// window is built but not shown until start(). Needs a
// QApplication.
class WindowSession {
public:
    // The system clock, the user's locale and the desktop through Qt.
    WindowSession();
    // A given clock and format, for a fixed time stamp, and a given desktop
    // (Qt's when none), for file dialogs answered without a user.
    WindowSession(std::unique_ptr<Clock> clock, std::unique_ptr<DateTimeFormat> format,
                  std::unique_ptr<QtDesktop> desktop = nullptr);

    WindowSession(const WindowSession&) = delete;
    WindowSession& operator=(const WindowSession&) = delete;

    WindowModel& model() { return model_; }
    MainWindow& window() { return window_; }

    // What the program does at start: shows the window, then opens the
    // stringer file if one is named. A file that is refused leaves the window
    // as at start, with the message that says why over it.
    void start(const QString& file = {});

private:
    // Declared in the order of construction: the window goes first on the way out.
    QtChineseTexts qtTexts_;
    std::unique_ptr<Clock> clock_;
    std::unique_ptr<DateTimeFormat> format_;
    std::unique_ptr<QtDesktop> desktop_;
    WindowModel model_;
    DocumentController document_;
    MainWindow window_;
};

}  // namespace tarrowin
