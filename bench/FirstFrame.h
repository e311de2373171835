#pragma once

#include <cstdint>

class QApplication;
class QWidget;

namespace tarrowin {

// The moment a start-up probe counts from, in nanoseconds of the monotonic
// clock: the value after "--since" on the command line (the runner passes the
// moment just before it started the process), or else the moment this was
// called, which leaves out loading the libraries.
std::int64_t startOfRun(int argc, char** argv);

// Shows the window if it is not shown yet and runs the event loop until the
// window has painted its first frame, then prints "first-frame-ns N" (N
// counted from `since`) and quits with status 0. A window that paints nothing
// within a minute ends the run with status 3 instead.
int runUntilFirstFrame(QApplication& application, QWidget& window, std::int64_t since);

}  // namespace tarrowin
