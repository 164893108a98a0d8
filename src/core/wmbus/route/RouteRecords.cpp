#include "core/wmbus/route/RouteRecords.h"

namespace kvq::wmbus {

int deviceImageForType(int deviceType) {
    switch (deviceType) {
    case 2:
        return 7;
    case 3:
        return 9;
    case 4:
    case 12:
        return 8;
    case 7:
        return 4;
    case 8:
        return 3;
    case 26:
        return 10;
    case 27:
        return 11;
    case 28:
        return 12;
    case 32:
        return 13;
    case 33:
        return 14;
    case 37:
        return 15;
    case 40:
        return 16;
    case 41:
        return 17;
    case 42:
        return 18;
    default:
        return kUnknownDeviceImage;
    }
}

int deviceImageForMedium(const QString& medium) {
    bool ok = false;
    const int type = medium.trimmed().toInt(&ok, 10);
    return ok ? deviceImageForType(type) : kUnknownDeviceImage;
}

int stateImage(ReceiveState state) {
    switch (state) {
    case ReceiveState::Received:
        return kStateReceived;
    case ReceiveState::ReceivedEncrypted:
        return kStateReceivedEncrypted;
    case ReceiveState::NotReceived:
        break;
    }
    return kStateNotReceived;
}

QString radioIdText(std::uint32_t radioId) {
    return QStringLiteral("%1").arg(radioId, 8, 10, QLatin1Char('0'));
}

} // namespace kvq::wmbus
