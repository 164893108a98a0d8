// Compact-frame formats on arbitrary input: a FORMAT text (the bytes before the first 0x00), then
// compact data expanded with it into a small and a large buffer, and a format frame and a full frame
// learned into a list kept in memory.

#include "core/wmbus/RecordReader.h"
#include "core/wmbus/compact/KompaktFormatList.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <vector>

using namespace kvq::wmbus;

namespace {
void check(bool ok) {
    if (!ok)
        std::abort();
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::uint8_t* zero = std::find(data, data + size, 0);
    TKompaktFormat f;
    f.format = QString::fromLatin1(reinterpret_cast<const char*>(data), qsizetype(zero - data));
    const std::span<const std::uint8_t> rest(zero == data + size ? zero : zero + 1, data + size);
    if (parseKompaktFormat(f).ok()) {
        check(f.recordCount <= TKompaktFormat::kMaxRecords);
        std::vector<std::uint8_t> small(16), large(1024);
        for (auto* out : {&small, &large}) {
            if (const auto n = expandKompakt(f, rest, *out)) {
                check(*n <= out->size());
                RecordReader reader(std::span<const std::uint8_t>(out->data(), *n));
                DataRecord r;
                while (reader.next(r))
                    check(r.dataOffset + r.dataLength <= *n);
            }
        }
    }
    KompaktFormatList list;
    list.learn(rest, "KAM", 7);
    list.learnFullFrame(rest, "KAM", 7);
    std::vector<std::uint8_t> out(256);
    CompactOutcome outcome;
    const std::size_t n = list.expand(rest, "KAM", 7, out, outcome);
    check(n <= out.size());
    check(n == 0 || outcome == CompactOutcome::Expanded);
    return 0;
}
