#include "BootLoaderSim.h"

namespace kvq::devsim {

namespace {
constexpr std::uint8_t kSoh = 0x01, kEot = 0x04, kAck = 0x06, kNak = 0x15, kCan = 0x18;
constexpr auto kStartRepeat = std::chrono::seconds(3);
constexpr int kStartRequests = 10;
constexpr auto kInPacketSilence = std::chrono::seconds(1);
constexpr auto kUploadSilence = std::chrono::seconds(10);

// CRC-16 as XMODEM defines it: polynomial x^16 + x^12 + x^5 + 1, register starts at zero, bits taken
// most significant first.
std::uint16_t crc16(const char* p, int n) {
    std::uint16_t crc = 0;
    for (int i = 0; i < n; ++i) {
        crc ^= std::uint16_t(std::uint8_t(p[i]) << 8);
        for (int k = 0; k < 8; ++k)
            crc = std::uint16_t((crc & 0x8000) ? (crc << 1) ^ 0x1021 : crc << 1);
    }
    return crc;
}

bool onlyFill(const QByteArray& block) {
    for (qsizetype i = 0; i < block.size(); ++i)
        if (block[i] != (i == 0 ? char(0x1A) : char(0)))
            return false;
    return true;
}
} // namespace

SimulatedBootLoader::SimulatedBootLoader() = default;

SimulatedBootLoader::~SimulatedBootLoader() {
    stop();
}

SimulatedBootLoader::Stats SimulatedBootLoader::stats() {
    Stats s;
    runAndWait([&] { s = stats_; });
    return s;
}

QByteArray SimulatedBootLoader::application() {
    QByteArray a;
    runAndWait([&] { a = application_; });
    return a;
}

void SimulatedBootLoader::setApplication(const QByteArray& image) {
    runAndWait([&] { application_ = image; });
}

SimClock::duration SimulatedBootLoader::byteTime() const {
    if (baudRate <= 0)
        return {};
    return std::chrono::duration_cast<SimClock::duration>(std::chrono::microseconds(10'000'000 / baudRate));
}

void SimulatedBootLoader::onReceived(const QByteArray& bytes) {
    // The program's write is instant on a pseudo-terminal; on the wire each byte takes its time.
    const auto now = SimClock::now();
    for (char c : bytes) {
        lineFree_ = std::max(now, lineFree_) + byteTime();
        input_.push_back({c, lineFree_});
    }
}

std::optional<SimClock::time_point> SimulatedBootLoader::onTick(SimClock::time_point now) {
    while (!input_.empty() && input_.front().at <= now) {
        const char c = input_.front().byte;
        input_.pop_front();
        handle(std::uint8_t(c), now);
    }
    std::optional<SimClock::time_point> next;
    auto earliest = [&](SimClock::time_point t) { next = next ? std::min(*next, t) : t; };
    if (!input_.empty())
        earliest(input_.front().at);
    if (mode_ != Mode::Receiving)
        return next;

    const bool waitingForFirst = received_.isEmpty() && packet_.isEmpty() && expected_ == 1;
    if (waitingForFirst && now >= nextStartRequest_) {
        if (startRequests_ >= kStartRequests) {
            ++stats_.uploadsCancelled;
            endUpload();
            return next;
        }
        ++startRequests_;
        answer(QByteArray(1, char(crcMode ? 'C' : kNak)));
        nextStartRequest_ = now + kStartRepeat;
    }
    if (!packet_.isEmpty() && now >= packetDeadline_) {
        // A packet cut short: drop it and ask again.
        packet_.clear();
        ++stats_.packetsBad;
        answer(QByteArray(1, char(kNak)));
    } else if (!waitingForFirst && packet_.isEmpty() && now >= packetDeadline_ + kUploadSilence) {
        ++stats_.uploadsCancelled;
        endUpload();
        return next;
    }
    if (waitingForFirst)
        earliest(nextStartRequest_);
    earliest(packet_.isEmpty() ? packetDeadline_ + kUploadSilence : packetDeadline_);
    return next;
}

void SimulatedBootLoader::handle(std::uint8_t b, SimClock::time_point now) {
    switch (mode_) {
    case Mode::Command:
        command(b, now);
        break;
    case Mode::Receiving:
        receiving(b, now);
        break;
    case Mode::Silent:
        break;
    }
}

void SimulatedBootLoader::command(std::uint8_t b, SimClock::time_point now) {
    switch (b) {
    case 'u':
        mode_ = Mode::Receiving;
        received_.clear();
        packet_.clear();
        expected_ = 1;
        packetsSeen_ = 0;
        acksSent_ = 0;
        startRequests_ = 0;
        lastWasCan_ = false;
        stats_.senderCancelled = false;
        ++stats_.uploadsStarted;
        nextStartRequest_ = now; // the first request goes out on this turn
        packetDeadline_ = now;
        break;
    case 'c':
        answer(QStringLiteral("CRC %1\r\n")
                   .arg(crc16(application_.constData(), int(application_.size())), 4, 16, QLatin1Char('0'))
                   .toUpper()
                   .toLatin1());
        break;
    case 'r':
        answer("Reboot\r\n");
        break;
    case 'b':
        answer("Start Application\r\n");
        break;
    default:
        break; // the bootloader ignores anything else
    }
}

void SimulatedBootLoader::receiving(std::uint8_t b, SimClock::time_point now) {
    if (!packet_.isEmpty()) {
        packet_.append(char(b));
        packetDeadline_ = now + kInPacketSilence;
        if (packet_.size() == (crcMode ? 133 : 132))
            packetComplete(now);
        return;
    }
    packetDeadline_ = now;
    const bool can = b == kCan;
    const bool secondCan = can && lastWasCan_;
    lastWasCan_ = can;
    if (b == kSoh) {
        packet_.append(char(b));
        packetDeadline_ = now + kInPacketSilence;
    } else if (b == kEot) {
        answer(QByteArray(1, char(kAck)));
        application_ = received_;
        ++stats_.uploadsCompleted;
        endUpload();
    } else if (secondCan) {
        stats_.senderCancelled = true;
        ++stats_.uploadsCancelled;
        endUpload();
    }
}

void SimulatedBootLoader::packetComplete(SimClock::time_point now) {
    QByteArray p = packet_;
    packet_.clear();
    packetDeadline_ = now;
    ++packetsSeen_;
    if (faults.corruptEvery > 0 && packetsSeen_ % faults.corruptEvery == 0)
        p[3 + 17] = char(p[3 + 17] ^ 0x04);

    const std::uint8_t number = std::uint8_t(p[1]);
    const QByteArray block = p.mid(3, 128);
    bool sound = std::uint8_t(p[2]) == std::uint8_t(~number);
    if (crcMode) {
        sound =
            sound && crc16(block.constData(), 128) == ((std::uint8_t(p[131]) << 8) | std::uint8_t(p[132]));
    } else {
        std::uint8_t sum = 0;
        for (char c : block)
            sum = std::uint8_t(sum + std::uint8_t(c));
        sound = sound && sum == std::uint8_t(p[131]);
    }
    if (!sound) {
        ++stats_.packetsBad;
        answer(QByteArray(1, char(kNak)));
        return;
    }
    if (number == std::uint8_t(expected_ - 1) && !received_.isEmpty()) {
        ++stats_.duplicates; // our ACK was lost: acknowledge again, keep the block once
        answer(QByteArray(1, char(kAck)));
        return;
    }
    const bool full = received_.size() >= flashSize && !onlyFill(block);
    const bool cancelHere = faults.cancelAfter > 0 && stats_.packetsGood + 1 == faults.cancelAfter;
    if (number != expected_ || full || cancelHere) {
        answer(QByteArray(2, char(kCan)));
        ++stats_.uploadsCancelled;
        endUpload();
        return;
    }
    received_ += block;
    ++expected_;
    ++stats_.packetsGood;
    const int good = int(received_.size() / 128);
    if (faults.hangUpAfter > 0 && good == faults.hangUpAfter) {
        mode_ = Mode::Silent;
        queueHangUp();
        return;
    }
    if (faults.silentAfter > 0 && good == faults.silentAfter) {
        mode_ = Mode::Silent;
        return;
    }
    if (faults.dropAckEvery > 0 && ++acksSent_ % faults.dropAckEvery == 0)
        return;
    answer(QByteArray(1, char(kAck)));
}

void SimulatedBootLoader::answer(const QByteArray& bytes) {
    // Paced like the line: each byte after the one before.
    for (char c : bytes)
        queueOutput(QByteArray(1, c), byteTime());
}

void SimulatedBootLoader::endUpload() {
    mode_ = Mode::Command;
    packet_.clear();
}

} // namespace kvq::devsim
