#include "ui/devices/common/DeviceWindow.h"

#include "ui/app/ToolHost.h"
#include "ui/devices/common/HostDeviceChannel.h"

#include <QCloseEvent>
#include <QPlainTextEdit>

namespace kvq {

DeviceWindow::DeviceWindow(ToolHost& host, QWidget* parent, DeviceChannel* channel)
    : ToolWindow(host, parent) {
    if (channel) {
        channel_ = channel;
    } else {
        ownChannel_ = std::make_unique<HostDeviceChannel>(host);
        channel_ = ownChannel_.get();
    }
}

DeviceWindow::~DeviceWindow() = default;

void DeviceWindow::send(const Frame& frame) {
    lastFrame_ = frame;
    channel().sendFrame(lastFrame_);
}

void DeviceWindow::requestRead() {
    channel().beginRequest(readProgressMaximum(), DeviceChannel::Progress::Loading);
    const Frame frame = readFrame();
    beforeRead();
    send(frame);
}

void DeviceWindow::requestWrite() {
    sendPending_ = true;
    if (!takeWrite()) {
        sendPending_ = false; // nothing the device could take: no write
        return;
    }
    requestRead();
}

void DeviceWindow::afterValidRead() {
    if (isVisible() && sendPending_)
        WriteRecord();
}

void DeviceWindow::requestFailed() {
    sendPending_ = false;
}

void DeviceWindow::WriteRecord() {
    const std::optional<Frame> frame = mergeWrite();
    if (!frame) {
        sendPending_ = false;
        return;
    }
    channel().beginRequest(1, DeviceChannel::Progress::Sending);
    sendPending_ = false;
    send(*frame);
}

void DeviceWindow::sendCommand(const Frame& frame) {
    clearRxLog();
    channel().beginRequest(1, DeviceChannel::Progress::Hidden);
    sendPending_ = false;
    send(frame);
}

void DeviceWindow::OnWriteAck() {
    acknowledgedByDevice();
    channel().acknowledged();
}

void DeviceWindow::attachLogs(QPlainTextEdit* rx, QPlainTextEdit* tx) {
    rxLog_ = rx;
    txLog_ = tx;
}

// A window without logs (the billing readout) attaches none; the link's bytes then only go to the answer.
void DeviceWindow::clearLinkLogs() {
    clearRxLog();
    if (txLog_)
        txLog_->clear();
}

void DeviceWindow::appendTxLog(const QString& hexText) {
    if (!txLog_)
        return;
    txLog_->moveCursor(QTextCursor::End);
    txLog_->insertPlainText(hexText);
}

void DeviceWindow::appendRxLog(const QString& hexText) {
    if (!rxLog_)
        return;
    rxLog_->moveCursor(QTextCursor::End);
    rxLog_->insertPlainText(hexText);
}

QString DeviceWindow::rxLogText() const {
    return rxLog_ ? rxLog_->toPlainText() : QString();
}

int DeviceWindow::rxLogLineCount() const {
    return rxLog_ ? rxLog_->document()->blockCount() : 0;
}

void DeviceWindow::clearRxLog() {
    if (rxLog_)
        rxLog_->clear();
}

void DeviceWindow::closeEvent(QCloseEvent* event) {
    // Closing a device window ends the optical-head connection.
    if (!channel().endConnection())
        host().userInteraction().message(tr("Fehler beim Trennen der Schnittstelle!"), tr("Fehler"),
                                         UserInteraction::Icon::Error);
    ToolWindow::closeEvent(event);
}

} // namespace kvq
