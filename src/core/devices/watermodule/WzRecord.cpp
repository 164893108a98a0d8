#include "core/devices/watermodule/WzRecord.h"

#include "core/app/Bytes.h"
#include "core/wmbus/crypto/KeyText.h"

namespace kvq::wz {

std::uint16_t word(const Image& im, int offset) {
    return readLE16(im.data() + offset);
}

void setWord(Image& im, int offset, std::uint16_t v) {
    writeLE16(im.data() + offset, v);
}

std::uint32_t dword(const Image& im, int offset) {
    return readLE32(im.data() + offset);
}

void setDword(Image& im, int offset, std::uint32_t v) {
    writeLE32(im.data() + offset, v);
}

QString idText(std::uint32_t value) {
    static constexpr char digits[] = "0123456789ABCDEF";
    QString text(8, u'0');
    for (int i = 0; i < 8; ++i)
        text[i] = QLatin1Char(digits[(value >> (28 - 4 * i)) & 0x0F]);
    return text;
}

std::optional<std::uint32_t> parseIdText(const QString& text) {
    if (text.isEmpty() || text.size() > 8)
        return std::nullopt;
    std::uint32_t v = 0;
    for (QChar c : text) {
        if (c < u'0' || c > u'9')
            return std::nullopt;
        v = (v << 4) | std::uint32_t(c.unicode() - u'0');
    }
    return v;
}

std::optional<std::uint32_t> idFromText(const QString& text, std::uint32_t current) {
    if (text == idText(current))
        return current;
    return parseIdText(text);
}

QString keyText(const ModuleKey& key) {
    return QString::fromStdString(crypto::KeyToText(key));
}

ModuleKey keyAt(const Image& im) {
    ModuleKey k;
    std::copy_n(im.begin() + off::AesKey, k.size(), k.begin());
    return k;
}

void storeKey(Image& im, const ModuleKey& key) {
    std::copy(key.begin(), key.end(), im.begin() + off::AesKey);
}

std::optional<ModuleKey> parseKeyText(const QString& text) {
    // Characters outside Latin-1 count as one non-hex character each, like any other.
    const QByteArray latin = text.trimmed().toLatin1();
    qsizetype nonBlank = 0;
    for (char c : latin)
        if (static_cast<unsigned char>(c) > ' ')
            ++nonBlank;
    if (nonBlank > 32)
        return std::nullopt;
    return crypto::ParseKeyText(std::string_view(latin.constData(), std::size_t(latin.size())));
}

HistoryRow historyRow(const Image& im, int entry) {
    const std::uint8_t* e = im.data() + off::History + entry * off::HistoryEntrySize;
    auto part = [](std::uint8_t b) { return b == 0xFF ? QStringLiteral("--") : QString::number(b); };
    const QString year = e[5] == 0xFF ? QStringLiteral("----") : QString::number(2000 + e[5]);
    HistoryRow row;
    row.date = QStringLiteral("%1.%2.%3 %4:%5:%6")
                   .arg(part(e[3]), part(e[4]), year, part(e[2]), part(e[1]), part(e[0]));
    row.resetCount = e[7] == 0xFF ? QStringLiteral("-") : QString::number(e[7]);
    return row;
}

} // namespace kvq::wz
