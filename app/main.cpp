#include "ui/qt/WindowSession.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tarrowin"));
    QApplication::setApplicationVersion(QStringLiteral("1.0"));

    tarrowin::WindowSession session;
    session.window().show();
    return QApplication::exec();
}
