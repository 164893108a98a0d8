#pragma once
// How a device window reaches the device: one request at a time, announced to the
// main window (link state, status panel 4, progress window, answer timer) and then sent.

#include <cstdint>
#include <vector>

namespace kvq {

class DeviceChannel {
public:
    enum class Progress {
        Hidden,  // service commands: the progress window stays hidden
        Loading, // "Daten werden geladen!"
        Sending, // "Daten werden gesendet!"
    };

    virtual ~DeviceChannel() = default;
    // Link state 1 (busy), status panel 4 emptied, progress maximum and position 0, time-out counter
    // cleared, the progress window shown as asked and the answer timer started.
    virtual void beginRequest(int progressMaximum, Progress progress) = 0;
    // The frame with the wake-up preamble when the interface asks for it; nothing goes out while the
    // optical-head port is closed.
    virtual void sendFrame(const std::vector<std::uint8_t>& frame) = 0;
    // A chained request to a device still awake from the request it just acknowledged: no preamble.
    virtual void sendFrameAwake(const std::vector<std::uint8_t>& frame) { sendFrame(frame); }
    // After the acknowledgement: progress window hidden, link state 2, "OK" in status panel 4.
    virtual void acknowledged() = 0;
    // The window closes: the optical-head connection of the device windows ends. False when the port
    // could not be closed.
    virtual bool endConnection() = 0;
};

} // namespace kvq
