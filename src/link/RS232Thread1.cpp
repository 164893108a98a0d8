#include "link/RS232Thread1.h"

#include <QByteArray>
#include <QMetaObject>
#include <QPointer>

namespace kvq {

RS232Thread1::RS232Thread1(SerialPort* port, ChunkSink& sink, QObject* context, std::atomic<bool>& workerDone)
    : PortHandle(port), sink_(sink), context_(context), workerDone_(workerDone), homeThread_(port->thread()) {
    workerDone_ = false;
    // The port is used by the worker while it runs and given back when it ends.
    port->moveToThread(this);
}

RS232Thread1::~RS232Thread1() {
    requestStop();
    wait();
}

void RS232Thread1::requestStop() {
    {
        std::lock_guard lock(shared_->m);
        shared_->stop = true;
    }
    shared_->cv.notify_all();
    quit(); // also ends an event loop that has not started yet
}

void RS232Thread1::run() {
    if (QThread::idealThreadCount() > 1)
        setPriority(QThread::HighestPriority);
    const QMetaObject::Connection c = connect(
        PortHandle, &SerialPort::readyRead, PortHandle, [this] { readQueued(); }, Qt::DirectConnection);
    readQueued(); // bytes that arrived before the worker started
    if (!shared_->stop)
        exec();
    disconnect(c);
    PortHandle->moveToThread(homeThread_);
    workerDone_ = true;
}

void RS232Thread1::readQueued() {
    while (!shared_->stop) {
        const QueueCounts counts = PortHandle->queueCounts();
        if (counts.rx <= 0)
            return;
        ToRead = static_cast<std::uint32_t>(std::min<qint64>(counts.rx, kChunkSize));
        BytesRead = static_cast<std::uint32_t>(PortHandle->read(RxBuf.data(), ToRead));
        if (BytesRead == 0)
            return;
        RxBuf[BytesRead] = 0;
        handOver();
    }
    quit();
}

void RS232Thread1::handOver() {
    std::shared_ptr<Shared> shared = shared_;
    std::uint64_t sequence;
    {
        std::lock_guard lock(shared->m);
        shared->done = false;
        sequence = ++shared->sequence;
    }
    // A copy: the window thread may still be inside a hook (a nested event loop) after this worker ended.
    const QByteArray chunk(reinterpret_cast<const char*>(RxBuf.data()), qsizetype(BytesRead));
    ChunkSink* sink = &sink_;
    QMetaObject::invokeMethod(
        context_,
        [shared, sequence, chunk, sink] {
            {
                std::lock_guard lock(shared->m);
                if (shared->stop || shared->sequence != sequence)
                    return;
            }
            const bool stopRx = sink->ReadStopState();
            shared->stopRx = stopRx;
            if (!stopRx) {
                const auto* bytes = reinterpret_cast<const std::uint8_t*>(chunk.constData());
                const auto n = static_cast<std::uint32_t>(chunk.size());
                for (std::uint32_t pos = 0; pos < n && !shared->stop; ++pos)
                    sink->handleByte(bytes, n, pos);
            }
            {
                std::lock_guard lock(shared->m);
                shared->done = true;
            }
            shared->cv.notify_all();
        },
        Qt::QueuedConnection);

    std::unique_lock lock(shared->m);
    shared->cv.wait(lock, [&] { return shared->done || shared->stop.load(); });
}

} // namespace kvq
