#include "core/wmbus/route/RouteFile.h"

#include "core/wmbus/crypto/KeyText.h"
#include "core/wmbus/route/RouteKeyProtection.h"

#include <QSet>

#include <functional>
#include <map>
#include <set>

namespace kvq::wmbus {

namespace {

const QString kSetup = QStringLiteral("SETUP");
const QString kRoute = QStringLiteral("ROUTE");

QString buildingSection(int h) {
    return QStringLiteral("HAUS%1").arg(h);
}
QString floorSection(int h, int f) {
    return QStringLiteral("HAUS%1_E%2").arg(h).arg(f);
}
QString deviceSection(int h, int s) {
    return QStringLiteral("HAUS%1_S%2").arg(h).arg(s);
}

// The numbered sections a file really holds, so that absurd counts cost nothing.
struct BuildingSections {
    bool present = false;
    std::set<int> floors;
    std::set<int> devices;
};

struct FileSections {
    std::map<int, BuildingSections> buildings;
    QStringList unreadable; // look like ours, but no reader would ever ask for them
};

// A section number as the writer writes it: decimal, no sign, no leading zero.
int sectionNumber(QStringView digits) {
    if (digits.isEmpty() || digits.size() > 9 || digits.front() == u'0')
        return 0;
    for (QChar c : digits) {
        if (c < u'0' || c > u'9')
            return 0;
    }
    return digits.toInt();
}

FileSections scanSections(const IniFile& ini) {
    FileSections out;
    for (const QString& name : ini.sections()) {
        const QString upper = name.toUpper();
        if (!upper.startsWith(QLatin1String("HAUS")))
            continue;
        const QStringView rest = QStringView(upper).mid(4);
        const qsizetype underscore = rest.indexOf(u'_');
        const int h = sectionNumber(underscore < 0 ? rest : rest.left(underscore));
        if (h == 0) {
            out.unreadable << name;
            continue;
        }
        if (underscore < 0) {
            out.buildings[h].present = true;
            continue;
        }
        const QStringView sub = rest.mid(underscore + 1);
        const int n = sub.size() > 1 ? sectionNumber(sub.mid(1)) : 0;
        if (n != 0 && sub.front() == u'E') {
            out.buildings[h].floors.insert(n);
        } else if (n != 0 && sub.front() == u'S') {
            out.buildings[h].devices.insert(n);
        } else {
            out.unreadable << name;
        }
    }
    return out;
}

// The first `count` numbers present, ascending. The rest are named in `messages`.
std::vector<int> takeNumbers(const std::set<int>& present, int count, const QString& countKey,
                             const QString& where, const std::function<QString(int)>& sectionName,
                             QStringList& messages) {
    std::vector<int> taken;
    for (int n : present) {
        if (static_cast<int>(taken.size()) < count) {
            taken.push_back(n);
        } else {
            messages << QStringLiteral("%1: section %2 is not counted in %3=%4 and was not read")
                            .arg(where, sectionName(n), countKey)
                            .arg(count);
        }
    }
    if (static_cast<int>(taken.size()) < count) {
        messages << QStringLiteral("%1: %2=%3, but the file holds only %4 such sections")
                        .arg(where, countKey)
                        .arg(count)
                        .arg(taken.size());
    }
    return taken;
}

int readCount(const IniFile& ini, const QString& section, const QString& key, int def,
              QStringList& messages) {
    const QString text = ini.readString(section, key, QString::number(def)).trimmed();
    bool ok = false;
    const int value = text.toInt(&ok, 10);
    if (!ok) {
        messages << QStringLiteral("%1: %2=\"%3\" is no number, %4 taken").arg(section, key, text).arg(def);
        return def;
    }
    if (value < 0) {
        messages << QStringLiteral("%1: %2=%3 is negative, 0 taken").arg(section, key).arg(value);
        return 0;
    }
    return value;
}

QDateTime parseCreated(const QString& text, const QString& format) {
    const QString t = text.trimmed();
    if (t.isEmpty())
        return {};
    // The configured format first; then forms other settings may have written.
    const QString formats[] = {format,
                               QStringLiteral("dd.MM.yyyy hh:mm:ss"),
                               QStringLiteral("d.M.yyyy h:mm:ss"),
                               QStringLiteral("dd.MM.yyyy hh:mm"),
                               QStringLiteral("dd.MM.yyyy"),
                               QStringLiteral("d.M.yyyy")};
    for (const QString& f : formats) {
        QDateTime dt = QDateTime::fromString(t, f);
        if (dt.isValid())
            return dt;
    }
    QDateTime iso = QDateTime::fromString(t, Qt::ISODate);
    return iso;
}

// Values must stay on their line: a line break would end the value and start a new key.
QString oneLine(QString text) {
    text.replace(QLatin1String("\r\n"), QLatin1String(" "));
    text.replace(u'\r', u' ');
    text.replace(u'\n', u' ');
    return text;
}

void readDevices(const IniFile& ini, int h, const BuildingSections& sections, Route& route,
                 RouteNodeId building, QStringList& messages) {
    const QString where = buildingSection(h);
    const int count = readCount(ini, where, QStringLiteral("ANZS"), 0, messages);
    const auto numbers = takeNumbers(
        sections.devices, count, QStringLiteral("ANZS"), where, [h](int s) { return deviceSection(h, s); },
        messages);
    for (int s : numbers) {
        const QString sec = deviceSection(h, s);
        const QString idText = ini.readString(sec, QStringLiteral("RADIOID"), QStringLiteral("1")).trimmed();
        const auto radioId = radioIdFromText(idText.toStdString());
        if (!radioId) {
            messages
                << QStringLiteral("%1: RADIOID \"%2\" is no radio ID; device not loaded").arg(sec, idText);
            continue;
        }
        RouteDevice device;
        device.radioId = *radioId;
        device.medium = ini.readString(sec, QStringLiteral("MEDIUM"), QStringLiteral("8"));
        device.positionText = ini.readString(sec, QStringLiteral("TEXT"));
        device.manufacturer = ini.readString(sec, QStringLiteral("MANCODE"), QStringLiteral("QLM"));
        const auto key = unprotectKeyText(ini.readString(sec, QStringLiteral("AESKEY")));
        if (key) {
            device.keyText = *key;
        } else {
            messages << QStringLiteral("%1: AESKEY is not 32 hex digits; device %2 loaded without key")
                            .arg(sec, radioIdText(device.radioId));
        }
        const QString floorName = ini.readString(sec, QStringLiteral("ETAGE"));
        RouteNodeId target = 0;
        for (RouteNodeId f : route.children(building)) {
            if (route.floor(f)->name == floorName) {
                target = f;
                break;
            }
        }
        if (target == 0) {
            messages << QStringLiteral(
                            "%1: device %2 names floor \"%3\", which %4 does not have; device not loaded")
                            .arg(sec, radioIdText(device.radioId), floorName, where);
            continue;
        }
        route.appendDevice(target, device);
    }
}

} // namespace

RouteReadResult readRoute(const IniFile& ini, const QString& createFormat) {
    RouteReadResult result{Route(), {}, {}};
    QStringList& messages = result.messages;
    Route& route = result.route;

    for (const QString& mode : {QStringLiteral("T"), QStringLiteral("S"), QStringLiteral("C")}) {
        if (ini.readString(kSetup, QStringLiteral("RFMODE"), mode).trimmed() == mode)
            result.radioModes << mode;
    }

    RouteRecord record;
    record.name = ini.readString(kRoute, QStringLiteral("NAME"), QStringLiteral("Route1"));
    record.remark = ini.readString(kRoute, QStringLiteral("BEMERKUNG"));
    const QString created = ini.readString(kRoute, QStringLiteral("CREATE"));
    record.created = parseCreated(created, createFormat);
    if (!record.created.isValid() && !created.trimmed().isEmpty())
        messages << QStringLiteral("ROUTE: CREATE \"%1\" is no date and time").arg(created);

    const FileSections sections = scanSections(ini);
    for (const QString& name : sections.unreadable)
        messages << QStringLiteral("section %1 is no building, floor or device section and was not read")
                        .arg(name);

    std::set<int> buildingNumbers;
    for (const auto& [h, b] : sections.buildings) {
        if (b.present) {
            buildingNumbers.insert(h);
        } else {
            messages << QStringLiteral("%1: floors or devices without their building section were not read")
                            .arg(buildingSection(h));
        }
    }
    const int buildingCount = readCount(ini, kRoute, QStringLiteral("HAUSER"), 0, messages);
    const auto numbers = takeNumbers(
        buildingNumbers, buildingCount, QStringLiteral("HAUSER"), kRoute,
        [](int h) { return buildingSection(h); }, messages);

    for (int h : numbers) {
        const QString sec = buildingSection(h);
        const BuildingSections& bs = sections.buildings.at(h);
        BuildingRecord b;
        b.name = ini.readString(sec, QStringLiteral("NAME"), QStringLiteral("Haus"));
        b.street = ini.readString(sec, QStringLiteral("STRASSE"));
        b.houseNumber = ini.readString(sec, QStringLiteral("NR"));
        b.postCode = ini.readString(sec, QStringLiteral("PLZ"));
        b.town = ini.readString(sec, QStringLiteral("ORT"));
        b.remark = ini.readString(sec, QStringLiteral("BEMERKUNG"));
        const int floorCount = readCount(ini, sec, QStringLiteral("ANZETAGEN"), 1, messages);
        const auto floorNumbers = takeNumbers(
            bs.floors, floorCount, QStringLiteral("ANZETAGEN"), sec,
            [h](int f) { return floorSection(h, f); }, messages);
        b.floorCount = static_cast<std::int32_t>(floorNumbers.size());
        const RouteNodeId building = route.appendBuilding(b);
        int position = 0;
        for (int f : floorNumbers) {
            FloorRecord floor;
            floor.name = ini.readString(floorSection(h, f), QStringLiteral("NAME"), QStringLiteral("FLOOR"));
            floor.remark = ini.readString(floorSection(h, f), QStringLiteral("BEMERKUNG"));
            floor.floorNumber = ++position;
            route.appendFloor(building, floor);
        }
        readDevices(ini, h, bs, route, building, messages);
    }

    record.buildingCounter = static_cast<std::int32_t>(route.childCount(route.root()));
    route.setRouteRecord(record);
    route.setModified(false);
    return result;
}

Result<RouteReadResult> readRouteFile(const QString& path, const QString& createFormat) {
    auto ini = IniFile::load(path);
    if (!ini)
        return Result<RouteReadResult>::failure(ini.message(), ini.code());
    if (!ini->existed())
        return Result<RouteReadResult>::failure(QStringLiteral("%1: file not found").arg(path),
                                                ErrorCode::FileAccess);
    return readRoute(ini.value(), createFormat);
}

IniFile routeToIni(const Route& route, const QString& radioMode, const QString& createFormat,
                   QStringList* warnings) {
    IniFile ini;
    QStringList ignored;
    QStringList& warn = warnings ? *warnings : ignored;

    ini.writeString(kSetup, QStringLiteral("EDITKEY"), QString());
    ini.writeString(kSetup, QStringLiteral("RFMODE"), oneLine(radioMode));

    const RouteRecord& r = route.routeRecord();
    ini.writeString(kRoute, QStringLiteral("NAME"), oneLine(r.name));
    ini.writeString(kRoute, QStringLiteral("CREATE"),
                    r.created.isValid() ? r.created.toString(createFormat) : QString());
    ini.writeString(kRoute, QStringLiteral("ERSTELLER"), QStringLiteral("Mustermann"));
    ini.writeString(kRoute, QStringLiteral("BEMERKUNG"), oneLine(r.remark));
    ini.writeInteger(kRoute, QStringLiteral("HAUSER"), route.childCount(route.root()));

    int h = 0;
    for (RouteNodeId buildingId : route.children(route.root())) {
        const BuildingRecord& b = *route.building(buildingId);
        const QString sec = buildingSection(++h);
        ini.writeString(sec, QStringLiteral("NAME"), oneLine(b.name));
        ini.writeString(sec, QStringLiteral("STRASSE"), oneLine(b.street));
        ini.writeString(sec, QStringLiteral("NR"), oneLine(b.houseNumber));
        ini.writeString(sec, QStringLiteral("PLZ"), oneLine(b.postCode));
        ini.writeString(sec, QStringLiteral("ORT"), oneLine(b.town));
        ini.writeString(sec, QStringLiteral("BEMERKUNG"), oneLine(b.remark));
        ini.writeInteger(sec, QStringLiteral("ANZETAGEN"), route.childCount(buildingId));

        // Floors are numbered by position: the reader counts them from 1 without gaps.
        int f = 0;
        int s = 0;
        QSet<QString> floorNames;
        for (RouteNodeId floorId : route.children(buildingId)) {
            const FloorRecord& floor = *route.floor(floorId);
            const QString floorName = oneLine(floor.name).trimmed();
            if (floorNames.contains(floorName)) {
                warn << QStringLiteral(
                            "%1: two floors are named \"%2\"; its devices will all be read onto the first")
                            .arg(b.name, floorName);
            }
            floorNames.insert(floorName);
            const QString floorSec = floorSection(h, ++f);
            ini.writeString(floorSec, QStringLiteral("NAME"), floorName);
            ini.writeString(floorSec, QStringLiteral("BEMERKUNG"), oneLine(floor.remark));
            for (RouteNodeId deviceId : route.children(floorId)) {
                const RouteDevice& d = *route.device(deviceId);
                const QString devSec = deviceSection(h, ++s);
                ini.writeString(devSec, QStringLiteral("RADIOID"), QString::number(d.radioId));
                ini.writeString(devSec, QStringLiteral("MEDIUM"), oneLine(d.medium));
                ini.writeString(devSec, QStringLiteral("TEXT"), oneLine(d.positionText));
                ini.writeString(devSec, QStringLiteral("MANCODE"), oneLine(d.manufacturer));
                ini.writeString(devSec, QStringLiteral("ETAGE"), floorName);
                const auto fault = crypto::CheckKeyText(d.keyText.toStdString());
                if (fault != crypto::KeyTextFault::None && fault != crypto::KeyTextFault::Empty) {
                    warn << QStringLiteral(
                                "device %1: the key text is not 32 hex digits; it is saved as read, "
                                "missing or wrong digits as 0")
                                .arg(radioIdText(d.radioId));
                }
                ini.writeString(devSec, QStringLiteral("AESKEY"), protectKeyText(d.keyText));
            }
        }
        ini.writeInteger(sec, QStringLiteral("ANZS"), s);
    }
    return ini;
}

Result<QStringList> writeRouteFile(const Route& route, const QString& path, const QString& radioMode,
                                   const QString& createFormat) {
    QStringList warnings;
    const IniFile ini = routeToIni(route, radioMode, createFormat, &warnings);
    const Status saved = ini.save(path);
    if (!saved)
        return Result<QStringList>::failure(saved.message(), saved.code());
    return warnings;
}

} // namespace kvq::wmbus
