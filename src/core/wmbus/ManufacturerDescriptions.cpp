#include "core/wmbus/ManufacturerDescriptions.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStringDecoder>

#include <optional>

namespace kvq::wmbus {

namespace {

// Windows-1252 code points of bytes 0x80..0x9F (0 where the code page leaves a byte undefined).
constexpr char16_t kCp1252High[32] = {0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                                      0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0,      0x017D, 0,
                                      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                                      0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

// The file is installation data that may have been edited on Windows: UTF-8 when it decodes
// cleanly (BOM optional), otherwise Windows-1252.
QString decodeText(const QByteArray& raw) {
    QByteArrayView bytes(raw);
    if (bytes.startsWith("\xEF\xBB\xBF"))
        bytes = bytes.sliced(3);
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = utf8.decode(bytes);
    if (!utf8.hasError())
        return text;
    text.clear();
    text.reserve(bytes.size());
    for (char c : bytes) {
        const auto b = static_cast<unsigned char>(c);
        char16_t u = b;
        if (b >= 0x80 && b < 0xA0)
            u = kCp1252High[b - 0x80] ? kCp1252High[b - 0x80] : b;
        text.append(QChar(u));
    }
    return text;
}

// Value of key in [section], compared without regard to case, spaces around names and values
// trimmed; the first occurrence counts.
std::optional<QString> findIniValue(const QString& text, QStringView section, QStringView key) {
    bool inSection = false;
    for (QStringView line : QStringView(text).split(u'\n')) {
        line = line.trimmed();
        if (line.isEmpty() || line.startsWith(u';'))
            continue;
        if (line.startsWith(u'[')) {
            const qsizetype close = line.indexOf(u']');
            const QStringView name = line.mid(1, close < 0 ? -1 : close - 1).trimmed();
            inSection = name.compare(section, Qt::CaseInsensitive) == 0;
            continue;
        }
        if (!inSection)
            continue;
        const qsizetype eq = line.indexOf(u'=');
        if (eq < 0)
            continue;
        if (line.first(eq).trimmed().compare(key, Qt::CaseInsensitive) == 0)
            return line.sliced(eq + 1).trimmed().toString();
    }
    return std::nullopt;
}

} // namespace

ManufacturerDescriptions::ManufacturerDescriptions(QString filePath) : filePath_(std::move(filePath)) {}

QString ManufacturerDescriptions::defaultPath() {
    return QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("mbusMANCODE.txt"));
}

QString breakAtFirstComma(const QString& text) {
    const qsizetype comma = text.indexOf(u',');
    if (comma < 0)
        return text;
    return text.left(comma) + u'\n' + text.mid(comma + 1);
}

QString ManufacturerDescriptions::rawText(const QString& code) const {
    QFile file(filePath_);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return findIniValue(decodeText(file.readAll()), u"MANCODE", code).value_or(QString());
}

Result<QString> ManufacturerDescriptions::describe(const QString& code) const {
    QFile file(filePath_);
    if (!QFileInfo(filePath_).isFile() || !file.open(QIODevice::ReadOnly))
        return Result<QString>::failure(QStringLiteral("File ") + QDir::toNativeSeparators(filePath_) +
                                        QStringLiteral(" missing!"));
    const QString text = findIniValue(decodeText(file.readAll()), u"MANCODE", code)
                             .value_or(QStringLiteral("keine Information"));
    return breakAtFirstComma(text);
}

} // namespace kvq::wmbus
