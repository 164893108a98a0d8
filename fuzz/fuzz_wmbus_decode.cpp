// Whole decode path on arbitrary telegram buffers: link layer, extended link and authentication
// layers, transport headers, a decryptor and a compact-frame handler that write their output
// into the buffer, and the data records.

#include "core/wmbus/AuthenticationLayer.h"
#include "core/wmbus/RecordReader.h"
#include "core/wmbus/TelegramDecoder.h"
#include "core/wmbus/TelegramDecryptor.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <vector>

using namespace kvq::wmbus;

namespace {
void check(bool ok) {
    if (!ok)
        std::abort();
}

// Writes a plaintext that starts with 2F 2F when the first input byte says so, so that the
// records behind decryption are reached too.
struct FuzzDecryptor : PayloadDecryptor {
    bool succeed = false;
    bool decrypt(const DecryptRequest& r, std::span<std::uint8_t> payload, std::string& keyText) override {
        check(r.payloadOffset + payload.size() <= r.telegram.size());
        check(r.ciPosition < r.payloadOffset);
        for (std::size_t k = 0; k < payload.size(); ++k)
            payload[k] = static_cast<std::uint8_t>(payload[k] ^ (k * 7));
        if (succeed && payload.size() >= 2)
            payload[0] = payload[1] = 0x2F;
        keyText = "FUZZ";
        return payload.size() >= 2 && payload[0] == 0x2F && payload[1] == 0x2F;
    }
};

// Copies the frame behind a 4-byte signature as records, filling the output completely when asked.
struct FuzzCompact : CompactFrameHandler {
    std::size_t expand(std::span<const std::uint8_t> frame, std::string_view, std::uint8_t,
                       std::span<std::uint8_t> out, CompactOutcome& outcome) override {
        outcome = CompactOutcome::Expanded;
        if (frame.size() < 4)
            return 0;
        std::size_t n = 0;
        while (n < out.size()) {
            const std::size_t len = std::min(frame.size() - 4, out.size() - n);
            if (len == 0)
                break;
            std::copy_n(frame.begin() + 4, len, out.begin() + n);
            n += len;
        }
        return n;
    }
    void learn(std::span<const std::uint8_t>, std::string_view, std::uint8_t) override {}
};

struct FuzzDirectory : DeviceDirectory {
    DeviceLookup findDevice(std::uint32_t id, std::uint8_t, std::string_view) const override {
        return DeviceLookup{(id & 1) != 0, "00112233445566778899AABBCCDDEEFF"};
    }
};
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 1)
        return 0;
    static TelegramDecoder decoder;
    static FuzzDecryptor decryptor;
    static FuzzCompact compact;
    static FuzzDirectory directory;
    static TelegramDecryptor aes;
    static TelegramResult result;
    // Bit 3 selects the real AES decryption, so its bounds are fuzzed as well.
    if (data[0] & 8)
        decoder.setDecryptor(&aes);
    else
        decoder.setDecryptor(&decryptor);
    decoder.setCompactFrameHandler(&compact);
    decoder.setDeviceDirectory(&directory);
    decryptor.succeed = data[0] & 1;
    decoder.setFraming(data[0] & 2 ? Framing::Amber : Framing::RadioCraft);
    decoder.setDecimalSeparator(data[0] & 4 ? '.' : ',');

    std::vector<std::uint8_t> t(data + 1, data + size);
    if (decoder.decode(t, 0, result)) {
        for (std::size_t k = result.recordCount; k < kMaxValuePairs; ++k)
            check(result.values[k].value.empty());
        check(result.ciPosition < t.size());
        if (result.recordsEnd)
            check(result.recordsOffset < result.recordsEnd && result.recordsEnd <= t.size());
    }
    // The authentication layer alone: a layer it accepts lies within the bytes and holds what its
    // flags announce.
    if (const auto afl = parseAuthenticationLayer(std::span<const std::uint8_t>(data + 1, size - 1))) {
        check(afl->size() <= size - 1);
        check(afl->macLength <= afl->mac.size());
        check(afl->mcl.has_value() == ((afl->fcl & AuthenticationLayer::kMclPresent) != 0));
        check(afl->counter.has_value() == ((afl->fcl & AuthenticationLayer::kMcrPresent) != 0));
        check(afl->messageLength.has_value() == ((afl->fcl & AuthenticationLayer::kMlPresent) != 0));
    }
    // The record reader alone, on the raw input.
    RecordReader reader(std::span<const std::uint8_t>(data + 1, size - 1));
    DataRecord r;
    while (reader.next(r))
        check(r.dataOffset + r.dataLength <= size - 1);
    return 0;
}
