#pragma once
// What every device window on the optical head does alike: the read request, the write that goes
// out after a fresh read (read, merge, write), the pending write, the acknowledgement, the receive
// and transmit logs ("Protokoll") and the link state through its device channel. A device window
// derives from it and keeps only its own controls and rules.

#include "link/LinkWindows.h"
#include "ui/app/ToolWindow.h"
#include "ui/devices/common/DeviceChannel.h"

#include <cstdint>
#include <memory>
#include <optional>
#include <vector>

class QPlainTextEdit;

namespace kvq {

class DeviceWindow : public ToolWindow,
                     public DeviceByteSink,
                     public AcknowledgementHandler,
                     public ReadFollowUp {
    Q_OBJECT
public:
    using Frame = std::vector<std::uint8_t>;

    // Without a channel the window talks to the device through the main window's link.
    DeviceWindow(ToolHost& host, QWidget* parent = nullptr, DeviceChannel* channel = nullptr);
    ~DeviceWindow() override;

    // "Hole Daten": asks the device for its record.
    void requestRead();
    // "Sende Daten": takes the controls into the record, keeps it as the pending write and reads
    // the device first; the write follows the read's answer (WriteRecord).
    void requestWrite();
    // A command frame outside the read-merge-write cycle; a waiting write is abandoned.
    void sendCommand(const Frame& frame);

    // Every device window works on the current record, so it can be loaded from and saved to a
    // parameter file; the device menu entry says which of the two its window offers.
    bool canLoadFile() const override { return true; }
    bool canSaveFile() const override { return true; }

    // The roles the link asks for.
    DeviceByteSink* deviceByteSink() override { return this; }
    AcknowledgementHandler* acknowledgement() override { return this; }
    ReadFollowUp* readFollowUp() override { return this; }

    bool sendPending() const { return sendPending_; }
    // After a valid read the merged record goes out, when a write is pending and the window is shown.
    void afterValidRead() override;
    // A garbled, foreign or missing answer disarms the pending write.
    void requestFailed() override;
    // The write step: merges the pending write into the answered record and sends it.
    void WriteRecord();
    void OnWriteAck() override;

    void clearLinkLogs() override;
    void appendTxLog(const QString& hexText) override;
    void appendRxLog(const QString& hexText) override;
    QString rxLogText() const override;
    int rxLogLineCount() const override;
    void clearRxLog() override;

protected:
    // The receive (Memo1) and transmit (Memo2) logs of the window.
    void attachLogs(QPlainTextEdit* rx, QPlainTextEdit* tx);
    DeviceChannel& channel() { return *channel_; }

    // The family's frames and steps of the cycle.
    virtual Frame readFrame() const = 0;
    virtual int readProgressMaximum() const = 0;
    // Just before the read request goes out.
    virtual void beforeRead() {}
    // Controls to record for a write; false (the window has said why) when nothing can be written.
    virtual bool takeWrite() = 0;
    // After the read's answer: merges the pending write into the answered record, shows it and
    // gives the write frame, or nothing when the merged record cannot be written.
    virtual std::optional<Frame> mergeWrite() = 0;
    // The device acknowledged a write or command, before the link state becomes "OK".
    virtual void acknowledgedByDevice() {}

    void closeEvent(QCloseEvent* event) override;

private:
    void send(const Frame& frame);

    DeviceChannel* channel_ = nullptr;
    std::unique_ptr<DeviceChannel> ownChannel_;
    QPlainTextEdit* rxLog_ = nullptr;
    QPlainTextEdit* txLog_ = nullptr;
    bool sendPending_ = false;
    Frame lastFrame_;
};

} // namespace kvq
