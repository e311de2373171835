#pragma once

#include "ui/model/WindowModel.h"
#include "ui/qt/MainWindow.h"

#include <memory>

namespace tarrowin {

// What the program runs: the platform's clock and date-time format, the window
// model, and the window bound to it, with the window-load notice already run.
// The window is built but not shown; showing it is the caller's step. Needs a
// QApplication.
class WindowSession {
public:
    // The system clock and the user's locale through Qt.
    WindowSession();
    // A given clock and format, for a fixed time stamp.
    WindowSession(std::unique_ptr<Clock> clock, std::unique_ptr<DateTimeFormat> format);

    WindowSession(const WindowSession&) = delete;
    WindowSession& operator=(const WindowSession&) = delete;

    WindowModel& model() { return model_; }
    MainWindow& window() { return window_; }

private:
    // Declared in the order of construction: the window goes first on the way out.
    std::unique_ptr<Clock> clock_;
    std::unique_ptr<DateTimeFormat> format_;
    WindowModel model_;
    MainWindow window_;
};

}  // namespace tarrowin
