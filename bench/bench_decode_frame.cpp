// Answer decoding of the optical head: a full record answer, the ring copy before it, and noise.
#include "core/link/DecodeFrame.h"
#include "core/link/Frame.h"
#include "core/link/RxRing.h"

#include <benchmark/benchmark.h>
#include <random>

namespace {

std::vector<std::uint8_t> recordAnswer(std::size_t payload) {
    const auto L = std::uint8_t(17 + payload);
    std::vector<std::uint8_t> f{0x68, L,    L,    0x68, 0x08, 0xFE, 0x72, 0x78, 0x56, 0x34,
                                0x12, 0x8D, 0x45, 0x52, 0x08, 0x01, 0x00, 0x00, 0x00, 0x0F};
    for (std::size_t i = 0; i < payload; ++i)
        f.push_back(std::uint8_t(i));
    f.push_back(0x1F);
    f.push_back(kvq::frame::checksum(f, 4, f.size() - 1));
    f.push_back(0x16);
    return f;
}

void BM_DecodeRecordAnswer(benchmark::State& state) {
    const auto f = recordAnswer(165);
    kvq::PARAmeter p(kvq::DeviceFamily::HeatCostAllocator);
    for (auto _ : state)
        benchmark::DoNotOptimize(kvq::DecodeFrame(p, std::span(f.data(), f.size() - 1)));
    state.SetBytesProcessed(std::int64_t(state.iterations()) * std::int64_t(f.size()));
}
BENCHMARK(BM_DecodeRecordAnswer);

// What the answer path does once per answer: copy the waiting bytes out of the ring, then decode.
void BM_RingCopyAndDecode(benchmark::State& state) {
    const auto f = recordAnswer(231);
    kvq::RxRingBuffer ring;
    ring.RxReadPos = ring.RxWritePos = 4000; // across the end of the ring
    for (auto b : f)
        ring.StoreRxByte(b);
    kvq::PARAmeter p(kvq::DeviceFamily::HeatCostAllocator);
    p.Family = 2;
    for (auto _ : state) {
        const auto copy = ring.copyFrom(ring.RxReadPos);
        benchmark::DoNotOptimize(kvq::DecodeFrame(p, std::span(copy.data(), copy.size() - 1)));
    }
}
BENCHMARK(BM_RingCopyAndDecode);

void BM_DecodeNoise4096(benchmark::State& state) {
    std::mt19937 rng(7);
    std::vector<std::uint8_t> noise(4096);
    for (auto& b : noise)
        b = std::uint8_t(rng());
    noise[0] = 0x68;
    kvq::PARAmeter p;
    for (auto _ : state)
        benchmark::DoNotOptimize(kvq::DecodeFrame(p, noise));
}
BENCHMARK(BM_DecodeNoise4096);

} // namespace

BENCHMARK_MAIN();
