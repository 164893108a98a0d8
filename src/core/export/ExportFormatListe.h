#pragma once
// All export formats of "Exportformat.EXF" in file order, the telegrams offered to them, and the CSV
// files they write.

#include "core/app/IniFile.h"
#include "core/app/Result.h"
#include "core/export/ExportFormat.h"
#include "core/export/ExportSheet.h"

#include <QDateTime>
#include <QString>
#include <QStringList>

#include <memory>
#include <vector>

namespace kvq::exporting {

struct CsvWriteFailure {
    QString format;
    QString message;
};

class ExportFormatListe {
public:
    // Reads every section of the file; a missing file is an empty list. Sections are read as far as
    // they can be (see readExportFormat); only a file that exists but cannot be read fails.
    static Result<ExportFormatListe> load(const QString& path, QStringList* messages = nullptr);
    static ExportFormatListe fromIni(const IniFile& ini, QStringList* messages = nullptr);

    int size() const { return static_cast<int>(formats_.size()); }
    bool empty() const { return formats_.empty(); }
    const ExportFormat& at(int i) const { return *formats_[static_cast<std::size_t>(i)].format; }
    ExportSheet& sheet(int i) { return *formats_[static_cast<std::size_t>(i)].sheet; }
    const ExportSheet& sheet(int i) const { return *formats_[static_cast<std::size_t>(i)].sheet; }
    int indexOf(const QString& name) const; // -1 when no format has the name

    // Takes the formats of a freshly read list in its order; a format of the same name keeps its
    // sheet (started afresh when its columns changed).
    void adopt(ExportFormatListe&& fresh);

    // Offers a telegram to the formats in list order; the first whose filter passes takes it.
    // Returns its position, or -1 when none took it.
    int apply(const wmbus::TelegramResult& telegram, const QDateTime& now);

    // Path of a format's CSV: the export folder, the format's name and ".csv".
    static QString csvPath(const QString& folder, const QString& formatName);
    // Writes the CSV of every format that has a table into the folder (created when missing). A
    // format that cannot be written is reported by name; the others are still written.
    std::vector<CsvWriteFailure> writeAll(const QString& folder) const;

    // Saves one format into the file (replacing its section, or `oldName`'s when it was renamed),
    // keeping every other section as it stands. The file is replaced only when complete.
    static Status saveFormat(const QString& path, const ExportFormat& format, const QString& oldName = {});
    static Status deleteFormat(const QString& path, const QString& name);

private:
    struct Entry {
        std::unique_ptr<ExportFormat> format;
        std::unique_ptr<ExportSheet> sheet; // refers to the format
    };
    void add(std::unique_ptr<ExportFormat> format);

    std::vector<Entry> formats_;
};

} // namespace kvq::exporting
