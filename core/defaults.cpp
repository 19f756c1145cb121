#include "core/defaults.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <ctime>

#include "core/bands.h"
#include "core/banks.h"
#include "core/channelrecord.h"
#include "core/channelstore.h"
#include "core/conversions.h"
#include "core/datafiles.h"
#include "core/fileio.h"
#include "core/numtext.h"
#include "core/paths.h"

namespace rp {

namespace {

std::string Decimal(int v) {
    char buf[16];
    auto r = std::to_chars(buf, buf + sizeof buf, v);
    return std::string(buf, r.ptr);
}

std::string Digits(int v, int width) {
    std::string s = Decimal(v);
    if (static_cast<int>(s.size()) < width) s.insert(0, static_cast<std::size_t>(width) - s.size(), '0');
    return s;
}

// "text" followed by a NUL, as the defaults write short texts.
std::string WithNul(std::string_view s) { return std::string(s) + '\0'; }

}  // namespace

std::string InitFolderOf(const AppData& d) {
    return d.InitFolder.empty() ? ProgramFolder(d) + "/Init" : d.InitFolder;
}

// ---- preset lists -------------------------------------------------------------

void SetRadioFreData(FreDataRec& r, int number, std::string_view name, double rxMHz,
                     int offsetDir, double offsetMHz, int wn, int power, int txForbid) {
    SetNewRecordFields(r, number);
    r.Name.Set(WithNul(name));
    r.RxFre.Set(FreStrToData(FormatNumber(rxMHz, "000.00000")));
    r.OffsetDir = static_cast<Integer>(offsetDir);
    r.OffsetFre.Set(FreStrToData(FormatNumber(offsetMHz, "000.00000")));
    r.WN = static_cast<Integer>(wn);
    r.Power = static_cast<Integer>(power);
    r.TxForbid = static_cast<Integer>(txForbid);
}

void InitRadioFreData(AppData& d) {
    auto& g = d.WorkData.GMRSFreData;
    for (int i = 0; i < 23; ++i) {
        FreDataRec& r = g[static_cast<std::size_t>(i)];
        if (i <= 6)
            SetRadioFreData(r, i + 1, "GMRS0" + Decimal(i + 1), 462.5625 + 0.025 * i, OffsetNone, 0.0,
                            BandNarrow, PowerHigh, 0);
        else if (i <= 14)
            SetRadioFreData(r, i + 1, "GMRS" + Decimal(i + 8), 462.550 + 0.025 * (i - 7), OffsetNone,
                            0.0, BandWide, PowerHigh, 0);
        else
            SetRadioFreData(r, i + 1, "REPT" + Decimal(i), 462.550 + 0.025 * (i - 15), OffsetPlus,
                            5.0, BandWide, PowerHigh, 0);
    }
    struct Preset {
        const char* name;
        double rx;
        int wn;
    };
    static constexpr Preset kMurs[5] = {{"MURS 1", 151.82, 1}, {"MURS 2", 151.88, 1},
                                        {"MURS 3", 151.94, 1}, {"MURS 4", 154.57, 0},
                                        {"MURS 5", 154.6, 0}};
    for (int i = 0; i < 5; ++i)
        SetRadioFreData(d.WorkData.MURSFreData[static_cast<std::size_t>(i)], i + 1, kMurs[i].name,
                        kMurs[i].rx, OffsetNone, 0.0, kMurs[i].wn, PowerMiddle, 0);
    static constexpr double kWx[7] = {162.55, 162.4, 162.475, 162.425, 162.45, 162.5, 162.525};
    for (int i = 0; i < 7; ++i)
        SetRadioFreData(d.WorkData.WXFreData[static_cast<std::size_t>(i)], i + 1,
                        "WX " + Decimal(i + 1), kWx[i], OffsetNone, 0.0, BandNarrow, PowerLow, 1);
}

// ---- settings and signalling ----------------------------------------------------

void InitDTMFData(AppData& d) {
    DTMFDataRec& t = d.DTMFData();
    for (auto& c : t.MemCodes) {
        c.Code.Set("");
        c.CodeLen = 0;
    }
    for (DTMFCodeRec* c : {&t.BeginCode, &t.EndCode}) {
        c->Code.Set("");
        c->CodeLen = 0;
    }
    for (DTMFKillCodeRec* c : {&t.KillCode, &t.StunCode}) {
        c->Code.Set("");
        c->CodeLen = 0;
    }
    t.ANI = 0;
    t.SendTime = 1;
    t.PttIDMode = 3;
    t.OwnID.Set("000");
    t.Separator = 14;
    t.GroupCode = 10;
    t.DecodeResponse = 0;
    t.FirstDigitDelay = 20;
    t.PreSendDelay = 20;
    t.ResetTime = 0;
    t.PostSendDelay = 20;
    t.PauseTime = 10;
    t.SideTone = 0;
}

void Init2ToneData(AppData& d) {
    Tone2DataRec& t = d.Tone2Data();
    t.OwnTone1H = 12;
    t.OwnTone1L = 145;
    t.OwnTone2H = 36;
    t.OwnTone2L = 65;
    t.CallFormat = 0;
    t.OwnDivisor1H = 58;
    t.OwnDivisor1L = 72;
    t.OwnDivisor2H = 20;
    t.OwnDivisor2L = 52;
    t.ResetTime = 0;
    t.Response = 0;
    t.SideTone = 0;
    t.ToneAL = 145;
    t.ToneAH = 12;
    t.ToneBL = 65;
    t.ToneBH = 36;
    t.ToneCL = 121;
    t.ToneCH = 24;
    t.ToneDL = 214;
    t.ToneDH = 79;
    t.Duration1 = 5;
    t.Duration2 = 5;
    t.Duration3 = 10;
    t.Interval = 0;
}

void Init5ToneData(AppData& d) {
    Tone5DataRec& t = d.Tone5Data();
    t.Reserved0 = t.Response = t.SysStandard = t.OwnIDLen = 0;
    t.ToneTime = 70;
    t.OwnID.SetEmpty();
    t.Tone5Param5 = 0;
    t.Tone5Param4 = t.Tone5Param6 = 20;
    t.Tone5Param7 = 10;
    t.Tone5Param8 = t.Tone5Param9 = t.Tone5Param12 = 20;
    t.Tone5Param10 = t.Tone5Switch = 0;
    t.Separator = 13;
    static constexpr Integer kZvei1[16] = {24000, 10600, 11600, 12700, 14000, 15300, 16700, 18300,
                                           20000, 22000, 28000, 8100,  9700,  8850,  26000, 9300};
    std::copy(std::begin(kZvei1), std::end(kZvei1), t.UserTones.begin());
    d.WorkData.Tone5Param11 = 2;
    for (auto& c : t.InfoCodes) {
        c.Type = c.Option = c.CodeLen = 0;
        c.Code.SetEmpty();
    }
    for (auto& c : t.Codes) {
        c.Empty = 1;
        c.Reserved2 = c.Standard = c.CodeLen = 0;
        c.ToneTime = 70;
        c.Code.Set("");
    }
    Tone2DataRec& t2 = d.Tone2Data();
    for (auto& e : t2.Encodes) {
        e.Empty = 1;
        e.Divisor1H = e.Divisor1L = e.Divisor2H = e.Divisor2L = 0;
        e.Tone1H = e.Tone1L = e.Tone2H = e.Tone2L = 0;
    }
    Tone2EncodeRec& e0 = t2.Encodes[0];
    e0.Empty = 0;
    e0.Divisor1H = 58;
    e0.Divisor1L = 72;
    e0.Divisor2H = 20;
    e0.Divisor2L = 52;
    e0.Tone1H = 12;
    e0.Tone1L = 145;
    e0.Tone2H = 36;
    e0.Tone2L = 65;
    for (auto& c : t2.Decodes) {
        c.Valid = 0;
        c.Tone1 = 321.7;
        c.Tone2 = 2043.8;
        c.Response = 0;
        c.Name.SetEmpty();
    }
}

void InitOptionData(AppData& d) {
    OptionDataRec o{};  // every Integer DisplayMode..MemGroupB 0
    o.GroupSelectA = 1;
    o.GroupSelectB = 1;
    o.BankLink.fill(1);
    o.PowerOnText.SetEmpty();
    d.OptionData() = o;
    d.WorkData.RadioOn = 0;
    d.WorkData.QuickScan = 0;
}

void InitScanData(AppData& d) {
    ScanDataRec s{};
    s.LookBackA = 5;
    s.LookBackB = 5;
    d.ScanData() = s;
}

void InitAlertData(AppData& d) {
    AlarmDataRec a{};
    a.PreAlertTime = 1;
    a.LoneWorkerTime = 5;
    d.AlarmData() = a;
}

void InitCommBookData(AppData& d) {
    for (std::size_t i = 0; i < d.WorkData.BookData.size(); ++i) {
        BookDataRec& b = d.WorkData.BookData[i];
        b.No = static_cast<Integer>(i);
        b.CallID.SetEmpty();
        b.Name.SetEmpty();
    }
}

void InitOptionOther(AppData& d) {
    RadioDataRec& w = d.WorkData;
    w.AMDisplayMode = w.AMMemChannel = w.SubVolume = w.RadioBand = 0;
    w.PF1Key = w.AMEnabled = w.FMEnabled = w.SWEnabled = w.LWEnabled = 0;
    w.SWFre.Set(WithNul("18"));
    w.LWFre.Set(WithNul("1.2"));
    for (auto& a : w.AMFreData) a.SetEmpty();
    w.AMFreData[100].Set(WithNul("122"));
    w.PF2Key = w.NOAAAlert = w.NOAAChannel = w.Part95Mode = w.GMRSChannel = w.MURSChannel = 0;
}

void InitMSKData(AppData& d) {
    MSKDataRec& m = d.WorkData.MSKData;
    m.Head.OwnID.Set("0000");
    m.Head.GroupID.Set("0000");
    m.Head.PreSendDelay = 40;
    m.Head.SideTone = 0;
    m.Head.PttID = 0;
    m.Head.DecodeResponse = 0;
    m.Head.ResetTime = 20;
    m.Head.Frequency = 145;
    for (auto& g : m.Groups) {
        g.Valid = 0;
        g.CallType = 0;
        g.IndID.Set("0000");
        g.GroupID.Set("0000");
        g.Reserved20 = 0;
        g.InfoCode.SetEmpty();
        g.Name.SetEmpty();
    }
}

void InitAllSetData(AppData& d) {
    InitDTMFData(d);
    Init2ToneData(d);
    Init5ToneData(d);
    InitOptionData(d);
    InitScanData(d);
    InitAlertData(d);
    InitCommBookData(d);
    InitOptionOther(d);
    InitMSKData(d);
}

void InitRadioChannelData(AppData& d) {
    auto& list = d.WorkData.RadioFreData;
    for (std::size_t i = 0; i < list.size(); ++i) {
        list[i].No = static_cast<Integer>(i + 1);
        list[i].Used = 0;
        list[i].Fre.Set("00000000");
    }
    for (std::size_t i : {std::size_t{0}, std::size_t{100}}) {
        list[i].Used = 1;
        list[i].Fre.Set("01080000");
    }
}

void InitDefaultFreData(AppData& d) {
    std::string mid[2];
    for (int b = 0; b < 2; ++b) {
        double high = std::nearbyint(d.RxBandHigh[static_cast<std::size_t>(b)]);  // half to even
        mid[b] = FormatNumber((high + d.RxBandLow[static_cast<std::size_t>(b)]) / 2.0, "000.0000");
    }
    static constexpr int kChannels[8] = {1, 2, ChPL1, ChPU1, ChPL2, ChPU2, ChVFO1, ChVFO2};
    for (int i = 0; i < 8; ++i) AddFreDataByFre(d, kChannels[i], mid[i % 2]);
}

// ---- the whole data set ---------------------------------------------------------

void InitAllData(AppData& d) {
    d.ClipFilled = {false, false, false};
    d.RadioKilled = false;
    d.RadioStunned = false;
    d.IsUntitled = true;
    d.DataFilePath = "new.dat";
    d.BookFilePath = "new.cb";
    // A fresh start: nothing of the previous data set carries over into the
    // fields the defaults below leave alone.
    d.WorkData = RadioDataRec{};
    d.FreData.fill(FreDataRec{});
    InitRadioFreData(d);
    InitAllSetData(d);
    ClearBankData(d);
    d.WorkData.FreDataCount = 0;
    InitRadioChannelData(d);
    InitDefaultFreData(d);
    if (!d.SkipInitFile) LoadInitDataFile(d, InitFolderOf(d));
}

// ---- default data files -----------------------------------------------------------

namespace {

void ApplyLoadedSet(AppData& d, const LoadedDataSet& set) {
    d.FileData = set.data;
    std::copy(set.channels.begin(), set.channels.begin() + set.data.FreDataCount, d.FileFreData.begin());
    if (set.testData) {
        std::copy(set.testData->begin(), set.testData->end(), d.TestDataBuf.begin() + 32);
        d.TestDataFilePath = set.testDataPath;
        d.TestDataOrigin = AppData::TestDataSource::File;
    }
}

bool ReadDefaultSet(AppData& d, const std::string& path, LoadedDataSet& set) {
    return ReadDataSet(d, path, /*checkModel=*/false, /*stampModel=*/true, d.FactoryTestMode,
                       /*shortTestDataIsMissing=*/true, set) == LoadOutcome::Ok;
}

}  // namespace

void LoadInitDataFile(AppData& d, const std::string& initFolder) {
    std::string path = initFolder + "/" + d.CurModel + "_" + Decimal(d.CurBandIndex) + ".dat";
    if (IsRegularFile(path))
        LoadModelInitFile(d, path);
    else
        LoadDefaultInitFile(d, initFolder + "/" + kDefaultInitFile);
}

bool LoadModelInitFile(AppData& d, const std::string& path) {
    return LoadModelInitSet(d, ReadDataSetContents(path, d.FactoryTestMode));
}

bool LoadModelInitSet(AppData& d, const DataSetContents& c) {
    LoadedDataSet set;
    if (ParseDataSet(d, c, /*checkModel=*/false, /*stampModel=*/true, d.FactoryTestMode,
                     /*shortTestDataIsMissing=*/true, set) != LoadOutcome::Ok) {
        CopyWorkDataToFileCopy(d);
        return false;
    }
    if (d.FactoryFresFlag != 1 && !d.ForceFactoryFres) {
        int kept = 0;
        for (int i = 0; i < set.data.FreDataCount; ++i) {
            const FreDataRec& r = set.channels[static_cast<std::size_t>(i)];
            if (r.No == 1 || r.No == 2 || r.No >= ChPL1) set.channels[static_cast<std::size_t>(kept++)] = r;
        }
        set.data.FreDataCount = static_cast<Integer>(kept);
    }
    ApplyLoadedSet(d, set);
    CopyFileCopyToWorkData(d);
    return true;
}

bool LoadDefaultInitFile(AppData& d, const std::string& path) {
    LoadedDataSet set;
    if (!ReadDefaultSet(d, path, set)) {
        CopyWorkDataToFileCopy(d);
        return false;
    }
    ApplyLoadedSet(d, set);
    CopyFileCopyToWorkData(d);
    d.WorkData.FreDataCount = 0;
    InitDefaultFreData(d);
    CopyWorkDataToFileCopy(d);
    return true;
}

std::vector<FileToWrite> BuildDefaultInitFiles(const std::string& folder) {
    AppData g;
    g.CurModel = kModelId;
    g.CurBandIndex = 0;
    g.CurBandText = GetFreqRangeText(0);
    ParseBandRanges(g);
    g.SkipInitFile = true;
    InitAllData(g);
    CopyWorkDataToFileCopy(g);
    std::string base = folder + "/" + kDefaultInitFile;
    const auto n = static_cast<std::size_t>(g.FileData.FreDataCount);
    return {{ChannelFilePath(base), ChannelRecordBytes(std::span<const FreDataRec>(g.FileFreData.data(), n))},
            {base, DataRecordBytes(g.FileData)}};
}

// ---- embedded information -----------------------------------------------------------

CalendarDate TodayLocalDate() {
    std::time_t now = std::time(nullptr);
    std::tm tm{};
    if (localtime_r(&now, &tm) == nullptr) return {};
    return {tm.tm_year + 1900, tm.tm_mon + 1, tm.tm_mday};
}

void InitEmgData(AppData& d, const CalendarDate& date) {
    EmgDataRec& e = d.EmgData;
    std::string y = Digits(date.year, 4), m = Digits(date.month, 2), day = Digits(date.day, 2);
    std::string shortDate = WithNul(y + "-" + m + "-" + day);  // at most 15 characters + NUL
    e.BandCode = 0;
    e.SerialNo.Set(y + m + day + "00000001");
    e.ProductDate.Set(shortDate);
    e.MaintainDate.Set(shortDate);
    e.StockDate.Set(shortDate);
    e.SellDate.Set(shortDate);
    e.ManufactureCode.Set(m + "-1-E-1");
    e.UserCode.Set("001A");
    e.DealerCode.SetEmpty();
    e.Seller.SetEmpty();
    e.MaintainReason.SetEmpty();
    e.Version = "V1.00";
    e.Model = "KEVRA8R";
    e.AreaCode = "";
}

void InitEmgData(AppData& d) { InitEmgData(d, TodayLocalDate()); }

}  // namespace rp
