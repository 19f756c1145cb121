// Five-tone settings and own ID, PTT-ID codes, information codes, code list.
#include <algorithm>
#include <array>

#include "link/codec.h"
#include "link/codec_util.h"

namespace rp {

using codec::Checked;

namespace {

constexpr Byte kDefaultToneTime = 70;
constexpr char kPadDigit = 'E';

Byte ToneTimeOrDefault(int v) {
    return v >= 30 && v <= 100 ? static_cast<Byte>(v) : kDefaultToneTime;
}

// The code text completed with the padding digit to len and cut to it.
std::string PaddedCode(std::string c, int len) {
    while (static_cast<int>(c.size()) < len) c.push_back(kPadDigit);
    c.resize(static_cast<std::size_t>(len));
    return c;
}

int CodeLimit(Integer withName) { return withName == 1 ? kTone5ListMaxLen : kTone5PttIDMaxLen; }

// A code slot (Tone5CodeRec, 32 bytes): a PTT-ID slot or a code-list entry.
namespace slot {
inline constexpr Long Standard = 1;
inline constexpr Long CodeLen = 2;
inline constexpr Long ToneTime = 3;
inline constexpr Long Code = 4;   // packed digits, two a byte
inline constexpr Long Name = 24;  // 7 bytes, list entries only
inline constexpr int NameSize = 7;
}  // namespace slot

// An information code (Tone5InfoCodeRec, 32 bytes).
namespace info {
inline constexpr Long Type = 0;
inline constexpr Long Option = 1;
inline constexpr Long CodeLen = 2;
inline constexpr Long Code = 3;   // one digit a byte
inline constexpr Long Name = 16;  // 7 bytes
inline constexpr int NameSize = 7;
}  // namespace info

inline constexpr Long kSlotSize = 32;

// The settings area from addr::Tone5Settings (the own ID's digits follow at
// addr::Tone5OwnID).
namespace settings {
inline constexpr Long Reserved0 = 0x00;
inline constexpr Long Response = 0x01;
inline constexpr Long SysStandard = 0x02;
inline constexpr Long OwnIDLen = 0x03;
inline constexpr Long ToneTime = 0x04;
inline constexpr Long Param11 = 0x14;  // Tone5Param11 of the data record
}  // namespace settings

// Settings bytes 0x032B-0x0335 but 0x0334, in the order of Tone5ParamFields.
constexpr Long kParamOffsets[] = {0x0B, 0x0C, 0x0D, 0x0E, 0x0F, 0x10, 0x11, 0x12, 0x13, 0x15};

// The parameters stored at kParamOffsets, for the encoder and the decoder.
struct Tone5Params {
    std::array<Byte*, 4> bytes;       // the first four offsets
    std::array<Integer*, 6> integers;  // the other six
};
Tone5Params Tone5ParamFields(Tone5DataRec& t) {
    return {{&t.Tone5Param4, &t.Tone5Param6, &t.Tone5Param7, &t.Tone5Param5},
            {&t.Tone5Param8, &t.Tone5Switch, &t.Separator, &t.Tone5Param10, &t.Tone5Param9, &t.Tone5Param12}};
}

}  // namespace

bool SetCommDataBy5ToneCode2(CommBytes& img, const Tone5CodeRec& rec, Long address,
                             Integer withName) {
    if (rec.CodeLen > CodeLimit(withName)) return false;
    ImageWriter m(img);
    m.SetU8(address + slot::Standard, rec.Standard);
    m.SetU8(address + slot::CodeLen, rec.CodeLen);
    m.SetU8(address + slot::ToneTime, ToneTimeOrDefault(rec.ToneTime));
    std::string c = PaddedCode(rec.Code.Trim(), rec.CodeLen);
    if (c.size() % 2 != 0) c.push_back(kPadDigit);
    if (!m.SetHexDigits(address + slot::Code, c)) return false;
    if (withName == 1) m.SetPaddedText(address + slot::Name, slot::NameSize, rec.Name.Trim(), 0x20, 0x00);
    return true;
}

bool SetCommDataBy5ToneCode(CommBytes& img, const Tone5InfoCodeRec& rec, Long address) {
    if (rec.CodeLen > kTone5InfoMaxLen) return false;
    ImageWriter m(img);
    m.SetU8(address + info::Type, rec.Type);
    m.SetU8(address + info::Option, rec.Option);
    m.SetU8(address + info::CodeLen, rec.CodeLen);
    std::string c = PaddedCode(rec.Code.Trim(), rec.CodeLen);
    for (int k = 0; k < rec.CodeLen; ++k) {
        int v = codec::HexDigitValue(c[static_cast<std::size_t>(k)]);
        if (v < 0) return false;
        m.SetU8(address + info::Code + k, static_cast<Byte>(v));
    }
    m.SetPaddedText(address + info::Name, info::NameSize, rec.Name.Trim(), 0x00, 0x00);
    return true;
}

EncodeStatus SetCommDataBy5Tone(CommBytes& img, const RadioDataRec& w) {
    Tone5DataRec t = w.Tone5Data();
    const EncodeStatus fail = EncodeStatus::Fail("SetCommDataBy5Tone");
    ImageWriter m(img);
    const Long s = addr::Tone5Settings;
    if (t.OwnIDLen > kTone5OwnIDMaxLen) return fail;
    m.SetU8(s + settings::Reserved0, t.Reserved0);
    m.SetU8(s + settings::Response, t.Response);
    m.SetU8(s + settings::SysStandard, t.SysStandard);
    m.SetU8(s + settings::OwnIDLen, t.OwnIDLen);
    m.SetU8(s + settings::ToneTime, t.ToneTime);

    std::string id = t.OwnID.Trim();
    for (int i = 0; i < kTone5OwnIDMaxLen; ++i) {
        Byte v = 0;
        if (i < t.OwnIDLen) {
            if (i >= static_cast<int>(id.size()) || id[i] < '0' || id[i] > '9') return fail;
            v = static_cast<Byte>(id[i] - '0');
        }
        m.SetU8(addr::Tone5OwnID + i, v);
    }

    Checked c;
    const Tone5Params p = Tone5ParamFields(t);
    for (std::size_t k = 0; k < p.bytes.size(); ++k) m.SetU8(s + kParamOffsets[k], *p.bytes[k]);
    for (std::size_t k = 0; k < p.integers.size(); ++k)
        m.SetU8(s + kParamOffsets[p.bytes.size() + k], c.Val(*p.integers[k]));
    m.SetU8(s + settings::Param11, w.Tone5Param11);
    if (!c.ok()) return fail;

    if (!SetCommDataBy5ToneCode2(img, t.BeginCode, addr::Tone5BeginCode, 0)) return fail;
    if (!SetCommDataBy5ToneCode2(img, t.EndCode, addr::Tone5EndCode, 0)) return fail;
    for (int i = 0; i < 8; ++i)
        if (!SetCommDataBy5ToneCode(img, t.InfoCodes[i], addr::Tone5InfoCodes + kSlotSize * i))
            return fail;
    for (int j = 0; j < 100; ++j) {
        if (t.Codes[j].Empty == 0) m.SetMapBit(addr::Tone5CodeMap, j, false);
        if (!SetCommDataBy5ToneCode2(img, t.Codes[j], addr::Tone5Codes + kSlotSize * j, 1)) return fail;
    }
    return EncodeStatus::Ok();
}

void Get5ToneCode2FromComm(const CommBytes& img, Tone5CodeRec& rec, Long address,
                           Integer withName) {
    ImageReader m(img);
    rec.Standard = m.U8(address + slot::Standard);
    int len = m.U8(address + slot::CodeLen);
    if (len > CodeLimit(withName)) len = CodeLimit(withName);
    rec.CodeLen = static_cast<Byte>(len);
    rec.ToneTime = ToneTimeOrDefault(m.U8(address + slot::ToneTime));
    rec.Code.Set(m.HexDigits(address + slot::Code, (len + 1) / 2).substr(0, static_cast<std::size_t>(len)));
    if (withName == 1) codec::StoreText(rec.Name, m.Chars(address + slot::Name, slot::NameSize, true));
}

void Get5ToneCodeFromComm(const CommBytes& img, Tone5InfoCodeRec& rec, Long address) {
    ImageReader m(img);
    auto orZero = [](Byte b) { return b == 0xFF ? Byte{0} : b; };
    rec.Type = orZero(m.U8(address + info::Type));
    rec.Option = orZero(m.U8(address + info::Option));
    int len = orZero(m.U8(address + info::CodeLen));
    if (len > kTone5InfoMaxLen) len = kTone5InfoMaxLen;
    rec.CodeLen = static_cast<Byte>(len);
    // Each byte in hexadecimal without leading zero, joined, cut to the length.
    std::string code;
    for (int k = 0; k < len; ++k) {
        Byte b = m.U8(address + info::Code + k);
        if (b >= 0x10) code.push_back(codec::HexDigitChar(b >> 4));
        code.push_back(codec::HexDigitChar(b));
    }
    code.resize(std::min(code.size(), static_cast<std::size_t>(len)));
    rec.Code.Set(code);
    rec.Name.Set(m.Chars(address + info::Name, info::NameSize, true));
}

void Get5ToneDataFromComm(const CommBytes& img, RadioDataRec& w) {
    ImageReader m(img);
    Tone5DataRec t = w.Tone5Data();
    const Long s = addr::Tone5Settings;
    t.Reserved0 = m.U8(s + settings::Reserved0);
    t.Response = m.U8(s + settings::Response);
    t.SysStandard = m.U8(s + settings::SysStandard);
    t.OwnIDLen = std::min<Byte>(m.U8(s + settings::OwnIDLen), kTone5OwnIDMaxLen);
    t.ToneTime = m.U8(s + settings::ToneTime);
    std::string id;
    for (int i = 0; i < t.OwnIDLen; ++i) id += codec::DecimalText(m.U8(addr::Tone5OwnID + i));
    codec::StoreText(t.OwnID, id);

    const Tone5Params p = Tone5ParamFields(t);
    for (std::size_t k = 0; k < p.bytes.size(); ++k) *p.bytes[k] = m.U8(s + kParamOffsets[k]);
    for (std::size_t k = 0; k < p.integers.size(); ++k)
        *p.integers[k] = m.U8(s + kParamOffsets[p.bytes.size() + k]);
    w.Tone5Param11 = m.U8(s + settings::Param11);

    Get5ToneCode2FromComm(img, t.BeginCode, addr::Tone5BeginCode, 0);
    Get5ToneCode2FromComm(img, t.EndCode, addr::Tone5EndCode, 0);
    for (int i = 0; i < 8; ++i) Get5ToneCodeFromComm(img, t.InfoCodes[i], addr::Tone5InfoCodes + kSlotSize * i);
    for (int j = 0; j < 100; ++j) {
        t.Codes[j].Empty = m.MapBit(addr::Tone5CodeMap, j);
        Get5ToneCode2FromComm(img, t.Codes[j], addr::Tone5Codes + kSlotSize * j, 1);
    }
    w.Tone5Data() = t;
}

}  // namespace rp
