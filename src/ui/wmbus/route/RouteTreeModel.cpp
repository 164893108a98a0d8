#include "ui/wmbus/route/RouteTreeModel.h"

#include "core/wmbus/MediumTable.h"
#include "ui/wmbus/route/RouteImages.h"

#include <QMimeData>

namespace kvq {

using wmbus::RouteNodeId;
using wmbus::RouteNodeKind;

RouteTreeModel::RouteTreeModel(wmbus::Route& route, QObject* parent)
    : QAbstractItemModel(parent), route_(route) {
    route_.addObserver(this);
}

RouteTreeModel::~RouteTreeModel() {
    route_.removeObserver(this);
}

QModelIndex RouteTreeModel::indexOf(RouteNodeId node) const {
    if (!route_.contains(node))
        return {};
    return createIndex(node == route_.root() ? 0 : route_.row(node), 0, quintptr(node));
}

RouteNodeId RouteTreeModel::nodeAt(const QModelIndex& index) const {
    if (!index.isValid() || index.model() != this)
        return 0;
    return static_cast<RouteNodeId>(index.internalId());
}

QModelIndex RouteTreeModel::index(int row, int column, const QModelIndex& parent) const {
    if (column != 0 || row < 0)
        return {};
    if (!parent.isValid())
        return row == 0 ? createIndex(0, 0, quintptr(route_.root())) : QModelIndex();
    const RouteNodeId child = route_.child(nodeAt(parent), row);
    return child ? createIndex(row, 0, quintptr(child)) : QModelIndex();
}

QModelIndex RouteTreeModel::parent(const QModelIndex& child) const {
    const RouteNodeId node = nodeAt(child);
    if (node == 0 || node == route_.root())
        return {};
    return indexOf(route_.parent(node));
}

int RouteTreeModel::rowCount(const QModelIndex& parent) const {
    if (!parent.isValid())
        return 1;
    if (parent.column() != 0)
        return 0;
    return route_.childCount(nodeAt(parent));
}

int RouteTreeModel::columnCount(const QModelIndex&) const {
    return 1;
}

QVariant RouteTreeModel::data(const QModelIndex& index, int role) const {
    const RouteNodeId node = nodeAt(index);
    if (!route_.contains(node))
        return {};
    switch (role) {
    case Qt::DisplayRole:
    case Qt::AccessibleTextRole:
        return route_.nodeText(node);
    case Qt::DecorationRole:
        return iconFor(route_.nodeImage(node), route_.nodeStateImage(node));
    case Qt::ToolTipRole:
        return toolTip(node);
    case NodeIdRole:
        return QVariant::fromValue(node);
    case NodeKindRole:
        return static_cast<int>(*route_.kind(node));
    case NodeImageRole:
        return route_.nodeImage(node);
    case StateImageRole:
        return route_.nodeStateImage(node);
    default:
        return {};
    }
}

Qt::ItemFlags RouteTreeModel::flags(const QModelIndex& index) const {
    if (!index.isValid())
        return Qt::NoItemFlags;
    Qt::ItemFlags f = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
    const auto kind = route_.kind(nodeAt(index));
    if (kind == RouteNodeKind::Device)
        f |= Qt::ItemNeverHasChildren;
    if ((kind == RouteNodeKind::Floor || kind == RouteNodeKind::Device) && dropHandler_)
        f |= Qt::ItemIsDropEnabled;
    return f;
}

void RouteTreeModel::setDropHandler(QStringList mimeTypes, DropHandler handler) {
    dropTypes_ = std::move(mimeTypes);
    dropHandler_ = std::move(handler);
}

QStringList RouteTreeModel::mimeTypes() const {
    return dropTypes_;
}

Qt::DropActions RouteTreeModel::supportedDropActions() const {
    return Qt::MoveAction | Qt::CopyAction;
}

RouteNodeId RouteTreeModel::dropFloor(const QModelIndex& target) const {
    const RouteNodeId node = nodeAt(target);
    const auto kind = route_.kind(node);
    if (kind == RouteNodeKind::Floor)
        return node;
    // A device stands for its floor.
    return kind == RouteNodeKind::Device ? route_.parent(node) : 0;
}

bool RouteTreeModel::canDropMimeData(const QMimeData* data, Qt::DropAction, int, int,
                                     const QModelIndex& parent) const {
    if (!data || !dropHandler_ || dropFloor(parent) == 0)
        return false;
    for (const QString& type : dropTypes_)
        if (data->hasFormat(type))
            return true;
    return false;
}

bool RouteTreeModel::dropMimeData(const QMimeData* data, Qt::DropAction action, int row, int column,
                                  const QModelIndex& parent) {
    if (!canDropMimeData(data, action, row, column, parent))
        return false;
    return dropHandler_(dropFloor(parent), *data);
}

QIcon RouteTreeModel::iconFor(int image, int stateImage) const {
    const int key = image * 8 + stateImage + 1;
    auto it = icons_.find(key);
    if (it == icons_.end())
        it = icons_.insert(key, RouteImages::icon(image, stateImage));
    return *it;
}

QString RouteTreeModel::toolTip(RouteNodeId node) const {
    const wmbus::RouteDevice* d = route_.device(node);
    if (!d)
        return {};
    QString medium = d->medium;
    bool ok = false;
    const int type = d->medium.trimmed().toInt(&ok);
    if (ok && type >= 0 && type <= 255)
        medium = QString::fromLatin1(wmbus::mediumText(static_cast<std::uint8_t>(type)));
    return QStringLiteral("%1 %2 %3").arg(wmbus::radioIdText(d->radioId), d->manufacturer, medium).trimmed();
}

// --- route observer ---------------------------------------------------------------------------

void RouteTreeModel::aboutToInsert(RouteNodeId parent, int first, int last) {
    beginInsertRows(indexOf(parent), first, last);
}

void RouteTreeModel::inserted(RouteNodeId, int, int) {
    endInsertRows();
}

void RouteTreeModel::aboutToRemove(RouteNodeId parent, int first, int last) {
    beginRemoveRows(indexOf(parent), first, last);
}

void RouteTreeModel::removed(RouteNodeId, int, int) {
    endRemoveRows();
}

void RouteTreeModel::aboutToReorder() {
    Q_EMIT layoutAboutToBeChanged({}, QAbstractItemModel::VerticalSortHint);
    reorderFrom_ = persistentIndexList();
    reorderIds_.clear();
    reorderIds_.reserve(static_cast<std::size_t>(reorderFrom_.size()));
    for (const QModelIndex& i : reorderFrom_)
        reorderIds_.push_back(nodeAt(i));
}

void RouteTreeModel::reordered() {
    QModelIndexList to;
    to.reserve(reorderFrom_.size());
    for (RouteNodeId id : reorderIds_)
        to << indexOf(id);
    changePersistentIndexList(reorderFrom_, to);
    reorderFrom_.clear();
    reorderIds_.clear();
    Q_EMIT layoutChanged({}, QAbstractItemModel::VerticalSortHint);
}

void RouteTreeModel::changed(RouteNodeId node) {
    const QModelIndex i = indexOf(node);
    if (i.isValid())
        Q_EMIT dataChanged(i, i);
}

void RouteTreeModel::aboutToReset() {
    beginResetModel();
}

void RouteTreeModel::reset() {
    endResetModel();
}

} // namespace kvq
