// Telegram decoding and framing throughput over the public telegrams of tests/data/wmbus, with the
// heap allocations each telegram costs once the result object has warmed up.

#include "core/wmbus/Framing.h"
#include "core/wmbus/TelegramDecoder.h"
#include "core/wmbus/TelegramDecryptor.h"
#include "core/wmbus/crypto/DeviceKey.h"

#include <benchmark/benchmark.h>

#include <atomic>
#include <cstdlib>
#include <fstream>
#include <map>
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
    std::string key;                  // AES key text where known
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
        const std::size_t tab = line.find('\t');
        s.key = line.substr(tab + 1, line.find('\t', tab + 1) - tab - 1);
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

// Every device's key by radio ID, as the route would give it.
struct KeyDirectory : DeviceDirectory {
    std::map<std::uint32_t, std::string> keys;
    DeviceLookup findDevice(std::uint32_t id, std::uint8_t, std::string_view) const override {
        const auto it = keys.find(id);
        return it == keys.end() ? DeviceLookup{} : DeviceLookup{true, it->second};
    }
};

enum class KeyCase { RouteKey, DerivedKey, NoKey };

// The mode 5 telegrams with a published key. For the derived-key case their plaintext is encrypted
// again under the key derived from the header ID, so the first attempt succeeds.
void decodeEncrypted(benchmark::State& state, KeyCase keyCase) {
    KeyDirectory directory;
    TelegramDecryptor decryptor;
    TelegramDecoder decoder;
    decoder.setDecryptor(&decryptor);
    decoder.setDeviceDirectory(&directory);
    TelegramResult result;
    TelegramBuffer buffer;
    std::vector<std::vector<std::uint8_t>> set;
    for (const Sample& s : samples()) {
        if (s.key.size() != 32)
            continue;
        buffer.assign(s.buffer);
        TelegramResult probe;
        if (!decoder.decode(buffer, probe) || probe.security != SecurityMode::Mode5)
            continue;
        directory.keys[radioIdOf(probe.link.idText.view())] = s.key;
        buffer.assign(s.buffer);
        decoder.decode(buffer, probe);
        if (!probe.decrypted)
            continue;
        if (keyCase == KeyCase::DerivedKey) {
            // buffer now holds the plaintext; encrypt it under the derived key with the same IV.
            DecryptRequest r;
            r.m = probe.link.m;
            r.headerId = probe.headerId;
            r.version = probe.link.version;
            r.deviceType = probe.deviceType;
            r.accessNumber = probe.accessNumber;
            const auto derived = kvq::crypto::DeriveDeviceKey(probe.headerIdText.view());
            kvq::crypto::CbcEncrypt(derived.key, TelegramDecryptor::mode5Iv(r),
                                    buffer.span().subspan(probe.payloadOffset, probe.encryptedBlocks * 16));
            set.emplace_back(buffer.bytes.begin(), buffer.bytes.begin() + buffer.size);
        } else {
            set.push_back(s.buffer);
        }
    }
    if (keyCase != KeyCase::RouteKey)
        directory.keys.clear();
    std::uint64_t telegrams = 0, decrypted = 0;
    const std::uint64_t before = g_allocations.load();
    for (auto _ : state) {
        for (const auto& t : set) {
            buffer.assign(t);
            decoder.decode(buffer, result);
            decrypted += result.decrypted;
        }
        telegrams += set.size();
    }
    state.SetItemsProcessed(static_cast<std::int64_t>(telegrams));
    state.counters["telegrams"] = static_cast<double>(set.size());
    state.counters["allocs_per_telegram"] =
        telegrams ? static_cast<double>(g_allocations.load() - before) / static_cast<double>(telegrams) : 0;
    state.counters["decrypted_share"] =
        telegrams ? static_cast<double>(decrypted) / static_cast<double>(telegrams) : 0;
}

void BM_DecodeEncryptedRouteKey(benchmark::State& state) {
    decodeEncrypted(state, KeyCase::RouteKey);
}
void BM_DecodeEncryptedDerivedKey(benchmark::State& state) {
    decodeEncrypted(state, KeyCase::DerivedKey);
}
void BM_DecodeEncryptedNoKey(benchmark::State& state) {
    decodeEncrypted(state, KeyCase::NoKey);
}

} // namespace

BENCHMARK(BM_DecodeEncryptedRouteKey);
BENCHMARK(BM_DecodeEncryptedDerivedKey);
BENCHMARK(BM_DecodeEncryptedNoKey);
BENCHMARK(BM_DecodeAllSharedTelegrams);
BENCHMARK(BM_DecodeUnencryptedTelegrams);
BENCHMARK(BM_DecodeFreshResult);
BENCHMARK(BM_FramingRadioCraft);
BENCHMARK_MAIN();
