// Optional functions (OptionImage and the power-on text), alert and scan areas.
#include <array>

#include "link/codec.h"
#include "link/codec_util.h"

namespace rp {

using codec::Checked;

namespace {

// OptionImage offsets from addr::OptionImage.
enum OptionOffset : Long {
    OptDisplayMode = 0x00, OptDisplayStyleA = 0x01, OptDisplayStyleB = 0x02,
    OptRadioDisplay = 0x03, OptMemChannelA = 0x04, OptMemChannelB = 0x05,
    OptRadioMemChannel = 0x06, OptQuickScan = 0x08, OptScanTime = 0x09, OptKeyTime = 0x0A,
    OptBacklight = 0x0B, OptColour = 0x0C, OptSubDisplay = 0x0D, OptZero0E = 0x0E,
    OptPF1Key = 0x0F, OptFlags1 = 0x10, OptFlags2 = 0x11, OptTOT = 0x12, OptZero13 = 0x13,
    OptAutoPowerOff = 0x14, OptKeyLock = 0x15, OptSendTime = 0x16, OptPowerSave = 0x17,
    OptToneBurst = 0x18, OptVoxLevel = 0x19, OptVoxDelay = 0x1A, OptTailMode = 0x1B,
    OptFuncOper = 0x1C, OptZero1D = 0x1D, OptZero1E = 0x1E, OptPF2Key = 0x1F,
    OptMemGroupA = 0x20, OptWorkModeA = 0x21, OptGroupSelectA = 0x22, OptMemGroupB = 0x23,
    OptWorkModeB = 0x24, OptGroupSelectB = 0x25, OptBankLink = 0x26, OptNOAAAlert = 0x30,
    OptNOAAChannel = 0x31, OptPart95Mode = 0x32, OptGMRSChannel = 0x33, OptMURSChannel = 0x34,
};
constexpr int kOptionImageSize = 0x35;
constexpr int kOptionGap = 0x07;  // 0x0227 is no field: it keeps its preset
constexpr int kPowerOnTextSize = 12;

constexpr int kAlertOffsets[12] = {0, 1, 2, 3, 4, 5, 6, 8, 9, 10, 11, 12};  // 0x03A7 unused

std::array<Byte*, 12> AlarmFields(AlarmDataRec& a) {
    return {&a.AlarmType, &a.IDCodeType, &a.IDCodeGroup, &a.AlarmTime, &a.TxTime,
            &a.RxTime, &a.ChannelSelect, &a.EmgChannel, &a.Cycles, &a.AutoDetect,
            &a.PreAlertTime, &a.LoneWorkerTime};
}

std::array<Byte*, 14> ScanFields(ScanDataRec& s) {
    return {&s.ScanMode, &s.Priority, &s.Revert, &s.LookBackA, &s.LookBackB,
            &s.RxResume, &s.TxResume, &s.ScanType, &s.PromptTone, &s.WaitTime,
            &s.Reserved10, &s.PriorityCh1, &s.Reserved12, &s.PriorityCh2};
}

// A byte above limit reads as 0.
Byte Limited(Byte v, int limit) { return v > limit ? 0 : v; }

}  // namespace

EncodeStatus SetCommDataByOption(CommBytes& img, const RadioDataRec& w) {
    const OptionDataRec& o = w.OptionData();
    const DTMFDataRec& dt = w.DTMFData();
    Checked c;
    std::array<Byte, kOptionImageSize> b{};
    b[OptDisplayMode] = c.Val(o.DisplayMode);
    b[OptDisplayStyleA] = c.Val(o.DisplayStyleA);
    b[OptDisplayStyleB] = c.Val(o.DisplayStyleB);
    b[OptRadioDisplay] = c.Val(o.RadioDisplay);
    b[OptMemChannelA] = c.Val(o.MemChannelA);
    b[OptMemChannelB] = c.Val(o.MemChannelB);
    b[OptRadioMemChannel] = c.Val(o.RadioMemChannel);
    b[OptQuickScan] = c.Val(w.QuickScan);
    b[OptScanTime] = c.Val(o.ScanTime);
    b[OptKeyTime] = c.Val(o.KeyTime);
    b[OptBacklight] = c.Val(o.Backlight);
    b[OptColour] = c.Val(o.Colour);
    b[OptSubDisplay] = c.Val(o.SubDisplay);
    b[OptPF1Key] = w.PF1Key;
    b[OptFlags1] = static_cast<Byte>(
        c.Bits(o.SqlKey, 1) | c.Bits(o.TailElim, 1) << 1 | c.Bits(o.FullBand, 1) << 2 |
        c.Bits(dt.ANI, 1) << 3 | c.Bits(w.RadioOn, 1) << 4 | c.Bits(o.MainBand, 1) << 5 |
        c.Bits(o.Alarm, 1) << 6 | c.Bits(o.Voice, 1) << 7);
    b[OptFlags2] = static_cast<Byte>(c.Bits(o.DisplayOption, 1) | c.Bits(w.AMEnabled, 1) << 1 |
                                     c.Bits(w.FMEnabled, 1) << 2 | c.Bits(w.SWEnabled, 1) << 3 |
                                     c.Bits(w.LWEnabled, 1) << 4);
    b[OptTOT] = c.Val(o.TOT);
    b[OptAutoPowerOff] = c.Val(o.AutoPowerOff);
    b[OptKeyLock] = c.Val(o.KeyLock);
    b[OptSendTime] = c.Val(dt.SendTime);
    b[OptPowerSave] = c.Val(o.PowerSave);
    b[OptToneBurst] = c.Val(o.ToneBurst);
    b[OptVoxLevel] = c.Val(o.VoxLevel);
    b[OptVoxDelay] = c.Val(o.VoxDelay);
    b[OptTailMode] = c.Val(o.TailMode);
    b[OptFuncOper] = static_cast<Byte>(c.Bits(o.FuncOperA, 1) | c.Bits(o.FuncOperB, 1) << 1 |
                                       c.Bits(o.InitKey, 1) << 3);
    b[OptPF2Key] = w.PF2Key;
    b[OptMemGroupA] = c.Val(o.MemGroupA);
    b[OptWorkModeA] = c.Val(o.WorkModeA);
    b[OptGroupSelectA] = c.Val(o.GroupSelectA);
    b[OptMemGroupB] = c.Val(o.MemGroupB);
    b[OptWorkModeB] = c.Val(o.WorkModeB);
    b[OptGroupSelectB] = c.Val(o.GroupSelectB);
    // Mod 2 keeps the sign: a negative link does not fit its byte.
    for (int i = 0; i < 10; ++i) b[OptBankLink + i] = c.Val(o.BankLink[i] % 2);
    b[OptNOAAAlert] = w.NOAAAlert;
    b[OptNOAAChannel] = w.NOAAChannel;
    b[OptPart95Mode] = w.Part95Mode;
    b[OptGMRSChannel] = w.GMRSChannel;
    b[OptMURSChannel] = w.MURSChannel;
    if (!c.ok()) return EncodeStatus::Fail("SetCommDataByOption");

    ImageWriter m(img);
    for (int k = 0; k < kOptionImageSize; ++k)
        if (k != kOptionGap) m.SetU8(addr::OptionImage + k, b[k]);
    std::string t = o.PowerOnText.Trim();
    for (int k = 0; k < kPowerOnTextSize; ++k)
        m.SetU8(addr::PowerOnText + k, k < static_cast<int>(t.size()) ? static_cast<Byte>(t[k]) : 0);
    return EncodeStatus::Ok();
}

void GetOptionDataFromComm(const CommBytes& img, RadioDataRec& w) {
    ImageReader m(img);
    OptionDataRec& o = w.OptionData();
    DTMFDataRec& dt = w.DTMFData();
    auto at = [&](Long off) { return m.U8(addr::OptionImage + off); };
    o.DisplayMode = at(OptDisplayMode);
    o.DisplayStyleA = at(OptDisplayStyleA);
    o.DisplayStyleB = at(OptDisplayStyleB);
    o.RadioDisplay = at(OptRadioDisplay);
    o.MemChannelA = at(OptMemChannelA);
    o.MemChannelB = at(OptMemChannelB);
    o.RadioMemChannel = at(OptRadioMemChannel);
    w.QuickScan = at(OptQuickScan) & 1;
    o.ScanTime = at(OptScanTime);
    o.KeyTime = at(OptKeyTime);
    o.Backlight = at(OptBacklight);
    o.Colour = at(OptColour);
    o.SubDisplay = at(OptSubDisplay);
    w.PF1Key = Limited(at(OptPF1Key), 5);
    Byte f1 = at(OptFlags1);
    o.SqlKey = f1 & 1;
    o.TailElim = (f1 >> 1) & 1;
    o.FullBand = (f1 >> 2) & 1;
    dt.ANI = (f1 >> 3) & 1;
    w.RadioOn = (f1 >> 4) & 1;
    o.MainBand = (f1 >> 5) & 1;
    o.Alarm = (f1 >> 6) & 1;
    o.Voice = (f1 >> 7) & 1;
    Byte f2 = at(OptFlags2);
    o.DisplayOption = f2 & 1;
    w.AMEnabled = (f2 >> 1) & 1;
    w.FMEnabled = (f2 >> 2) & 1;
    w.SWEnabled = (f2 >> 3) & 1;
    w.LWEnabled = (f2 >> 4) & 1;
    o.TOT = at(OptTOT);
    o.AutoPowerOff = at(OptAutoPowerOff);
    o.KeyLock = at(OptKeyLock) & 1;
    dt.SendTime = at(OptSendTime);
    o.PowerSave = at(OptPowerSave);
    o.ToneBurst = at(OptToneBurst);
    o.VoxLevel = at(OptVoxLevel);
    o.VoxDelay = at(OptVoxDelay);
    o.TailMode = at(OptTailMode);
    Byte fo = at(OptFuncOper);
    o.FuncOperA = fo & 1;
    o.FuncOperB = (fo >> 1) & 1;
    o.InitKey = (fo >> 3) & 1;
    w.PF2Key = at(OptPF2Key);
    o.MemGroupA = at(OptMemGroupA);
    o.WorkModeA = at(OptWorkModeA) & 1;
    o.GroupSelectA = at(OptGroupSelectA) & 1;
    o.MemGroupB = at(OptMemGroupB);
    o.WorkModeB = at(OptWorkModeB) & 1;
    o.GroupSelectB = at(OptGroupSelectB) & 1;
    for (int i = 0; i < 10; ++i) o.BankLink[i] = at(OptBankLink + i) & 1;
    w.NOAAAlert = Limited(at(OptNOAAAlert), 2);
    w.NOAAChannel = Limited(at(OptNOAAChannel), 6);
    w.Part95Mode = Limited(at(OptPart95Mode), 2);
    w.GMRSChannel = Limited(at(OptGMRSChannel), 22);
    w.MURSChannel = Limited(at(OptMURSChannel), 4);
    codec::StoreText(o.PowerOnText, m.Chars(addr::PowerOnText, kPowerOnTextSize, true));
}

void SetCommDataByAlert(CommBytes& img, const RadioDataRec& w) {
    AlarmDataRec a = w.AlarmData();
    auto f = AlarmFields(a);
    ImageWriter m(img);
    for (int k = 0; k < 12; ++k) m.SetU8(addr::AlertArea + kAlertOffsets[k], *f[k]);
}

void GetAlertDataFromComm(const CommBytes& img, RadioDataRec& w) {
    auto f = AlarmFields(w.AlarmData());
    ImageReader m(img);
    for (int k = 0; k < 12; ++k) *f[k] = m.U8(addr::AlertArea + kAlertOffsets[k]);
}

void SetCommDataByScan(CommBytes& img, const RadioDataRec& w) {
    ScanDataRec s = w.ScanData();
    auto f = ScanFields(s);
    ImageWriter m(img);
    for (int k = 0; k < 14; ++k) m.SetU8(addr::ScanArea + k, *f[k]);
}

void GetScanDataFromComm(const CommBytes& img, RadioDataRec& w) {
    auto f = ScanFields(w.ScanData());
    ImageReader m(img);
    for (int k = 0; k < 14; ++k) *f[k] = m.U8(addr::ScanArea + k);
}

}  // namespace rp
