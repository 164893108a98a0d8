#include "DeviceBench.h"

namespace kvq::devsim {

namespace {
// Word 22 of the module's image, bit 13: the module streams its sensor values.
constexpr int kMeasurementByte = 23;
constexpr std::uint8_t kMeasurementBit = 0x20;
constexpr int kThreshold1 = 39, kThreshold2 = 40;
// Four bytes a frame at 2400 baud, ten bits a byte.
constexpr auto kSensorFramePeriod = std::chrono::microseconds(4 * 10 * 1000000 / 2400);

// A slow swing of both sensors, sensor 2 a quarter turn behind: a triangle of 32 steps.
std::uint8_t swing(int phase, int base) {
    const int p = phase % 32;
    return std::uint8_t(base + (p < 16 ? p : 32 - p));
}
} // namespace

DeviceBench::~DeviceBench() {
    stop();
}

SimulatedDevice& DeviceBench::add(DeviceKind kind) {
    SimulatedDevice* added = nullptr;
    runAndWait([&] {
        devices_.push_back(std::make_unique<SimulatedDevice>(kind));
        added = devices_.back().get();
    });
    return *added;
}

SimulatedDevice* DeviceBench::device(DeviceKind kind) {
    for (auto& d : devices_)
        if (d->kind() == kind)
            return d.get();
    return nullptr;
}

std::vector<std::uint8_t> DeviceBench::imageOf(DeviceKind kind) {
    std::vector<std::uint8_t> image;
    runAndWait([&] {
        if (SimulatedDevice* d = device(kind))
            image = d->image();
    });
    return image;
}

int DeviceBench::requestsSeen() {
    int n = 0;
    runAndWait([&] { n = requests_; });
    return n;
}

int DeviceBench::badRequests() {
    int n = 0;
    runAndWait([&] { n = bad_; });
    return n;
}

void DeviceBench::onReceived(const QByteArray& bytes) {
    if (head.echo)
        queueOutput(bytes);
    input_ += bytes;
    for (;;) {
        // Wake-up preamble and noise before a frame are skipped.
        const qsizetype start = input_.indexOf(char(0x68));
        if (start < 0) {
            input_.clear();
            return;
        }
        input_.remove(0, start);
        if (input_.size() < 12)
            return;
        const auto* h = reinterpret_cast<const std::uint8_t*>(input_.constData());
        if (h[3] != 0x68 || h[1] != h[2] || h[4] != 0x53 || h[6] != 0x51 || h[7] != 0x0F) {
            input_.remove(0, 1);
            continue;
        }
        std::optional<int> length;
        for (auto& d : devices_)
            if ((length = d->requestLength(h)))
                break;
        if (!length) {
            ++bad_;
            input_.remove(0, 1);
            continue;
        }
        if (input_.size() < *length)
            return;
        const QByteArray request = input_.left(*length);
        input_.remove(0, *length);
        handleRequest(request);
    }
}

std::optional<SimClock::time_point> DeviceBench::onTick(SimClock::time_point now) {
    const SimulatedDevice* module = device(DeviceKind::WaterMeterModule);
    if (!module || module->faults.silent || !(module->image()[kMeasurementByte] & kMeasurementBit))
        return std::nullopt;
    if (now < nextSensorFrame_)
        return nextSensorFrame_;
    // An answer on its way goes first; the stream goes on behind it.
    if (!outputPending()) {
        const std::vector<std::uint8_t>& im = module->image();
        const char frame[] = {char(im[kThreshold2] & 0x7F), char(swing(sensorPhase_, 0x38)),
                              char(swing(sensorPhase_ + 8, 0x3C)), char(0x80 | (im[kThreshold1] & 0x7F))};
        queueOutput(QByteArray(frame, 4));
        ++sensorPhase_;
    }
    nextSensorFrame_ = now + kSensorFramePeriod;
    return nextSensorFrame_;
}

void DeviceBench::handleRequest(const QByteArray& r) {
    ++requests_;
    std::uint8_t sum = 0;
    for (int i = 4; i < r.size() - 2; ++i)
        sum = std::uint8_t(sum + std::uint8_t(r[i]));
    if (sum != std::uint8_t(r[r.size() - 2]) || std::uint8_t(r[r.size() - 1]) != 0x16) {
        ++bad_; // a garbled request is ignored, nothing is stored
        return;
    }
    QByteArray answer;
    const auto* h = reinterpret_cast<const std::uint8_t*>(r.constData());
    for (auto& d : devices_) {
        if (!d->requestLength(h))
            continue;
        answer = d->answer(r);
        break;
    }
    if (answer.isEmpty())
        return;
    const auto delay = std::chrono::milliseconds(answerDelayMs);
    if (head.hangUpInAnswer) {
        queueOutput(answer.left(answer.size() / 2), delay);
        queueHangUp(std::chrono::milliseconds(50));
        return;
    }
    if (head.splitPieces > 1) {
        const qsizetype piece = (answer.size() + head.splitPieces - 1) / head.splitPieces;
        for (qsizetype at = 0; at < answer.size(); at += piece)
            queueOutput(answer.mid(at, piece),
                        at == 0 ? delay : std::chrono::milliseconds(head.splitPauseMs));
        return;
    }
    queueOutput(answer, delay);
}

} // namespace kvq::devsim
