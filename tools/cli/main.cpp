// tarrowin-cli: the stringer check and the section survey on the command line.
#include "tools/cli/CommandLine.h"

#include <QCoreApplication>

#include <iostream>

int main(int argc, char** argv)
{
    // Only to decode the arguments as Qt does; no event loop runs.
    const QCoreApplication application(argc, argv);
    std::ios::sync_with_stdio(false);
    return tarrowin::cli::runCommandLine(QCoreApplication::arguments(), std::cout, std::cerr);
}
