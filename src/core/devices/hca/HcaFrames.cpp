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

std::optional<SensorTimers> parseSensorTimers(const QString& receiveLog) {
    if (receiveLog.size() != 21 || !receiveLog.startsWith(QLatin1String("E5")))
        return std::nullopt;
    std::uint8_t b[6];
    int n = 0;
    int pending = -1;
    for (qsizetype i = 3; i < receiveLog.size(); ++i) {
        const QChar c = receiveLog[i];
        if (c == u' ')
            continue;
        if (c.unicode() > 0x7F || !isHexDigit(char(c.unicode())))
            return std::nullopt;
        const int v = hexDigitValue(char(c.unicode()));
        if (pending < 0) {
            pending = v;
        } else {
            if (n == 6)
                return std::nullopt;
            b[n++] = static_cast<std::uint8_t>((pending << 4) | v);
            pending = -1;
        }
    }
    if (n != 6 || pending >= 0)
        return std::nullopt;
    return SensorTimers{b[0] * 256 + b[1], b[2] * 256 + b[3], b[4] * 256 + b[5]};
}

} // namespace kvq::hca
