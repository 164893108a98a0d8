#pragma once
// The public telegrams of tests/data/wmbus and the reference decoder's values for them.

#include "core/wmbus/RecordReader.h"
#include "core/wmbus/TelegramResult.h"

#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace kvq::wmbus::test {

struct PeerTelegram {
    int row = 0;                     // 1-based data row, as the peer-decodes/N.txt file names
    std::vector<std::uint8_t> radio; // as sent: L C M A ... without RSSI
    std::string keyHex;
    std::string notes;

    // Telegram buffer as our receiver delivers it: 0x68, L + 1, the telegram, one RSSI byte.
    std::vector<std::uint8_t> receiverBuffer(std::uint8_t rssi = 0x8A) const;
};

// A telegram of frame format A (first block 10 bytes, then blocks of 16, each followed by its CRC)
// without its CRCs, as a receiver delivers it.
std::vector<std::uint8_t> withoutFormatACrcs(const std::vector<std::uint8_t>& radio);

// One value the reference decoder read from a record: the offset of the record's data in the radio
// telegram, the field name (its unit is the suffix) and the value as printed (numbers bare,
// texts without their quotes).
struct PeerValue {
    std::size_t dataOffset = 0;
    std::string name;
    std::string value;
    bool quoted = false;
    std::string dataHex; // the record's data bytes as the reference shows them
};

std::vector<PeerTelegram> loadPeerTelegrams();
std::vector<PeerValue> loadPeerValues(int row);

// Our records of a decoded telegram met with the reference's values at the same data offsets.
struct PeerCheck {
    int compared = 0;                         // values that agree
    std::vector<std::string> different;       // values that differ without a reason in our rules
    std::vector<std::string> ruleDifferences; // values that differ because our rules say so
    std::vector<std::string> mismatches;      // result pairs that differ from the records
    std::size_t records = 0;
    RecordListEnd end = RecordListEnd::Open;
};
// Data bytes of the reference's values that differ from the telegram buffer (start byte at index 0),
// for telegrams whose records we cannot read (compact frames): a check of decryption alone.
std::vector<std::string> peerBytesDiffering(int row, std::span<const std::uint8_t> telegram);

PeerCheck checkAgainstPeer(int row, std::span<const std::uint8_t> telegram, const TelegramResult& result);

} // namespace kvq::wmbus::test
