#pragma once
// The radio data records: one channel, the whole-data record and the settings
// and signalling records nested in it. Plain values; copying copies everything.
#include <array>
#include <cstddef>
#include <cstdint>
#include <stdexcept>
#include <string>

#include "core/fixedtext.h"

namespace rp {

using Integer = std::int16_t;
using Long = std::int32_t;
using Byte = std::uint8_t;

// ---- enumerations -------------------------------------------------------

enum UILanguage : Integer { LangEnglish = 1, LangChinese = 2 };

enum ChannelNo : Integer {
    ChMemFirst = 1, ChMemLast = 200,
    ChPL1 = 201, ChPU1 = 202, ChPL2 = 203, ChPU2 = 204, ChVFO1 = 205, ChVFO2 = 206
};

enum ListType : Integer { ListMemory = 0, ListGMRS = 1, ListMURS = 2, ListWeather = 3 };
enum CTCType : Integer { CtcNone = 0, CtcCTCSS = 1, CtcDCS = 2 };
enum PowerLevel : Integer { PowerHigh = 0, PowerMiddle = 1, PowerLow = 2 };
enum Bandwidth : Integer { BandWide = 0, BandNarrow = 1 };
enum StepIndex : Integer {
    Step2_5K = 0, Step5K, Step6_25K, Step10K, Step12_5K, Step20K, Step25K, Step30K, Step50K
};
enum OptSigType : Integer { SigNone = 0, SigDTMF = 1, Sig2Tone = 2, Sig5Tone = 3, SigMSK = 4 };
enum OffsetDirection : Integer { OffsetNone = 0, OffsetMinus = 1, OffsetPlus = 2 };
enum BandRange : Integer { BandRangeFirst = 0, BandRangeLast = 7 };

inline constexpr int kFreDataMax = 206;      // records of the memory-channel list
inline constexpr int kBankSlots = 32;
inline constexpr int kBankCount = 9;

// ---- channel ----------------------------------------------------------------

struct FreDataRec {
    Integer No = 0;
    Integer Used = 0;
    Integer ScanSkip = 0;
    FixedText<9> RxFre;
    FixedText<9> OffsetFre;
    FixedText<6> Name;
    Integer Step = 0;
    Integer TxForbid = 0;
    Integer Reverse = 0;
    Integer WN = 0;
    Integer EnDCSInvert = 0;
    Integer EnDCSHigh = 0;
    Integer Reserved66 = 0;
    Integer OffsetDir = 0;
    Integer Power = 0;
    Integer TalkAround = 0;
    Integer DeDCSInvert = 0;
    Integer DeDCSHigh = 0;
    Integer Compander = 0;
    Integer EnCTCType = 0;
    Integer DeCTCType = 0;
    Integer Reserved84 = 0;
    Integer EnCTCSS = 0;
    Integer DeCTCSS = 0;
    Integer EnDCS = 0;
    Integer DeDCS = 0;
    Integer OptSig = 0;
    Integer Tone2Code = 0;
    Integer Tone5Code = 0;
    Integer Scrambler = 0;
    Integer DTMFPttID = 0;
    Integer Tone5PttID = 0;
    Integer SqlMode = 0;
    Integer CustomCTCSS = 0;
    Integer MSKGroup = 0;
    Integer Reserved112 = 0;
    Integer Reserved114 = 0;
    Integer PttIDOn = 0;
    Integer DTMFCode = 0;
    Integer ExtraDisplay = 0;
    Integer BusyLock = 0;
    Integer Reserved124 = 0;
    Integer PttIDDecode = 0;
    FixedText<5> PttIDCode;
    Integer SqlLevel = 0;
    Integer Tone2Decode = 0;
    bool operator==(const FreDataRec&) const = default;
};

struct RadioFreRec {
    Integer No = 0;
    Integer Used = 0;
    FixedText<8> Fre;
    bool operator==(const RadioFreRec&) const = default;
};

struct BookDataRec {
    Integer No = 0;
    FixedText<5> CallID;
    FixedText<6> Name;
    bool operator==(const BookDataRec&) const = default;
};

// ---- DTMF -------------------------------------------------------------------

struct DTMFCodeRec {
    FixedText<24> Code;
    Integer CodeLen = 0;
    bool operator==(const DTMFCodeRec&) const = default;
};

struct DTMFKillCodeRec {
    FixedText<14> Code;
    Integer CodeLen = 0;
    bool operator==(const DTMFKillCodeRec&) const = default;
};

struct DTMFDataRec {
    std::array<DTMFCodeRec, 16> MemCodes{};
    DTMFCodeRec BeginCode;
    DTMFCodeRec EndCode;
    DTMFKillCodeRec KillCode;
    DTMFKillCodeRec StunCode;
    Integer ANI = 0;
    Integer SendTime = 0;
    Integer PttIDMode = 0;
    FixedText<3> OwnID;
    Integer Separator = 0;
    Integer GroupCode = 0;
    Integer DecodeResponse = 0;
    Integer FirstDigitDelay = 0;
    Integer PreSendDelay = 0;
    Integer ResetTime = 0;
    Integer PostSendDelay = 0;
    Integer PauseTime = 0;
    Integer SideTone = 0;
    bool operator==(const DTMFDataRec&) const = default;
};

// ---- two-tone ---------------------------------------------------------------

struct Tone2EncodeRec {
    Integer Empty = 0;
    Byte Divisor1H = 0, Divisor1L = 0, Divisor2H = 0, Divisor2L = 0;
    Byte Tone1H = 0, Tone1L = 0, Tone2H = 0, Tone2L = 0;
    FixedText<7> Name;
    bool operator==(const Tone2EncodeRec&) const = default;
};

struct Tone2DecodeRec {
    Integer Valid = 0;
    double Tone1 = 0.0;
    double Tone2 = 0.0;
    Integer Response = 0;
    FixedText<6> Name;
    // Defaulted ==: a NaN tone is unequal to itself; the change detection
    // compares the tones by value or bit pattern itself.
    bool operator==(const Tone2DecodeRec&) const = default;
};

struct Tone2DataRec {
    Byte OwnTone1H = 0, OwnTone1L = 0;
    Byte OwnTone2H = 0, OwnTone2L = 0;
    Byte CallFormat = 0;
    Byte OwnDivisor1H = 0, OwnDivisor1L = 0;
    Byte OwnDivisor2H = 0, OwnDivisor2L = 0;
    Byte ResetTime = 0;
    Byte Response = 0;
    Byte SideTone = 0;
    Byte ToneAL = 0, ToneAH = 0;
    Byte ToneBL = 0, ToneBH = 0;
    Byte ToneCL = 0, ToneCH = 0;
    Byte ToneDL = 0, ToneDH = 0;
    Byte Duration1 = 0, Duration2 = 0, Duration3 = 0;
    Byte Interval = 0;
    std::array<Tone2EncodeRec, 32> Encodes{};
    std::array<Tone2DecodeRec, 16> Decodes{};
    bool operator==(const Tone2DataRec&) const = default;
};

// ---- five-tone --------------------------------------------------------------

struct Tone5InfoCodeRec {
    Byte Type = 0;
    Byte Option = 0;
    Byte CodeLen = 0;
    FixedText<12> Code;
    FixedText<7> Name;
    bool operator==(const Tone5InfoCodeRec&) const = default;
};

struct Tone5CodeRec {
    Integer Empty = 0;
    Byte Reserved2 = 0;
    Byte Standard = 0;
    Byte CodeLen = 0;
    Byte ToneTime = 0;
    FixedText<40> Code;
    FixedText<7> Name;
    bool operator==(const Tone5CodeRec&) const = default;
};

struct Tone5DataRec {
    Byte Reserved0 = 0;
    Byte Response = 0;
    Byte SysStandard = 0;
    Byte OwnIDLen = 0;
    Byte ToneTime = 0;
    FixedText<6> OwnID;
    Byte Tone5Param5 = 0, Tone5Param4 = 0, Tone5Param6 = 0, Tone5Param7 = 0;
    Integer Tone5Param8 = 0, Tone5Param9 = 0, Tone5Param10 = 0, Tone5Param12 = 0;
    Integer Tone5Switch = 0;
    Integer Separator = 0;
    std::array<Tone5InfoCodeRec, 8> InfoCodes{};
    Tone5CodeRec BeginCode;
    Tone5CodeRec EndCode;
    std::array<Tone5CodeRec, 100> Codes{};
    std::array<Integer, 16> UserTones{};
    bool operator==(const Tone5DataRec&) const = default;
};

// ---- options, scan, alarm -------------------------------------------------

struct OptionDataRec {
    Integer DisplayMode = 0;
    Integer DisplayStyleA = 0, DisplayStyleB = 0;
    Integer RadioDisplay = 0;
    Integer MemChannelA = 0, MemChannelB = 0;
    Integer RadioMemChannel = 0;
    Integer ScanTime = 0;
    Integer KeyTime = 0;
    Integer Backlight = 0;
    Integer Colour = 0;
    Integer SubDisplay = 0;
    Integer SqlKey = 0;
    Integer TailElim = 0;
    Integer FullBand = 0;
    Integer MainBand = 0;
    Integer Alarm = 0;
    Integer Voice = 0;
    Integer DisplayOption = 0;
    Integer TOT = 0;
    Integer AutoPowerOff = 0;
    Integer BusyLockOption = 0;
    Integer PowerSave = 0;
    Integer ToneBurst = 0;
    Integer VoxLevel = 0, VoxDelay = 0;
    Integer TailMode = 0;
    Integer FuncOperA = 0, FuncOperB = 0;
    Integer InitKey = 0;
    Integer KeyLock = 0;
    Integer WorkModeA = 0, WorkModeB = 0;
    Integer MemGroupA = 0, MemGroupB = 0;
    Integer GroupSelectA = 0, GroupSelectB = 0;
    std::array<Integer, 10> BankLink{};
    FixedText<12> PowerOnText;
    bool operator==(const OptionDataRec&) const = default;
};

struct ScanDataRec {
    Byte ScanMode = 0;
    Byte Priority = 0;
    Byte Revert = 0;
    Byte LookBackA = 0, LookBackB = 0;
    Byte RxResume = 0, TxResume = 0;
    Byte ScanType = 0;
    Byte PromptTone = 0;
    Byte WaitTime = 0;
    Byte Reserved10 = 0;
    Byte PriorityCh1 = 0;
    Byte Reserved12 = 0;
    Byte PriorityCh2 = 0;
    bool operator==(const ScanDataRec&) const = default;
};

struct AlarmDataRec {
    Byte AlarmType = 0;
    Byte IDCodeType = 0;
    Byte IDCodeGroup = 0;
    Byte AlarmTime = 0;
    Byte TxTime = 0;
    Byte RxTime = 0;
    Byte ChannelSelect = 0;
    Byte EmgChannel = 0;
    Byte Cycles = 0;
    Byte AutoDetect = 0;
    Byte PreAlertTime = 0;
    Byte LoneWorkerTime = 0;
    bool operator==(const AlarmDataRec&) const = default;
};

struct SetDataRec {
    DTMFDataRec DTMFData;
    Tone2DataRec Tone2Data;
    Tone5DataRec Tone5Data;
    OptionDataRec OptionData;
    ScanDataRec ScanData;
    AlarmDataRec AlarmData;
    bool operator==(const SetDataRec&) const = default;
};

// ---- MSK --------------------------------------------------------------------

struct MSKHeadRec {
    FixedText<4> OwnID;
    FixedText<4> GroupID;
    Integer PreSendDelay = 0;
    Integer SideTone = 0;
    Integer PttID = 0;
    Integer DecodeResponse = 0;
    Integer ResetTime = 0;
    std::array<Integer, 5> Reserved{};
    Integer Frequency = 0;
    bool operator==(const MSKHeadRec&) const = default;
};

struct MSKGroupRec {
    Integer Valid = 0;
    Integer CallType = 0;
    FixedText<4> IndID;
    FixedText<4> GroupID;
    Integer Reserved20 = 0;
    FixedText<18> InfoCode;
    FixedText<8> Name;
    bool operator==(const MSKGroupRec&) const = default;
};

struct MSKDataRec {
    MSKHeadRec Head;
    std::array<MSKGroupRec, 32> Groups{};
    bool operator==(const MSKDataRec&) const = default;
};

// ---- the bank table -----------------------------------------------------------

// Nine banks of 32 slots; element (slot j, bank i), both 1-based, slot fastest.
struct BankTable {
    std::array<Integer, kBankSlots * kBankCount> v{};
    // A slot outside 1..32 or a bank outside 1..9 throws std::out_of_range
    // rather than reach another element or past the table.
    Integer& operator()(int slot, int bank) { return v[Index(slot, bank)]; }
    Integer operator()(int slot, int bank) const { return v[Index(slot, bank)]; }
    static std::size_t Index(int slot, int bank) {
        if (slot < 1 || slot > kBankSlots || bank < 1 || bank > kBankCount)
            throw std::out_of_range("bank table index");
        return static_cast<std::size_t>((bank - 1) * kBankSlots + (slot - 1));
    }
    bool operator==(const BankTable&) const = default;
};

// ---- the whole data record ------------------------------------------------------

struct RadioDataRec {
    Integer BandIndex = 0;
    SetDataRec SetData;
    Integer FreDataCount = 0;
    std::array<RadioFreRec, 101> RadioFreData{};
    std::array<BookDataRec, 128> BookData{};
    Byte Tone5Param11 = 0;
    Byte RadioOn = 0;
    Byte AMDisplayMode = 0;
    Byte AMMemChannel = 0;
    Byte SubVolume = 0;
    Byte RadioBand = 0;
    std::array<FixedText<8>, 101> AMFreData{};
    Byte PF1Key = 0;
    Byte AMEnabled = 0;
    Byte FMEnabled = 0;
    Byte SWEnabled = 0;
    Byte LWEnabled = 0;
    MSKDataRec MSKData;
    FixedText<7> ModelCode;
    FixedText<8> SWFre;
    FixedText<8> LWFre;
    BankTable BankCH;
    Integer QuickScan = 0;
    Byte PF2Key = 0;
    Byte NOAAAlert = 0;
    Byte NOAAChannel = 0;
    Byte Part95Mode = 0;
    Byte GMRSChannel = 0;
    Byte MURSChannel = 0;
    std::array<FreDataRec, 23> GMRSFreData{};
    std::array<FreDataRec, 5> MURSFreData{};
    std::array<FreDataRec, 7> WXFreData{};

    // Names of the parts of the working data.
    DTMFDataRec& DTMFData() { return SetData.DTMFData; }
    Tone2DataRec& Tone2Data() { return SetData.Tone2Data; }
    Tone5DataRec& Tone5Data() { return SetData.Tone5Data; }
    OptionDataRec& OptionData() { return SetData.OptionData; }
    ScanDataRec& ScanData() { return SetData.ScanData; }
    AlarmDataRec& AlarmData() { return SetData.AlarmData; }
    const DTMFDataRec& DTMFData() const { return SetData.DTMFData; }
    const Tone2DataRec& Tone2Data() const { return SetData.Tone2Data; }
    const Tone5DataRec& Tone5Data() const { return SetData.Tone5Data; }
    const OptionDataRec& OptionData() const { return SetData.OptionData; }
    const ScanDataRec& ScanData() const { return SetData.ScanData; }
    const AlarmDataRec& AlarmData() const { return SetData.AlarmData; }
    bool operator==(const RadioDataRec&) const = default;
};

// The radio's embedded information; shown, never stored in a file.
struct EmgDataRec {
    Integer BandCode = 0;
    FixedText<16> SerialNo;
    FixedText<16> ProductDate;
    FixedText<16> MaintainDate;
    FixedText<96> MaintainReason;
    std::string Version;
    std::string Model;
    std::string AreaCode;
    FixedText<8> ManufactureCode;
    FixedText<4> UserCode;
    FixedText<16> DealerCode;
    FixedText<16> StockDate;
    FixedText<16> SellDate;
    FixedText<16> Seller;
    bool operator==(const EmgDataRec&) const = default;
};

}  // namespace rp
