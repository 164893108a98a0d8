// Simulated devices on pseudo-terminals, for trying the program without hardware and for tests.
//   kvq-devsim script "send 68 08; wait 100; expect E5; hangup"
//   kvq-devsim device hca|thermo|wz|all [faults]
//   kvq-devsim bootloader [--checksum] [faults]
//   kvq-devsim demo
// print the terminal's path on the first line; a script ends with its last step, devices run until
// interrupted.

#include "BootLoaderSim.h"
#include "Demo.h"
#include "DeviceBench.h"
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
    std::fputs(
        "usage: kvq-devsim script \"<steps>\"\n"
        "  steps: send <hex..> | wait <ms> | expect <hex..> [/ms] | echo on|off | silence |\n"
        "         stream <hex..> [*count] | hangup   (separated by ';')\n"
        "       kvq-devsim device hca|thermo|wz|all [--echo] [--wrong-checksum] [--wrong-medium]\n"
        "         [--version HH] [--ext-version N:MARKER] [--silent] [--split PIECES:MS] "
        "[--hangup-in-answer]\n"
        "       kvq-devsim bootloader [--checksum] [--baud N] [--corrupt-every N] [--drop-ack-every N]\n"
        "         [--cancel-after N] [--silent-after N] [--hangup-after N]\n"
        "       kvq-devsim demo\n",
        stderr);
    return 2;
}

int runBench(DeviceBench& bench) {
    QString error;
    if (!bench.running() && !bench.start(&error)) {
        std::fprintf(stderr, "kvq-devsim: %s\n", qPrintable(error));
        return 1;
    }
    std::printf("%s\n", qPrintable(bench.path()));
    std::fflush(stdout);
    while (!g_quit && !bench.isHungUp())
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
    return 0;
}

int runDevices(const QStringList& args) {
    std::vector<DeviceKind> kinds;
    const QString which = args.value(0);
    if (which == QLatin1String("hca") || which == QLatin1String("all"))
        kinds.push_back(DeviceKind::HeatCostAllocator);
    if (which == QLatin1String("thermo") || which == QLatin1String("all"))
        kinds.push_back(DeviceKind::RadioThermometer);
    if (which == QLatin1String("wz") || which == QLatin1String("all"))
        kinds.push_back(DeviceKind::WaterMeterModule);
    if (kinds.empty())
        return usage();
    DeviceBench bench;
    std::vector<SimulatedDevice*> devices;
    for (DeviceKind k : kinds) {
        devices.push_back(&bench.add(k));
        fillDemoImage(*devices.back());
    }
    for (int i = 1; i < args.size(); ++i) {
        const QString& a = args[i];
        const QString value = args.value(i + 1);
        bool ok = true;
        if (a == QLatin1String("--echo"))
            bench.head.echo = true;
        else if (a == QLatin1String("--hangup-in-answer"))
            bench.head.hangUpInAnswer = true;
        else if (a == QLatin1String("--wrong-checksum"))
            for (auto* d : devices)
                d->faults.wrongChecksum = true;
        else if (a == QLatin1String("--wrong-medium"))
            for (auto* d : devices)
                d->faults.wrongMedium = true;
        else if (a == QLatin1String("--silent"))
            for (auto* d : devices)
                d->faults.silent = true;
        else if (a == QLatin1String("--version")) {
            const uint v = value.toUInt(&ok, 16);
            for (auto* d : devices)
                d->setVersion(std::uint8_t(v));
            ++i;
        } else if (a == QLatin1String("--ext-version")) {
            const QStringList p = value.split(u':');
            ok = p.size() == 2;
            for (auto* d : devices)
                d->setExtendedVersion(p.value(0).toInt(), std::uint8_t(p.value(1).toUInt()));
            ++i;
        } else if (a == QLatin1String("--split")) {
            const QStringList p = value.split(u':');
            ok = p.size() == 2;
            bench.head.splitPieces = p.value(0).toInt();
            bench.head.splitPauseMs = p.value(1).toInt();
            ++i;
        } else {
            ok = false;
        }
        if (!ok)
            return usage();
    }
    return runBench(bench);
}

int runBootLoader(const QStringList& args) {
    SimulatedBootLoader loader;
    for (int i = 0; i < args.size(); ++i) {
        const QString& a = args[i];
        if (a == QLatin1String("--checksum")) {
            loader.crcMode = false;
            continue;
        }
        bool ok = false;
        const int n = args.value(i + 1).toInt(&ok);
        if (!ok || n < 0)
            return usage();
        ++i;
        if (a == QLatin1String("--baud"))
            loader.baudRate = n;
        else if (a == QLatin1String("--corrupt-every"))
            loader.faults.corruptEvery = n;
        else if (a == QLatin1String("--drop-ack-every"))
            loader.faults.dropAckEvery = n;
        else if (a == QLatin1String("--cancel-after"))
            loader.faults.cancelAfter = n;
        else if (a == QLatin1String("--silent-after"))
            loader.faults.silentAfter = n;
        else if (a == QLatin1String("--hangup-after"))
            loader.faults.hangUpAfter = n;
        else
            return usage();
    }
    QString error;
    if (!loader.start(&error)) {
        std::fprintf(stderr, "kvq-devsim: %s\n", qPrintable(error));
        return 1;
    }
    std::printf("%s\n", qPrintable(loader.path()));
    std::fflush(stdout);
    while (!g_quit && !loader.isHungUp())
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
    return 0;
}

int runDemo() {
    QString error;
    std::unique_ptr<DemoRig> rig = startDemoRig(&error);
    if (!rig) {
        std::fprintf(stderr, "kvq-devsim: %s\n", qPrintable(error));
        return 1;
    }
    return runBench(*rig->opticalHead);
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
    if (args.size() >= 2 && args[0] == QLatin1String("device"))
        return runDevices(args.mid(1));
    if (!args.isEmpty() && args[0] == QLatin1String("bootloader"))
        return runBootLoader(args.mid(1));
    if (args.size() == 1 && args[0] == QLatin1String("demo"))
        return runDemo();
    return usage();
}
