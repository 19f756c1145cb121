#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/bands.h"
#include "core/banks.h"
#include "core/channelstore.h"
#include "fakes.h"

using namespace rp;

namespace {

class ChannelStore : public ::testing::Test {
protected:
    AppData d;
    test::RecordingNotifier notes;
    test::FixedTexts texts;

    void SetUp() override {
        d.Ui.Notify = &notes;
        texts.entries = {{2001, "out of band"}};
        d.Ui.Texts = &texts;
        d.CurBandText = "UHF(400 - 480 MHz) VHF(136 - 174 MHz)";
        ASSERT_TRUE(ParseBandRanges(d));
    }

    // Appends channels at 440 MHz in the given order.
    void Make(const std::vector<int>& numbers) {
        for (int n : numbers) ASSERT_TRUE(AddFreDataByFre(d, n, "440")) << n;
    }

    std::vector<int> Numbers() const {
        std::vector<int> v;
        for (int i = 0; i < d.WorkData.FreDataCount; ++i) v.push_back(d.FreData[i].No);
        return v;
    }

    FreDataRec& Rec(int n) { return d.FreData[FindFreDataIndex(d, n)]; }
};

}  // namespace

TEST_F(ChannelStore, AddFreDataByFreBuildsTheTableRecord) {
    ASSERT_TRUE(AddFreDataByFre(d, 1, "440.01234"));
    const FreDataRec& r = d.FreData[0];
    EXPECT_EQ(d.WorkData.FreDataCount, 1);
    EXPECT_EQ(r.No, 1);
    EXPECT_EQ(r.Used, 1);
    EXPECT_EQ(r.ScanSkip, 1);
    EXPECT_EQ(r.RxFre.Raw(), "044001230");  // rounded to 100 Hz
    EXPECT_EQ(r.OffsetFre.Raw(), "000000000");
    EXPECT_EQ(r.Name.Raw(), std::string("\0     ", 6));
    EXPECT_EQ(r.EnCTCSS, 20);
    EXPECT_EQ(r.DeCTCSS, 20);
    EXPECT_EQ(r.CustomCTCSS, 1511);
    EXPECT_EQ(r.SqlLevel, 3);
    EXPECT_EQ(r.PttIDCode.Raw(), "00000");
    EXPECT_EQ(r.Step + r.OptSig + r.Power + r.EnCTCType + r.Reserved66 + r.EnDCSHigh, 0);
    EXPECT_EQ(GetChannelBankText(d, 1), "1");
}

// A channel added at a frequency keeps it to 100 Hz, ties to the even
// neighbour on its decimals, with no band check; a value without a nine-digit
// storage form is refused.
TEST_F(ChannelStore, AddFreDataByFreRoundsTo100Hz) {
    struct Case { const char* rx; const char* stored; } cases[] = {
        {"440.01235", "044001240"},   {"440.01245", "044001240"}, {"440.012451", "044001250"},
        {"440.01249", "044001250"},   {"1e2", "010000000"},       {" 145.6 ", "014560000"},
        {"-0.00001", "000000000"},    {"0", "000000000"},         {"9999.99994", "999999990"},
        {"9999.99995", ""},           {"-1", ""},                 {"1e300", ""},
        {"900", "090000000"},  // no band check
    };
    int n = 1;
    for (const Case& c : cases) {
        EXPECT_EQ(AddFreDataByFre(d, n, c.rx), *c.stored != '\0') << c.rx;
        if (*c.stored) {
            EXPECT_EQ(Rec(n).RxFre.Raw(), c.stored) << c.rx;
        }
        ++n;
    }
}

TEST_F(ChannelStore, AddNewFreDataTakesTheMiddleOfTheFirstBandTo100Hz) {
    struct Case { double low, high; std::string stored; } cases[] = {
        {400, 480, "044000000"}, {446, 447, "044650000"},
        // The middle's decimal form decides: 430.000149999... and 430.00035.
        {430.0001, 430.0002, "043000010"}, {430.0003, 430.0004, "043000040"}, {-2, 1, std::string("\0        ", 9)},  // no storage form: left empty
    };
    int n = 1;
    for (const Case& c : cases) {
        d.RxBandLow[0] = c.low;
        d.RxBandHigh[0] = c.high;
        ASSERT_TRUE(AddNewFreData(d, n)) << c.low;
        EXPECT_EQ(Rec(n).RxFre.Raw(), c.stored) << c.low;
        ++n;
    }
}

TEST_F(ChannelStore, AddNewFreDataKeepsTheSlotsReservedFields) {
    Make({1});
    FreDataRec& slot = d.FreData[1];
    slot.Reserved66 = 7;
    slot.Reserved124 = 9;
    slot.EnDCSHigh = 1;
    slot.DeDCSHigh = 1;
    slot.OptSig = 3;
    slot.Name.Set("OLD");
    slot.EnCTCSS = 5;
    ASSERT_TRUE(AddNewFreData(d, 45));
    const FreDataRec& r = d.FreData[1];
    EXPECT_EQ(r.No, 45);
    EXPECT_EQ(r.Used, 1);
    EXPECT_EQ(r.ScanSkip, 0);
    EXPECT_EQ(r.RxFre.Raw(), "044000000");
    EXPECT_EQ(r.Name.Raw(), std::string("\0     ", 6));
    EXPECT_EQ(r.EnCTCSS, 0);
    EXPECT_EQ(r.OptSig, 0);
    EXPECT_EQ(r.CustomCTCSS, 1511);
    EXPECT_EQ(r.SqlLevel, 3);
    EXPECT_EQ(r.PttIDCode.Raw(), "00000");
    EXPECT_EQ(r.Reserved66, 7);
    EXPECT_EQ(r.Reserved124, 9);
    EXPECT_EQ(r.EnDCSHigh, 1);
    EXPECT_EQ(r.DeDCSHigh, 1);
    EXPECT_EQ(GetChannelBankText(d, 45), "3");
}

TEST_F(ChannelStore, AddFreDataByRxBandChecksWithWarning) {
    Make({1});
    ASSERT_TRUE(AddFreDataByRx(d, 2, "462.561"));
    EXPECT_EQ(Rec(2).RxFre.Raw(), "046256000");
    EXPECT_TRUE(notes.shown.empty());
    ASSERT_TRUE(AddFreDataByRx(d, 3, "500"));
    EXPECT_EQ(Rec(3).RxFre.Raw(), "048000000");
    ASSERT_EQ(notes.shown.size(), 1u);
    EXPECT_EQ(notes.shown[0].text, "out of band");
}

TEST_F(ChannelStore, GetEmptyFreDataStoresNothingButEntersTheWorkingBanks) {
    Make({1});
    CopyBankToTemp(d);
    FreDataRec r = GetEmptyFreData(d, 30);
    EXPECT_EQ(r.No, 30);
    EXPECT_EQ(r.Used, 0);
    EXPECT_EQ(r.RxFre.Raw(), "FFFFFFFFF");
    EXPECT_EQ(r.OffsetFre.Raw(), "000000000");
    EXPECT_EQ(r.Name.Raw(), "      ");
    EXPECT_EQ(r.CustomCTCSS, 1511);
    EXPECT_EQ(r.SqlLevel, 3);
    EXPECT_EQ(r.PttIDCode.Raw(), "00000");
    EXPECT_EQ(r.EnCTCSS, 0);
    EXPECT_EQ(d.WorkData.FreDataCount, 1);
    EXPECT_TRUE(IsChannelInTempBank(d, 30, 2));
    EXPECT_EQ(GetChannelBankText(d, 30), "");
}

TEST_F(ChannelStore, NewChannelsJoinTheirDefaultBankOnly) {
    Make({1, 21, 180, 181, 200, 201, 206});
    EXPECT_EQ(GetChannelBankText(d, 1), "1");
    EXPECT_EQ(GetChannelBankText(d, 21), "2");
    EXPECT_EQ(GetChannelBankText(d, 180), "9");
    EXPECT_EQ(GetChannelBankText(d, 181), "");
    EXPECT_EQ(GetChannelBankText(d, 200), "");
    EXPECT_EQ(GetMemChannelCount(d), 5);
}

TEST_F(ChannelStore, AppendsAreRefusedWithoutChange) {
    Make({1, 5});
    AppData before = d;
    struct Case { int n; const char* rx; } cases[] = {
        {5, "440"}, {0, "440"}, {207, "440"}, {-1, "440"}, {6, "abc"}, {6, ""},
    };
    for (const auto& c : cases) {
        EXPECT_FALSE(AddFreDataByFre(d, c.n, c.rx)) << c.n;
        if (c.rx[0] == '4') {
            EXPECT_FALSE(AddNewFreData(d, c.n)) << c.n;
            EXPECT_FALSE(AddFreDataByRx(d, c.n, c.rx)) << c.n;
        }
    }
    EXPECT_EQ(d.WorkData, before.WorkData);
    EXPECT_EQ(d.FreData, before.FreData);
    EXPECT_TRUE(notes.shown.empty());

    AppData full;
    full.WorkData.FreDataCount = kFreDataMax;
    for (int i = 0; i < kFreDataMax; ++i) full.FreData[i].No = static_cast<Integer>(i + 1);
    full.FreData[3].No = 250;  // channel 4 missing, but no free slot
    AppData fullBefore = full;
    EXPECT_FALSE(AddNewFreData(full, 4));
    EXPECT_FALSE(AddFreDataByFre(full, 4, "440"));
    EXPECT_EQ(full.WorkData, fullBefore.WorkData);
    EXPECT_EQ(full.FreData, fullBefore.FreData);
}

TEST_F(ChannelStore, DeleteKeepsOrderAndEmptiesEveryBank) {
    Make({1, 12, 5, 201, 7});
    SetChannelBank(d, 5, 4, true);
    SetChannelBank(d, 9, 2, true);  // a bank member without record
    FreDataRec last = Rec(7);

    EXPECT_TRUE(DeleteFreData(d, 5));
    EXPECT_EQ(Numbers(), (std::vector<int>{1, 12, 201, 7}));
    EXPECT_EQ(d.FreData[4], last);  // the freed slot keeps the former last record
    EXPECT_EQ(GetChannelBankText(d, 5), "");

    EXPECT_TRUE(DeleteFreData(d, 9));
    EXPECT_EQ(Numbers(), (std::vector<int>{1, 12, 201, 7}));
    EXPECT_EQ(GetChannelBankText(d, 9), "");

    EXPECT_TRUE(DeleteFreData(d, 7));
    EXPECT_EQ(Numbers(), (std::vector<int>{1, 12, 201}));
    EXPECT_TRUE(notes.shown.empty());
}

TEST_F(ChannelStore, DeleteRefusedWhenOneMemoryChannelIsLeft) {
    Make({1, 201});
    AppData before = d;
    for (int n : {201, 1, 50}) {
        EXPECT_FALSE(DeleteFreData(d, n));
        EXPECT_EQ(d.FreData, before.FreData);
        EXPECT_EQ(d.WorkData, before.WorkData);
    }
    ASSERT_EQ(notes.shown.size(), 3u);
    for (const auto& m : notes.shown) {
        EXPECT_EQ(m.text, "Must retain the one channels!");
        EXPECT_EQ(m.icon, MsgIcon::None);
        EXPECT_EQ(m.buttons, MsgButtons::Ok);
        EXPECT_EQ(m.title, "");
    }
}

TEST_F(ChannelStore, CutAndPasteMoveAChannelWithoutItsBanks) {
    Make({1, 5, 30});
    SetChannelBank(d, 5, 7, true);
    Rec(5).Name.Set("FIVE");
    FreDataRec five = Rec(5);

    CutFreDataToClip(d, 0, 5);
    EXPECT_EQ(d.ClipFreData, five);
    EXPECT_EQ(Numbers(), (std::vector<int>{1, 30}));
    EXPECT_EQ(GetChannelBankText(d, 5), "");

    BankTable banks = d.WorkData.BankCH;
    PasteClipToFreData(d, 0, 45);  // empty row: appended last, joins no bank
    EXPECT_EQ(Numbers(), (std::vector<int>{1, 30, 45}));
    EXPECT_EQ(Rec(45).Name.Trim(), "FIVE");
    EXPECT_EQ(d.WorkData.BankCH, banks);

    PasteClipToFreData(d, 0, 1);  // existing row: replaced in place
    EXPECT_EQ(Numbers(), (std::vector<int>{1, 30, 45}));
    FreDataRec expect = five;
    expect.No = 1;
    EXPECT_EQ(d.FreData[0], expect);
    EXPECT_EQ(d.WorkData.BankCH, banks);
    EXPECT_TRUE(notes.shown.empty());
}

TEST_F(ChannelStore, EmptyClipboardPasteDeletes) {
    Make({1, 5, 30});
    Rec(30).Used = 0;
    CopyFreDataToClip(d, 0, 30);  // a record with Used 0 is not copied
    EXPECT_EQ(d.ClipFreData.Used, 0);
    CopyFreDataToClip(d, 0, 2);   // no record
    EXPECT_EQ(d.ClipFreData.Used, 0);
    CutFreDataToClip(d, 0, 30);   // nothing copied, nothing deleted
    EXPECT_EQ(Numbers(), (std::vector<int>{1, 5, 30}));

    PasteClipToFreData(d, 0, 5);
    EXPECT_EQ(Numbers(), (std::vector<int>{1, 30}));
    EXPECT_EQ(GetChannelBankText(d, 5), "");
}

TEST_F(ChannelStore, CutOfTheOnlyMemoryChannelKeepsItButFillsTheClipboard) {
    Make({1, 201});
    CutFreDataToClip(d, 0, 1);
    EXPECT_EQ(d.ClipFreData.No, 1);
    EXPECT_EQ(d.ClipFreData.Used, 1);
    EXPECT_EQ(Numbers(), (std::vector<int>{1, 201}));
    EXPECT_EQ(notes.Texts(), std::vector<std::string>{"Must retain the one channels!"});

    d.ClipFreData.Used = 0;
    PasteClipToFreData(d, 0, 1);  // an empty paste is a delete: refused too
    EXPECT_EQ(Numbers(), (std::vector<int>{1, 201}));
    EXPECT_EQ(notes.shown.size(), 2u);
}

TEST_F(ChannelStore, ClipboardNeverDeletesTheEdgeAndVfoChannels) {
    Make({1, 5, 201, 205, 206});
    for (int n : {201, 205, 206}) {
        CutFreDataToClip(d, 0, n);
        EXPECT_EQ(d.ClipFreData.No, n);
        EXPECT_EQ(d.ClipFreData.Used, 1);
        d.ClipFreData.Used = 0;
        PasteClipToFreData(d, 0, n);
    }
    EXPECT_EQ(Numbers(), (std::vector<int>{1, 5, 201, 205, 206}));
    EXPECT_TRUE(notes.shown.empty());
    // A filled clipboard still writes them.
    d.ClipFreData = Rec(5);
    PasteClipToFreData(d, 0, 205);
    EXPECT_EQ(Rec(205).RxFre, Rec(5).RxFre);
    EXPECT_EQ(Rec(205).No, 205);
}

TEST_F(ChannelStore, ClipboardIgnoresPresetLists) {
    Make({1, 5});
    d.ClipFreData = Rec(5);
    AppData before = d;
    for (int kind : {1, 2, 3}) {
        CopyFreDataToClip(d, kind, 1);
        CutFreDataToClip(d, kind, 1);
        PasteClipToFreData(d, kind, 9);
    }
    EXPECT_EQ(d.ClipFreData, before.ClipFreData);
    EXPECT_EQ(d.FreData, before.FreData);
    EXPECT_EQ(d.WorkData, before.WorkData);
}

TEST_F(ChannelStore, ToneColumnsAndToneKeys) {
    Make({1});
    SetFreDataByCol(d, 1, "515", ColEncode, 2);
    EXPECT_EQ(Rec(1).EnDCS, 3);
    EXPECT_EQ(Rec(1).EnDCSInvert, 1);
    SetFreDataByCol(d, 1, 83, ColDecode, 2);
    SetFreDataByCol(d, 1, 2, ColDecode, 0);
    SetFreDataByCol(d, 1, 12, ColDecode, 1);
    SetFreDataByCol(d, 1, 1, ColEncode, 0);
    SetFreDataByCol(d, 1, 33, ColEncode, 1);
    struct Case { const char* key; int value; } cases[] = {
        {"En_CDCSS", 515}, {"De_CDCSS", 83}, {"De_CTC_Type", 2}, {"De_CTCSS", 12},
        {"En_CTC_Type", 1}, {"En_CTCSS", 33}, {"en_cdcss", 0}, {"", 0}, {"En_CDCSS ", 0},
    };
    for (const auto& c : cases) EXPECT_EQ(GetFreToneData(d, 1, c.key), c.value) << c.key;
    EXPECT_EQ(GetFreToneData(d, 2, "En_CDCSS"), 0);  // no record
}

TEST_F(ChannelStore, NumericColumns) {
    Make({1});
    SetFreDataByCol(d, 1, "5", ColStep, 0);
    SetFreDataByCol(d, 1, "1", ColWN, 0);
    SetFreDataByCol(d, 1, "2", ColPower, 0);
    SetFreDataByCol(d, 1, "4", ColOptSig, 0);
    SetFreDataByCol(d, 1, "9", ColBank, 0);
    EXPECT_EQ(Rec(1).Step, 5);
    EXPECT_EQ(Rec(1).WN, 1);
    EXPECT_EQ(Rec(1).Power, 2);
    EXPECT_EQ(Rec(1).OptSig, 4);
    EXPECT_EQ(GetChannelBankText(d, 1), "1");  // the bank column writes nothing

    // A value that is no whole 16-bit number, or no packed DCS value, changes nothing.
    Rec(1).Used = 0;
    FreDataRec before = Rec(1);
    struct Case { const char* value; int column, sub; } bad[] = {
        {"abc", ColStep, 0}, {"", ColPower, 0}, {"40000", ColWN, 0}, {"-40000", ColOptSig, 0},
        {"1024", ColEncode, 2}, {"-1", ColDecode, 2}, {"1e9", ColDecode, 1}, {"2,5", ColStep, 0},
    };
    for (const auto& c : bad) {
        SetFreDataByCol(d, 1, c.value, c.column, c.sub);
        EXPECT_EQ(Rec(1), before) << c.value;
    }
    EXPECT_TRUE(notes.shown.empty());
}

TEST_F(ChannelStore, NameColumn) {
    Make({1, 205});
    struct Case { int n; const char* value; std::string raw; } cases[] = {
        {1, "ABCDEFGH", "ABCDEF"}, {1, "", "      "}, {1, "AB  ", "AB    "},
        {205, "VFO", std::string("\0     ", 6)},
    };
    for (const auto& c : cases) {
        SetFreDataByCol(d, c.n, c.value, ColName, 0);
        EXPECT_EQ(Rec(c.n).Name.Raw(), c.raw) << c.value;
    }
}

TEST_F(ChannelStore, RxAndTxColumns) {
    Make({1});
    SetFreDataByCol(d, 1, "145", ColRx, 0);
    EXPECT_EQ(Rec(1).RxFre.Raw(), "014500000");

    struct Case { const char* tx; int dir; const char* offset; } cases[] = {
        {"145.6", OffsetPlus, "000060000"},
        {"145", OffsetNone, "000000000"},
        {"144.4", OffsetMinus, "000060000"},
        {"150", OffsetPlus, "000500000"},
    };
    for (const auto& c : cases) {
        SetFreDataByCol(d, 1, c.tx, ColTx, 0);
        EXPECT_EQ(Rec(1).OffsetDir, c.dir) << c.tx;
        EXPECT_EQ(Rec(1).OffsetFre.Raw(), c.offset) << c.tx;
    }
    EXPECT_TRUE(notes.shown.empty());

    // Out of band: the warning and the band edge.
    SetFreDataByCol(d, 1, "500", ColRx, 0);
    EXPECT_EQ(Rec(1).RxFre.Raw(), "048000000");
    EXPECT_EQ(notes.Texts(), std::vector<std::string>{"out of band"});

    // An empty TX is simplex, silently; a TX that is no number changes nothing.
    for (const char* empty : {"", "   "}) {
        SetFreDataByCol(d, 1, "470", ColTx, 0);
        notes.shown.clear();
        SetFreDataByCol(d, 1, empty, ColTx, 0);
        EXPECT_EQ(Rec(1).OffsetDir, OffsetNone);
        EXPECT_EQ(Rec(1).OffsetFre.Raw(), "000000000");
        EXPECT_TRUE(notes.shown.empty());
    }
    SetFreDataByCol(d, 1, "470", ColTx, 0);
    for (const char* bad : {".", "145..5", "1-2"}) {
        FreDataRec before = Rec(1);
        before.Used = 0;
        Rec(1).Used = 0;
        notes.shown.clear();
        SetFreDataByCol(d, 1, bad, ColTx, 0);
        EXPECT_EQ(Rec(1), before) << bad;
        EXPECT_EQ(notes.Texts(), std::vector<std::string>{"Not IsNumeric"}) << bad;
    }

    // Without an RX frequency the offset is cleared and the direction stays.
    Rec(1).RxFre.Set("FFFFFFFFF");
    Rec(1).OffsetDir = OffsetMinus;
    SetFreDataByCol(d, 1, "145.6", ColTx, 0);
    EXPECT_EQ(Rec(1).OffsetDir, OffsetMinus);
    EXPECT_EQ(Rec(1).OffsetFre.Raw(), "000000000");
}

// A stored RX that is no number reads as the UHF low edge, after its message;
// the TX is measured from there and RX itself stays as stored.
TEST_F(ChannelStore, TxAgainstAStoredRxThatIsNoNumber) {
    Make({1});
    Rec(1).RxFre.Set("12AB45678");
    SetFreDataByCol(d, 1, "401", ColTx, 0);
    EXPECT_EQ(notes.Texts(), std::vector<std::string>{"Not IsNumeric"});
    EXPECT_EQ(Rec(1).OffsetDir, OffsetPlus);
    EXPECT_EQ(Rec(1).OffsetFre.Raw(), "000100000");
    EXPECT_EQ(Rec(1).RxFre.Raw(), "12AB45678");
    notes.shown.clear();
    SetFreDataByCol(d, 1, "500", ColTx, 0);
    EXPECT_EQ(notes.Texts(), (std::vector<std::string>{"Not IsNumeric", "out of band"}));
    EXPECT_EQ(Rec(1).OffsetDir, OffsetPlus);
    EXPECT_EQ(Rec(1).OffsetFre.Raw(), "008000000");
}

TEST_F(ChannelStore, MissingMemoryChannelAndPresetLists) {
    Make({1});
    AppData before = d;
    SetFreDataByCol(d, 2, "1", ColPower, 0);
    EXPECT_EQ(d.FreData, before.FreData);
    ASSERT_EQ(notes.shown.size(), 1u);
    EXPECT_EQ(notes.shown[0].text, "No Find Data!");
    EXPECT_EQ(notes.shown[0].buttons, MsgButtons::Ok);

    d.ShowListType = ListGMRS;
    SetFreDataByCol(d, 3, "2", ColOptSig, 0);
    EXPECT_EQ(d.WorkData.GMRSFreData[2].OptSig, 2);
    EXPECT_EQ(d.WorkData.GMRSFreData[2].Used, 0);  // presets keep their Used
    SetFreDataByCol(d, 3, 515, ColEncode, 2);
    EXPECT_EQ(GetFreToneData(d, 3, "En_CDCSS"), 515);
    EXPECT_EQ(GetFreToneData(d, 1, "En_CDCSS"), 0);

    d.ShowListType = ListWeather;
    d.WorkData.WXFreData[6].DeCTCSS = 9;
    EXPECT_EQ(GetFreToneData(d, 7, "De_CTCSS"), 9);
    AppData presets = d;
    SetFreDataByCol(d, 8, "1", ColPower, 0);   // outside the list
    SetFreDataByCol(d, 0, "1", ColPower, 0);
    EXPECT_EQ(GetFreToneData(d, 8, "De_CTCSS"), 0);
    EXPECT_EQ(d.WorkData, presets.WorkData);
    EXPECT_EQ(d.FreData, before.FreData);
    EXPECT_EQ(notes.shown.size(), 1u);
}

TEST(IsRadioFieldEditable, ColumnsAndTags) {
    struct Case { int kind, column; const char* tag; int result; } cases[] = {
        {0, 1, "RX", -1}, {0, -1, "Scan", -1}, {4, 2, "TX", -1}, {-1, 3, "", -1},
        {3, -1, "Scan", 0}, {1, -1, "Scan", -1}, {2, -1, "Scan", -1}, {1, 3, "Scan", -1},
        {2, 8, "", -1}, {2, 4, "", 0}, {1, 1, "", 0}, {3, 7, "", 0}, {1, 10, "", -1},
        {1, -1, "Encode", -1}, {3, -1, "Encode", 0}, {2, -1, "Decode", -1},
        {1, -1, "RX", 0}, {2, -1, "TX", 0}, {3, -1, "Step", 0}, {1, -1, "Name", 0},
        {1, -1, "WN", 0}, {1, -1, "Bank", 0}, {1, -1, "Power", 0}, {2, -1, "TXForbit", 0},
        {2, -1, "Reverse", 0}, {2, -1, "TalkOff", 0}, {1, -1, "rx", -1}, {1, 8, "Power", 0},
    };
    for (const auto& c : cases)
        EXPECT_EQ(IsRadioFieldEditable(c.kind, c.column, c.tag), c.result)
            << c.kind << " " << c.column << " " << c.tag;
}

TEST_F(ChannelStore, AppendFreDataAppendsACallersRecordUnderTheGuard) {
    Make({1, 7});
    FreDataRec r;
    r.No = 30;
    r.Used = 1;
    r.Reserved66 = 4;
    ASSERT_TRUE(AppendFreData(d, r));
    EXPECT_EQ(Numbers(), (std::vector<int>{1, 7, 30}));
    EXPECT_EQ(d.FreData[2], r);
    EXPECT_EQ(GetChannelBankText(d, 30), "");  // no bank touched
    for (int n : {7, 0, 207}) {
        r.No = static_cast<Integer>(n);
        EXPECT_FALSE(AppendFreData(d, r)) << n;
    }
    EXPECT_EQ(d.WorkData.FreDataCount, 3);
}
