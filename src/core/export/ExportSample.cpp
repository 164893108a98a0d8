#include "core/export/ExportSample.h"

#include "core/wmbus/TelegramResult.h"
#include "core/wmbus/output/TelegramOutput.h"
#include "core/wmbus/table/StoredResult.h"

namespace kvq::exporting {

namespace {

QString text(std::string_view s) {
    return QString::fromUtf8(s.data(), qsizetype(s.size()));
}

// "[3]" at the end of a unit text ("m³[3]"), or empty.
QString storageSuffix(const QString& unit) {
    if (!unit.endsWith(u']'))
        return {};
    const qsizetype open = unit.lastIndexOf(u'[');
    if (open < 0 || open + 2 >= unit.size())
        return {};
    for (qsizetype i = open + 1; i < unit.size() - 1; ++i)
        if (!unit[i].isDigit())
            return {};
    return unit.mid(open);
}

} // namespace

std::vector<SampleField> sampleFields(int index, const wmbus::StoredResult& r) {
    std::vector<SampleField> out{
        {QStringLiteral("Index"), QString::number(index)},
        {QStringLiteral("Length"), QString::number(r.length)},
        {QStringLiteral("RadioID"), text(r.linkId())},
        {QStringLiteral("TCount"), QString::number(r.accessNumber)},
        {QStringLiteral("MeterID"), text(r.headerId())},
        {QStringLiteral("RTime"), QString::fromStdString(wmbus::receiveTimeText(r.receiveTime, QDateTime()))},
        {QStringLiteral("Medium"), QString::number(r.deviceType)},
        {QStringLiteral("MC"), text(r.manufacturerText())},
        {QStringLiteral("AES"), text(wmbus::TelegramResult::yesNo(r.encrypted))},
        {QStringLiteral("RSSI"), text(r.rssi())},
    };
    for (int i = 0; i < wmbus::StoredResult::kMaxPairs; ++i) {
        if (r.value(i).empty() && r.unit(i).empty())
            continue;
        const QString unit = text(r.unit(i));
        const QString n = QString::number(i + 1);
        out.push_back({QStringLiteral("Value") + n + storageSuffix(unit), text(r.value(i))});
        out.push_back({QStringLiteral("Unit") + n, unit});
    }
    return out;
}

ExportFilter sampleFilter(const wmbus::StoredResult& r) {
    ExportFilter f;
    const QString id = text(r.linkId());
    f.rfidMin = f.rfidMax = id.rightJustified(8, u'0');
    f.mc = text(r.manufacturerText());
    f.medium = QString::number(r.deviceType).rightJustified(2, u'0');
    f.laenge = QString::number(r.length).rightJustified(3, u'0');
    f.enabled = true;
    return f;
}

std::vector<ExportColumn> wizardColumns(const std::vector<SampleField>& sample) {
    std::vector<ExportColumn> out;
    for (const SampleField& s : sample) {
        if (s.name.isEmpty())
            continue;
        const bool dated =
            s.name.contains(QLatin1String("Value")) && ((s.value.contains(u'[') && s.value.contains(u']')) ||
                                                        (s.name.contains(u'[') && s.name.contains(u']')));
        out.push_back({s.name, s.value, dated ? QStringLiteral("[M]") : QString()});
    }
    return out;
}

} // namespace kvq::exporting
