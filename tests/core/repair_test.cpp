#include <gtest/gtest.h>

#include <vector>

#include "core/bands.h"
#include "core/repair.h"
#include "fakes.h"

using namespace rp;

namespace {

void SetList(AppData& d, const std::vector<int>& numbers) {
    d.WorkData.FreDataCount = static_cast<Integer>(numbers.size());
    for (std::size_t i = 0; i < numbers.size(); ++i) {
        d.FreData[i] = FreDataRec{};
        d.FreData[i].No = static_cast<Integer>(numbers[i]);
        d.FreData[i].Used = 1;
        d.FreData[i].RxFre.Set("044000000");
    }
}

struct Refs {
    int memA, memB, emg, pri1, pri2;
    bool operator==(const Refs&) const = default;
};

void SetRefs(AppData& d, Refs r) {
    d.OptionData().MemChannelA = static_cast<Integer>(r.memA);
    d.OptionData().MemChannelB = static_cast<Integer>(r.memB);
    d.AlarmData().EmgChannel = static_cast<Byte>(r.emg);
    d.ScanData().PriorityCh1 = static_cast<Byte>(r.pri1);
    d.ScanData().PriorityCh2 = static_cast<Byte>(r.pri2);
}

Refs GetRefs(AppData& d) {
    return {d.OptionData().MemChannelA, d.OptionData().MemChannelB, d.AlarmData().EmgChannel,
            d.ScanData().PriorityCh1, d.ScanData().PriorityCh2};
}

// Signalling tables with nothing present; tests switch entries on.
void EmptySignalTables(AppData& d) {
    for (auto& e : d.Tone2Data().Encodes) e.Empty = 1;
    for (auto& e : d.Tone2Data().Decodes) e.Valid = 0;
    for (auto& e : d.Tone5Data().Codes) e.Empty = 1;
    for (auto& g : d.WorkData.MSKData.Groups) g.Valid = 0;
}

}  // namespace

TEST(CheckOptionChannels, MovesEachReferenceToAnExistingChannel) {
    struct Case {
        const char* what;
        std::vector<int> list;
        Refs before, after;
    } cases[] = {
        {"deleted channel goes to the last candidate in list order",
         {1, 12, 5}, {9, 9, 9, 9, 9}, {4, 4, 4, 4, 4}},
        {"list order, not the highest number", {1, 5, 12}, {9, 0, 9, 0, 9}, {11, 0, 11, 0, 11}},
        {"existing references stay", {1, 5, 12, 203}, {0, 4, 11, 202, 4}, {0, 4, 11, 202, 4}},
        {"channels above 203 are no candidates", {204, 205, 206}, {3, 203, 204, 205, 0},
         {0, 0, 0, 0, 0}},
        {"PL2 is the last candidate", {1, 203, 205, 206}, {204, 205, 9, 1, 0},
         {202, 202, 202, 202, 0}},
        {"empty list", {}, {5, 6, 7, 8, 9}, {0, 0, 0, 0, 0}},
    };
    for (const auto& c : cases) {
        AppData d;
        SetList(d, c.list);
        SetRefs(d, c.before);
        CheckOptionChannels(d);
        EXPECT_EQ(GetRefs(d), c.after) << c.what;
    }
}

TEST(FindChannelInBand, BandFilterUsesTheReceiveFrequency) {
    AppData d;
    d.CurBandText = "UHF(400 - 480 MHz) VHF(136 - 174 MHz)";
    ASSERT_TRUE(ParseBandRanges(d));
    SetList(d, {1, 2, 3, 4});
    d.FreData[0].RxFre.Set("044000000");  // UHF
    d.FreData[1].RxFre.Set("015500000");  // VHF
    d.FreData[2].RxFre.Set("044500000");  // UHF
    d.FreData[3].RxFre.Set("030000000");  // in no band
    struct Case { int n, band, result; } cases[] = {
        {1, 0, 1}, {4, 0, 4}, {9, 0, 4},
        {1, 1, 1}, {2, 1, 3}, {9, 1, 3}, {4, 1, 3},
        {2, 2, 2}, {1, 2, 2},
    };
    for (const auto& c : cases)
        EXPECT_EQ(FindChannelInBand(d, c.n, c.band), c.result) << c.n << " band " << c.band;
}

TEST(SignalRefs, FirstAndCheckHelpers) {
    AppData d;
    EmptySignalTables(d);
    EXPECT_EQ(GetFirst2ToneCode(d, 7), 7);
    EXPECT_EQ(GetFirst5ToneCode(d, 7), 7);
    EXPECT_EQ(GetFirst2ToneDecode(d, 7), 7);
    d.Tone2Data().Encodes[31].Empty = 0;
    d.Tone2Data().Encodes[5].Empty = 0;
    d.Tone5Data().Codes[99].Empty = 0;
    d.Tone2Data().Decodes[15].Valid = 1;
    EXPECT_EQ(GetFirst2ToneCode(d, 0), 5);
    EXPECT_EQ(GetFirst5ToneCode(d, 0), 99);
    EXPECT_EQ(GetFirst2ToneDecode(d, 0), 15);

    struct Case { int index, code2, code5, decode2; } cases[] = {
        {5, 5, 1, 1}, {31, 31, 1, 1}, {99, 1, 99, 1}, {15, 1, 1, 15},
        {32, 1, 1, 1}, {16, 1, 1, 1}, {100, 1, 1, 1}, {-1, 1, 1, 1}, {-32768, 1, 1, 1},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(Check2ToneCodeIndex(d, c.index, 1), c.code2) << c.index;
        EXPECT_EQ(Check5ToneCodeIndex(d, c.index, 1), c.code5) << c.index;
        EXPECT_EQ(Check2ToneDecodeIndex(d, c.index, 1), c.decode2) << c.index;
    }
}

TEST(SignalRefs, MskGroupIndex) {
    struct Case { std::vector<int> valid; int g, result; } cases[] = {
        {{3, 7}, 7, 7}, {{3}, 7, 3}, {{}, 7, 0}, {{3, 7}, 32, 3}, {{3, 7}, -1, 3}, {{0}, 31, 0},
    };
    for (const auto& c : cases) {
        AppData d;
        EmptySignalTables(d);
        for (int g : c.valid) d.WorkData.MSKData.Groups[g].Valid = 1;
        EXPECT_EQ(CheckMSKCodeIndex(d, c.g), c.result) << c.g;
    }
}

TEST(SignalRefs, CheckFreSignalRefsByOptionalSignalling) {
    AppData d;
    EmptySignalTables(d);
    d.Tone2Data().Encodes[1].Empty = 0;
    d.Tone2Data().Encodes[6].Empty = 0;
    d.Tone5Data().Codes[50].Empty = 0;
    d.Tone2Data().Decodes[2].Valid = 1;
    d.WorkData.MSKData.Groups[3].Valid = 1;
    const int code2 = 1, code5 = 50, decode2 = 2;

    struct Case {
        const char* what;
        int optSig, tone2, tone5, msk, decode;
        int tone2After, tone5After, mskAfter, decodeAfter;
    } cases[] = {
        {"2-tone entry emptied", 2, 4, 9, 9, 9, 1, 9, 9, 2},
        {"2-tone entry present", 2, 6, 9, 9, 2, 6, 9, 9, 2},
        {"2-tone index out of range", 2, 40, 9, 9, -3, 1, 9, 9, 2},
        {"5-tone entry emptied", 3, 4, 7, 9, 2, 4, 50, 9, 2},
        {"5-tone index out of range", 3, 4, 150, 9, 2, 4, 50, 9, 2},
        {"MSK group invalid", 4, 4, 7, 9, 2, 4, 7, 3, 2},
        {"MSK group out of range", 4, 4, 7, 99, 2, 4, 7, 3, 2},
        {"DTMF keeps codes, decode still repaired", 1, 4, 7, 9, 9, 4, 7, 9, 2},
        {"no signalling", 0, 40, 150, 99, 16, 40, 150, 99, 2},
    };
    for (const auto& c : cases) {
        FreDataRec r;
        r.OptSig = static_cast<Integer>(c.optSig);
        r.Tone2Code = static_cast<Integer>(c.tone2);
        r.Tone5Code = static_cast<Integer>(c.tone5);
        r.MSKGroup = static_cast<Integer>(c.msk);
        r.Tone2Decode = static_cast<Integer>(c.decode);
        CheckFreSignalRefs(d, r, code2, code5, decode2);
        EXPECT_EQ(r.Tone2Code, c.tone2After) << c.what;
        EXPECT_EQ(r.Tone5Code, c.tone5After) << c.what;
        EXPECT_EQ(r.MSKGroup, c.mskAfter) << c.what;
        EXPECT_EQ(r.Tone2Decode, c.decodeAfter) << c.what;
    }
}

TEST(SignalRefs, CheckAllSignalRefsWalksPresetsAndMemoryButNotWeather) {
    AppData d;
    test::RecordingListener view;
    d.Ui.View = &view;
    d.ShowListType = ListMURS;
    EmptySignalTables(d);  // every fall-back is 0

    FreDataRec dangling;
    dangling.OptSig = Sig2Tone;
    dangling.Tone2Code = 4;
    dangling.Tone2Decode = 5;
    for (auto& r : d.WorkData.GMRSFreData) r = dangling;
    for (auto& r : d.WorkData.MURSFreData) r = dangling;
    for (auto& r : d.WorkData.WXFreData) r = dangling;
    for (auto& r : d.FreData) r = dangling;
    d.WorkData.FreDataCount = 3;

    CheckAllSignalRefs(d);
    for (const auto& r : d.WorkData.GMRSFreData) EXPECT_EQ(r.Tone2Code + r.Tone2Decode, 0);
    for (const auto& r : d.WorkData.MURSFreData) EXPECT_EQ(r.Tone2Code + r.Tone2Decode, 0);
    for (int i = 0; i < 3; ++i) EXPECT_EQ(d.FreData[i].Tone2Code + d.FreData[i].Tone2Decode, 0);
    for (const auto& r : d.WorkData.WXFreData) EXPECT_EQ(r, dangling);
    for (int i = 3; i < kFreDataMax; ++i) EXPECT_EQ(d.FreData[i], dangling) << i;  // free slots
    EXPECT_EQ(view.calls, std::vector<std::string>{"ReShowListByData"});
    EXPECT_EQ(view.listTypes, std::vector<int>{ListMURS});
}

TEST(SignalRefs, FallbacksAreTheFirstPresentEntries) {
    AppData d;
    EmptySignalTables(d);
    d.Tone2Data().Encodes[1].Empty = 0;
    d.Tone5Data().Codes[8].Empty = 0;
    d.Tone2Data().Decodes[3].Valid = 1;
    d.WorkData.FreDataCount = 2;
    d.FreData[0].OptSig = Sig2Tone;
    d.FreData[0].Tone2Code = 4;
    d.FreData[1].OptSig = Sig5Tone;
    d.FreData[1].Tone5Code = 4;
    CheckAllSignalRefs(d);
    EXPECT_EQ(d.FreData[0].Tone2Code, 1);
    EXPECT_EQ(d.FreData[1].Tone5Code, 8);
    EXPECT_EQ(d.FreData[0].Tone2Decode, 3);
    EXPECT_EQ(d.FreData[1].Tone2Decode, 3);
}

TEST(Check5ToneOptionRef, RepairsOnlyAFiveToneIdGroup) {
    struct Case { int type, group, after; } cases[] = {
        {2, 20, 20}, {2, 21, 12}, {2, 150, 12}, {2, 255, 12}, {1, 21, 21}, {0, 150, 150},
    };
    for (const auto& c : cases) {
        AppData d;
        EmptySignalTables(d);
        d.Tone5Data().Codes[12].Empty = 0;
        d.Tone5Data().Codes[20].Empty = 0;
        d.AlarmData().IDCodeType = static_cast<Byte>(c.type);
        d.AlarmData().IDCodeGroup = static_cast<Byte>(c.group);
        Check5ToneOptionRef(d);
        EXPECT_EQ(d.AlarmData().IDCodeGroup, c.after) << c.type << " " << c.group;
    }
    AppData d;
    EmptySignalTables(d);
    d.AlarmData().IDCodeType = 2;
    d.AlarmData().IDCodeGroup = 40;
    Check5ToneOptionRef(d);
    EXPECT_EQ(d.AlarmData().IDCodeGroup, 0);

    AppData before = d;
    EmptyOptionHook(d);
    EXPECT_EQ(d.WorkData, before.WorkData);
}
