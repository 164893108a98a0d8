#pragma once
// The recorder's receive path on the window thread: chunks from the receiver port are framed, each
// frame becomes a monitor line, each telegram is decoded and its header and values are shown on the
// Analyse page. Framing, decoding and colours come from the core; this class only puts them on the page.

#include "core/wmbus/Framing.h"
#include "core/wmbus/LinkLayer.h"
#include "core/wmbus/MonitorColours.h"
#include "core/wmbus/Telegram.h"
#include "core/wmbus/TelegramDecoder.h"
#include "core/wmbus/TelegramResult.h"

#include <QColor>
#include <QString>

#include <cstdint>
#include <functional>
#include <memory>
#include <span>
#include <vector>

namespace kvq {

class AnalysePage;

class TelegramReception {
public:
    // Called for every telegram taken, after it is shown.
    using TelegramHandler = std::function<void(const wmbus::TelegramResult&, const wmbus::TelegramBuffer&)>;

    TelegramReception(AnalysePage& page, wmbus::Framing framing);
    ~TelegramReception();

    // Chooses the framing; bytes not yet framed are dropped with the old one.
    void setFraming(wmbus::Framing framing);
    wmbus::Framing framing() const { return framer_->framing(); }

    // A chunk from the receiver port. time <= 0: received now.
    void receiveChunk(std::span<const std::uint8_t> bytes, wmbus::ReceiveTime time = 0);
    // Raw text of received bytes: counted, and shown in `MemoRX` while the Analyse page is shown.
    void receiveRawText(const QString& text, int byteCount, bool analyseActive);

    // "STOP Daten vom Empfänger": bytes are kept but not framed; releasing it frames what is kept.
    void setStopped(bool stopped);
    bool stopped() const { return stopped_; }

    // Many chunks in a row (a recording being loaded): every telegram is decoded and handed on, but
    // the page shows only the last one, when the batch ends.
    void beginBatch();
    void endBatch();

    void resetCounters();
    std::uint64_t telegramCount() const { return telegrams_; }
    std::uint64_t byteCount() const { return bytes_; }

    void setTelegramHandler(TelegramHandler handler) { onTelegram_ = std::move(handler); }
    // The decoder, for its collaborators (manufacturer filter, route, decryption, compact formats).
    wmbus::TelegramDecoder& decoder() { return decoder_; }
    const wmbus::TelegramResult& lastTelegram() const { return result_; }
    // Called when the trigger on a radio ID has fired (reception then stops).
    void setTriggerHandler(std::function<void()> handler) { onTrigger_ = std::move(handler); }

private:
    void frame(const wmbus::ReceivedFrame& f);
    void showTelegram(const wmbus::TelegramResult& r);
    bool triggerMatches(const wmbus::LinkLayer& link) const;
    void showCounters();

    AnalysePage& page_;
    std::unique_ptr<wmbus::TelegramFramer> framer_;
    wmbus::TelegramDecoder decoder_;
    wmbus::TelegramBuffer telegram_;
    wmbus::TelegramResult result_;
    std::vector<wmbus::MonitorColour> colours_; // per frame, reused
    std::vector<QColor> qcolours_;
    wmbus::ReceiveTime chunkTime_ = 0;
    bool stopped_ = false;
    bool batch_ = false;
    bool showPending_ = false;
    wmbus::TelegramResult shownLater_; // the last telegram of a batch
    std::uint64_t telegrams_ = 0;
    std::uint64_t bytes_ = 0;
    TelegramHandler onTelegram_;
    std::function<void()> onTrigger_;
};

} // namespace kvq
