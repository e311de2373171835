#include "ui/qt/WindowCommands.h"

#include "ui/qt/MainWindow.h"

#include <array>

namespace tarrowin {
namespace {

// F3 is the key for finding on most desktops, and the survey finds the
// lightest section that passes.
constexpr std::array commands{
    WindowCommand{"surveySections", "截面优选…", QKeyCombination(Qt::Key_F3), &MainWindow::surveySections},
};

}  // namespace

std::span<const WindowCommand> windowCommands() { return commands; }

}  // namespace tarrowin
