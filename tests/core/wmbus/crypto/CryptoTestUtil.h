#pragma once

#include "core/app/Bytes.h"
#include "core/wmbus/crypto/Aes128.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace kvq::crypto::test {

inline std::vector<std::uint8_t> hex(const std::string& text) {
    std::vector<std::uint8_t> out;
    EXPECT_TRUE(parseHexText(text, out)) << text;
    return out;
}

inline Block block(const std::string& text) {
    const auto bytes = hex(text);
    Block b{};
    EXPECT_EQ(bytes.size(), b.size()) << text;
    std::copy_n(bytes.begin(), std::min(bytes.size(), b.size()), b.begin());
    return b;
}

// Every backend this machine can run; AesNi only where the processor has it.
inline std::vector<AesBackend> runnableBackends() {
    std::vector<AesBackend> backends{AesBackend::Portable};
    if (aesNiAvailable())
        backends.push_back(AesBackend::AesNi);
    return backends;
}

inline std::string backendName(const ::testing::TestParamInfo<AesBackend>& info) {
    return info.param == AesBackend::AesNi ? "AesNi" : "Portable";
}

} // namespace kvq::crypto::test
