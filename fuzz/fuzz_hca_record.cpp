// Any 165 bytes a device may answer with: the record shows without harm, and building it back either
// refuses with a named control (record untouched) or gives a record that shows and builds to itself.

#include "core/devices/hca/HcaFormMapping.h"
#include "core/devices/hca/HcaFormRules.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>

using namespace kvq;
using namespace kvq::hca;

namespace {

DeviceKey derive(const QString& id) {
    DeviceKey k{};
    for (int i = 0; i < 16; ++i)
        k[i] = std::uint8_t(id.at(i % id.size()).unicode() * 7 + i);
    return k;
}

void checkAt(bool ok, int line) {
    if (ok)
        return;
    std::fprintf(stderr, "check failed at line %d\n", line);
    std::abort();
}
#define check(ok) checkAt((ok), __LINE__)

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    DataEHKVImage img;
    std::memcpy(img.bytes.data(), data, std::min<std::size_t>(size, img.bytes.size()));
    const std::uint8_t flags = size > img.bytes.size() ? data[img.bytes.size()] : 0;
    img.ExtVersionFlag = flags & 1;

    HcaForm f;
    f.CheckBoxFunkUpdate = flags & 2;
    f.CheckBoxAutoAES = flags & 4;
    showRecord(img, f);
    refreshDerived(f);

    const DataEHKVImage shown = img;
    if (const auto err = readForm(f, img, derive)) {
        check(!err->control.isEmpty() && !err->message.isEmpty());
        check(img.bytes == shown.bytes);
        return 0;
    }
    // What only the device holds passes through untouched.
    for (int i : {35, 39, 160})
        check(img.bytes[i] == shown.bytes[i]);
    for (int i = 0; i < 4; ++i)
        check(img.bytes[off::DeviceId + i] == shown.bytes[off::DeviceId + i]);
    for (int i = 0; i < 4; ++i)
        check(img.bytes[off::SerialNumber + i] == shown.bytes[off::SerialNumber + i]);

    // A record built from the form is shown and built back to exactly itself.
    const Record once = img.bytes;
    HcaForm again = f;
    showRecord(img, again);
    check(img.bytes == once);
    check(!readForm(again, img, derive));
    for (int i = 0; i < kEhkvRecordSize; ++i)
        if (img.bytes[i] != once[i])
            std::fprintf(stderr, "byte %d: %02X then %02X\n", i, once[i], img.bytes[i]);
    check(img.bytes == once);
    return 0;
}
