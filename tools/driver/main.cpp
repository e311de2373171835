// tarrowin-driver: runs a script of window notices on the window model, with
// no window, for scripted end-to-end scenarios.

#include "tools/driver/ScriptRunner.h"

#include <iostream>
#include <iterator>
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

    std::ios::sync_with_stdio(false);
    const std::string script{std::istreambuf_iterator<char>(std::cin), std::istreambuf_iterator<char>()};
    return tarrowin::runScript(script, std::cout, std::cerr, options);
}
