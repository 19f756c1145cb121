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

using rp::HexDigitValue;

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
