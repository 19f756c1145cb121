// The batch editor's Apply over the channel store, without widgets: a
// request as the dialog's controls hold it when it opens, then changed per
// test; a scripted random source.
#include <gtest/gtest.h>

#include <deque>
#include <initializer_list>
#include <string>
#include <vector>

#include "channels/batchapply.h"
#include "core/appdata.h"
#include "core/bands.h"
#include "core/channelstore.h"
#include "core/conversions.h"
#include "core/defaults.h"
#include "core/fakes.h"
#include "core/language.h"
#include "core/messages.h"

namespace rp::test {
namespace {

// Returns the scripted numbers in turn (then 0) and counts the seeds.
class ScriptedRandom : public RandomSource {
public:
    std::deque<double> values;
    int seeds = 0;
    void Seed() override { ++seeds; }
    double Next() override {
        if (values.empty()) return 0;
        double v = values.front();
        values.pop_front();
        return v;
    }
};

BatchList List(std::vector<std::string> items, int index = 0) { return BatchList{std::move(items), index}; }

class BatchApplyTest : public ::testing::Test {
public:
    AppData d;
    RecordingNotifier notes;
    ScriptedRandom random;
    BatchRequest q;

    void SetUp() override {
        d.Ui.Notify = &notes;
        d.AppFolder = RP_SOURCE_DIR;  // the shipped language files
        SetLanguageIndex(d, LangEnglish);
        InitMessageTexts(d);
        d.CurModel = "KEVRA8R";
        d.CurBandText = GetFreqRangeText(0);  // UHF 400 - 480, VHF 136 - 174
        ASSERT_TRUE(ParseBandRanges(d));
        d.SkipInitFile = true;
        InitAllData(d);  // channels 1 (440 MHz), 2 (155 MHz), 201..206
        q = Initial();
    }

    // The controls as the dialog opens them, with no function chosen.
    BatchRequest Initial() {
        BatchRequest r;
        r.option = {-1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0};
        r.text1 = {"0", "199"};
        r.text2 = {"400.00000", "0", "0.00000", "400.00000", "0", "0", "0", "", "0", "0", "000", "0"};
        r.combo[0] = List(BatchToneListItems(d));
        r.combo[1] = List(BatchToneListItems(d));
        r.combo[2] = List({"2.5K", "5K", "6.25K", "10K", "12.5K", "20K", "25K", "30K", "50K"});
        r.combo[3] = List({"25KHz", "20KHz", "12.5KHz"});
        r.combo[4] = List({"High", "Middle", "Low"});
        r.combo[5] = List({"OFF", "DTMF", "2Tone", "5Tone"});
        r.combo[6] = List({"Carrier", "CTCSS/DCS", "Optional Signal", "a", "b"});
        r.combo[7] = List({"Off", "BOT", "EOT", "Both"});
        r.combo[8] = List({"Off", "BOT", "EOT", "Both"});
        r.combo[9] = List({"Off", "On"});
        r.combo[10] = List({"Off", "Repeater", "Busy"});
        r.combo[11] = List({"M1", "M3"});
        r.combo[12] = List({"0", "5"});
        r.combo[13] = List({"0", "7"});
        r.combo[14] = List({"0", "2"});
        r.combo[15] = List({"0", "1", "2", "3", "4", "5", "6", "7", "8", "9"}, 3);
        r.combo[16] = List({"1", "6"});
        r.check3[2] = 1;
        return r;
    }

    void Choose(std::initializer_list<int> functions) {
        for (int f : functions) q.chosen[static_cast<std::size_t>(f)] = 1;
    }
    void Range(const char* from, const char* to) {
        q.option[1] = 1;
        q.text1 = {from, to};
    }
    BatchResult Apply() { return BatchApply(d, q, random); }

    FreDataRec& Rec(int n) {
        int i = FindFreDataIndex(d, n);
        EXPECT_GE(i, 0) << "channel " << n;
        return d.FreData[static_cast<std::size_t>(i < 0 ? 0 : i)];
    }
    // Memory channels 1..n at 440 MHz.
    void MakeChannels(int n) {
        for (int c = 1; c <= n; ++c)
            if (!IsFreDataExist(d, c)) {
                ASSERT_TRUE(AddFreDataByFre(d, c, "440")) << c;
            }
    }
    std::vector<int> MemoryNumbers() {
        std::vector<int> v;
        for (int i = 0; i < d.FreDataCount(); ++i)
            if (d.FreData[static_cast<std::size_t>(i)].No <= ChMemLast) v.push_back(d.FreData[static_cast<std::size_t>(i)].No);
        return v;
    }
};

TEST_F(BatchApplyTest, RangeEndsAreExchangedAndCountFromTheFirst) {
    Choose({0});
    Range("9", "3");
    q.text2[0] = "145";
    q.text2[1] = "12.5";
    BatchResult out = Apply();
    EXPECT_EQ(MemoryNumbers(), (std::vector<int>{1, 2, 4, 5, 6, 7, 8, 9, 10}));
    EXPECT_EQ(Rec(4).RxFre.Trim(), "014500000");
    EXPECT_EQ(Rec(10).RxFre.Trim(), "014507500");
    EXPECT_EQ(out.text2[0], "145.00000");
    EXPECT_EQ(out.text2[1], "12.5");
}

TEST_F(BatchApplyTest, RxFrequencyAloneFillsEveryChannel) {
    Choose({0});
    q.text2[0] = "136.00000";
    q.text2[1] = "12.5";
    Apply();
    EXPECT_EQ(MemoryNumbers().size(), 200u);
    EXPECT_EQ(Rec(1).RxFre.Trim(), "013600000");
    EXPECT_EQ(Rec(200).RxFre.Trim(), "013848750");
    // New channels are the store's: scanned, CTCSS 20/20, in their bank.
    EXPECT_EQ(Rec(150).ScanSkip, 1);
    EXPECT_EQ(Rec(150).DeCTCSS, 20);
    EXPECT_TRUE(notes.shown.empty());
}

TEST_F(BatchApplyTest, NewChannelsKeepThe10HzGrid) {
    Choose({0});
    Range("2", "4");
    q.text2[0] = "136";
    q.text2[1] = "6.25";
    Apply();
    EXPECT_EQ(Rec(3).RxFre.Trim(), "013600000");
    EXPECT_EQ(Rec(4).RxFre.Trim(), "013600625");
    EXPECT_EQ(Rec(5).RxFre.Trim(), "013601250");
}

TEST_F(BatchApplyTest, WithoutRxFrequencyMissingChannelsStayMissing) {
    Choose({4, 7});
    Range("0", "9");
    q.text2[7] = "X";
    Apply();
    EXPECT_EQ(MemoryNumbers(), (std::vector<int>{1, 2}));
    EXPECT_EQ(Rec(2).Name.Trim(), "X");
}

TEST_F(BatchApplyTest, OutOfBandValuesWarnNothing) {
    Choose({0, 1});
    q.text2[0] = "600";
    q.text2[1] = "1000";
    q.option[3] = 2;
    q.text2[3] = "999";
    q.text2[4] = "1000";
    Apply();
    EXPECT_TRUE(notes.shown.empty());
    EXPECT_EQ(Rec(1).RxFre.Trim(), "048000000");
    EXPECT_EQ(Rec(200).RxFre.Trim(), "048000000");
}

TEST_F(BatchApplyTest, TxFrequencyModes) {
    struct Case {
        const char* what;
        int mode;             // Option3
        const char* rx;       // channel 1's RX
        const char* offset;   // box 2
        int shift;            // Option4
        const char* txStart;  // box 3
        Integer dir;
        const char* stored;
    };
    const Case cases[] = {
        {"default", 0, "440", "5", 0, "", OffsetNone, "000000000"},
        {"offset plus", 1, "145", "0.6", 0, "", OffsetPlus, "000060000"},
        {"offset minus", 1, "145", "0.6", 1, "", OffsetMinus, "000060000"},
        {"offset beyond the band", 1, "479", "5", 0, "", OffsetPlus, "000100000"},
        {"offset without a shift", 1, "145", "0.6", -1, "", OffsetNone, "000000000"},
        {"start below RX", 2, "145", "", 0, "144", OffsetMinus, "000100000"},
        {"start equal to RX", 2, "145", "", 0, "145", OffsetNone, "000000000"},
    };
    for (const Case& c : cases) {
        SetUp();
        Choose({1});
        Range("0", "0");
        Rec(1).RxFre.Set(FreStrToData(c.rx));
        Rec(1).OffsetDir = 2;
        Rec(1).OffsetFre.Set("000500000");
        q.option[3] = c.mode;
        q.option[4] = c.shift;
        q.text2[2] = c.offset;
        q.text2[3] = c.txStart;
        Apply();
        EXPECT_EQ(Rec(1).OffsetDir, c.dir) << c.what;
        EXPECT_EQ(Rec(1).OffsetFre.Trim(), c.stored) << c.what;
    }
    EXPECT_TRUE(notes.shown.empty());
}

TEST_F(BatchApplyTest, TxStartSteppedPerChannel) {
    Choose({0, 1});
    Range("0", "2");
    q.text2[0] = "145";
    q.option[3] = 2;
    q.text2[3] = "145";
    q.text2[4] = "25";
    q.option[5] = 1;  // down
    Apply();
    EXPECT_EQ(Rec(1).OffsetDir, OffsetNone);
    EXPECT_EQ(Rec(2).OffsetDir, OffsetMinus);
    EXPECT_EQ(Rec(2).OffsetFre.Trim(), "000002500");
    EXPECT_EQ(Rec(3).OffsetFre.Trim(), "000005000");
}

TEST_F(BatchApplyTest, ChannelNames) {
    struct Case {
        const char* prefix;
        int mode;  // Option6: 0 fixed, 1 numeric ID
        const char* start;
        const char* step;
        int dir;  // Option7
        std::vector<std::string> names;  // channels 1..4
    };
    const Case cases[] = {
        {"CH", 1, "98", "1", 0, {"CH98", "CH99", "CH00", "CH01"}},
        {"", 1, "998", "1", 0, {"998", "999", "000", "001"}},
        {"", 1, "001", "1", 1, {"001", "000", "999", "998"}},
        {"ABCDEF", 1, "01", "1", 0, {"ABCD01", "ABCD02", "ABCD03", "ABCD04"}},
        {"ABCDEF", 1, "000001", "1", 0, {"000001", "000002", "000003", "000004"}},
        {"AB", 1, "5", "123", 0, {"AB5", "AB6", "AB7", "AB8"}},  // the step is cut to box 8's length
        {"AB", 1, "5", "3", -1, {"AB", "AB", "AB", "AB"}},
        {"Fixed1", 0, "5", "3", 0, {"Fixed1", "Fixed1", "Fixed1", "Fixed1"}},
    };
    for (const Case& c : cases) {
        SetUp();
        MakeChannels(4);
        Choose({4});
        Range("0", "3");
        q.option[6] = c.mode;
        q.option[7] = c.dir;
        q.text2[7] = c.prefix;
        q.text2[8] = c.start;
        q.text2[9] = c.step;
        Apply();
        for (int n = 1; n <= 4; ++n) EXPECT_EQ(Rec(n).Name.Trim(), c.names[n - 1]) << c.prefix << " " << c.start;
    }
}

TEST_F(BatchApplyTest, DecodeSteppingWrapsBothWays) {
    MakeChannels(3);
    Choose({2});
    Range("0", "2");
    q.combo[0].index = 1076;  // D777I
    q.text2[5] = "1";
    Apply();
    EXPECT_EQ(Rec(1).DeCTCType, CtcDCS);
    EXPECT_EQ(Rec(1).DeDCS, 511);
    EXPECT_EQ(Rec(1).DeDCSInvert, 1);
    EXPECT_EQ(Rec(2).DeCTCType, CtcNone);
    EXPECT_EQ(Rec(3).DeCTCType, CtcCTCSS);
    EXPECT_EQ(Rec(3).DeCTCSS, 0);

    q.combo[0].index = 1;  // 62.5
    q.option[9] = 1;       // down
    Apply();
    EXPECT_EQ(Rec(2).DeCTCType, CtcNone);
    EXPECT_EQ(Rec(3).DeCTCType, CtcDCS);
    EXPECT_EQ(Rec(3).DeDCS, 511);
    EXPECT_EQ(Rec(3).DeDCSInvert, 1);
}

TEST_F(BatchApplyTest, EncodeCopiesDecodeOrStepsOnItsOwn) {
    MakeChannels(2);
    Choose({2, 3});
    Range("0", "1");
    q.combo[0].index = 72;  // D023N
    q.text2[5] = "493";     // 72 + 493 = 565, D000I
    Apply();
    for (int n : {1, 2}) {
        EXPECT_EQ(Rec(n).EnCTCType, Rec(n).DeCTCType);
        EXPECT_EQ(Rec(n).EnDCS, Rec(n).DeDCS);
        EXPECT_EQ(Rec(n).EnDCSInvert, Rec(n).DeDCSInvert);
        EXPECT_EQ(Rec(n).EnCTCSS, Rec(n).DeCTCSS);
    }
    EXPECT_EQ(Rec(2).DeCTCType, CtcDCS);
    EXPECT_EQ(Rec(2).DeDCS, 0);
    EXPECT_EQ(Rec(2).DeDCSInvert, 1);

    q.check3[2] = 0;
    q.combo[1].index = 52;  // custom CTCSS
    Apply();
    EXPECT_EQ(Rec(1).EnCTCType, CtcCTCSS);
    EXPECT_EQ(Rec(1).EnCTCSS, 51);
}

TEST_F(BatchApplyTest, RandomTonesComeFromASourceSeededOncePerApply) {
    MakeChannels(3);
    Choose({2, 3});
    Range("0", "2");
    q.check3[0] = 1;
    q.check3[2] = 0;
    q.check3[1] = 1;
    random.values = {0.0, 0.99999, 1.0 / kBatchToneCount * 2.5, 0.5, 0.049, 0.999999999};
    Apply();
    EXPECT_EQ(random.seeds, 1);
    EXPECT_EQ(Rec(1).DeCTCType, CtcNone);           // entry 0
    EXPECT_EQ(Rec(1).EnDCSInvert, 1);               // entry 1076
    EXPECT_EQ(Rec(1).EnDCS, 511);
    EXPECT_EQ(Rec(2).DeCTCSS, 1);                   // entry 2
    EXPECT_EQ(Rec(2).EnDCS, 538 - 53);              // entry 538
    EXPECT_EQ(Rec(3).DeCTCSS, 51);                  // entry 52
    EXPECT_EQ(Rec(3).EnDCS, 511);

    // Seeded even without a random tick; never without function 2 or 3.
    q.check3 = {0, 0, 1};
    Apply();
    EXPECT_EQ(random.seeds, 2);
    q.chosen = {};
    Choose({5});
    Apply();
    EXPECT_EQ(random.seeds, 2);
}

TEST_F(BatchApplyTest, ListChoicesAndTicks) {
    MakeChannels(1);
    Choose({5, 7, 8, 13, 14, 16, 20});
    Range("0", "0");
    q.combo[2].index = 4;
    q.combo[4].index = 2;
    q.combo[5].index = 1;   // DTMF
    q.combo[11].index = 1;  // M3
    q.combo[12].index = 1;
    q.combo[13].index = 1;
    q.combo[16].index = 1;
    q.combo[10].index = 2;
    q.combo[15].index = 7;
    q.check1 = {1, 0, 0, 0, 0};
    Rec(1).ScanSkip = 1;
    Apply();
    const FreDataRec& r = Rec(1);
    EXPECT_EQ(r.Step, 4);
    EXPECT_EQ(r.Power, 2);
    EXPECT_EQ(r.OptSig, SigDTMF);
    EXPECT_EQ(r.DTMFCode, 2);
    EXPECT_EQ(r.Tone2Code, 5);
    EXPECT_EQ(r.Tone5Code, 7);
    EXPECT_EQ(r.Tone2Decode, 5);
    EXPECT_EQ(r.BusyLock, 2);
    EXPECT_EQ(r.SqlLevel, 7);
    EXPECT_EQ(r.TxForbid, 1);
    EXPECT_EQ(r.ScanSkip, 0);

    // Empty code lists give the defaults.
    for (int l : {11, 12, 13, 16}) q.combo[static_cast<std::size_t>(l)] = BatchList{};
    Apply();
    EXPECT_EQ(Rec(1).DTMFCode, 0);
    EXPECT_EQ(Rec(1).Tone2Code, 0);
    EXPECT_EQ(Rec(1).Tone5Code, 0);
    EXPECT_EQ(Rec(1).Tone2Decode, 0);
}

TEST_F(BatchApplyTest, SpacingStoresWideOrNarrow) {
    MakeChannels(1);
    Choose({6});
    Range("0", "0");
    const std::pair<int, Integer> cases[] = {{0, BandWide}, {1, BandNarrow}, {2, BandNarrow}};
    for (auto [index, wn] : cases) {
        q.combo[3].index = index;
        Apply();
        EXPECT_EQ(Rec(1).WN, wn) << q.combo[3].Text();
    }
}

TEST_F(BatchApplyTest, ScramblerAndMskGroupAreNeverWritten) {
    MakeChannels(1);
    Rec(1).Scrambler = 1;
    Rec(1).MSKGroup = 5;
    for (int f = 0; f < 21; ++f) q.chosen[static_cast<std::size_t>(f)] = 1;
    q.combo[9].index = 0;
    q.combo[14].index = 1;
    Range("0", "0");
    Apply();
    EXPECT_EQ(Rec(1).Scrambler, 1);
    EXPECT_EQ(Rec(1).MSKGroup, 5);
}

TEST_F(BatchApplyTest, SquelchModeFollowsToneAndSignalling) {
    struct Case {
        int mode;
        int sig;  // Combo1(5) position
        int decode;
        Integer expected;
    };
    const Case cases[] = {
        {2, 0, 0, 0}, {2, 1, 0, 2}, {1, 0, 0, 0}, {1, 0, 2, 1},
        {3, 1, 0, 0}, {3, 0, 2, 0}, {4, 1, 2, 4},
    };
    MakeChannels(1);
    Choose({2, 8, 9});
    Range("0", "0");
    for (const Case& c : cases) {
        q.combo[6].index = c.mode;
        q.combo[5].index = c.sig;
        q.combo[0].index = c.decode;
        Apply();
        EXPECT_EQ(Rec(1).SqlMode, c.expected) << c.mode << " " << c.sig << " " << c.decode;
    }
}

TEST_F(BatchApplyTest, TalkAroundWinsOverReverseAndSquelchSeesTheEncodeTone) {
    MakeChannels(1);
    Choose({2, 3, 9, 17, 18});
    Range("0", "0");
    q.combo[0].index = 0;  // decode off
    q.check3[2] = 0;
    q.combo[1].index = 5;  // encode CTCSS
    q.combo[6].index = 1;  // squelch on tone
    q.check1[3] = 1;
    q.check1[4] = 1;
    Apply();
    EXPECT_EQ(Rec(1).TalkAround, 1);
    EXPECT_EQ(Rec(1).Reverse, 0);
    EXPECT_EQ(Rec(1).SqlMode, 1);  // tested while reverse was still on
}

TEST_F(BatchApplyTest, BothPttIdsChosenKeepTheFiveTone) {
    MakeChannels(1);
    Choose({10, 11});
    Range("0", "0");
    q.combo[7].index = 1;
    q.combo[8].index = 3;
    Apply();
    EXPECT_EQ(Rec(1).DTMFPttID, 0);
    EXPECT_EQ(Rec(1).Tone5PttID, 3);
}

TEST_F(BatchApplyTest, CustomCtcssRewritesText3) {
    MakeChannels(1);
    Choose({19});
    Range("0", "0");
    const std::tuple<const char*, const char*, Integer> cases[] = {
        {"300", "151.1", 1511}, {"", "151.1", 1511}, {"62.54", "62.5", 625}, {"88.56", "88.6", 886}};
    for (auto [text, shown, stored] : cases) {
        q.text3 = text;
        BatchResult out = Apply();
        EXPECT_EQ(out.text3, shown);
        EXPECT_EQ(Rec(1).CustomCTCSS, stored) << text;
    }
}

TEST_F(BatchApplyTest, DeletingOutsideAnEmptyRangeKeepsTheLastChannel) {
    MakeChannels(5);  // store order 1, 2, 201..206, 3, 4, 5
    Range("99", "109");
    q.deleteOutside = true;
    Choose({0});
    q.text2[0] = "440";
    Apply();
    EXPECT_EQ(MemoryNumbers(), (std::vector<int>{5, 100, 101, 102, 103, 104, 105, 106, 107, 108, 109, 110}));
    EXPECT_EQ(notes.Texts(), std::vector<std::string>{kMsgRetainOneChannel});
    for (int n = 201; n <= 206; ++n) EXPECT_TRUE(IsFreDataExist(d, n)) << n;
}

TEST_F(BatchApplyTest, ReferencesToDeletedChannelsAreRepointed) {
    MakeChannels(5);
    OptionDataRec& o = d.OptionData();
    o.MemChannelA = 0;  // channel 1
    o.MemChannelB = 3;  // channel 4
    Range("1", "3");   // channels 2..4
    q.deleteOutside = true;
    Apply();
    EXPECT_EQ(MemoryNumbers(), (std::vector<int>{2, 3, 4}));
    EXPECT_EQ(o.MemChannelB, 3);
    EXPECT_TRUE(IsFreDataExist(d, o.MemChannelA + 1));
}

TEST_F(BatchApplyTest, OddBoxValuesNeitherIndexOutsideNorOverflow) {
    MakeChannels(20);
    Choose({2, 3, 4});
    Range("0", "19");
    q.check3[2] = 0;
    q.combo[0].index = 70;
    q.combo[1].index = 1076;
    q.text2[5] = "-5";
    q.text2[6] = "99";
    q.option[10] = 1;
    q.option[6] = 1;
    q.text2[7] = "AB";
    q.text2[8] = "1e300";
    q.text2[9] = "-9";
    BatchResult out = Apply();
    EXPECT_EQ(out.text2[5], "-5");
    EXPECT_EQ(out.text2[8], "1e300");
    std::vector<std::string> tones = BatchToneListItems(d);
    for (int n = 1; n <= 20; ++n) {
        const FreDataRec& r = Rec(n);
        EXPECT_EQ(r.DeCTCType, CtcDCS) << n;  // a step of 0: the start tone
        EXPECT_EQ(r.DeDCS, 17) << n;
        int p = ((1076 - 99 * (n - 1)) % kBatchToneCount + kBatchToneCount) % kBatchToneCount;
        Integer type = 9, ctcss = r.EnCTCSS, code = r.EnDCS, inv = r.EnDCSInvert;
        GetToneDataByText(d, tones[static_cast<std::size_t>(p)], p, type, ctcss, code, inv);
        EXPECT_EQ(r.EnCTCType, type) << n;
        EXPECT_LE(r.Name.Trim().size(), 6u);
        EXPECT_EQ(r.Name.Trim(), "A00000") << n;  // start ID and step count as 0
    }
}

}  // namespace
}  // namespace rp::test
