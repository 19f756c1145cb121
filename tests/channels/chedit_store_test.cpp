// OK of the channel dialog: the outcome over the form state and what it
// writes.
#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

#include "cheditfixture.h"
#include "core/banks.h"
#include "core/conversions.h"

using namespace rp;

namespace {

class ChEditStore : public test::ChEditTest {
protected:
    // OK on the open dialog; the record of channel n afterwards.
    const ChEditOutcome& Ok() {
        f->Click(kOKButton);
        return f->LastOutcome();
    }
    void SetName(const std::vector<std::string>& chars) {
        for (int i = 0; i < 6; ++i) SetText(chedit::EntryBoxes[i + 2], chars[static_cast<std::size_t>(i)]);
    }
};

}  // namespace

TEST_F(ChEditStore, OffsetAndDirectionFollowRxAndTx) {
    struct Case {
        const char* rx;
        const char* tx;
        int dir;
        const char* offset;
        const char* rxStored;
    };
    const Case cases[] = {
        {"145.5", "145.0", 1, "000050000", "014550000"},
        {"145.0", "145.6", 2, "000060000", "014500000"},
        {"145.5", "145.5", 0, "000000000", "014550000"},
        {"145.5", "", 0, "000000000", "014550000"},  // empty TX: simplex
        {"440", "445", 2, "000500000", "044000000"},
        {"145.5012", "145.5012", 0, "000000000", "014550000"},  // onto the 2.5 kHz grid
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.rx) + " / " + c.tx);
        Open(ListMemory, 2);
        SetText(chedit::RxFreq, c.rx);
        SetText(chedit::TxFreq, c.tx);
        const ChEditOutcome& o = Ok();
        ASSERT_EQ(o.action, ChEditAction::Overwritten);
        EXPECT_EQ(Rec(2).OffsetDir, c.dir);
        EXPECT_EQ(Rec(2).OffsetFre.Raw(), c.offset);
        EXPECT_EQ(Rec(2).RxFre.Raw(), c.rxStored);
        EXPECT_EQ(C(chedit::OffsetDir).index, c.dir);
        EXPECT_TRUE(Messages().empty());
        EXPECT_TRUE(f->unloadRequested);
    }
}

TEST_F(ChEditStore, OutOfBandFrequenciesWarnInOrderAndMoveToAnEdge) {
    Open(ListMemory, 2);
    SetText(chedit::RxFreq, "300");
    SetText(chedit::TxFreq, "600");
    const ChEditOutcome& o = Ok();
    EXPECT_EQ(Messages(), (std::vector<std::string>{OutOfBand(), OutOfBand()}));
    EXPECT_EQ(notes.shown[0].icon, MsgIcon::Warning);
    EXPECT_EQ(o.stored.rxText, "400.00000");  // the nearest edge
    EXPECT_EQ(C(chedit::RxFreq).text, "400.00000");
    EXPECT_EQ(Rec(2).RxFre.Raw(), "040000000");
    EXPECT_EQ(Rec(2).OffsetDir, 2);  // TX at the UHF high edge 480
    EXPECT_EQ(Rec(2).OffsetFre.Raw(), "008000000");
}

TEST_F(ChEditStore, FieldsFromTheControls) {
    d.CurModel = "7425USD";
    auto& t2 = d.Tone2Data();
    for (auto& e : t2.Decodes) e.Valid = 1;
    struct Case {
        const char* name;
        void (*edit)(test::ChEditTest&);
        bool (*check)(const FreDataRec&);
    };
    const Case cases[] = {
        {"PTT-ID 12 padded", [](test::ChEditTest& t) { t.C(chedit::PttIdCode).text = "12"; },
         [](const FreDataRec& r) { return r.PttIDCode.Raw() == "12000"; }},
        {"PTT-ID empty", [](test::ChEditTest& t) { t.C(chedit::PttIdCode).text = ""; },
         [](const FreDataRec& r) { return r.PttIDCode.Raw() == "00000"; }},
        {"PTT-ID 12345", [](test::ChEditTest& t) { t.C(chedit::PttIdCode).text = "12345"; },
         [](const FreDataRec& r) { return r.PttIDCode.Raw() == "12345"; }},
        {"own CTCSS 50", [](test::ChEditTest& t) { t.C(chedit::OwnCtcss).text = "50"; },
         [](const FreDataRec& r) { return r.CustomCTCSS == 1511; }},
        {"own CTCSS 254.2", [](test::ChEditTest& t) { t.C(chedit::OwnCtcss).text = "254.2"; },
         [](const FreDataRec& r) { return r.CustomCTCSS == 1511; }},
        {"own CTCSS empty", [](test::ChEditTest& t) { t.C(chedit::OwnCtcss).text = ""; },
         [](const FreDataRec& r) { return r.CustomCTCSS == 1511; }},
        {"own CTCSS 254.1", [](test::ChEditTest& t) { t.C(chedit::OwnCtcss).text = "254.1"; },
         [](const FreDataRec& r) { return r.CustomCTCSS == 2541; }},
        {"own CTCSS 62.5", [](test::ChEditTest& t) { t.C(chedit::OwnCtcss).text = "62.5"; },
         [](const FreDataRec& r) { return r.CustomCTCSS == 625; }},
        {"extra display position 3", [](test::ChEditTest& t) { SetListIndex(t.C(chedit::ExtraDisplay), 3); },
         [](const FreDataRec& r) { return r.ExtraDisplay == 4; }},
        {"extra display position 2", [](test::ChEditTest& t) { SetListIndex(t.C(chedit::ExtraDisplay), 2); },
         [](const FreDataRec& r) { return r.ExtraDisplay == 2; }},
        {"two-tone decode 3", [](test::ChEditTest& t) { SetListIndex(t.C(chedit::TwoToneDecode), 2); },
         [](const FreDataRec& r) { return r.Tone2Decode == 2; }},
        {"two-tone decode none", [](test::ChEditTest& t) { SetListIndex(t.C(chedit::TwoToneDecode), -1); },
         [](const FreDataRec& r) { return r.Tone2Decode == 0; }},
        {"MSK", [](test::ChEditTest& t) { SetListIndex(t.C(chedit::Signalling), 4); },
         [](const FreDataRec& r) { return r.OptSig == 4; }},
        {"DTMF", [](test::ChEditTest& t) { SetListIndex(t.C(chedit::Signalling), 1); },
         [](const FreDataRec& r) { return r.OptSig == 1; }},
        {"an unknown signalling text",
         [](test::ChEditTest& t) {
             t.C(chedit::Signalling).items[1] = "XX";
             SetListIndex(t.C(chedit::Signalling), 1);
         },
         [](const FreDataRec& r) { return r.OptSig == 0; }},
        {"decode DCS 023 inverted",
         [](test::ChEditTest& t) {
             SetListIndex(t.C(chedit::DecodeType), 2);
             SetListIndex(t.C(chedit::DecodeDcs), 19);
             t.C(chedit::DecodeInverted).value = 1;
         },
         [](const FreDataRec& r) { return r.DeCTCType == 2 && r.DeDCS == 19 && r.DeDCSInvert == 1; }},
        {"ticks store 0 or 1",
         [](test::ChEditTest& t) {
             t.C(chedit::TxInhibit).value = 2;
             t.C(chedit::ScanSkip).value = 0;
         },
         [](const FreDataRec& r) { return r.TxForbid == 1 && r.ScanSkip == 0; }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Open(ListMemory, 1);
        c.edit(*this);
        Ok();
        EXPECT_TRUE(c.check(Rec(1)));
    }
}

TEST_F(ChEditStore, TheOwnToneBoxShowsTheCheckedTone) {
    Open(ListMemory, 1);
    C(chedit::OwnCtcss).text = "254.2";
    Ok();
    EXPECT_EQ(C(chedit::OwnCtcss).text, "151.1");
}

TEST_F(ChEditStore, NameBoxesJoinWithBlanks) {
    Open(ListMemory, 1);
    SetName({"A", "B", "", "D", "", ""});
    Ok();
    EXPECT_EQ(Rec(1).Name.Raw(), "AB D  ");
    Open(ListMemory, 1);
    SetName({"\xC3\xA9", "x", "", "", "", ""});  // a Latin-1 character stored as its byte
    Ok();
    EXPECT_EQ(Rec(1).Name.Raw(), "\xE9x    ");
}

TEST_F(ChEditStore, VfoNameBoxesAreHiddenButCarried) {
    Rec(ChVFO1).Name.Set("VFOA");
    Open(ListMemory, ChVFO1);
    Ok();
    EXPECT_EQ(Rec(ChVFO1).Name.Trim(), "VFOA");
}

TEST_F(ChEditStore, ANewChannelIsAppendedLastAndJoinsItsTickedBanks) {
    Open(ListMemory, 25);
    SetText(chedit::RxFreq, "440.125");
    const ChEditOutcome& o = Ok();
    EXPECT_EQ(o.action, ChEditAction::Appended);
    ASSERT_EQ(d.FreDataCount(), 9);
    const FreDataRec& r = d.FreData[8];
    EXPECT_EQ(r.No, 25);
    EXPECT_EQ(r.Used, 1);
    EXPECT_EQ(r.RxFre.Raw(), "044012500");
    EXPECT_EQ(r.SqlLevel, 3);
    EXPECT_EQ(r.CustomCTCSS, 1511);
    EXPECT_EQ(r.PttIDCode.Raw(), "00000");
    EXPECT_EQ(r.Reserved66 + r.Reserved124 + r.EnDCSHigh + r.PttIDOn, 0);
    EXPECT_EQ(GetChannelBankText(d, 25), "2");
    EXPECT_EQ(main.redraws, (std::vector<std::vector<int>>{{0, 25, 0}}));

    // The default bank unticked, bank 5 ticked.
    Open(ListMemory, 26);
    SetText(chedit::RxFreq, "440");
    TickBank(1, false);
    TickBank(4, true);
    Ok();
    EXPECT_EQ(GetChannelBankText(d, 26), "5");
}

TEST_F(ChEditStore, ANumberWithoutRecordAndNoRxCreatesNothing) {
    const auto banks = d.BankCH();
    Open(ListMemory, 30);
    const ChEditOutcome& o = Ok();
    EXPECT_EQ(o.action, ChEditAction::Closed);
    EXPECT_FALSE(IsFreDataExist(d, 30));
    EXPECT_EQ(d.BankCH(), banks);  // the default bank of the working copy is dropped
    EXPECT_TRUE(f->unloadRequested);
}

TEST_F(ChEditStore, AnEmptiedChannelIsDeletedFromStoreAndBanks) {
    AddChannelToBank(d, 2, 4);
    Open(ListMemory, 2);
    SetText(chedit::RxFreq, "");
    EXPECT_EQ(Ok().action, ChEditAction::Deleted);
    EXPECT_FALSE(IsFreDataExist(d, 2));
    EXPECT_EQ(GetChannelBankText(d, 2), "");
    EXPECT_TRUE(f->unloadRequested);

    // The only memory channel stays.
    Open(ListMemory, 1);
    SetText(chedit::RxFreq, "");
    Ok();
    EXPECT_EQ(Messages(), (std::vector<std::string>{"Must retain the one channels!"}));
    EXPECT_TRUE(IsFreDataExist(d, 1));
    EXPECT_TRUE(f->unloadRequested);
}

TEST_F(ChEditStore, OkRepointsTheOptionChannelsAndRedrawsTheRow) {
    Make(10);
    d.OptionData().MemChannelA = 9;  // channel 10
    Open(ListMemory, 10);
    SetText(chedit::RxFreq, "");
    Ok();
    EXPECT_EQ(main.redraws, (std::vector<std::vector<int>>{{0, 10, 0}}));
    EXPECT_EQ(d.OptionData().MemChannelA, 202);  // PL2, the last candidate in store order
}

struct Refusal {
    const char* name;
    int language, n;
    const char* rx;
    const char* tx;
    const char* message;
    const char* focus;
};
void PrintTo(const Refusal& c, std::ostream* os) { *os << c.name; }

class ChEditRefusal : public ChEditStore, public ::testing::WithParamInterface<Refusal> {};

const Refusal kRefusals[] = {
    {"VFO2 empty", LangEnglish, ChVFO2, "", "", "VFO can't be null!", chedit::RxFreq},
    {"VFO1 empty", LangEnglish, ChVFO1, "", "", "VFO can't be null!", chedit::RxFreq},
    {"PL1 empty", LangEnglish, ChPL1, "", "", "Channel can't be null!", chedit::RxFreq},
    {"PU2 empty in Chinese", LangChinese, ChPU2, "", "", "信道不能为空！", chedit::RxFreq},
    {"RX 145..5", LangEnglish, 1, "145..5", "", "Not IsNumeric", chedit::RxFreq},
    {"RX . on a new channel", LangEnglish, 40, ".", "", "Not IsNumeric", chedit::RxFreq},
    {"TX abc", LangEnglish, 2, "145.5", "abc", "Not IsNumeric", chedit::TxFreq},
    {"TX 1.2.3 on VFO2", LangEnglish, ChVFO2, "145.5", "1.2.3", "Not IsNumeric", chedit::TxFreq},
};

TEST_P(ChEditRefusal, ShowsItsMessageAndKeepsTheDialogOpen) {
    const Refusal& c = GetParam();
    SetLanguageIndex(d, c.language);
    InitMessageTexts(d);
    const RadioDataRec work = d.WorkData;
    const auto fre = d.FreData;
    Open(ListMemory, c.n);
    SetText(chedit::RxFreq, c.rx);
    SetText(chedit::TxFreq, c.tx);
    C(chedit::PttIdCode).text = "7";
    const ChEditOutcome& o = Ok();
    EXPECT_EQ(o.action, ChEditAction::Refused);
    ASSERT_EQ(Messages(), (std::vector<std::string>{c.message}));
    EXPECT_EQ(notes.shown[0].buttons, MsgButtons::Ok);
    EXPECT_FALSE(f->unloadRequested);
    EXPECT_EQ(f->State().focus, c.focus);
    EXPECT_EQ(C(chedit::PttIdCode).text, "70000");
    EXPECT_EQ(d.WorkData, work);
    EXPECT_EQ(d.FreData, fre);
    EXPECT_TRUE(main.redraws.empty());
}

INSTANTIATE_TEST_SUITE_P(ChEdit, ChEditRefusal, ::testing::ValuesIn(kRefusals), [](const auto& info) {
    std::string n;
    for (const char* p = info.param.name; *p; ++p) n += std::isalnum(static_cast<unsigned char>(*p)) ? *p : '_';
    return n;
});

TEST_F(ChEditStore, APresetKeepsItsFixedFieldsWithoutABandCheck) {
    SetBand(3);  // "UHF(430 - 440 MHz) VHF(144 - 146 MHz)": GMRS lies outside
    FreDataRec& g = d.WorkData.GMRSFreData[15];  // a repeater entry with a +5 MHz offset
    const FreDataRec before = g;
    Open(ListGMRS, 16);
    Pick(chedit::DecodeType, 1);
    Pick(chedit::DecodeCtcss, 20);
    const ChEditOutcome& o = Ok();
    EXPECT_EQ(o.action, ChEditAction::Overwritten);
    EXPECT_TRUE(Messages().empty());
    EXPECT_EQ(g.RxFre, before.RxFre);
    EXPECT_EQ(g.OffsetFre, before.OffsetFre);
    EXPECT_EQ(g.OffsetDir, before.OffsetDir);
    EXPECT_EQ(g.Name, before.Name);
    EXPECT_EQ(g.Used, before.Used);
    EXPECT_EQ(g.DeCTCType, 1);
    EXPECT_EQ(g.DeCTCSS, 20);
    EXPECT_EQ(main.redraws, (std::vector<std::vector<int>>{{0, 16, 0}}));
}

TEST_F(ChEditStore, AWeatherRecordKeepsItsEncodeToneAndScanSkip) {
    FreDataRec& w = d.WorkData.WXFreData[2];
    w.EnCTCType = 1;
    w.EnCTCSS = 9;
    w.ScanSkip = 1;
    w.Reverse = 1;
    w.TalkAround = 1;  // shown as talk-around alone, stored as it was
    const FreDataRec before = w;
    Open(ListWeather, 3);
    Pick(chedit::BusyLock, 2);
    Ok();
    FreDataRec expect = before;
    expect.BusyLock = 2;
    EXPECT_EQ(w, expect);
}

TEST_F(ChEditStore, OkWithoutEditsChangesNothing) {
    struct Case {
        const char* name;
        int kind, n;
    };
    // Records as the defaults make them: a hidden tone index, a scan skip,
    // an edge and a VFO channel, presets with and without offset.
    Rec(2).DeCTCType = 2;
    Rec(2).DeDCS = 19;
    Rec(2).DeDCSInvert = 1;
    Rec(2).OptSig = 1;
    Rec(2).DTMFCode = 5;
    Rec(2).PttIDOn = 1;
    Rec(2).SqlMode = 4;
    Rec(2).Name.Set("ABC");
    FreDataRec& p = Rec(ChPL1);
    p.Reverse = 1;
    p.EnCTCType = 1;
    p.EnCTCSS = 51;
    p.CustomCTCSS = 885;
    p.SqlMode = 1;
    p.ExtraDisplay = 7;
    p.OffsetDir = 2;
    p.OffsetFre.Set("000500000");
    CopyWorkDataToFileCopy(d);
    const Case cases[] = {
        {"memory 1", ListMemory, 1}, {"memory 2", ListMemory, 2},   {"PL1", ListMemory, ChPL1},
        {"PU2", ListMemory, ChPU2},  {"VFO2", ListMemory, ChVFO2}, {"GMRS 1", ListGMRS, 1},
        {"GMRS 16", ListGMRS, 16},   {"MURS 4", ListMURS, 4},      {"weather 7", ListWeather, 7},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Open(c.kind, c.n);
        EXPECT_EQ(Ok().action, ChEditAction::Overwritten);
        EXPECT_FALSE(IsDataChanged(d));
        EXPECT_TRUE(Messages().empty());
    }
}

TEST_F(ChEditStore, OkNormalisesValuesOutsideTheirLists) {
    FreDataRec& r = Rec(1);
    r.Power = 3;
    r.WN = 5;
    r.ExtraDisplay = 3;
    FreDataRec expect = r;
    expect.Power = 0;
    expect.WN = 0;
    expect.ExtraDisplay = 0;
    expect.Name.Set("");  // an empty name is stored as blanks
    Open(ListMemory, 1);
    Ok();
    EXPECT_EQ(Rec(1), expect);
}

TEST_F(ChEditStore, CancelStoresNothing) {
    const RadioDataRec work = d.WorkData;
    const auto fre = d.FreData;
    Open(ListMemory, 1);
    SetText(chedit::RxFreq, "");
    f->Click(kCancelButton);
    EXPECT_TRUE(f->unloadRequested);
    EXPECT_EQ(d.WorkData, work);
    EXPECT_EQ(d.FreData, fre);
    f->Closing();  // the window goes
    EXPECT_FALSE(C(chedit::RxFreq).noContextMenu);
}

TEST_F(ChEditStore, TheOutcomeIsPureUntilCommitted) {
    Open(ListMemory, 25);
    SetText(chedit::RxFreq, "300");
    const RadioDataRec work = d.WorkData;
    const ChEditOutcome o = EvaluateChEditOK(d, f->State());
    EXPECT_EQ(o.action, ChEditAction::Appended);
    EXPECT_EQ(o.stored.record.No, 25);
    EXPECT_EQ(o.stored.rxText, "400.00000");
    EXPECT_EQ(o.banks[1], true);
    EXPECT_EQ(d.WorkData, work);
    EXPECT_FALSE(IsFreDataExist(d, 25));
    EXPECT_EQ(C(chedit::RxFreq).text, "300");
}
