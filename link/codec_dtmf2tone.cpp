// DTMF settings, own ID and codes; two-tone settings, encode and decode entries.
#include <array>
#include <cmath>

#include "link/codec.h"
#include "link/codec_util.h"

namespace rp {

using codec::Checked;

namespace {

// DTMF settings offsets from addr::DTMFSettings.
enum DtmfOffset : Long {
    DtSeparator = 0x0, DtGroupCode = 0x1, DtDecodeResponse = 0x2, DtPreSendDelay = 0x3,
    DtFirstDigitDelay = 0x4, DtResetTime = 0x5, DtSideTone = 0xD, DtPostSendDelay = 0xE,
    DtPauseTime = 0xF,
};
constexpr int kOwnIDDigits = 3;

// A DTMF code area: digitBytes packed digit bytes, then the length byte.
struct DtmfArea {
    Long address;
    int digitBytes;  // 12 or 7
    bool padToLength;  // begin, end and memory codes are completed with "0"
};
constexpr DtmfArea kBeginArea{addr::DTMFBeginCode, 12, true};
constexpr DtmfArea kEndArea{addr::DTMFEndCode, 12, true};
constexpr DtmfArea kKillArea{addr::DTMFKillCode, 7, false};
constexpr DtmfArea kStunArea{addr::DTMFStunCode, 7, false};
DtmfArea MemCodeArea(int i) { return {addr::DTMFMemCodes + 16 * i, 12, true}; }

template <std::size_t N>
bool PackDtmfCode(ImageWriter& m, const DtmfArea& a, const FixedText<N>& code, int codeLen) {
    const int maxDigits = 2 * a.digitBytes;
    std::string c = code.Trim();
    int n = codeLen > maxDigits ? 0 : codeLen;
    if (n < 0) return false;
    if (a.padToLength)
        while (static_cast<int>(c.size()) < n) c.push_back('0');
    if (c.size() % 2 != 0) c.push_back('0');
    m.SetU8(a.address + a.digitBytes, static_cast<Byte>(n));
    if (n % 2 != 0) ++n;
    if (static_cast<int>(c.size()) < n) return false;  // kill or stun text too short
    return m.SetHexDigits(a.address, std::string_view(c).substr(0, static_cast<std::size_t>(n)));
}

template <std::size_t N>
void UnpackDtmfCode(const ImageReader& m, const DtmfArea& a, FixedText<N>& code,
                    Integer& codeLen) {
    const int maxDigits = 2 * a.digitBytes;
    int n = m.U8(a.address + a.digitBytes);
    if (n > maxDigits) n = 0;
    codeLen = static_cast<Integer>(n);
    std::string t = m.HexDigits(a.address, (n + 1) / 2).substr(0, static_cast<std::size_t>(n));
    codec::StoreText(code, t);
}

// Two-tone decode-entry tone (Hz) as 0.1 Hz units and its divisor; false when
// either does not fit 16 bits.
bool ToneWords(double t, std::uint16_t& v, std::uint16_t& w) {
    v = w = 0;
    if (!(std::nearbyint(t) > 0)) return true;
    double tenths = std::nearbyint(t * 10);
    double divisor = std::floor(3250000.0 / t);
    if (!(tenths <= 65535) || !(divisor <= 65535)) return false;
    v = static_cast<std::uint16_t>(tenths);
    w = static_cast<std::uint16_t>(divisor);
    return true;
}

// Two-tone settings (addr::Tone2Settings), 24 bytes in this order.
template <class Rec>
auto Tone2HeadFields(Rec& t) {
    return std::array{&t.OwnTone1L,   &t.OwnTone1H,   &t.OwnTone2L,   &t.OwnTone2H,
                      &t.OwnDivisor1L, &t.OwnDivisor1H, &t.OwnDivisor2L, &t.OwnDivisor2H,
                      &t.Response,    &t.Duration1,   &t.Duration2,   &t.Duration3,
                      &t.Interval,    &t.ResetTime,   &t.SideTone,    &t.CallFormat,
                      &t.ToneAH,      &t.ToneAL,      &t.ToneBH,      &t.ToneBL,
                      &t.ToneCH,      &t.ToneCL,      &t.ToneDH,      &t.ToneDL};
}

// A two-tone decode entry (16 bytes).
namespace decode {
inline constexpr Long Tone1 = 0;     // 0.1 Hz units, 16 bits low byte first
inline constexpr Long Tone2 = 2;
inline constexpr Long Divisor1 = 4;  // 3,250,000 / tone, 16 bits
inline constexpr Long Divisor2 = 6;
inline constexpr Long Response = 8;
inline constexpr Long Name = 9;      // 6 bytes
inline constexpr int NameSize = 6;
}  // namespace decode

// A two-tone encode entry (16 bytes): its eight value bytes from offset 0
// in the order of Tone2EncodeFields, then the name.
namespace encode {
inline constexpr Long Values = 0;
inline constexpr Long Name = 8;  // 7 bytes
inline constexpr int NameSize = 7;
}  // namespace encode

template <class Rec>
auto Tone2EncodeFields(Rec& e) {
    return std::array{&e.Divisor1L, &e.Divisor1H, &e.Divisor2L, &e.Divisor2H,
                      &e.Tone1L,    &e.Tone1H,    &e.Tone2L,    &e.Tone2H};
}

inline constexpr Long kTone2EntrySize = 16;

// Name bytes: empty gives zeros, otherwise blank padding; cut to width.
void PutBlankPaddedName(ImageWriter& m, Long a, int width, std::string n) {
    if (static_cast<int>(n.size()) > width) n.resize(static_cast<std::size_t>(width));
    m.SetPaddedText(a, width, n, 0x20, 0x00);
}

}  // namespace

EncodeStatus SetCommDataByDTMF(CommBytes& img, RadioDataRec& w) {
    DTMFDataRec& dt = w.DTMFData();
    const EncodeStatus fail = EncodeStatus::Fail("SetCommDataByDTMF");
    ImageWriter m(img);
    Checked c;
    const Long s = addr::DTMFSettings;
    m.SetU8(s + DtSeparator,
            static_cast<Byte>(dt.Separator >= 10 && dt.Separator <= 15 ? dt.Separator : 14));
    m.SetU8(s + DtGroupCode,
            static_cast<Byte>(dt.GroupCode >= 10 && dt.GroupCode <= 15 ? dt.GroupCode : 0xFF));
    m.SetU8(s + DtDecodeResponse,
            static_cast<Byte>(dt.DecodeResponse >= 0 && dt.DecodeResponse <= 2 ? dt.DecodeResponse : 0));
    m.SetU8(s + DtPreSendDelay, c.Val(dt.PreSendDelay));
    m.SetU8(s + DtFirstDigitDelay,
            static_cast<Byte>(dt.FirstDigitDelay >= 0 && dt.FirstDigitDelay <= 250 ? dt.FirstDigitDelay : 0));
    m.SetU8(s + DtResetTime, c.Val(dt.ResetTime));

    // Own ID: three decimal digits, stored back into the (copied) data.
    std::string id = dt.OwnID.Trim();
    if (IsDecimalDigits(id)) {
        while (static_cast<int>(id.size()) < kOwnIDDigits) id.insert(id.begin(), '0');
    } else {
        id = "000";
    }
    dt.OwnID.Set(id);
    m.SetU8(addr::DTMFOwnIDCount, static_cast<Byte>(id.size()));
    for (std::size_t k = 0; k < id.size(); ++k)
        m.SetU8(addr::DTMFOwnID + static_cast<Long>(k), static_cast<Byte>(id[k] - '0'));

    m.SetU8(s + DtSideTone, c.Val(dt.SideTone));
    m.SetU8(s + DtPostSendDelay, c.Val(dt.PostSendDelay));
    m.SetU8(s + DtPauseTime, c.Val(dt.PauseTime));
    if (!c.ok()) return fail;

    if (!PackDtmfCode(m, kBeginArea, dt.BeginCode.Code, dt.BeginCode.CodeLen)) return fail;
    if (!PackDtmfCode(m, kEndArea, dt.EndCode.Code, dt.EndCode.CodeLen)) return fail;
    if (!PackDtmfCode(m, kKillArea, dt.KillCode.Code, dt.KillCode.CodeLen)) return fail;
    if (!PackDtmfCode(m, kStunArea, dt.StunCode.Code, dt.StunCode.CodeLen)) return fail;
    for (int i = 0; i < 16; ++i)
        if (!PackDtmfCode(m, MemCodeArea(i), dt.MemCodes[i].Code, dt.MemCodes[i].CodeLen))
            return fail;
    return EncodeStatus::Ok();
}

void GetDTMFDataFromComm(const CommBytes& img, RadioDataRec& w) {
    ImageReader m(img);
    DTMFDataRec dt = w.DTMFData();
    const Long s = addr::DTMFSettings;
    Byte sep = m.U8(s + DtSeparator);
    dt.Separator = sep >= 10 && sep <= 15 ? sep : 14;
    Byte grp = m.U8(s + DtGroupCode);
    dt.GroupCode = grp >= 10 && grp <= 15 ? grp : 255;
    Byte resp = m.U8(s + DtDecodeResponse);
    dt.DecodeResponse = resp > 2 ? 0 : resp;
    dt.PreSendDelay = m.U8(s + DtPreSendDelay);
    Byte first = m.U8(s + DtFirstDigitDelay);
    dt.FirstDigitDelay = first > 250 ? 0 : first;
    dt.ResetTime = m.U8(s + DtResetTime);

    int n = m.U8(addr::DTMFOwnIDCount);
    if (n < 3) n = 3;
    if (n > 5) n = 5;
    std::string id;
    for (int k = 0; k < n; ++k) {
        Byte v = m.U8(addr::DTMFOwnID + k);
        if (v > 9) {
            id = "000";
            break;
        }
        id.push_back(static_cast<char>('0' + v));
    }
    dt.OwnID.Set(id.substr(0, kOwnIDDigits));

    dt.SideTone = m.U8(s + DtSideTone);
    dt.PostSendDelay = m.U8(s + DtPostSendDelay);
    dt.PauseTime = m.U8(s + DtPauseTime);

    UnpackDtmfCode(m, kBeginArea, dt.BeginCode.Code, dt.BeginCode.CodeLen);
    UnpackDtmfCode(m, kEndArea, dt.EndCode.Code, dt.EndCode.CodeLen);
    UnpackDtmfCode(m, kKillArea, dt.KillCode.Code, dt.KillCode.CodeLen);
    UnpackDtmfCode(m, kStunArea, dt.StunCode.Code, dt.StunCode.CodeLen);
    for (int i = 0; i < 16; ++i)
        UnpackDtmfCode(m, MemCodeArea(i), dt.MemCodes[i].Code, dt.MemCodes[i].CodeLen);
    w.DTMFData() = dt;
}

EncodeStatus SetCommDataBy2Tone(CommBytes& img, const RadioDataRec& w) {
    const Tone2DataRec& t = w.Tone2Data();
    const EncodeStatus fail = EncodeStatus::Fail("SetCommDataBy2Tone");
    ImageWriter m(img);
    const auto head = Tone2HeadFields(t);
    for (std::size_t k = 0; k < head.size(); ++k) m.SetU8(addr::Tone2Settings + static_cast<Long>(k), *head[k]);

    for (int k = 0; k < 16; ++k) {
        const Tone2DecodeRec& e = t.Decodes[k];
        const Long a = addr::Tone2Decodes + kTone2EntrySize * k;
        if (e.Valid == 1) m.SetMapBit(addr::Tone2DecodeMap, k, false);
        std::uint16_t v1, w1, v2, w2;
        if (!ToneWords(e.Tone1, v1, w1) || !ToneWords(e.Tone2, v2, w2)) return fail;
        if (e.Response < 0 || e.Response > 255) return fail;
        m.SetU16(a + decode::Tone1, v1);
        m.SetU16(a + decode::Tone2, v2);
        m.SetU16(a + decode::Divisor1, w1);
        m.SetU16(a + decode::Divisor2, w2);
        m.SetU8(a + decode::Response, static_cast<Byte>(e.Response));
        PutBlankPaddedName(m, a + decode::Name, decode::NameSize, e.Name.Trim());
    }
    for (int j = 0; j < 32; ++j) {
        const Tone2EncodeRec& e = t.Encodes[j];
        const Long a = addr::Tone2Encodes + kTone2EntrySize * j;
        if (e.Empty == 0) m.SetMapBit(addr::Tone2CodeMap, j, false);
        const auto values = Tone2EncodeFields(e);
        for (std::size_t k = 0; k < values.size(); ++k) m.SetU8(a + encode::Values + static_cast<Long>(k), *values[k]);
        PutBlankPaddedName(m, a + encode::Name, encode::NameSize, e.Name.Trim());
    }
    return EncodeStatus::Ok();
}

void Get2ToneDataFromComm(const CommBytes& img, RadioDataRec& w) {
    ImageReader m(img);
    Tone2DataRec t{};
    const auto head = Tone2HeadFields(t);
    for (std::size_t k = 0; k < head.size(); ++k) *head[k] = m.U8(addr::Tone2Settings + static_cast<Long>(k));
    if (t.CallFormat > 14) t.CallFormat = 0;

    for (int k = 0; k < 16; ++k) {
        Tone2DecodeRec& e = t.Decodes[k];
        const Long a = addr::Tone2Decodes + kTone2EntrySize * k;
        e.Valid = static_cast<Integer>(1 - m.MapBit(addr::Tone2DecodeMap, k));
        e.Tone1 = m.U16(a + decode::Tone1) / 10.0;
        e.Tone2 = m.U16(a + decode::Tone2) / 10.0;
        e.Response = m.U8(a + decode::Response);
        codec::StoreText(e.Name, TrimNullStr(m.Chars(a + decode::Name, decode::NameSize, true)));
    }
    for (int j = 0; j < 32; ++j) {
        Tone2EncodeRec& e = t.Encodes[j];
        const Long a = addr::Tone2Encodes + kTone2EntrySize * j;
        e.Empty = m.MapBit(addr::Tone2CodeMap, j);
        const auto values = Tone2EncodeFields(e);
        for (std::size_t k = 0; k < values.size(); ++k) *values[k] = m.U8(a + encode::Values + static_cast<Long>(k));
        codec::StoreText(e.Name, m.Chars(a + encode::Name, encode::NameSize, true));
    }
    w.Tone2Data() = t;
}

}  // namespace rp
