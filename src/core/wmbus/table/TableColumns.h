#pragma once
// Column layouts over stored results: a heading per column and the text of each cell, made when it
// is asked for. The layout of tab "ALLE" shows every field; other grids bring their own layout.

#include "core/app/Result.h"
#include "core/wmbus/table/ResultTable.h"

#include <QByteArray>
#include <QString>

#include <string>
#include <string_view>

namespace kvq::wmbus {

class TableColumns {
public:
    virtual ~TableColumns() = default;
    virtual int count() const = 0;
    virtual std::string_view header(int column) const = 0;
    // The cell's text (UTF-8) into `out`, which is cleared first. `row` is the row's position in its
    // table (the "Index" column counts from 1).
    virtual void cell(const StoredResult& result, int row, int column, std::string& out) const = 0;
};

// "Index", "Length", "RadioID", "TCount", "MeterID", "RTime", "Medium", "MC", "AES", "RSSI", then 20
// pairs "Value", "Unit".
class AllColumns final : public TableColumns {
public:
    enum Column { Index, Length, RadioId, TCount, MeterId, RTime, Medium, MC, AES, RSSI, FirstValue };
    static const AllColumns& instance();
    int count() const override;
    std::string_view header(int column) const override;
    void cell(const StoredResult& result, int row, int column, std::string& out) const override;
};

// The table as CSV text: heading row and every row, cells joined with ";" (a cell holding ';', a
// quote or a line break is quoted), lines ended by CR LF, in Windows-1252 (UTF-8 when a text has no
// Windows-1252 form).
QByteArray tableCsv(const ResultTable& table, const TableColumns& columns);
// Writes the whole file at once; an existing file is replaced only when the new one is complete.
Status writeTableCsv(const QString& path, const ResultTable& table, const TableColumns& columns);

} // namespace kvq::wmbus
