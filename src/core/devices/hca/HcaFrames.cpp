#include "core/devices/hca/HcaFrames.h"

#include "core/app/Bytes.h"
#include "core/link/Frame.h"

namespace kvq::hca {

namespace {

// Captions and tool tips of the buttons are the window's.
const std::array<ServiceCommandInfo, 7> kCommands = {{
    {ServiceCommand::SendWMBus, "ButtonSendeWMBus", 0x1A, 0xFB, 0x04},
    {ServiceCommand::LcdTest, "ButtonLCDTEST", 0x1A, 0xC1, 0x10},
    {ServiceCommand::SensorCalibration, "ButtonSensorAbgleich", 0x1A, 0xC1, 0x12},
    {ServiceCommand::Carrier, "ButtonSendeTraeger", 0x1A, 0xC1, 0x18},
    {ServiceCommand::SensorTest, "ButtonSensorTest", 0x1A, 0xC1, 0x30},
    {ServiceCommand::StorageMode, "ButtonGoLagermode", 0x18, 0xFB, 0x04},
    {ServiceCommand::Sleep, "ButtonGoSleep", 0x18, 0xFD, 0x02},
}};

} // namespace

Frame buildReadFrame(std::uint8_t command, std::uint8_t count) {
    const std::uint8_t data[] = {0x00, 0x00, count, command};
    return frame::buildRequest(data);
}

Frame buildWriteFrame(const Record& record, std::uint8_t command) {
    std::array<std::uint8_t, 4 + off::SentBytes> data{0x00, 0x00, 0xA1, command};
    std::copy_n(record.begin(), off::SentBytes, data.begin() + 4);
    return frame::buildRequest(data);
}

const std::array<ServiceCommandInfo, 7>& serviceCommands() {
    return kCommands;
}

const ServiceCommandInfo& serviceCommandInfo(ServiceCommand command) {
    for (const auto& c : kCommands)
        if (c.command == command)
            return c;
    return kCommands.front();
}

Frame buildServiceFrame(ServiceCommand command, std::uint8_t sub) {
    const ServiceCommandInfo& c = serviceCommandInfo(command);
    const std::uint8_t data[] = {c.group, c.group, 0x02, sub, c.code1, c.code2};
    return frame::buildRequest(data);
}

} // namespace kvq::hca
