#include "core/wmbus/compact/KompaktFormatList.h"

#include "core/app/Bytes.h"
#include "core/app/DataRoot.h"
#include "core/app/IniFile.h"
#include "core/wmbus/Crc16.h"
#include "core/wmbus/RecordReader.h"

#include <QDir>
#include <QFileInfo>

#include <array>

namespace kvq::wmbus {

namespace {
constexpr std::uint8_t kFiller = 0x2F;

// "ABCD" (first byte AB, second CD) as the 16-bit value of the two bytes received, -1 when no hex.
int signatureValue(const QString& text) {
    bool ok = false;
    const unsigned v = text.toUInt(&ok, 16);
    if (!ok || text.size() != 4)
        return -1;
    return int(((v & 0xFF) << 8) | (v >> 8));
}

std::uint16_t signatureOf(std::uint8_t first, std::uint8_t second) {
    return static_cast<std::uint16_t>(first | (second << 8));
}
} // namespace

QString KompaktFormatList::defaultPath() {
    QDir().mkpath(dataPath({QStringLiteral("QUELMAR")}));
    return dataPath({QStringLiteral("QUELMAR"), QStringLiteral("KVQ"), QStringLiteral("kformate.ini")});
}

bool KompaktFormatList::fileExists() const {
    return !path_.isEmpty() && QFileInfo::exists(path_);
}

QStringList KompaktFormatList::load(const QString& path) {
    path_ = path;
    formats_.clear();
    signatures_.clear();
    QStringList problems;
    const auto ini = IniFile::load(path);
    if (!ini.ok()) {
        problems << ini.message();
        return problems;
    }
    for (const QString& section : ini->sections()) {
        if (section.isEmpty())
            continue;
        TKompaktFormat f;
        f.signature = section.toUpper();
        f.name = ini->readString(section, QStringLiteral("NAME"), QStringLiteral("---"));
        f.herst = ini->readString(section, QStringLiteral("HERST"), QStringLiteral("QLM"));
        f.medium = ini->readInteger(section, QStringLiteral("MEDIUM"), 8);
        f.format = ini->readString(section, QStringLiteral("FORMAT"), QStringLiteral("2F2F"));
        if (!add(std::move(f)))
            problems << kompaktFormatError();
    }
    return problems;
}

bool KompaktFormatList::add(TKompaktFormat f) {
    if (!parseKompaktFormat(f))
        return false;
    signatures_.push_back(signatureValue(f.signature));
    formats_.push_back(std::move(f));
    return true;
}

QStringList KompaktFormatList::takeMessages() {
    QStringList m;
    m.swap(messages_);
    return m;
}

const TKompaktFormat* KompaktFormatList::find(std::uint16_t signature) const {
    for (std::size_t k = 0; k < signatures_.size(); ++k)
        if (signatures_[k] == signature)
            return &formats_[k];
    return nullptr;
}

std::size_t KompaktFormatList::expand(std::span<const std::uint8_t> frame, std::string_view manufacturer,
                                      std::uint8_t deviceType, std::span<std::uint8_t> out,
                                      CompactOutcome& outcome) {
    outcome = CompactOutcome::NoFormat;
    if (frame.size() < 4)
        return 0;
    const TKompaktFormat* f = find(signatureOf(frame[0], frame[1]));
    if (!f ||
        f->herst.compare(QLatin1String(manufacturer.data(), qsizetype(manufacturer.size())),
                         Qt::CaseInsensitive) != 0 ||
        f->medium != deviceType)
        return 0;
    // Data behind the last record (idle filler) is not looked at.
    std::span<const std::uint8_t> data = frame.subspan(4);
    const auto n = expandKompakt(*f, data, out);
    const std::uint16_t fullCrc = static_cast<std::uint16_t>(frame[2] | (frame[3] << 8));
    if (!n || wmbusCrc(out.first(*n)) != fullCrc) {
        outcome = CompactOutcome::CrcMismatch;
        return 0;
    }
    outcome = CompactOutcome::Expanded;
    return *n;
}

void KompaktFormatList::store(const QString& name, std::uint16_t sig, std::string_view manufacturer,
                              std::uint8_t deviceType, std::span<const std::uint8_t> headers) {
    if (find(sig))
        return;
    const QString signature = kompaktSignatureText(std::uint8_t(sig & 0xFF), std::uint8_t(sig >> 8));
    TKompaktFormat f;
    f.name = name;
    f.signature = signature;
    f.herst = QString::fromLatin1(manufacturer.data(), qsizetype(manufacturer.size()));
    f.medium = deviceType;
    f.format = QString::fromStdString(toHexText(headers));
    f.format.remove(QLatin1Char(' '));
    if (writeBack_) {
        // The file is extended only when it is there, and a signature it holds is never rewritten.
        if (!fileExists())
            return;
        auto ini = IniFile::load(path_);
        if (!ini.ok()) {
            messages_ << ini.message();
            return;
        }
        if (!ini->sectionExists(signature)) {
            ini->writeString(signature, QStringLiteral("NAME"), f.name);
            ini->writeString(signature, QStringLiteral("HERST"), f.herst);
            ini->writeInteger(signature, QStringLiteral("MEDIUM"), f.medium);
            ini->writeString(signature, QStringLiteral("FORMAT"), f.format);
            if (const Status saved = ini->save(path_); !saved) {
                messages_ << saved.message();
                return;
            }
        }
    }
    if (!add(std::move(f)))
        messages_ << kompaktFormatError();
}

void KompaktFormatList::learn(std::span<const std::uint8_t> frame, std::string_view manufacturer,
                              std::uint8_t deviceType) {
    if (frame.size() < 3)
        return;
    // The headers run to the end of the frame, without trailing idle filler; a frame whose headers
    // do not give its signature is damaged and teaches nothing.
    std::span<const std::uint8_t> headers = frame.subspan(2);
    while (!headers.empty() && headers.back() == kFiller)
        headers = headers.first(headers.size() - 1);
    const std::uint16_t signature = signatureOf(frame[0], frame[1]);
    if (wmbusCrc(headers) != signature)
        return;
    store(QStringLiteral("unknown"), signature, manufacturer, deviceType, headers);
}

void KompaktFormatList::learnFullFrame(std::span<const std::uint8_t> records, std::string_view manufacturer,
                                       std::uint8_t deviceType) {
    if (!learnFullFrames_)
        return;
    std::array<std::uint8_t, 256> headers;
    std::size_t n = 0;
    RecordReader reader(records, RecordOptions{',', false});
    DataRecord r;
    while (reader.next(r)) {
        // Plain-text units cannot be left out of a compact frame.
        if (r.unitLength > 0)
            return;
        const std::size_t end = r.dataField == 13 ? r.dataOffset - 1 : r.dataOffset;
        if (end - r.offset > headers.size() - n)
            return;
        std::copy(records.begin() + r.offset, records.begin() + end, headers.begin() + n);
        n += end - r.offset;
    }
    // Manufacturer data or a damaged record: the headers are not known to the end.
    if (n == 0 || (reader.end() != RecordListEnd::Complete && reader.end() != RecordListEnd::Filler))
        return;
    const std::span<const std::uint8_t> h(headers.data(), n);
    store(QStringLiteral("learned"), wmbusCrc(h), manufacturer, deviceType, h);
}

} // namespace kvq::wmbus
