#pragma once
// INI files as Windows programs write them: sections and keys compared without regard to case, values
// taken verbatim (no quoting, escaping or list splitting), key and section order kept, defaults for
// missing keys. Lines nobody changed are written back exactly as read, in the file's own encoding and
// line ending, so an unchanged file round-trips byte for byte.

#include "core/app/Result.h"
#include "core/app/TextCodec.h"

#include <QHash>
#include <QString>
#include <QStringList>
#include <vector>

namespace kvq {

class IniFile {
public:
    IniFile() = default;

    // Reads a file. A missing file gives an empty INI (ok) whose `existed()` is false; a file that
    // exists but cannot be read is an error.
    static Result<IniFile> load(const QString& path);
    static IniFile fromBytes(const QByteArray& bytes);

    bool existed() const { return existed_; }
    TextEncoding encoding() const { return encoding_; }

    QString readString(const QString& section, const QString& key, const QString& def = {}) const;
    // Decimal integer with optional sign and surrounding blanks; anything else gives the default.
    int readInteger(const QString& section, const QString& key, int def) const;
    // "0" is false, any other integer true; no number gives the default.
    bool readBool(const QString& section, const QString& key, bool def) const;
    double readFloat(const QString& section, const QString& key, double def) const;

    void writeString(const QString& section, const QString& key, const QString& value);
    void writeInteger(const QString& section, const QString& key, int value);
    void writeBool(const QString& section, const QString& key, bool value);

    bool sectionExists(const QString& section) const;
    bool valueExists(const QString& section, const QString& key) const;
    QStringList sections() const;
    QStringList keys(const QString& section) const;
    // All key=value pairs of a section in file order.
    std::vector<std::pair<QString, QString>> entries(const QString& section) const;

    void eraseSection(const QString& section);
    void deleteKey(const QString& section, const QString& key);

    QByteArray toBytes() const;
    // Writes a temporary file beside `path` and replaces `path` with it; on failure the old file stays.
    Status save(const QString& path) const;

private:
    struct Entry {
        QString key; // empty for comment and blank lines
        QString value;
        QString raw; // the original line; empty when the entry was created or changed
    };
    struct Section {
        QString name;
        QString rawHeader;       // original "[name]" line, empty when created
        bool headerless = false; // lines before the first section
        std::vector<Entry> entries;
        QHash<QString, int> index; // lower-case key -> entry position
    };

    const Section* findSection(const QString& name) const;
    Section& sectionForWrite(const QString& name);
    const Entry* findEntry(const QString& section, const QString& key) const;
    void rebuildSectionIndex();
    static void rebuildEntryIndex(Section& s);

    std::vector<Section> sections_;
    QHash<QString, int> sectionIndex_; // lower-case name -> position
    TextEncoding encoding_ = TextEncoding::Windows1252;
    QString newline_ = QStringLiteral("\r\n");
    bool trailingNewline_ = true;
    bool existed_ = false;
};

} // namespace kvq
