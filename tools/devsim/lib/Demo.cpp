#include "Demo.h"

namespace kvq::devsim {

namespace {

// Published telegrams of several makers as the meters send them: water, heat cost allocator, room
// sensor, another two water meters, and one in security mode 5 whose key is
// A004EB23329A477F1DD2D7820B56EB3D (device 61070071).
const char* const kAirTraffic[] = {
    "1844AE4C4455223368077A55000000041389E20100023B0000",
    "3644D7088877700002087ADBC000002F2F9E1F03C10388152A00000000000000000000000000000204000404000EE2020AC1"
    "321D280221",
    "2744961566666666201B7AF90000202F2F02651E094265180902FD1B30030DFD0F05302E302E340F",
    "4644B4092143658713077A9C0000000C1364390400046D212F16350F152A0F000000440F00C00F00511000D51000B20B0018"
    "0C007C0C00E60C00560D00D10D00400E00C60E0000",
    "AE4424347677787950077AC10000202F2F041306070000046D1E31B12104FD17000000000E787880048120004413C9040000"
    "426C9F2C840113C904000082016C9F2CD3013B9A0200C4016D0534A7218104FD280182046C9F2C840413C9040000C404131B"
    "00000084051300000000C405130000000084061300000000C406130000000084071300000000C40713000000008408130000"
    "0000C408130000000084091300000000C4091300000000FFFF",
    "76442104710007612507727100076121042507B5006005E2E95A3C2A1279A5415E6732679B43369FD5FDDDD783EEEBB48236"
    "D34E7C94AF0A18A5FDA5F7D64111EB42D4D891622139F2952F9D12A20088DFA4CF8123871123EE1F6C1DCEA414879DDB4E05"
    "E508F1826D7EFBA6964DF804C9261EA23BBF03",
};

} // namespace

std::unique_ptr<DemoRig> startDemoRig(QString* error) {
    auto rig = std::make_unique<DemoRig>();
    rig->opticalHead = std::make_unique<DeviceBench>();
    for (DeviceKind kind :
         {DeviceKind::HeatCostAllocator, DeviceKind::RadioThermometer, DeviceKind::WaterMeterModule})
        fillDemoImage(rig->opticalHead->add(kind));
    if (!rig->opticalHead->start(error))
        return nullptr;

    rig->receiver = startSimulatedReceiver(nullptr);
    if (rig->receiver) {
        for (const char* hex : kAirTraffic)
            rig->airTraffic.push_back(QByteArray::fromHex(hex));
        rig->receiverClock = std::make_unique<QTimer>();
        rig->receiverClock->setInterval(700);
        DemoRig* r = rig.get();
        QObject::connect(rig->receiverClock.get(), &QTimer::timeout, [r] {
            ReceiverStream o;
            o.lineRate = true;
            o.rssi = static_cast<std::uint8_t>(0x70 + (r->nextTelegram * 7) % 0x30);
            r->receiver->stream({r->airTraffic[r->nextTelegram % r->airTraffic.size()]}, o);
            ++r->nextTelegram;
        });
        rig->receiverClock->start();
    }
    return rig;
}

} // namespace kvq::devsim
