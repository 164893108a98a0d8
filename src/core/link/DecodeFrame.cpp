#include "core/link/DecodeFrame.h"

#include "core/link/Frame.h"

#include <algorithm>
#include <optional>

namespace kvq {

namespace {

constexpr std::size_t kHeaderEnd = 20; // first payload byte
constexpr int kWzHistoryL = 101;
constexpr std::size_t kWzHistoryOffset = 231;

class Bytes {
public:
    explicit Bytes(std::span<const std::uint8_t> b) : b_(b) {}
    std::optional<std::uint8_t> at(std::size_t i) const {
        if (i >= b_.size())
            return std::nullopt;
        return b_[i];
    }
    bool is(std::size_t i, std::uint8_t v) const { return i < b_.size() && b_[i] == v; }
    std::size_t size() const { return b_.size(); }
    const std::uint8_t* data() const { return b_.data(); }

private:
    std::span<const std::uint8_t> b_;
};

std::uint8_t mediumOf(int family) {
    switch (family) {
    case 0:
        return frame::kMediumHeatCostAllocator;
    case 1:
        return frame::kMediumRadioThermometer;
    case 2:
        return frame::kMediumWaterMeterModule;
    default:
        return 0xFF;
    }
}

} // namespace

const char* deviceNameOf(int family) {
    switch (family) {
    case 0:
        return "EHKV FALKOII";
    case 1:
        return "WMBus Thermometer";
    case 2:
        return "QUELMAR-WZ";
    default:
        return "";
    }
}

int DecodeFrame(PARAmeter& params, std::span<const std::uint8_t> bytes, const FirmwareVersions& accepted) {
    const Bytes b(bytes);
    if (!b.is(0, frame::kStart))
        return kDecodeNoFrameStart;

    // The checksum byte must be among the received ones.
    const auto lField = b.at(1);
    if (!lField)
        return kDecodeBadChecksum;
    const std::size_t L = *lField;
    const auto cs = b.at(L + 4);
    if (!cs || frame::checksum(bytes, 4, L + 3) != *cs)
        return kDecodeBadChecksum;

    // Version: two BCD digits; 99 announces the extended form with three plain digits and a marker.
    int version = -1;
    int marker = 0;
    if (const auto v = b.at(13)) {
        static const char* digits = "0123456789ABCDEF";
        params.VersionText = {digits[*v >> 4], digits[*v & 15]};
        if ((*v >> 4) <= 9 && (*v & 15) <= 9)
            version = (*v >> 4) * 10 + (*v & 15);
        if (version == 99) {
            const auto d0 = b.at(8), d1 = b.at(9), d2 = b.at(10), m = b.at(12);
            if (d0 && d1 && d2 && m) {
                version = *d0 * 100 + *d1 * 10 + *d2;
                marker = *m;
                params.VersionText = std::to_string(version);
            } else {
                version = -1;
            }
        }
    } else {
        params.VersionText.clear();
    }

    const bool versionOk = accepted.of(params.Family).contains(version);
    const bool mediumOk = b.is(14, mediumOf(params.Family));
    if (params.Family == 0)
        params.DataEHKV.ExtVersionFlag = versionOk && mediumOk && marker >= 1;

    if (!b.is(4, frame::kAnswerC))
        return kDecodeNotDataAnswer;
    if (!(versionOk && mediumOk))
        return kDecodeWrongDevice;

    if (!params.VersionText.empty())
        params.VersionText.insert(1, ".");
    params.DeviceName = deviceNameOf(params.Family);

    if (!b.is(19, frame::kManufacturerData) || !b.is(6, frame::kAnswerCI))
        return kDecodeBadFormat;
    // A frame too short for its own header carries no payload; a negative count copies nothing.
    if (L < kHeaderEnd - 3)
        return kDecodeBadFormat;

    // The payload lies within the checked frame (bytes 20 .. L+2); it is cut to the image it fills.
    const std::size_t count = L - 17;
    const std::uint8_t* src = b.data() + kHeaderEnd;
    auto copyInto = [&](std::uint8_t* image, std::size_t imageSize, std::size_t offset) {
        if (offset >= imageSize)
            return;
        std::copy_n(src, std::min(count, imageSize - offset), image + offset);
    };
    switch (params.Family) {
    case 0:
        copyInto(params.DataEHKV.bytes.data(), params.DataEHKV.bytes.size(), 0);
        break;
    case 1:
        copyInto(params.DataWMTHERMO.data(), params.DataWMTHERMO.size(), 0);
        break;
    case 2:
        copyInto(params.DataWZBRAM.data(), params.DataWZBRAM.size(), L == kWzHistoryL ? kWzHistoryOffset : 0);
        break;
    default:
        break;
    }
    return kDecodeValid;
}

} // namespace kvq
