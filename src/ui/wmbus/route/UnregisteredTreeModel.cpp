#include "ui/wmbus/route/UnregisteredTreeModel.h"

#include "core/wmbus/MediumTable.h"
#include "core/wmbus/output/TelegramOutput.h"

#include <QDataStream>
#include <QDateTime>
#include <QMimeData>

namespace kvq {

namespace {
// Internal ids: 0 for a list row, list + 1 for the entries below that list.
constexpr quintptr kListRow = 0;
} // namespace

// Turns the changes of one list into the model's signals.
class UnregisteredTreeModel::Watcher final : public wmbus::UnregisteredListObserver {
public:
    Watcher(UnregisteredTreeModel& model, List list) : model_(model), list_(list) {}
    void appended(int row) override {
        model_.beginInsertRows(model_.listIndex(list_), row, row);
        model_.endInsertRows();
    }
    void changed(int row) override {
        const QModelIndex i = model_.entryIndex(list_, row);
        Q_EMIT model_.dataChanged(i, i);
    }
    void aboutToRemove(int row) override { model_.beginRemoveRows(model_.listIndex(list_), row, row); }
    void removed(int) override { model_.endRemoveRows(); }
    // Emptying and sorting one list leaves the other as it is: announced as a layout change when rows
    // stay, as a removal otherwise.
    void aboutToReset() override {
        const int n = model_.list(list_).size();
        if (n > 0)
            model_.beginRemoveRows(model_.listIndex(list_), 0, n - 1);
        removing_ = n;
    }
    void reset() override {
        if (removing_ > 0)
            model_.endRemoveRows();
        const int n = model_.list(list_).size();
        if (n > 0) {
            model_.beginInsertRows(model_.listIndex(list_), 0, n - 1);
            model_.endInsertRows();
        }
    }

private:
    UnregisteredTreeModel& model_;
    List list_;
    int removing_ = 0;
};

QString UnregisteredTreeModel::mimeType() {
    return QStringLiteral("application/x-kvq-unregistered-device");
}

UnregisteredTreeModel::UnregisteredTreeModel(wmbus::UnregisteredList& received,
                                             wmbus::UnregisteredList& imported, QObject* parent)
    : QAbstractItemModel(parent), received_(received), imported_(imported) {
    watchers_[Received] = std::make_unique<Watcher>(*this, Received);
    watchers_[Imported] = std::make_unique<Watcher>(*this, Imported);
    received_.addObserver(watchers_[Received].get());
    imported_.addObserver(watchers_[Imported].get());
}

UnregisteredTreeModel::~UnregisteredTreeModel() {
    received_.removeObserver(watchers_[Received].get());
    imported_.removeObserver(watchers_[Imported].get());
}

QModelIndex UnregisteredTreeModel::listIndex(List which) const {
    return createIndex(which, 0, kListRow);
}

QModelIndex UnregisteredTreeModel::entryIndex(List which, int row) const {
    return createIndex(row, 0, quintptr(which) + 1);
}

QModelIndex UnregisteredTreeModel::index(int row, int column, const QModelIndex& parent) const {
    if (column != 0 || row < 0 || row >= rowCount(parent))
        return {};
    if (!parent.isValid())
        return listIndex(static_cast<List>(row));
    return entryIndex(static_cast<List>(parent.row()), row);
}

QModelIndex UnregisteredTreeModel::parent(const QModelIndex& child) const {
    if (!child.isValid() || child.internalId() == kListRow)
        return {};
    return listIndex(static_cast<List>(child.internalId() - 1));
}

int UnregisteredTreeModel::rowCount(const QModelIndex& parent) const {
    if (!parent.isValid())
        return 2;
    if (parent.column() != 0 || parent.internalId() != kListRow)
        return 0;
    return list(static_cast<List>(parent.row())).size();
}

int UnregisteredTreeModel::columnCount(const QModelIndex&) const {
    return 1;
}

QVariant UnregisteredTreeModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid())
        return {};
    if (index.internalId() == kListRow) {
        if (role != Qt::DisplayRole && role != Qt::AccessibleTextRole)
            return {};
        return index.row() == Received ? tr("Empfangsliste") : tr("Importliste");
    }
    const wmbus::UnregisteredDevice& d = list(static_cast<List>(index.internalId() - 1)).at(index.row());
    switch (role) {
    case Qt::DisplayRole:
    case Qt::AccessibleTextRole:
        return QStringLiteral("%1  %2  %3").arg(d.idText, d.manufacturer).arg(d.deviceType);
    case Qt::ToolTipRole: {
        const QString medium =
            QString::fromLatin1(wmbus::mediumText(static_cast<std::uint8_t>(d.deviceType & 0xFF)));
        if (d.telegrams == 0)
            return medium;
        const std::string time = wmbus::receiveTimeText(d.lastTime, QDateTime::currentDateTime());
        return tr("%1\n%2 Telegramme, zuletzt %3, RSSI %4")
            .arg(medium)
            .arg(d.telegrams)
            .arg(QString::fromStdString(time), d.rssi);
    }
    default:
        return {};
    }
}

Qt::ItemFlags UnregisteredTreeModel::flags(const QModelIndex& index) const {
    if (!index.isValid())
        return Qt::NoItemFlags;
    if (index.internalId() == kListRow)
        return Qt::ItemIsEnabled;
    return Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsDragEnabled | Qt::ItemNeverHasChildren;
}

QStringList UnregisteredTreeModel::mimeTypes() const {
    return {mimeType()};
}

Qt::DropActions UnregisteredTreeModel::supportedDragActions() const {
    return Qt::MoveAction;
}

QMimeData* UnregisteredTreeModel::mimeData(const QModelIndexList& indexes) const {
    for (const QModelIndex& i : indexes) {
        if (!i.isValid() || i.internalId() == kListRow)
            continue;
        const List which = static_cast<List>(i.internalId() - 1);
        const wmbus::UnregisteredDevice& d = list(which).at(i.row());
        QByteArray bytes;
        QDataStream out(&bytes, QIODevice::WriteOnly);
        out << qint32(which) << qint32(i.row()) << d.idText << d.manufacturer << qint32(d.deviceType);
        auto* data = new QMimeData;
        data->setData(mimeType(), bytes);
        data->setText(d.idText);
        return data;
    }
    return nullptr;
}

std::optional<UnregisteredTreeModel::Entry> UnregisteredTreeModel::entryOf(const QMimeData& data) const {
    QDataStream in(data.data(mimeType()));
    qint32 which = -1, row = -1, type = -1;
    QString id, man;
    in >> which >> row >> id >> man >> type;
    if (in.status() != QDataStream::Ok || (which != Received && which != Imported))
        return std::nullopt;
    const wmbus::UnregisteredList& l = list(static_cast<List>(which));
    if (row < 0 || row >= l.size())
        return std::nullopt;
    // The list may have changed since the drag began.
    const wmbus::UnregisteredDevice& d = l.at(row);
    if (d.idText != id || d.manufacturer != man || d.deviceType != type)
        return std::nullopt;
    return Entry{static_cast<List>(which), row};
}

} // namespace kvq
