#pragma once
// Device keys given by hand (radio ID -> key text), in front of an optional other directory such as
// the loaded route: a device named here is taken as registered with this key.

#include "core/wmbus/DecoderInterfaces.h"

#include <string>
#include <unordered_map>

namespace kvq::wmbus {

class KeyDirectory final : public DeviceDirectory {
public:
    explicit KeyDirectory(const DeviceDirectory* fallback = nullptr) : fallback_(fallback) {}
    void setFallback(const DeviceDirectory* fallback) { fallback_ = fallback; }
    void add(std::uint32_t radioId, std::string keyText) { keys_[radioId] = std::move(keyText); }
    bool empty() const { return keys_.empty(); }

    DeviceLookup findDevice(std::uint32_t radioId, std::uint8_t deviceType,
                            std::string_view manufacturer) const override;

private:
    const DeviceDirectory* fallback_;
    std::unordered_map<std::uint32_t, std::string> keys_;
};

} // namespace kvq::wmbus
