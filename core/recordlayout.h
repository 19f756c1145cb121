#pragma once
// Field order of every stored record, written once: the file reader, the
// writer and the size count all walk these lists. Nested records and arrays
// are visited in declared order; the files have no alignment gaps.
#include "core/records.h"

namespace rp::layout {

template <class V> void Fields(V& v, FreDataRec& r) {
    v(r.No); v(r.Used); v(r.ScanSkip); v(r.RxFre); v(r.OffsetFre); v(r.Name);
    v(r.Step); v(r.TxForbid); v(r.Reverse); v(r.WN); v(r.EnDCSInvert); v(r.EnDCSHigh);
    v(r.Reserved66); v(r.OffsetDir); v(r.Power); v(r.TalkAround); v(r.DeDCSInvert);
    v(r.DeDCSHigh); v(r.Compander); v(r.EnCTCType); v(r.DeCTCType); v(r.Reserved84);
    v(r.EnCTCSS); v(r.DeCTCSS); v(r.EnDCS); v(r.DeDCS); v(r.OptSig); v(r.Tone2Code);
    v(r.Tone5Code); v(r.Scrambler); v(r.DTMFPttID); v(r.Tone5PttID); v(r.SqlMode);
    v(r.CustomCTCSS); v(r.MSKGroup); v(r.Reserved112); v(r.Reserved114); v(r.PttIDOn);
    v(r.DTMFCode); v(r.ExtraDisplay); v(r.BusyLock); v(r.Reserved124); v(r.PttIDDecode);
    v(r.PttIDCode); v(r.SqlLevel); v(r.Tone2Decode);
}
template <class V> void Fields(V& v, RadioFreRec& r) { v(r.No); v(r.Used); v(r.Fre); }
template <class V> void Fields(V& v, BookDataRec& r) { v(r.No); v(r.CallID); v(r.Name); }
template <class V> void Fields(V& v, DTMFCodeRec& r) { v(r.Code); v(r.CodeLen); }
template <class V> void Fields(V& v, DTMFKillCodeRec& r) { v(r.Code); v(r.CodeLen); }
template <class V> void Fields(V& v, DTMFDataRec& r) {
    v(r.MemCodes); v(r.BeginCode); v(r.EndCode); v(r.KillCode); v(r.StunCode);
    v(r.ANI); v(r.SendTime); v(r.PttIDMode); v(r.OwnID); v(r.Separator); v(r.GroupCode);
    v(r.DecodeResponse); v(r.FirstDigitDelay); v(r.PreSendDelay); v(r.ResetTime);
    v(r.PostSendDelay); v(r.PauseTime); v(r.SideTone);
}
template <class V> void Fields(V& v, Tone2EncodeRec& r) {
    v(r.Empty); v(r.Divisor1H); v(r.Divisor1L); v(r.Divisor2H); v(r.Divisor2L);
    v(r.Tone1H); v(r.Tone1L); v(r.Tone2H); v(r.Tone2L); v(r.Name);
}
template <class V> void Fields(V& v, Tone2DecodeRec& r) {
    v(r.Valid); v(r.Tone1); v(r.Tone2); v(r.Response); v(r.Name);
}
template <class V> void Fields(V& v, Tone2DataRec& r) {
    v(r.OwnTone1H); v(r.OwnTone1L); v(r.OwnTone2H); v(r.OwnTone2L); v(r.CallFormat);
    v(r.OwnDivisor1H); v(r.OwnDivisor1L); v(r.OwnDivisor2H); v(r.OwnDivisor2L);
    v(r.ResetTime); v(r.Response); v(r.SideTone);
    v(r.ToneAL); v(r.ToneAH); v(r.ToneBL); v(r.ToneBH);
    v(r.ToneCL); v(r.ToneCH); v(r.ToneDL); v(r.ToneDH);
    v(r.Duration1); v(r.Duration2); v(r.Duration3); v(r.Interval);
    v(r.Encodes); v(r.Decodes);
}
template <class V> void Fields(V& v, Tone5InfoCodeRec& r) {
    v(r.Type); v(r.Option); v(r.CodeLen); v(r.Code); v(r.Name);
}
template <class V> void Fields(V& v, Tone5CodeRec& r) {
    v(r.Empty); v(r.Reserved2); v(r.Standard); v(r.CodeLen); v(r.ToneTime); v(r.Code); v(r.Name);
}
template <class V> void Fields(V& v, Tone5DataRec& r) {
    v(r.Reserved0); v(r.Response); v(r.SysStandard); v(r.OwnIDLen); v(r.ToneTime); v(r.OwnID);
    v(r.Tone5Param5); v(r.Tone5Param4); v(r.Tone5Param6); v(r.Tone5Param7);
    v(r.Tone5Param8); v(r.Tone5Param9); v(r.Tone5Param10); v(r.Tone5Param12);
    v(r.Tone5Switch); v(r.Separator); v(r.InfoCodes); v(r.BeginCode); v(r.EndCode);
    v(r.Codes); v(r.UserTones);
}
template <class V> void Fields(V& v, OptionDataRec& r) {
    v(r.DisplayMode); v(r.DisplayStyleA); v(r.DisplayStyleB); v(r.RadioDisplay);
    v(r.MemChannelA); v(r.MemChannelB); v(r.RadioMemChannel); v(r.ScanTime); v(r.KeyTime);
    v(r.Backlight); v(r.Colour); v(r.SubDisplay); v(r.SqlKey); v(r.TailElim); v(r.FullBand);
    v(r.MainBand); v(r.Alarm); v(r.Voice); v(r.DisplayOption); v(r.TOT); v(r.AutoPowerOff);
    v(r.BusyLockOption); v(r.PowerSave); v(r.ToneBurst); v(r.VoxLevel); v(r.VoxDelay);
    v(r.TailMode); v(r.FuncOperA); v(r.FuncOperB); v(r.InitKey); v(r.KeyLock);
    v(r.WorkModeA); v(r.WorkModeB); v(r.MemGroupA); v(r.MemGroupB);
    v(r.GroupSelectA); v(r.GroupSelectB); v(r.BankLink); v(r.PowerOnText);
}
template <class V> void Fields(V& v, ScanDataRec& r) {
    v(r.ScanMode); v(r.Priority); v(r.Revert); v(r.LookBackA); v(r.LookBackB);
    v(r.RxResume); v(r.TxResume); v(r.ScanType); v(r.PromptTone); v(r.WaitTime);
    v(r.Reserved10); v(r.PriorityCh1); v(r.Reserved12); v(r.PriorityCh2);
}
template <class V> void Fields(V& v, AlarmDataRec& r) {
    v(r.AlarmType); v(r.IDCodeType); v(r.IDCodeGroup); v(r.AlarmTime); v(r.TxTime);
    v(r.RxTime); v(r.ChannelSelect); v(r.EmgChannel); v(r.Cycles); v(r.AutoDetect);
    v(r.PreAlertTime); v(r.LoneWorkerTime);
}
template <class V> void Fields(V& v, SetDataRec& r) {
    v(r.DTMFData); v(r.Tone2Data); v(r.Tone5Data); v(r.OptionData); v(r.ScanData); v(r.AlarmData);
}
template <class V> void Fields(V& v, MSKHeadRec& r) {
    v(r.OwnID); v(r.GroupID); v(r.PreSendDelay); v(r.SideTone); v(r.PttID);
    v(r.DecodeResponse); v(r.ResetTime); v(r.Reserved); v(r.Frequency);
}
template <class V> void Fields(V& v, MSKGroupRec& r) {
    v(r.Valid); v(r.CallType); v(r.IndID); v(r.GroupID); v(r.Reserved20); v(r.InfoCode); v(r.Name);
}
template <class V> void Fields(V& v, MSKDataRec& r) { v(r.Head); v(r.Groups); }
template <class V> void Fields(V& v, BankTable& r) { v(r.v); }
template <class V> void Fields(V& v, RadioDataRec& r) {
    v(r.BandIndex); v(r.SetData); v(r.FreDataCount); v(r.RadioFreData); v(r.BookData);
    v(r.Tone5Param11); v(r.RadioOn); v(r.AMDisplayMode); v(r.AMMemChannel); v(r.SubVolume);
    v(r.RadioBand); v(r.AMFreData); v(r.PF1Key); v(r.AMEnabled); v(r.FMEnabled);
    v(r.SWEnabled); v(r.LWEnabled); v(r.MSKData); v(r.ModelCode); v(r.SWFre); v(r.LWFre);
    v(r.BankCH); v(r.QuickScan); v(r.PF2Key); v(r.NOAAAlert); v(r.NOAAChannel);
    v(r.Part95Mode); v(r.GMRSChannel); v(r.MURSChannel);
    v(r.GMRSFreData); v(r.MURSFreData); v(r.WXFreData);
}

}  // namespace rp::layout
