#include "core/wmbus/output/KeyDirectory.h"

namespace kvq::wmbus {

DeviceLookup KeyDirectory::findDevice(std::uint32_t radioId, std::uint8_t deviceType,
                                      std::string_view manufacturer) const {
    if (auto it = keys_.find(radioId); it != keys_.end())
        return DeviceLookup{true, it->second};
    if (fallback_)
        return fallback_->findDevice(radioId, deviceType, manufacturer);
    return {};
}

} // namespace kvq::wmbus
