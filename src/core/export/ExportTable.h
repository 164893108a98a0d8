#pragma once
// The table an export format fills: a heading row and one row per radio ID, found through an index.
// Views follow it through an observer, told before and after every change as item models need it.

#include "core/app/Result.h"

#include <QByteArray>
#include <QString>

#include <cstdint>
#include <string>
#include <unordered_map>
#include <vector>

namespace kvq::exporting {

class ExportTableObserver {
public:
    virtual ~ExportTableObserver() = default;
    virtual void aboutToAppend(int row) = 0;
    virtual void appended(int row) = 0;
    virtual void rowChanged(int row) = 0;
    virtual void aboutToReset() = 0;
    virtual void reset() = 0;
};

class ExportTable {
public:
    using Row = std::vector<std::string>;

    bool started() const { return started_; }
    const Row& heading() const { return heading_; }
    int rowCount() const { return static_cast<int>(rows_.size()); }
    int columnCount() const { return static_cast<int>(heading_.size()); }
    const Row& row(int i) const { return rows_[static_cast<std::size_t>(i)]; }

    // First use: the heading row (the table keeps it until it is discarded).
    void start(Row heading);
    // The position of a radio ID's row, appended when there is none; `appended` tells which.
    int rowFor(std::uint32_t key, bool& appended);
    Row& cells(int row) { return rows_[static_cast<std::size_t>(row)]; }
    // Tells observers the row was filled (the new row or a changed one).
    void finishRow(int row, bool appended);
    // "Delete Data in Table": the data rows go, the heading stays.
    void clearRows();
    // Forgets heading and rows, as before first use.
    void discard();

    // Every row, the heading first, cells joined with ';', CRLF after each line; Windows-1252 where
    // every character has a code, else UTF-8.
    QByteArray csvBytes() const;
    // The whole file at once, replacing an existing one only when the new one is complete.
    Status writeCsv(const QString& path) const;

    void setObserver(ExportTableObserver* observer) { observer_ = observer; }

private:
    Row heading_;
    std::vector<Row> rows_;
    std::unordered_map<std::uint32_t, int> rowOfKey_;
    bool started_ = false;
    ExportTableObserver* observer_ = nullptr;
};

} // namespace kvq::exporting
