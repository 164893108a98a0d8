#pragma once
// Short texts of a known upper bound kept inline, so per-telegram fields need no allocation.

#include <algorithm>
#include <array>
#include <cstddef>
#include <string>
#include <string_view>

namespace kvq::wmbus {

template <std::size_t Capacity> class FixedText {
public:
    FixedText() = default;
    FixedText(std::string_view text) { assign(text); }

    // Longer texts are cut at the capacity; callers size the capacity so that this never happens.
    void assign(std::string_view text) {
        size_ = std::min(text.size(), Capacity);
        std::copy_n(text.data(), size_, chars_.data());
        chars_[size_] = '\0';
    }
    void clear() { assign({}); }

    std::string_view view() const { return std::string_view(chars_.data(), size_); }
    const char* c_str() const { return chars_.data(); }
    std::string str() const { return std::string(view()); }
    std::size_t size() const { return size_; }
    bool empty() const { return size_ == 0; }
    static constexpr std::size_t capacity() { return Capacity; }

    friend bool operator==(const FixedText& a, const FixedText& b) { return a.view() == b.view(); }
    friend bool operator==(const FixedText& a, std::string_view b) { return a.view() == b; }

private:
    std::array<char, Capacity + 1> chars_{};
    std::size_t size_ = 0;
};

} // namespace kvq::wmbus
