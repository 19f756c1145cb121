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

// Inside the sub-records: each field lands at its offset within its record.
TEST(RecordLayout, SubRecordOffsets) {
    // Encodes one record after `set` and gives the first non-zero byte.
    auto at = [](auto record, auto set) {
        set(record);
        auto bytes = EncodeRecord(record);
        for (std::size_t i = 0; i < bytes.size(); ++i)
            if (bytes[i] != 0) return i;
        return SIZE_MAX;
    };
    struct Case {
        const char* name;
        std::size_t got, want;
    };
    const Case cases[] = {
        {"FM Fre", at(RadioFreRec{}, [](auto& r) { r.Fre.b[0] = '1'; }), 4},
        {"book CallID", at(BookDataRec{}, [](auto& r) { r.CallID.b[0] = '1'; }), 2},
        {"book Name", at(BookDataRec{}, [](auto& r) { r.Name.b[0] = 'A'; }), 7},
        {"DTMF MemCodes(0).CodeLen", at(DTMFDataRec{}, [](auto& r) { r.MemCodes[0].CodeLen = 1; }), 24},
        {"DTMF MemCodes(1)", at(DTMFDataRec{}, [](auto& r) { r.MemCodes[1].Code.b[0] = '1'; }), 26},
        {"DTMF BeginCode", at(DTMFDataRec{}, [](auto& r) { r.BeginCode.Code.b[0] = '1'; }), 416},
        {"DTMF EndCode", at(DTMFDataRec{}, [](auto& r) { r.EndCode.Code.b[0] = '1'; }), 442},
        {"DTMF KillCode", at(DTMFDataRec{}, [](auto& r) { r.KillCode.Code.b[0] = '1'; }), 468},
        {"DTMF KillCode.CodeLen", at(DTMFDataRec{}, [](auto& r) { r.KillCode.CodeLen = 1; }), 482},
        {"DTMF StunCode", at(DTMFDataRec{}, [](auto& r) { r.StunCode.Code.b[0] = '1'; }), 484},
        {"DTMF ANI", at(DTMFDataRec{}, [](auto& r) { r.ANI = 1; }), 500},
        {"DTMF SendTime", at(DTMFDataRec{}, [](auto& r) { r.SendTime = 1; }), 502},
        {"DTMF PttIDMode", at(DTMFDataRec{}, [](auto& r) { r.PttIDMode = 1; }), 504},
        {"DTMF Separator", at(DTMFDataRec{}, [](auto& r) { r.Separator = 1; }), 509},
        {"DTMF GroupCode", at(DTMFDataRec{}, [](auto& r) { r.GroupCode = 1; }), 511},
        {"DTMF DecodeResponse", at(DTMFDataRec{}, [](auto& r) { r.DecodeResponse = 1; }), 513},
        {"DTMF FirstDigitDelay", at(DTMFDataRec{}, [](auto& r) { r.FirstDigitDelay = 1; }), 515},
        {"DTMF PreSendDelay", at(DTMFDataRec{}, [](auto& r) { r.PreSendDelay = 1; }), 517},
        {"DTMF ResetTime", at(DTMFDataRec{}, [](auto& r) { r.ResetTime = 1; }), 519},
        {"DTMF PostSendDelay", at(DTMFDataRec{}, [](auto& r) { r.PostSendDelay = 1; }), 521},
        {"DTMF PauseTime", at(DTMFDataRec{}, [](auto& r) { r.PauseTime = 1; }), 523},
        {"2Tone CallFormat", at(Tone2DataRec{}, [](auto& r) { r.CallFormat = 1; }), 4},
        {"2Tone Interval", at(Tone2DataRec{}, [](auto& r) { r.Interval = 1; }), 23},
        {"2Tone Encodes(0)", at(Tone2DataRec{}, [](auto& r) { r.Encodes[0].Empty = 1; }), 24},
        {"2Tone Encodes(1)", at(Tone2DataRec{}, [](auto& r) { r.Encodes[1].Empty = 1; }), 41},
        {"2Tone Decodes(0)", at(Tone2DataRec{}, [](auto& r) { r.Decodes[0].Valid = 1; }), 568},
        {"2Tone encode Divisor1H", at(Tone2EncodeRec{}, [](auto& r) { r.Divisor1H = 1; }), 2},
        {"2Tone encode Tone1H", at(Tone2EncodeRec{}, [](auto& r) { r.Tone1H = 1; }), 6},
        {"2Tone encode Tone2L", at(Tone2EncodeRec{}, [](auto& r) { r.Tone2L = 1; }), 9},
        {"2Tone encode Name", at(Tone2EncodeRec{}, [](auto& r) { r.Name.b[0] = 'A'; }), 10},
        {"2Tone decode Tone1", at(Tone2DecodeRec{}, [](auto& r) { r.Tone1 = std::nextafter(1.0, 2.0); }), 2},
        {"2Tone decode Tone2", at(Tone2DecodeRec{}, [](auto& r) { r.Tone2 = std::nextafter(1.0, 2.0); }), 10},
        {"2Tone decode Response", at(Tone2DecodeRec{}, [](auto& r) { r.Response = 1; }), 18},
        {"2Tone decode Name", at(Tone2DecodeRec{}, [](auto& r) { r.Name.b[0] = 'A'; }), 20},
        {"5Tone ToneTime", at(Tone5DataRec{}, [](auto& r) { r.ToneTime = 1; }), 4},
        {"5Tone OwnID", at(Tone5DataRec{}, [](auto& r) { r.OwnID.b[0] = '1'; }), 5},
        {"5Tone Param5", at(Tone5DataRec{}, [](auto& r) { r.Tone5Param5 = 1; }), 11},
        {"5Tone Param4", at(Tone5DataRec{}, [](auto& r) { r.Tone5Param4 = 1; }), 12},
        {"5Tone Param7", at(Tone5DataRec{}, [](auto& r) { r.Tone5Param7 = 1; }), 14},
        {"5Tone Param8", at(Tone5DataRec{}, [](auto& r) { r.Tone5Param8 = 1; }), 15},
        {"5Tone Param12", at(Tone5DataRec{}, [](auto& r) { r.Tone5Param12 = 1; }), 21},
        {"5Tone Switch", at(Tone5DataRec{}, [](auto& r) { r.Tone5Switch = 1; }), 23},
        {"5Tone InfoCodes(0)", at(Tone5DataRec{}, [](auto& r) { r.InfoCodes[0].Type = 1; }), 27},
        {"5Tone InfoCodes(7).Name", at(Tone5DataRec{}, [](auto& r) { r.InfoCodes[7].Name.b[6] = 'A'; }), 202},
        {"5Tone EndCode", at(Tone5DataRec{}, [](auto& r) { r.EndCode.Empty = 1; }), 256},
        {"5Tone Codes(99).Name", at(Tone5DataRec{}, [](auto& r) { r.Codes[99].Name.b[6] = 'A'; }), 5608},
        {"5Tone UserTones(0)", at(Tone5DataRec{}, [](auto& r) { r.UserTones[0] = 1; }), 5609},
        {"5Tone info Code", at(Tone5InfoCodeRec{}, [](auto& r) { r.Code.b[0] = '1'; }), 3},
        {"5Tone info Name", at(Tone5InfoCodeRec{}, [](auto& r) { r.Name.b[0] = 'A'; }), 15},
        {"5Tone code Standard", at(Tone5CodeRec{}, [](auto& r) { r.Standard = 1; }), 3},
        {"5Tone code ToneTime", at(Tone5CodeRec{}, [](auto& r) { r.ToneTime = 1; }), 5},
        {"5Tone code Code", at(Tone5CodeRec{}, [](auto& r) { r.Code.b[0] = '1'; }), 6},
        {"5Tone code Name", at(Tone5CodeRec{}, [](auto& r) { r.Name.b[0] = 'A'; }), 46},
        {"PowerOnText", at(OptionDataRec{}, [](auto& r) { r.PowerOnText.b[0] = 'A'; }), 94},
        {"GroupSelectB", at(OptionDataRec{}, [](auto& r) { r.GroupSelectB = 1; }), 72},
        {"MSK GroupID", at(MSKHeadRec{}, [](auto& r) { r.GroupID.b[0] = '1'; }), 4},
        {"MSK PreSendDelay", at(MSKHeadRec{}, [](auto& r) { r.PreSendDelay = 1; }), 8},
        {"MSK ResetTime", at(MSKHeadRec{}, [](auto& r) { r.ResetTime = 1; }), 16},
        {"MSK Reserved(4)", at(MSKHeadRec{}, [](auto& r) { r.Reserved[4] = 1; }), 26},
        {"MSK Groups(0)", at(MSKDataRec{}, [](auto& r) { r.Groups[0].Valid = 1; }), 30},
        {"MSK group IndID", at(MSKGroupRec{}, [](auto& r) { r.IndID.b[0] = '1'; }), 4},
        {"MSK group GroupID", at(MSKGroupRec{}, [](auto& r) { r.GroupID.b[0] = '1'; }), 8},
        {"MSK group Reserved20", at(MSKGroupRec{}, [](auto& r) { r.Reserved20 = 1; }), 12},
        {"MSK group InfoCode", at(MSKGroupRec{}, [](auto& r) { r.InfoCode.b[0] = '1'; }), 14},
        {"MSK group Name", at(MSKGroupRec{}, [](auto& r) { r.Name.b[0] = 'A'; }), 32},
        {"scan WaitTime", at(ScanDataRec{}, [](auto& r) { r.WaitTime = 1; }), 9},
        {"scan PriorityCh1", at(ScanDataRec{}, [](auto& r) { r.PriorityCh1 = 1; }), 11},
        {"alarm EmgChannel", at(AlarmDataRec{}, [](auto& r) { r.EmgChannel = 1; }), 7},
    };
    for (const auto& c : cases) EXPECT_EQ(c.got, c.want) << c.name;
}

TEST(RecordLayout, EncoderRefusesAShortBuffer) {
    FreDataRec f{};
    f.No = 1;
    std::vector<std::uint8_t> small(112, 0xAB);
    EXPECT_FALSE(EncodeRecord(f, std::span<std::uint8_t>(small)));
    EXPECT_EQ(small, std::vector<std::uint8_t>(112, 0xAB));
    std::vector<std::uint8_t> exact(113);
    EXPECT_TRUE(EncodeRecord(f, std::span<std::uint8_t>(exact)));
    EXPECT_EQ(exact[0], 1);
}

TEST(BankTable, OutsideTheTableThrows) {
    BankTable t;
    t(32, 9) = 5;
    EXPECT_EQ(t.v.back(), 5);
    for (auto [slot, bank] : {std::pair{0, 1}, {33, 1}, {1, 0}, {1, 10}, {-1, 5}})
        EXPECT_THROW(t(slot, bank), std::out_of_range) << slot << "," << bank;
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
