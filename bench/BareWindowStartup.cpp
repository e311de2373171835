// The toolkit's floor: a bare window holding one label with a Chinese
// caption, shown and closed once its first frame is painted. The label is one
// of Tarrowin's captions in Tarrowin's font, so that both load the same faces.

#include "bench/FirstFrame.h"
#include "ui/qt/WindowFont.h"

#include <QApplication>
#include <QLabel>
#include <QVBoxLayout>
#include <QWidget>

int main(int argc, char** argv)
{
    const std::int64_t since = tarrowin::startOfRun(argc, argv);
    QApplication application(argc, argv);
    QApplication::setFont(tarrowin::windowFont());
    QWidget window;
    auto* layout = new QVBoxLayout(&window);
    layout->addWidget(new QLabel(QStringLiteral("截面材质"), &window));
    return tarrowin::runUntilFirstFrame(application, window, since);
}
