// The toolkit's floor: a bare window holding one label with a Chinese
// caption, so that it loads the same fonts as Tarrowin, shown and closed once
// its first frame is painted.

#include "bench/FirstFrame.h"

#include <QApplication>
#include <QLabel>
#include <QVBoxLayout>
#include <QWidget>

int main(int argc, char** argv)
{
    const std::int64_t since = tarrowin::startOfRun(argc, argv);
    QApplication application(argc, argv);
    QWidget window;
    auto* layout = new QVBoxLayout(&window);
    layout->addWidget(new QLabel(QStringLiteral("钢梯斜梁计算"), &window));
    return tarrowin::runUntilFirstFrame(application, window, since);
}
