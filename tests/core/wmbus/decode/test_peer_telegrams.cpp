// The public telegrams of other makers' meters, decoded and compared with the values that an
// independent decoder reads from the same records. Units differ (our Wh against its kWh), so numbers
// are compared after converting by the unit, dates by their fields.

#include "core/wmbus/TelegramDecoder.h"

#include "PeerTelegrams.h"

#include <gtest/gtest.h>

#include <set>

using namespace kvq::wmbus;
using namespace kvq::wmbus::test;

namespace {

// Rows whose header is unencrypted and whose CI our decoder reads: short (0x7A) and long (0x72)
// headers, no header (0x78), behind an extended link layer (0x8C).
// Row 45 still carries the CRCs of frame format A.
const std::set<int> kPlainRows = {3,  4,  5,  6,  7,  8,  9,  10, 11, 12, 13, 14, 15, 16,
                                  17, 18, 19, 20, 21, 22, 23, 24, 25, 26, 31, 32, 45};

// Rows whose header announces encryption but whose payload was stored already decrypted: in the
// transport layer, and (38 to 40) in an extended link layer.
const std::set<int> kPlaintextReplays = {1, 2, 27, 28, 29, 30, 33, 34, 35, 36, 37, 38, 39, 40};

} // namespace

TEST(PeerTelegrams, UnencryptedTelegramsGiveTheReferenceValues) {
    const auto telegrams = loadPeerTelegrams();
    ASSERT_EQ(telegrams.size(), 65u);
    TelegramDecoder decoder;
    decoder.setDecimalSeparator('.');
    TelegramResult result;
    int compared = 0, ruleDifferences = 0;
    for (PeerTelegram pt : telegrams) {
        if (!kPlainRows.count(pt.row))
            continue;
        SCOPED_TRACE("row " + std::to_string(pt.row));
        if (pt.row == 45)
            pt.radio = withoutFormatACrcs(pt.radio);
        std::vector<std::uint8_t> t = pt.receiverBuffer();
        ASSERT_TRUE(decoder.decode(t, 0, result));
        EXPECT_FALSE(result.encrypted);
        EXPECT_TRUE(result.knownCi);
        EXPECT_FALSE(result.truncated);
        EXPECT_TRUE(result.valuesTaken);
        ASSERT_GT(result.recordCount, 0u);

        const PeerCheck check = checkAgainstPeer(pt.row, t, result);
        EXPECT_TRUE(check.mismatches.empty());
        EXPECT_EQ(check.records, result.recordCount);
        // Row 4 carries manufacturer data that happens to parse as records until it runs out.
        if (pt.row != 4) {
            EXPECT_NE(check.end, RecordListEnd::Truncated);
        }
        for (const std::string& d : check.different)
            ADD_FAILURE() << d;
        ruleDifferences += static_cast<int>(check.ruleDifferences.size());
        // Rows 4 and 11 carry only manufacturer counters the reference reads in its own way.
        if (pt.row != 4 && pt.row != 11) {
            EXPECT_GT(check.compared, 0);
        }
        compared += check.compared;
    }
    EXPECT_GE(compared, 150);
    EXPECT_EQ(ruleDifferences, 0);
}

TEST(PeerTelegrams, StoredPlaintextOfEncryptedTelegramsGivesNoValues) {
    TelegramDecoder decoder;
    TelegramResult result;
    for (const PeerTelegram& pt : loadPeerTelegrams()) {
        if (!kPlaintextReplays.count(pt.row))
            continue;
        SCOPED_TRACE("row " + std::to_string(pt.row));
        std::vector<std::uint8_t> t = pt.receiverBuffer();
        ASSERT_TRUE(decoder.decode(t, 0, result));
        EXPECT_TRUE(result.encrypted);
        EXPECT_FALSE(result.decrypted);
        EXPECT_EQ(result.recordCount, 0u);
    }
}
