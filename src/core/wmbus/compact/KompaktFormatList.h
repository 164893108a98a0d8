#pragma once
// The compact-frame formats of "kformate.ini": loaded once, extended by format frames (and, when
// switched on, by the headers of full frames), and used to expand compact frames into full records.
//
// A compact frame is expanded by the first definition of its signature, and only when that
// definition's manufacturer and device type are the telegram's. The records it gives must match
// the full frame's CRC that the compact frame carries; a stale or wrong definition would otherwise
// put wrong consumptions under right units.

#include "core/wmbus/DecoderInterfaces.h"
#include "core/wmbus/compact/KompaktFormat.h"

#include <QStringList>

#include <vector>

namespace kvq::wmbus {

class KompaktFormatList : public CompactFrameHandler {
public:
    // "kformate.ini" in the data root (QUELMAR/KVQ, the folder created when missing).
    static QString defaultPath();

    // Reads every section of the file. Returns one message per definition that cannot be read
    // (kompaktFormatError()); such a definition is left out. A missing file loads nothing.
    QStringList load(const QString& path);
    const QString& path() const { return path_; }
    bool fileExists() const;

    // Writing learned definitions to the file (the recorder); without it they are kept in memory only.
    void setWriteBack(bool on) { writeBack_ = on; }
    // Learning the headers of full frames (CI 0x78, 0x7A, 0x72) as well as of format frames.
    void setLearnFromFullFrames(bool on) { learnFullFrames_ = on; }

    const std::vector<TKompaktFormat>& formats() const { return formats_; }
    // Adds a definition (FORMAT parsed); false with the list unchanged when it cannot be read.
    bool add(TKompaktFormat format);
    // Messages of definitions learned since the last call that could not be read or written.
    QStringList takeMessages();

    std::size_t expand(std::span<const std::uint8_t> frame, std::string_view manufacturer,
                       std::uint8_t deviceType, std::span<std::uint8_t> out,
                       CompactOutcome& outcome) override;
    void learn(std::span<const std::uint8_t> frame, std::string_view manufacturer,
               std::uint8_t deviceType) override;
    void learnFullFrame(std::span<const std::uint8_t> records, std::string_view manufacturer,
                        std::uint8_t deviceType) override;

private:
    const TKompaktFormat* find(std::uint16_t signature) const;
    void store(const QString& name, std::uint16_t signature, std::string_view manufacturer,
               std::uint8_t deviceType, std::span<const std::uint8_t> headers);

    QString path_;
    std::vector<TKompaktFormat> formats_;
    // Signature of each definition as received (first byte low), for lookups without texts;
    // -1 for a section name that is no signature.
    std::vector<int> signatures_;
    QStringList messages_;
    bool writeBack_ = false;
    bool learnFullFrames_ = true;
};

} // namespace kvq::wmbus
