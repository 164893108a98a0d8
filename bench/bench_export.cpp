// Export formats over a long drive: 20 enabled formats, 5,000 devices, 100,000 telegrams. Applying all
// telegrams and writing all CSV files are measured separately.

#include "core/export/ExportFormatFile.h"
#include "core/export/ExportFormatListe.h"
#include "core/wmbus/TelegramResult.h"

#include <QTemporaryDir>
#include <benchmark/benchmark.h>

#include <cstdio>

using namespace kvq;
using namespace kvq::exporting;

namespace {

constexpr int kFormats = 20;
constexpr int kDevices = 5000;
constexpr int kTelegrams = 100000;

// Every format takes its own range of radio IDs; columns as a heat meter layout would have them.
QByteArray formatFile() {
    QByteArray text;
    for (int f = 0; f < kFormats; ++f) {
        text += "[Format" + QByteArray::number(f) + "]\r\n";
        for (const char* s : {"RadioID", "TCount", "MeterID", "RTime", "Medium", "MC", "AES", "RSSI"})
            text += QByteArray(s) + "=" + s + "\r\nOption_" + s + "=\r\n";
        for (int v = 1; v <= 14; ++v)
            text += "Value" + QByteArray::number(v) + "[" + QByteArray::number(v - 1) +
                    "]=Wert\r\nOption_Value" + QByteArray::number(v) + "[" + QByteArray::number(v - 1) +
                    "]=" + (v == 3 ? "[X]" : "[M]") + "\r\n";
        text += "Unit1=Einheit\r\nOption_Unit1=\r\n";
        char range[96];
        std::snprintf(range, sizeof range, "FILT_RFIDMIN=%08d\r\nFILT_RFIDMAX=%08d\r\n",
                      10000000 + f * (kDevices / kFormats), 10000000 + (f + 1) * (kDevices / kFormats) - 1);
        text += range;
        text += "FILT_MC=CEN\r\nFILT_MEDIUM=07\r\nFILT_LAENGE=046\r\nFILT_ENABLE=1\r\n";
    }
    return text;
}

std::vector<wmbus::TelegramResult> devices() {
    std::vector<wmbus::TelegramResult> out(kDevices);
    for (int i = 0; i < kDevices; ++i) {
        wmbus::TelegramResult& r = out[std::size_t(i)];
        const int id = 10000000 + i;
        char text[16];
        std::snprintf(text, sizeof text, "%08d", id);
        r.link.l = 46;
        r.link.idText.assign(text);
        r.headerIdText.assign(text);
        for (int b = 0; b < 4; ++b) // BCD, least significant byte first
            r.link.id[std::size_t(b)] = std::uint8_t((text[7 - 2 * b] - '0') | (text[6 - 2 * b] - '0') << 4);
        r.link.manufacturer.letters = {'C', 'E', 'N', 0};
        r.deviceType = 7;
        r.rssiText.assign("-60");
        r.receiveTime = 1779260400000 + i * 1000;
        for (std::size_t v = 0; v < 16; ++v)
            r.values[v] = {std::to_string(1000 + i + v) + ",5", v ? "m³[" + std::to_string(v) + "]" : "m³"};
    }
    return out;
}

void applyAll(ExportFormatListe& list, std::vector<wmbus::TelegramResult>& telegrams, const QDateTime& now) {
    for (int t = 0; t < kTelegrams; ++t) {
        wmbus::TelegramResult& r = telegrams[std::size_t(t % kDevices)];
        r.accessNumber = std::uint8_t(t / kDevices);
        list.apply(r, now);
    }
}

void BM_ApplyTelegrams(benchmark::State& state) {
    const IniFile ini = IniFile::fromBytes(formatFile());
    auto telegrams = devices();
    const QDateTime now(QDate(2026, 5, 20), QTime(9, 0));
    for (auto _ : state) {
        state.PauseTiming();
        ExportFormatListe list = ExportFormatListe::fromIni(ini);
        state.ResumeTiming();
        applyAll(list, telegrams, now);
        benchmark::DoNotOptimize(list.sheet(kFormats - 1).table().size());
    }
    state.counters["telegrams"] = kTelegrams;
    state.counters["per_telegram_ns"] = benchmark::Counter(
        double(kTelegrams), benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}
BENCHMARK(BM_ApplyTelegrams)->Unit(benchmark::kMillisecond);

void BM_WriteAllFiles(benchmark::State& state) {
    ExportFormatListe list = ExportFormatListe::fromIni(IniFile::fromBytes(formatFile()));
    auto telegrams = devices();
    applyAll(list, telegrams, QDateTime(QDate(2026, 5, 20), QTime(9, 0)));
    QTemporaryDir dir;
    for (auto _ : state) {
        const auto failures = list.writeAll(dir.path());
        if (!failures.empty())
            state.SkipWithError("a CSV file could not be written");
    }
    int rows = 0;
    for (int i = 0; i < list.size(); ++i)
        rows += list.sheet(i).table().size();
    state.counters["rows"] = rows;
}
BENCHMARK(BM_WriteAllFiles)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
