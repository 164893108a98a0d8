#include "core/wmbus/route/Route.h"

#include <algorithm>
#include <array>

namespace kvq::wmbus {

namespace {

const std::vector<RouteNodeId> kNoChildren;

std::optional<int> deviceTypeOf(const QString& medium) {
    bool ok = false;
    const int type = medium.trimmed().toInt(&ok, 10);
    if (!ok)
        return std::nullopt;
    return type;
}

} // namespace

std::optional<std::uint64_t> deviceLookupKey(std::uint32_t radioId, int deviceType,
                                             std::string_view manufacturer) {
    if (deviceType < 0 || deviceType > 255 || manufacturer.size() != 3)
        return std::nullopt;
    std::uint64_t code = 0;
    for (char c : manufacturer) {
        if (c >= 'a' && c <= 'z')
            c = static_cast<char>(c - 'a' + 'A');
        if (c < '@' || c > '_')
            return std::nullopt;
        code = (code << 5) | static_cast<std::uint64_t>(c - '@');
    }
    return std::uint64_t(radioId) | (std::uint64_t(deviceType) << 32) | (code << 40);
}

Route::Route(QDateTime created) {
    nodes_.resize(kRootId + 1);
    RouteRecord record;
    record.created = std::move(created);
    nodes_[kRootId] = std::make_unique<Node>(Node{RouteNodeKind::Route, 0, 0, {}, std::move(record), {}, {}});
}

Route::~Route() = default;

Route::Route(Route&& other) noexcept
    : nodes_(std::move(other.nodes_)), index_(std::move(other.index_)), deviceCount_(other.deviceCount_),
      receivedCount_(other.receivedCount_), modified_(other.modified_) {
    other.makeEmpty();
}

// The moved-from route stays usable: an empty route.
void Route::makeEmpty() {
    nodes_.clear();
    nodes_.resize(kRootId + 1);
    nodes_[kRootId] = std::make_unique<Node>(Node{RouteNodeKind::Route, 0, 0, {}, RouteRecord{}, {}, {}});
    index_.clear();
    deviceCount_ = receivedCount_ = 0;
    modified_ = false;
}

template <typename F> void Route::notify(F&& f) {
    for (RouteObserver* o : observers_)
        f(*o);
}

void Route::addObserver(RouteObserver* observer) {
    if (observer && std::find(observers_.begin(), observers_.end(), observer) == observers_.end())
        observers_.push_back(observer);
}

void Route::removeObserver(RouteObserver* observer) {
    observers_.erase(std::remove(observers_.begin(), observers_.end(), observer), observers_.end());
}

Route::Node* Route::node(RouteNodeId id) {
    return id < nodes_.size() ? nodes_[id].get() : nullptr;
}
const Route::Node* Route::node(RouteNodeId id) const {
    return id < nodes_.size() ? nodes_[id].get() : nullptr;
}

bool Route::contains(RouteNodeId id) const {
    return node(id) != nullptr;
}

std::optional<RouteNodeKind> Route::kind(RouteNodeId id) const {
    const Node* n = node(id);
    if (!n)
        return std::nullopt;
    return n->kind;
}

RouteNodeId Route::parent(RouteNodeId id) const {
    const Node* n = node(id);
    return n ? n->parent : 0;
}

int Route::row(RouteNodeId id) const {
    const Node* n = node(id);
    return n ? n->row : -1;
}

int Route::childCount(RouteNodeId id) const {
    const Node* n = node(id);
    return n ? static_cast<int>(n->children.size()) : 0;
}

RouteNodeId Route::child(RouteNodeId parentId, int r) const {
    const Node* n = node(parentId);
    if (!n || r < 0 || r >= static_cast<int>(n->children.size()))
        return 0;
    return n->children[static_cast<std::size_t>(r)];
}

const std::vector<RouteNodeId>& Route::children(RouteNodeId id) const {
    const Node* n = node(id);
    return n ? n->children : kNoChildren;
}

RouteNodeId Route::buildingOf(RouteNodeId id) const {
    for (const Node* n = node(id); n; id = n->parent, n = node(id)) {
        if (n->kind == RouteNodeKind::Building)
            return id;
    }
    return 0;
}

QString Route::nodeText(RouteNodeId id) const {
    const Node* n = node(id);
    if (!n)
        return {};
    switch (n->kind) {
    case RouteNodeKind::Route:
        return std::get<RouteRecord>(n->record).name;
    case RouteNodeKind::Building:
        return std::get<BuildingRecord>(n->record).name;
    case RouteNodeKind::Floor:
        return std::get<FloorRecord>(n->record).name;
    case RouteNodeKind::Device:
        return radioIdText(std::get<RouteDevice>(n->record).radioId);
    }
    return {};
}

int Route::nodeImage(RouteNodeId id) const {
    const Node* n = node(id);
    if (!n)
        return -1;
    switch (n->kind) {
    case RouteNodeKind::Route:
        return kRouteImage;
    case RouteNodeKind::Building:
        return kBuildingImage;
    case RouteNodeKind::Floor:
        return kFloorImage;
    case RouteNodeKind::Device:
        return deviceImageForMedium(std::get<RouteDevice>(n->record).medium);
    }
    return -1;
}

int Route::nodeStateImage(RouteNodeId id) const {
    const RouteDevice* d = device(id);
    return d ? stateImage(d->state) : -1;
}

const RouteRecord& Route::routeRecord() const {
    return std::get<RouteRecord>(nodes_[kRootId]->record);
}

const BuildingRecord* Route::building(RouteNodeId id) const {
    const Node* n = node(id);
    return n ? std::get_if<BuildingRecord>(&n->record) : nullptr;
}

const FloorRecord* Route::floor(RouteNodeId id) const {
    const Node* n = node(id);
    return n ? std::get_if<FloorRecord>(&n->record) : nullptr;
}

const RouteDevice* Route::device(RouteNodeId id) const {
    const Node* n = node(id);
    return n ? std::get_if<RouteDevice>(&n->record) : nullptr;
}

void Route::setRouteRecord(const RouteRecord& record) {
    std::get<RouteRecord>(nodes_[kRootId]->record) = record;
    modified_ = true;
    notify([](RouteObserver& o) { o.changed(kRootId); });
}

bool Route::setBuilding(RouteNodeId id, const BuildingRecord& record) {
    Node* n = node(id);
    if (!n || n->kind != RouteNodeKind::Building)
        return false;
    std::get<BuildingRecord>(n->record) = record;
    modified_ = true;
    notify([id](RouteObserver& o) { o.changed(id); });
    return true;
}

bool Route::setFloor(RouteNodeId id, const FloorRecord& record) {
    Node* n = node(id);
    if (!n || n->kind != RouteNodeKind::Floor)
        return false;
    std::get<FloorRecord>(n->record) = record;
    modified_ = true;
    notify([id](RouteObserver& o) { o.changed(id); });
    return true;
}

bool Route::setDevice(RouteNodeId id, const RouteDevice& record) {
    Node* n = node(id);
    if (!n || n->kind != RouteNodeKind::Device)
        return false;
    unindexDevice(id, *n);
    auto& d = std::get<RouteDevice>(n->record);
    countState(d.state, -1);
    d = record;
    countState(d.state, +1);
    indexDevice(id, *n);
    modified_ = true;
    notify([id](RouteObserver& o) { o.changed(id); });
    return true;
}

void Route::countState(ReceiveState state, int delta) {
    if (state != ReceiveState::NotReceived)
        receivedCount_ += delta;
}

void Route::indexDevice(RouteNodeId id, Node& n) {
    const auto& d = std::get<RouteDevice>(n.record);
    n.keyText = d.keyText.toStdString();
    n.lookupKey.reset();
    const auto type = deviceTypeOf(d.medium);
    if (!type)
        return;
    const std::string man = d.manufacturer.trimmed().toStdString();
    n.lookupKey = deviceLookupKey(d.radioId, *type, man);
    if (n.lookupKey)
        index_.emplace(*n.lookupKey, id);
}

void Route::unindexDevice(RouteNodeId id, Node& n) {
    if (!n.lookupKey)
        return;
    auto [first, last] = index_.equal_range(*n.lookupKey);
    for (auto it = first; it != last; ++it) {
        if (it->second == id) {
            index_.erase(it);
            break;
        }
    }
    n.lookupKey.reset();
}

RouteNodeId Route::appendNode(RouteNodeId parentId, RouteNodeKind kind, Record record) {
    Node* p = node(parentId);
    const RouteNodeId id = static_cast<RouteNodeId>(nodes_.size());
    const int r = static_cast<int>(p->children.size());
    notify([&](RouteObserver& o) { o.aboutToInsert(parentId, r, r); });
    nodes_.push_back(std::make_unique<Node>(Node{kind, parentId, r, {}, std::move(record), {}, {}}));
    // push_back may have moved the slot vector, not the nodes: p stays valid.
    p->children.push_back(id);
    Node& n = *nodes_.back();
    if (kind == RouteNodeKind::Device) {
        ++deviceCount_;
        countState(std::get<RouteDevice>(n.record).state, +1);
        indexDevice(id, n);
    }
    modified_ = true;
    notify([&](RouteObserver& o) { o.inserted(parentId, r, r); });
    return id;
}

RouteNodeId Route::addBuilding(const QString& namePrefix) {
    auto& route = std::get<RouteRecord>(nodes_[kRootId]->record);
    const auto& buildings = nodes_[kRootId]->children;
    QString name;
    // A loaded route may already use the next numbers; skip to a free one.
    bool taken = true;
    while (taken) {
        ++route.buildingCounter;
        name = namePrefix + QString::number(route.buildingCounter);
        taken = std::any_of(buildings.begin(), buildings.end(), [&](RouteNodeId b) {
            return std::get<BuildingRecord>(node(b)->record).name == name;
        });
    }
    BuildingRecord record;
    record.name = name;
    return appendBuilding(record);
}

RouteNodeId Route::addFloor(RouteNodeId buildingId, const QString& namePrefix) {
    Node* b = node(buildingId);
    if (!b || b->kind != RouteNodeKind::Building)
        return 0;
    auto& record = std::get<BuildingRecord>(b->record);
    FloorRecord floorRecord;
    // Devices find their floor by name when a route is read, so the name must be free.
    bool taken = true;
    while (taken) {
        ++record.floorCount;
        floorRecord.name = namePrefix + QString::number(record.floorCount);
        taken = std::any_of(b->children.begin(), b->children.end(), [&](RouteNodeId f) {
            return std::get<FloorRecord>(node(f)->record).name == floorRecord.name;
        });
    }
    floorRecord.floorNumber = record.floorCount;
    return appendNode(buildingId, RouteNodeKind::Floor, std::move(floorRecord));
}

RouteNodeId Route::appendBuilding(const BuildingRecord& record) {
    return appendNode(kRootId, RouteNodeKind::Building, record);
}

RouteNodeId Route::appendFloor(RouteNodeId buildingId, const FloorRecord& record) {
    const Node* b = node(buildingId);
    if (!b || b->kind != RouteNodeKind::Building)
        return 0;
    return appendNode(buildingId, RouteNodeKind::Floor, record);
}

RouteNodeId Route::appendDevice(RouteNodeId floorId, const RouteDevice& record) {
    const Node* f = node(floorId);
    if (!f || f->kind != RouteNodeKind::Floor)
        return 0;
    return appendNode(floorId, RouteNodeKind::Device, record);
}

void Route::eraseSubtree(RouteNodeId id) {
    Node* n = node(id);
    for (RouteNodeId c : n->children)
        eraseSubtree(c);
    if (n->kind == RouteNodeKind::Device) {
        unindexDevice(id, *n);
        --deviceCount_;
        countState(std::get<RouteDevice>(n->record).state, -1);
    }
    nodes_[id].reset();
}

void Route::renumberRows(Node& p, std::size_t from) {
    for (std::size_t i = from; i < p.children.size(); ++i)
        node(p.children[i])->row = static_cast<int>(i);
}

bool Route::remove(RouteNodeId id) {
    Node* n = node(id);
    if (!n || id == kRootId)
        return false;
    const RouteNodeId parentId = n->parent;
    const int r = n->row;
    notify([&](RouteObserver& o) { o.aboutToRemove(parentId, r, r); });
    eraseSubtree(id);
    Node* p = node(parentId);
    p->children.erase(p->children.begin() + r);
    renumberRows(*p, static_cast<std::size_t>(r));
    modified_ = true;
    notify([&](RouteObserver& o) { o.removed(parentId, r, r); });
    return true;
}

void Route::clear() {
    Node* root = nodes_[kRootId].get();
    const int count = static_cast<int>(root->children.size());
    if (count == 0)
        return;
    notify([&](RouteObserver& o) { o.aboutToRemove(kRootId, 0, count - 1); });
    for (RouteNodeId b : root->children)
        eraseSubtree(b);
    root->children.clear();
    modified_ = true;
    notify([&](RouteObserver& o) { o.removed(kRootId, 0, count - 1); });
}

void Route::sortDevicesByRadioId() {
    notify([](RouteObserver& o) { o.aboutToReorder(); });
    for (RouteNodeId b : nodes_[kRootId]->children) {
        for (RouteNodeId f : node(b)->children) {
            Node& floorNode = *node(f);
            std::stable_sort(floorNode.children.begin(), floorNode.children.end(),
                             [this](RouteNodeId x, RouteNodeId y) {
                                 return std::get<RouteDevice>(node(x)->record).radioId <
                                        std::get<RouteDevice>(node(y)->record).radioId;
                             });
            renumberRows(floorNode, 0);
        }
    }
    modified_ = true;
    notify([](RouteObserver& o) { o.reordered(); });
}

bool Route::updateReceived(RouteNodeId id, const LastTelegram& telegram, const QString& rssi,
                           ReceiveState state) {
    Node* n = node(id);
    if (!n || n->kind != RouteNodeKind::Device)
        return false;
    auto& d = std::get<RouteDevice>(n->record);
    countState(d.state, -1);
    d.last = telegram;
    d.rssi = rssi;
    d.state = state;
    countState(d.state, +1);
    notify([id](RouteObserver& o) { o.changed(id); });
    return true;
}

void Route::resetReceiveState() {
    for (RouteNodeId id : devicesInTreeOrder()) {
        auto& d = std::get<RouteDevice>(node(id)->record);
        if (d.state == ReceiveState::NotReceived)
            continue;
        d.state = ReceiveState::NotReceived;
        notify([id](RouteObserver& o) { o.changed(id); });
    }
    receivedCount_ = 0;
}

std::vector<RouteNodeId> Route::devicesInTreeOrder() const {
    std::vector<RouteNodeId> out;
    out.reserve(static_cast<std::size_t>(deviceCount_));
    for (RouteNodeId b : nodes_[kRootId]->children) {
        for (RouteNodeId f : node(b)->children) {
            const auto& devices = node(f)->children;
            out.insert(out.end(), devices.begin(), devices.end());
        }
    }
    return out;
}

bool Route::precedesInTree(RouteNodeId a, RouteNodeId b) const {
    // Devices sit at depth 3: compare building row, floor row, device row.
    const auto path = [this](RouteNodeId d) {
        const Node* dn = node(d);
        const Node* fn = node(dn->parent);
        const Node* bn = node(fn->parent);
        return std::array<int, 3>{bn->row, fn->row, dn->row};
    };
    return path(a) < path(b);
}

std::optional<std::uint32_t> radioIdFromText(std::string_view idText) {
    while (!idText.empty() && idText.front() == ' ')
        idText.remove_prefix(1);
    while (!idText.empty() && idText.back() == ' ')
        idText.remove_suffix(1);
    if (idText.empty())
        return std::nullopt;
    std::uint64_t value = 0;
    for (char c : idText) {
        if (c < '0' || c > '9')
            return std::nullopt;
        value = value * 10 + static_cast<std::uint64_t>(c - '0');
        if (value > 0xFFFFFFFFu)
            return std::nullopt;
    }
    return static_cast<std::uint32_t>(value);
}

std::optional<RouteDeviceMatch> Route::findRouteDeviceByIdText(std::string_view idText,
                                                               std::uint8_t deviceType,
                                                               std::string_view manufacturer) const {
    const auto id = radioIdFromText(idText);
    if (!id)
        return std::nullopt;
    return findRouteDevice(*id, deviceType, manufacturer);
}

DeviceLookup Route::findDevice(std::uint32_t radioId, std::uint8_t deviceType,
                               std::string_view manufacturer) const {
    const auto match = findRouteDevice(radioId, deviceType, manufacturer);
    if (!match)
        return {};
    return DeviceLookup{true, match->keyText};
}

std::optional<RouteDeviceMatch> Route::findRouteDevice(std::uint32_t radioId, std::uint8_t deviceType,
                                                       std::string_view manufacturer) const {
    const auto key = deviceLookupKey(radioId, deviceType, manufacturer);
    if (!key)
        return std::nullopt;
    auto [first, last] = index_.equal_range(*key);
    if (first == last)
        return std::nullopt;
    RouteNodeId best = first->second;
    for (auto it = std::next(first); it != last; ++it) {
        if (precedesInTree(it->second, best))
            best = it->second;
    }
    return RouteDeviceMatch{best, node(best)->keyText};
}

void Route::replaceWith(Route&& other) {
    notify([](RouteObserver& o) { o.aboutToReset(); });
    nodes_ = std::move(other.nodes_);
    index_ = std::move(other.index_);
    deviceCount_ = other.deviceCount_;
    receivedCount_ = other.receivedCount_;
    modified_ = other.modified_;
    other.makeEmpty();
    notify([](RouteObserver& o) { o.reset(); });
}

} // namespace kvq::wmbus
