#include "core/firmware/XmodemSender.h"

#include <algorithm>

namespace kvq::firmware {

std::uint16_t crc16Xmodem(std::span<const std::uint8_t> data) {
    std::uint16_t crc = 0;
    for (std::uint8_t b : data) {
        crc ^= std::uint16_t(b << 8);
        for (int i = 0; i < 8; ++i)
            crc = (crc & 0x8000) ? std::uint16_t((crc << 1) ^ 0x1021) : std::uint16_t(crc << 1);
    }
    return crc;
}

std::uint8_t checksum8(std::span<const std::uint8_t> data) {
    std::uint8_t sum = 0;
    for (std::uint8_t b : data)
        sum = std::uint8_t(sum + b);
    return sum;
}

XmodemSender::XmodemSender(std::vector<std::uint8_t> image) : image_(std::move(image)) {
    wait(State::Sync, kSyncWait);
}

std::vector<std::uint8_t> XmodemSender::takeOutput() {
    std::vector<std::uint8_t> out;
    out.swap(output_);
    return out;
}

void XmodemSender::wait(State s, int limit) {
    state_ = s;
    waitLimit_ = limit;
    ticks_ = 0;
}

void XmodemSender::tick() {
    if (state_ != State::Done && waitExpired(ticks_++, waitLimit_))
        timedOut();
}

void XmodemSender::received(std::uint8_t b) {
    using namespace xmodem;
    switch (state_) {
    case State::Sync:
        if (b == CrcRequest || b == NAK) {
            mode_ = b == CrcRequest ? XmodemMode::Crc : XmodemMode::Checksum;
            nextBlock();
        } else if (b == CAN) {
            wait(State::SyncSecondCan, kSecondCanWait);
        } else {
            syncFailed();
        }
        break;
    case State::SyncSecondCan:
        if (b == CAN)
            acknowledgeCancel();
        else
            syncFailed();
        break;
    case State::AwaitAck:
        if (b == ACK) {
            ++packetNumber_;
            offset_ += kBlockSize;
            nextBlock();
        } else if (b == CAN) {
            wait(State::AckSecondCan, kSecondCanWait);
        } else {
            resend();
        }
        break;
    case State::AckSecondCan:
        if (b == CAN)
            acknowledgeCancel();
        else
            resend();
        break;
    case State::AwaitEotAck:
        if (b == ACK)
            finish(int(offset_));
        else
            sendEot();
        break;
    case State::Flush:
        if (++flushed_ >= kFlushByteLimit)
            finish(pendingResult_);
        else
            wait(State::Flush, kFlushWait);
        break;
    case State::Done:
        break;
    }
}

void XmodemSender::timedOut() {
    switch (state_) {
    case State::Sync:
    case State::SyncSecondCan:
        syncFailed();
        break;
    case State::AwaitAck:
    case State::AckSecondCan:
        resend();
        break;
    case State::AwaitEotAck:
        sendEot();
        break;
    case State::Flush:
        finish(pendingResult_);
        break;
    case State::Done:
        break;
    }
}

void XmodemSender::abort() {
    if (state_ == State::Done)
        return;
    output_.insert(output_.end(), 3, xmodem::CAN);
    finish(kXmodemAborted);
}

void XmodemSender::syncFailed() {
    if (++attempts_ >= kSyncAttempts)
        cancel(kXmodemNoSync);
    else
        wait(State::Sync, kSyncWait);
}

void XmodemSender::nextBlock() {
    using namespace xmodem;
    attempts_ = 0;
    if (offset_ > image_.size()) {
        sendEot();
        return;
    }
    // A block that is not full (even an empty one past an image of whole blocks) ends with 1A and zeros.
    const std::size_t count = std::min<std::size_t>(image_.size() - offset_, kBlockSize);
    std::uint8_t block[kBlockSize] = {};
    std::copy_n(image_.begin() + std::ptrdiff_t(offset_), count, block);
    if (count < std::size_t(kBlockSize))
        block[count] = Fill;
    packet_.assign({SOH, packetNumber_, std::uint8_t(~packetNumber_)});
    packet_.insert(packet_.end(), block, block + kBlockSize);
    if (mode_ == XmodemMode::Crc) {
        const std::uint16_t crc = crc16Xmodem(block);
        packet_.push_back(std::uint8_t(crc >> 8));
        packet_.push_back(std::uint8_t(crc));
    } else {
        packet_.push_back(checksum8(block));
    }
    sendPacket();
}

void XmodemSender::sendPacket() {
    ++attempts_;
    output_.insert(output_.end(), packet_.begin(), packet_.end());
    wait(State::AwaitAck, kAckWait);
}

void XmodemSender::resend() {
    if (attempts_ >= kPacketSends)
        cancel(kXmodemTooManyRetries);
    else
        sendPacket();
}

void XmodemSender::sendEot() {
    if (attempts_ >= kEotAttempts) {
        finish(kXmodemEotNotAcked);
        return;
    }
    ++attempts_;
    output_.push_back(xmodem::EOT);
    wait(State::AwaitEotAck, kEotWait);
}

void XmodemSender::cancel(int result) {
    output_.insert(output_.end(), 3, xmodem::CAN);
    flushThenFinish(result);
}

void XmodemSender::acknowledgeCancel() {
    output_.push_back(xmodem::ACK);
    flushThenFinish(kXmodemCancelled);
}

// Whatever the receiver still says is read and dropped until it has been quiet for a while.
void XmodemSender::flushThenFinish(int result) {
    pendingResult_ = result;
    flushed_ = 0;
    wait(State::Flush, kFlushWait);
}

void XmodemSender::finish(int result) {
    result_ = result;
    state_ = State::Done;
    waitLimit_ = 0;
}

} // namespace kvq::firmware
