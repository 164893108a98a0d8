#include "cli/ExportCommand.h"

#include "cli/WmbusCli.h"
#include "core/app/Clock.h"
#include "core/export/ExportFormatListe.h"
#include "core/wmbus/Framing.h"
#include "core/wmbus/TelegramDecoder.h"
#include "core/wmbus/TelegramDecryptor.h"
#include "core/wmbus/crypto/KeyText.h"
#include "core/wmbus/output/KeyDirectory.h"
#include "core/wmbus/replay/ReplayFile.h"
#include "core/wmbus/route/RouteFile.h"

#include <memory>
#include <optional>
#include <ostream>

namespace kvq::cli {

const char* const kExportUsage =
    "  export --formats FILE.EXF --out-dir DIR [--route FILE.ROUTE] [--key ID=KEYTEXT]...\n"
    "         [--framing radiocraft|amber] [--now \"DD.MM.YYYY hh:mm:ss\"] REPLAYFILE...\n"
    "                             apply the export formats to recorded telegrams and write one\n"
    "                             CSV per format into DIR; with a route only its devices count\n";

namespace {

// The time given on the command line, so headings and time cells can be reproduced.
class FixedClock final : public Clock {
public:
    explicit FixedClock(QDateTime t) : t_(std::move(t)) {}
    QDateTime localNow() const override { return t_; }
    QDateTime utcNow() const override { return t_.toUTC(); }

private:
    QDateTime t_;
};

struct ExportOptions {
    QString formats;
    QString outDir;
    QString route;
    wmbus::Framing framing = wmbus::Framing::RadioCraft;
    std::optional<QDateTime> now;
    std::vector<std::pair<std::uint32_t, std::string>> keys;
    QStringList replayFiles;
};

QString parse(const QStringList& args, ExportOptions& o) {
    for (qsizetype i = 0; i < args.size(); ++i) {
        const QString& a = args[i];
        QString v;
        const auto value = [&] {
            if (i + 1 >= args.size())
                return false;
            v = args[++i];
            return true;
        };
        if (!a.startsWith(QLatin1String("--"))) {
            o.replayFiles << a;
        } else if (a == QLatin1String("--formats")) {
            if (!value())
                return QStringLiteral("--formats needs an export format file");
            o.formats = v;
        } else if (a == QLatin1String("--out-dir")) {
            if (!value())
                return QStringLiteral("--out-dir needs a folder");
            o.outDir = v;
        } else if (a == QLatin1String("--route")) {
            if (!value())
                return QStringLiteral("--route needs a route file");
            o.route = v;
        } else if (a == QLatin1String("--framing") || a == QLatin1String("--receiver")) {
            if (!value() || (v != QLatin1String("radiocraft") && v != QLatin1String("amber")))
                return a + QStringLiteral(" needs radiocraft or amber");
            o.framing = v == QLatin1String("amber") ? wmbus::Framing::Amber : wmbus::Framing::RadioCraft;
        } else if (a == QLatin1String("--now")) {
            if (!value())
                return QStringLiteral("--now needs \"DD.MM.YYYY hh:mm:ss\"");
            const QDateTime t = QDateTime::fromString(v, QStringLiteral("dd.MM.yyyy hh:mm:ss"));
            if (!t.isValid())
                return QStringLiteral("--now needs \"DD.MM.YYYY hh:mm:ss\": ") + v;
            o.now = t;
        } else if (a == QLatin1String("--key")) {
            if (!value())
                return QStringLiteral("--key needs ID=KEYTEXT");
            const qsizetype eq = v.indexOf(u'=');
            bool ok = false;
            const std::uint32_t id = eq > 0 ? v.left(eq).trimmed().toUInt(&ok) : 0;
            const std::string key = v.mid(eq + 1).toStdString();
            if (!ok || crypto::CheckKeyText(key) != crypto::KeyTextFault::None)
                return QStringLiteral("--key needs ID=KEYTEXT with a decimal ID and 32 hex digits: ") + v;
            o.keys.emplace_back(id, key);
        } else {
            return QStringLiteral("unknown option ") + a;
        }
    }
    if (o.formats.isEmpty() || o.outDir.isEmpty())
        return QStringLiteral("export needs --formats and --out-dir");
    if (o.replayFiles.isEmpty())
        return QStringLiteral("export needs at least one replay file");
    return {};
}

} // namespace

int runExportCommand(const QStringList& args, std::ostream& out, std::ostream& err) {
    if (args.contains(QLatin1String("--help"))) {
        out << "usage: kvq-wmbus export ...\n" << kExportUsage;
        return kExitOk;
    }
    ExportOptions o;
    if (const QString problem = parse(args, o); !problem.isEmpty()) {
        err << "kvq-wmbus: " << problem.toStdString() << "\nusage:\n" << kExportUsage;
        return kExitUsage;
    }

    QStringList messages;
    auto loaded = exporting::ExportFormatListe::load(o.formats, &messages);
    for (const QString& m : messages)
        err << o.formats.toStdString() << ": " << m.toStdString() << '\n';
    if (!loaded.ok()) {
        err << "kvq-wmbus: " << loaded.message().toStdString() << '\n';
        return kExitInput;
    }
    exporting::ExportFormatListe& formats = loaded.value();

    std::unique_ptr<wmbus::Route> route;
    wmbus::KeyDirectory keys;
    for (const auto& [id, key] : o.keys)
        keys.add(id, key);
    if (!o.route.isEmpty()) {
        auto read = wmbus::readRouteFile(o.route);
        if (!read.ok()) {
            err << "kvq-wmbus: " << read.message().toStdString() << '\n';
            return kExitInput;
        }
        for (const QString& m : read->messages)
            err << o.route.toStdString() << ": " << m.toStdString() << '\n';
        route = std::make_unique<wmbus::Route>(std::move(read->route));
        keys.setFallback(route.get());
    }
    wmbus::TelegramDecryptor decryptor;
    wmbus::TelegramDecoder decoder(o.framing);
    decoder.setDeviceDirectory(&keys);
    decoder.setDecryptor(&decryptor);

    const FixedClock fixed(o.now.value_or(QDateTime()));
    const Clock& clock = o.now ? static_cast<const Clock&>(fixed) : SystemClock::instance();

    wmbus::TelegramResult result;
    wmbus::TelegramBuffer buffer;
    std::size_t decoded = 0, taken = 0;
    for (const QString& path : o.replayFiles) {
        wmbus::TelegramFramer framer(o.framing);
        wmbus::ReceiveTime lineTime = 0;
        int lineNumber = 0;
        const auto onFrame = [&](const wmbus::ReceivedFrame& f) {
            if (!buffer.assign(f.telegram, lineTime) || !decoder.decode(buffer, result)) {
                err << path.toStdString() << ": line " << lineNumber
                    << ": telegram shorter than its L field\n";
                return;
            }
            ++decoded;
            // As in the recorder: with a route, only its devices reach the formats.
            if (route && !route->findRouteDeviceByIdText(result.link.idText.view(), result.deviceType,
                                                         result.link.manufacturer.view()))
                return;
            if (formats.apply(result, clock.localNow()) >= 0)
                ++taken;
        };
        const Status read = wmbus::readReplayFile(
            path,
            [&](const wmbus::ReplayLine& line) {
                lineNumber = line.lineNumber;
                lineTime = line.receiveTime;
                framer.receive(line.bytes, onFrame);
            },
            [&](const wmbus::ReplayLineError& e) {
                err << path.toStdString() << ": " << e.message.toStdString() << '\n';
            });
        if (!read) {
            err << "kvq-wmbus: " << read.message().toStdString() << '\n';
            return kExitInput;
        }
    }

    const auto failures = formats.writeAll(o.outDir);
    for (const auto& f : failures)
        err << "kvq-wmbus: format " << f.format.toStdString() << ": " << f.message.toStdString() << '\n';
    for (int i = 0; i < formats.size(); ++i) {
        const exporting::ExportFormat& f = formats.at(i);
        if (formats.sheet(i).started())
            out << f.name().toStdString() << ": " << formats.sheet(i).table().size() << " rows -> "
                << exporting::ExportFormatListe::csvPath(o.outDir, f.name()).toStdString() << '\n';
    }
    out << decoded << " telegrams decoded, " << taken << " taken by a format\n";
    return failures.empty() ? kExitOk : kExitInput;
}

} // namespace kvq::cli
