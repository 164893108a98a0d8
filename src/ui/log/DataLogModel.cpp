#include "ui/log/DataLogModel.h"

#include <QColor>
#include <algorithm>

namespace kvq {

log::DayLog::OpenResult DataLogModel::open(const QString& folder, const QString& logName, const QDate& day) {
    beginResetModel();
    const log::DayLog::OpenResult result = log_.open(folder, logName, day);
    // Every field stays visible, also one beyond the heading of an older file.
    columns_ = std::max({int(log_.headerNames().size()), log_.columnCount(), widestRow()});
    endResetModel();
    return result;
}

Status DataLogModel::append(const QStringList& fields) {
    if (fields.size() > columns_) {
        beginInsertColumns({}, columns_, int(fields.size()) - 1);
        columns_ = int(fields.size());
        endInsertColumns();
    }
    const int row = rowCount();
    const bool waiting = log_.unsavedCount() > 0;
    beginInsertRows({}, row, row);
    Status written = log_.append(fields);
    endInsertRows();
    if (waiting)
        refreshRows(0, row);
    return written;
}

Status DataLogModel::saveUnsaved() {
    Status written = log_.saveUnsaved();
    if (rowCount() > 0)
        refreshRows(0, rowCount() - 1);
    return written;
}

void DataLogModel::refreshRows(int first, int last) {
    Q_EMIT dataChanged(index(first, 0), index(last, std::max(columns_ - 1, 0)));
    Q_EMIT headerDataChanged(Qt::Vertical, first, last);
}

int DataLogModel::widestRow() const {
    int widest = 0;
    for (const auto& row : log_.rows())
        widest = std::max(widest, int(row.fields.size()));
    return widest;
}

int DataLogModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : int(log_.rows().size());
}

int DataLogModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : columns_;
}

QVariant DataLogModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= rowCount())
        return {};
    const log::DayLog::Row& row = log_.rows()[index.row()];
    switch (role) {
    case Qt::DisplayRole:
        return index.column() < row.fields.size() ? row.fields[index.column()] : QString();
    case Qt::BackgroundRole:
        return row.saved ? QVariant() : QVariant(QColor(255, 200, 200));
    case Qt::ToolTipRole:
        return row.saved ? QVariant() : QVariant(tr("Nicht gespeichert"));
    default:
        return {};
    }
}

QVariant DataLogModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (role != Qt::DisplayRole)
        return {};
    if (orientation == Qt::Horizontal) {
        const QStringList& heading = log_.heading();
        return section < heading.size() ? heading[section] : QString::number(section + 1);
    }
    if (section < 0 || section >= rowCount())
        return {};
    // A waiting row carries a mark beside its number.
    return log_.rows()[section].saved ? QString::number(section + 1)
                                      : QStringLiteral("%1 !").arg(section + 1);
}

} // namespace kvq
