#include "ui/devices/hca/HostDeviceChannel.h"

#include "ui/app/ToolHost.h"

namespace kvq {

void HostDeviceChannel::beginRequest(int progressMaximum, Progress progress) {
    (void)progressMaximum;
    (void)progress;
    host_.setStatusText(4, QString());
}

void HostDeviceChannel::sendFrame(const std::vector<std::uint8_t>& frame) {
    // Without an attached link there is no open optical-head port: nothing goes out.
    (void)frame;
}

void HostDeviceChannel::acknowledged() {
    host_.setStatusText(4, QStringLiteral("OK"));
}

bool HostDeviceChannel::endConnection() {
    return true;
}

} // namespace kvq
