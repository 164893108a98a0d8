#pragma once
// Where the recorder's configuration bytes go: the receiver port's send operation. Each call is one
// write to the port. The port is closed before recorded telegrams are loaded.

#include <cstdint>

namespace kvq {

class ReceiverPort {
public:
    virtual ~ReceiverPort() = default;
    virtual void SendToReceiver(const std::uint8_t* bytes, int count) = 0;
    // Closes the port before recorded telegrams are loaded; false when it stayed open.
    virtual bool closeReceiver() = 0;
};

} // namespace kvq
