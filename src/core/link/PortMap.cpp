#include "core/link/PortMap.h"

#include "core/link/PortSettings.h"

#include <algorithm>

namespace kvq {

void PortMap::read(const IniFile& ini) {
    byNumber_.clear();
    temporary_.clear();
    for (const auto& [key, value] : ini.entries(kSection)) {
        const int n = portNumberOfEntry(key.trimmed());
        const QString path = value.trimmed();
        if (n <= 0 || path.isEmpty() || key.trimmed().size() != 3 + QString::number(n).size())
            continue;
        if (numberOf(path) != 0)
            continue; // one number per device
        byNumber_[n] = path;
    }
}

void PortMap::write(IniFile& ini) const {
    ini.eraseSection(kSection);
    for (const auto& [n, path] : byNumber_) {
        if (isTemporary(n))
            continue;
        ini.writeString(kSection, QStringLiteral("COM%1").arg(n), path);
    }
}

std::optional<QString> PortMap::pathFor(int portNumber) const {
    const auto it = byNumber_.find(portNumber);
    if (it == byNumber_.end())
        return std::nullopt;
    return it->second;
}

int PortMap::numberOf(const QString& path) const {
    for (const auto& [n, p] : byNumber_)
        if (p == path)
            return n;
    return 0;
}

int PortMap::nextFreeNumber() const {
    int n = 1;
    for (const auto& [used, path] : byNumber_) {
        if (used > n)
            break;
        if (used == n)
            ++n;
    }
    return n;
}

int PortMap::assign(const QString& path) {
    if (path.isEmpty())
        return 0;
    if (const int n = numberOf(path)) {
        temporary_.erase(n); // named by the user now: keep it
        return n;
    }
    const int n = nextFreeNumber();
    byNumber_[n] = path;
    return n;
}

int PortMap::assignTemporary(const QString& path) {
    if (path.isEmpty())
        return 0;
    if (const int n = numberOf(path))
        return n;
    const int n = nextFreeNumber();
    byNumber_[n] = path;
    temporary_[n] = true;
    return n;
}

void PortMap::setPath(int portNumber, const QString& path, bool temporary) {
    if (portNumber <= 0 || path.isEmpty())
        return;
    if (const int old = numberOf(path)) {
        byNumber_.erase(old);
        temporary_.erase(old);
    }
    byNumber_[portNumber] = path;
    if (temporary)
        temporary_[portNumber] = true;
    else
        temporary_.erase(portNumber);
}

void PortMap::assignAll(QStringList paths) {
    paths.sort();
    for (const QString& p : paths)
        if (numberOf(p) == 0)
            assign(p);
}

std::vector<PortListEntry> PortMap::listing(const std::vector<SerialDevice>& present,
                                            const std::function<bool(const QString&)>& exists) {
    QStringList paths;
    std::map<QString, QString> products;
    for (const SerialDevice& d : present) {
        paths << d.path;
        products[d.path] = d.product;
    }
    assignAll(paths);

    std::vector<PortListEntry> out;
    for (const auto& [n, path] : byNumber_) {
        const auto reported = products.find(path);
        const bool there = reported != products.end() || (exists && exists(path));
        if (!there && isTemporary(n))
            continue;
        out.push_back({n, path, reported != products.end() ? reported->second : QString(), there});
    }
    return out;
}

int PortMap::numberOfTyped(const QString& text) {
    const QString t = text.trimmed();
    if (t.startsWith(QLatin1Char('/')))
        return assign(t);
    const int n = portNumberOfEntry(t);
    return pathFor(n) ? n : 0;
}

QString PortMap::entryText(const PortListEntry& e, const QString& absentText) {
    // A by-id link says what the device is; its folder says nothing.
    const qsizetype slash = e.path.lastIndexOf(QLatin1Char('/'));
    const bool byId = slash > 0 && e.path.left(slash + 1).endsWith(QLatin1String("/serial/by-id/"));
    const QString name = byId ? e.path.mid(slash + 1) : e.path;
    QString text = QStringLiteral("COM%1  %2").arg(e.number).arg(name);
    if (!e.product.isEmpty())
        text += QStringLiteral("  (%1)").arg(e.product);
    if (!e.present && !absentText.isEmpty())
        text += QStringLiteral("  ") + absentText;
    return text;
}

} // namespace kvq
