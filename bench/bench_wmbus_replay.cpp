// Replay of recorded telegrams through kvq-wmbus: framing, decoding and CSV output of whole files.
// Time per line should stay flat from 10,000 to 100,000 lines (linear in the file size).

#include "cli/WmbusCli.h"

#include <QCoreApplication>
#include <QFile>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <sstream>

namespace {

// Unencrypted water meter telegram in a RadioCraft frame, one per line, with a time stamp.
const QByteArray kLine = "01.02.2020 10:20:30;68192EAE4C4455223368077A55000000041389E20100023B00008A16\n";

QString makeFile(QTemporaryDir& dir, int lines) {
    const QString path = dir.filePath(QStringLiteral("replay_%1.dat").arg(lines));
    if (QFile::exists(path)) return path;
    QFile f(path);
    f.open(QIODevice::WriteOnly);
    QByteArray block;
    for (int i = 0; i < 1000; ++i) block += kLine;
    for (int i = 0; i < lines / 1000; ++i) f.write(block);
    return path;
}

void BM_ReplayUnencrypted(benchmark::State& state) {
    static QTemporaryDir dir;
    const int lines = int(state.range(0));
    const QString path = makeFile(dir, lines);
    for (auto _ : state) {
        std::ostringstream out, err;
        const int rc = kvq::cli::runWmbusCli({QStringLiteral("replay"), path, QStringLiteral("--out"),
                                              QStringLiteral("/dev/null")},
                                             out, err);
        if (rc != 0) state.SkipWithError("replay failed");
    }
    state.SetItemsProcessed(state.iterations() * lines);
}
BENCHMARK(BM_ReplayUnencrypted)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
