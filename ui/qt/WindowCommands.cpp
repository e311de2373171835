#include "ui/qt/WindowCommands.h"

#include "ui/qt/MainWindow.h"

#include <array>

namespace tarrowin {
namespace {

// The files first, in the order desktops list them, with the keys they use
// for them; Ctrl+P, the key for printing, makes the report. F3 is the key
// for finding on most desktops, and the survey finds the lightest section
// that passes.
constexpr std::array commands{
    WindowCommand{"openFile", "打开…", QKeyCombination(Qt::CTRL, Qt::Key_O), &MainWindow::openFile},
    WindowCommand{"saveFile", "保存…", QKeyCombination(Qt::CTRL, Qt::Key_S), &MainWindow::saveFile},
    WindowCommand{"saveFileAs", "另存为…", QKeyCombination(Qt::CTRL | Qt::SHIFT, Qt::Key_S), &MainWindow::saveFileAs},
    WindowCommand{"makeReport", "计算书…", QKeyCombination(Qt::CTRL, Qt::Key_P), &MainWindow::makeReport},
    WindowCommand{"surveySections", "截面优选…", QKeyCombination(Qt::Key_F3), &MainWindow::surveySections},
};

}  // namespace

std::span<const WindowCommand> windowCommands() { return commands; }

}  // namespace tarrowin
