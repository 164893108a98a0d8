#include "core/wmbus/Framing.h"

#include "FrameBuilder.h"

#include <gtest/gtest.h>

#include <random>

using namespace kvq::wmbus;
using namespace kvq::wmbus::test;

namespace {

struct Collector {
    std::vector<Bytes> frames;
    std::vector<Bytes> telegrams;
    void operator()(const ReceivedFrame& f) {
        frames.emplace_back(f.frame.begin(), f.frame.end());
        telegrams.emplace_back(f.telegram.begin(), f.telegram.end());
    }
};

Collector feed(TelegramFramer& framer, const Bytes& bytes, Collector c = {}) {
    framer.receive(bytes, c);
    return c;
}

} // namespace

TEST(ReceiverType, QuelmarReceiverSpeaksRadioCraftAndTheSticksAmber) {
    EXPECT_EQ(framingForReceiverType(0), Framing::RadioCraft);
    EXPECT_EQ(framingForReceiverType(1), Framing::Amber);
    EXPECT_EQ(framingForReceiverType(2), Framing::Amber);
    EXPECT_EQ(framingForReceiverType(3), Framing::Amber);
    EXPECT_EQ(framingForReceiverType(-1), Framing::RadioCraft);
}

TEST(RadioCraftFraming, TwoTelegramsInOneChunkAndParsingGoesOnAfterTheSecond) {
    const Bytes a = radioCraftFrame(body(0x44, 0x01, 5));
    const Bytes b = radioCraftFrame(body(0x46, 0x02, 9));
    Bytes chunk = a;
    append(chunk, b);
    TelegramFramer framer(Framing::RadioCraft);
    Collector c = feed(framer, chunk);
    ASSERT_EQ(c.frames.size(), 2u);
    EXPECT_EQ(c.frames[0], a);
    EXPECT_EQ(c.frames[1], b);
    // The telegram buffer is the frame without its closing 0x16: N = L + 2.
    EXPECT_EQ(c.telegrams[0], Bytes(a.begin(), a.end() - 1));
    EXPECT_EQ(c.telegrams[1].size(), std::size_t(b[1]) + 2);
    EXPECT_EQ(framer.pending(), 0u);
    const Bytes d = radioCraftFrame(body(0x44, 0x03));
    c = feed(framer, d);
    ASSERT_EQ(c.frames.size(), 1u);
    EXPECT_EQ(c.frames[0], d);
}

TEST(RadioCraftFraming, TelegramSplitAnywhereIsDecodedWhenItsLastPartArrives) {
    const Bytes a = radioCraftFrame(body(0x44, 0x01, 20));
    for (std::size_t cut = 1; cut < a.size(); ++cut) {
        TelegramFramer framer(Framing::RadioCraft);
        Collector c = feed(framer, Bytes(a.begin(), a.begin() + cut));
        EXPECT_TRUE(c.frames.empty()) << cut;
        c = feed(framer, Bytes(a.begin() + cut, a.end()));
        ASSERT_EQ(c.frames.size(), 1u) << cut;
        EXPECT_EQ(c.frames[0], a);
    }
}

TEST(RadioCraftFraming, SkipsOtherCFieldsNoiseAndFalseStarts) {
    Bytes stream = {0x00, 0x16, 0x68};
    append(stream, radioCraftFrame(body(0x08, 0x01))); // not a sent telegram
    append(stream, {0x68, 0xF0, 0x44, 0x99});          // false start, frame would end far away
    const Bytes good = radioCraftFrame(body(0x44, 0x02, 3));
    append(stream, good);
    Bytes wrongStop = radioCraftFrame(body(0x44, 0x03));
    wrongStop.back() = 0x17;
    append(stream, wrongStop);
    TelegramFramer framer(Framing::RadioCraft);
    Collector c = feed(framer, stream);
    ASSERT_EQ(c.frames.size(), 1u);
    EXPECT_EQ(c.frames[0], good);
    // Nothing behind the good frame could still become a frame except the last 0x68 candidates.
    EXPECT_LE(framer.pending(), wrongStop.size());
}

TEST(RadioCraftFraming, KeepsOnlyWhatCouldStillBecomeAFrame) {
    TelegramFramer framer(Framing::RadioCraft);
    std::mt19937 rng(7);
    Bytes noise(100000);
    for (auto& v : noise)
        v = static_cast<std::uint8_t>(rng() % 255 + 1); // never 0x00
    Collector c;
    for (std::size_t at = 0; at < noise.size(); at += 997) {
        Bytes part(noise.begin() + at, noise.begin() + std::min(noise.size(), at + 997));
        framer.receive(part, c);
        ASSERT_LE(framer.pending(), 258u);
    }
    // After any noise the next frame is found.
    const Bytes good = radioCraftFrame(body(0x44, 0x42, 240));
    Bytes tail(300, 0x00);
    append(tail, good);
    c = feed(framer, tail);
    ASSERT_FALSE(c.frames.empty());
    EXPECT_EQ(c.frames.back(), good);
}

TEST(RadioCraftFraming, ChunkLargerThanTheBufferLosesNoTelegram) {
    Bytes stream;
    std::vector<Bytes> sent;
    for (int k = 0; k < 60; ++k) {
        sent.push_back(radioCraftFrame(body(0x44, static_cast<std::uint8_t>(k), 200)));
        append(stream, sent.back());
        append(stream, {0x11, 0x22});
    }
    ASSERT_GT(stream.size(), 3 * TelegramFramer::kBufferSize);
    TelegramFramer framer(Framing::RadioCraft);
    Collector c = feed(framer, stream);
    EXPECT_EQ(c.frames, sent);
}

TEST(RadioCraftFraming, HeldBytesAreKeptAndParsedAfterRelease) {
    TelegramFramer framer(Framing::RadioCraft);
    framer.setHold(true);
    const Bytes a = radioCraftFrame(body(0x44, 0x01));
    Collector c = feed(framer, a);
    EXPECT_TRUE(c.frames.empty());
    EXPECT_EQ(framer.pending(), a.size());
    framer.setHold(false);
    framer.flush(c);
    ASSERT_EQ(c.frames.size(), 1u);
    EXPECT_EQ(c.frames[0], a);
}

TEST(RadioCraftFraming, FullBufferWhileHeldKeepsTheNewestBytes) {
    TelegramFramer framer(Framing::RadioCraft);
    framer.setHold(true);
    Bytes filler(5000, 0x00);
    Collector c = feed(framer, filler);
    EXPECT_EQ(framer.pending(), TelegramFramer::kBufferSize);
    EXPECT_EQ(framer.discardedBytes(), 5000u - TelegramFramer::kBufferSize);
    const Bytes a = radioCraftFrame(body(0x44, 0x05, 30));
    c = feed(framer, a);
    EXPECT_EQ(framer.pending(), TelegramFramer::kBufferSize);
    framer.setHold(false);
    framer.flush(c);
    ASSERT_EQ(c.frames.size(), 1u);
    EXPECT_EQ(c.frames[0], a);
}

TEST(AmberFraming, CutsGoodFramesAndDropsOtherCFields) {
    const Bytes a = amberFrame(body(0x44, 0x01, 4));
    Bytes stream = {0x12, 0xFF, 0xFF};
    append(stream, a);
    append(stream, amberFrame(body(0x08, 0x02)));
    const Bytes b = amberFrame(body(0x46, 0x03));
    append(stream, b);
    TelegramFramer framer(Framing::Amber);
    Collector c = feed(framer, stream);
    ASSERT_EQ(c.frames.size(), 2u);
    EXPECT_EQ(c.frames[0], a);
    EXPECT_EQ(c.frames[1], b);
    // Telegram buffer: 0x03, n, payload; L = n, so N = n + 2.
    EXPECT_EQ(c.telegrams[0], Bytes(a.begin() + 1, a.end() - 1));
    EXPECT_EQ(c.telegrams[0][0], 0x03);
    EXPECT_EQ(c.telegrams[0][1] + 2u, c.telegrams[0].size());
    EXPECT_EQ(framer.pending(), 0u);
}

TEST(AmberFraming, WrongChecksumIsDroppedAndTheNextGoodFrameFound) {
    Bytes bad = amberFrame(body(0x44, 0x01, 6));
    bad.back() ^= 0x5A;
    const Bytes good = amberFrame(body(0x44, 0x02, 6));
    Bytes stream = bad;
    append(stream, good);
    TelegramFramer framer(Framing::Amber);
    Collector c = feed(framer, stream);
    ASSERT_EQ(c.frames.size(), 1u);
    EXPECT_EQ(c.frames[0], good);
}

TEST(AmberFraming, GoodFrameInsideACorruptFrameIsStillFound) {
    // A stray start whose length covers the next real frame.
    Bytes stream = {0xFF, 0x03, 0x30, 0x44};
    const Bytes good = amberFrame(body(0x44, 0x07, 2));
    append(stream, good);
    append(stream, Bytes(0x40, 0x00));
    TelegramFramer framer(Framing::Amber);
    Collector c = feed(framer, stream);
    ASSERT_EQ(c.frames.size(), 1u);
    EXPECT_EQ(c.frames[0], good);
}

TEST(AmberFraming, SplitFramesAndRandomChunkingGiveTheSameFrames) {
    Bytes stream;
    std::vector<Bytes> sent;
    std::mt19937 rng(11);
    for (int k = 0; k < 200; ++k) {
        sent.push_back(amberFrame(body(0x44, static_cast<std::uint8_t>(k), rng() % 60)));
        append(stream, sent.back());
        for (unsigned n = rng() % 4; n > 0; --n)
            stream.push_back(static_cast<std::uint8_t>(rng() % 0xFF));
    }
    TelegramFramer framer(Framing::Amber);
    Collector c;
    for (std::size_t at = 0; at < stream.size();) {
        const std::size_t len = std::min<std::size_t>(stream.size() - at, 1 + rng() % 300);
        framer.receive(std::span(stream).subspan(at, len), c);
        at += len;
    }
    EXPECT_EQ(c.frames, sent);
}
