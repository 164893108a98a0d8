// Replay of recorded telegrams through kvq-wmbus: reading and framing whole files, decoding, and CSV
// or JSON output. Time per line should stay flat from 10,000 to 100,000 lines (linear in the file
// size), and the whole path should cost at most twice the decoder alone (BM_DecoderAlone*).

#include "cli/WmbusCli.h"
#include "core/app/Bytes.h"
#include "core/wmbus/Framing.h"
#include "core/wmbus/TelegramDecoder.h"
#include "core/wmbus/TelegramDecryptor.h"
#include "core/wmbus/compact/KompaktFormatList.h"
#include "core/wmbus/crypto/Aes128.h"
#include "core/wmbus/crypto/DeviceKey.h"

#include <QCoreApplication>
#include <QFile>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <sstream>

namespace {

// Unencrypted water meter telegram in a RadioCraft frame, one per line, with a time stamp.
const QByteArray kLine = "01.02.2020 10:20:30;681944AE4C4455223368077A55000000041389E20100023B00008A16\n";

// The same values in security mode 5 under the key derived from the ID: short header with
// configuration 0x0510 (one block), IV = M, ID, version, device type, access number x 8.
QByteArray encryptedLine() {
    using namespace kvq;
    std::vector<std::uint8_t> plain;
    parseHexText("2F2F041389E20100023B00002F2F2F2F", plain);
    crypto::Block iv{0xAE, 0x4C, 0x44, 0x55, 0x22, 0x33, 0x68, 0x07};
    std::fill(iv.begin() + 8, iv.end(), 0x55);
    crypto::CbcEncrypt(crypto::DeriveDeviceKey("33225544").key, iv, std::span<std::uint8_t>(plain));
    std::string frame = "681F44AE4C4455223368077A55001005" + toHexText(plain) + "8A16";
    std::erase(frame, ' ');
    return "01.02.2020 10:20:30;" + QByteArray::fromStdString(frame) + "\n";
}

QString makeFile(QTemporaryDir& dir, int lines, bool encrypted) {
    const QString path = dir.filePath(QStringLiteral("replay_%1_%2.dat").arg(lines).arg(encrypted));
    if (QFile::exists(path))
        return path;
    QFile f(path);
    f.open(QIODevice::WriteOnly);
    QByteArray block;
    const QByteArray line = encrypted ? encryptedLine() : kLine;
    for (int i = 0; i < 1000; ++i)
        block += line;
    for (int i = 0; i < lines / 1000; ++i)
        f.write(block);
    return path;
}

void replay(benchmark::State& state, bool encrypted, const char* format) {
    static QTemporaryDir dir;
    const int lines = int(state.range(0));
    const QString path = makeFile(dir, lines, encrypted);
    for (auto _ : state) {
        std::ostringstream out, err;
        const int rc = kvq::cli::runWmbusCli({QStringLiteral("replay"), path, QStringLiteral("--format"),
                                              QString::fromLatin1(format), QStringLiteral("--out"),
                                              QStringLiteral("/dev/null")},
                                             out, err);
        if (rc != 0 || !err.str().empty())
            state.SkipWithError("replay failed");
    }
    state.SetItemsProcessed(state.iterations() * lines);
}

// The decoder alone on the telegram of a replay line, framed once beforehand, set up as kvq-wmbus
// sets it up (decryption, compact formats learned from full frames).
void decoderAlone(benchmark::State& state, bool encrypted) {
    using namespace kvq::wmbus;
    const QByteArray line = encrypted ? encryptedLine() : kLine;
    std::vector<std::uint8_t> frame;
    kvq::parseHexText(line.mid(line.indexOf(';') + 1).trimmed().toStdString(), frame);
    TelegramFramer framer(Framing::RadioCraft);
    TelegramBuffer received;
    framer.receive(frame, [&](const ReceivedFrame& f) { received.assign(f.telegram); });
    TelegramDecoder decoder;
    TelegramDecryptor decryptor;
    KompaktFormatList formats;
    decoder.setDecryptor(&decryptor);
    decoder.setCompactFrameHandler(&formats);
    TelegramResult result;
    for (auto _ : state) {
        TelegramBuffer t = received; // decryption works in place
        decoder.decode(t, result);
        benchmark::DoNotOptimize(result.values[0].value.data());
    }
    if (result.values[0].value.empty())
        state.SkipWithError("no value decoded");
    state.SetItemsProcessed(state.iterations());
}

void BM_ReplayCsvUnencrypted(benchmark::State& state) {
    replay(state, false, "csv");
}
void BM_ReplayJsonUnencrypted(benchmark::State& state) {
    replay(state, false, "json");
}
void BM_ReplayCsvMode5DerivedKey(benchmark::State& state) {
    replay(state, true, "csv");
}
void BM_ReplayJsonMode5DerivedKey(benchmark::State& state) {
    replay(state, true, "json");
}
void BM_DecoderAloneUnencrypted(benchmark::State& state) {
    decoderAlone(state, false);
}
void BM_DecoderAloneMode5DerivedKey(benchmark::State& state) {
    decoderAlone(state, true);
}
BENCHMARK(BM_ReplayCsvUnencrypted)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ReplayJsonUnencrypted)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ReplayCsvMode5DerivedKey)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ReplayJsonMode5DerivedKey)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_DecoderAloneUnencrypted);
BENCHMARK(BM_DecoderAloneMode5DerivedKey);

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
