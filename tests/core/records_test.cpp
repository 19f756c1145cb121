#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <functional>
#include <random>

#include "core/bands.h"
#include "core/messages.h"
#include "core/recordio.h"

using namespace rp;

TEST(RecordSizes, MatchTheFileLayout) {
    EXPECT_EQ(StoredSize<RadioDataRec>(), 16855u);
    EXPECT_EQ(StoredSize<FreDataRec>(), 113u);
    EXPECT_EQ(StoredSize<RadioFreRec>(), 12u);
    EXPECT_EQ(StoredSize<BookDataRec>(), 13u);
    EXPECT_EQ(StoredSize<SetDataRec>(), 7284u);
    EXPECT_EQ(StoredSize<DTMFDataRec>(), 527u);
    EXPECT_EQ(StoredSize<DTMFCodeRec>(), 26u);
    EXPECT_EQ(StoredSize<DTMFKillCodeRec>(), 16u);
    EXPECT_EQ(StoredSize<Tone2DataRec>(), 984u);
    EXPECT_EQ(StoredSize<Tone2EncodeRec>(), 17u);
    EXPECT_EQ(StoredSize<Tone2DecodeRec>(), 26u);
    EXPECT_EQ(StoredSize<Tone5DataRec>(), 5641u);
    EXPECT_EQ(StoredSize<Tone5InfoCodeRec>(), 22u);
    EXPECT_EQ(StoredSize<Tone5CodeRec>(), 53u);
    EXPECT_EQ(StoredSize<OptionDataRec>(), 106u);
    EXPECT_EQ(StoredSize<ScanDataRec>(), 14u);
    EXPECT_EQ(StoredSize<AlarmDataRec>(), 12u);
    EXPECT_EQ(StoredSize<MSKDataRec>(), 1310u);
    EXPECT_EQ(StoredSize<MSKHeadRec>(), 30u);
    EXPECT_EQ(StoredSize<MSKGroupRec>(), 40u);
}

namespace {
// Finds where a sentinel written into one field lands in the encoded record.
template <class R>
std::size_t OffsetOf(const std::function<void(R&)>& set, int width) {
    R r{};
    set(r);
    auto bytes = EncodeRecord(r);
    std::size_t found = SIZE_MAX;
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        if (bytes[i] != 0) {
            found = i;
            break;
        }
    }
    // the sentinel fills exactly `width` bytes
    for (std::size_t i = found + width; i < bytes.size(); ++i) EXPECT_EQ(bytes[i], 0) << i;
    return found;
}
}  // namespace

TEST(RecordLayout, DataRecordOffsets) {
    struct Case {
        const char* name;
        std::function<void(RadioDataRec&)> set;
        int width;
        std::size_t offset;
    };
    const Case cases[] = {
        {"BandIndex", [](RadioDataRec& r) { r.BandIndex = -1; }, 2, 0},
        {"DTMF MemCodes(0)", [](RadioDataRec& r) { r.SetData.DTMFData.MemCodes[0].Code.b[0] = '1'; }, 1, 2},
        {"DTMF SideTone", [](RadioDataRec& r) { r.SetData.DTMFData.SideTone = -1; }, 2, 2 + 525},
        {"DTMF OwnID", [](RadioDataRec& r) { r.SetData.DTMFData.OwnID.b[0] = 'x'; }, 1, 2 + 506},
        {"OwnTone1H", [](RadioDataRec& r) { r.SetData.Tone2Data.OwnTone1H = 1; }, 1, 529},
        {"OwnTone1L", [](RadioDataRec& r) { r.SetData.Tone2Data.OwnTone1L = 1; }, 1, 530},
        {"ToneAL", [](RadioDataRec& r) { r.SetData.Tone2Data.ToneAL = 1; }, 1, 541},
        {"ToneAH", [](RadioDataRec& r) { r.SetData.Tone2Data.ToneAH = 1; }, 1, 542},
        {"Tone2 Decodes(15).Name", [](RadioDataRec& r) { r.SetData.Tone2Data.Decodes[15].Name.b[5] = 'x'; }, 1, 529 + 983},
        {"Tone5 Reserved0", [](RadioDataRec& r) { r.SetData.Tone5Data.Reserved0 = 1; }, 1, 1513},
        {"Tone5 Separator", [](RadioDataRec& r) { r.SetData.Tone5Data.Separator = -1; }, 2, 1513 + 25},
        {"Tone5 BeginCode", [](RadioDataRec& r) { r.SetData.Tone5Data.BeginCode.Empty = -1; }, 2, 1513 + 203},
        {"Tone5 Codes(0)", [](RadioDataRec& r) { r.SetData.Tone5Data.Codes[0].Empty = -1; }, 2, 1513 + 309},
        {"Tone5 UserTones(15)", [](RadioDataRec& r) { r.SetData.Tone5Data.UserTones[15] = -1; }, 2, 1513 + 5639},
        {"DisplayMode", [](RadioDataRec& r) { r.SetData.OptionData.DisplayMode = -1; }, 2, 7154},
        {"BankLink(9)", [](RadioDataRec& r) { r.SetData.OptionData.BankLink[9] = -1; }, 2, 7154 + 92},
        {"PowerOnText", [](RadioDataRec& r) { r.SetData.OptionData.PowerOnText.b[11] = 'x'; }, 1, 7154 + 105},
        {"ScanMode", [](RadioDataRec& r) { r.SetData.ScanData.ScanMode = 1; }, 1, 7260},
        {"PriorityCh2", [](RadioDataRec& r) { r.SetData.ScanData.PriorityCh2 = 1; }, 1, 7273},
        {"AlarmType", [](RadioDataRec& r) { r.SetData.AlarmData.AlarmType = 1; }, 1, 7274},
        {"LoneWorkerTime", [](RadioDataRec& r) { r.SetData.AlarmData.LoneWorkerTime = 1; }, 1, 7285},
        {"FreDataCount", [](RadioDataRec& r) { r.FreDataCount = -1; }, 2, 7286},
        {"RadioFreData(0)", [](RadioDataRec& r) { r.RadioFreData[0].No = -1; }, 2, 7288},
        {"RadioFreData(100).Fre", [](RadioDataRec& r) { r.RadioFreData[100].Fre.b[7] = 'x'; }, 1, 8499},
        {"BookData(0)", [](RadioDataRec& r) { r.BookData[0].No = -1; }, 2, 8500},
        {"BookData(127).Name", [](RadioDataRec& r) { r.BookData[127].Name.b[5] = 'x'; }, 1, 10163},
        {"Tone5Param11", [](RadioDataRec& r) { r.Tone5Param11 = 1; }, 1, 10164},
        {"RadioBand", [](RadioDataRec& r) { r.RadioBand = 1; }, 1, 10169},
        {"AMFreData(0)", [](RadioDataRec& r) { r.AMFreData[0].b[0] = 'x'; }, 1, 10170},
        {"AMFreData(100)", [](RadioDataRec& r) { r.AMFreData[100].b[7] = 'x'; }, 1, 10977},
        {"PF1Key", [](RadioDataRec& r) { r.PF1Key = 1; }, 1, 10978},
        {"LWEnabled", [](RadioDataRec& r) { r.LWEnabled = 1; }, 1, 10982},
        {"MSK OwnID", [](RadioDataRec& r) { r.MSKData.Head.OwnID.b[0] = 'x'; }, 1, 10983},
        {"MSK Frequency", [](RadioDataRec& r) { r.MSKData.Head.Frequency = -1; }, 2, 10983 + 28},
        {"MSK Groups(31).Name", [](RadioDataRec& r) { r.MSKData.Groups[31].Name.b[7] = 'x'; }, 1, 12292},
        {"ModelCode", [](RadioDataRec& r) { r.ModelCode.b[0] = 'K'; }, 1, 12293},
        {"SWFre", [](RadioDataRec& r) { r.SWFre.b[0] = '1'; }, 1, 12300},
        {"LWFre", [](RadioDataRec& r) { r.LWFre.b[7] = '1'; }, 1, 12315},
        {"BankCH(1,1)", [](RadioDataRec& r) { r.BankCH(1, 1) = -1; }, 2, 12316},
        {"BankCH(1,2)", [](RadioDataRec& r) { r.BankCH(1, 2) = -1; }, 2, 12380},
        {"BankCH(32,9)", [](RadioDataRec& r) { r.BankCH(32, 9) = -1; }, 2, 12890},
        {"QuickScan", [](RadioDataRec& r) { r.QuickScan = -1; }, 2, 12892},
        {"PF2Key", [](RadioDataRec& r) { r.PF2Key = 1; }, 1, 12894},
        {"MURSChannel", [](RadioDataRec& r) { r.MURSChannel = 1; }, 1, 12899},
        {"GMRSFreData(0)", [](RadioDataRec& r) { r.GMRSFreData[0].No = -1; }, 2, 12900},
        {"MURSFreData(0)", [](RadioDataRec& r) { r.MURSFreData[0].No = -1; }, 2, 15499},
        {"WXFreData(0)", [](RadioDataRec& r) { r.WXFreData[0].No = -1; }, 2, 16064},
        {"WXFreData(6).Tone2Decode", [](RadioDataRec& r) { r.WXFreData[6].Tone2Decode = -1; }, 2, 16853},
    };
    for (const auto& c : cases) EXPECT_EQ(OffsetOf<RadioDataRec>(c.set, c.width), c.offset) << c.name;
}

TEST(RecordLayout, ChannelRecordOffsets) {
    struct Case {
        const char* name;
        std::function<void(FreDataRec&)> set;
        int width;
        std::size_t offset;
    };
    const Case cases[] = {
        {"No", [](FreDataRec& r) { r.No = -1; }, 2, 0},
        {"ScanSkip", [](FreDataRec& r) { r.ScanSkip = -1; }, 2, 4},
        {"RxFre", [](FreDataRec& r) { r.RxFre.b[0] = '0'; }, 1, 6},
        {"OffsetFre", [](FreDataRec& r) { r.OffsetFre.b[0] = '0'; }, 1, 15},
        {"Name", [](FreDataRec& r) { r.Name.b[0] = 'A'; }, 1, 24},
        {"Step", [](FreDataRec& r) { r.Step = -1; }, 2, 30},
        {"Reserved66", [](FreDataRec& r) { r.Reserved66 = -1; }, 2, 42},
        {"EnCTCSS", [](FreDataRec& r) { r.EnCTCSS = -1; }, 2, 62},
        {"CustomCTCSS", [](FreDataRec& r) { r.CustomCTCSS = -1; }, 2, 84},
        {"PttIDDecode", [](FreDataRec& r) { r.PttIDDecode = -1; }, 2, 102},
        {"PttIDCode", [](FreDataRec& r) { r.PttIDCode.b[0] = '0'; }, 1, 104},
        {"SqlLevel", [](FreDataRec& r) { r.SqlLevel = -1; }, 2, 109},
        {"Tone2Decode", [](FreDataRec& r) { r.Tone2Decode = -1; }, 2, 111},
    };
    for (const auto& c : cases) EXPECT_EQ(OffsetOf<FreDataRec>(c.set, c.width), c.offset) << c.name;
}

TEST(RecordLayout, IntegersAreLittleEndianTwosComplement) {
    FreDataRec r{};
    r.No = -1;
    r.Used = 0x1234;
    auto b = EncodeRecord(r);
    EXPECT_EQ(b[0], 0xFF);
    EXPECT_EQ(b[1], 0xFF);
    EXPECT_EQ(b[2], 0x34);
    EXPECT_EQ(b[3], 0x12);
}

TEST(RecordLayout, RandomBytesRoundTripExactly) {
    std::mt19937 rng(12345);
    for (int round = 0; round < 20; ++round) {
        std::vector<std::uint8_t> data(16855), chan(113);
        for (auto& x : data) x = static_cast<std::uint8_t>(rng());
        for (auto& x : chan) x = static_cast<std::uint8_t>(rng());
        if (round == 0) {  // a NaN with payload in a two-tone decode tone
            const std::uint8_t nan[8] = {1, 0, 0, 0, 0, 0, 0xF8, 0x7F};
            std::memcpy(&data[529 + 568 + 2], nan, 8);
        }
        RadioDataRec r;
        FreDataRec f;
        ASSERT_TRUE(DecodeRecord(std::span<const std::uint8_t>(data), r));
        ASSERT_TRUE(DecodeRecord(std::span<const std::uint8_t>(chan), f));
        EXPECT_EQ(EncodeRecord(r), data);
        EXPECT_EQ(EncodeRecord(f), chan);
        if (round == 0) { EXPECT_TRUE(std::isnan(r.SetData.Tone2Data.Decodes[0].Tone1)); }
    }
}

TEST(RecordLayout, ShortBufferIsRefusedAndLeavesRecord) {
    std::vector<std::uint8_t> data(16854, 0xAB), chan(112, 0xAB);
    RadioDataRec r;
    r.BandIndex = 3;
    FreDataRec f;
    f.No = 7;
    EXPECT_FALSE(DecodeRecord(std::span<const std::uint8_t>(data), r));
    EXPECT_FALSE(DecodeRecord(std::span<const std::uint8_t>(chan), f));
    EXPECT_FALSE(DecodeRecord(std::span<const std::uint8_t>(), f));
    EXPECT_EQ(r.BandIndex, 3);
    EXPECT_EQ(f.No, 7);
}

TEST(FixedText, StoreEmptyAndTrim) {
    FixedText<6> t;
    EXPECT_EQ(t.Raw(), std::string(6, '\0'));
    EXPECT_EQ(t.Trim(), "");
    t.Set("AB");
    EXPECT_EQ(t.Raw(), "AB    ");
    EXPECT_EQ(t.Trim(), "AB");
    t.Set("ABCDEFGH");
    EXPECT_EQ(t.Raw(), "ABCDEF");
    t.SetEmpty();
    EXPECT_EQ(t.Raw(), std::string("\0     ", 6));
    EXPECT_EQ(t.Trim(), "");
    t.Set(std::string("18\0", 3));
    EXPECT_EQ(t.Raw(), std::string("18\0   ", 6));
    EXPECT_EQ(t.Trim(), "18");
    t.Set("\xE9\xFF");  // raw bytes, never re-encoded
    EXPECT_EQ(t.Raw(), "\xE9\xFF    ");
}

TEST(TrimNullStr, Cases) {
    struct Case {
        std::string in, out;
    };
    const Case cases[] = {
        {"", ""},
        {"AB   ", "AB"},
        {"  AB", "  AB"},
        {std::string("AB\0   ", 6), "AB"},
        {std::string("AB   \0", 6), "AB   "},
        {std::string("\0AB", 3), ""},
        {"AB\t", "AB\t"},
    };
    for (const auto& c : cases) EXPECT_EQ(TrimNullStr(c.in), c.out) << c.in;
}

TEST(Bands, ParseEveryBandText) {
    struct Case {
        int index;
        double ulo, uhi, vlo, vhi;
    };
    const Case cases[] = {
        {0, 400, 480, 136, 174}, {1, 400, 480, 144, 146}, {2, 430, 440, 136, 174},
        {3, 430, 440, 144, 146}, {4, 400, 520, 136, 174}, {5, 400, 520, 144, 146},
        {6, 446, 447, 136, 174}, {7, 446, 447, 144, 148},
    };
    for (const auto& c : cases) {
        AppData d;
        d.CurBandText = GetFreqRangeText(c.index);
        ASSERT_TRUE(ParseBandRanges(d)) << c.index;
        EXPECT_EQ(d.RxBandLow[0], c.ulo);
        EXPECT_EQ(d.RxBandHigh[0], c.uhi);
        EXPECT_EQ(d.RxBandLow[1], c.vlo);
        EXPECT_EQ(d.RxBandHigh[1], c.vhi);
        EXPECT_EQ(d.TxBandLow, d.RxBandLow);
        EXPECT_EQ(d.TxBandHigh, d.RxBandHigh);
    }
    EXPECT_EQ(GetFreqRangeText(8), "");
    EXPECT_EQ(GetFreqRangeText(-1), "");
}

TEST(Bands, UnknownTextLeavesTables) {
    for (const char* text : {"", "UHF(400 - 480 MHz)", "UHF(400 - x MHz) VHF(136 - 174 MHz)",
                             "UHF(401 - 480 MHz) VHF(136 - 174 MHz)"}) {
        AppData d;
        d.CurBandText = GetFreqRangeText(7);
        ASSERT_TRUE(ParseBandRanges(d));
        d.CurBandText = text;
        EXPECT_FALSE(ParseBandRanges(d)) << text;
        EXPECT_EQ(d.RxBandLow[0], 446);
        EXPECT_EQ(d.TxBandHigh[1], 148);
    }
}

TEST(Messages, TablesHoldBothLanguages) {
    AppData d;
    InitMessageTexts(d);
    EXPECT_EQ(d.Msg.MsgFileError[1], "file error.");
    EXPECT_EQ(d.Msg.MsgFileError[2], "文件错误。");
    EXPECT_EQ(d.Msg.MsgFileError[0], "");
    EXPECT_EQ(d.Msg.MsgReadPrompt[1], "Read data from radio.\r\nDo you wish continue?");
    EXPECT_EQ(d.Msg.ProgressTitleText[2][1], "Write data to radio");
    EXPECT_EQ(d.Msg.ProgressTitleText[0][1], "");
    d.LanguageIndex = 2;
    EXPECT_EQ(LangText(d, d.Msg.WarningTitleText), "警告");
    d.LanguageIndex = 0;
    EXPECT_EQ(LangText(d, d.Msg.WarningTitleText), "");
}
