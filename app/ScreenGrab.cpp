// Saves a picture of the whole screen as PNG once something is drawn on it.
// On a machine without a display the run script starts the window on a
// virtual X display and uses this to show what it looks like.
#include <QGuiApplication>
#include <QImage>
#include <QPixmap>
#include <QScreen>
#include <QThread>

#include <cstdio>

namespace {

bool isBlank(const QImage& image)
{
    const QRgb first = image.pixel(0, 0);
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixel(x, y) != first)
                return false;
    return true;
}

}  // namespace

int main(int argc, char* argv[])
{
    QGuiApplication application(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: tarrowin-screengrab FILE.png\n");
        return 2;
    }
    QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen) {
        std::fprintf(stderr, "tarrowin-screengrab: no screen\n");
        return 1;
    }

    // The program under view may still be starting: wait up to 20 seconds
    // for the first window, then a moment more for its first paint.
    QPixmap picture = screen->grabWindow(0);
    for (int attempt = 0; attempt < 200 && !picture.isNull() && isBlank(picture.toImage()); ++attempt) {
        QThread::msleep(100);
        picture = screen->grabWindow(0);
    }
    QThread::msleep(500);
    picture = screen->grabWindow(0);

    if (picture.isNull() || isBlank(picture.toImage()) || !picture.save(QString::fromLocal8Bit(argv[1]), "PNG")) {
        std::fprintf(stderr, "tarrowin-screengrab: nothing to save in %s\n", argv[1]);
        return 1;
    }
    return 0;
}
