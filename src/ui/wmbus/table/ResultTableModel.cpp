#include "ui/wmbus/table/ResultTableModel.h"

#include <QTimer>

#include <algorithm>

namespace kvq {

ResultTableModel::ResultTableModel(wmbus::ResultTable& table, const wmbus::TableColumns& columns,
                                   QObject* parent)
    : QAbstractTableModel(parent), table_(table), columns_(columns), batch_(new QTimer(this)),
      shown_(table.size()) {
    batch_->setSingleShot(true);
    batch_->setInterval(kBatchMs);
    connect(batch_, &QTimer::timeout, this, &ResultTableModel::flush);
    table_.addObserver(this);
}

ResultTableModel::~ResultTableModel() {
    table_.removeObserver(this);
}

int ResultTableModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : shown_;
}

int ResultTableModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : columns_.count();
}

QVariant ResultTableModel::data(const QModelIndex& index, int role) const {
    if (role != Qt::DisplayRole ||
        !checkIndex(index, CheckIndexOption::IndexIsValid | CheckIndexOption::ParentIsInvalid))
        return {};
    columns_.cell(table_.at(index.row()), index.row(), index.column(), cell_);
    return QString::fromUtf8(cell_.data(), static_cast<qsizetype>(cell_.size()));
}

QVariant ResultTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (role != Qt::DisplayRole)
        return {};
    if (orientation == Qt::Vertical)
        return section + 1;
    if (section < 0 || section >= columns_.count())
        return {};
    const std::string_view h = columns_.header(section);
    return QString::fromUtf8(h.data(), static_cast<qsizetype>(h.size()));
}

bool ResultTableModel::hasPending() const {
    return shown_ != table_.size() || changedFirst_ >= 0;
}

void ResultTableModel::schedule() {
    if (!batch_->isActive())
        batch_->start();
}

void ResultTableModel::appended(int, int) {
    schedule();
}

void ResultTableModel::rowChanged(int row) {
    // Rows the views do not know yet are shown with their new content when they are inserted.
    if (row >= shown_)
        return;
    changedFirst_ = changedFirst_ < 0 ? row : std::min(changedFirst_, row);
    changedLast_ = std::max(changedLast_, row);
    schedule();
}

void ResultTableModel::flush() {
    batch_->stop();
    if (changedFirst_ >= 0) {
        const int first = changedFirst_, last = changedLast_;
        changedFirst_ = changedLast_ = -1;
        Q_EMIT dataChanged(index(first, 0), index(last, columnCount() - 1), {Qt::DisplayRole});
    }
    const int size = table_.size();
    if (size > shown_) {
        beginInsertRows({}, shown_, size - 1);
        shown_ = size;
        endInsertRows();
    }
}

void ResultTableModel::aboutToReset() {
    batch_->stop();
    beginResetModel();
}

void ResultTableModel::reset() {
    shown_ = table_.size();
    changedFirst_ = changedLast_ = -1;
    endResetModel();
}

} // namespace kvq
