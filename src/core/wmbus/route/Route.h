#pragma once
// The route tree: one route node, its buildings, their floors and the devices on each floor.
//
// Nodes have stable ids that are never reused while the Route lives, so an item model can keep
// them as internal ids. Every change is announced to observers before and after, in the order
// an item model needs (insert, remove, reorder, reset, data changed). Devices are indexed by
// radio ID, device type and manufacturer, so the per-telegram lookup does not walk the tree.

#include "core/wmbus/DecoderInterfaces.h"
#include "core/wmbus/route/RouteRecords.h"

#include <memory>
#include <optional>
#include <string>
#include <unordered_map>
#include <variant>
#include <vector>

namespace kvq::wmbus {

// A device of the route found for a telegram's sender.
struct RouteDeviceMatch {
    RouteNodeId node = 0;
    // The device's key text as stored, possibly empty. Valid until the route next changes.
    std::string_view keyText;
};

class RouteObserver {
public:
    virtual ~RouteObserver() = default;
    virtual void aboutToInsert(RouteNodeId parent, int first, int last) {}
    virtual void inserted(RouteNodeId parent, int first, int last) {}
    virtual void aboutToRemove(RouteNodeId parent, int first, int last) {}
    virtual void removed(RouteNodeId parent, int first, int last) {}
    // Children of some nodes change their order; no node comes or goes.
    virtual void aboutToReorder() {}
    virtual void reordered() {}
    virtual void changed(RouteNodeId node) {}
    virtual void aboutToReset() {}
    virtual void reset() {}
};

class Route final : public DeviceDirectory {
public:
    explicit Route(QDateTime created = {});
    ~Route() override;
    // A moved route takes the nodes, not the observers.
    Route(Route&& other) noexcept;
    Route& operator=(Route&&) = delete;
    Route(const Route&) = delete;
    Route& operator=(const Route&) = delete;

    // Structure. Functions taking a node id accept any id and answer "nothing" for an unknown one.
    RouteNodeId root() const { return kRootId; }
    bool contains(RouteNodeId node) const;
    std::optional<RouteNodeKind> kind(RouteNodeId node) const;
    RouteNodeId parent(RouteNodeId node) const;
    int row(RouteNodeId node) const; // position among its siblings, -1 for an unknown node
    int childCount(RouteNodeId node) const;
    RouteNodeId child(RouteNodeId parent, int row) const;
    const std::vector<RouteNodeId>& children(RouteNodeId node) const;
    // The building a building, floor or device node belongs to.
    RouteNodeId buildingOf(RouteNodeId node) const;

    QString nodeText(RouteNodeId node) const;
    int nodeImage(RouteNodeId node) const;      // -1 for an unknown node
    int nodeStateImage(RouteNodeId node) const; // devices only, else -1

    // Records.
    const RouteRecord& routeRecord() const;
    const BuildingRecord* building(RouteNodeId node) const;
    const FloorRecord* floor(RouteNodeId node) const;
    const RouteDevice* device(RouteNodeId node) const;
    void setRouteRecord(const RouteRecord& record);
    bool setBuilding(RouteNodeId node, const BuildingRecord& record);
    bool setFloor(RouteNodeId node, const FloorRecord& record);
    bool setDevice(RouteNodeId node, const RouteDevice& record);

    // Editing; each sets the changed state. The add functions name the new node as the user
    // sees it: the prefix and the next free number ("Haus1", "Etage1").
    RouteNodeId addBuilding(const QString& namePrefix = QStringLiteral("Haus"));
    RouteNodeId addFloor(RouteNodeId building, const QString& namePrefix = QStringLiteral("Etage"));
    RouteNodeId appendBuilding(const BuildingRecord& record);
    RouteNodeId appendFloor(RouteNodeId building, const FloorRecord& record);
    RouteNodeId appendDevice(RouteNodeId floor, const RouteDevice& record);
    // A building, floor or device with everything below it; the route node stays.
    bool remove(RouteNodeId node);
    // Everything below the route node.
    void clear();
    // Devices of every floor in ascending radio ID; equal IDs keep their order.
    void sortDevicesByRadioId();

    // Reception; does not count as a change of the route.
    bool updateReceived(RouteNodeId device, const LastTelegram& telegram, const QString& rssi,
                        ReceiveState state);
    void resetReceiveState();

    int deviceCount() const { return deviceCount_; }
    int receivedDeviceCount() const { return receivedCount_; }
    std::vector<RouteNodeId> devicesInTreeOrder() const;

    bool isModified() const { return modified_; }
    void setModified(bool modified) { modified_ = modified; }

    // The device with this radio ID, device type (medium code) and manufacturer flag code (three
    // letters); of several equal devices the first in tree order.
    std::optional<RouteDeviceMatch> findRouteDevice(std::uint32_t radioId, std::uint8_t deviceType,
                                                    std::string_view manufacturer) const;
    // Same by the link-layer ID text; a text that is no decimal number names no route device.
    std::optional<RouteDeviceMatch> findRouteDeviceByIdText(std::string_view idText, std::uint8_t deviceType,
                                                            std::string_view manufacturer) const;
    // The decoder's question, answered from the same index.
    DeviceLookup findDevice(std::uint32_t radioId, std::uint8_t deviceType,
                            std::string_view manufacturer) const override;

    void addObserver(RouteObserver* observer);
    void removeObserver(RouteObserver* observer);

    // Takes over the nodes of `other` (a freshly read route), announced as a reset.
    void replaceWith(Route&& other);

private:
    static constexpr RouteNodeId kRootId = 1;
    using Record = std::variant<RouteRecord, BuildingRecord, FloorRecord, RouteDevice>;
    struct Node {
        RouteNodeKind kind;
        RouteNodeId parent = 0;
        int row = 0;
        std::vector<RouteNodeId> children;
        Record record;
        // Devices: the packed lookup key (when the record can match a telegram at all) and the
        // key text in the form the lookup hands out.
        std::optional<std::uint64_t> lookupKey;
        std::string keyText;
    };

    void makeEmpty();
    Node* node(RouteNodeId id);
    const Node* node(RouteNodeId id) const;
    RouteNodeId appendNode(RouteNodeId parent, RouteNodeKind kind, Record record);
    void eraseSubtree(RouteNodeId id);
    void indexDevice(RouteNodeId id, Node& n);
    void unindexDevice(RouteNodeId id, Node& n);
    bool precedesInTree(RouteNodeId a, RouteNodeId b) const;
    void renumberRows(Node& parent, std::size_t from);
    void countState(ReceiveState state, int delta);
    template <typename F> void notify(F&& f);

    std::vector<std::unique_ptr<Node>> nodes_; // by id; slot 0 and removed nodes are empty
    std::unordered_multimap<std::uint64_t, RouteNodeId> index_;
    std::vector<RouteObserver*> observers_;
    int deviceCount_ = 0;
    int receivedCount_ = 0;
    bool modified_ = false;
};

// Lookup key of a device: radio ID, device type and manufacturer flag code packed into 64 bits.
// None when the type is not 0..255 or the code is not three characters '@'..'_' (lower-case
// letters are taken as capitals): such a device can never match a telegram.
std::optional<std::uint64_t> deviceLookupKey(std::uint32_t radioId, int deviceType,
                                             std::string_view manufacturer);

// Radio ID of an ID text: decimal digits only, optional surrounding blanks, at most 32 bits.
std::optional<std::uint32_t> radioIdFromText(std::string_view idText);

} // namespace kvq::wmbus
