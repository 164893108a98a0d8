#include "core/devices/watermodule/WzFrames.h"

#include "core/link/Frame.h"

#include <algorithm>

namespace kvq::wz {

Frame ImageAccessRequest(std::uint8_t offset, std::uint8_t count, ImageOp op,
                         std::span<const std::uint8_t> data) {
    std::vector<std::uint8_t> command{offset, offset, count, static_cast<std::uint8_t>(op)};
    command.insert(command.end(), data.begin(), data.end());
    return frame::buildRequest(command);
}

Frame buildReadRequest() {
    return ImageAccessRequest(0, off::ReadLength, ImageOp::Read);
}

Frame buildHistoryRequest() {
    return ImageAccessRequest(off::HistoryHead, off::HistoryLength, ImageOp::Read);
}

Frame buildWriteRequest(const Image& image) {
    return ImageAccessRequest(0, off::WriteLength, ImageOp::Write,
                              std::span<const std::uint8_t>(image.data(), off::WriteLength));
}

const std::array<WzCommandInfo, 10>& commands() {
    // The byte at 0x17 is the high byte of option word B, 0x16 its low byte.
    static const std::array<WzCommandInfo, 10> table{{
        {WzCommand::SendWMBus, "ButtonSendeWMBus", 0x17, 0xFB, 0x04},
        {WzCommand::Carrier, "ButtonSendeTraeger", 0x17, 0xF7, 0x08},
        {WzCommand::MeasurementOff, "ButtonMessdatenAUS", 0x17, 0xDF, 0x00},
        {WzCommand::MeasurementOn, "ButtonMessdatenAN", 0x17, 0xDF, 0x20},
        {WzCommand::Bootloader, "ButtonBootL", 0x17, 0xBF, 0x40},
        {WzCommand::Activation, "ButtonAct", 0x16, 0xFE, 0x01},
        {WzCommand::LedOff, "ButtonLEDaus", 0x17, 0xFC, 0x00},
        {WzCommand::LedRadio, "ButtonLEDRadio", 0x17, 0xFC, 0x01},
        {WzCommand::LedPulse, "ButtonLEDpulse", 0x17, 0xFC, 0x02},
        {WzCommand::PulseTrain, "ButtonSendePulsfolge", 0x17, 0x7F, 0x80},
    }};
    return table;
}

const WzCommandInfo& commandInfo(WzCommand command) {
    const auto& all = commands();
    return *std::find_if(all.begin(), all.end(),
                         [command](const WzCommandInfo& c) { return c.command == command; });
}

Frame buildChangeRequest(WzCommand command) {
    const WzCommandInfo& c = commandInfo(command);
    const std::uint8_t data[2] = {c.mask, c.value};
    return ImageAccessRequest(c.offset, 2, ImageOp::Change, data);
}

} // namespace kvq::wz
