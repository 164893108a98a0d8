#include "SimulatedDevice.h"

#include <algorithm>
#include <cstring>

namespace kvq::devsim {

namespace {
std::uint8_t sum8(const QByteArray& b, int first, int last) {
    std::uint8_t s = 0;
    for (int i = first; i <= last; ++i)
        s = std::uint8_t(s + std::uint8_t(b[i]));
    return s;
}
} // namespace

SimulatedDevice::SimulatedDevice(DeviceKind kind) : kind_(kind) {
    switch (kind) {
    case DeviceKind::HeatCostAllocator:
        medium_ = 0x08;
        readOp_ = 0x08, writeOp_ = 0x09, changeOp_ = 0x0F;
        manufacturerOffset_ = 146;
        image_.assign(165, 0);
        versionByte_ = 0x52;
        break;
    case DeviceKind::RadioThermometer:
        medium_ = 0x1B;
        readOp_ = 0x28, writeOp_ = 0x29, changeOp_ = 0x2A;
        manufacturerOffset_ = 146;
        image_.assign(165, 0);
        versionByte_ = 0x05;
        break;
    case DeviceKind::WaterMeterModule:
        medium_ = 0x07;
        readOp_ = 0x20, writeOp_ = 0x21, changeOp_ = 0x22;
        manufacturerOffset_ = 222;
        image_.assign(315, 0);
        versionByte_ = 0x21;
        break;
    }
}

void SimulatedDevice::setVersion(std::uint8_t bcd) {
    versionByte_ = bcd;
    extended_.reset();
}

void SimulatedDevice::setExtendedVersion(int version, std::uint8_t marker) {
    versionByte_ = 0x99;
    extended_ = std::array<std::uint8_t, 4>{std::uint8_t(version / 100 % 10), std::uint8_t(version / 10 % 10),
                                            std::uint8_t(version % 10), marker};
}

void SimulatedDevice::setSensorTimers(std::uint16_t reference, std::uint16_t sensor1, std::uint16_t sensor2) {
    sensorTimers_ = {std::uint8_t(reference >> 8), std::uint8_t(reference),    std::uint8_t(sensor1 >> 8),
                     std::uint8_t(sensor1),        std::uint8_t(sensor2 >> 8), std::uint8_t(sensor2)};
}

void SimulatedDevice::eraseResetHistory() {
    if (kind_ == DeviceKind::WaterMeterModule)
        std::fill(image_.begin() + 235, image_.end(), 0xFF);
}

std::optional<int> SimulatedDevice::requestLength(const std::uint8_t* h) const {
    const std::uint8_t op = h[11];
    if (op == readOp_)
        return 14;
    if (op == writeOp_)
        return 14 + h[10];
    if (op == changeOp_)
        return 16; // AND mask and OR value
    return std::nullopt;
}

QByteArray SimulatedDevice::dataAnswer(int offset, int count) {
    // 68 L L 68 | 08 FE 72 | ID(4) MAN(2) version medium access status signature(2) | 0F payload last | CS 16
    QByteArray payload;
    for (int i = 0; i < count; ++i) {
        const int at = offset + i;
        payload.append(char(at < int(image_.size()) ? image_[at] : 0));
    }
    const int L = 17 + int(payload.size());
    QByteArray f;
    f.append(char(0x68)).append(char(L)).append(char(L)).append(char(0x68));
    f.append(char(0x08)).append(char(0xFE)).append(char(0x72));
    for (int i = 0; i < 4; ++i)
        f.append(char(image_[i]));
    f.append(char(image_[manufacturerOffset_])).append(char(image_[manufacturerOffset_ + 1]));
    if (extended_) {
        f[8] = char((*extended_)[0]);
        f[9] = char((*extended_)[1]);
        f[10] = char((*extended_)[2]);
        f[12] = char((*extended_)[3]);
    }
    f.append(char(versionByte_));
    f.append(char(faults.wrongMedium ? (medium_ == 0x08 ? 0x1B : 0x08) : medium_));
    f.append(char(accessNumber_++)).append(char(0x00)).append(char(0x00)).append(char(0x00));
    f.append(char(0x0F));
    f.append(payload);
    f.append(char(0x1F));
    std::uint8_t cs = sum8(f, 4, L + 3);
    if (faults.wrongChecksum)
        ++cs;
    f.append(char(cs)).append(char(0x16));
    return f;
}

QByteArray SimulatedDevice::answer(const QByteArray& request) {
    if (faults.silent)
        return {};
    const int offset = std::uint8_t(request[8]);
    const int count = std::uint8_t(request[10]);
    const std::uint8_t op = std::uint8_t(request[11]);
    if (op == readOp_) {
        ++readsAnswered;
        return dataAnswer(offset, count);
    }
    if (op == writeOp_) {
        for (int i = 0; i < count && offset + i < int(image_.size()); ++i)
            image_[offset + i] = std::uint8_t(request[12 + i]);
        ++writesStored;
        if (++acknowledgements == faults.dropAcknowledgement)
            return {};
        return QByteArray(1, char(0xE5));
    }
    if (op == changeOp_ && offset < int(image_.size())) {
        const std::uint8_t mask = std::uint8_t(request[12]), value = std::uint8_t(request[13]);
        image_[offset] = std::uint8_t((image_[offset] & mask) | value);
        ++changesApplied;
        if (++acknowledgements == faults.dropAcknowledgement)
            return {};
        QByteArray ack(1, char(0xE5));
        // The sensor test of the allocator and the thermometer measures once and tells its raw timers.
        if (kind_ != DeviceKind::WaterMeterModule && offset == 0x1A && mask == 0xC1 && value == 0x30)
            for (std::uint8_t b : sensorTimers_)
                ack.append(char(b));
        return ack;
    }
    return {};
}

namespace {
void be16(std::vector<std::uint8_t>& im, int at, int v) {
    im[at] = std::uint8_t(v >> 8);
    im[at + 1] = std::uint8_t(v);
}
void le16(std::vector<std::uint8_t>& im, int at, int v) {
    im[at] = std::uint8_t(v);
    im[at + 1] = std::uint8_t(v >> 8);
}
void le32(std::vector<std::uint8_t>& im, int at, std::uint32_t v) {
    for (int i = 0; i < 4; ++i)
        im[at + i] = std::uint8_t(v >> (8 * i));
}
// IEEE-754 single, most significant byte first.
void beFloat(std::vector<std::uint8_t>& im, int at, float f) {
    std::uint32_t u;
    static_assert(sizeof u == sizeof f);
    std::memcpy(&u, &f, 4);
    for (int i = 0; i < 4; ++i)
        im[at + i] = std::uint8_t(u >> (24 - 8 * i));
}
// Three letters packed as in the EN 13757-3 manufacturer field, low byte first.
void manufacturer(std::vector<std::uint8_t>& im, int at, const char* m) {
    le16(im, at, ((m[0] - 64) << 10) | ((m[1] - 64) << 5) | (m[2] - 64));
}
} // namespace

// Month and two-digit year of the monthly value i months before March 2025.
static std::uint8_t monthBack(int i) {
    return std::uint8_t((2025 * 12 + 2 - i) % 12 + 1);
}
static std::uint8_t yearBack(int i) {
    return std::uint8_t((2025 * 12 + 2 - i) / 12 % 100);
}

// A module on a cold-water meter in a basement shaft: in service since May 2023, read on 15 March 2025,
// three resets in its history (battery fitted at production, a firmware update, a power dip).
static void fillDemoWaterModule(std::vector<std::uint8_t>& im) {
    static const std::uint8_t deviceId[4] = {0x56, 0x34, 0x12, 0x40}; // 40123456
    static const std::uint8_t serial[4] = {0x57, 0x04, 0x11, 0x23};   // 23110457
    static const std::uint8_t key[16] = {0x3C, 0x91, 0x0E, 0x5A, 0x77, 0xD2, 0x48, 0xB6,
                                         0x1F, 0xA0, 0x6C, 0xE3, 0x95, 0x2B, 0x84, 0x0D};
    std::copy(deviceId, deviceId + 4, im.begin());
    std::copy(deviceId, deviceId + 4, im.begin() + 4);
    im[8] = 12;                           // due date at the end of the year
    im[9] = 31, im[10] = 12, im[11] = 24; // last one on 31.12.2024
    im[12] = 5, im[13] = 35;              // battery until May 2035
    le16(im, 16, 118);                    // 11.8 degC in the shaft
    le16(im, 18, 0x0047);                 // inside the send window (month, day, week), S1
    le16(im, 20, 0x0044);                 // AES, short telegram
    le16(im, 22, 0x01A0);                 // due date yearly, radio on, LED shows transmissions
    im[24] = 12, im[25] = 41, im[26] = 9, im[27] = 15, im[28] = 3, im[29] = 25, im[30] = 1 << 5;
    im[32] = 90, im[33] = 100, im[34] = 120, im[35] = 10;
    le16(im, 36, 1);
    im[38] = 24, im[39] = 42, im[40] = 38;
    // Meter readings in litres; a household draws 7 to 11 m3 a month, more in summer.
    static const int monthly[18] = {8412, 9105, 8733, 7950, 8288, 9870, 10945, 11302, 10518,
                                    9412, 8830, 8105, 7764, 8391, 9022, 8653,  8120,  10234};
    std::uint32_t reading = 487312;
    le32(im, 44, reading);
    reading -= 2977;               // this month so far
    for (int i = 0; i < 18; ++i) { // February 2025 backwards: readings at the end of each month
        le32(im, 52 + 8 * i, reading);
        im[52 + 8 * i + 4] = monthBack(i + 1);
        im[52 + 8 * i + 5] = yearBack(i + 1);
        reading -= std::uint32_t(monthly[i]);
    }
    std::copy_n(im.begin() + 52 + 8 * 2, 4, im.begin() + 48); // the due date: end of December 2024
    le16(im, 196, 7);
    le16(im, 198, 120);
    im[200] = 19, im[201] = 7, im[202] = 0xFF, im[203] = 0xFF, im[204] = 0x3F;
    im[205] = 17;
    std::copy(key, key + 16, im.begin() + 206);
    manufacturer(im, 222, "VTM");
    std::copy(serial, serial + 4, im.begin() + 226);
    static const std::uint8_t resets[3][8] = {
        {2, 14, 9, 12, 5, 23, 0, 1},   // 12.05.2023 09:14:02
        {47, 3, 16, 3, 11, 23, 0, 2},  // 03.11.2023 16:03:47
        {30, 55, 22, 28, 1, 25, 0, 3}, // 28.01.2025 22:55:30
    };
    for (int i = 0; i < 10; ++i) {
        std::uint8_t* e = im.data() + 235 + 8 * i;
        if (i < 3)
            std::copy(resets[i], resets[i] + 8, e);
        else
            std::fill(e, e + 8, 0xFF);
    }
}

void fillDemoImage(SimulatedDevice& d) {
    std::vector<std::uint8_t>& im = d.image();
    std::fill(im.begin(), im.end(), 0);
    static const std::uint8_t id[4] = {0x78, 0x56, 0x34, 0x12}; // 12345678
    static const std::uint8_t key[16] = {0x2B, 0x7E, 0x15, 0x16, 0x28, 0xAE, 0xD2, 0xA6,
                                         0xAB, 0xF7, 0x15, 0x88, 0x09, 0xCF, 0x4F, 0x3C};
    if (d.kind() == DeviceKind::WaterMeterModule) {
        fillDemoWaterModule(im);
        return;
    }
    std::copy(id, id + 4, im.begin());
    std::copy(id, id + 4, im.begin() + 6);
    im[5] = 11;
    im[10] = 12, im[11] = 34;
    if (d.kind() == DeviceKind::HeatCostAllocator) {
        be16(im, 12, 1538);
        be16(im, 14, 2500);
        be16(im, 16, 1000);
        be16(im, 18, 1234);
        be16(im, 20, 987);
        be16(im, 24, 0x0102);
        be16(im, 26, 0x00E0);
        beFloat(im, 40, 1234.5f);
        beFloat(im, 44, 987.0f);
        for (int i = 0; i < 18; ++i) {
            be16(im, 48 + 4 * i, 100 + 10 * i);
            im[48 + 4 * i + 2] = monthBack(i);
            im[48 + 4 * i + 3] = yearBack(i);
        }
        be16(im, 148, 2150);
        be16(im, 150, 4500);
        im[156] = 62;
    } else {
        // A thermometer in an unheated stairwell in March, its wall sensor on an outer wall: the
        // temperatures are signed hundredths of a degree, and the wall went below zero last night.
        be16(im, 12, 840);  // room, daily maximum
        be16(im, 14, 470);  // wall, daily maximum
        be16(im, 16, 115);  // room, daily minimum
        be16(im, 18, -500); // wall, daily minimum: -5.00
        be16(im, 24, 0x0100);
        be16(im, 26, 0x00C0);
        im[38] = 0xF9;      // the sensors' factory offset, -7/100 K
        be16(im, 148, 635); // room now
        be16(im, 150, -35); // wall now
    }
    be16(im, 22, 0x0040);
    im[28] = 0, im[29] = 30, im[30] = 10, im[31] = 15, im[32] = 3, im[33] = 25, im[34] = 1 << 5;
    be16(im, 120, 5);
    be16(im, 122, 120);
    im[124] = 24, im[125] = 0, im[126] = 0xFF, im[127] = 0xFF, im[128] = 0x3F;
    std::copy(key, key + 16, im.begin() + 130);
    manufacturer(im, 146, "QLM");
    im[157] = 31, im[158] = 12, im[159] = 24;
    im[161] = 0x21, im[162] = 0x43, im[163] = 0x65, im[164] = 0x87;
}

} // namespace kvq::devsim
