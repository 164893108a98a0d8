#include "core/wmbus/output/TelegramOutput.h"

#include <charconv>
#include <cstdio>

namespace kvq::wmbus {

namespace {

std::string hex2(std::uint8_t v) {
    char buf[8];
    std::snprintf(buf, sizeof buf, "%02X", v);
    return buf;
}

void appendJsonString(std::string& out, std::string_view s) {
    out.push_back('"');
    bool plain = true;
    for (unsigned char c : s)
        plain = plain && c >= 0x20 && c != '"' && c != '\\';
    if (plain) {
        out += s;
        out.push_back('"');
        return;
    }
    for (unsigned char c : s) {
        switch (c) {
        case '"':
            out += "\\\"";
            break;
        case '\\':
            out += "\\\\";
            break;
        case '\n':
            out += "\\n";
            break;
        case '\r':
            out += "\\r";
            break;
        case '\t':
            out += "\\t";
            break;
        default:
            if (c < 0x20) {
                char buf[8];
                std::snprintf(buf, sizeof buf, "\\u%04x", c);
                out += buf;
            } else {
                out.push_back(static_cast<char>(c)); // value and unit texts are UTF-8 already
            }
        }
    }
    out.push_back('"');
}

void appendNumber(std::string& out, long long v) {
    char buf[24];
    const auto r = std::to_chars(buf, buf + sizeof buf, v);
    out.append(buf, r.ptr);
}

bool needsQuotes(std::string_view c) {
    for (char ch : c)
        if (ch == ';' || ch == '"' || ch == '\r' || ch == '\n')
            return true;
    return false;
}

void appendCsvCell(std::string& line, std::string_view c) {
    if (!needsQuotes(c)) {
        line += c;
        return;
    }
    line.push_back('"');
    for (char ch : c) {
        if (ch == '"')
            line.push_back('"');
        line.push_back(ch);
    }
    line.push_back('"');
}

std::size_t usedPairs(const TelegramResult& r) {
    std::size_t n = kMaxValuePairs;
    while (n > 0 && r.values[n - 1].value.empty() && r.values[n - 1].unit.empty())
        --n;
    return n;
}

std::string securityText(const TelegramResult& r) {
    if (!r.encrypted)
        return "none";
    std::string s = r.security == SecurityMode::ExtendedLinkLayer ? "extended link layer"
                    : r.mode7                                     ? "mode 7"
                                                                  : "mode 5";
    s += r.decrypted ? ", decrypted" : ", encrypted (no key fitted)";
    return s;
}

} // namespace

const std::vector<std::string>& dataTableHeader() {
    static const std::vector<std::string> header = [] {
        std::vector<std::string> h{"Index", "Length", "RadioID", "TCount", "MeterID",
                                   "RTime", "Medium", "MC",      "AES",    "RSSI"};
        for (std::size_t i = 0; i < kMaxValuePairs; ++i) {
            h.emplace_back("Value");
            h.emplace_back("Unit");
        }
        return h;
    }();
    return header;
}

void appendReceiveTimeText(std::string& out, ReceiveTime time, const QDateTime& now) {
    if (time <= 0) {
        out += now.toString(QStringLiteral("dd.MM.yyyy hh:mm:ss")).toStdString();
        return;
    }
    // Recordings carry many telegrams of the same second; the time zone conversion is the costly part.
    thread_local ReceiveTime lastSecond = -1;
    thread_local std::string lastText;
    const ReceiveTime second = time / 1000;
    if (second != lastSecond) {
        lastText = QDateTime::fromMSecsSinceEpoch(second * 1000)
                       .toLocalTime()
                       .toString(QStringLiteral("dd.MM.yyyy hh:mm:ss"))
                       .toStdString();
        lastSecond = second;
    }
    out += lastText;
}

std::string receiveTimeText(ReceiveTime time, const QDateTime& now) {
    std::string s;
    appendReceiveTimeText(s, time, now);
    return s;
}

std::vector<std::string> dataTableRow(int index, const TelegramResult& r, const QDateTime& now) {
    std::vector<std::string> row;
    row.reserve(10 + 2 * kMaxValuePairs);
    row.push_back(std::to_string(index));
    row.push_back(std::to_string(r.link.l));
    row.emplace_back(r.link.idText.view());
    row.push_back(std::to_string(r.accessNumber));
    row.emplace_back(r.headerIdText.view());
    row.push_back(receiveTimeText(r.receiveTime, now));
    row.push_back(std::to_string(r.deviceType));
    row.emplace_back(r.link.manufacturer.view());
    row.emplace_back(TelegramResult::yesNo(r.encrypted));
    row.emplace_back(r.rssiText.view());
    for (const ValuePair& p : r.values) {
        row.push_back(p.value);
        row.push_back(p.unit);
    }
    return row;
}

std::string csvLine(const std::vector<std::string>& cells) {
    std::string line;
    for (std::size_t i = 0; i < cells.size(); ++i) {
        if (i)
            line.push_back(';');
        appendCsvCell(line, cells[i]);
    }
    return line;
}

void appendCsvRow(std::string& out, int index, const TelegramResult& r, const QDateTime& now) {
    // The cells of dataTableRow, in its order.
    appendNumber(out, index);
    out.push_back(';');
    appendNumber(out, r.link.l);
    out.push_back(';');
    appendCsvCell(out, r.link.idText.view());
    out.push_back(';');
    appendNumber(out, r.accessNumber);
    out.push_back(';');
    appendCsvCell(out, r.headerIdText.view());
    out.push_back(';');
    appendReceiveTimeText(out, r.receiveTime, now);
    out.push_back(';');
    appendNumber(out, r.deviceType);
    out.push_back(';');
    appendCsvCell(out, r.link.manufacturer.view());
    out.push_back(';');
    out += TelegramResult::yesNo(r.encrypted);
    out.push_back(';');
    appendCsvCell(out, r.rssiText.view());
    for (const ValuePair& p : r.values) {
        out.push_back(';');
        appendCsvCell(out, p.value);
        out.push_back(';');
        appendCsvCell(out, p.unit);
    }
}

std::string telegramTextBlock(int index, const TelegramResult& r, const QDateTime& now,
                              std::span<const ValuePair> values) {
    std::string s = "Telegram " + std::to_string(index) + "  " + receiveTimeText(r.receiveTime, now) + "\n";
    s += "  L " + hex2(r.link.l) + "  C " + hex2(r.link.c) + "  M " +
         std::string(r.link.manufacturer.view()) + "  ID " + r.link.idText.str() + "  Version " +
         hex2(r.link.version) + "  Device type " + hex2(r.deviceType) + " " + std::string(r.mediumText) +
         "  CI " + hex2(r.ci) + "\n";
    s += "  Header ID " + r.headerIdText.str() + "  Access number " + std::to_string(r.accessNumber) +
         "  RSSI " + r.rssiText.str() + (r.registered ? "  in route" : "") + "\n";
    s += "  Security " + securityText(r);
    if (r.decrypted)
        s += "  Key " + r.keyText;
    s += "\n";
    if (values.empty())
        values = std::span<const ValuePair>(r.values).first(usedPairs(r));
    for (std::size_t i = 0; i < values.size(); ++i)
        s += "  " + std::to_string(i + 1) + ": " + values[i].value + " " + values[i].unit + "\n";
    return s;
}

std::string telegramJson(int index, const TelegramResult& r, const QDateTime& now) {
    std::string s;
    appendTelegramJson(s, index, r, now);
    return s;
}

void appendTelegramJson(std::string& s, int index, const TelegramResult& r, const QDateTime& now,
                        std::span<const ValuePair> values) {
    s += "{\"index\":";
    appendNumber(s, index);
    auto field = [&](const char* name, std::string_view text) {
        s += ",\"";
        s += name;
        s += "\":";
        appendJsonString(s, text);
    };
    auto number = [&](const char* name, long long v) {
        s += ",\"";
        s += name;
        s += "\":";
        appendNumber(s, v);
    };
    auto boolean = [&](const char* name, bool v) {
        s += ",\"";
        s += name;
        s += v ? "\":true" : "\":false";
    };
    s += ",\"time\":\"";
    appendReceiveTimeText(s, r.receiveTime, now); // digits, points, colons and a blank only
    s += '"';
    number("l", r.link.l);
    number("c", r.link.c);
    field("manufacturer", r.link.manufacturer.view());
    field("radioId", r.link.idText.view());
    number("version", r.link.version);
    number("deviceType", r.deviceType);
    field("medium", r.mediumText);
    number("ci", r.ci);
    field("headerId", r.headerIdText.view());
    number("accessNumber", r.accessNumber);
    boolean("registered", r.registered);
    boolean("encrypted", r.encrypted);
    boolean("decrypted", r.decrypted);
    if (r.encrypted)
        number("securityMode", static_cast<int>(r.security)); // 5, 7, or 141 (0x8D) for the link layer
    if (r.decrypted)
        field("key", r.keyText);
    field("rssi", r.rssiText.view());
    s += ",\"values\":[";
    if (values.empty())
        values = std::span<const ValuePair>(r.values).first(usedPairs(r));
    for (std::size_t i = 0; i < values.size(); ++i) {
        if (i)
            s.push_back(',');
        s += "{\"value\":";
        appendJsonString(s, values[i].value);
        s += ",\"unit\":";
        appendJsonString(s, values[i].unit);
        s.push_back('}');
    }
    s += "]}";
}

} // namespace kvq::wmbus
