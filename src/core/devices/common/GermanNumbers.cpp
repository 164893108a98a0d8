#include "core/devices/common/GermanNumbers.h"

#include <charconv>
#include <cmath>

namespace kvq {

namespace {

struct DecimalParts {
    bool negative = false;
    QString whole;
    QString fraction;
};

// Sign, digits, at most one comma, at least one digit.
std::optional<DecimalParts> splitDecimal(const QString& text) {
    const QString t = text.trimmed();
    DecimalParts p;
    qsizetype i = 0;
    if (i < t.size() && (t[i] == u'-' || t[i] == u'+')) {
        p.negative = t[i] == u'-';
        ++i;
    }
    bool comma = false;
    for (; i < t.size(); ++i) {
        const QChar c = t[i];
        if (c == u',') {
            if (comma)
                return std::nullopt;
            comma = true;
        } else if (c >= u'0' && c <= u'9') {
            (comma ? p.fraction : p.whole).append(c);
        } else {
            return std::nullopt;
        }
    }
    if (p.whole.isEmpty() && p.fraction.isEmpty())
        return std::nullopt;
    return p;
}

} // namespace

const QLocale& germanLocale() {
    static const QLocale locale = [] {
        QLocale l(QLocale::German, QLocale::Germany);
        l.setNumberOptions(QLocale::OmitGroupSeparator | QLocale::RejectGroupSeparator);
        return l;
    }();
    return locale;
}

QString formatFixed2(double v) {
    // Round half away from zero on the decimal value, as a fixed pattern does; avoids "-0,00".
    double r = std::round(v * 100.0) / 100.0;
    if (r == 0.0)
        r = 0.0;
    return germanLocale().toString(r, 'f', 2);
}

QString formatFloat(float v) {
    if (!std::isfinite(v))
        return germanLocale().toString(double(v));
    char buf[64];
    const auto res = std::to_chars(buf, buf + sizeof buf, v, std::chars_format::fixed);
    if (res.ec != std::errc())
        return germanLocale().toString(double(v));
    QString text = QString::fromLatin1(buf, res.ptr - buf);
    text.replace(u'.', u',');
    if (text == QLatin1String("-0"))
        text = QStringLiteral("0");
    return text;
}

QString formatFixed(std::int64_t v, int decimals) {
    const bool negative = v < 0;
    const std::uint64_t a = negative ? std::uint64_t(-(v + 1)) + 1 : std::uint64_t(v);
    std::uint64_t unit = 1;
    for (int i = 0; i < decimals; ++i)
        unit *= 10;
    QString text = QString::number(a / unit);
    QString frac = QString::number(a % unit).rightJustified(decimals, u'0');
    while (frac.endsWith(u'0'))
        frac.chop(1);
    if (!frac.isEmpty())
        text += u',' + frac;
    return negative ? QStringLiteral("-") + text : text;
}

QString formatHundredths(std::int64_t v) {
    return formatFixed(v, 2);
}

QString formatDecimal(double v) {
    QString text = germanLocale().toString(v, 'f', 6);
    if (text.contains(u',')) {
        while (text.endsWith(u'0'))
            text.chop(1);
        if (text.endsWith(u','))
            text.chop(1);
    }
    return text;
}

std::optional<std::int64_t> parseInteger(const QString& text) {
    const QString t = text.trimmed();
    qsizetype i = 0;
    bool negative = false;
    if (i < t.size() && (t[i] == u'-' || t[i] == u'+')) {
        negative = t[i] == u'-';
        ++i;
    }
    if (i == t.size() || t.size() - i > 15)
        return std::nullopt;
    std::int64_t v = 0;
    for (; i < t.size(); ++i) {
        if (t[i] < u'0' || t[i] > u'9')
            return std::nullopt;
        v = v * 10 + (t[i].unicode() - u'0');
    }
    return negative ? -v : v;
}

std::optional<double> parseDecimal(const QString& text) {
    const auto p = splitDecimal(text);
    if (!p)
        return std::nullopt;
    const QString c = (p->negative ? QStringLiteral("-") : QString()) +
                      (p->whole.isEmpty() ? QStringLiteral("0") : p->whole) + QLatin1Char('.') +
                      (p->fraction.isEmpty() ? QStringLiteral("0") : p->fraction);
    bool ok = false;
    const double v = c.toDouble(&ok);
    if (!ok || !std::isfinite(v))
        return std::nullopt;
    return v;
}

std::optional<std::int64_t> parseFixed(const QString& text, int decimals) {
    const auto p = splitDecimal(text);
    if (!p || p->whole.size() + decimals > 17)
        return std::nullopt;
    std::int64_t v = 0;
    for (QChar c : p->whole)
        v = v * 10 + (c.unicode() - u'0');
    for (int i = 0; i < decimals; ++i)
        v = v * 10 + (i < p->fraction.size() ? p->fraction[i].unicode() - u'0' : 0);
    return p->negative ? -v : v;
}

std::optional<std::int64_t> parseHundredths(const QString& text) {
    return parseFixed(text, 2);
}

} // namespace kvq
