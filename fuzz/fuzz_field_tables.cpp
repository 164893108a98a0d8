// Any bytes as the record of every field table: showing never reads past the record, reading back
// either names a control of the table or gives a record that shows and reads back to itself.

#include "core/devices/AllFieldTables.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>

using namespace kvq;
using namespace kvq::fields;

namespace {

void checkAt(bool ok, int line) {
    if (ok)
        return;
    std::fprintf(stderr, "check failed at line %d\n", line);
    std::abort();
}
#define check(ok) checkAt((ok), __LINE__)

template <class T> void run(const T& under, const std::uint8_t* data, std::size_t size) {
    using Form = typename T::Form;
    const Table<Form>& t = under.table();
    std::vector<std::uint8_t> record(under.recordSize, 0);
    std::memcpy(record.data(), data, std::min<std::size_t>(size, record.size()));
    Form form;
    showTable(t, std::span<const std::uint8_t>(record), form);
    std::vector<std::uint8_t> once = record;
    if (const auto error = readTable(t, form, std::span<std::uint8_t>(once))) {
        check(!error->message.isEmpty());
        bool known = false;
        for (const auto& r : t.fields)
            known = known || r.control == error->control;
        check(known);
        return;
    }
    Form again;
    showTable(t, std::span<const std::uint8_t>(once), again);
    std::vector<std::uint8_t> twice = once;
    check(!readTable(t, again, std::span<std::uint8_t>(twice)));
    check(twice == once);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::apply([&](const auto&... t) { (run(t, data, size), ...); }, allFieldTables());
    return 0;
}
