#include "bench/FirstFrame.h"
#include "bench/MonotonicClock.h"

#include <QApplication>
#include <QEvent>
#include <QObject>
#include <QTimer>
#include <QWidget>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>

namespace tarrowin {
namespace {

// Sees the first paint event of the window itself. The window is painted
// before its children, and all of them are painted and flushed to the screen
// in the same pass, so a zero timer started here fires once the whole first
// frame is out.
class FirstPaintWatcher final : public QObject {
public:
    FirstPaintWatcher(QApplication& application, std::int64_t since) : application_(application), since_(since) {}

    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint && !seen_) {
            seen_ = true;
            QTimer::singleShot(0, &application_, [this] {
                std::printf("first-frame-ns %lld\n", static_cast<long long>(monotonicNanoseconds() - since_));
                std::fflush(stdout);
                application_.exit(0);
            });
        }
        return QObject::eventFilter(watched, event);
    }

private:
    QApplication& application_;
    std::int64_t since_;
    bool seen_ = false;
};

}  // namespace

std::int64_t startOfRun(int argc, char** argv)
{
    for (int i = 1; i + 1 < argc; ++i) {
        if (std::strcmp(argv[i], "--since") == 0)
            return std::strtoll(argv[i + 1], nullptr, 10);
    }
    return monotonicNanoseconds();
}

int runUntilFirstFrame(QApplication& application, QWidget& window, std::int64_t since)
{
    FirstPaintWatcher watcher(application, since);
    window.installEventFilter(&watcher);
    // Generous, for runs under valgrind on a busy machine.
    QTimer::singleShot(60'000, &application, [&application] {
        std::fprintf(stderr, "no frame painted within a minute\n");
        application.exit(3);
    });
    // Showing only queues the first paint; the event loop delivers it.
    if (!window.isVisible())
        window.show();
    return application.exec();
}

}  // namespace tarrowin
