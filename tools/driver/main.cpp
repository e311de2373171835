// tarrowin-driver: runs a script of window notices on the window model, with
// no window, for scripted end-to-end scenarios.

#include "tools/driver/DocumentCommands.h"
#include "tools/driver/ScriptRunner.h"

#include <QGuiApplication>
#include <QLoggingCategory>

#include <iostream>
#include <iterator>
#include <memory>
#include <string>
#include <string_view>

namespace {

int usage()
{
    std::cerr << "usage: tarrowin-driver [--trace] [--now YYYY-MM-DDTHH:MM:SS] < script\n";
    return tarrowin::scriptRejected;
}

}  // namespace

int main(int argc, char** argv)
{
    tarrowin::DriverOptions options;
    for (int i = 1; i < argc; ++i) {
        const std::string_view argument = argv[i];
        if (argument == "--trace") {
            options.trace = true;
        } else if (argument == "--now" && i + 1 < argc) {
            options.now = tarrowin::parseMoment(argv[++i]);
            if (!options.now) {
                std::cerr << "tarrowin-driver: --now wants a valid YYYY-MM-DDTHH:MM:SS\n";
                return tarrowin::scriptRejected;
            }
        } else {
            return usage();
        }
    }

    // A report lays out its text with Qt's fonts, which need a GUI
    // application: made at the first report, on the offscreen platform
    // unless the user chose one, so that scripts without reports start fast.
    // Qt's uncategorised warnings are notes on the session, not the script's.
    std::unique_ptr<QGuiApplication> application;
    int applicationArgc = 1;
    tarrowin::DocumentCommands documentCommands(std::cout, [&] {
        if (application)
            return;
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
            qputenv("QT_QPA_PLATFORM", "offscreen");
        QLoggingCategory::setFilterRules(QStringLiteral("default.warning=false"));
        application = std::make_unique<QGuiApplication>(applicationArgc, argv);
    });
    options.more = &documentCommands;

    std::ios::sync_with_stdio(false);
    const std::string script{std::istreambuf_iterator<char>(std::cin), std::istreambuf_iterator<char>()};
    return tarrowin::runScript(script, std::cout, std::cerr, options);
}
