#include "core/devices/hca/HcaFrames.h"

#include "core/app/Bytes.h"

namespace kvq::hca {

namespace {

// Start, L twice, start, C, A (broadcast), CI, manufacturer-specific data follow.
constexpr std::uint8_t kHeader[] = {0x68, 0x08, 0x08, 0x68, 0x53, 0xFE, 0x51, 0x0F};

Frame startFrame(std::size_t size) {
    Frame f;
    f.reserve(size);
    f.insert(f.end(), std::begin(kHeader), std::end(kHeader));
    return f;
}

void finishFrame(Frame& f) {
    f.push_back(checksum8(f, 4, static_cast<int>(f.size()) - 1));
    f.push_back(0x16);
}

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

std::uint8_t checksum8(std::span<const std::uint8_t> frame, int first, int last) {
    std::uint8_t sum = 0;
    for (int i = first; i <= last && i < static_cast<int>(frame.size()); ++i)
        sum = static_cast<std::uint8_t>(sum + frame[i]);
    return sum;
}

Frame buildReadFrame(std::uint8_t command) {
    Frame f = startFrame(kReadFrameSize);
    f.insert(f.end(), {0x00, 0x00, 0xA5, command});
    finishFrame(f);
    return f;
}

Frame buildWriteFrame(const Record& record, std::uint8_t command) {
    Frame f = startFrame(kWriteFrameSize);
    f.insert(f.end(), {0x00, 0x00, 0xA1, command});
    f.insert(f.end(), record.begin(), record.begin() + off::SentBytes);
    finishFrame(f);
    return f;
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
    Frame f = startFrame(kServiceFrameSize);
    f.insert(f.end(), {c.group, c.group, 0x02, sub, c.code1, c.code2});
    finishFrame(f);
    return f;
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
