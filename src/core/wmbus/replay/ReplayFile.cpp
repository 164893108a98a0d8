#include "core/wmbus/replay/ReplayFile.h"

#include "core/app/Bytes.h"

#include <QDateTime>
#include <QFile>

#include <charconv>

namespace kvq::wmbus {

namespace {

std::string_view trimmed(std::string_view s) {
    auto blank = [](char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; };
    while (!s.empty() && blank(s.front()))
        s.remove_prefix(1);
    while (!s.empty() && blank(s.back()))
        s.remove_suffix(1);
    return s;
}

bool parseNumber(std::string_view text, int& out) {
    text = trimmed(text);
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), out);
    return ec == std::errc() && end == text.data() + text.size() && !text.empty();
}

// Local time to ms since 1970 UTC. The zone's offset is looked up once per hour of a day: asking the
// system for it costs far more than a telegram, and recordings hold many telegrams per hour.
// Offsets change on whole hours in the zones this program is used in.
ReceiveTime localToEpoch(const QDate& date, const QTime& time) {
    thread_local qint64 cachedHour = -1;
    thread_local qint64 cachedOffsetMs = 0;
    const qint64 hourKey = date.toJulianDay() * 24 + time.hour();
    if (hourKey != cachedHour) {
        const QDateTime local(date, QTime(time.hour(), 0));
        const QDateTime asUtc(date, QTime(time.hour(), 0), Qt::UTC);
        cachedOffsetMs = asUtc.toMSecsSinceEpoch() - local.toMSecsSinceEpoch();
        cachedHour = hourKey;
    }
    return QDateTime(date, time, Qt::UTC).toMSecsSinceEpoch() - cachedOffsetMs;
}

// "DD.MM.YYYY hh:mm:ss": split at the two points, the blank and the two colons.
bool parseReceiveTime(std::string_view text, ReceiveTime& out) {
    text = trimmed(text);
    // Consecutive lines often share their second.
    thread_local std::string lastText;
    thread_local ReceiveTime lastTime = 0;
    if (lastTime > 0 && text == lastText) {
        out = lastTime;
        return true;
    }
    const auto p1 = text.find('.');
    const auto p2 = p1 == text.npos ? text.npos : text.find('.', p1 + 1);
    const auto sp = p2 == text.npos ? text.npos : text.find(' ', p2 + 1);
    const auto c1 = sp == text.npos ? text.npos : text.find(':', sp + 1);
    const auto c2 = c1 == text.npos ? text.npos : text.find(':', c1 + 1);
    if (c2 == text.npos)
        return false;
    int d, mo, y, h, mi, s;
    if (!parseNumber(text.substr(0, p1), d) || !parseNumber(text.substr(p1 + 1, p2 - p1 - 1), mo) ||
        !parseNumber(text.substr(p2 + 1, sp - p2 - 1), y) ||
        !parseNumber(text.substr(sp + 1, c1 - sp - 1), h) ||
        !parseNumber(text.substr(c1 + 1, c2 - c1 - 1), mi) || !parseNumber(text.substr(c2 + 1), s))
        return false;
    const QDate date(y, mo, d);
    const QTime time(h, mi, s);
    if (!date.isValid() || !time.isValid())
        return false;
    out = localToEpoch(date, time);
    if (out <= 0)
        return false;
    lastText.assign(text);
    lastTime = out;
    return true;
}

bool parseHex(std::string_view text, std::vector<std::uint8_t>& out) {
    out.clear();
    int pending = -1;
    for (char c : text) {
        if (c == ' ' || c == '\t')
            continue;
        if (!isHexDigit(c))
            return false;
        if (pending < 0) {
            pending = hexDigitValue(c);
        } else {
            out.push_back(static_cast<std::uint8_t>((pending << 4) | hexDigitValue(c)));
            pending = -1;
        }
    }
    return pending < 0;
}

} // namespace

bool parseReplayLine(std::string_view line, int lineNumber, ReplayLine& out, ReplayLineError& error) {
    out.lineNumber = lineNumber;
    out.receiveTime = 0;
    out.bytes.clear();
    std::string_view text = trimmed(line);
    if (text.empty())
        return true;
    const auto semi = text.find(';');
    if (semi != text.npos) {
        if (!parseReceiveTime(text.substr(0, semi), out.receiveTime)) {
            error = {lineNumber,
                     QStringLiteral("line %1: no valid date and time before ';'").arg(lineNumber)};
            return false;
        }
        text = trimmed(text.substr(semi + 1));
    }
    if (!parseHex(text, out.bytes)) {
        error = {lineNumber, QStringLiteral("line %1: not a hex text of whole bytes").arg(lineNumber)};
        out.bytes.clear();
        return false;
    }
    return true;
}

Status readReplayFile(const QString& path, const std::function<void(const ReplayLine&)>& onLine,
                      const std::function<void(const ReplayLineError&)>& onError) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return Status::failure(QStringLiteral("%1: %2").arg(path, file.errorString()), ErrorCode::FileAccess);
    ReplayLine line;
    ReplayLineError error;
    int number = 0;
    auto take = [&](std::string_view text) {
        ++number;
        if (parseReplayLine(text, number, line, error)) {
            if (!line.bytes.empty())
                onLine(line);
        } else if (onError) {
            onError(error);
        }
    };
    constexpr qint64 kBlock = 1 << 16;
    std::string buffer; // the unfinished line from the previous block, then the new block
    std::vector<char> block(kBlock);
    for (;;) {
        const qint64 n = file.read(block.data(), kBlock);
        if (n < 0)
            return Status::failure(QStringLiteral("%1: %2").arg(path, file.errorString()),
                                   ErrorCode::FileAccess);
        if (n == 0)
            break;
        buffer.append(block.data(), static_cast<std::size_t>(n));
        std::size_t start = 0;
        for (std::size_t nl; (nl = buffer.find('\n', start)) != std::string::npos; start = nl + 1)
            take(std::string_view(buffer).substr(start, nl - start));
        buffer.erase(0, start);
    }
    if (!buffer.empty())
        take(buffer);
    return {};
}

} // namespace kvq::wmbus
