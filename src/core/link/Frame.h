#pragma once
// The optical-head long frame: 68 L L 68 C A CI ... CS 16, with the 8-bit sum as checksum.

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

namespace kvq::frame {

constexpr std::uint8_t kStart = 0x68;
constexpr std::uint8_t kStop = 0x16;
constexpr std::uint8_t kRequestC = 0x53;
constexpr std::uint8_t kAnswerC = 0x08; // RSP_UD
constexpr std::uint8_t kBroadcastA = 0xFE;
constexpr std::uint8_t kRequestCI = 0x51;
constexpr std::uint8_t kAnswerCI = 0x72;
constexpr std::uint8_t kManufacturerData = 0x0F;
constexpr std::uint8_t kAck = 0xE5;
constexpr std::uint8_t kRequestL = 0x08; // what every request carries, whatever its length

constexpr std::size_t kMaxRequest = 300;
constexpr int kPreambleLength = 510;
constexpr std::uint8_t kPreambleByte = 0x55;

constexpr std::uint8_t kMediumHeatCostAllocator = 0x08;
constexpr std::uint8_t kMediumRadioThermometer = 0x1B;
constexpr std::uint8_t kMediumWaterMeterModule = 0x07;

// 8-bit sum of bytes[first..last]; indexes outside the bytes add nothing.
std::uint8_t checksum(std::span<const std::uint8_t> bytes, std::size_t first, std::size_t last);

// 68 L L 68 53 FE 51 0F <command bytes> CS 16, the checksum over everything from the C field on.
std::vector<std::uint8_t> buildRequest(std::span<const std::uint8_t> command, std::uint8_t L = kRequestL);

} // namespace kvq::frame
