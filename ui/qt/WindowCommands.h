#pragma once

#include <QKeyCombination>

#include <span>

namespace tarrowin {

class MainWindow;

// A command of the window beyond its buttons. The window lists each in its
// context menu with its shortcut, and the shortcut runs it wherever the focus
// is in the window. A shortcut must be a key that no text box claims for
// editing on any platform: on X11 a text box takes Ctrl+E and Ctrl+U, besides
// the usual editing keys, before a shortcut sees them.
struct WindowCommand {
    const char* name;  // the action's object name
    const char* caption;
    QKeyCombination shortcut;
    void (MainWindow::*run)();
};

// In the order of the context menu.
std::span<const WindowCommand> windowCommands();

}  // namespace tarrowin
