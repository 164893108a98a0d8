// One request and its answer over the optical head: sending with the wake-up preamble, the end of an
// answer by silence, decoding and reporting the result to the status bar and the open tool window.

#include "link/LinkController.h"

#include "core/link/DecodeFrame.h"
#include "core/link/Frame.h"

#include <QTimer>

namespace kvq {

void LinkController::beginRequest(int progressMaximum, int showMode) {
    setLinkState(1);
    setStatus(4, QString());
    repaint();
    if (progress_) {
        progress_->prepare(progressMaximum);
        if (showMode != 0)
            progress_->ShowProgress(showMode);
    }
    setAnswerTimerEnabled(true);
}

void LinkController::setAnswerTimerEnabled(bool on) {
    if (on)
        Timer1->start();
    else
        Timer1->stop();
}

void LinkController::SendFrame(const std::uint8_t* frame, std::uint32_t count, bool wakeUp) {
    if (count > TxBuf.size()) {
        qCWarning(lcLink) << "request of" << count << "bytes cut to" << TxBuf.size();
        count = static_cast<std::uint32_t>(TxBuf.size());
    }
    TxLen = count;
    if (!sio1_.open)
        return;

    DeviceByteSink* log = role(&LinkWindow::deviceByteSink);
    if (log)
        log->clearLinkLogs();
    QString txText;
    for (std::uint32_t i = 0; i < count; ++i) {
        TxBuf[i] = frame[i];
        txText += QStringLiteral("%1 ").arg(frame[i], 2, 16, QLatin1Char('0')).toUpper();
    }
    if (log)
        log->appendTxLog(txText);

    // A firmware update talks to the boot loader, which needs no waking.
    preambleSent_ = PreambleChecked && wakeUp && !role(&LinkWindow::bootloaderByte);
    if (preambleSent_) {
        sio1_.handle->write(QByteArray(frame::kPreambleLength, char(frame::kPreambleByte)));
        if (progress_ && progress_->isShownForLink()) {
            progress_->setMaximum(progress_->maximum() + 20);
            progress_->setPosition(20);
        }
    }
    sio1_.handle->write(QByteArray(reinterpret_cast<const char*>(TxBuf.data()), qsizetype(count)));
}

void LinkController::SendToReceiver(const std::uint8_t* bytes, int count) {
    if (count < 0)
        count = 0;
    TxLen = static_cast<std::uint32_t>(count);
    if (!sio2_.open)
        return;
    std::copy_n(bytes, std::min<std::size_t>(std::size_t(count), TxBuf.size()), TxBuf.begin());
    sio2_.handle->write(QByteArray(reinterpret_cast<const char*>(bytes), count));
}

void LinkController::Timer1Timer() {
    const std::uint32_t was = RxIdleTicks++;
    if (was == 10) {
        RxIdleTicks = 152;
        ProcessAnswer();
    }
}

// The waiting bytes begin with exactly what the last request put on the line (preamble included):
// an optical head that echoes.
bool LinkController::echoOfLastRequestAt(std::uint16_t start) const {
    const std::uint32_t preamble = preambleSent_ ? frame::kPreambleLength : 0;
    const std::uint32_t echoLength = preamble + TxLen;
    if (TxLen == 0 || std::uint32_t(ring_.waitingFrom(start)) <= echoLength)
        return false;
    for (std::uint32_t i = 0; i < echoLength; ++i) {
        const std::uint8_t sent = i < preamble ? frame::kPreambleByte : TxBuf[i - preamble];
        if (ring_.RxRing[RxRingBuffer::advance(start, i)] != sent)
            return false;
    }
    return true;
}

void LinkController::ProcessAnswer() {
    const std::uint16_t readPos = ring_.RxReadPos;
    const std::uint16_t writePos = ring_.RxWritePos;
    // The recorder reads the receiver's bytes itself.
    if (!role(&LinkWindow::recorderChunks)) {
        // An echo is recognised before it is decoded, so the echo of a write is not taken for a garbled
        // answer; anything else gets the first attempt at the bytes as they came.
        const bool echo = echoOfLastRequestAt(readPos);
        bool ok = false;
        if (!echo && ParseAnswer(readPos)) {
            setStatus(0, [port = settings.SIO1Port, preamble = PreambleChecked] {
                return onlineStatusText(SerialInterface::SIO1, port, preamble);
            });
            ok = true;
        }
        if (!ok) {
            std::uint16_t start = readPos;
            const std::uint32_t skip = echo ? TxLen + (preambleSent_ ? frame::kPreambleLength : 0) : TxLen;
            for (std::uint32_t i = 0; i < skip; ++i) {
                if (start == writePos) {
                    start = readPos;
                    break;
                }
                start = RxRingBuffer::advance(start, 1);
            }
            // A second attempt from the same place would only repeat the first, messages included.
            if ((echo || start != readPos) && ParseAnswer(start))
                setStatus(0, [port = settings.SIO1Port, preamble = PreambleChecked] {
                    return onlineStatusText(SerialInterface::SIO1, port, preamble, true);
                });
        }
    }
    ring_.RxReadPos = ring_.RxWritePos;
}

void LinkController::endProgress() {
    if (progress_)
        progress_->endProgress();
}

bool LinkController::ParseAnswer(std::uint16_t start) {
    PARAmeter* params = CurrentParams();
    if (start == ring_.RxWritePos || !params)
        return false;
    const std::vector<std::uint8_t> buffer = ring_.copyFrom(start);
    const std::size_t length = buffer.size() - 1; // the stop byte is not counted

    PARAmeter& p = *params;
    const int result = DecodeFrame(p, std::span(buffer.data(), length), settings.versions);
    VersionText = QString::fromStdString(p.VersionText);

    switch (result) {
    case kDecodeValid:
        endProgress();
        VersionText = texts_.LabelGV();
        setStatus(3, [this, version = QString::fromStdString(p.VersionText)] {
            return texts_.LabelGV() + version + QStringLiteral("x");
        });
        Q_EMIT showRecordRequested();
        if (BillingEvaluator* billing = role(&LinkWindow::billing)) {
            billing->billingEvaluation();
            billing->dataLogEntry(QStringLiteral("heatcount"));
        }
        setStatus(4, [this] { return texts_.LabelDatenGueltig(); });
        setLinkState(2);
        repaint();
        followUpAfterRead();
        return true;
    case kDecodeNoFrameStart:
        if (buffer[0] != frame::kAck)
            return false;
        if (AcknowledgementHandler* w = role(&LinkWindow::acknowledgement))
            w->OnWriteAck();
        return true;
    case kDecodeBadChecksum:
        setLinkState(3);
        WrongDataText = texts_.LabelDatenFalsch();
        setStatus(4, [this] { return texts_.LabelDatenFalsch(); });
        endProgress();
        repaint();
        ui_.message(WrongDataText, QString(), UserInteraction::Icon::Warning);
        failedRequest();
        return false;
    case kDecodeWrongDevice:
        setStatus(3, VersionText);
        endProgress();
        setLinkState(3);
        setStatus(4, QString());
        repaint();
        WrongDeviceText = texts_.LabelFalschesGeraet() + QStringLiteral(" V") + VersionText;
        ui_.message(WrongDeviceText, QString(), UserInteraction::Icon::Warning);
        failedRequest();
        return false;
    default: // not a data answer, or a wrong format: dropped, the time-out reports it
        return false;
    }
}

void LinkController::followUpAfterRead() {
    if (ReadFollowUp* w = role(&LinkWindow::readFollowUp))
        w->afterValidRead();
}

void LinkController::failedRequest() {
    if (ReadFollowUp* w = role(&LinkWindow::readFollowUp))
        w->requestFailed();
}

void LinkController::ProgressTimeout(const QString& timeoutText) {
    setLinkState(3);
    // A window that chains requests says which one went unconfirmed, so the technician knows what
    // the device holds.
    QString text = timeoutText;
    if (AcknowledgementHandler* w = role(&LinkWindow::acknowledgement))
        if (const QString step = w->awaitedStep(); !step.isEmpty())
            text += QStringLiteral(": ") + step;
    setStatus(4, text);
    repaint();
    failedRequest();
    ui_.message(text, QString(), UserInteraction::Icon::Warning);
}

} // namespace kvq
