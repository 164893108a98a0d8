#pragma once
// What the link needs from the windows. The link never knows which window is open: it asks the one
// current tool window (LinkWindow) for the roles it plays. A role the window does not play, or does not
// play at this moment, is null, and the link leaves it out.

#include <QString>
#include <cstdint>

namespace kvq {

// Device byte sink: a window that talks to a device over the optical head. Every byte received is
// collected for the answer decoding; a window that keeps the receive and transmit logs sees the bytes
// there. A window without logs keeps the defaults.
class DeviceByteSink {
public:
    virtual ~DeviceByteSink() = default;
    // Both logs, receive (Memo1) and transmit (Memo2), cleared before a request goes out.
    virtual void clearLinkLogs() {}
    // Hexadecimal text of a request ("68 08 ") and of each received byte ("0A ").
    virtual void appendTxLog(const QString& /*hexText*/) {}
    virtual void appendRxLog(const QString& /*hexText*/) {}
    virtual QString rxLogText() const { return {}; }
    virtual int rxLogLineCount() const { return 0; }
    virtual void clearRxLog() {}
    // How many lines the receive log keeps: a byte arriving at a fuller log clears it first. 0 keeps all.
    virtual int rxLogLineLimit() const { return 0; }
    // While the sensor test runs, the three timer values of its answer are shown.
    virtual bool sensorTestActive() const { return false; }
    virtual void showSensorTimers(int /*referenceTimer*/, int /*sensor1Timer*/, int /*sensor2Timer*/) {}
};

// Acknowledgement: the single byte 0xE5 with which a device confirms a write or a service command.
class AcknowledgementHandler {
public:
    virtual ~AcknowledgementHandler() = default;
    virtual void OnWriteAck() = 0;
    // What the awaited acknowledgement would have confirmed, for the time-out report; empty says
    // nothing more than the time-out itself.
    virtual QString awaitedStep() const { return {}; }
};

// What a window does after a valid read answer, once the record has been shown: the write step of
// read-merge-write, the parameter window's send button. The window decides by its own state.
class ReadFollowUp {
public:
    virtual ~ReadFollowUp() = default;
    virtual void afterValidRead() = 0;
    // The request found no valid answer (garbled, another device or firmware, time-out): whatever
    // was to follow it is off, so a later read of perhaps another device does not complete it.
    virtual void requestFailed() {}
};

// Billing: evaluates every valid answer and makes a data log entry for it.
class BillingEvaluator {
public:
    virtual ~BillingEvaluator() = default;
    virtual void billingEvaluation() = 0;
    virtual void dataLogEntry(const QString& name) = 0;
};

// Recorder chunks: the wireless M-Bus recorder reads the receiver's bytes itself, chunk by chunk.
class RecorderChunkSink {
public:
    virtual ~RecorderChunkSink() = default;
    // "STOP Daten vom Empfänger": while on, the link reads and drops what arrives.
    virtual bool stopSwitch() const = 0;
    virtual void monitorByte(const QString& hexText) = 0;
    virtual void receiveChunk(const std::uint8_t* bytes, std::uint16_t count, double time) = 0;
};

// Sensor stream: played while the measurement stream of a device is shown. The link splits the
// received bytes into groups of a marker and three data bytes and hands over each group.
class SensorStreamSink {
public:
    virtual ~SensorStreamSink() = default;
    virtual void sensorGroup(std::uint8_t marker, std::uint8_t b0, std::uint8_t b1, std::uint8_t b2) = 0;
};

// Bootloader byte: played while a firmware update is open. Requests then go out without the wake-up
// preamble, and every received byte is handed over unless the sensor stream takes it. The sink decides
// what a byte is (the reply the transfer waits for, or a character of its receive log) and drops the
// bytes that arrive while it is not shown.
class BootloaderByteSink {
public:
    virtual ~BootloaderByteSink() = default;
    virtual void bootloaderByte(std::uint8_t b) = 0;
};

// The current tool window as the link sees it: the roles it plays, each null unless played now.
class LinkWindow {
public:
    virtual ~LinkWindow() = default;
    virtual DeviceByteSink* deviceByteSink() { return nullptr; }
    virtual AcknowledgementHandler* acknowledgement() { return nullptr; }
    virtual ReadFollowUp* readFollowUp() { return nullptr; }
    virtual BillingEvaluator* billing() { return nullptr; }
    virtual RecorderChunkSink* recorderChunks() { return nullptr; }
    virtual SensorStreamSink* sensorStream() { return nullptr; }
    virtual BootloaderByteSink* bootloaderByte() { return nullptr; }
};

// The progress window as the link sees it.
class ProgressIndicator {
public:
    virtual ~ProgressIndicator() = default;
    virtual void stepBy(int steps) = 0;
    virtual void clearTickCount() = 0;
    virtual bool isShownForLink() const = 0;
    virtual int maximum() const = 0;
    virtual void setMaximum(int maximum) = 0;
    virtual void setPosition(int position) = 0;
    // Before a request: maximum, position 0, time-out counter 0, time-out timer on.
    virtual void prepare(int maximum) = 0;
    // Mode 1 shows the loading caption, any other mode the sending caption; never modal.
    virtual void ShowProgress(int mode) = 0;
    // Stops the time-out timer, hides the window and clears the time-out counter.
    virtual void endProgress() = 0;
};

} // namespace kvq
