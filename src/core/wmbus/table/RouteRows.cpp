#include "core/wmbus/table/RouteRows.h"

#include <array>
#include <string>

namespace kvq::wmbus {

namespace {

QString text(std::string_view s) {
    return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size()));
}

std::uint8_t byteOf(const QString& s) {
    bool ok = false;
    const uint v = s.trimmed().toUInt(&ok);
    return ok && v <= 255 ? static_cast<std::uint8_t>(v) : 0;
}

} // namespace

LastTelegram lastTelegramOf(const TelegramResult& r, const QDateTime& receivedAt) {
    LastTelegram t;
    t.length = QString::number(r.link.l);
    t.linkId = text(r.link.idText.view());
    t.accessNumber = QString::number(r.accessNumber);
    t.headerId = text(r.headerIdText.view());
    t.receiveTime = r.receiveTime > 0 ? QDateTime::fromMSecsSinceEpoch(r.receiveTime) : receivedAt;
    t.deviceType = QString::number(r.deviceType);
    t.manufacturer = text(r.link.manufacturer.view());
    t.version = QString::number(r.link.version);
    t.encrypted = text(TelegramResult::yesNo(r.encrypted));
    t.decrypted = text(TelegramResult::yesNo(r.decrypted));
    t.keyUsed = QString::fromStdString(r.keyText);
    t.repeated = text(TelegramResult::oneZero(r.repeated));
    t.mode7 = text(TelegramResult::oneZero(r.mode7));
    t.errorFlags = QString::fromStdString(r.errorFlags);
    static_assert(kDeviceValuePairs == static_cast<int>(kMaxValuePairs));
    for (std::size_t i = 0; i < kMaxValuePairs; ++i) {
        t.values[i].value = QString::fromStdString(r.values[i].value);
        t.values[i].unit = QString::fromStdString(r.values[i].unit);
    }
    return t;
}

ReceiveState receiveStateOf(const TelegramResult& r) {
    return r.encrypted && !r.decrypted ? ReceiveState::ReceivedEncrypted : ReceiveState::Received;
}

StoredResult storedResultOf(const RouteDevice& d) {
    StoredResult s;
    const LastTelegram& t = d.last;
    s.heard = d.state != ReceiveState::NotReceived;
    const QString man = s.heard ? t.manufacturer : d.manufacturer.trimmed().toUpper();
    const QByteArray manBytes = man.toLatin1();
    for (int i = 0; i < 3 && i < manBytes.size(); ++i)
        s.manufacturer[static_cast<std::size_t>(i)] = manBytes[i];
    s.deviceType = byteOf(s.heard ? t.deviceType : d.medium);
    std::array<std::string, 3 + 2 * StoredResult::kMaxPairs> texts;
    texts[0] = s.heard ? t.linkId.toStdString() : radioIdText(d.radioId).toStdString();
    if (s.heard) {
        s.receiveTime = t.receiveTime.isValid() ? t.receiveTime.toMSecsSinceEpoch() : 0;
        s.length = byteOf(t.length);
        s.accessNumber = byteOf(t.accessNumber);
        s.encrypted = t.encrypted == QLatin1String("yes");
        s.decrypted = t.decrypted == QLatin1String("yes");
        texts[1] = t.headerId.toStdString();
        texts[2] = d.rssi.toStdString();
        for (int i = 0; i < StoredResult::kMaxPairs; ++i) {
            texts[3 + 2 * i] = t.values[static_cast<std::size_t>(i)].value.toStdString();
            texts[4 + 2 * i] = t.values[static_cast<std::size_t>(i)].unit.toStdString();
        }
    }
    std::array<std::string_view, 2 * StoredResult::kMaxPairs> pairs;
    for (std::size_t i = 0; i < pairs.size(); ++i)
        pairs[i] = texts[3 + i];
    s.setTexts(texts[0], texts[1], texts[2], pairs);
    return s;
}

std::vector<StoredResult> routeRows(const Route& route) {
    const std::vector<RouteNodeId> devices = route.devicesInTreeOrder();
    std::vector<StoredResult> rows;
    rows.reserve(devices.size());
    for (RouteNodeId id : devices)
        rows.push_back(storedResultOf(*route.device(id)));
    return rows;
}

} // namespace kvq::wmbus
