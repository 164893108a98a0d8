#include "core/devices/hca/HcaFrames.h"

#include "core/app/Bytes.h"
#include "core/link/Frame.h"

namespace kvq::hca {

namespace {

const std::array<ServiceCommandInfo, 7> kCommands = {{
    {ServiceCommand::SendWMBus, "ButtonSendeWMBus", "Sende WMBus",
     "Sendet sofort ein Wireless M-Bus Telegramm; schaltet auch einen laufenden Träger ab", 0x1A, 0xFB, 0x04},
    {ServiceCommand::LcdTest, "ButtonLCDTEST", "LCD TEST", "Displaytest: alle Segmente \"IIIIIIII\"", 0x1A,
     0xC1, 0x10},
    {ServiceCommand::SensorCalibration, "ButtonSensorAbgleich", "Sens.abgleich", "Sensorabgleich-Modus", 0x1A,
     0xC1, 0x12},
    {ServiceCommand::Carrier, "ButtonSendeTraeger", "Sende Träger", "Dauerträger senden", 0x1A, 0xC1, 0x18},
    {ServiceCommand::SensorTest, "ButtonSensorTest", "Teste Sensoren",
     "Eine Messung; das Gerät antwortet mit seinen Timerwerten", 0x1A, 0xC1, 0x30},
    {ServiceCommand::StorageMode, "ButtonGoLagermode", "Lagermode",
     "Lagermodus: keine Messung, kein Funk, die Anzeige blinkt nach einem Tastendruck 1 h", 0x18, 0xFB, 0x04},
    {ServiceCommand::Sleep, "ButtonGoSleep", "I-Mess-Mode", "Schlafmodus für die Strommessung", 0x18, 0xFD,
     0x02},
}};

} // namespace

Frame buildReadFrame(std::uint8_t command) {
    const std::uint8_t data[] = {0x00, 0x00, 0xA5, command};
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
