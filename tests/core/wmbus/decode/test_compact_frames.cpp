// Compact frames: format definitions, learning from format and full frames, expansion checked by the
// full frame's CRC, and the shared telegrams of meters that send them.

#include "core/wmbus/Crc16.h"
#include "core/wmbus/RecordReader.h"
#include "core/wmbus/TelegramDecoder.h"
#include "core/wmbus/TelegramDecryptor.h"
#include "core/wmbus/compact/KompaktFormatList.h"

#include "PeerTelegrams.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace kvq::wmbus;
using namespace kvq::wmbus::test;
using Bytes = std::vector<std::uint8_t>;

namespace {

TKompaktFormat formatOf(const char* text) {
    TKompaktFormat f;
    f.format = QString::fromLatin1(text);
    return f;
}

// A compact frame: signature of the headers, CRC of the full records, then the data.
Bytes compactFrame(const Bytes& headers, const Bytes& fullRecords, const Bytes& data) {
    const std::uint16_t sig = wmbusCrc(headers), crc = wmbusCrc(fullRecords);
    Bytes f = {std::uint8_t(sig), std::uint8_t(sig >> 8), std::uint8_t(crc), std::uint8_t(crc >> 8)};
    f.insert(f.end(), data.begin(), data.end());
    return f;
}

struct OneKey : DeviceDirectory {
    std::string key;
    DeviceLookup findDevice(std::uint32_t, std::uint8_t, std::string_view) const override {
        return key.empty() ? DeviceLookup{} : DeviceLookup{true, key};
    }
};

} // namespace

TEST(KompaktFormat, FormatTextsIntoRecordDefinitions) {
    TKompaktFormat f = formatOf("0C13");
    ASSERT_TRUE(parseKompaktFormat(f).ok());
    ASSERT_EQ(f.recordCount, 1);
    Bytes out(16);
    const Bytes data = {0x78, 0x56, 0x34, 0x12};
    EXPECT_EQ(expandKompakt(f, data, out), 6u);
    EXPECT_EQ(Bytes(out.begin(), out.begin() + 6), (Bytes{0x0C, 0x13, 0x78, 0x56, 0x34, 0x12}));

    // Five DIFEs and five VIFEs are the most a record may have.
    f = formatOf("8C8080808000 938080808000");
    EXPECT_TRUE(parseKompaktFormat(f).ok());
    EXPECT_EQ(f.records[0].dife[4], 0x00);
    f = formatOf("8C808080808000 13");
    EXPECT_EQ(parseKompaktFormat(f).message(), "Error in kformate.ini!");
    f = formatOf("0C 9380808080800013");
    EXPECT_FALSE(parseKompaktFormat(f).ok());
    f = formatOf("0C"); // no VIF
    EXPECT_FALSE(parseKompaktFormat(f).ok());
    f = formatOf("XY");
    EXPECT_FALSE(parseKompaktFormat(f).ok());
    f = formatOf("");
    EXPECT_TRUE(parseKompaktFormat(f).ok());
    EXPECT_EQ(f.recordCount, 0);
    // More than 30 records cannot be held: refused rather than expanded with the rest misplaced.
    QString many;
    for (int k = 0; k < 31; ++k)
        many += QStringLiteral("0113");
    f.format = many;
    EXPECT_FALSE(parseKompaktFormat(f).ok());
    many.chop(4);
    f.format = many;
    EXPECT_TRUE(parseKompaktFormat(f).ok());
}

TEST(KompaktFormat, VariableLengthDataCarriesItsLengthByte) {
    TKompaktFormat f = formatOf("0DFD0C 0113");
    ASSERT_TRUE(parseKompaktFormat(f).ok());
    Bytes out(32);
    const Bytes data = {0x03, 'C', 'B', 'A', 0x07};
    const auto n = expandKompakt(f, data, out);
    ASSERT_TRUE(n);
    const auto texts = decodeRecordTexts(std::span<const std::uint8_t>(out).first(*n));
    EXPECT_EQ(texts, (std::vector<std::string>{"ABC", "Model/Version", "0,007", "m³"}));
    // Data shorter than the definition, or an output too small, gives nothing.
    EXPECT_FALSE(expandKompakt(f, Bytes{0x03, 'C'}, out));
    Bytes tiny(4);
    EXPECT_FALSE(expandKompakt(f, data, tiny));
}

TEST(KompaktFormatList, FormatFramesAddSectionsOnceAndOnlyToAnExistingFile) {
    QTemporaryDir dir;
    const QString path = dir.filePath("kformate.ini");
    const Bytes headers = {0x0C, 0x13, 0x02, 0x5A};
    const std::uint16_t sig = wmbusCrc(headers);
    Bytes frame = {std::uint8_t(sig), std::uint8_t(sig >> 8)};
    frame.insert(frame.end(), headers.begin(), headers.end());
    const QString section = kompaktSignatureText(frame[0], frame[1]);

    KompaktFormatList missing;
    missing.setWriteBack(true);
    missing.load(path);
    missing.learn(frame, "KAM", 7);
    EXPECT_TRUE(missing.formats().empty());
    EXPECT_FALSE(QFile::exists(path));

    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("[ABCD]\r\nNAME=Zähler\r\nFORMAT=0413\r\n");
    f.close();
    KompaktFormatList list;
    list.setWriteBack(true);
    EXPECT_TRUE(list.load(path).isEmpty());
    list.learn(frame, "KAM", 7);
    ASSERT_EQ(list.formats().size(), 2u);
    const TKompaktFormat& learned = list.formats()[1];
    EXPECT_EQ(learned.name, "unknown");
    EXPECT_EQ(learned.signature, section);
    EXPECT_EQ(learned.format, "0C13025A");

    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    const QByteArray once = f.readAll();
    f.close();
    EXPECT_TRUE(once.contains(
        ("[" + section + "]\r\nNAME=unknown\r\nHERST=KAM\r\nMEDIUM=7\r\nFORMAT=0C13025A").toLatin1()))
        << once.toStdString();
    // The same frame again, also through a freshly loaded list: the file stays as it is.
    list.learn(frame, "KAM", 7);
    KompaktFormatList again;
    again.setWriteBack(true);
    again.load(path);
    again.learn(frame, "EFE", 4);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(f.readAll(), once);
    f.close();
    // A frame whose headers do not give its signature teaches nothing.
    frame[2] ^= 0x01;
    list.learn(frame, "KAM", 7);
    EXPECT_EQ(list.formats().size(), 2u);
    // Read defaults of a section without keys, and a definition that cannot be read.
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("[1234]\r\n[5678]\r\nFORMAT=8C80808080808013\r\n");
    f.close();
    KompaktFormatList defaults;
    EXPECT_EQ(defaults.load(path), QStringList{"Error in kformate.ini!"});
    ASSERT_EQ(defaults.formats().size(), 1u);
    EXPECT_EQ(defaults.formats()[0].name, "---");
    EXPECT_EQ(defaults.formats()[0].herst, "QLM");
    EXPECT_EQ(defaults.formats()[0].medium, 8);
    EXPECT_EQ(defaults.formats()[0].format, "2F2F");
}

TEST(KompaktFormatList, ExpansionNeedsSignatureMakerTypeAndTheFullFramesCrc) {
    KompaktFormatList list;
    const Bytes headers = {0x04, 0x13, 0x02, 0x5A};
    const Bytes full = {0x04, 0x13, 0x39, 0x30, 0x00, 0x00, 0x02, 0x5A, 0xFE, 0xFF};
    // A full frame teaches its headers.
    list.learnFullFrame(full, "KAM", 7);
    ASSERT_EQ(list.formats().size(), 1u);
    EXPECT_EQ(list.formats()[0].name, "learned");
    Bytes out(64);
    CompactOutcome outcome;
    const Bytes frame = compactFrame(headers, full, {0x39, 0x30, 0x00, 0x00, 0xFE, 0xFF, 0x2F});
    EXPECT_EQ(list.expand(frame, "KAM", 7, out, outcome), full.size());
    EXPECT_EQ(outcome, CompactOutcome::Expanded);
    EXPECT_EQ(Bytes(out.begin(), out.begin() + 10), full);
    EXPECT_EQ(list.expand(frame, "KAM", 6, out, outcome), 0u);
    EXPECT_EQ(outcome, CompactOutcome::NoFormat);
    EXPECT_EQ(list.expand(frame, "EFE", 7, out, outcome), 0u);
    // Data that does not belong to these headers fails the CRC.
    Bytes wrong = frame;
    wrong[4] ^= 0x01;
    EXPECT_EQ(list.expand(wrong, "KAM", 7, out, outcome), 0u);
    EXPECT_EQ(outcome, CompactOutcome::CrcMismatch);
    // Switched off, full frames teach nothing.
    KompaktFormatList off;
    off.setLearnFromFullFrames(false);
    off.learnFullFrame(full, "KAM", 7);
    EXPECT_TRUE(off.formats().empty());
}

TEST(CompactFrames, SharedTelegramsDecodeWithTheirFormats) {
    const auto telegrams = loadPeerTelegrams();
    TelegramDecoder decoder;
    TelegramDecryptor decryptor;
    OneKey key;
    KompaktFormatList formats;
    decoder.setDecryptor(&decryptor);
    decoder.setDeviceDirectory(&key);
    decoder.setCompactFrameHandler(&formats);
    decoder.setDecimalSeparator('.');
    TelegramResult result;

    // Row 49 behind a long header, with a hand-written definition (its signature and the full
    // frame's CRC both check the headers).
    TKompaktFormat f;
    f.name = "water meter";
    f.signature = "2D05";
    f.herst = "EFE";
    f.medium = 7;
    f.format =
        "426C441301FD17840113C40113840213C40213840313C40313840413C40413840513C40513840613C40613840713C4"
        "0713840813046D0413";
    ASSERT_TRUE(formats.add(f));
    // Row 65 learns its format from the full frame of row 63 (the same meter).
    for (int row : {49, 65, 63, 65}) {
        SCOPED_TRACE(row);
        const PeerTelegram& pt = telegrams[std::size_t(row - 1)];
        key.key = pt.keyHex;
        std::vector<std::uint8_t> t = pt.receiverBuffer();
        ASSERT_TRUE(decoder.decode(t, 0, result));
        ASSERT_TRUE(result.decrypted);
        if (row == 63)
            continue;
        const bool known = row == 49 || formats.formats().size() == 2;
        EXPECT_EQ(result.compact, known ? CompactOutcome::Expanded : CompactOutcome::NoFormat);
        if (!known) {
            EXPECT_EQ(result.recordCount, 0u);
            continue;
        }
        // The reference's values in record order.
        const auto refs = loadPeerValues(row);
        std::size_t compared = 0;
        for (std::size_t k = 0; k < std::min<std::size_t>(refs.size(), result.recordCount); ++k) {
            double ours = 0, theirs = 0;
            const std::string& v = result.values[k].value;
            if (refs[k].quoted) {
                if (refs[k].value.size() >= 10) {
                    const std::string date = refs[k].value.substr(8, 2) + "." + refs[k].value.substr(5, 2) +
                                             "." + refs[k].value.substr(0, 4);
                    EXPECT_EQ(v.substr(0, 10), date) << refs[k].name;
                    ++compared;
                }
                continue;
            }
            theirs = std::stod(refs[k].value);
            ours = std::stod(v);
            const std::string unit = result.values[k].unit;
            if (unit.rfind("m³", 0) == 0 || unit.rfind("°C", 0) == 0) {
                EXPECT_NEAR(ours, theirs, 1e-9) << refs[k].name;
                ++compared;
            }
        }
        EXPECT_GE(compared, row == 49 ? 18u : 2u);
    }
    // A wrong key gives no values.
    key.key = "00000000000000000000000000000000";
    std::vector<std::uint8_t> t = telegrams[64].receiverBuffer();
    ASSERT_TRUE(decoder.decode(t, 0, result));
    EXPECT_TRUE(result.encrypted);
    EXPECT_FALSE(result.decrypted);
    EXPECT_EQ(result.recordCount, 0u);
}
