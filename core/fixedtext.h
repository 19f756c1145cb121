#pragma once
// Fixed-length text fields of the radio records: exactly N raw bytes.
// Bytes are kept as they are (shown as Latin-1), never re-encoded.
#include <array>
#include <cstddef>
#include <string>
#include <string_view>

namespace rp {

// Trailing blanks (code 32 only) removed, then cut before the first NUL.
std::string TrimNullStr(std::string_view s);

template <std::size_t N>
struct FixedText {
    std::array<char, N> b{};  // a fresh field holds N NULs

    static constexpr std::size_t size() { return N; }

    // Keeps the first N bytes of v and pads a shorter value with blanks.
    void Set(std::string_view v) {
        std::size_t n = v.size() < N ? v.size() : N;
        for (std::size_t i = 0; i < n; ++i) b[i] = v[i];
        for (std::size_t i = n; i < N; ++i) b[i] = ' ';
    }
    // "Left empty": one NUL followed by blanks.
    void SetEmpty() {
        b[0] = '\0';
        for (std::size_t i = 1; i < N; ++i) b[i] = ' ';
    }
    void Clear() { b.fill('\0'); }
    std::string_view Raw() const { return std::string_view(b.data(), N); }
    std::string Trim() const { return TrimNullStr(Raw()); }
    char* data() { return b.data(); }
    const char* data() const { return b.data(); }
    bool operator==(const FixedText&) const = default;
};

}  // namespace rp
