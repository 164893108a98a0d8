#include "core/link/DecodeFrame.h"
#include "core/link/Frame.h"

#include <gtest/gtest.h>
#include <random>

using namespace kvq;

namespace {
// An answer as a device sends it: header, payload, one last byte, checksum, stop.
std::vector<std::uint8_t> answer(std::uint8_t version, std::uint8_t medium, std::vector<std::uint8_t> payload,
                                 std::uint8_t c = 0x08, std::uint8_t ci = 0x72) {
    const std::uint8_t L = std::uint8_t(17 + payload.size());
    std::vector<std::uint8_t> f{0x68, L,    L,    0x68,    c,      0xFE, ci,   0x78, 0x56, 0x34,
                                0x12, 0x8D, 0x45, version, medium, 0x01, 0x00, 0x00, 0x00, 0x0F};
    for (std::uint8_t b : payload)
        f.push_back(b);
    f.push_back(0x1F);
    f.push_back(frame::checksum(f, 4, f.size() - 1));
    f.push_back(0x16);
    return f;
}
// The length the answer path hands on: everything but the stop byte.
int decode(PARAmeter& p, const std::vector<std::uint8_t>& f) {
    return DecodeFrame(p, std::span(f.data(), f.size() - 1));
}
} // namespace

TEST(Frame, RequestsCarryTheEnvelopeAndTheirChecksum) {
    const std::uint8_t lcd[] = {0x1A, 0x1A, 0x02, 0x0F, 0xC1, 0x10};
    EXPECT_EQ(frame::buildRequest(lcd),
              (std::vector<std::uint8_t>{0x68, 0x08, 0x08, 0x68, 0x53, 0xFE, 0x51, 0x0F, 0x1A, 0x1A, 0x02,
                                         0x0F, 0xC1, 0x10, 0xC7, 0x16}));
    const std::uint8_t storage[] = {0x18, 0x18, 0x02, 0x0F, 0xFB, 0x04};
    EXPECT_EQ(frame::buildRequest(storage)[14], 0xF1);
    EXPECT_EQ(frame::checksum(std::vector<std::uint8_t>{1, 2, 3}, 1, 10), 5)
        << "indexes past the end add nothing";
}

TEST(DecodeFrame, AcceptsAValidAllocatorAnswer) {
    PARAmeter p(DeviceFamily::HeatCostAllocator);
    p.DataEHKV.bytes[2] = 0x77;
    EXPECT_EQ(decode(p, answer(0x52, 0x08, {0xAA, 0xBB})), kDecodeValid);
    EXPECT_EQ(p.VersionText, "5.2");
    EXPECT_EQ(p.DeviceName, "EHKV FALKOII");
    EXPECT_EQ(p.DataEHKV.bytes[0], 0xAA);
    EXPECT_EQ(p.DataEHKV.bytes[1], 0xBB);
    EXPECT_EQ(p.DataEHKV.bytes[2], 0x77) << "L-17 = 2 bytes only";
    EXPECT_FALSE(p.DataEHKV.ExtVersionFlag);
}

TEST(DecodeFrame, ChecksTheDeviceFamilyAndItsVersionRange) {
    PARAmeter p(DeviceFamily::HeatCostAllocator);
    EXPECT_EQ(decode(p, answer(0x73, 0x08, {1, 2})), kDecodeWrongDevice);
    EXPECT_EQ(p.VersionText, "73");
    EXPECT_EQ(p.DataEHKV.bytes[0], 0) << "nothing is copied";
    EXPECT_EQ(decode(p, answer(0x72, 0x08, {1, 2})), kDecodeValid) << "the limits are inclusive";
    EXPECT_EQ(decode(p, answer(0x51, 0x08, {1, 2})), kDecodeWrongDevice);
    EXPECT_EQ(decode(p, answer(0x52, 0x1B, {1, 2})), kDecodeWrongDevice) << "a thermometer's medium";
    EXPECT_EQ(decode(p, answer(0xA3, 0x08, {1, 2})), kDecodeWrongDevice);
    EXPECT_EQ(p.VersionText, "A3") << "no BCD version, no accepted version";

    PARAmeter t(DeviceFamily::RadioThermometer);
    EXPECT_EQ(decode(t, answer(0x05, 0x1B, {9})), kDecodeValid);
    EXPECT_EQ(t.VersionText, "0.5");
    EXPECT_EQ(t.DeviceName, "WMBus Thermometer");
    EXPECT_EQ(t.DataWMTHERMO[0], 9);
    EXPECT_EQ(decode(t, answer(0x05, 0x08, {9})), kDecodeWrongDevice)
        << "an allocator answering the thermometer";

    PARAmeter w(DeviceFamily::WaterMeterModule);
    EXPECT_EQ(decode(w, answer(0x21, 0x07, std::vector<std::uint8_t>(231, 0x5A))), kDecodeValid);
    EXPECT_EQ(w.DeviceName, "QUELMAR-WZ");
    EXPECT_EQ(w.DataWZBRAM[230], 0x5A);
    EXPECT_EQ(w.DataWZBRAM[231], 0);
}

TEST(DecodeFrame, ExtendedVersionFormAndItsFlag) {
    PARAmeter p(DeviceFamily::HeatCostAllocator);
    auto f = answer(0x99, 0x08, {1, 2});
    f[8] = 0, f[9] = 5, f[10] = 5, f[12] = 1;
    f[f.size() - 2] = frame::checksum(f, 4, f.size() - 3);
    EXPECT_EQ(decode(p, f), kDecodeValid);
    EXPECT_EQ(p.VersionText, "5.5");
    EXPECT_TRUE(p.DataEHKV.ExtVersionFlag);

    f[12] = 0;
    f[f.size() - 2] = frame::checksum(f, 4, f.size() - 3);
    EXPECT_EQ(decode(p, f), kDecodeValid);
    EXPECT_FALSE(p.DataEHKV.ExtVersionFlag);

    f[8] = 1, f[9] = 2, f[10] = 3, f[12] = 2; // version 123, outside 52..72
    f[f.size() - 2] = frame::checksum(f, 4, f.size() - 3);
    EXPECT_EQ(decode(p, f), kDecodeWrongDevice);
    EXPECT_EQ(p.VersionText, "123");
    EXPECT_FALSE(p.DataEHKV.ExtVersionFlag);
}

TEST(DecodeFrame, ResultCodesInTheirOrder) {
    PARAmeter p(DeviceFamily::HeatCostAllocator);
    EXPECT_EQ(DecodeFrame(p, {}), kDecodeNoFrameStart);
    const std::vector<std::uint8_t> ack{0xE5};
    EXPECT_EQ(DecodeFrame(p, ack), kDecodeNoFrameStart);

    auto bad = answer(0x52, 0x08, {1, 2});
    bad[21] ^= 0x01;
    EXPECT_EQ(decode(p, bad), kDecodeBadChecksum);

    // The echo of a read request: a frame with a good checksum but no data answer.
    const std::uint8_t read[] = {0x00, 0x00, 0xA5, 0x08};
    const auto echo = frame::buildRequest(read);
    EXPECT_EQ(decode(p, echo), kDecodeNotDataAnswer);
    // The C field is checked before the device: an echo is never a wrong device.
    EXPECT_EQ(decode(p, answer(0x73, 0x1B, {1, 2}, 0x53)), kDecodeNotDataAnswer);

    EXPECT_EQ(decode(p, answer(0x52, 0x08, {1, 2}, 0x08, 0x78)), kDecodeBadFormat);
    auto format = answer(0x52, 0x08, {1, 2});
    format[19] = 0x0E;
    format[23] = frame::checksum(format, 4, 22);
    EXPECT_EQ(decode(p, format), kDecodeBadFormat);
    EXPECT_EQ(p.DataEHKV.bytes[0], 0);
}

TEST(DecodeFrame, NeverReadsPastTheReceivedBytes) {
    PARAmeter p(DeviceFamily::HeatCostAllocator);
    const auto f = answer(0x52, 0x08, {1, 2});
    // Every cut before the checksum byte fails the checksum check.
    for (std::size_t n = 2; n < f.size() - 1; ++n)
        EXPECT_EQ(DecodeFrame(p, std::span(f.data(), n)), kDecodeBadChecksum) << n;
    const std::vector<std::uint8_t> onlyStart{0x68};
    EXPECT_EQ(DecodeFrame(p, onlyStart), kDecodeBadChecksum);
    // An L that points past the bytes there.
    auto far = f;
    far[1] = far[2] = 0xF0;
    EXPECT_EQ(decode(p, far), kDecodeBadChecksum);
}

TEST(DecodeFrame, AFrameTooShortForItsHeaderCopiesNothing) {
    PARAmeter p(DeviceFamily::HeatCostAllocator);
    // L = 16: the header reaches the 0x0F byte, the payload count L-17 would be negative.
    std::vector<std::uint8_t> f{0x68, 16, 16, 0x68, 0x08, 0xFE, 0x72, 0, 0, 0,
                                0,    0,  0,  0x52, 0x08, 0,    0,    0, 0, 0x0F};
    f.push_back(frame::checksum(f, 4, 19));
    f.push_back(0x16);
    p.DataEHKV.bytes.fill(0x33);
    EXPECT_EQ(decode(p, f), kDecodeBadFormat);
    EXPECT_EQ(p.DataEHKV.bytes[0], 0x33);
    // L = 3: the version byte is not there at all.
    std::vector<std::uint8_t> tiny{0x68, 3, 3, 0x68, 0x08, 0xFE, 0x72};
    tiny.push_back(frame::checksum(tiny, 4, 6));
    tiny.push_back(0x16);
    EXPECT_EQ(decode(p, tiny), kDecodeWrongDevice);
    EXPECT_TRUE(p.VersionText.empty());
}

TEST(DecodeFrame, PayloadIsCutToTheImageItFills) {
    PARAmeter p(DeviceFamily::HeatCostAllocator);
    p.DataEHKV.ExtVersionFlag = false;
    EXPECT_EQ(decode(p, answer(0x52, 0x08, std::vector<std::uint8_t>(238, 0x44))), kDecodeValid);
    EXPECT_EQ(p.DataEHKV.bytes[164], 0x44);
    EXPECT_FALSE(p.DataEHKV.ExtVersionFlag) << "the flag after the record is not overwritten";
    EXPECT_EQ(p.DataWMTHERMO[0], 0);
}

TEST(DecodeFrame, WaterModuleHistoryAnswerFillsFrom231) {
    PARAmeter w(DeviceFamily::WaterMeterModule);
    w.DataWZBRAM[0] = 0x11;
    w.DataWZBRAM[230] = 0x22;
    std::vector<std::uint8_t> history(84);
    for (int i = 0; i < 84; ++i)
        history[i] = std::uint8_t(i + 1);
    const auto f = answer(0x21, 0x07, history);
    ASSERT_EQ(f[1], 101);
    EXPECT_EQ(decode(w, f), kDecodeValid);
    EXPECT_EQ(w.DataWZBRAM[0], 0x11);
    EXPECT_EQ(w.DataWZBRAM[230], 0x22);
    EXPECT_EQ(w.DataWZBRAM[231], 1);
    EXPECT_EQ(w.DataWZBRAM[314], 84);

    PARAmeter h(DeviceFamily::HeatCostAllocator);
    EXPECT_EQ(decode(h, answer(0x52, 0x08, history)), kDecodeValid);
    EXPECT_EQ(h.DataEHKV.bytes[0], 1) << "only the water-meter module knows the history answer";
}

TEST(DecodeFrame, NoiseIsRejectedByTheChecks) {
    std::mt19937 rng(1234);
    std::vector<std::uint8_t> noise(4096);
    for (int round = 0; round < 2000; ++round) {
        for (auto& b : noise)
            b = std::uint8_t(rng());
        if (round % 2)
            noise[0] = 0x68;
        PARAmeter p(DeviceFamily(round % 3));
        const std::size_t n = rng() % noise.size();
        const int r = DecodeFrame(p, std::span(noise.data(), n));
        ASSERT_GE(r, -5);
        ASSERT_LE(r, 0);
    }
}

TEST(DecodeFrame, AnAllocatorClockThatCannotBeIsRepairedOnArrival) {
    PARAmeter p(DeviceFamily::HeatCostAllocator);
    std::vector<std::uint8_t> record(165, 0);
    // 12:34:56 on 30 February 2024: the time stands, the date becomes 1 January 2000.
    record[28] = 56;
    record[29] = 34;
    record[30] = 12;
    record[31] = 30;
    record[32] = 2;
    record[33] = 24;
    ASSERT_EQ(decode(p, answer(0x52, 0x08, record)), kDecodeValid);
    EXPECT_EQ(std::vector<std::uint8_t>(p.DataEHKV.bytes.begin() + 28, p.DataEHKV.bytes.begin() + 34),
              (std::vector<std::uint8_t>{56, 34, 12, 1, 1, 0}));
    record[30] = 24; // hour 24: the whole clock goes to midnight, the valid date stays
    record[31] = 29;
    ASSERT_EQ(decode(p, answer(0x52, 0x08, record)), kDecodeValid);
    EXPECT_EQ(std::vector<std::uint8_t>(p.DataEHKV.bytes.begin() + 28, p.DataEHKV.bytes.begin() + 34),
              (std::vector<std::uint8_t>{0, 0, 0, 29, 2, 24}));
}
