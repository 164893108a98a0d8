#pragma once
// The firmware transfer's own thread: runs the XMODEM sender and waits for the window thread for
// every byte it sends and every byte it awaits. It never touches the port or a control.

#include <QString>
#include <QThread>
#include <cstdint>
#include <vector>

namespace kvq {

// What the transfer thread asks of the window thread. All calls block the transfer thread only.
class BootLoaderTransferHost {
public:
    static constexpr int kTimedOut = -2;
    static constexpr int kStopped = -3;

    virtual ~BootLoaderTransferHost() = default;
    // A received byte, kTimedOut after `limitTicks` ticks of 100 ms, or kStopped.
    virtual int InByte(int limitTicks) = 0;
    // Sends one byte on the window thread; false when the transfer is being stopped.
    virtual bool OutByte(std::uint8_t b) = 0;
    // Bytes received before a new transmission are stale answers: dropped.
    virtual void discardInput() = 0;
    virtual bool stopRequested() const = 0;
};

class BLThread1 : public QThread {
    Q_OBJECT
public:
    BLThread1(BootLoaderTransferHost& host, std::vector<std::uint8_t> image, QObject* parent = nullptr);

    std::size_t size() const { return image_.size(); }
    // The sender's result once the thread has ended.
    int result() const { return result_; }
    // Bytes the sender still wanted to send when it was stopped (its CAN), for the window to send.
    const std::vector<std::uint8_t>& unsent() const { return unsent_; }

protected:
    void run() override;

private:
    BootLoaderTransferHost& host_;
    std::vector<std::uint8_t> image_;
    std::vector<std::uint8_t> unsent_;
    int result_ = 0;
};

} // namespace kvq
