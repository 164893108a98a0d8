#pragma once
// Heat cost allocator test helpers: the shared main window stand-in and a device channel that records
// every request instead of sending it.

#include "ui/devices/common/DeviceChannel.h"

#include "FakeToolHost.h"

#include <QStringList>
#include <array>
#include <vector>

namespace kvq::test {

using HkvTestHost = FakeToolHost;

class RecordingChannel final : public DeviceChannel {
public:
    struct Request {
        int progressMaximum;
        Progress progress;
    };
    void beginRequest(int progressMaximum, Progress progress) override {
        requests.push_back({progressMaximum, progress});
        linkState = 1;
    }
    void sendFrame(const std::vector<std::uint8_t>& frame) override { frames.push_back(frame); }
    void acknowledged() override {
        ++acks;
        linkState = 2;
    }
    bool endConnection() override {
        ++endConnections;
        return endConnectionResult;
    }

    std::vector<Request> requests;
    std::vector<std::vector<std::uint8_t>> frames;
    int acks = 0;
    int linkState = 0;
    int endConnections = 0;
    bool endConnectionResult = true;
};

} // namespace kvq::test
