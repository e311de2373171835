// tarrowin-cli: the stringer check, the section survey and the calculation
// report on the command line.
#include "tools/cli/CommandLine.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QLoggingCategory>

#include <iostream>
#include <memory>

namespace {

// The arguments decoded as QCoreApplication decodes them, read before there
// is one: which kind of application to make depends on the command.
QStringList argumentsOf(int argc, char** argv)
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    return arguments;
}

}  // namespace

int main(int argc, char** argv)
{
    std::ios::sync_with_stdio(false);
    const tarrowin::cli::CommandLine line = tarrowin::cli::parseCommandLine(argumentsOf(argc, argv));

    // The report lays out its text with Qt's fonts, which need a GUI
    // application. On the offscreen platform it needs no display; one that
    // the user chose is kept. Everything else needs no more than QtCore.
    std::unique_ptr<QCoreApplication> application;
    if (line.action == tarrowin::cli::CommandLine::Action::Report) {
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
            qputenv("QT_QPA_PLATFORM", "offscreen");
        // Qt's uncategorised warnings are notes on the session, such as a
        // missing XDG_RUNTIME_DIR under cron or ssh, that bear on no report;
        // standard error keeps the tool's own messages. QT_LOGGING_RULES can
        // bring them back.
        QLoggingCategory::setFilterRules(QStringLiteral("default.warning=false"));
        application = std::make_unique<QGuiApplication>(argc, argv);
    } else {
        application = std::make_unique<QCoreApplication>(argc, argv);
    }
    return tarrowin::cli::runCommandLine(line, std::cout, std::cerr);
}
