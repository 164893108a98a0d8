// The heat cost allocator record between its bytes and the device-data form: what one answer costs
// the window thread (record to form) and what one write costs (form to record, write frame).

#include "core/app/Bytes.h"
#include "core/devices/hca/HcaFormMapping.h"
#include "core/devices/hca/HcaFormRules.h"
#include "core/devices/hca/HcaFrames.h"
#include "core/wmbus/crypto/DeviceKey.h"

#include <benchmark/benchmark.h>

using namespace kvq;
using namespace kvq::hca;

namespace {

DataEHKVImage sample() {
    DataEHKVImage img;
    Record& r = img.bytes;
    for (int i = 0; i < kEhkvRecordSize; ++i)
        r[i] = std::uint8_t(i * 37 + 11);
    storeId(r, off::DeviceId, 0x12345678);
    storeId(r, off::RadioId, 0x12345678);
    storeId(r, off::SerialNumber, 0x00480215);
    r[off::ClockHours] = 9;
    r[off::ClockMinutes] = 30;
    r[off::ClockSeconds] = 0;
    r[off::DateDay] = 15;
    r[off::DateMonth] = 5;
    r[off::DateYear] = 24;
    writeBEFloat(r.data() + off::MeterReading, 1234.5f);
    writeBEFloat(r.data() + off::MeterReadingPrev, 1000.25f);
    writeLE16(r.data() + off::ManCode, *parseManCode(QStringLiteral("QLM")));
    return img;
}

DeviceKey derive(const QString& id) {
    const crypto::DeviceKey k = crypto::DeriveDeviceKey(id.toStdString());
    DeviceKey out;
    std::copy(k.key.begin(), k.key.end(), out.begin());
    return out;
}

void BM_ShowRecord(benchmark::State& state) {
    DataEHKVImage img = sample();
    HcaForm f;
    for (auto _ : state) {
        showRecord(img, f);
        refreshDerived(f);
        benchmark::DoNotOptimize(f);
    }
}
BENCHMARK(BM_ShowRecord);

void BM_ReadFormAndWriteFrame(benchmark::State& state) {
    DataEHKVImage img = sample();
    HcaForm f;
    showRecord(img, f);
    f.CheckBoxAutoAES = state.range(0) != 0;
    for (auto _ : state) {
        DataEHKVImage out = img;
        if (readForm(f, out, derive))
            state.SkipWithError("refused");
        benchmark::DoNotOptimize(buildWriteFrame(out.bytes));
    }
}
BENCHMARK(BM_ReadFormAndWriteFrame)->Arg(0)->Arg(1);

void BM_Schedule(benchmark::State& state) {
    HcaForm f;
    applyPresets(f);
    for (auto _ : state) {
        updateSchedule(f);
        benchmark::DoNotOptimize(f.LabelmAh11);
    }
}
BENCHMARK(BM_Schedule);

} // namespace

BENCHMARK_MAIN();
