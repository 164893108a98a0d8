#include "link/PortEnumeration.h"

#include <QDir>
#include <QFileInfo>
#include <QSerialPortInfo>
#include <QSet>

namespace kvq {

QStringList systemSerialDevices() {
    QStringList devices;
#ifdef Q_OS_WIN
    for (const QSerialPortInfo& info : QSerialPortInfo::availablePorts())
        devices << info.portName();
#else
    QSet<QString> covered;
    const QDir byId(QStringLiteral("/dev/serial/by-id"));
    for (const QFileInfo& link : byId.entryInfoList(QDir::System | QDir::Files | QDir::NoDotAndDotDot)) {
        devices << link.absoluteFilePath();
        covered.insert(link.canonicalFilePath());
    }
    for (const QSerialPortInfo& info : QSerialPortInfo::availablePorts()) {
        const QString path = info.systemLocation();
        if (!covered.contains(QFileInfo(path).canonicalFilePath()))
            devices << path;
    }
#endif
    return devices;
}

QStringList portListEntries(PortMap& map) {
#ifdef Q_OS_WIN
    Q_UNUSED(map);
    return systemSerialDevices();
#else
    map.assignAll(systemSerialDevices());
    QStringList entries;
    for (const auto& [n, path] : map.entries())
        if (QFileInfo::exists(path))
            entries << PortMap::entryText(n, path);
    return entries;
#endif
}

void FillPortList(PortList& list, PortMap& map) {
    list.entries = portListEntries(map);
    list.selected = -1;
}

} // namespace kvq
