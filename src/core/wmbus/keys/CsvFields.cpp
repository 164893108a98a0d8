#include "core/wmbus/keys/CsvFields.h"

#include "core/app/TextCodec.h"
#include "core/wmbus/route/Route.h"

namespace kvq::wmbus {

namespace {

// Everything up to and including the first 'x' or 'X' is a hex prefix.
QString withoutHexPrefix(const QString& field, bool* hadPrefix) {
    const qsizetype x = field.indexOf(QLatin1Char('x'), 0, Qt::CaseInsensitive);
    *hadPrefix = x >= 0;
    return x >= 0 ? field.mid(x + 1).trimmed() : field.trimmed();
}

} // namespace

QStringList csvLines(const QByteArray& bytes) {
    QStringList lines = decodeText(bytes).split(QLatin1Char('\n'));
    for (QString& line : lines)
        if (line.endsWith(QLatin1Char('\r')))
            line.chop(1);
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    return lines;
}

QStringList csvFields(const QString& line) {
    QStringList fields;
    QString field;
    bool quoted = false;
    for (qsizetype i = 0; i < line.size(); ++i) {
        const QChar c = line[i];
        if (quoted) {
            if (c == u'"') {
                if (i + 1 < line.size() && line[i + 1] == u'"') {
                    field += c;
                    ++i;
                } else {
                    quoted = false;
                }
            } else {
                field += c;
            }
        } else if (c == u'"' && field.trimmed().isEmpty()) {
            field.clear();
            quoted = true;
        } else if (c == u';') {
            fields << field.trimmed();
            field.clear();
        } else {
            field += c;
        }
    }
    fields << field.trimmed();
    return fields;
}

std::optional<std::uint32_t> radioIdField(const QString& field) {
    return radioIdFromText(field.trimmed().toStdString());
}

std::optional<int> deviceTypeField(const QString& field) {
    bool hex = false;
    const QString digits = withoutHexPrefix(field, &hex);
    if (digits.isEmpty())
        return std::nullopt;
    bool ok = false;
    const uint value = digits.toUInt(&ok, hex ? 16 : 10);
    if (!ok || value > 255)
        return std::nullopt;
    return static_cast<int>(value);
}

std::optional<QString> keyField(const QString& field) {
    bool hex = false;
    const QString text = withoutHexPrefix(field, &hex);
    QString key;
    for (QChar c : text) {
        if (c == u' ')
            continue;
        const QChar u = c.toUpper();
        if (!((u >= u'0' && u <= u'9') || (u >= u'A' && u <= u'F')))
            return std::nullopt;
        key += u;
    }
    if (!key.isEmpty() && key.size() != 32)
        return std::nullopt;
    return key;
}

} // namespace kvq::wmbus
