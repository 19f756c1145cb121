// Channel records (FreImageRec), their bit maps, the preset lists and the FM
// broadcast list.
#include <array>

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

Long EdgeChannelAddress(int e) {
    static constexpr std::array<Long, 4> kEdge = {addr::ChannelPL1, addr::ChannelPU1,
                                                  addr::ChannelPL2, addr::ChannelPU2};
    return kEdge[static_cast<std::size_t>(e - 200)];
}

}  // namespace

FreDataRec ClearedChannelRecord(Integer no) {
    FreDataRec r;
    r.No = no;
    r.Used = 1;
    r.RxFre.Set("FFFFFFFFF");
    r.OffsetFre.Set("000000000");
    r.Name.SetEmpty();
    r.CustomCTCSS = 1511;
    r.SqlLevel = 3;
    r.PttIDCode.Set("00000");
    return r;
}

EncodeStatus SetCommDataByFrequency(CommBytes& img, const FreDataRec& rec, Long address,
                                    std::string_view model, Notifier* warn) {
    static constexpr std::string_view kName = "SetCommDataByFrequency";
    Checked c;
    std::array<Byte, kFreImageSize> b{};

    // Frequencies as packed BCD.
    auto pack = [&](std::string_view digits, int at) {
        for (int j = 0; j < 4; ++j) {
            int hi = codec::HexDigitValue(digits[2 * j]);
            int lo = codec::HexDigitValue(digits[2 * j + 1]);
            if (hi < 0 || lo < 0) {
                c.Fail();
                return;
            }
            b[at + j] = static_cast<Byte>(hi * 16 + lo);
        }
    };
    pack(codec::FrequencyDigits(rec.RxFre.Trim(), "FFFFFFFF"), 0);
    pack(codec::FrequencyDigits(rec.OffsetFre.Trim(), ""), 4);

    b[8] = c.Val(rec.Step);
    if (rec.EnDCS < 0 || rec.EnDCS > 511 || rec.DeDCS < 0 || rec.DeDCS > 511) c.Fail();
    b[9] = static_cast<Byte>(c.Bits(rec.TxForbid, 1) | c.Bits(rec.Reverse, 1) << 1 |
                             c.Bits(rec.WN, 2) << 2 | c.Bits(rec.EnDCSInvert, 1) << 4 |
                             ((rec.EnDCS >> 8) & 1) << 5);
    int dir = rec.OffsetDir == OffsetNone ? 0 : rec.OffsetDir + 1;
    b[10] = static_cast<Byte>(c.Bits(dir, 2) | c.Bits(rec.Power, 2) << 2 |
                              c.Bits(rec.DeDCSInvert, 1) << 4 | ((rec.DeDCS >> 8) & 1) << 5 |
                              c.Bits(rec.TalkAround, 1) << 6);
    if (rec.OffsetDir < 0) c.Fail();
    b[11] = static_cast<Byte>(c.Bits(rec.EnCTCType, 2) | c.Bits(rec.DeCTCType, 2) << 2 |
                              c.Bits(rec.DTMFCode, 4) << 4);
    b[12] = c.Val(rec.EnCTCSS);
    b[13] = c.Val(rec.DeCTCSS);
    b[14] = static_cast<Byte>(rec.EnDCS & 0xFF);
    b[15] = static_cast<Byte>(rec.DeDCS & 0xFF);
    b[16] = c.Val(SigCodeForModel(rec.OptSig, model));
    b[17] = c.Val(rec.Tone2Code);
    b[18] = c.Val(rec.Tone5Code);

    std::string name = rec.Name.Trim();
    if (name.size() > 6) {
        if (warn) warn->Show(std::string(kNameTooLong), MsgIcon::None, MsgButtons::Ok, "");
        name.resize(6);
    }
    for (int k = 0; k < 6; ++k)
        b[19 + k] = name.empty() ? 0x00
                    : k < static_cast<int>(name.size()) ? static_cast<Byte>(name[k])
                                                        : 0x20;

    b[25] = c.Val(rec.BusyLock);
    b[26] = static_cast<Byte>(c.Bits(rec.DTMFPttID, 4) | c.Bits(rec.Tone5PttID, 4) << 4);
    b[27] = c.Val(rec.SqlMode);
    // 16 bits as stored in the field, so any value read from an image
    // writes back unchanged.
    auto custom = static_cast<std::uint16_t>(rec.CustomCTCSS);
    b[28] = static_cast<Byte>(custom & 0xFF);
    b[29] = static_cast<Byte>(custom >> 8);
    b[30] = c.Val(rec.SqlLevel);
    b[31] = c.Val(rec.Tone2Decode);

    if (!c.ok()) return EncodeStatus::Fail(kName);
    ImageWriter w(img);
    for (int k = 0; k < kFreImageSize; ++k) w.SetU8(address + k, b[k]);
    return EncodeStatus::Ok();
}

bool GetFrequencyFromComm(const CommBytes& img, Integer listType, Long address, FreDataRec& rec,
                          Integer& freDataCount, std::string_view model) {
    ImageReader m(img);
    FreDataRec r = rec;
    if (listType != ListGMRS && listType != ListMURS) {
        std::string rx = m.HexDigits(address, 4);
        if (!IsDecimalDigits(rx)) return false;  // FF FF FF FF included
        std::string off = m.HexDigits(address + 4, 4);
        if (!IsDecimalDigits(off)) off = "00000000";
        r.Used = 1;
        r.RxFre.Set(rx + NinthDigit(rx[7]));
        r.OffsetFre.Set(off + NinthDigit(off[7]));
    }
    r.Step = m.U8(address + 8);
    Byte b9 = m.U8(address + 9);
    r.TxForbid = b9 & 1;
    r.Reverse = (b9 >> 1) & 1;
    r.WN = (b9 >> 2) & 3;
    r.EnDCSInvert = (b9 >> 4) & 1;
    r.EnDCSHigh = (b9 >> 5) & 1;
    Byte b10 = m.U8(address + 10);
    int dir = b10 & 3;
    r.OffsetDir = static_cast<Integer>(dir > 0 ? dir - 1 : 0);
    r.Power = (b10 >> 2) & 3;
    r.DeDCSInvert = (b10 >> 4) & 1;
    r.DeDCSHigh = (b10 >> 5) & 1;
    r.TalkAround = (b10 >> 6) & 1;
    Byte b11 = m.U8(address + 11);
    r.EnCTCType = b11 & 3;
    r.DeCTCType = (b11 >> 2) & 3;
    r.DTMFCode = (b11 >> 4) & 0x0F;
    r.EnCTCSS = m.U8(address + 12);
    r.DeCTCSS = m.U8(address + 13);
    r.EnDCS = static_cast<Integer>(256 * r.EnDCSHigh + m.U8(address + 14));
    r.DeDCS = static_cast<Integer>(256 * r.DeDCSHigh + m.U8(address + 15));
    r.OptSig = static_cast<Integer>(SigCodeForModel(m.U8(address + 16), model));
    r.Tone2Code = m.U8(address + 17);
    r.Tone5Code = m.U8(address + 18);
    codec::StoreText(r.Name, TrimNullStr(m.RawChars(address + 19, 6)));
    r.BusyLock = m.U8(address + 25);
    Byte b26 = m.U8(address + 26);
    r.DTMFPttID = b26 & 0x0F;
    r.Tone5PttID = (b26 >> 4) & 0x0F;
    r.SqlMode = m.U8(address + 27);
    r.CustomCTCSS = static_cast<Integer>(m.U16(address + 28));
    r.SqlLevel = m.U8(address + 30);
    r.Tone2Decode = m.U8(address + 31);

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
        int e = r.No - 1;
        Long address;
        if (e >= 0 && e < 200) {
            address = addr::MemChannels + kFreImageSize * e;
        } else if (e >= 200 && e < kMappedChannels) {
            address = EdgeChannelAddress(e);
        } else if (e == 204) {
            address = addr::ChannelVFO1;
        } else if (e == 205) {
            address = addr::ChannelVFO2;
        } else {
            // A record without a place in the image.
            return EncodeStatus::Fail("SetCommDataByFrequency");
        }
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
