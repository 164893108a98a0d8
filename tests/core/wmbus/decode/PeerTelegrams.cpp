#include "PeerTelegrams.h"

#include "TestData.h"

#include <QFile>
#include <QRegularExpression>
#include <QTextStream>

#include <algorithm>

#include <gtest/gtest.h>

namespace kvq::wmbus::test {

std::vector<std::uint8_t> PeerTelegram::receiverBuffer(std::uint8_t rssi) const {
    std::vector<std::uint8_t> t(radio.size() + 1);
    t[0] = 0x68;
    std::copy(radio.begin(), radio.end(), t.begin() + 1);
    t[1] = static_cast<std::uint8_t>(t[1] + 1);
    t.push_back(rssi);
    return t;
}

std::vector<PeerTelegram> loadPeerTelegrams() {
    QFile f(kvq::test::testDataDir() + QStringLiteral("/wmbus/peer-telegrams.tsv"));
    EXPECT_TRUE(f.open(QIODevice::ReadOnly | QIODevice::Text));
    QTextStream in(&f);
    in.readLine(); // header
    std::vector<PeerTelegram> out;
    int row = 0;
    while (!in.atEnd()) {
        const QStringList cols = in.readLine().split(u'\t');
        if (cols.size() < 4)
            continue;
        PeerTelegram t;
        t.row = ++row;
        const QByteArray raw = QByteArray::fromHex(cols[0].toLatin1());
        t.radio.assign(raw.begin(), raw.end());
        t.keyHex = cols[1].toStdString();
        t.notes = cols[3].toStdString();
        out.push_back(std::move(t));
    }
    return out;
}

std::vector<PeerValue> loadPeerValues(int row) {
    QFile f(kvq::test::testDataDir() + QStringLiteral("/wmbus/peer-decodes/%1.txt").arg(row));
    EXPECT_TRUE(f.open(QIODevice::ReadOnly | QIODevice::Text)) << row;
    // "020 C!: 84278406 ("total_m3":6842.784)"
    static const QRegularExpression line(
        QStringLiteral(R"re(^(\d{3}) C!: [0-9A-Fa-f]+ \("([^"]+)":("?)([^")]*)"?\))re"));
    std::vector<PeerValue> out;
    QTextStream in(&f);
    while (!in.atEnd()) {
        const auto m = line.match(in.readLine());
        if (!m.hasMatch())
            continue;
        PeerValue v;
        v.dataOffset = m.captured(1).toULongLong();
        v.name = m.captured(2).toStdString();
        v.quoted = !m.captured(3).isEmpty();
        v.value = m.captured(4).toStdString();
        out.push_back(std::move(v));
    }
    return out;
}

} // namespace kvq::wmbus::test
