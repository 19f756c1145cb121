#pragma once
// Stored form of the records: packed, little-endian, field by field in the
// order of recordlayout.h. Integers 2 bytes two's complement, Bytes 1 byte,
// Doubles 8-byte IEEE with their bit pattern kept, texts as raw bytes.
#include <bit>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <span>
#include <vector>

#include "core/recordlayout.h"

namespace rp {

inline constexpr std::size_t kDataRecordSize = 16855;
inline constexpr std::size_t kChannelRecordSize = 113;
inline constexpr std::size_t kBookRecordSize = 13;

namespace layout {

struct SizeCounter {
    std::size_t n = 0;
    void operator()(Integer&) { n += 2; }
    void operator()(Byte&) { n += 1; }
    void operator()(double&) { n += 8; }
    template <std::size_t N> void operator()(FixedText<N>&) { n += N; }
    template <class T, std::size_t N> void operator()(std::array<T, N>& a) {
        for (auto& e : a) (*this)(e);
    }
    template <class R> void operator()(R& r) { Fields(*this, r); }
};

struct Writer {
    std::uint8_t* p;
    void operator()(Integer& v) {
        auto u = static_cast<std::uint16_t>(v);
        *p++ = static_cast<std::uint8_t>(u & 0xFF);
        *p++ = static_cast<std::uint8_t>(u >> 8);
    }
    void operator()(Byte& v) { *p++ = v; }
    void operator()(double& v) {
        auto u = std::bit_cast<std::uint64_t>(v);
        for (int i = 0; i < 8; ++i) *p++ = static_cast<std::uint8_t>(u >> (8 * i));
    }
    template <std::size_t N> void operator()(FixedText<N>& t) {
        std::memcpy(p, t.data(), N);
        p += N;
    }
    template <class T, std::size_t N> void operator()(std::array<T, N>& a) {
        for (auto& e : a) (*this)(e);
    }
    template <class R> void operator()(R& r) { Fields(*this, r); }
};

struct Reader {
    const std::uint8_t* p;
    void operator()(Integer& v) {
        v = static_cast<Integer>(static_cast<std::uint16_t>(p[0] | (p[1] << 8)));
        p += 2;
    }
    void operator()(Byte& v) { v = *p++; }
    void operator()(double& v) {
        std::uint64_t u = 0;
        for (int i = 0; i < 8; ++i) u |= static_cast<std::uint64_t>(p[i]) << (8 * i);
        v = std::bit_cast<double>(u);
        p += 8;
    }
    template <std::size_t N> void operator()(FixedText<N>& t) {
        std::memcpy(t.data(), p, N);
        p += N;
    }
    template <class T, std::size_t N> void operator()(std::array<T, N>& a) {
        for (auto& e : a) (*this)(e);
    }
    template <class R> void operator()(R& r) { Fields(*this, r); }
};

}  // namespace layout

// Bytes a record occupies in the files.
template <class R> std::size_t StoredSize() {
    static const std::size_t n = [] {
        R r{};
        layout::SizeCounter c;
        c(r);
        return c.n;
    }();
    return n;
}

// Writes r into the first StoredSize<R>() bytes of out; false (nothing
// written) when out is shorter.
template <class R> bool EncodeRecord(const R& r, std::span<std::uint8_t> out) {
    if (out.size() < StoredSize<R>()) return false;
    layout::Writer w{out.data()};
    w(const_cast<R&>(r));  // the writer only reads
    return true;
}

template <class R> std::vector<std::uint8_t> EncodeRecord(const R& r) {
    std::vector<std::uint8_t> out(StoredSize<R>());
    EncodeRecord(r, std::span<std::uint8_t>(out));
    return out;
}

// Reads r from the first StoredSize<R>() bytes of in; false (r untouched)
// when in is shorter.
template <class R> bool DecodeRecord(std::span<const std::uint8_t> in, R& r) {
    if (in.size() < StoredSize<R>()) return false;
    R tmp = r;  // keeps fields that live only in memory
    layout::Reader rd{in.data()};
    rd(tmp);
    r = tmp;
    return true;
}

}  // namespace rp
