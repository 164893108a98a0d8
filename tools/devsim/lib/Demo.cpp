#include "Demo.h"

namespace kvq::devsim {

std::unique_ptr<DemoRig> startDemoRig(QString* error) {
    auto rig = std::make_unique<DemoRig>();
    rig->opticalHead = std::make_unique<DeviceBench>();
    for (DeviceKind kind :
         {DeviceKind::HeatCostAllocator, DeviceKind::RadioThermometer, DeviceKind::WaterMeterModule})
        fillDemoImage(rig->opticalHead->add(kind));
    if (!rig->opticalHead->start(error))
        return nullptr;
    return rig;
}

} // namespace kvq::devsim
