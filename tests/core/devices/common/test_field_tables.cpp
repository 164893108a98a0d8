// The round trip over every field table, and the codecs the tables are made of.

#include "core/devices/AllFieldTables.h"
#include "core/devices/common/FieldTable.h"

#include <gtest/gtest.h>

#include <map>
#include <random>
#include <set>

using namespace kvq;
using namespace kvq::fields;

namespace {

template <class Form> std::set<QString> controlsOf(const Table<Form>& t) {
    std::set<QString> names;
    for (const auto& r : t.fields)
        names.insert(r.control);
    for (const auto& r : t.flags)
        names.insert(r.control);
    for (const auto& r : t.numbers)
        names.insert(r.control);
    return names;
}

// No two rows share a byte or a bit, every row lies inside the record, every control appears once.
template <class T> void checkShape(const T& under) {
    using Form = typename T::Form;
    const Table<Form>& t = under.table();
    std::map<int, QString> byteOwner;
    auto claim = [&](int offset, int size, const QString& control) {
        EXPECT_GE(offset, 0) << control.toStdString();
        EXPECT_LE(offset + size, under.recordSize) << control.toStdString();
        for (int i = offset; i < offset + size; ++i) {
            const auto [it, fresh] = byteOwner.emplace(i, control);
            EXPECT_TRUE(fresh) << under.name << ": byte " << i << " of " << control.toStdString()
                               << " belongs to " << it->second.toStdString();
        }
    };
    for (const auto& r : t.fields)
        claim(r.place.offset, codecSize(r.place.codec), r.control);
    for (const auto& r : t.numbers)
        claim(r.place.offset, codecSize(r.place.codec), r.control);
    std::set<std::pair<int, int>> bits;
    for (const auto& r : t.flags) {
        EXPECT_LT(r.bit.bit, 8 * r.bit.bytes) << r.control.toStdString();
        EXPECT_LE(r.bit.offset + r.bit.bytes, under.recordSize) << r.control.toStdString();
        EXPECT_FALSE(byteOwner.count(r.bit.offset))
            << under.name << ": flag " << r.control.toStdString() << " sits in the field "
            << byteOwner[r.bit.offset].toStdString();
        // Bit position counted in the record's bytes, whatever the word's order.
        const int byte = r.bit.order == ByteOrder::Big ? r.bit.offset + r.bit.bytes - 1 - r.bit.bit / 8
                                                       : r.bit.offset + r.bit.bit / 8;
        EXPECT_TRUE(bits.insert({byte, r.bit.bit % 8}).second)
            << under.name << ": bit of " << r.control.toStdString() << " taken twice";
    }
    EXPECT_EQ(controlsOf(t).size(), t.fields.size() + t.flags.size() + t.numbers.size())
        << under.name << ": a control appears in two rows";
}

// Random records, with the fields a form cannot show (a BCD nibble past 9, a float that is no
// number) zeroed first, show and read back to the same bytes in every row.
template <class T> void checkRoundTrip(const T& under) {
    using Form = typename T::Form;
    const Table<Form>& t = under.table();
    std::mt19937 rng(20240601);
    for (int round = 0; round < 200; ++round) {
        std::vector<std::uint8_t> record(under.recordSize);
        for (auto& b : record)
            b = std::uint8_t(rng());
        for (const auto& r : t.fields) {
            std::vector<std::uint8_t> probe = record;
            if (!storeValue(probe, r.place, showValue(record, r.place)) || probe != record)
                std::fill_n(record.begin() + r.place.offset, codecSize(r.place.codec), 0);
        }
        // Numbers outside their control's range go back as they came while the control is untouched.
        const std::vector<std::uint8_t> raw = record;
        for (const auto& r : t.numbers) {
            const std::int64_t v = integerValue(record, r.place);
            if (v < placeMin(r.place) || v > placeMax(r.place))
                (void)storeValue(record, r.place, QString::number(placeMin(r.place)));
        }
        {
            Form untouched;
            showTable(t, std::span<const std::uint8_t>(raw), untouched);
            std::vector<std::uint8_t> same = raw;
            ASSERT_FALSE(readTable(t, untouched, std::span<std::uint8_t>(same)));
            for (const auto& r : t.numbers)
                EXPECT_EQ(integerValue(same, r.place), integerValue(raw, r.place)) << r.control.toStdString();
        }
        Form form;
        showTable(t, std::span<const std::uint8_t>(record), form);
        // Every number of `record` is in range, so reading into another buffer writes them all.
        std::vector<std::uint8_t> back(under.recordSize, 0xA5);
        for (const auto& r : t.numbers)
            (void)storeValue(back, r.place, QString::number(placeMin(r.place)));
        const auto error = readTable(t, form, std::span<std::uint8_t>(back));
        ASSERT_FALSE(error) << under.name << ": " << error->control.toStdString() << ": "
                            << error->message.toStdString();
        for (const auto& r : t.fields)
            EXPECT_EQ(showValue(back, r.place), showValue(record, r.place)) << r.control.toStdString();
        for (const auto& r : t.numbers)
            EXPECT_EQ(integerValue(back, r.place), integerValue(record, r.place)) << r.control.toStdString();
        for (const auto& r : t.flags) {
            if (!r.showOnly) {
                EXPECT_EQ(bitValue(back, r.bit), bitValue(record, r.bit)) << r.control.toStdString();
            }
        }
    }
}

} // namespace

TEST(FieldTables, EveryTableIsWellFormedAndRoundTrips) {
    std::apply(
        [](const auto&... t) {
            (checkShape(t), ...);
            (checkRoundTrip(t), ...);
        },
        allFieldTables());
}

TEST(FieldCodecs, ByteOrdersAndCodes) {
    std::vector<std::uint8_t> r(12, 0);
    ASSERT_TRUE(storeValue(r, {0, Codec::LE16}, QStringLiteral("4660")));
    ASSERT_TRUE(storeValue(r, {2, Codec::BE16}, QStringLiteral("4660")));
    ASSERT_TRUE(storeValue(r, {4, Codec::BcdId}, QStringLiteral("12345678")));
    ASSERT_TRUE(storeValue(r, {8, Codec::LE32}, QStringLiteral("305419896")));
    EXPECT_EQ(r, (std::vector<std::uint8_t>{0x34, 0x12, 0x12, 0x34, 0x78, 0x56, 0x34, 0x12, 0x78, 0x56, 0x34,
                                            0x12}));
    EXPECT_EQ(showValue(r, {4, Codec::BcdIdBE}), QStringLiteral("78563412"));
    // "QLM" is 0x458D: low byte first in the one codec, high byte first in the other.
    ASSERT_TRUE(storeValue(r, {0, Codec::ManCode}, QStringLiteral("qlm")));
    ASSERT_TRUE(storeValue(r, {2, Codec::ManCodeBE}, QStringLiteral("QLM")));
    EXPECT_EQ(r[0], 0x8D);
    EXPECT_EQ(r[2], 0x45);
    EXPECT_EQ(showValue(r, {2, Codec::ManCodeBE}), QStringLiteral("QLM"));
    ASSERT_TRUE(storeValue(r, {4, Codec::LEFloat}, QStringLiteral("-2,5")));
    EXPECT_EQ(r[7], 0xC0);
    EXPECT_EQ(showValue(r, {4, Codec::LEFloat}), QStringLiteral("-2,5"));

    const Bit low{10, 0, 2, ByteOrder::Little}, high{10, 15, 2, ByteOrder::Little};
    r[10] = r[11] = 0;
    setBitValue(r, high, true);
    EXPECT_EQ(r[11], 0x80);
    EXPECT_TRUE(bitValue(r, high));
    EXPECT_FALSE(bitValue(r, low));
    EXPECT_TRUE(bitValue(r, Bit{10, 7, 2, ByteOrder::Big}));
}

TEST(FieldCodecs, RefusalsNameTheCaptionAndLeaveTheRecord) {
    std::vector<std::uint8_t> r(4, 0x11);
    const std::vector<std::uint8_t> before = r;
    const Placement temp{0, Codec::BE16, 0, 0, 2, "Raumtemperatur"};
    const Placement month{2, Codec::U8, 1, 12, 0, "Monat", 7};
    const Placement id{0, Codec::BcdId, 0, 0, 0, "Geräte ID"};
    const Placement man{0, Codec::ManCode, 0, 0, 0, "Herstellerkennung"};
    EXPECT_EQ(storeValue(r, temp, QStringLiteral("655,36")).message(),
              QStringLiteral("Raumtemperatur: bitte eine Zahl von 0 bis 655,35 eingeben!"));
    EXPECT_EQ(storeValue(r, month, QStringLiteral("13")).message(),
              QStringLiteral("Monat 7: bitte eine ganze Zahl von 1 bis 12 eingeben!"));
    EXPECT_FALSE(storeValue(r, id, QStringLiteral("123456789")));
    EXPECT_FALSE(storeValue(r, id, QStringLiteral("12a")));
    EXPECT_FALSE(storeValue(r, man, QStringLiteral("Q1M")));
    EXPECT_FALSE(storeValue(r, {3, Codec::BE16, 0, 0, 0, "Wert"}, QStringLiteral("1"))) << "past the record";
    EXPECT_EQ(r, before);
    EXPECT_TRUE(storeValue(r, man, QStringLiteral("QL"))) << "not three signs: left as it is";
    EXPECT_EQ(r, before);
    // Hundredths are cut, never rounded through a binary fraction.
    ASSERT_TRUE(storeValue(r, temp, QStringLiteral("0,299")));
    EXPECT_EQ(showValue(r, temp), QStringLiteral("0,29"));
    EXPECT_EQ(showValue(r, {0, Codec::BE16, 0, 0, 3}), QStringLiteral("0,029"));
}
