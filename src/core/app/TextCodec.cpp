#include "core/app/TextCodec.h"

#include <QStringDecoder>
#include <QStringEncoder>

namespace kvq {

namespace {
// Code points of 0x80..0x9F; 0 marks the five bytes Windows-1252 leaves undefined (mapped 1:1 to C1).
constexpr char16_t kHigh[32] = {0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                                0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0,      0x017D, 0,
                                0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                                0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};
} // namespace

QString decodeWindows1252(const QByteArray& bytes) {
    QString text;
    text.resize(bytes.size());
    QChar* out = text.data();
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        const auto b = static_cast<unsigned char>(bytes[i]);
        char16_t c = b;
        if (b >= 0x80 && b <= 0x9F && kHigh[b - 0x80] != 0)
            c = kHigh[b - 0x80];
        out[i] = QChar(c);
    }
    return text;
}

bool encodeWindows1252(const QString& text, QByteArray& out) {
    out.clear();
    out.reserve(text.size());
    for (QChar qc : text) {
        const char16_t c = qc.unicode();
        if (c < 0x80 || (c >= 0xA0 && c <= 0xFF)) {
            out.append(static_cast<char>(c));
            continue;
        }
        int code = -1;
        for (int i = 0; i < 32; ++i) {
            if (kHigh[i] == c || (kHigh[i] == 0 && c == 0x80 + i)) {
                code = 0x80 + i;
                break;
            }
        }
        if (code < 0)
            return false;
        out.append(static_cast<char>(code));
    }
    return true;
}

QString decodeText(const QByteArray& bytes, TextEncoding* detected) {
    auto set = [&](TextEncoding e) {
        if (detected)
            *detected = e;
    };
    if (bytes.startsWith("\xEF\xBB\xBF")) {
        set(TextEncoding::Utf8Bom);
        return QString::fromUtf8(bytes.constData() + 3, bytes.size() - 3);
    }
    bool ascii = true;
    for (char c : bytes) {
        if (static_cast<unsigned char>(c) >= 0x80) {
            ascii = false;
            break;
        }
    }
    if (ascii) {
        set(TextEncoding::Windows1252);
        return QString::fromLatin1(bytes);
    }
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = utf8(bytes);
    if (!utf8.hasError()) {
        set(TextEncoding::Utf8);
        return text;
    }
    set(TextEncoding::Windows1252);
    return decodeWindows1252(bytes);
}

QByteArray encodeText(const QString& text, TextEncoding wanted, TextEncoding* used) {
    if (wanted == TextEncoding::Windows1252) {
        QByteArray out;
        if (encodeWindows1252(text, out)) {
            if (used)
                *used = TextEncoding::Windows1252;
            return out;
        }
        wanted = TextEncoding::Utf8;
    }
    if (used)
        *used = wanted;
    QByteArray out = wanted == TextEncoding::Utf8Bom ? QByteArray("\xEF\xBB\xBF") : QByteArray();
    out.append(text.toUtf8());
    return out;
}

} // namespace kvq
