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
    const RecorderWindow* recorder = role<RecorderWindow>(LinkWindowKind::WMBus);
    return recorder && recorder->stopSwitch();
}

void LinkController::handleByte(const std::uint8_t* chunk, std::uint32_t bytesRead, std::uint32_t pos) {
    const std::uint8_t b = chunk[pos];
    hexText_ = hexTextOf(b);

    if (HKVDataOpen() || HKVParamOpen() || HKVBillingOpen()) {
        OnByteHKV(b);
    } else if (ThermoDataOpen()) {
        OnByteThermo(b);
    } else if (WZDataOpen()) {
        OnByteWZData(b);
        hexText_.clear();
    } else if (WZParamOpen()) {
        OnByteWZParam(b);
        hexText_.clear();
    } else if (WZReadoutOpen()) {
        OnByteWZReadout(b);
        hexText_.clear();
    }

    if (WMBusOpen()) {
        OnByteRecorder();
        if (pos + 1 == bytesRead)
            OnChunkRecorder(chunk, bytesRead);
    } else {
        OnByteProgress();
    }
}

void LinkController::deviceLogByte(LinkWindowKind kind) {
    LinkLogWindow* log = role<LinkLogWindow>(kind);
    if (!log)
        return;
    log->appendRxLog(hexText_);
    SensorTestWindow* sensor = role<SensorTestWindow>(kind);
    if (!sensor || !sensor->sensorTestActive())
        return;
    if (const auto timers = parseSensorTestLog(log->rxLogText()))
        sensor->showSensorTimers((*timers)[0], (*timers)[1], (*timers)[2]);
}

void LinkController::OnByteHKV(std::uint8_t b) {
    RxIdleTicks = 0;
    StoreRxByte(b);
    if (HKVDataOpen())
        deviceLogByte(LinkWindowKind::HKVData);
}

void LinkController::OnByteThermo(std::uint8_t b) {
    RxIdleTicks = 0;
    StoreRxByte(b);
    if (ThermoDataOpen())
        deviceLogByte(LinkWindowKind::ThermoData);
}

void LinkController::OnByteWZData(std::uint8_t b) {
    RxIdleTicks = 0;
    StoreRxByte(b);
    if (LinkLogWindow* log = role<LinkLogWindow>(LinkWindowKind::WZData)) {
        if (log->rxLogLineCount() > 15)
            log->clearRxLog();
        log->appendRxLog(hexText_);
    }
    const WaterModuleLinkWindow* wz = role<WaterModuleLinkWindow>(LinkWindowKind::WZData);
    if (!wz)
        return;
    if (wz->SensorWindowOpen()) {
        if (sensor_.feed(b) && sensorDataWindow_)
            sensorDataWindow_->sensorGroup(sensor_.SensorMarker, sensor_.SensorByte0, sensor_.SensorByte1,
                                           sensor_.SensorByte2);
    } else if (wz->NoPreamble() && bootLoaderWindow_ && bootLoaderWindow_->isShownForLink()) {
        if (bootLoaderWindow_->singleByteMode())
            bootLoaderWindow_->setLastReceivedByte(b);
        else
            bootLoaderWindow_->appendRxChar(static_cast<char>(b));
    }
}

void LinkController::OnByteWZParam(std::uint8_t b) {
    RxIdleTicks = 0;
    StoreRxByte(b);
}

void LinkController::OnByteWZReadout(std::uint8_t b) {
    RxIdleTicks = 0;
    StoreRxByte(b);
}

void LinkController::OnByteProgress() {
    RxIdleTicks = 0;
    if (!progress_)
        return;
    progress_->stepBy(1);
    progress_->clearTickCount();
}

void LinkController::OnByteRecorder() {
    RxIdleTicks = 0;
    if (RecorderWindow* recorder = role<RecorderWindow>(LinkWindowKind::WMBus);
        recorder && !recorder->stopSwitch())
        recorder->monitorByte(hexText_);
}

void LinkController::OnChunkRecorder(const std::uint8_t* chunk, std::uint32_t bytesRead) {
    if (RecorderWindow* recorder = role<RecorderWindow>(LinkWindowKind::WMBus))
        recorder->receiveChunk(chunk, static_cast<std::uint16_t>(bytesRead), 0.0);
}

} // namespace kvq
