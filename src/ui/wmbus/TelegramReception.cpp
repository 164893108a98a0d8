#include "ui/wmbus/TelegramReception.h"

#include "core/wmbus/DecimalSeparator.h"
#include "core/wmbus/MonitorColours.h"
#include "ui/wmbus/AnalysePage.h"
#include "ui/wmbus/HexMonitor.h"

#include <QCheckBox>
#include <QColor>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>

#include <algorithm>

namespace kvq {

using namespace kvq::wmbus;

TelegramReception::TelegramReception(AnalysePage& page, Framing framing)
    : page_(page), framer_(std::make_unique<TelegramFramer>(framing)), decoder_(framing) {
    decoder_.setDecimalSeparator(decimalSeparatorOf(QLocale()));
}

TelegramReception::~TelegramReception() = default;

void TelegramReception::setFraming(Framing framing) {
    if (framing == framer_->framing())
        return;
    framer_ = std::make_unique<TelegramFramer>(framing);
    framer_->setHold(stopped_);
    decoder_.setFraming(framing);
}

void TelegramReception::receiveChunk(std::span<const std::uint8_t> bytes, ReceiveTime time) {
    page_.flushRaw();
    page_.RichEdit1->trim();
    chunkTime_ = time > 0 ? time : 0;
    framer_->receive(bytes, [this](const ReceivedFrame& f) { frame(f); });
}

void TelegramReception::receiveRawText(const QString& text, int byteCount, bool analyseActive) {
    bytes_ += static_cast<std::uint64_t>(byteCount > 0 ? byteCount : 0);
    page_.LabeCountByte->setText(QString::number(bytes_));
    if (analyseActive)
        page_.appendRaw(text);
}

void TelegramReception::setStopped(bool stopped) {
    if (stopped == stopped_)
        return;
    stopped_ = stopped;
    framer_->setHold(stopped);
    if (!stopped)
        framer_->flush([this](const ReceivedFrame& f) { frame(f); });
}

void TelegramReception::frame(const ReceivedFrame& f) {
    const std::size_t n = f.frame.size();
    colours_.resize(n);
    qcolours_.resize(n);
    monitorColours(f.frame, framer_->framing(), colours_);
    for (std::size_t i = 0; i < n; ++i) {
        const Rgb c = rgb(colours_[i]);
        qcolours_[i] = QColor(c.r, c.g, c.b);
    }
    page_.RichEdit1->appendLine(f.frame, qcolours_);

    // The trigger may have stopped reception earlier in this chunk: the frame is shown, not taken.
    if (stopped_)
        return;
    telegram_.assign(f.telegram, chunkTime_);
    if (!decoder_.decode(telegram_, result_))
        return; // too short for a link header: shown, not counted
    ++telegrams_;
    if (batch_) {
        shownLater_ = result_;
        showPending_ = true;
    } else {
        showTelegram(result_);
    }
    if (triggerMatches(result_.link)) {
        page_.StartTrigger->setChecked(false);
        page_.sBitBtnStop->setChecked(true); // the window's handler holds the framer
        stopped_ = true;
        if (onTrigger_)
            onTrigger_();
    }
    if (onTelegram_)
        onTelegram_(result_, telegram_);
}

namespace {
QString hex2(std::uint8_t b) {
    return QStringLiteral("%1").arg(b, 2, 16, QLatin1Char('0')).toUpper();
}
QString text(std::string_view s) {
    return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size()));
}
} // namespace

void TelegramReception::showTelegram(const TelegramResult& r) {
    const LinkLayer& link = r.link;
    page_.LabelLenght->setText(QString::number(link.l));
    page_.LabelCF->setText(hex2(link.c));
    page_.LabelMC->setText(text(link.manufacturer.view()));
    page_.LabelCI->setText(hex2(link.ci));
    page_.LabelFunkID->setText(text(link.idText.view()));
    showCounters();

    page_.LabelDEVICE->setText(QString::number(r.deviceType) + QLatin1Char('_') + text(r.mediumText));
    page_.LabelSerienID->setText(text(r.serialIdText()));
    page_.LabelCounter->setText(QString::number(r.accessNumber));
    page_.LabelAES->setText(text(TelegramResult::yesNo(r.encrypted)));

    const QString rssi = text(r.rssiText.view());
    page_.LabelRSSI->setText(rssi);
    page_.LabelRSSI1->setText(rssi);
    const QProgressBar* bar = page_.ProgressBarRSSI1;
    page_.ProgressBarRSSI1->setValue(std::clamp(r.rssi, bar->minimum(), bar->maximum()));

    page_.showValues(r);
}

bool TelegramReception::triggerMatches(const LinkLayer& link) const {
    if (!page_.StartTrigger->isChecked())
        return false;
    bool wantedOk = false, idOk = false;
    const qulonglong wanted = page_.EditTgFunkID->text().trimmed().toULongLong(&wantedOk);
    const qulonglong id = QString::fromLatin1(link.idText.view()).toULongLong(&idOk);
    // An empty or unreadable trigger ID never matches.
    return wantedOk && idOk && wanted == id;
}

void TelegramReception::beginBatch() {
    batch_ = true;
    page_.RichEdit1->beginBatch();
}

void TelegramReception::endBatch() {
    if (!batch_)
        return;
    batch_ = false;
    page_.RichEdit1->endBatch();
    if (showPending_)
        showTelegram(shownLater_);
    showPending_ = false;
}

void TelegramReception::resetCounters() {
    telegrams_ = 0;
    bytes_ = 0;
    showCounters();
}

void TelegramReception::showCounters() {
    page_.showCounters(telegrams_, bytes_);
}

} // namespace kvq
