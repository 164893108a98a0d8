// A recording of 100,000 telegrams loaded into the recorder window: a route of 5,000 devices, the
// data table on "Echtzeit alle", every line through the monitor, framing, decoding, route and table,
// a slice at a time through the window's event loop as in the program. Wall time per telegram and the
// table's memory per row and the peak memory of the whole process.

#include "core/app/Clock.h"
#include "core/app/Settings.h"
#include "core/wmbus/table/ResultTable.h"
#include "ui/app/ToolHost.h"
#include "ui/wmbus/ReplayControl.h"
#include "ui/wmbus/TFormWMBUSRadioCraft.h"
#include "ui/wmbus/table/DatenPage.h"
#include "ui/wmbus/table/ResultTableModel.h"

#include <QApplication>
#include <QFile>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

#include <cstdio>

#include <sys/resource.h>

using namespace kvq;

namespace {

constexpr int kDevices = 5000;
constexpr int kFloorsPerHouse = 10;
constexpr int kDevicesPerFloor = 50;

class QuietUser final : public UserInteraction {
public:
    void message(const QString&, const QString&, Icon) override {}
    bool question(const QString&, const QString&) override { return false; }
    std::optional<QString> inputText(const QString&, const QString&, const QString&) override { return {}; }
    std::optional<QString> openFileName(const QString&, const QString&, const QString&) override {
        return {};
    }
    std::optional<QString> saveFileName(const QString&, const QString&, const QString&) override {
        return {};
    }
    std::optional<QString> folderName(const QString&, const QString&) override { return {}; }
};

class BenchHost final : public ToolHost {
public:
    PARAmeter& currentParams() override { return params; }
    Settings& settings() override { return settingsValue; }
    UserInteraction& userInteraction() override { return user; }
    const Clock& clock() const override { return SystemClock::instance(); }
    LinkController* link() override { return nullptr; }
    void setStatusText(int, const QString&) override {}
    QString statusText(int) const override { return {}; }

    PARAmeter params{DeviceFamily::HeatCostAllocator};
    Settings settingsValue;
    QuietUser user;
};

std::uint32_t radioId(int device) {
    return 10000000u + std::uint32_t(device);
}

// Houses of ten floors with fifty water meters each.
QString writeRoute(const QTemporaryDir& dir) {
    const int houses = kDevices / (kFloorsPerHouse * kDevicesPerFloor);
    QByteArray text =
        "[SETUP]\r\nRFMODE=T\r\n[ROUTE]\r\nNAME=Bench\r\nHAUSER=" + QByteArray::number(houses) + "\r\n";
    int device = 0;
    for (int h = 1; h <= houses; ++h) {
        text += "[HAUS" + QByteArray::number(h) + "]\r\nNAME=Haus" + QByteArray::number(h) +
                "\r\nANZETAGEN=" + QByteArray::number(kFloorsPerHouse) +
                "\r\nANZS=" + QByteArray::number(kFloorsPerHouse * kDevicesPerFloor) + "\r\n";
        for (int e = 1; e <= kFloorsPerHouse; ++e)
            text += "[HAUS" + QByteArray::number(h) + "_E" + QByteArray::number(e) + "]\r\nNAME=E" +
                    QByteArray::number(e) + "\r\n";
        for (int s = 1; s <= kFloorsPerHouse * kDevicesPerFloor; ++s, ++device)
            text += "[HAUS" + QByteArray::number(h) + "_S" + QByteArray::number(s) +
                    "]\r\nRADIOID=" + QByteArray::number(radioId(device)) +
                    "\r\nMEDIUM=7\r\nMANCODE=CEN\r\nETAGE=E" +
                    QByteArray::number(1 + (s - 1) / kDevicesPerFloor) + "\r\n";
    }
    const QString path = dir.filePath(QStringLiteral("bench.ROUTE"));
    QFile f(path);
    f.open(QIODevice::WriteOnly);
    f.write(text);
    return path;
}

// Unencrypted water meter telegrams with a short header and a volume, each device in turn.
QString writeRecording(const QTemporaryDir& dir, int lines) {
    const QString path = dir.filePath(QStringLiteral("drive_%1.DAT").arg(lines));
    QFile f(path);
    f.open(QIODevice::WriteOnly);
    char line[160];
    for (int i = 0; i < lines; ++i) {
        const std::uint32_t id = radioId(i % kDevices);
        const unsigned volume = 1000u + unsigned(i);
        // L = 0x19: C M M A A A A V T CI acc st cfg cfg DIF VIF v v v v DIF VIF v v RSSI
        std::snprintf(
            line, sizeof line,
            "01.02.2020 "
            "10:%02d:%02d;681944AE0C%02u%02u%02u%02u07077A%02X0000000413%02u%02u%02u%02u023B00008A16\n",
            (i / 60) % 60, i % 60, id % 100, id / 100 % 100, id / 10000 % 100, id / 1000000 % 100, i & 0xFF,
            volume % 100, volume / 100 % 100, volume / 10000 % 100, volume / 1000000 % 100);
        f.write(line);
    }
    return path;
}

void BM_RecorderReplay(benchmark::State& state) {
    static QTemporaryDir dir;
    qputenv("KVQ_DOCUMENTS", dir.path().toUtf8());
    const int lines = int(state.range(0));
    static const QString route = writeRoute(dir);
    const QString recording = writeRecording(dir, lines);
    std::size_t tableBytes = 0;
    int rows = 0;
    for (auto _ : state) {
        state.PauseTiming();
        BenchHost host;
        host.settingsValue.Tmode = host.settingsValue.Smode = host.settingsValue.Cmode = false;
        host.settingsValue.AutoLoad = true;
        host.settingsValue.Geraeteliste = route;
        auto w = std::make_unique<TFormWMBUSRadioCraft>(host);
        w->afterOpen();
        w->resize(1200, 800);
        w->show();
        QCoreApplication::processEvents();
        state.ResumeTiming();

        if (!w->replayControl()->start(recording)) {
            state.SkipWithError("recording not loaded");
            break;
        }
        while (w->replayControl()->running())
            QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
        w->datenPage()->model()->flush();
        QCoreApplication::processEvents();

        state.PauseTiming();
        rows = w->table().size();
        tableBytes = w->table().memoryBytes();
        w->table().markSaved();
        w.reset();
        state.ResumeTiming();
    }
    if (rows != lines)
        state.SkipWithError("not every telegram reached the table");
    state.SetItemsProcessed(state.iterations() * lines);
    state.counters["rows"] = rows;
    state.counters["table_bytes_per_row"] = rows > 0 ? double(tableBytes) / rows : 0.0;
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    state.counters["peak_rss_MB"] = double(usage.ru_maxrss) / 1024.0;
}
BENCHMARK(BM_RecorderReplay)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond)->Iterations(1);

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
