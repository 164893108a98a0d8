#pragma once
// What the link needs from the tool windows. A window implements the roles it plays and registers
// itself with LinkController::setToolWindow; the link finds the roles with dynamic_cast, so a window
// that does not play a role is simply not asked.

#include <QString>
#include <cstdint>

namespace kvq {

// The tool windows the link routes bytes and answers by; at most one is open at a time.
enum class LinkWindowKind { HKVData, HKVParam, HKVBilling, ThermoData, WZData, WZParam, WZReadout, WMBus };
constexpr int kLinkWindowKinds = 8;

class LinkWindow {
public:
    virtual ~LinkWindow() = default;
};

// The receive (Memo1) and transmit (Memo2) logs of a device window.
class LinkLogWindow : public virtual LinkWindow {
public:
    virtual void clearLinkLogs() = 0;
    virtual void appendTxLog(const QString& hexText) = 0;
    virtual void appendRxLog(const QString& hexText) = 0;
    virtual QString rxLogText() const = 0;
    virtual int rxLogLineCount() const = 0;
    virtual void clearRxLog() = 0;
};

// A device window that runs the sensor test and shows the raw timer values of its answer.
class SensorTestWindow : public virtual LinkWindow {
public:
    virtual bool sensorTestActive() const = 0;
    virtual void showSensorTimers(int referenceTimer, int sensor1Timer, int sensor2Timer) = 0;
};

// A window that handles the single-byte acknowledgement 0xE5 of a write or service command.
class AcknowledgeWindow : public virtual LinkWindow {
public:
    virtual void OnWriteAck() = 0;
};

// A window whose write goes out after a valid read answer (read, merge, write).
class WriteAfterReadWindow : public virtual LinkWindow {
public:
    virtual bool isShownForLink() const = 0;
    virtual bool sendPending() const = 0;
    virtual void WriteRecord() = 0;
    // Called before the write step when the window is shown (the parameter window's send button).
    virtual void enableSendButton() {}
};

// The billing window: evaluates every valid answer and logs it.
class BillingWindow : public virtual LinkWindow {
public:
    virtual void billingEvaluation() = 0;
    virtual void dataLogEntry(const QString& name) = 0;
};

// The water-meter module window's link flags.
class WaterModuleLinkWindow : public virtual LinkWindow {
public:
    // Set while the firmware update runs: no wake-up preamble, received bytes go to the boot loader.
    virtual bool NoPreamble() const = 0;
    // Set while the sensor data window is open: received bytes are the measurement stream.
    virtual bool SensorWindowOpen() const = 0;
};

// The sensor data window: one group of the measurement stream.
class SensorDataSink {
public:
    virtual ~SensorDataSink() = default;
    virtual void sensorGroup(std::uint8_t marker, std::uint8_t b0, std::uint8_t b1, std::uint8_t b2) = 0;
};

// The firmware update window's receive side.
class BootLoaderSink {
public:
    virtual ~BootLoaderSink() = default;
    virtual bool isShownForLink() const = 0;
    virtual bool singleByteMode() const = 0;
    virtual void setLastReceivedByte(std::uint8_t b) = 0;
    virtual void appendRxChar(char c) = 0; // MemoRxBL
};

// The wireless M-Bus recorder.
class RecorderWindow : public virtual LinkWindow {
public:
    virtual bool stopSwitch() const = 0; // "STOP Daten vom Empfänger"
    virtual void monitorByte(const QString& hexText) = 0;
    virtual void receiveChunk(const std::uint8_t* bytes, std::uint16_t count, double time) = 0;
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
