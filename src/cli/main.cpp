#include "cli/WmbusCli.h"

#include <QCoreApplication>
#include <iostream>
#include <unistd.h>

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QStringList args = QCoreApplication::arguments();
    args.removeFirst();
    std::ios::sync_with_stdio(false);
    return kvq::cli::runWmbusCli(args, std::cout, std::cerr, isatty(STDERR_FILENO) != 0);
}
