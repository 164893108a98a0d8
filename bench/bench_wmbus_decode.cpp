// Telegram decoding and framing throughput over the public telegrams of tests/data/wmbus, with the
// heap allocations each telegram costs once the result object has warmed up.

#include "core/wmbus/Framing.h"
#include "core/wmbus/TelegramDecoder.h"

#include <benchmark/benchmark.h>

#include <atomic>
#include <cstdlib>
#include <fstream>
#include <new>
#include <string>
#include <vector>

namespace {
std::atomic<std::uint64_t> g_allocations{0};
} // namespace

void* operator new(std::size_t n) {
    g_allocations.fetch_add(1, std::memory_order_relaxed);
    if (void* p = std::malloc(n ? n : 1))
        return p;
    throw std::bad_alloc();
}
void operator delete(void* p) noexcept {
    std::free(p);
}
void operator delete(void* p, std::size_t) noexcept {
    std::free(p);
}

using namespace kvq::wmbus;

namespace {

struct Sample {
    std::vector<std::uint8_t> buffer; // receiver telegram buffer
    bool encrypted;                   // the reference lists it as encrypted
};

std::vector<Sample> loadSamples() {
    std::ifstream in(std::string(KVQ_TESTDATA_DIR) + "/wmbus/peer-telegrams.tsv");
    std::string line;
    std::getline(in, line);
    std::vector<Sample> out;
    while (std::getline(in, line)) {
        const std::string hex = line.substr(0, line.find('\t'));
        if (hex.size() < 2)
            continue;
        Sample s;
        s.buffer.assign(hex.size() / 2 + 2, 0x8A);
        s.buffer[0] = 0x68;
        for (std::size_t k = 0; k + 1 < hex.size(); k += 2)
            s.buffer[k / 2 + 1] = static_cast<std::uint8_t>(std::stoi(hex.substr(k, 2), nullptr, 16));
        s.buffer[1] = static_cast<std::uint8_t>(s.buffer[1] + 1);
        s.encrypted = line.find("AES") != std::string::npos || line.find("DES") != std::string::npos;
        out.push_back(std::move(s));
    }
    return out;
}

const std::vector<Sample>& samples() {
    static const std::vector<Sample> s = loadSamples();
    return s;
}

void decodeAll(benchmark::State& state, bool plainOnly) {
    std::vector<const Sample*> set;
    for (const Sample& s : samples())
        if (!plainOnly || !s.encrypted)
            set.push_back(&s);
    if (set.empty()) {
        state.SkipWithError("no telegrams");
        return;
    }
    TelegramDecoder decoder;
    TelegramResult result;
    TelegramBuffer buffer;
    for (const Sample* s : set) { // warm the result's strings
        buffer.assign(s->buffer);
        decoder.decode(buffer, result);
    }
    std::uint64_t telegrams = 0;
    const std::uint64_t before = g_allocations.load();
    for (auto _ : state) {
        for (const Sample* s : set) {
            buffer.assign(s->buffer);
            benchmark::DoNotOptimize(decoder.decode(buffer, result));
            benchmark::DoNotOptimize(result.values[0].value.data());
        }
        telegrams += set.size();
    }
    state.SetItemsProcessed(static_cast<std::int64_t>(telegrams));
    state.counters["allocs_per_telegram"] =
        telegrams ? static_cast<double>(g_allocations.load() - before) / static_cast<double>(telegrams) : 0;
    state.counters["telegrams"] = static_cast<double>(set.size());
}

void BM_DecodeAllSharedTelegrams(benchmark::State& state) {
    decodeAll(state, false);
}
void BM_DecodeUnencryptedTelegrams(benchmark::State& state) {
    decodeAll(state, true);
}

// Fresh result object per telegram: what a caller pays that does not reuse it.
void BM_DecodeFreshResult(benchmark::State& state) {
    TelegramDecoder decoder;
    TelegramBuffer buffer;
    std::uint64_t telegrams = 0;
    const std::uint64_t before = g_allocations.load();
    for (auto _ : state) {
        for (const Sample& s : samples()) {
            TelegramResult result;
            buffer.assign(s.buffer);
            benchmark::DoNotOptimize(decoder.decode(buffer, result));
        }
        telegrams += samples().size();
    }
    state.SetItemsProcessed(static_cast<std::int64_t>(telegrams));
    state.counters["allocs_per_telegram"] =
        static_cast<double>(g_allocations.load() - before) / static_cast<double>(telegrams);
}

// All shared telegrams as one RadioCraft byte stream with noise between frames, in 512-byte chunks.
void BM_FramingRadioCraft(benchmark::State& state) {
    std::vector<std::uint8_t> stream;
    for (const Sample& s : samples()) {
        stream.insert(stream.end(), s.buffer.begin(), s.buffer.end());
        stream.push_back(0x16);
        stream.insert(stream.end(), {0x00, 0x68, 0x16});
    }
    TelegramFramer framer(Framing::RadioCraft);
    std::uint64_t frames = 0;
    for (auto _ : state) {
        for (std::size_t at = 0; at < stream.size(); at += 512) {
            const std::size_t n = std::min<std::size_t>(512, stream.size() - at);
            framer.receive(std::span(stream).subspan(at, n), [&](const ReceivedFrame&) { ++frames; });
        }
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * stream.size()));
    state.counters["frames"] = static_cast<double>(frames) / static_cast<double>(state.iterations());
}

} // namespace

BENCHMARK(BM_DecodeAllSharedTelegrams);
BENCHMARK(BM_DecodeUnencryptedTelegrams);
BENCHMARK(BM_DecodeFreshResult);
BENCHMARK(BM_FramingRadioCraft);
BENCHMARK_MAIN();
