#include "link/image.h"

#include <algorithm>

#include "core/numtext.h"

namespace rp {

namespace {
constexpr char kHex[] = "0123456789ABCDEF";
}  // namespace

Long ChannelImageAddress(int no) {
    if (no >= ChMemFirst && no <= ChMemLast) return addr::MemChannels + kFreImageSize * (no - 1);
    switch (no) {
        case ChPL1: return addr::ChannelPL1;
        case ChPU1: return addr::ChannelPU1;
        case ChPL2: return addr::ChannelPL2;
        case ChPU2: return addr::ChannelPU2;
        case ChVFO1: return addr::ChannelVFO1;
        case ChVFO2: return addr::ChannelVFO2;
        default: return -1;
    }
}

void ClearCommImage(CommBytes& img) {
    ImageWriter w(img);
    w.Fill(0x0010, 0x00FF, 0x00);
    w.Fill(0x0100, 0x015F, 0xFF);
    w.Fill(0x0160, 0x025F, 0x00);
    w.Fill(0x0260, 0x026F, 0xFF);
    w.Fill(0x0270, 0x037F, 0x00);
    w.Fill(0x0380, 0x039F, 0xFF);
    w.Fill(0x03A0, 0x3FFF, 0x00);
}

void ClearCommImage(AppData& d) { ClearCommImage(d.CommData); }

Byte ImageReader::U8(Long a) const { return r_->at(static_cast<std::size_t>(a)); }

std::uint16_t ImageReader::U16(Long a) const {
    return static_cast<std::uint16_t>(U8(a) | (U8(a + 1) << 8));
}

std::uint16_t ImageReader::U16BigEndian(Long a) const {
    return static_cast<std::uint16_t>((U8(a) << 8) | U8(a + 1));
}

// The count bytes from a, after checking both ends (out_of_range as U8).
const Byte* ImageReader::Bytes(Long a, int count) const {
    if (count <= 0) return r_->data();
    (void)r_->at(static_cast<std::size_t>(a));
    (void)r_->at(static_cast<std::size_t>(a + count - 1));
    return r_->data() + a;
}

std::string ImageReader::HexDigits(Long a, int count) const {
    const Byte* p = Bytes(a, count);
    std::string s(static_cast<std::size_t>(count > 0 ? count : 0) * 2, '0');
    for (int i = 0; i < count; ++i) {
        s[static_cast<std::size_t>(2 * i)] = kHex[p[i] >> 4];
        s[static_cast<std::size_t>(2 * i + 1)] = kHex[p[i] & 0x0F];
    }
    return s;
}

bool ImageReader::MapBit(Long base, int k) const {
    return (U8(base + k / 8) >> (k % 8)) & 1;
}

std::string ImageReader::Chars(Long a, int max, bool stopAtFF) const {
    std::string s;
    for (int i = 0; i < max; ++i) {
        Byte b = U8(a + i);
        if (b == 0x00 || (stopAtFF && b == 0xFF)) break;
        s.push_back(static_cast<char>(b));
    }
    return s;
}

std::string ImageReader::RawChars(Long a, int count) const {
    const Byte* p = Bytes(a, count);
    return count > 0 ? std::string(reinterpret_cast<const char*>(p), static_cast<std::size_t>(count)) : std::string();
}

void ImageWriter::SetU8(Long a, Byte v) { w_->at(static_cast<std::size_t>(a)) = v; }

void ImageWriter::SetU16(Long a, std::uint16_t v) {
    SetU8(a, static_cast<Byte>(v & 0xFF));
    SetU8(a + 1, static_cast<Byte>(v >> 8));
}

void ImageWriter::Fill(Long first, Long last, Byte v) {
    if (first > last) return;
    (void)w_->at(static_cast<std::size_t>(first));  // both ends checked, the bytes between set at once
    (void)w_->at(static_cast<std::size_t>(last));
    std::fill(w_->begin() + first, w_->begin() + last + 1, v);
}

bool ImageWriter::SetHexDigits(Long a, std::string_view pairs) {
    if (pairs.size() < 2) return pairs.empty();
    (void)Bytes(a, static_cast<int>(pairs.size() / 2));  // both ends checked
    Byte* p = w_->data() + a;
    for (std::size_t i = 0; i + 1 < pairs.size(); i += 2) {
        int hi = HexDigitValue(pairs[i]), lo = HexDigitValue(pairs[i + 1]);
        if (hi < 0 || lo < 0) return false;
        p[i / 2] = static_cast<Byte>(hi * 16 + lo);
    }
    return pairs.size() % 2 == 0;
}

void ImageWriter::SetMapBit(Long base, int k, bool set) {
    Long a = base + k / 8;
    Byte mask = static_cast<Byte>(1u << (k % 8));
    SetU8(a, set ? static_cast<Byte>(U8(a) | mask) : static_cast<Byte>(U8(a) & ~mask));
}

void ImageWriter::SetPaddedText(Long a, int width, std::string_view t, Byte pad, Byte emptyFill) {
    if (t.empty()) {
        Fill(a, a + width - 1, emptyFill);
        return;
    }
    if (width <= 0) return;
    (void)Bytes(a, width);  // both ends checked
    Byte* p = w_->data() + a;
    for (int k = 0; k < width; ++k) p[k] = k < static_cast<int>(t.size()) ? static_cast<Byte>(t[k]) : pad;
}

bool IsDecimalDigits(std::string_view s) {
    if (s.empty()) return false;
    for (char c : s)
        if (c < '0' || c > '9') return false;
    return true;
}

}  // namespace rp
