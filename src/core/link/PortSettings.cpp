#include "core/link/PortSettings.h"

#include <algorithm>

namespace kvq {

const QStringList& dataBitsItems() {
    static const QStringList items{QStringLiteral("5"), QStringLiteral("6"), QStringLiteral("7"),
                                   QStringLiteral("8")};
    return items;
}

const QStringList& parityItems() {
    static const QStringList items{QStringLiteral("none"), QStringLiteral("odd"), QStringLiteral("even"),
                                   QStringLiteral("mark"), QStringLiteral("space")};
    return items;
}

const QStringList& stopBitsItems() {
    static const QStringList items{QStringLiteral("1"), QStringLiteral("1,5"), QStringLiteral("2")};
    return items;
}

QStringList baudRateItems() {
    QStringList items;
    for (int b : kBaudRateTable)
        items << QString::number(b);
    return items;
}

PortDefaults portDefaults(SerialInterface which) {
    if (which == SerialInterface::SIO1)
        return {4, 4096, 4096};
    return {8, 8192, 4096};
}

int doubledQueueSize(int size) {
    return size < 524289 ? size * 2 : size;
}

int halvedQueueSize(int size) {
    return size > 1 ? size / 2 : size;
}

int portNumberOfEntry(const QString& entry) {
    if (!entry.startsWith(QLatin1String("COM"), Qt::CaseInsensitive))
        return 0;
    int n = 0;
    bool any = false;
    for (qsizetype i = 3; i < entry.size() && entry[i].isDigit() && n < 100000; ++i) {
        n = n * 10 + entry[i].digitValue();
        any = true;
    }
    return any ? n : 0;
}

int ParsePortNumber(const PortList& list) {
    if (list.selected < 0 || list.selected >= list.entries.size())
        return 0;
    return portNumberOfEntry(list.entries[list.selected]);
}

void SelectPort(PortList& list, int portNumber) {
    if (portNumber <= 0)
        return;
    for (int i = 0; i < list.entries.size(); ++i) {
        if (portNumberOfEntry(list.entries[i]) == portNumber) {
            list.selected = i;
            return;
        }
    }
}

static int clampIndex(int index, int count, int fallback) {
    return index >= 0 && index < count ? index : fallback;
}

void ApplyPortSettings(const PortPage& page, PortSettingsRecord& record) {
    LineSettings& ls = record.lineSettings;
    ls.baudRate = kBaudRateTable[clampIndex(page.baudIndex, int(kBaudRateTable.size()), 4)];
    ls.dataBits = clampIndex(page.dataBitsIndex, 4, 3) + 5;
    const int parity = clampIndex(page.parityIndex, 5, 0);
    ls.parity = static_cast<ParityCode>(parity);
    ls.stopBits = static_cast<StopBitsCode>(clampIndex(page.stopBitsIndex, 3, 0));
    ls.binary = true;
    ls.parityCheck = parity > 0;
    ls.ctsOutFlow = ls.rtsHandshake = page.rtsCts;
    ls.dsrOutFlow = ls.dtrHandshake = page.dtrDsr;
    ls.outX = ls.inX = page.xonXoff;
    ls.xonChar = 0x11;
    ls.xoffChar = 0x13;
    ls.abortOnError = false;
}

void InitPortSettings(SerialInterface which, PortSettingsRecord& record, PortPage& page,
                      const QStringList& portEntries) {
    const PortDefaults d = portDefaults(which);
    page.ports.entries = portEntries;
    page.ports.selected = -1;
    page.baudIndex = d.baudIndex;
    page.dataBitsIndex = 3;
    page.parityIndex = 0;
    page.stopBitsIndex = 0;
    page.rtsCts = page.dtrDsr = page.xonXoff = false;
    // What the platform parse of "baud=115200 parity=N data=8 stop=1" gives; the selections below
    // overwrite every field that matters.
    record.lineSettings = LineSettings{};
    record.RxQueueSize = page.rxQueueSize = d.rxQueueSize;
    record.TxQueueSize = page.txQueueSize = d.txQueueSize;
    // Selected by the port's name rather than by list position: a position says nothing about which
    // port it is once the list has gaps, and a refresh must not quietly switch to another port.
    SelectPort(page.ports, record.PortNr);
    record.PortNr = ParsePortNumber(page.ports);
    ApplyPortSettings(page, record);
}

} // namespace kvq
