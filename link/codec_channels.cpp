// Channel records (FreImageRec), their bit maps, the preset lists and the FM
// broadcast list.
#include <array>

#include "core/channelrecord.h"
#include "link/codec.h"
#include "link/codec_util.h"

namespace rp {

using codec::Checked;

namespace {

constexpr std::string_view kNameTooLong = "Name is too long!";

// Memory and edge channels carry use and scan bits (entries 0..203).
constexpr int kMappedChannels = 204;

// Byte 16: signalling codes 2 and 3 are exchanged for every model but one.
int SigCodeForModel(int v, std::string_view model) {
    if (model == kSwappedSigModel) return v;
    if (v == Sig2Tone) return Sig5Tone;
    if (v == Sig5Tone) return Sig2Tone;
    return v;
}

// The ninth digit (10 Hz) that the image leaves out, restored from the eighth.
char NinthDigit(char eighth) {
    switch (eighth) {
        case '2': return '5';
        case '3': return '3';
        case '6': return '6';
        case '7': return '5';
        default: return '0';
    }
}

// The channel record (FreImageRec, 32 bytes): offsets from its address and
// the bit fields of its flag bytes, for the encoder and the decoder alike.
namespace fre {
inline constexpr Long RxFre = 0;        // 4 bytes: 8 BCD digits, units of 100 Hz
inline constexpr Long OffsetFre = 4;    // 4 bytes, as RxFre
inline constexpr Long Step = 8;
inline constexpr Long Flags1 = 9;
inline constexpr Long Flags2 = 10;
inline constexpr Long Flags3 = 11;
inline constexpr Long EnCTCSS = 12;
inline constexpr Long DeCTCSS = 13;
inline constexpr Long EnDCSLow = 14;    // the low 8 of the 9 DCS bits
inline constexpr Long DeDCSLow = 15;
inline constexpr Long OptSig = 16;
inline constexpr Long Tone2Code = 17;
inline constexpr Long Tone5Code = 18;
inline constexpr Long Name = 19;        // 6 bytes
inline constexpr int NameSize = 6;
inline constexpr Long BusyLock = 25;
inline constexpr Long PttIDs = 26;
inline constexpr Long SqlMode = 27;
inline constexpr Long CustomCTCSS = 28;  // 16 bits, low byte first
inline constexpr Long SqlLevel = 30;
inline constexpr Long Tone2Decode = 31;

using codec::BitField;
inline constexpr BitField TxForbid{Flags1, 0, 1};
inline constexpr BitField Reverse{Flags1, 1, 1};
inline constexpr BitField WN{Flags1, 2, 2};
inline constexpr BitField EnDCSInvert{Flags1, 4, 1};
inline constexpr BitField EnDCSHigh{Flags1, 5, 1};   // the ninth DCS bit
inline constexpr BitField OffsetDir{Flags2, 0, 2};   // 0 none, else direction + 1
inline constexpr BitField Power{Flags2, 2, 2};
inline constexpr BitField DeDCSInvert{Flags2, 4, 1};
inline constexpr BitField DeDCSHigh{Flags2, 5, 1};
inline constexpr BitField TalkAround{Flags2, 6, 1};
inline constexpr BitField EnCTCType{Flags3, 0, 2};
inline constexpr BitField DeCTCType{Flags3, 2, 2};
inline constexpr BitField DTMFCode{Flags3, 4, 4};
inline constexpr BitField DTMFPttID{PttIDs, 0, 4};
inline constexpr BitField Tone5PttID{PttIDs, 4, 4};
}  // namespace fre

}  // namespace

FreDataRec ClearedChannelRecord(Integer no) { return NewChannelRecord(no); }

EncodeStatus SetCommDataByFrequency(CommBytes& img, const FreDataRec& rec, Long address,
                                    std::string_view model, Notifier* warn) {
    static constexpr std::string_view kName = "SetCommDataByFrequency";
    using codec::PutBits;
    Checked c;
    std::array<Byte, kFreImageSize> b{};  // the bytes after the two frequencies

    const std::string rx = codec::FrequencyDigits(rec.RxFre.Trim(), "FFFFFFFF");
    const std::string off = codec::FrequencyDigits(rec.OffsetFre.Trim(), "");
    if (!codec::IsHexDigitText(rx) || !codec::IsHexDigitText(off)) c.Fail();

    b[fre::Step] = c.Val(rec.Step);
    if (rec.EnDCS < 0 || rec.EnDCS > 511 || rec.DeDCS < 0 || rec.DeDCS > 511) c.Fail();
    PutBits(b, fre::TxForbid, rec.TxForbid, c);
    PutBits(b, fre::Reverse, rec.Reverse, c);
    PutBits(b, fre::WN, rec.WN, c);
    PutBits(b, fre::EnDCSInvert, rec.EnDCSInvert, c);
    PutBits(b, fre::EnDCSHigh, (rec.EnDCS >> 8) & 1, c);
    if (rec.OffsetDir < 0) c.Fail();
    PutBits(b, fre::OffsetDir, rec.OffsetDir == OffsetNone ? 0 : rec.OffsetDir + 1, c);
    PutBits(b, fre::Power, rec.Power, c);
    PutBits(b, fre::DeDCSInvert, rec.DeDCSInvert, c);
    PutBits(b, fre::DeDCSHigh, (rec.DeDCS >> 8) & 1, c);
    PutBits(b, fre::TalkAround, rec.TalkAround, c);
    PutBits(b, fre::EnCTCType, rec.EnCTCType, c);
    PutBits(b, fre::DeCTCType, rec.DeCTCType, c);
    PutBits(b, fre::DTMFCode, rec.DTMFCode, c);
    b[fre::EnCTCSS] = c.Val(rec.EnCTCSS);
    b[fre::DeCTCSS] = c.Val(rec.DeCTCSS);
    b[fre::EnDCSLow] = static_cast<Byte>(rec.EnDCS & 0xFF);
    b[fre::DeDCSLow] = static_cast<Byte>(rec.DeDCS & 0xFF);
    b[fre::OptSig] = c.Val(SigCodeForModel(rec.OptSig, model));
    b[fre::Tone2Code] = c.Val(rec.Tone2Code);
    b[fre::Tone5Code] = c.Val(rec.Tone5Code);

    std::string name = rec.Name.Trim();
    if (static_cast<int>(name.size()) > fre::NameSize) {
        if (warn) warn->Show(std::string(kNameTooLong), MsgIcon::None, MsgButtons::Ok, "");
        name.resize(fre::NameSize);
    }
    for (int k = 0; k < fre::NameSize; ++k)
        b[fre::Name + k] = name.empty() ? 0x00
                           : k < static_cast<int>(name.size()) ? static_cast<Byte>(name[k])
                                                               : 0x20;

    b[fre::BusyLock] = c.Val(rec.BusyLock);
    PutBits(b, fre::DTMFPttID, rec.DTMFPttID, c);
    PutBits(b, fre::Tone5PttID, rec.Tone5PttID, c);
    b[fre::SqlMode] = c.Val(rec.SqlMode);
    // 16 bits as stored in the field, so any value read from an image
    // writes back unchanged.
    const auto custom = static_cast<std::uint16_t>(rec.CustomCTCSS);
    b[fre::CustomCTCSS] = static_cast<Byte>(custom & 0xFF);
    b[fre::CustomCTCSS + 1] = static_cast<Byte>(custom >> 8);
    b[fre::SqlLevel] = c.Val(rec.SqlLevel);
    b[fre::Tone2Decode] = c.Val(rec.Tone2Decode);

    if (!c.ok()) return EncodeStatus::Fail(kName);
    ImageWriter w(img);
    w.SetHexDigits(address + fre::RxFre, rx);
    w.SetHexDigits(address + fre::OffsetFre, off);
    for (Long k = fre::Step; k < kFreImageSize; ++k) w.SetU8(address + k, b[static_cast<std::size_t>(k)]);
    return EncodeStatus::Ok();
}

bool GetFrequencyFromComm(const CommBytes& img, Integer listType, Long address, FreDataRec& rec,
                          Integer& freDataCount, std::string_view model) {
    ImageReader m(img);
    auto bits = [&](const codec::BitField& f) { return static_cast<Integer>(codec::GetBits(m, address, f)); };
    FreDataRec r = rec;
    if (listType != ListGMRS && listType != ListMURS) {
        std::string rx = m.HexDigits(address + fre::RxFre, 4);
        if (!IsDecimalDigits(rx)) return false;  // FF FF FF FF included
        std::string off = m.HexDigits(address + fre::OffsetFre, 4);
        if (!IsDecimalDigits(off)) off = "00000000";
        r.Used = 1;
        r.RxFre.Set(rx + NinthDigit(rx[7]));
        r.OffsetFre.Set(off + NinthDigit(off[7]));
    }
    r.Step = m.U8(address + fre::Step);
    r.TxForbid = bits(fre::TxForbid);
    r.Reverse = bits(fre::Reverse);
    r.WN = bits(fre::WN);
    r.EnDCSInvert = bits(fre::EnDCSInvert);
    r.EnDCSHigh = bits(fre::EnDCSHigh);
    const int dir = bits(fre::OffsetDir);
    r.OffsetDir = static_cast<Integer>(dir > 0 ? dir - 1 : 0);
    r.Power = bits(fre::Power);
    r.DeDCSInvert = bits(fre::DeDCSInvert);
    r.DeDCSHigh = bits(fre::DeDCSHigh);
    r.TalkAround = bits(fre::TalkAround);
    r.EnCTCType = bits(fre::EnCTCType);
    r.DeCTCType = bits(fre::DeCTCType);
    r.DTMFCode = bits(fre::DTMFCode);
    r.EnCTCSS = m.U8(address + fre::EnCTCSS);
    r.DeCTCSS = m.U8(address + fre::DeCTCSS);
    r.EnDCS = static_cast<Integer>(256 * r.EnDCSHigh + m.U8(address + fre::EnDCSLow));
    r.DeDCS = static_cast<Integer>(256 * r.DeDCSHigh + m.U8(address + fre::DeDCSLow));
    r.OptSig = static_cast<Integer>(SigCodeForModel(m.U8(address + fre::OptSig), model));
    r.Tone2Code = m.U8(address + fre::Tone2Code);
    r.Tone5Code = m.U8(address + fre::Tone5Code);
    codec::StoreText(r.Name, TrimNullStr(m.RawChars(address + fre::Name, fre::NameSize)));
    r.BusyLock = m.U8(address + fre::BusyLock);
    r.DTMFPttID = bits(fre::DTMFPttID);
    r.Tone5PttID = bits(fre::Tone5PttID);
    r.SqlMode = m.U8(address + fre::SqlMode);
    r.CustomCTCSS = static_cast<Integer>(m.U16(address + fre::CustomCTCSS));
    r.SqlLevel = m.U8(address + fre::SqlLevel);
    r.Tone2Decode = m.U8(address + fre::Tone2Decode);

    if (listType != ListGMRS && listType != ListMURS) ++freDataCount;
    rec = r;
    return true;
}

EncodeStatus SetCommDataByAllFrequency(CommBytes& img, const ImageData& data,
                                       std::string_view model, Notifier* warn) {
    ImageWriter m(img);
    int count = data.Work.FreDataCount;
    if (count < 0) count = 0;
    if (count > kFreDataMax) count = kFreDataMax;
    for (int k = 0; k < count; ++k) {
        const FreDataRec& r = data.Fre[k];
        const int e = r.No - 1;
        const Long address = ChannelImageAddress(r.No);
        if (address < 0) return EncodeStatus::Fail("SetCommDataByFrequency");  // no place in the image
        if (e < kMappedChannels) {
            if (r.Used == 1) m.SetMapBit(addr::FreUsedMap, e, false);
            if (r.ScanSkip == 0) m.SetMapBit(addr::FreSkipMap, e, false);
        }
        EncodeStatus s = SetCommDataByFrequency(img, r, address, model, warn);
        if (!s.ok()) return s;
    }
    for (int i = 0; i < 23; ++i) {
        const FreDataRec& r = data.Work.GMRSFreData[i];
        if (r.ScanSkip == 0) m.SetMapBit(addr::PresetSkipMapGMRS, i, false);
        EncodeStatus s = SetCommDataByFrequency(img, r, addr::GMRSPresets + kFreImageSize * i,
                                                model, warn);
        if (!s.ok()) return s;
    }
    for (int i = 0; i < 5; ++i) {
        const FreDataRec& r = data.Work.MURSFreData[i];
        if (r.ScanSkip == 0) m.SetMapBit(addr::PresetSkipMapMURS, i, false);
        EncodeStatus s = SetCommDataByFrequency(img, r, addr::MURSPresets + kFreImageSize * i,
                                                model, warn);
        if (!s.ok()) return s;
    }
    if (!codec::SetRadioFreListToComm(img, data.Work))
        return EncodeStatus::Fail("SetCommDataByAllFrequency");
    return EncodeStatus::Ok();
}

void GetAllFrequencyFromComm(const CommBytes& img, ImageData& data, std::string_view model) {
    ImageReader m(img);
    Integer& count = data.Work.FreDataCount;
    count = 0;
    for (int i = 0; i < kFreDataMax; ++i) {
        if (i < kMappedChannels && m.MapBit(addr::FreUsedMap, i)) continue;
        FreDataRec r = ClearedChannelRecord(static_cast<Integer>(i + 1));
        if (i < kMappedChannels) r.ScanSkip = m.MapBit(addr::FreSkipMap, i);
        int j = count;
        if (GetFrequencyFromComm(img, ListMemory, ChannelImageAddress(i + 1), r, count, model))
            data.Fre[j] = r;
    }
    Integer unused = 0;
    for (int i = 0; i < 23; ++i) {
        FreDataRec& r = data.Work.GMRSFreData[i];
        r.ScanSkip = m.MapBit(addr::PresetSkipMapGMRS, i);
        GetFrequencyFromComm(img, ListGMRS, addr::GMRSPresets + kFreImageSize * i, r, unused,
                             model);
    }
    for (int i = 0; i < 5; ++i) {
        FreDataRec& r = data.Work.MURSFreData[i];
        r.ScanSkip = m.MapBit(addr::PresetSkipMapMURS, i);
        GetFrequencyFromComm(img, ListMURS, addr::MURSPresets + kFreImageSize * i, r, unused,
                             model);
    }
    codec::GetRadioFreListFromComm(img, data.Work);
}

}  // namespace rp
