#include "cli/WmbusCli.h"

#include "cli/ExportCommand.h"
#include "cli/Listen.h"
#include "cli/TelegramPrinter.h"
#include "core/app/Bytes.h"
#include "core/app/Result.h"
#include "core/wmbus/Framing.h"
#include "core/wmbus/ManufacturerDescriptions.h"
#include "core/wmbus/RecordReader.h"
#include "core/wmbus/TelegramDecoder.h"
#include "core/wmbus/TelegramDecryptor.h"
#include "core/wmbus/TelegramExplain.h"
#include "core/wmbus/compact/KompaktFormatList.h"
#include "core/wmbus/crypto/DeviceKey.h"
#include "core/wmbus/crypto/KeyText.h"
#include "core/wmbus/output/KeyDirectory.h"
#include "core/wmbus/replay/ReplayFile.h"
#include "core/wmbus/route/RouteFile.h"

#include <QFile>
#include <QFileInfo>
#include <chrono>
#include <fstream>
#include <memory>
#include <ostream>

namespace kvq::cli {

namespace {

const char* const kUsage =
    "usage: kvq-wmbus <command> [options]\n"
    "  decode HEX...              decode telegrams (L field first; RSSI byte last unless --no-rssi)\n"
    "  replay FILE                decode a replay file (hex lines or \"DD.MM.YYYY hh:mm:ss;\" + hex)\n"
    "  listen --port DEVICE --receiver radiocraft|amber [--mode T|C|S] [--seconds N]\n"
    "                             configure a receiver and print each telegram as it arrives\n"
    "  explain HEX                one line per protocol field and per record of a telegram\n"
    "  derive-key ID              print the key text derived from an identification number\n"
    "options:\n"
    "  --no-rssi                  (decode, explain) the hex carries no RSSI byte\n"
    "  --all-records              (decode, replay: text and json) every record, not only the first 20\n"
    "  --framing radiocraft|amber receiver framing of replay lines and the RSSI rule (default radiocraft)\n"
    "  --out FILE                 write the output to FILE instead of stdout\n"
    "  --route FILE.ROUTE         devices and their keys from a route file\n"
    "  --key ID=KEYTEXT           AES key of a device (repeatable; wins over the route)\n"
    "  --kformate FILE            compact-frame formats (default: kformate.ini of the data root when\n"
    "                             present); formats learned from format frames are added to FILE\n"
    "  --format text|csv|json     output form (decode: text, replay: csv, listen: text)\n"
    "  --locale de|c              decimal separator of value texts: comma (de, default) or point (c)\n";

struct Options {
    QString command;
    QStringList positional;
    bool noRssi = false;
    bool allRecords = false;
    wmbus::Framing framing = wmbus::Framing::RadioCraft;
    bool framingGiven = false;
    QString outPath;
    QString routePath;
    QString kformatePath;
    QString port;
    QString mode = QStringLiteral("T");
    int seconds = 0;
    std::vector<std::pair<std::uint32_t, std::string>> keys;
    OutputFormat format = OutputFormat::Text;
    bool formatGiven = false;
    char decimalSeparator = ',';
    bool help = false;
};

bool parseFraming(const QString& v, wmbus::Framing& f) {
    if (v == QLatin1String("radiocraft"))
        f = wmbus::Framing::RadioCraft;
    else if (v == QLatin1String("amber"))
        f = wmbus::Framing::Amber;
    else
        return false;
    return true;
}

// The options of a command line, or a usage error that says what does not fit.
Result<Options> parseOptions(const QStringList& args) {
    auto usage = [](const QString& problem) { return Result<Options>::failure(problem, ErrorCode::Usage); };
    Options o;
    if (args.isEmpty())
        return usage(QStringLiteral("no command given"));
    o.command = args.front();
    if (o.command == QLatin1String("--help") || o.command == QLatin1String("help")) {
        o.help = true;
        return o;
    }
    for (qsizetype i = 1; i < args.size(); ++i) {
        const QString& a = args[i];
        auto value = [&](QString& v) -> bool {
            if (i + 1 >= args.size())
                return false;
            v = args[++i];
            return true;
        };
        QString v;
        if (!a.startsWith(QLatin1String("--")) || a == QLatin1String("--")) {
            o.positional << a;
        } else if (a == QLatin1String("--no-rssi")) {
            o.noRssi = true;
        } else if (a == QLatin1String("--all-records")) {
            o.allRecords = true;
        } else if (a == QLatin1String("--framing") || a == QLatin1String("--receiver")) {
            if (!value(v) || !parseFraming(v, o.framing))
                return usage(a + QStringLiteral(" needs radiocraft or amber"));
            o.framingGiven = true;
        } else if (a == QLatin1String("--out")) {
            if (!value(o.outPath))
                return usage(QStringLiteral("--out needs a file name"));
        } else if (a == QLatin1String("--route")) {
            if (!value(o.routePath))
                return usage(QStringLiteral("--route needs a route file"));
        } else if (a == QLatin1String("--kformate")) {
            if (!value(o.kformatePath))
                return usage(QStringLiteral("--kformate needs a file"));
        } else if (a == QLatin1String("--port")) {
            if (!value(o.port))
                return usage(QStringLiteral("--port needs a device"));
        } else if (a == QLatin1String("--mode")) {
            if (!value(v))
                return usage(QStringLiteral("--mode needs T, C or S"));
            v = v.toUpper();
            if (v != QLatin1String("T") && v != QLatin1String("C") && v != QLatin1String("S"))
                return usage(QStringLiteral("--mode needs T, C or S"));
            o.mode = v;
        } else if (a == QLatin1String("--seconds")) {
            bool ok = false;
            if (!value(v) || (o.seconds = v.toInt(&ok), !ok) || o.seconds < 0)
                return usage(QStringLiteral("--seconds needs a number"));
        } else if (a == QLatin1String("--key")) {
            if (!value(v))
                return usage(QStringLiteral("--key needs ID=KEYTEXT"));
            const qsizetype eq = v.indexOf(u'=');
            bool ok = false;
            const std::uint32_t id = eq > 0 ? v.left(eq).trimmed().toUInt(&ok) : 0;
            const std::string key = v.mid(eq + 1).toStdString();
            if (!ok || crypto::CheckKeyText(key) != crypto::KeyTextFault::None)
                return usage(QStringLiteral("--key needs ID=KEYTEXT with a decimal ID and 32 hex digits: ") +
                             v);
            o.keys.emplace_back(id, key);
        } else if (a == QLatin1String("--format")) {
            if (!value(v))
                return usage(QStringLiteral("--format needs text, csv or json"));
            if (v == QLatin1String("text"))
                o.format = OutputFormat::Text;
            else if (v == QLatin1String("csv"))
                o.format = OutputFormat::Csv;
            else if (v == QLatin1String("json"))
                o.format = OutputFormat::Json;
            else
                return usage(QStringLiteral("--format needs text, csv or json"));
            o.formatGiven = true;
        } else if (a == QLatin1String("--locale")) {
            if (!value(v))
                return usage(QStringLiteral("--locale needs de or c"));
            if (v == QLatin1String("de"))
                o.decimalSeparator = ',';
            else if (v == QLatin1String("c"))
                o.decimalSeparator = '.';
            else
                return usage(QStringLiteral("--locale needs de or c"));
        } else if (a == QLatin1String("--help")) {
            o.help = true;
            return o;
        } else {
            return usage(QStringLiteral("unknown option ") + a);
        }
    }
    return o;
}

// Decoder set up from the options; owns the route and the key directory it consults.
struct DecodeSetup {
    std::unique_ptr<wmbus::Route> route;
    wmbus::KeyDirectory keys;
    wmbus::TelegramDecryptor decryptor;
    wmbus::KompaktFormatList formats;
    wmbus::TelegramDecoder decoder;

    explicit DecodeSetup(const Options& o) : decoder(o.framing) {
        decoder.setDecimalSeparator(o.decimalSeparator);
        for (const auto& [id, key] : o.keys)
            keys.add(id, key);
        decoder.setDeviceDirectory(&keys);
        decoder.setDecryptor(&decryptor);
        decoder.setCompactFrameHandler(&formats);
    }

    // Compact-frame formats: the file given, else the data root's when present. Formats learned
    // while decoding are written only to a file the user named.
    bool loadFormats(const Options& o, std::ostream& err) {
        QString path = o.kformatePath;
        if (path.isEmpty()) {
            const QString fallback = wmbus::KompaktFormatList::defaultPath();
            if (!QFileInfo::exists(fallback))
                return true;
            path = fallback;
        } else if (!QFileInfo::exists(path)) {
            err << "kvq-wmbus: " << path.toStdString() << ": no such file\n";
            return false;
        }
        for (const QString& problem : formats.load(path))
            err << path.toStdString() << ": " << problem.toStdString() << '\n';
        formats.setWriteBack(!o.kformatePath.isEmpty());
        return true;
    }

    // Loads the compact formats and the route file of the options; false when one cannot be read.
    bool loadFiles(const Options& o, std::ostream& err) {
        if (!loadFormats(o, err))
            return false;
        if (o.routePath.isEmpty())
            return true;
        auto read = wmbus::readRouteFile(o.routePath);
        if (!read.ok()) {
            err << "kvq-wmbus: " << read.message().toStdString() << '\n';
            return false;
        }
        for (const QString& m : read->messages)
            err << o.routePath.toStdString() << ": " << m.toStdString() << '\n';
        route = std::make_unique<wmbus::Route>(std::move(read->route));
        keys.setFallback(route.get());
        return true;
    }
};

// The telegram buffer of a command-line hex text (L field first): the receiver's start byte in front;
// without an RSSI byte the L field is one short of the buffer's rule and a zero RSSI is appended.
bool telegramOfHex(const QString& hex, bool noRssi, wmbus::TelegramBuffer& buffer) {
    std::vector<std::uint8_t> bytes;
    if (!parseHexText(hex.toStdString(), bytes) || bytes.empty())
        return false;
    std::vector<std::uint8_t> telegram{0x68};
    telegram.insert(telegram.end(), bytes.begin(), bytes.end());
    if (noRssi) {
        telegram[1] = static_cast<std::uint8_t>(telegram[1] + 1);
        telegram.push_back(0);
    }
    return buffer.assign(telegram);
}

// Every record of a decoded telegram, when asked for; empty otherwise.
const std::vector<wmbus::ValuePair>* allRecordsOf(const Options& o, const wmbus::TelegramBuffer& buffer,
                                                  const wmbus::TelegramResult& r,
                                                  std::vector<wmbus::ValuePair>& records) {
    if (!o.allRecords)
        return nullptr;
    records.clear();
    if (r.recordsEnd > r.recordsOffset && r.recordsEnd <= buffer.size) {
        wmbus::RecordReader reader(std::span<const std::uint8_t>(buffer.bytes)
                                       .subspan(r.recordsOffset, r.recordsEnd - r.recordsOffset),
                                   wmbus::RecordOptions{o.decimalSeparator});
        wmbus::DataRecord d;
        while (reader.next(d))
            records.push_back({d.value, d.unit});
    } else {
        // Records that were not read from the buffer (expanded ones): the pairs there are.
        for (std::size_t k = 0; k < std::min(r.recordCount, wmbus::kMaxValuePairs); ++k)
            records.push_back(r.values[k]);
    }
    return &records;
}

int runExplain(const Options& o, std::ostream& out, std::ostream& err) {
    if (o.positional.size() != 1) {
        err << "explain: give exactly one telegram\n" << kUsage;
        return kExitUsage;
    }
    DecodeSetup setup(o);
    if (!setup.loadFiles(o, err))
        return kExitInput;
    wmbus::TelegramBuffer buffer;
    wmbus::TelegramResult result;
    if (!telegramOfHex(o.positional.front(), o.noRssi, buffer) || !setup.decoder.decode(buffer, result)) {
        err << "explain: not a telegram (hex text of whole bytes, L field first, at least the link layer)\n";
        return kExitInput;
    }
    std::vector<std::string> lines = wmbus::explainTelegram(buffer.span(), result, o.decimalSeparator);
    // Without a receiver the buffer carries a stand-in RSSI byte that is no part of the telegram.
    if (o.noRssi && !lines.empty() && lines.back().find(" RSSI ") != std::string::npos)
        lines.pop_back();
    for (const std::string& line : lines)
        out << line << '\n';
    return kExitOk;
}

int runDecode(const Options& o, TelegramPrinter& printer, std::ostream& err) {
    if (o.positional.isEmpty()) {
        err << "decode: no telegram given\n" << kUsage;
        return kExitUsage;
    }
    DecodeSetup setup(o);
    if (!setup.loadFiles(o, err))
        return kExitInput;
    wmbus::TelegramResult result;
    wmbus::TelegramBuffer buffer;
    std::vector<wmbus::ValuePair> records;
    int index = 0;
    for (qsizetype n = 0; n < o.positional.size(); ++n) {
        if (!telegramOfHex(o.positional[n], o.noRssi, buffer)) {
            err << "telegram " << (n + 1) << ": not a hex text of whole bytes\n";
            continue;
        }
        if (!setup.decoder.decode(buffer, result)) {
            err << "telegram " << (n + 1) << ": shorter than its L field or no link layer\n";
            continue;
        }
        printer.print(++index, result, allRecordsOf(o, buffer, result, records));
    }
    return kExitOk;
}

int runReplay(const Options& o, TelegramPrinter& printer, std::ostream& err, bool errIsTerminal) {
    if (o.positional.size() != 1) {
        err << "replay: give exactly one file\n" << kUsage;
        return kExitUsage;
    }
    const QString path = o.positional.front();
    DecodeSetup setup(o);
    if (!setup.loadFiles(o, err))
        return kExitInput;
    wmbus::TelegramFramer framer(o.framing);
    wmbus::TelegramResult result;
    wmbus::TelegramBuffer buffer;
    std::vector<wmbus::ValuePair> records;
    int index = 0;
    int currentLine = 0;
    wmbus::ReceiveTime currentTime = 0;

    const qint64 total = QFileInfo(path).size();
    qint64 done = 0;
    const auto start = std::chrono::steady_clock::now();
    auto lastReport = start;
    bool reported = false;

    auto onFrame = [&](const wmbus::ReceivedFrame& f) {
        if (!buffer.assign(f.telegram, currentTime) || !setup.decoder.decode(buffer, result)) {
            err << "line " << currentLine << ": telegram shorter than its L field\n";
            return;
        }
        printer.print(++index, result, allRecordsOf(o, buffer, result, records));
    };
    const Status read = wmbus::readReplayFile(
        path,
        [&](const wmbus::ReplayLine& line) {
            currentLine = line.lineNumber;
            currentTime = line.receiveTime;
            const std::size_t before = index;
            framer.receive(line.bytes, onFrame);
            if (std::size_t(index) == before && framer.pending() == 0)
                err << "line " << line.lineNumber << ": no complete receiver frame\n";
            done += qint64(line.bytes.size()) * 2 + 1;
            if (errIsTerminal) {
                const auto now = std::chrono::steady_clock::now();
                if (now - start > std::chrono::seconds(2) &&
                    now - lastReport > std::chrono::milliseconds(500)) {
                    lastReport = now;
                    reported = true;
                    const int pct = total > 0 ? int(std::min<qint64>(100, done * 100 / total)) : 0;
                    err << "\rreplay: " << pct << "%, " << index << " telegrams" << std::flush;
                }
            }
        },
        [&](const wmbus::ReplayLineError& e) { err << e.message.toStdString() << '\n'; });
    if (reported)
        err << "\rreplay: 100%, " << index << " telegrams\n";
    if (!read) {
        err << read.message().toStdString() << '\n';
        return kExitInput;
    }
    if (framer.pending() > 0)
        err << "end of file: " << framer.pending() << " bytes of an incomplete frame\n";
    return kExitOk;
}

int runDeriveKey(const Options& o, std::ostream& out, std::ostream& err) {
    if (o.positional.size() != 1) {
        err << "derive-key: give exactly one identification number\n" << kUsage;
        return kExitUsage;
    }
    out << crypto::DeriveDeviceKey(o.positional.front().toStdString()).text << '\n';
    return kExitOk;
}

} // namespace

int runWmbusCli(const QStringList& args, std::ostream& out, std::ostream& err, bool errIsTerminal) {
    if (!args.isEmpty() && args.front() == QLatin1String("export"))
        return runExportCommand(args.mid(1), out, err);
    Result<Options> parsed = parseOptions(args);
    if (!parsed) {
        err << "kvq-wmbus: " << parsed.message().toStdString() << '\n' << kUsage;
        return kExitUsage;
    }
    Options& o = parsed.value();
    if (o.help) {
        const QString descriptions = wmbus::ManufacturerDescriptions::defaultPath();
        out << kUsage << "more commands:\n"
            << kExportUsage << "files:\n  manufacturer descriptions  " << descriptions.toStdString()
            << (QFileInfo(descriptions).isFile() ? "" : " (missing)") << '\n';
        return kExitOk;
    }
    if (o.command == QLatin1String("derive-key"))
        return runDeriveKey(o, out, err);
    if (o.command == QLatin1String("explain"))
        return runExplain(o, out, err);
    if (o.command != QLatin1String("decode") && o.command != QLatin1String("replay") &&
        o.command != QLatin1String("listen")) {
        err << "kvq-wmbus: unknown command " << o.command.toStdString() << '\n' << kUsage;
        return kExitUsage;
    }
    if (!o.formatGiven && o.command == QLatin1String("replay"))
        o.format = OutputFormat::Csv;

    std::ofstream file;
    std::ostream* sink = &out;
    if (!o.outPath.isEmpty()) {
        file.open(o.outPath.toStdString(), std::ios::binary | std::ios::trunc);
        if (!file) {
            err << "kvq-wmbus: cannot write " << o.outPath.toStdString() << '\n';
            return kExitInput;
        }
        sink = &file;
    }
    TelegramPrinter printer(*sink, o.format);
    int rc = kExitOk;
    if (o.command == QLatin1String("decode")) {
        rc = runDecode(o, printer, err);
    } else if (o.command == QLatin1String("replay")) {
        rc = runReplay(o, printer, err, errIsTerminal);
    } else {
        if (o.port.isEmpty() || !o.framingGiven) {
            err << "listen: needs --port and --receiver\n" << kUsage;
            return kExitUsage;
        }
        DecodeSetup setup(o);
        if (!setup.loadFiles(o, err))
            return kExitInput;
        rc = listen(ListenOptions{o.port, o.framing, o.mode, o.seconds}, setup.decoder, printer, err);
    }
    sink->flush();
    return rc;
}

} // namespace kvq::cli
