#include "ReceiverSim.h"

#include <algorithm>
#include <random>

namespace kvq::devsim {

namespace {
constexpr char kPrompt = '>';
// 19200 baud with a start and a stop bit: ten bit times per byte.
constexpr double kBytesPerMs = 19200.0 / 10.0 / 1000.0;
constexpr int kLineRatePiece = 32;
} // namespace

SimulatedReceiver::SimulatedReceiver() {
    memory_.fill(0xFF);
}

SimulatedReceiver::~SimulatedReceiver() {
    stop();
}

// --- configuration side -------------------------------------------------------------------------

void SimulatedReceiver::onReceived(const QByteArray& bytes) {
    for (char c : bytes)
        configByte(static_cast<std::uint8_t>(c));
}

void SimulatedReceiver::configByte(std::uint8_t b) {
    bool prompt = false;
    {
        std::lock_guard lock(mutex_);
        config_.push_back({b, SimClock::now()});
        switch (state_) {
        case ConfigState::Off:
            // Outside configuration mode only 0x00 means something to the module.
            if (b == 0x00) {
                state_ = ConfigState::Command;
                prompt = true;
            }
            break;
        case ConfigState::Command:
            if (b == 'M') {
                state_ = ConfigState::MemoryAddress;
            } else if (b == 'X') {
                state_ = ConfigState::Off;
            } else {
                prompt = true; // unknown commands are answered with a fresh prompt
            }
            break;
        case ConfigState::MemoryAddress:
            if (b == 0xFF) {
                state_ = ConfigState::Command;
                prompt = true;
            } else {
                address_ = b;
                state_ = ConfigState::MemoryValue;
            }
            break;
        case ConfigState::MemoryValue:
            if (address_ < memory_.size())
                memory_[address_] = b;
            state_ = ConfigState::MemoryAddress;
            break;
        }
    }
    if (prompt)
        queueOutput(QByteArray(1, kPrompt));
}

std::vector<SimulatedReceiver::ConfigByte> SimulatedReceiver::configBytes() const {
    std::lock_guard lock(mutex_);
    return config_;
}

void SimulatedReceiver::clearConfigBytes() {
    std::lock_guard lock(mutex_);
    config_.clear();
}

QString SimulatedReceiver::configGroups(int gapMs) const {
    const auto bytes = configBytes();
    QString out;
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        if (i > 0)
            out += bytes[i].at - bytes[i - 1].at >= std::chrono::milliseconds(gapMs) ? QLatin1Char('|')
                                                                                     : QLatin1Char(' ');
        out += QStringLiteral("%1").arg(bytes[i].byte, 2, 16, QLatin1Char('0')).toUpper();
    }
    return out;
}

std::array<std::uint8_t, 64> SimulatedReceiver::memory() const {
    std::lock_guard lock(mutex_);
    return memory_;
}

bool SimulatedReceiver::inConfigMode() const {
    std::lock_guard lock(mutex_);
    return state_ != ConfigState::Off;
}

// --- radio side ---------------------------------------------------------------------------------

namespace {

QByteArray brokenFrame(const QByteArray& radioTelegram, const ReceiverStream& o, int kind) {
    QByteArray t = radioTelegram;
    if (kind == 0 && t.size() > 1) {
        t[1] = char(0x08); // a C field no receiver program takes
        return receiverFrame(t, o.framing, o.rssi);
    }
    if (kind == 1) {
        QByteArray f = receiverFrame(t, o.framing, o.rssi);
        if (!f.isEmpty())
            f[f.size() - 1] = char(f.back() ^ 0x5A); // closing byte or checksum wrong
        return f;
    }
    // C, M and two ID bytes only: framed correctly, but no link header fits.
    return receiverFrame(t.left(6), o.framing, o.rssi);
}

} // namespace

int SimulatedReceiver::stream(const std::vector<QByteArray>& radioTelegrams, const ReceiverStream& o) {
    std::mt19937 rng(o.seed);
    const char start = o.framing == ReceiverFraming::RadioCraft ? char(0x68) : char(0xFF);
    auto noise = [&](QByteArray& out) {
        if (o.maxNoiseBytes <= 0)
            return;
        const int n = std::uniform_int_distribution<int>(0, o.maxNoiseBytes)(rng);
        for (int i = 0; i < n; ++i) {
            char c;
            do {
                c = static_cast<char>(std::uniform_int_distribution<int>(0, 255)(rng));
            } while (c == start);
            out.append(c);
        }
    };

    QByteArray all;
    int good = 0, sent = 0, broken = 0;
    for (int r = 0; r < std::max(1, o.repeat); ++r) {
        for (const QByteArray& t : radioTelegrams) {
            const QByteArray frame = receiverFrame(t, o.framing, o.rssi);
            if (frame.isEmpty() || t.size() < 12)
                continue;
            noise(all);
            if (o.brokenEvery > 0 && sent > 0 && sent % o.brokenEvery == 0) {
                all += brokenFrame(t, o, broken++ % 3);
                noise(all);
            }
            all += frame;
            ++good;
            ++sent;
        }
    }

    // Pieces and their delays, each delay counted from the piece before.
    std::vector<std::pair<QByteArray, SimClock::duration>> pieces;
    for (qsizetype at = 0; at < all.size();) {
        int size = int(all.size() - at);
        if (o.lineRate)
            size = std::min(size, kLineRatePiece);
        if (o.maxChunk > 0)
            size =
                std::min(size, std::uniform_int_distribution<int>(std::max(1, o.minChunk), o.maxChunk)(rng));
        SimClock::duration delay{};
        if (!pieces.empty()) {
            if (o.lineRate)
                delay = std::chrono::microseconds(qint64(pieces.back().first.size() * 1000.0 / kBytesPerMs));
            else
                delay = std::chrono::milliseconds(o.chunkGapMs);
        }
        pieces.emplace_back(all.mid(at, size), delay);
        at += size;
    }
    int id;
    {
        std::lock_guard lock(streamMutex_);
        id = ++requested_;
    }
    const bool hangUpAtEnd = o.hangUpAtEnd;
    const qint64 size = all.size();
    post([this, pieces = std::move(pieces), hangUpAtEnd, id, size] {
        for (const auto& [bytes, delay] : pieces)
            queueOutput(bytes, delay);
        if (hangUpAtEnd)
            queueHangUp(std::chrono::milliseconds(50));
        std::lock_guard lock(streamMutex_);
        armed_ = id;
        armedBytes_ += size;
    });
    return good;
}

void SimulatedReceiver::onOutputDrained() {
    // Everything queued has gone to the terminal; what the program has not read yet is its own.
    std::lock_guard lock(streamMutex_);
    if (finished_ != armed_) {
        finished_ = armed_;
        written_ = armedBytes_;
        streamCv_.notify_all();
    }
}

bool SimulatedReceiver::waitStreamed(int timeoutMs) const {
    // A hang-up at the end of a stream ends it too; the loop then no longer reports a drained output.
    const auto deadline = SimClock::now() + std::chrono::milliseconds(timeoutMs);
    std::unique_lock lock(streamMutex_);
    while (finished_ != requested_) {
        if (isHungUp() && armed_ == requested_)
            return true;
        if (SimClock::now() >= deadline)
            return false;
        streamCv_.wait_for(lock, std::chrono::milliseconds(20));
    }
    return true;
}

qint64 SimulatedReceiver::streamedBytes() const {
    std::lock_guard lock(streamMutex_);
    return written_;
}

std::unique_ptr<SimulatedReceiver> startSimulatedReceiver(QString* error) {
    auto r = std::make_unique<SimulatedReceiver>();
    if (!r->start(error))
        return nullptr;
    return r;
}

} // namespace kvq::devsim
