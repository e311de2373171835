// Tarrowin's start-up as the program does it: the window session builds the
// real window with its model and time stamp; it is shown and closed once its
// first frame is painted.

#include "bench/FirstFrame.h"
#include "ui/qt/WindowSession.h"

#include <QApplication>

int main(int argc, char** argv)
{
    const std::int64_t since = tarrowin::startOfRun(argc, argv);
    QApplication application(argc, argv);
    tarrowin::WindowSession session;
    return tarrowin::runUntilFirstFrame(application, session.window(), since);
}
