#pragma once
// The device channel of the main window: status bar and the optical-head link of the ToolHost.

#include "ui/devices/common/DeviceChannel.h"

namespace kvq {

class ToolHost;

class HostDeviceChannel final : public DeviceChannel {
public:
    explicit HostDeviceChannel(ToolHost& host) : host_(host) {}
    void beginRequest(int progressMaximum, Progress progress) override;
    void sendFrame(const std::vector<std::uint8_t>& frame) override;
    void sendFrameAwake(const std::vector<std::uint8_t>& frame) override;
    void acknowledged() override;
    bool endConnection() override;

private:
    ToolHost& host_;
};

} // namespace kvq
