#pragma once
// The day log as a table model: one row per reading, the file's heading as column names. Rows whose
// line is not yet in the file are marked, so a reader sees at once what still has to be saved.

#include "core/log/DayLog.h"

#include <QAbstractTableModel>

namespace kvq {

class DataLogModel : public QAbstractTableModel {
    Q_OBJECT
public:
    using QAbstractTableModel::QAbstractTableModel;

    void setHeaderNames(const QStringList& names) { log_.setHeaderNames(names); }
    log::DayLog::OpenResult open(const QString& folder, const QString& logName, const QDate& day);
    Status append(const QStringList& fields);
    Status saveUnsaved();
    const log::DayLog& dayLog() const { return log_; }

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

private:
    // Rows that were waiting before an attempt to write them now show whether they made it.
    void refreshRows(int first, int last);
    int widestRow() const;

    log::DayLog log_;
    int columns_ = 0;
};

} // namespace kvq
