// Simulated devices on pseudo-terminals, for trying the program without hardware and for tests.
//   kvq-devsim script "send 68 08; wait 100; expect E5; hangup"
// prints the terminal's path on the first line, then plays the script and ends with it.

#include "ScriptedDevice.h"

#include <QCoreApplication>
#include <QStringList>
#include <csignal>
#include <cstdio>
#include <thread>

using namespace kvq::devsim;

namespace {
std::atomic<bool> g_quit{false};
void onSignal(int) {
    g_quit = true;
}

int usage() {
    std::fputs("usage: kvq-devsim script \"<steps>\"\n"
               "  steps: send <hex..> | wait <ms> | expect <hex..> [/ms] | echo on|off | silence |\n"
               "         stream <hex..> [*count] | hangup   (separated by ';')\n",
               stderr);
    return 2;
}

int runScript(const QString& text) {
    QString error;
    std::vector<ScriptStep> steps = parseScript(text, &error);
    if (steps.empty()) {
        std::fprintf(stderr, "kvq-devsim: %s\n",
                     qPrintable(error.isEmpty() ? QStringLiteral("empty script") : error));
        return 2;
    }
    ScriptedDevice device(std::move(steps));
    if (!device.start(&error)) {
        std::fprintf(stderr, "kvq-devsim: %s\n", qPrintable(error));
        return 1;
    }
    std::printf("%s\n", qPrintable(device.path()));
    std::fflush(stdout);
    while (!g_quit && !device.waitFinished(100)) {
        if (!device.failure().isEmpty())
            break;
    }
    if (!device.failure().isEmpty()) {
        std::fprintf(stderr, "kvq-devsim: %s\n", qPrintable(device.failure()));
        return 1;
    }
    // Give the last bytes time to be read before the terminal goes away.
    std::this_thread::sleep_for(std::chrono::milliseconds(200));
    return 0;
}
} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    std::signal(SIGINT, onSignal);
    std::signal(SIGTERM, onSignal);
    const QStringList args = app.arguments().mid(1);
    if (args.size() == 2 && args[0] == QLatin1String("script"))
        return runScript(args[1]);
    return usage();
}
