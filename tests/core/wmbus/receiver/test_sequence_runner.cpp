#include "core/wmbus/receiver/RadioMode.h"
#include "core/wmbus/receiver/SequenceRunner.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <sstream>
#include <string>
#include <vector>

using namespace kvq::wmbus::receiver;

namespace {

// Runs a sequence to its end the way the window does (one run per timer event) and writes what goes
// out as text: each byte as two hex digits, each pause as "P".
std::string trace(SequenceRunner& r, int maxPauses = 100) {
    std::string out;
    auto send = [&](std::uint8_t b) {
        char buf[4];
        std::snprintf(buf, sizeof buf, "%02X ", b);
        out += buf;
    };
    for (int i = 0; i <= maxPauses; ++i) {
        if (r.run(send) != SequenceRunner::Step::Paused)
            break;
        out += "P ";
    }
    if (!out.empty())
        out.pop_back();
    return out;
}

std::string traceOf(ReceiverSequence s) {
    SequenceRunner r;
    r.start(s);
    return trace(r);
}

} // namespace

TEST(ReceiverSequences, ModeSequencesGoOutAsConfigured) {
    EXPECT_EQ(traceOf(ReceiverSequence::ModeTC),
              "58 P FF P 00 P 00 P 4D P 36 04 3F 00 05 01 3A 01 03 0A 00 01 04 00 FF P 58");
    EXPECT_EQ(traceOf(ReceiverSequence::ModeC),
              "58 P FF P 00 P 00 P 4D P 36 04 3F 00 05 01 3A 01 03 09 00 01 04 00 FF P 58");
    EXPECT_EQ(traceOf(ReceiverSequence::ModeS),
              "58 P FF P 00 P 00 P 4D P 36 04 3F 00 05 01 3A 01 03 03 00 01 04 00 FF P P 58");
}

TEST(ReceiverSequences, FactorySetupWritesAllAddressesInOrder) {
    // The factory table column by column (addresses 00..0F, 10..1F, 20..2F, 30..3F).
    const char* columns[4] = {
        "01 05 03 01 00 00 64 00 05 3C 00 D3 91 DA 80 80",
        "7C 00 01 01 00 00 17 00 00 0C AE 12 34 56 78 01",
        "07 01 01 00 00 00 00 04 FF 08 00 00 00 00 00 00",
        "05 08 00 01 05 00 00 01 2B 00 00 06 06 02 00 00",
    };
    std::string pairs;
    for (int col = 0; col < 4; ++col) {
        const std::string values = columns[col];
        for (int row = 0; row < 16; ++row) {
            char addr[4];
            std::snprintf(addr, sizeof addr, "%02X ", col * 16 + row);
            pairs += addr + values.substr(row * 3, 2) + " ";
        }
    }
    const std::string expected = "00 P 4D P " + pairs + "FF P 58";
    const std::string got = traceOf(ReceiverSequence::FactorySetup);
    EXPECT_EQ(got, expected);

    int bytes = 0, pauses = 0;
    std::istringstream tokens(got);
    for (std::string t; tokens >> t;)
        (t == "P" ? pauses : bytes) += 1;
    EXPECT_EQ(bytes, 132);
    EXPECT_EQ(pauses, 3);
}

TEST(SequenceRunner, EachByteIsItsOwnSendAndPausesStopTheRun) {
    SequenceRunner r;
    r.start(ReceiverSequence::ModeC);
    std::vector<std::uint8_t> sent;
    auto send = [&](std::uint8_t b) { sent.push_back(b); };

    EXPECT_EQ(r.run(send), SequenceRunner::Step::Paused);
    EXPECT_EQ(sent, (std::vector<std::uint8_t>{0x58}));
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(r.run(send), SequenceRunner::Step::Paused);
    EXPECT_EQ(sent.size(), 5u); // 58 FF 00 00 4D
    // The memory write goes out back to back: 7 pairs and the closing FF, then a pause.
    EXPECT_EQ(r.run(send), SequenceRunner::Step::Paused);
    EXPECT_EQ(sent.size(), 5u + 15u);
    EXPECT_EQ(r.run(send), SequenceRunner::Step::Finished);
    EXPECT_EQ(sent.back(), 0x58);
    EXPECT_FALSE(r.active());
    EXPECT_EQ(r.position(), 0u);
}

TEST(SequenceRunner, NothingRunsBeforeAStartOrAfterTheEnd) {
    SequenceRunner r;
    int sends = 0;
    auto send = [&](std::uint8_t) { ++sends; };
    EXPECT_EQ(r.run(send), SequenceRunner::Step::Idle);
    r.start(ReceiverSequence::ModeTC);
    trace(r);
    // A stray timer event after the end must not send the sequence again.
    EXPECT_EQ(r.run(send), SequenceRunner::Step::Idle);
    EXPECT_EQ(sends, 0);
}

TEST(SequenceRunner, StartDuringPauseReplacesTheSequence) {
    SequenceRunner r;
    r.start(ReceiverSequence::ModeS);
    EXPECT_EQ(trace(r, 0), "58 P"); // S has sent its "X" and waits
    r.start(ReceiverSequence::ModeC);
    // The pending pause of S then carries on with C.
    EXPECT_EQ(trace(r), "58 P FF P 00 P 00 P 4D P 36 04 3F 00 05 01 3A 01 03 09 00 01 04 00 FF P 58");
}

TEST(SequenceRunner, FactorySetupInterruptingAModeEndsWithTheSetup) {
    SequenceRunner r;
    r.start(ReceiverSequence::ModeTC);
    trace(r, 2);
    r.start(ReceiverSequence::FactorySetup);
    const std::string rest = trace(r);
    EXPECT_EQ(rest.substr(0, 10), "00 P 4D P ");
    EXPECT_EQ(rest.substr(rest.size() - 7), "FF P 58");
}

TEST(RadioMode, StartModePriorityAndTexts) {
    EXPECT_EQ(startMode(true, true, true), RadioMode::C);
    EXPECT_EQ(startMode(false, true, true), RadioMode::C);
    EXPECT_EQ(startMode(true, true, false), RadioMode::TC);
    EXPECT_EQ(startMode(false, true, false), RadioMode::S);
    EXPECT_EQ(startMode(false, false, false), std::nullopt);

    for (RadioMode m : {RadioMode::TC, RadioMode::C, RadioMode::S})
        EXPECT_EQ(modeOfLetter(modeLetter(m)), m);
    EXPECT_EQ(modeStatusText(RadioMode::TC), "Mode: T/C");
    EXPECT_EQ(modeStatusText(RadioMode::C), "Mode: C");
    EXPECT_EQ(modeStatusText(RadioMode::S), "Mode: S");
    EXPECT_EQ(modeOfLetter("t"), std::nullopt);
    EXPECT_EQ(modeOfLetter(""), std::nullopt);
}
