#pragma once
// One of the maker's devices as the optical head meets it: a record image, read, written and changed by
// image-access requests (68 08 08 68 53 FE 51 0F offset offset count op [data] CS 16), answered with a
// long frame RSP_UD (C 08, CI 72) or the acknowledgement E5. Built from the byte protocol alone.

#include <QByteArray>
#include <array>
#include <cstdint>
#include <optional>
#include <vector>

namespace kvq::devsim {

enum class DeviceKind { HeatCostAllocator, RadioThermometer, WaterMeterModule };

struct DeviceFaults {
    bool silent = false;        // never answers
    bool wrongChecksum = false; // answers with a checksum one off
    bool wrongMedium = false;   // answers with another device's medium byte
    // The n-th acknowledgement (1 = the first since the device was made) is lost on the way: the write
    // or change is stored, the E5 never arrives. 0 loses none.
    int dropAcknowledgement = 0;
};

class SimulatedDevice {
public:
    explicit SimulatedDevice(DeviceKind kind);

    DeviceKind kind() const { return kind_; }
    std::uint8_t medium() const { return medium_; }
    std::vector<std::uint8_t>& image() { return image_; }
    const std::vector<std::uint8_t>& image() const { return image_; }

    // The version byte of the answers, two BCD digits (0x52 is version 52).
    void setVersion(std::uint8_t bcd);
    // The extended form: version byte 99, three plain digits and a marker byte in the header.
    void setExtendedVersion(int version, std::uint8_t marker);
    // Raw timers the sensor test answers with, after the acknowledgement.
    void setSensorTimers(std::uint16_t reference, std::uint16_t sensor1, std::uint16_t sensor2);
    DeviceFaults faults;
    // Water-meter module: every reset-history entry reads FF, as on a module that never reset.
    void eraseResetHistory();

    // Length of a request whose first twelve bytes are `header`, when it is addressed to this device.
    std::optional<int> requestLength(const std::uint8_t* header) const;
    // The answer to a complete request with a correct checksum; empty when the device stays silent.
    QByteArray answer(const QByteArray& request);

    int readsAnswered = 0, writesStored = 0, changesApplied = 0, acknowledgements = 0;

private:
    QByteArray dataAnswer(int offset, int count);

    DeviceKind kind_;
    std::uint8_t medium_;
    std::uint8_t readOp_, writeOp_, changeOp_;
    int manufacturerOffset_;
    std::vector<std::uint8_t> image_;
    std::uint8_t versionByte_ = 0;
    std::optional<std::array<std::uint8_t, 4>> extended_; // digits and marker
    std::array<std::uint8_t, 6> sensorTimers_{0x01, 0x02, 0x03, 0x04, 0x05, 0x06};
    std::uint8_t accessNumber_ = 0;
};

// A plausible record of each kind, as a device fresh from production holds it.
void fillDemoImage(SimulatedDevice& device);

} // namespace kvq::devsim
