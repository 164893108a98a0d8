#include "link/PortEnumeration.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QSerialPortInfo>
#include <QSet>

namespace kvq {

namespace {

QString productOf(const QSerialPortInfo& info) {
    // Qt gives the USB product string as the description; built-in ports have none.
    return info.description().trimmed();
}

} // namespace

std::vector<SerialDevice> systemSerialDevices(const SerialDeviceScan& scan) {
    std::vector<SerialDevice> devices;
    const QList<QSerialPortInfo> ports = QSerialPortInfo::availablePorts();
#ifdef Q_OS_WIN
    Q_UNUSED(scan);
    for (const QSerialPortInfo& info : ports)
        devices.push_back({info.portName(), productOf(info)});
#else
    QHash<QString, QString> productByDevice;
    for (const QSerialPortInfo& info : ports)
        productByDevice.insert(QFileInfo(info.systemLocation()).canonicalFilePath(), productOf(info));
    QSet<QString> covered;
    const QDir byId(scan.byIdFolder);
    for (const QFileInfo& link : byId.entryInfoList(QDir::System | QDir::Files | QDir::NoDotAndDotDot)) {
        const QString target = link.canonicalFilePath();
        if (target.isEmpty())
            continue; // a dangling link: the stick is being pulled
        devices.push_back({link.absoluteFilePath(), productByDevice.value(target)});
        covered.insert(target);
    }
    for (const QSerialPortInfo& info : ports) {
        const QString path = info.systemLocation();
        if (!covered.contains(QFileInfo(path).canonicalFilePath()))
            devices.push_back({path, productOf(info)});
    }
#endif
    return devices;
}

QString absentPortText() {
    return QCoreApplication::translate("kvq::PortEnumeration", "(fehlt)");
}

QStringList portListEntries(PortMap& map, const SerialDeviceScan& scan) {
    QStringList entries;
#ifdef Q_OS_WIN
    Q_UNUSED(map);
    for (const SerialDevice& d : systemSerialDevices(scan))
        entries << d.path;
#else
    const auto exists = [](const QString& path) { return QFileInfo::exists(path); };
    for (const PortListEntry& e : map.listing(systemSerialDevices(scan), exists))
        entries << PortMap::entryText(e, absentPortText());
#endif
    return entries;
}

void FillPortList(PortList& list, PortMap& map, const SerialDeviceScan& scan) {
    list.entries = portListEntries(map, scan);
    list.selected = -1;
}

} // namespace kvq
