#include "core/wmbus/TelegramDecoder.h"

#include "core/wmbus/MediumTable.h"

#include <algorithm>
#include <charconv>

namespace kvq::wmbus {

namespace {
constexpr std::uint8_t kFiller = 0x2F;
constexpr std::uint8_t kAuthenticationCi = 0x90;
constexpr std::uint8_t kEllCi = 0x8D; // extended link layer with session number and payload CRC
constexpr std::uint8_t kFixupL = 119, kFixupDeviceType = 7, kFixupVersion = 25;
} // namespace

std::uint32_t radioIdOf(std::string_view idText) {
    std::uint64_t v = 0;
    std::from_chars(idText.data(), idText.data() + idText.size(), v);
    return static_cast<std::uint32_t>(v);
}

bool TelegramDecoder::decode(std::span<std::uint8_t> t, ReceiveTime time, TelegramResult& out) {
    out.reset();
    const auto link = decodeLinkLayer(t);
    if (!link)
        return false;
    out.link = *link;
    out.receiveTime = time;
    out.rssiText = rssiText(link->rssiRaw, framing_);
    out.rssi = rssiValue(link->rssiRaw, framing_);
    // Header and payload end before the RSSI byte.
    const std::size_t end = static_cast<std::size_t>(link->l) + 1;

    // An encrypted extended link layer hides the transport layer: it is decrypted first.
    const bool ellEncrypted = t[11] == kEllCi && end >= 20 && (t[17] >> 5) == 1;
    bool ellDecrypted = false;
    if (ellEncrypted) {
        DeviceLookup device;
        if (directory_)
            device = directory_->findDevice(radioIdOf(link->idText.view()), link->deviceType,
                                            link->manufacturer.view());
        ellDecrypted = decryptExtendedLinkLayer(t, end, device, out);
    }
    if (!ellEncrypted || ellDecrypted) {
        readTransport(t, end, out);
    } else {
        out.ci = t[11];
        out.ciPosition = 11;
        out.deviceType = out.link.deviceType;
        out.mediumText = mediumText(out.deviceType);
        out.headerIdText = out.link.idText;
        out.headerId = out.link.id;
    }
    if (ellEncrypted && out.security == SecurityMode::None) {
        out.security = SecurityMode::ExtendedLinkLayer;
        out.encrypted = true;
        out.decrypted = ellDecrypted;
    }

    const bool filterPasses =
        !filter_ || filter_->passes(link->manufacturer.view()) || link->manufacturer.view() == "WZG";
    out.valuesTaken = filterPasses && out.serialIdText() != "01020304";

    DeviceLookup device;
    if (directory_)
        device =
            directory_->findDevice(radioIdOf(link->idText.view()), out.deviceType, link->manufacturer.view());
    out.registered = device.found;

    if (out.security == SecurityMode::Mode5 || out.security == SecurityMode::Mode7)
        decrypt(t, end, device, out);
    if (out.knownCi && !out.truncated && (!out.encrypted || out.decrypted))
        dispatch(t, end, out);

    if (out.link.l == kFixupL && out.deviceType == kFixupDeviceType && out.link.version == kFixupVersion) {
        // These devices send 0 for volumes of storages they have not filled yet; the value of the
        // next older storage stands in for them.
        std::string last = "0";
        for (std::size_t k = kMaxValuePairs; k-- > 0;) {
            ValuePair& p = out.values[k];
            if (p.unit.find("m³[") == std::string::npos)
                continue;
            if (p.value == "0")
                p.value = last;
            last = p.value;
        }
    }
    return true;
}

void TelegramDecoder::readTransport(std::span<const std::uint8_t> t, std::size_t end, TelegramResult& out) {
    std::size_t c = 11;
    out.headerIdText = out.link.idText;
    out.headerId = out.link.id;
    out.headerM = out.link.m;
    out.headerVersion = out.link.version;
    out.deviceType = out.link.deviceType;
    out.mediumText = mediumText(out.deviceType);
    out.ci = t[c];
    out.ciPosition = c;

    auto extended = [&](std::size_t size) {
        // size bytes of extended link layer, then the next CI, maybe an authentication layer.
        if (c + size + 1 >= end)
            return false;
        std::copy_n(t.begin() + c + 1, size, out.extendedLinkLayer.begin());
        out.extendedLinkLayerSize = size;
        c += size + 1;
        if (t[c] == kAuthenticationCi) {
            const auto afl = parseAuthenticationLayer(t.subspan(c, end - c));
            if (!afl || c + afl->size() >= end)
                return false;
            out.authentication = *afl;
            out.hasAuthentication = true;
            c += afl->size();
        }
        return true;
    };
    bool complete = true;
    if (out.ci == 0x8C)
        complete = extended(2);
    else if (out.ci == 0x8E)
        complete = extended(10);
    else if (out.ci == kEllCi)
        complete = extended(8); // CC, access number, session number, payload CRC
    out.ci = t[c];
    out.ciPosition = c;
    if (!complete) {
        out.truncated = true;
        return;
    }

    switch (out.ci) {
    case 0x69:
    case 0x78:
    case 0x79:
        out.knownCi = true;
        out.payloadOffset = c + 1;
        return;
    case 0x6A:
    case 0x7A:
    case 0x7B:
        out.knownCi = true;
        if (c + 4 >= end) {
            out.truncated = true;
            return;
        }
        out.header = HeaderKind::Short;
        out.accessNumber = t[c + 1];
        out.status = t[c + 2];
        out.configuration = static_cast<std::uint16_t>(t[c + 3] | (t[c + 4] << 8));
        out.payloadOffset = c + 5;
        break;
    case 0x6B:
    case 0x72:
    case 0x73:
        out.knownCi = true;
        if (c + 12 >= end) {
            out.truncated = true;
            return;
        }
        out.header = HeaderKind::Long;
        out.headerIdText = idText(std::span<const std::uint8_t, 4>(t.subspan(c + 1, 4)));
        std::copy_n(t.begin() + c + 1, 4, out.headerId.begin());
        std::copy_n(t.begin() + c + 5, 2, out.headerM.begin());
        out.headerVersion = t[c + 7];
        out.deviceType = t[c + 8];
        out.mediumText = mediumText(out.deviceType);
        out.accessNumber = t[c + 9];
        out.status = t[c + 10];
        out.configuration = static_cast<std::uint16_t>(t[c + 11] | (t[c + 12] << 8));
        out.payloadOffset = c + 13;
        break;
    default:
        return; // no header, no values
    }

    const std::uint8_t low = out.configuration & 0xFF, high = out.configuration >> 8;
    out.encryptedBlocks = low >> 4;
    out.repeated = out.header == HeaderKind::Long && (low & 0x03) != 0;
    if (low != 0 && (high & 0x0F) == 5)
        out.security = SecurityMode::Mode5;
    if (low != 0 && (high & 0x0F) == 7)
        out.security = SecurityMode::Mode7;
    out.encrypted = out.security != SecurityMode::None;
    out.mode7 = out.security == SecurityMode::Mode7;
    if (out.mode7)
        out.payloadOffset += 1; // configuration extension byte
}

void TelegramDecoder::decrypt(std::span<std::uint8_t> t, std::size_t end, const DeviceLookup& device,
                              TelegramResult& out) {
    const std::size_t length = out.encryptedBlocks * 16;
    if (!decryptor_ || out.truncated || out.payloadOffset > end || length > end - out.payloadOffset)
        return;
    DecryptRequest req;
    req.telegram = t;
    req.ciPosition = out.ciPosition;
    req.payloadOffset = out.payloadOffset;
    req.blocks = out.encryptedBlocks;
    req.mode = out.security;
    req.m = out.headerM;
    req.linkId = out.link.id;
    req.version = out.headerVersion;
    req.deviceType = out.deviceType;
    req.accessNumber = out.accessNumber;
    req.headerIdText = out.headerIdText.view();
    req.headerId = out.headerId;
    req.linkIdText = out.link.idText.view();
    if (out.hasAuthentication)
        req.authentication = &out.authentication;
    req.device = device;
    out.decrypted = decryptor_->decrypt(req, t.subspan(out.payloadOffset, length), out.keyText);
}

bool TelegramDecoder::decryptExtendedLinkLayer(std::span<std::uint8_t> t, std::size_t end,
                                               const DeviceLookup& device, TelegramResult& out) {
    if (!decryptor_)
        return false;
    DecryptRequest req;
    req.telegram = t;
    req.ciPosition = 11;
    req.payloadOffset = 18; // the payload CRC, then the transport layer
    req.mode = SecurityMode::ExtendedLinkLayer;
    req.m = out.link.m;
    req.linkId = out.link.id;
    req.version = out.link.version;
    req.deviceType = out.link.deviceType;
    req.headerIdText = out.link.idText.view();
    req.headerId = out.link.id;
    req.linkIdText = out.link.idText.view();
    req.communicationControl = t[12];
    std::copy_n(t.begin() + 14, 4, req.sessionNumber.begin());
    req.device = device;
    return decryptor_->decrypt(req, t.subspan(18, end - 18), out.keyText);
}

void TelegramDecoder::dispatch(std::span<const std::uint8_t> t, std::size_t end, TelegramResult& out) {
    const std::size_t p = out.payloadOffset;
    auto from = [&](std::size_t start) {
        return start < end ? t.subspan(start, end - start) : t.subspan(0, 0);
    };
    switch (out.ci) {
    case 0x7A:
    case 0x72:
    case 0x78: {
        std::size_t start = p;
        if (out.security == SecurityMode::Mode5 || out.security == SecurityMode::Mode7)
            start = p + 2; // behind the 2F 2F that proved the key
        else if ((p < end && t[p] == kFiller) || (p + 1 < end && t[p + 1] == kFiller))
            start = p + 2;
        if (!out.valuesTaken)
            return;
        if (start < end) {
            out.recordsOffset = start;
            out.recordsEnd = end;
        }
        takeRecords(from(start), out);
        if (compact_)
            compact_->learnFullFrame(from(start), out.link.manufacturer.view(), out.deviceType);
        return;
    }
    case 0x79:
    case 0x7B:
    case 0x73: {
        if (!compact_ || !out.valuesTaken)
            return;
        const auto frame = from(out.ci == 0x79 ? p : p + 2);
        const std::size_t n = compact_->expand(frame, out.link.manufacturer.view(), out.deviceType,
                                               std::span(expanded_), out.compact);
        takeRecords(std::span<const std::uint8_t>(expanded_).first(std::min(n, expanded_.size())), out);
        return;
    }
    case 0x69:
    case 0x6A:
    case 0x6B:
        if (compact_)
            compact_->learn(from(out.ci == 0x69 ? p + 1 : p + 3), out.link.manufacturer.view(),
                            out.deviceType);
        return;
    default:
        return;
    }
}

void TelegramDecoder::takeRecords(std::span<const std::uint8_t> bytes, TelegramResult& out) {
    RecordReader reader(bytes, options_);
    while (reader.next(record_)) {
        if (out.recordCount < kMaxValuePairs) {
            ValuePair& pair = out.values[out.recordCount];
            pair.value.assign(record_.value);
            pair.unit.assign(record_.unit);
        }
        if (out.errorFlags.empty() && record_.unit == "ERROR FLAGS")
            out.errorFlags.assign(record_.value);
        ++out.recordCount;
    }
}

} // namespace kvq::wmbus
