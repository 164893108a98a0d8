#pragma once
// The optical-head and receiver link of the main window: both interfaces with their settings, the open
// port and its worker, the receive ring, and the routing of received bytes to the roles of the current
// tool window.
// Everything here runs on the window thread; the window learns what to show through the signals.

#include "core/app/Parameter.h"
#include "core/app/UserInteraction.h"
#include "core/link/LinkSettings.h"
#include "core/link/LinkTexts.h"
#include "core/link/PanelColours.h"
#include "core/link/PortMap.h"
#include "core/link/PortSettings.h"
#include "core/link/ReceiveStreams.h"
#include "core/link/RxRing.h"
#include "link/LinkWindows.h"
#include "link/PortEnumeration.h"
#include "link/RS232Thread1.h"
#include "link/SerialPort.h"

#include <QObject>
#include <QString>
#include <array>
#include <atomic>
#include <cstdint>
#include <functional>
#include <memory>
#include <span>

class QTimer;

namespace kvq {

class IniFile;

class LinkController : public QObject, public ChunkSink {
    Q_OBJECT
public:
    static constexpr int kWorkerStopTimeoutMs = 5000;

    explicit LinkController(UserInteraction& ui, QObject* parent = nullptr);
    ~LinkController() override;

    // --- settings: interfaces, ports and accepted firmware versions, as the main window hands them on ---
    LinkSettings settings;
    bool PreambleChecked = false; // the interface dialog's "Aufweck Preamble" box

    PortSettingsRecord& portSettings(SerialInterface which) {
        return which == SerialInterface::SIO1 ? SIO1Settings_ : SIO2Settings_;
    }
    PortMap& portMap() { return portMap_; }
    void readPortMap(const IniFile& ini) { portMap_.read(ini); }
    void writePortMap(IniFile& ini) const { portMap_.write(ini); }
    // A path the user typed (or a simulator's pseudo-terminal): its port number.
    int addPortPath(const QString& path) { return portMap_.assign(path); }
    // Where the port lists look for serial devices.
    SerialDeviceScan deviceScan;

    // The interface dialog's pages: port lists re-read, everything else back to the defaults.
    void InitPortSettings(PortPage& sio1, PortPage& sio2);
    void ApplyPortSettings(const PortPage& sio1, const PortPage& sio2);

    // --- open and close ---
    void OpenInterface();
    // True when every open port was closed.
    bool CloseInterface();
    void ReopenInterface();

    bool SIO1Open() const { return sio1_.open; }
    bool SIO2Open() const { return sio2_.open; }
    SerialPort* SIO1Handle() const { return sio1_.handle.get(); }
    SerialPort* SIO2Handle() const { return sio2_.handle.get(); }
    RS232Thread1* Worker() const { return worker_.get(); }
    bool WorkerDone() const { return workerDone_.load(); }

    // --- the current tool window ---
    // Where the link finds the one current tool window; it asks at every byte and every answer, so it
    // never holds a window of its own that could outlive it.
    void setWindowSource(std::function<LinkWindow*()> source) { windowSource_ = std::move(source); }
    LinkWindow* currentWindow() const { return windowSource_ ? windowSource_() : nullptr; }
    void setProgress(ProgressIndicator* p) { progress_ = p; }
    ProgressIndicator* progress() const { return progress_; }

    // --- receive side (window thread) ---
    RxRingBuffer& rxRing() { return ring_; }
    std::uint32_t RxIdleTicks = 0;
    const SensorStreamState& sensorStream() const { return sensor_; }

    bool ReadStopState() override;
    void handleByte(const std::uint8_t* chunk, std::uint32_t bytesRead, std::uint32_t pos) override;

    void StoreRxByte(std::uint8_t b) { ring_.StoreRxByte(b); }
    // The byte hooks, each for the role that takes the byte.
    void OnByteDevice(DeviceByteSink& sink, std::uint8_t b);
    void OnByteSensorStream(SensorStreamSink& sink, std::uint8_t b);
    void OnByteProgress();
    void OnByteRecorder(RecorderChunkSink& recorder);
    void OnChunkRecorder(RecorderChunkSink& recorder, const std::uint8_t* chunk, std::uint32_t bytesRead);

    // --- the command transaction of the optical head ---
    // The record answers are decoded into; owned by the main window and replaced with each device window.
    void setCurrentParams(PARAmeter* params) {
        currentParams_ = [params] { return params; };
    }
    // For an owner that replaces the record: asked at every decode, so it never points to an old one.
    void setCurrentParamsProvider(std::function<PARAmeter*()> provider) {
        currentParams_ = std::move(provider);
    }
    PARAmeter* CurrentParams() const { return currentParams_ ? currentParams_() : nullptr; }
    std::array<std::uint8_t, 300> TxBuf{};
    std::uint32_t TxLen = 0;
    QString VersionText, WrongDeviceText, WrongDataText;

    // What a device window does before it sends: LinkState 1, status panel 4 emptied, the progress window
    // prepared for `progressMaximum` bytes and shown in `showMode` (0 not shown, 1 loading, 2 sending),
    // the answer timer on.
    void beginRequest(int progressMaximum, int showMode);
    // Writes a request to the optical head, after the wake-up preamble when asked for and allowed.
    void SendFrame(const std::uint8_t* frame, std::uint32_t count, bool wakeUp);
    void SendFrame(std::span<const std::uint8_t> frame, bool wakeUp) {
        SendFrame(frame.data(), static_cast<std::uint32_t>(frame.size()), wakeUp);
    }
    // Writes to the wireless M-Bus receiver; nothing else.
    void SendToReceiver(const std::uint8_t* bytes, int count);

    QTimer* answerTimer() const { return Timer1; }
    void setAnswerTimerEnabled(bool on);
    // Called by the progress window when its time-out strikes.
    void ProgressTimeout(const QString& timeoutText);

public Q_SLOTS:
    // Every 100 ms: an answer is complete after ten ticks without a byte.
    void Timer1Timer();
    void ProcessAnswer();

public:
    bool ParseAnswer(std::uint16_t start);

    // --- state shown in the status bar ---
    std::uint8_t LinkState = 0;
    void setLinkState(std::uint8_t state);
    PanelColour interfacePanelColour() const {
        return kvq::interfacePanelColour(settings.SIO1Active, sio1_.open, settings.SIO2Active, sio2_.open);
    }
    PanelColour linkStatePanelColour() const { return kvq::linkStatePanelColour(LinkState); }
    LinkTexts& texts() { return texts_; }
    // Shows every status text the link put up again, in the active language.
    void retranslateStatus();

Q_SIGNALS:
    void statusTextChanged(int panel, const QString& text);
    // Details of a port failure for the interface panel (which port, busy or forbidden, what to do).
    void statusToolTipChanged(int panel, const QString& text);
    void statusBarRepaint();
    void linkStateChanged(int state);
    // The device behind an open port went away; the port has been closed.
    void interfaceDisconnected(kvq::SerialInterface which);
    // A valid answer was decoded: the main window caption becomes the device name and the current tool
    // window shows the record.
    void showRecordRequested();

private:
    struct Interface {
        bool open = false;
        std::unique_ptr<SerialPort> handle;
    };
    // A role of the current tool window, null when no window is open or it does not play the role now.
    template <typename Role> Role* role(Role* (LinkWindow::*query)()) const {
        LinkWindow* w = currentWindow();
        return w ? (w->*query)() : nullptr;
    }
    Interface& iface(SerialInterface which) { return which == SerialInterface::SIO1 ? sio1_ : sio2_; }
    int portNumber(SerialInterface which) const {
        return which == SerialInterface::SIO1 ? settings.SIO1Port : settings.SIO2Port;
    }

    bool openPort(SerialInterface which);
    void StartWorker(SerialInterface which);
    bool stopWorker();
    bool closePort(SerialInterface which);
    void onPortFailed(SerialInterface which, std::uint64_t generation, const QString& reason);
    // A status text is kept as the way it is made, so it can be shown again in another language.
    void setStatus(int panel, std::function<QString()> text);
    void setStatus(int panel, const QString& text); // a text that is the same in every language

    void repaint() { Q_EMIT statusBarRepaint(); }
    bool echoOfLastRequestAt(std::uint16_t start) const;
    void followUpAfterRead();
    void failedRequest();
    void endProgress();

    UserInteraction& ui_;
    LinkTexts texts_;
    std::array<std::function<QString()>, 6> statusSources_;
    PortMap portMap_;
    PortSettingsRecord SIO1Settings_, SIO2Settings_;
    Interface sio1_, sio2_;
    std::unique_ptr<RS232Thread1> worker_;
    std::atomic<bool> workerDone_{false};
    std::uint64_t portGeneration_ = 0;

    std::function<LinkWindow*()> windowSource_;
    ProgressIndicator* progress_ = nullptr;

    std::function<PARAmeter*()> currentParams_;
    QTimer* Timer1 = nullptr;
    bool preambleSent_ = false; // with the last request

    RxRingBuffer ring_;
    SensorStreamState sensor_;
    QString hexText_; // the byte being handed over, "0A "
};

} // namespace kvq
