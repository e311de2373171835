#include "text/ProgramVersion.h"
#include "ui/qt/WindowSession.h"

#include <QApplication>
#include <QCommandLineParser>

#include <iostream>

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tarrowin"));
    QApplication::setApplicationVersion(QString::fromUtf8(tarrowin::programVersion.data(), static_cast<qsizetype>(tarrowin::programVersion.size())));

    // One optional file: a desktop opens a stringer file with "tarrowin FILE".
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("钢梯斜梁验算"));
    parser.addHelpOption();
    parser.addVersionOption();
    parser.addPositionalArgument(QStringLiteral("FILE"), QStringLiteral("启动时打开的钢梯斜梁文件（.tarrowin）"),
                                 QStringLiteral("[FILE]"));
    parser.process(application);
    const QStringList files = parser.positionalArguments();
    if (files.size() > 1) {
        // One window, so one file.
        std::cerr << "tarrowin: 只能打开一个文件，却给出了 " << files.size() << " 个。\n";
        return 2;
    }

    tarrowin::WindowSession session;
    session.start(files.value(0));
    return QApplication::exec();
}
