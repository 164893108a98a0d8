#include "core/devices/watermodule/WzFrames.h"
#include "core/devices/watermodule/WzRecord.h"
#include "core/link/DecodeFrame.h"

#include "../hca/QStringPrinter.h"

#include <gtest/gtest.h>

#include <numeric>

using namespace kvq;
using namespace kvq::wz;

namespace {

std::uint8_t sum(const Frame& f, std::size_t first, std::size_t last) {
    return std::uint8_t(std::accumulate(f.begin() + first, f.begin() + last + 1, 0u));
}

} // namespace

TEST(WzRecordEncoding, IdsKeepTheirLeadingZerosAndTheModulesOwnValues) {
    EXPECT_EQ(parseIdText("00001234"), 0x1234u);
    EXPECT_EQ(parseIdText("1234"), 0x1234u);
    EXPECT_EQ(idText(0x1234), "00001234");
    EXPECT_EQ(idText(0x12345678), "12345678");
    // Typed text is digits only, one to eight of them.
    for (const char* bad : {"", "123456789", "1234567A", "12 4", "-1"})
        EXPECT_FALSE(parseIdText(bad)) << bad;
    // The module's own text is kept only for the module's own value.
    EXPECT_FALSE(idFromText("FFFFFFFF", 0x12345678));
}

TEST(WzRecordEncoding, Key) {
    Image im{};
    const ModuleKey k{0x2B, 0x7E, 0x15, 0x16, 0x28, 0xAE, 0xD2, 0xA6,
                      0xAB, 0xF7, 0x15, 0x88, 0x09, 0xCF, 0x4F, 0x3C};
    storeKey(im, k);
    EXPECT_EQ(keyText(keyAt(im)), "2B 7E 15 16 28 AE D2 A6 AB F7 15 88 09 CF 4F 3C");
    EXPECT_EQ(im[off::AesKey], 0x2B);
    EXPECT_EQ(im[off::AesKey + 15], 0x3C);
    // With or without blanks, either case; short texts fill with 0 on the right.
    EXPECT_EQ(parseKeyText("2b7e151628aed2a6abf7158809cf4f3c"), k);
    EXPECT_EQ(parseKeyText(" 2B 7E 15 16 28 AE D2 A6 AB F7 15 88 09 CF 4F 3C "), k);
    const ModuleKey shortKey{0x12, 0x30};
    EXPECT_EQ(parseKeyText("123"), shortKey);
    // 33 characters are no key at all: nothing of them may reach the image.
    EXPECT_FALSE(parseKeyText("2B7E151628AED2A6ABF7158809CF4F3C0"));
    EXPECT_FALSE(parseKeyText(QString(40, u' ') + QString(33, u'1')));
}

TEST(WzRecordEncoding, ResetHistoryTexts) {
    Image im{};
    std::uint8_t* e0 = im.data() + off::History;
    const std::uint8_t first[8] = {5, 10, 8, 1, 2, 25, 0x77, 3};
    std::copy(first, first + 8, e0);
    std::fill(e0 + 8, e0 + 16, 0xFF);
    const HistoryRow a = historyRow(im, 0);
    EXPECT_EQ(a.date, "1.2.2025 8:10:5");
    EXPECT_EQ(a.resetCount, "3");
    const HistoryRow erased = historyRow(im, 1);
    EXPECT_EQ(erased.date, "--.--.---- --:--:--");
    EXPECT_EQ(erased.resetCount, "-");
    // Last entry ends at the last image byte.
    im[off::History + 9 * 8 + 7] = 9;
    EXPECT_EQ(historyRow(im, 9).resetCount, "9");
    EXPECT_EQ(off::History + 10 * 8, kWzbramRecordSize);
}

TEST(WzFrames, ReadAndHistoryRequests) {
    EXPECT_EQ(buildReadRequest(),
              (Frame{0x68, 0x08, 0x08, 0x68, 0x53, 0xFE, 0x51, 0x0F, 0x00, 0x00, 0xE7, 0x20, 0xB8, 0x16}));
    const Frame h = buildHistoryRequest();
    ASSERT_EQ(h.size(), 14u);
    EXPECT_EQ(h[8], 0xE7);
    EXPECT_EQ(h[9], 0xE7);
    EXPECT_EQ(h[10], 0x54);
    EXPECT_EQ(h[11], 0x20);
    EXPECT_EQ(h[12], sum(h, 4, 11));
}

TEST(WzFrames, WriteCarriesBytes0To225WithL08AndChecksumOverBytes4To237) {
    Image im{};
    for (std::size_t i = 0; i < im.size(); ++i)
        im[i] = std::uint8_t(i * 7 + 1);
    const Frame w = buildWriteRequest(im);
    ASSERT_EQ(w.size(), 240u);
    EXPECT_EQ(w[1], 0x08);
    EXPECT_EQ(w[2], 0x08);
    EXPECT_EQ(w[8], 0x00);
    EXPECT_EQ(w[10], 0xE2);
    EXPECT_EQ(w[11], 0x21);
    EXPECT_TRUE(std::equal(im.begin(), im.begin() + 226, w.begin() + 12));
    EXPECT_EQ(w[238], sum(w, 4, 237));
    EXPECT_NE(w[238], sum(w, 4, 236)); // the last data byte counts
    EXPECT_EQ(w[239], 0x16);
}

TEST(WzFrames, ChangeRequestsSetOrClearOnlyTheirBits) {
    for (const WzCommandInfo& c : commands()) {
        const Frame f = buildChangeRequest(c.command);
        ASSERT_EQ(f.size(), 16u) << c.buttonName;
        EXPECT_EQ(f[1], 0x08);
        EXPECT_EQ(f[8], c.offset);
        EXPECT_EQ(f[9], c.offset);
        EXPECT_EQ(f[10], 0x02);
        EXPECT_EQ(f[11], 0x22);
        EXPECT_EQ(f[14], sum(f, 4, 13)) << c.buttonName;
        EXPECT_EQ(f[12] & f[13], 0) << c.buttonName << ": value outside the cleared bits";
        EXPECT_TRUE(c.offset == off::OptionsB || c.offset == off::OptionsB + 1) << c.buttonName;
    }
    const Frame pulse = buildChangeRequest(WzCommand::LedPulse);
    EXPECT_EQ(pulse[12], 0xFC);
    EXPECT_EQ(pulse[13], 0x02);
    const Frame act = buildChangeRequest(WzCommand::Activation);
    EXPECT_EQ(act[8], 0x16);
    EXPECT_EQ(act[13], 0x01);
}

TEST(WzFrames, HistoryAnswerFillsOnlyTheHistory) {
    PARAmeter p(DeviceFamily::WaterMeterModule);
    p.DataWZBRAM.fill(0xAA);
    // 68 65 65 68 08 FE 72 id(4) man(2) version medium acc status sig(2) 0F payload(84) last CS 16
    std::vector<std::uint8_t> a{0x68, 101, 101, 0x68, 0x08, 0xFE, 0x72, 1, 2, 3,
                                4,    0,   0,   0x21, 0x07, 0,    0,    0, 0, 0x0F};
    for (int i = 0; i < 84; ++i)
        a.push_back(std::uint8_t(i));
    a.push_back(0x1F);
    a.push_back(std::uint8_t(std::accumulate(a.begin() + 4, a.end(), 0u)));
    a.push_back(0x16);
    ASSERT_EQ(DecodeFrame(p, std::span(a.data(), a.size() - 1)), kDecodeValid);
    for (int i = 0; i < off::HistoryHead; ++i)
        ASSERT_EQ(p.DataWZBRAM[i], 0xAA) << i;
    for (int i = 0; i < 84; ++i)
        ASSERT_EQ(p.DataWZBRAM[off::HistoryHead + i], i);
}
