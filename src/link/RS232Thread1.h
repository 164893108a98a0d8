#pragma once
// The link worker of an open port. It waits for received bytes, reads them in chunks of at most 4096
// and hands each chunk to the window thread, waiting until every byte of it has been handled there, so
// the receive ring and the windows are only ever touched on the window thread. A stop request wakes a
// worker that waits for the window thread, so closing a port never waits for a hand-over that cannot
// happen any more.

#include "link/SerialPort.h"

#include <QThread>
#include <array>
#include <atomic>
#include <condition_variable>
#include <cstdint>
#include <memory>
#include <mutex>

namespace kvq {

// What the worker's chunks are handed to, on the window thread.
class ChunkSink {
public:
    virtual ~ChunkSink() = default;
    // True while received bytes are to be dropped (the recorder's STOP switch).
    virtual bool ReadStopState() = 0;
    // One byte of a chunk, in order; `pos` indexes `chunk`.
    virtual void handleByte(const std::uint8_t* chunk, std::uint32_t bytesRead, std::uint32_t pos) = 0;
};

class RS232Thread1 : public QThread {
    Q_OBJECT
public:
    static constexpr std::uint32_t kChunkSize = 4096;

    // `context` is a window-thread object; hand-overs are dropped once it is gone.
    RS232Thread1(SerialPort* port, ChunkSink& sink, QObject* context, std::atomic<bool>& workerDone);
    ~RS232Thread1() override;

    // From the window thread: ends the worker before it hands over another byte.
    void requestStop();
    bool stopRequested() const { return shared_->stop.load(); }

    SerialPort* PortHandle = nullptr;
    bool StopRx() const { return shared_->stopRx.load(); }
    std::uint32_t ToRead = 0;
    std::uint32_t BytesRead = 0;

protected:
    void run() override;

private:
    struct Shared {
        std::mutex m;
        std::condition_variable cv;
        std::atomic<bool> stop{false};
        std::atomic<bool> stopRx{false};
        std::uint64_t sequence = 0;
        bool done = false;
    };

    void readQueued();
    void handOver();

    std::shared_ptr<Shared> shared_ = std::make_shared<Shared>();
    ChunkSink& sink_;
    QObject* context_;
    std::atomic<bool>& workerDone_;
    QThread* homeThread_;
    std::array<std::uint8_t, kChunkSize + 1> RxBuf{};
};

} // namespace kvq
