// Routing of received bytes: run on the window thread for each byte the link worker hands over.

#include "link/LinkController.h"

namespace kvq {

namespace {
const QString& hexTextOf(std::uint8_t b) {
    static const std::array<QString, 256> table = [] {
        std::array<QString, 256> t;
        static const char* digits = "0123456789ABCDEF";
        for (int i = 0; i < 256; ++i) {
            const char s[4] = {digits[i >> 4], digits[i & 15], ' ', 0};
            t[i] = QString::fromLatin1(s, 3);
        }
        return t;
    }();
    return table[b];
}
} // namespace

bool LinkController::ReadStopState() {
    const RecorderChunkSink* recorder = role(&LinkWindow::recorderChunks);
    return recorder && recorder->stopSwitch();
}

void LinkController::handleByte(const std::uint8_t* chunk, std::uint32_t bytesRead, std::uint32_t pos) {
    const std::uint8_t b = chunk[pos];
    hexText_ = hexTextOf(b);

    // The roles of the current window decide where the byte goes; they may change from one byte to the
    // next, so they are asked for each.
    if (DeviceByteSink* device = role(&LinkWindow::deviceByteSink))
        OnByteDevice(*device, b);
    if (SensorStreamSink* stream = role(&LinkWindow::sensorStream))
        OnByteSensorStream(*stream, b);
    else if (BootloaderByteSink* boot = role(&LinkWindow::bootloaderByte))
        boot->bootloaderByte(b);

    if (RecorderChunkSink* recorder = role(&LinkWindow::recorderChunks)) {
        OnByteRecorder(*recorder);
        if (pos + 1 == bytesRead)
            OnChunkRecorder(*recorder, chunk, bytesRead);
    } else {
        OnByteProgress();
    }
}

void LinkController::OnByteDevice(DeviceByteSink& sink, std::uint8_t b) {
    RxIdleTicks = 0;
    StoreRxByte(b);
    const int limit = sink.rxLogLineLimit();
    if (limit > 0 && sink.rxLogLineCount() > limit)
        sink.clearRxLog();
    sink.appendRxLog(hexText_);
    if (!sink.sensorTestActive())
        return;
    if (const auto timers = parseSensorTestLog(sink.rxLogText()))
        sink.showSensorTimers((*timers)[0], (*timers)[1], (*timers)[2]);
}

void LinkController::OnByteSensorStream(SensorStreamSink& sink, std::uint8_t b) {
    if (sensor_.feed(b))
        sink.sensorGroup(sensor_.SensorMarker, sensor_.SensorByte0, sensor_.SensorByte1, sensor_.SensorByte2);
}

void LinkController::OnByteProgress() {
    RxIdleTicks = 0;
    if (!progress_)
        return;
    progress_->stepBy(1);
    progress_->clearTickCount();
}

void LinkController::OnByteRecorder(RecorderChunkSink& recorder) {
    RxIdleTicks = 0;
    if (!recorder.stopSwitch())
        recorder.monitorByte(hexText_);
}

void LinkController::OnChunkRecorder(RecorderChunkSink& recorder, const std::uint8_t* chunk,
                                     std::uint32_t bytesRead) {
    recorder.receiveChunk(chunk, static_cast<std::uint16_t>(bytesRead), 0.0);
}

} // namespace kvq
