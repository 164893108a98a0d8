#include "ReceiverFrames.h"

#include <QFile>

namespace kvq::devsim {

QByteArray receiverFrame(const QByteArray& radioTelegram, ReceiverFraming framing, std::uint8_t rssi) {
    const qsizetype body = radioTelegram.size() - 1; // after the meter's L
    if (body < 1 || body > kMaxTelegramBody)
        return {};
    const auto l = static_cast<char>(body + 1); // with the RSSI byte
    QByteArray out;
    out.reserve(body + 5);
    if (framing == ReceiverFraming::RadioCraft) {
        out.append(char(0x68)).append(l).append(radioTelegram.constData() + 1, body).append(char(rssi));
        out.append(char(0x16));
        return out;
    }
    out.append(char(0xFF)).append(char(0x03)).append(l).append(radioTelegram.constData() + 1, body);
    out.append(char(rssi));
    char x = 0;
    for (char c : out)
        x = static_cast<char>(x ^ c);
    out.append(x);
    return out;
}

namespace {

bool parseHexLine(QByteArray line, QByteArray& out) {
    for (char sep : {'\t', ';'})
        if (const qsizetype at = line.indexOf(sep); at >= 0)
            line.truncate(at);
    line = line.trimmed();
    if (line.isEmpty() || line.startsWith('#'))
        return false;
    QByteArray digits;
    for (char c : line) {
        if (c == ' ')
            continue;
        const bool hex = (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F');
        if (!hex)
            return false;
        digits.append(c);
    }
    if (digits.isEmpty() || digits.size() % 2 != 0)
        return false;
    out = QByteArray::fromHex(digits);
    return true;
}

} // namespace

bool loadTelegramFile(const QString& path, std::vector<QByteArray>& out, QString* error) {
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) {
        if (error)
            *error = f.errorString();
        return false;
    }
    while (!f.atEnd()) {
        QByteArray telegram;
        if (parseHexLine(f.readLine(), telegram))
            out.push_back(telegram);
    }
    return true;
}

} // namespace kvq::devsim
