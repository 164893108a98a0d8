#pragma once
// The table of one export format: its heading row, fixed at first use, and one row per sending
// device (a format's filter admits one manufacturer and device type, so that is one row per radio
// ID). Rows are kept as the data tables keep them; the format turns them into its columns.

#include "core/app/Result.h"
#include "core/export/ExportFormat.h"
#include "core/wmbus/table/ResultTable.h"
#include "core/wmbus/table/TableColumns.h"

#include <QByteArray>
#include <QDateTime>

#include <string>
#include <vector>

namespace kvq::exporting {

class ExportSheet final : public wmbus::TableColumns {
public:
    // The format must outlive the sheet.
    explicit ExportSheet(const ExportFormat& format) : format_(format) {}

    bool started() const { return started_; }
    // Takes a telegram that passed the format's filter: on first use the headings are fixed with
    // `now`'s day, then the device's row is updated or appended. `now` also stands in for a
    // telegram without receive time.
    void apply(const wmbus::TelegramResult& telegram, const QDateTime& now);
    // Forgets headings and rows, as before first use (the format's columns changed).
    void discard();

    wmbus::ResultTable& table() { return table_; }
    const wmbus::ResultTable& table() const { return table_; }

    int count() const override { return static_cast<int>(headings_.size()); }
    std::string_view header(int column) const override;
    void cell(const wmbus::StoredResult& stored, int row, int column, std::string& out) const override;

    // Heading row and rows, as the CSV file holds them.
    QByteArray csvBytes() const { return wmbus::tableCsv(table_, *this); }
    // The whole file at once; an existing file is replaced only when the new one is complete.
    Status writeCsv(const QString& path) const { return wmbus::writeTableCsv(path, table_, *this); }

private:
    const ExportFormat& format_;
    std::vector<std::string> headings_;
    bool started_ = false;
    wmbus::ResultTable table_;
};

} // namespace kvq::exporting
