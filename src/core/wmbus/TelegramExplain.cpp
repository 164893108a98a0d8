#include "core/wmbus/TelegramExplain.h"

#include "core/wmbus/RecordReader.h"
#include "core/wmbus/ValueText.h"

#include <array>
#include <cstdio>

namespace kvq::wmbus {

namespace {

class Lines {
public:
    Lines(std::span<const std::uint8_t> t, std::vector<std::string>& out) : t_(t), out_(out) {}

    // Bytes [from, from + n) of the buffer; offsets are shown in the radio telegram (start byte off).
    void add(std::size_t from, std::size_t n, const std::string& meaning) {
        std::string hex;
        appendHexBytes(hex, t_.subspan(from, std::min(n, t_.size() - std::min(from, t_.size()))));
        addHex(from, hex, meaning);
    }
    void addHex(std::size_t from, std::string hex, const std::string& meaning) {
        std::string line;
        char buf[8];
        std::snprintf(buf, sizeof buf, "%03zu ", from - 1);
        line += buf;
        if (hex.size() > 24)
            hex = hex.substr(0, 22) + "..";
        line += hex;
        line.append(hex.size() < 25 ? 25 - hex.size() : 1, ' ');
        line += meaning;
        out_.push_back(std::move(line));
    }

private:
    std::span<const std::uint8_t> t_;
    std::vector<std::string>& out_;
};

std::string hex2(unsigned v) {
    char buf[8];
    std::snprintf(buf, sizeof buf, "%02X", v);
    return buf;
}

const char* dataFieldText(std::uint8_t df) {
    static const char* const texts[16] = {
        "no data",        "8-bit integer",   "16-bit integer", "24-bit integer",
        "32-bit integer", "32-bit real",     "48-bit integer", "64-bit integer",
        "selection",      "2-digit BCD",     "4-digit BCD",    "6-digit BCD",
        "8-digit BCD",    "variable length", "12-digit BCD",   "manufacturer data"};
    return texts[df & 0x0F];
}

const char* functionText(std::uint8_t dif) {
    static const char* const texts[4] = {"instantaneous", "maximum", "minimum", "during error"};
    return texts[(dif >> 4) & 3];
}

std::string securityText(const TelegramResult& r) {
    if (r.security == SecurityMode::None)
        return "no encryption";
    if (r.security == SecurityMode::ExtendedLinkLayer)
        return "no encryption in the transport layer";
    std::string s = r.mode7 ? "mode 7" : "mode 5";
    s += ", " + std::to_string(r.encryptedBlocks) + " blocks, ";
    s += r.decrypted ? "decrypted" : "not decrypted";
    return s;
}

void explainRecords(Lines& lines, std::span<const std::uint8_t> t, const TelegramResult& r, char sep) {
    const std::size_t begin = r.recordsOffset, end = r.recordsEnd;
    RecordReader reader(t.subspan(begin, end - begin), RecordOptions{sep});
    DataRecord rec;
    int n = 0;
    while (reader.next(rec)) {
        std::string m = "record " + std::to_string(++n) + ": DIF " + hex2(rec.dif) + " " +
                        dataFieldText(rec.dataField) + ", " + functionText(rec.dif) + ", storage " +
                        std::to_string(rec.storage) + "; VIF " + hex2(rec.vif);
        if (rec.hasVife)
            m += " VIFE " + hex2(rec.vife);
        m += " = " + (rec.value.empty() ? std::string("(no value)") : rec.value);
        if (!rec.unit.empty())
            m += " " + rec.unit;
        lines.add(begin + rec.offset, rec.dataOffset + rec.dataLength - rec.offset, m);
    }
    const std::size_t stop = begin + reader.position();
    switch (reader.end()) {
    case RecordListEnd::Filler:
        lines.add(stop, end - stop, "idle filler");
        break;
    case RecordListEnd::ManufacturerData:
        lines.add(stop, end - stop, "manufacturer data");
        break;
    case RecordListEnd::Truncated:
        lines.add(stop, end - stop, "record reaching past the end: not decoded");
        break;
    default:
        break;
    }
}

} // namespace

std::vector<std::string> explainTelegram(std::span<const std::uint8_t> t, const TelegramResult& r, char sep) {
    std::vector<std::string> out;
    Lines lines(t, out);
    const LinkLayer& l = r.link;
    // The buffer's L also counts the receiver's RSSI byte; the radio telegram's does not.
    std::string radioL;
    appendHexBytes(radioL, std::array<std::uint8_t, 1>{std::uint8_t(l.l - 1)});
    lines.addHex(1, radioL, "L " + std::to_string(l.l - 1) + " bytes follow");
    lines.add(2, 1, "C " + std::string(l.c == 0x44 ? "SND_NR" : l.c == 0x46 ? "SND_IR" : "other"));
    lines.add(3, 2, "M " + std::string(l.manufacturer.view()));
    lines.add(5, 4, "ID " + l.idText.str());
    lines.add(9, 1, "version " + std::to_string(l.version));
    lines.add(10, 1, "device type " + std::to_string(l.deviceType));
    std::size_t c = 11;
    if (t[c] == 0x8D && (r.extendedLinkLayerSize > 0 || r.security == SecurityMode::ExtendedLinkLayer)) {
        lines.add(c, 1, "CI 8D extended link layer");
        lines.add(c + 1, 2, "communication control, access number");
        lines.add(c + 3, 4, "session number");
        if (r.security == SecurityMode::ExtendedLinkLayer && !r.decrypted) {
            lines.add(c + 7, r.link.l + 1 - (c + 7), "encrypted (no key fitted)");
            lines.add(r.link.l + 1, 1, "RSSI " + r.rssiText.str());
            return out;
        }
        lines.add(c + 7, 2,
                  r.security == SecurityMode::ExtendedLinkLayer ? "payload CRC, decrypted and checked"
                                                                : "payload CRC");
        c += 9;
    } else if (r.extendedLinkLayerSize > 0) {
        lines.add(c, 1, "CI " + hex2(t[c]) + " extended link layer");
        lines.add(c + 1, r.extendedLinkLayerSize, "communication control, access number");
        c += r.extendedLinkLayerSize + 1;
    }
    if (r.hasAuthentication) {
        const AuthenticationLayer& a = r.authentication;
        lines.add(c, 2, "CI 90 authentication layer, " + std::to_string(a.length) + " bytes follow");
        std::size_t q = c + 2;
        lines.add(q, 2, "fragmentation control");
        q += 2;
        if (a.mcl) {
            lines.add(q++, 1,
                      "message control, authentication type " + std::to_string(a.authenticationType()));
        }
        if (a.ki) {
            lines.add(q, 2, "key information");
            q += 2;
        }
        if (a.counter) {
            lines.add(q, 4, "message counter");
            q += 4;
        }
        if (a.macLength) {
            lines.add(q, a.macLength, "MAC");
            q += a.macLength;
        }
        if (a.messageLength)
            lines.add(q, 2, "message length " + std::to_string(*a.messageLength));
        c += a.size();
    }
    if (r.truncated) {
        lines.add(c, r.link.l + 1 - c, "header reaching past the end: not decoded");
        lines.add(r.link.l + 1, 1, "RSSI " + r.rssiText.str());
        return out;
    }
    const std::string headerName = r.header == HeaderKind::Long    ? " long header"
                                   : r.header == HeaderKind::Short ? " short header"
                                                                   : (r.knownCi ? " no header" : " unknown");
    lines.add(c, 1, "CI " + hex2(r.ci) + headerName);
    if (r.header == HeaderKind::Long) {
        lines.add(c + 1, 4, "header ID " + r.headerIdText.str());
        lines.add(c + 5, 2, "header M");
        lines.add(c + 7, 1, "header version " + std::to_string(r.headerVersion));
        lines.add(c + 8, 1,
                  "header device type " + std::to_string(r.deviceType) + " " + std::string(r.mediumText));
        c += 8;
    }
    if (r.header != HeaderKind::None) {
        lines.add(c + 1, 1, "access number " + std::to_string(r.accessNumber));
        lines.add(c + 2, 1, "status " + hex2(r.status));
        lines.add(c + 3, 2, "configuration, " + securityText(r));
        if (r.mode7)
            lines.add(c + 5, 1, "configuration extension");
    }
    const std::size_t end = std::size_t(r.link.l) + 1;
    if (r.recordsEnd > r.recordsOffset) {
        if (r.recordsOffset > r.payloadOffset)
            lines.add(r.payloadOffset, r.recordsOffset - r.payloadOffset,
                      r.decrypted ? "2F 2F: key fits" : "idle filler");
        explainRecords(lines, t, r, sep);
    } else if (r.payloadOffset < end) {
        std::string what = "payload";
        if (r.encrypted && !r.decrypted)
            what = "encrypted payload (no key fitted)";
        else if (r.ci == 0x79 || r.ci == 0x7B || r.ci == 0x73)
            what = r.compact == CompactOutcome::Expanded ? "compact frame, expanded by its stored format"
                   : r.compact == CompactOutcome::CrcMismatch
                       ? "compact frame: the stored format of its signature "
                         "fails the full frame's CRC, no values"
                       : "compact frame: no stored format, no values";
        else if (r.ci == 0x69 || r.ci == 0x6A || r.ci == 0x6B)
            what = "format frame";
        else if (!r.valuesTaken)
            what = "payload (values not taken)";
        lines.add(r.payloadOffset, end - r.payloadOffset, what);
    }
    lines.add(end, 1, "RSSI " + r.rssiText.str());
    return out;
}

} // namespace kvq::wmbus
