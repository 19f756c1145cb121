#pragma once
// Small helpers shared by the area codecs (not part of the link interface).
#include <array>
#include <charconv>
#include <string>
#include <string_view>

#include "core/fixedtext.h"
#include "core/numtext.h"
#include "core/records.h"
#include "link/image.h"

namespace rp::codec {

// Range checks of field values while an encoder computes its bytes: a value
// that does not fit its byte or bits marks the encode as failed instead of
// spilling into a neighbouring field.
class Checked {
public:
    Byte Val(int v) {
        if (v < 0 || v > 255) {
            ok_ = false;
            return 0;
        }
        return static_cast<Byte>(v);
    }
    Byte Bits(int v, int width) {
        if (v < 0 || v >= (1 << width)) {
            ok_ = false;
            return 0;
        }
        return static_cast<Byte>(v);
    }
    void Fail() { ok_ = false; }
    bool ok() const { return ok_; }

private:
    bool ok_ = true;
};

// A bit field of an image element: bits shift .. shift + width - 1 of the
// byte at offset.
struct BitField {
    Long offset;
    int shift;
    int width;
    constexpr int Mask() const { return (1 << width) - 1; }
};

// The field's bits of b[f.offset] set to v, which must fit (else the encode
// fails and nothing is set).
template <std::size_t N>
void PutBits(std::array<Byte, N>& b, const BitField& f, int v, Checked& c) {
    b[static_cast<std::size_t>(f.offset)] |= static_cast<Byte>(c.Bits(v, f.width) << f.shift);
}
// The field read from an element at address.
inline int GetBits(const ImageReader& m, Long address, const BitField& f) {
    return (m.U8(address + f.offset) >> f.shift) & f.Mask();
}

using rp::HexDigitValue;

// True when every character of s is a hexadecimal digit.
inline bool IsHexDigitText(std::string_view s) {
    for (char ch : s)
        if (HexDigitValue(ch) < 0) return false;
    return true;
}

inline char HexDigitChar(int v) { return "0123456789ABCDEF"[v & 0x0F]; }

// A decoded text into a fixed field: a shorter text is followed by one NUL
// (then blanks), a text of the field's length or longer is cut to it.
template <std::size_t N>
void StoreText(FixedText<N>& f, std::string_view t) {
    if (t.size() < N) {
        std::string s(t);
        s.push_back('\0');
        f.Set(s);
    } else {
        f.Set(t.substr(0, N));
    }
}

// Decimal digits of a small non-negative value.
inline std::string DecimalText(int v) {
    char buf[16];
    auto r = std::to_chars(buf, buf + sizeof buf, v);
    return std::string(buf, r.ptr);
}

// The eight BCD digits of a frequency text (units of 100 Hz): an empty text
// gives emptyDigits, a shorter one is completed with "0", a longer one cut.
inline std::string FrequencyDigits(std::string t, std::string_view emptyDigits) {
    if (t.empty()) t = std::string(emptyDigits);
    while (t.size() < 8) t.push_back('0');
    return t.substr(0, 8);
}

// The FM broadcast list (entries 0..99, the VFO entry 100) and its map: the
// last steps of the channel encoder and decoder. The encoder gives false on a
// frequency character that is not hexadecimal.
bool SetRadioFreListToComm(std::array<Byte, 16384>& img, const RadioDataRec& w);
void GetRadioFreListFromComm(const std::array<Byte, 16384>& img, RadioDataRec& w);

}  // namespace rp::codec
