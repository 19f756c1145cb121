#pragma once
// A full data set for the image codec: 200 memory channels plus the edge and
// VFO channels, every list in use, every value in the form the decoder gives
// back (so encode then decode must reproduce it exactly).
#include <charconv>
#include <string>
#include <string_view>

#include "core/appdata.h"

namespace rp::test {

// A decoded text: shorter than the field, it is followed by one NUL.
template <std::size_t N>
void SetDecodedText(FixedText<N>& f, std::string_view t) {
    if (t.size() < N) {
        std::string s(t);
        s.push_back('\0');
        f.Set(s);
    } else {
        f.Set(t);
    }
}

inline std::string DecimalText(int v) {
    char buf[16];
    auto r = std::to_chars(buf, buf + sizeof buf, v);
    return std::string(buf, r.ptr);
}

inline std::string HexText(int seed, int len) {
    std::string s;
    for (int k = 0; k < len; ++k) s.push_back("0123456789ABCDEF"[(seed + 7 * k) % 16]);
    return s;
}

inline std::string DigitsText(int seed, int len) {
    std::string s;
    for (int k = 0; k < len; ++k) s.push_back(static_cast<char>('0' + (seed + 3 * k) % 10));
    return s;
}

// Nine-digit frequency text whose last digit follows from the eighth, as
// the decoder restores it.
inline std::string ChannelFrequency(long hundredHz) {
    std::string d8(8, '0');
    for (int k = 7; k >= 0; --k, hundredHz /= 10) d8[k] = static_cast<char>('0' + hundredHz % 10);
    char ninth = '0';
    switch (d8[7]) {
        case '2': ninth = '5'; break;
        case '3': ninth = '3'; break;
        case '6': ninth = '6'; break;
        case '7': ninth = '5'; break;
        default: break;
    }
    return d8 + ninth;
}

// The fields a channel image record carries, filled from seed; the others
// at the values of a new channel.
inline FreDataRec FullChannel(int no, int seed) {
    FreDataRec r;
    r.No = static_cast<Integer>(no);
    r.Used = 1;
    r.ScanSkip = static_cast<Integer>(no <= 204 ? seed % 2 : 0);
    r.RxFre.Set(ChannelFrequency(4000000 + 1237L * seed));
    r.OffsetFre.Set(seed % 3 == 0 ? "000000000" : ChannelFrequency(50000 + seed));
    SetDecodedText(r.Name, seed % 5 == 0 ? "" : seed % 5 == 1 ? "ABCDEF" : "CH" + DigitsText(seed, 2));
    r.Step = static_cast<Integer>(seed % 9);
    r.TxForbid = static_cast<Integer>(seed % 2);
    r.Reverse = static_cast<Integer>((seed / 2) % 2);
    r.WN = static_cast<Integer>(seed % 4);
    r.EnDCSInvert = static_cast<Integer>((seed / 3) % 2);
    r.EnDCS = static_cast<Integer>((seed * 37) % 512);
    r.EnDCSHigh = static_cast<Integer>(r.EnDCS >> 8);
    r.OffsetDir = static_cast<Integer>(seed % 3);
    r.Power = static_cast<Integer>(seed % 3);
    r.TalkAround = static_cast<Integer>((seed / 5) % 2);
    r.DeDCSInvert = static_cast<Integer>((seed / 7) % 2);
    r.DeDCS = static_cast<Integer>((seed * 53 + 11) % 512);
    r.DeDCSHigh = static_cast<Integer>(r.DeDCS >> 8);
    r.EnCTCType = static_cast<Integer>(seed % 3);
    r.DeCTCType = static_cast<Integer>((seed + 1) % 3);
    r.DTMFCode = static_cast<Integer>(seed % 16);
    r.EnCTCSS = static_cast<Integer>(seed % 51);
    r.DeCTCSS = static_cast<Integer>((seed + 9) % 51);
    r.OptSig = static_cast<Integer>(seed % 5);
    r.Tone2Code = static_cast<Integer>(seed % 32);
    r.Tone5Code = static_cast<Integer>(seed % 100);
    r.BusyLock = static_cast<Integer>(seed % 2);
    r.DTMFPttID = static_cast<Integer>(seed % 4);
    r.Tone5PttID = static_cast<Integer>((seed + 1) % 4);
    r.SqlMode = static_cast<Integer>(seed % 3);
    r.CustomCTCSS = static_cast<Integer>(625 + (seed * 13) % 1917);
    r.SqlLevel = static_cast<Integer>(seed % 10);
    r.Tone2Decode = static_cast<Integer>(seed % 16);
    r.PttIDCode.Set("00000");
    return r;
}

// Fills the working data of d with the full data set.
inline void FillFullDataSet(AppData& d) {
    d.CurModel = "KEVRA8R";
    RadioDataRec& w = d.WorkData;
    int k = 0;
    for (int no = 1; no <= 206; ++no) d.FreData[k++] = FullChannel(no, no * 7 + 3);
    w.FreDataCount = static_cast<Integer>(k);
    for (int i = 0; i < 23; ++i) {
        FreDataRec p = FullChannel(i + 1, i * 11 + 5);
        p.ScanSkip = static_cast<Integer>(i % 2);
        w.GMRSFreData[i] = p;
    }
    for (int i = 0; i < 5; ++i) {
        FreDataRec p = FullChannel(i + 1, i * 13 + 2);
        p.ScanSkip = static_cast<Integer>((i + 1) % 2);
        w.MURSFreData[i] = p;
    }
    for (int i = 0; i <= 100; ++i) {
        RadioFreRec& f = w.RadioFreData[i];
        f.No = static_cast<Integer>(i + 1);
        f.Used = 1;
        f.Fre.Set(ChannelFrequency(880000 + 1000L * i).substr(0, 8));
    }
    for (int i = 0; i < 128; ++i) {
        BookDataRec& b = w.BookData[i];
        b.No = static_cast<Integer>(i);
        b.CallID.Set(DecimalText(10000 + i * 7));
        SetDecodedText(b.Name, i % 4 == 0 ? "" : "N" + DigitsText(i, 3));
    }
    for (int b = 1; b <= 9; ++b)
        for (int s = 1; s <= 32; ++s) w.BankCH(s, b) = static_cast<Integer>(s <= 20 ? (b - 1) * 20 + s : 0);

    OptionDataRec& o = w.OptionData();
    o.DisplayMode = 1; o.DisplayStyleA = 2; o.DisplayStyleB = 1; o.RadioDisplay = 1;
    o.MemChannelA = 10; o.MemChannelB = 199; o.RadioMemChannel = 42; o.ScanTime = 3;
    o.KeyTime = 4; o.Backlight = 5; o.Colour = 2; o.SubDisplay = 1; o.SqlKey = 1;
    o.TailElim = 0; o.FullBand = 1; o.MainBand = 1; o.Alarm = 0; o.Voice = 1;
    o.DisplayOption = 1; o.TOT = 9; o.AutoPowerOff = 2; o.PowerSave = 1; o.ToneBurst = 3;
    o.VoxLevel = 4; o.VoxDelay = 5; o.TailMode = 1; o.FuncOperA = 1; o.FuncOperB = 0;
    o.InitKey = 1; o.KeyLock = 1; o.WorkModeA = 1; o.WorkModeB = 0; o.MemGroupA = 3;
    o.MemGroupB = 4; o.GroupSelectA = 0; o.GroupSelectB = 1;
    for (int i = 0; i < 10; ++i) o.BankLink[i] = static_cast<Integer>(i % 2);
    SetDecodedText(o.PowerOnText, "HELLO");
    w.QuickScan = 1; w.PF1Key = 5; w.RadioOn = 1; w.AMEnabled = 1; w.FMEnabled = 0;
    w.SWEnabled = 1; w.LWEnabled = 1; w.PF2Key = 7; w.NOAAAlert = 2; w.NOAAChannel = 6;
    w.Part95Mode = 1; w.GMRSChannel = 22; w.MURSChannel = 4; w.Tone5Param11 = 9;

    AlarmDataRec& a = w.AlarmData();
    a = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12};
    w.ScanData() = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14};

    DTMFDataRec& dt = w.DTMFData();
    dt.ANI = 1; dt.SendTime = 3; dt.OwnID.Set("123"); dt.Separator = 11; dt.GroupCode = 12;
    dt.DecodeResponse = 2; dt.FirstDigitDelay = 250; dt.PreSendDelay = 5; dt.ResetTime = 6;
    dt.PostSendDelay = 7; dt.PauseTime = 8; dt.SideTone = 1;
    auto code = [](auto& c, int seed, int len) {
        c.CodeLen = static_cast<Integer>(len);
        SetDecodedText(c.Code, HexText(seed, len));
    };
    code(dt.BeginCode, 1, 24);
    code(dt.EndCode, 2, 7);
    code(dt.KillCode, 3, 14);
    code(dt.StunCode, 4, 5);
    for (int i = 0; i < 16; ++i) code(dt.MemCodes[i], i + 5, (i * 5) % 25);

    Tone2DataRec& t2 = w.Tone2Data();
    t2.OwnTone1L = 145; t2.OwnTone1H = 12; t2.OwnTone2L = 1; t2.OwnTone2H = 2;
    t2.CallFormat = 14; t2.OwnDivisor1L = 3; t2.OwnDivisor1H = 4; t2.OwnDivisor2L = 5;
    t2.OwnDivisor2H = 6; t2.ResetTime = 7; t2.Response = 8; t2.SideTone = 1;
    t2.ToneAL = 145; t2.ToneAH = 12; t2.ToneBL = 9; t2.ToneBH = 10; t2.ToneCL = 11;
    t2.ToneCH = 12; t2.ToneDL = 13; t2.ToneDH = 14; t2.Duration1 = 15; t2.Duration2 = 16;
    t2.Duration3 = 17; t2.Interval = 18;
    for (int j = 0; j < 32; ++j) {
        Tone2EncodeRec& e = t2.Encodes[j];
        e.Empty = 0;
        e.Divisor1L = static_cast<Byte>(j); e.Divisor1H = static_cast<Byte>(j + 1);
        e.Divisor2L = static_cast<Byte>(j + 2); e.Divisor2H = static_cast<Byte>(j + 3);
        e.Tone1L = static_cast<Byte>(j + 4); e.Tone1H = static_cast<Byte>(j + 5);
        e.Tone2L = static_cast<Byte>(j + 6); e.Tone2H = static_cast<Byte>(j + 7);
        // Blank-padded names come back with their blanks.
        if (j % 3 == 0) e.Name.SetEmpty(); else e.Name.Set("ENC" + DigitsText(j, 2));
    }
    for (int k2 = 0; k2 < 16; ++k2) {
        Tone2DecodeRec& e = t2.Decodes[k2];
        e.Valid = 1;
        e.Tone1 = (3000 + 17 * k2) / 10.0;
        e.Tone2 = (k2 == 3 ? 0 : 10000 + 33 * k2) / 10.0;
        e.Response = static_cast<Integer>(k2 % 3);
        SetDecodedText(e.Name, k2 % 4 == 0 ? "" : "DEC" + DigitsText(k2, 1));
    }

    Tone5DataRec& t5 = w.Tone5Data();
    t5.Reserved0 = 1; t5.Response = 2; t5.SysStandard = 3; t5.OwnIDLen = 5; t5.ToneTime = 70;
    SetDecodedText(t5.OwnID, "12345");
    t5.Tone5Param4 = 4; t5.Tone5Param5 = 5; t5.Tone5Param6 = 6; t5.Tone5Param7 = 7;
    t5.Tone5Param8 = 8; t5.Tone5Param9 = 9; t5.Tone5Param10 = 10; t5.Tone5Param12 = 12;
    t5.Tone5Switch = 1; t5.Separator = 14;
    auto code5 = [](Tone5CodeRec& c, int seed, int len) {
        c.Standard = static_cast<Byte>(seed % 8);
        c.CodeLen = static_cast<Byte>(len);
        c.ToneTime = static_cast<Byte>(30 + seed % 71);
        c.Code.Set(HexText(seed, len));
    };
    code5(t5.BeginCode, 1, 24);
    code5(t5.EndCode, 2, 9);
    for (int i = 0; i < 8; ++i) {
        Tone5InfoCodeRec& c = t5.InfoCodes[i];
        c.Type = static_cast<Byte>(i);
        c.Option = static_cast<Byte>(i % 3);
        c.CodeLen = static_cast<Byte>(i + 5);
        c.Code.Set(HexText(i, c.CodeLen));
        c.Name.Set(i % 2 ? "INFO" + DigitsText(i, 1) : "");
    }
    for (int j = 0; j < 100; ++j) {
        Tone5CodeRec& c = t5.Codes[j];
        c.Empty = 0;
        code5(c, j, j % 41);
        if (j % 6 == 0) c.Name.SetEmpty(); else c.Name.Set("C5" + DigitsText(j, 3));
    }
}

}  // namespace rp::test
