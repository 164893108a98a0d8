#include "ui/wmbus/RouteReception.h"

namespace kvq {

namespace {
QString text(std::string_view s) {
    return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size()));
}
} // namespace

wmbus::LastTelegram lastTelegramOf(const wmbus::TelegramResult& r, const QDateTime& receivedAt) {
    using wmbus::TelegramResult;
    wmbus::LastTelegram t;
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
    static_assert(wmbus::kDeviceValuePairs == static_cast<int>(wmbus::kMaxValuePairs));
    for (std::size_t i = 0; i < wmbus::kMaxValuePairs; ++i) {
        t.values[i].value = QString::fromStdString(r.values[i].value);
        t.values[i].unit = QString::fromStdString(r.values[i].unit);
    }
    return t;
}

wmbus::ReceiveState receiveStateOf(const wmbus::TelegramResult& r) {
    return r.encrypted && !r.decrypted ? wmbus::ReceiveState::ReceivedEncrypted
                                       : wmbus::ReceiveState::Received;
}

} // namespace kvq
