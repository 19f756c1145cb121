// Opening the channel dialog: controls, lists, captions and how a record is
// shown, on a window-less form.
#include <gtest/gtest.h>

#include <string>

#include "cheditfixture.h"
#include "core/banks.h"
#include "core/conversions.h"

using namespace rp;

namespace {

class ChEditLoad : public test::ChEditTest {};

// The controls a channel without RX leaves usable.
bool OnlyRxUsable(FrmCHEdit& f) {
    for (const std::string& name : f.State().Names()) {
        const ControlState& c = f.C(name);
        if (c.kind == ControlKind::Label || name == kOKButton || name == kCancelButton) continue;
        if (c.enabled && c.visible && name != chedit::RxFreq) {
            ADD_FAILURE() << name << " is usable";
            return false;
        }
    }
    return f.C(chedit::RxFreq).enabled;
}

}  // namespace

TEST_F(ChEditLoad, ANumberWithoutRecordOpensAsANewChannelInItsDefaultBank) {
    FrmCHEdit& f = Open(ListMemory, 25);
    EXPECT_TRUE(OnlyRxUsable(f));
    EXPECT_EQ(C(chedit::RxFreq).text, "");
    EXPECT_EQ(C(chedit::TxFreq).text, "");
    EXPECT_EQ(C(chedit::OwnCtcss).text, "151.1");
    EXPECT_EQ(C(chedit::SqlLevel).index, 3);
    EXPECT_EQ(C(chedit::PttIdCode).text, "00000");
    for (const char* list : {chedit::Step, chedit::Bandwidth, chedit::Power, chedit::Signalling, chedit::DecodeType,
                             chedit::EncodeType, chedit::DtmfPttId, chedit::FiveTonePttId, chedit::SqlModes,
                             chedit::ExtraDisplay, chedit::BusyLock})
        EXPECT_EQ(C(list).index, 0) << list;
    EXPECT_TRUE(C(chedit::Banks).visible);
    EXPECT_EQ(C(chedit::Banks).selected, (std::vector<bool>{false, true, false, false, false, false, false, false, false}));
    // Only the working copy holds it.
    EXPECT_TRUE(IsChannelInTempBank(d, 25, 2));
    EXPECT_EQ(GetChannelBankSlot(d, 25, 2), 0);
    EXPECT_EQ(d.EditFreData.No, 25);
}

TEST_F(ChEditLoad, TheDefaultBankIsTickedOnlyWhenItHasRoomAndExists) {
    for (int s = 1; s <= kBankSlots; ++s) d.BankCH()(s, 3) = static_cast<Integer>(100 + s);
    Open(ListMemory, 45);  // bank 3 full
    for (bool b : C(chedit::Banks).selected) EXPECT_FALSE(b);
    Open(ListMemory, 190);  // no default bank
    for (bool b : C(chedit::Banks).selected) EXPECT_FALSE(b);
}

TEST_F(ChEditLoad, ChannelKindsShowTheirRows) {
    struct Case {
        int kind, n;
        bool names, bank;
    };
    const Case cases[] = {
        {ListMemory, 1, true, true},    {ListMemory, ChPL1, true, false}, {ListMemory, ChPU2, true, false},
        {ListMemory, ChVFO1, false, false}, {ListMemory, ChVFO2, false, false}, {ListGMRS, 1, true, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.kind) + "/" + std::to_string(c.n));
        Open(c.kind, c.n);
        EXPECT_EQ(C(chedit::NameLabel).visible, c.names);
        for (int i = 2; i <= 7; ++i) EXPECT_EQ(C(chedit::EntryBoxes[i]).visible, c.names);
        EXPECT_EQ(C(chedit::Banks).visible, c.bank);
    }
}

TEST_F(ChEditLoad, ListsHoldTheirItems) {
    Open(ListMemory, 1);
    EXPECT_EQ(Items(chedit::DecodeDcs).size(), 512u);
    EXPECT_EQ(Items(chedit::EncodeDcs).size(), 512u);
    EXPECT_EQ(Items(chedit::DecodeDcs)[19], "023");
    EXPECT_EQ(Items(chedit::EncodeDcs)[511], "777");
    ASSERT_EQ(Items(chedit::DecodeCtcss).size(), 52u);
    EXPECT_EQ(Items(chedit::DecodeCtcss)[0], "62.5");
    EXPECT_EQ(Items(chedit::DecodeCtcss)[50], "254.1");
    EXPECT_EQ(Items(chedit::EncodeCtcss)[51], "Custom");
    EXPECT_EQ(Items(chedit::Step).size(), 9u);
    EXPECT_EQ(Items(chedit::Signalling), (std::vector<std::string>{"OFF", "DTMF", "2Tone", "5Tone"}));
    EXPECT_EQ(Items(chedit::ExtraDisplay).size(), 10u);
    EXPECT_EQ(Items(chedit::ExtraDisplay)[3], "Extra Display 4");
    EXPECT_EQ(Items(chedit::AllSqlModes).size(), 5u);
    EXPECT_EQ(Items(chedit::OffsetDir), (std::vector<std::string>{"Off", "-", "+"}));
    EXPECT_EQ(Items(chedit::DtmfCode).back(), "M16");
    EXPECT_EQ(Items(chedit::Banks).front(), "Bank 1");

    d.CurModel = "7425USD";
    Open(ListMemory, 1);
    EXPECT_EQ(Items(chedit::Signalling).back(), "MSK");
}

TEST_F(ChEditLoad, CodeListsHoldTheEntriesInUse) {
    auto& t2 = d.Tone2Data();
    for (auto& e : t2.Encodes) e.Empty = 1;
    t2.Encodes[3].Empty = 0;
    t2.Encodes[7].Empty = 0;
    for (auto& e : t2.Decodes) e.Valid = 0;
    t2.Decodes[0].Valid = 1;
    t2.Decodes[4].Valid = 1;
    d.WorkData.Tone5Data().Codes[12].Empty = 0;
    d.WorkData.MSKData.Groups[5].Valid = 1;
    Open(ListMemory, 1);
    EXPECT_EQ(Items(chedit::TwoToneCode), (std::vector<std::string>{"3", "7"}));
    EXPECT_EQ(Items(chedit::TwoToneDecode), (std::vector<std::string>{"1", "5"}));
    EXPECT_EQ(Items(chedit::MskGroup), (std::vector<std::string>{"5"}));
    // Tone2Decode 0 is entry 1.
    EXPECT_EQ(C(chedit::TwoToneDecode).text, "1");
}

// How stored values are shown.
TEST_F(ChEditLoad, StoredValuesAsShown) {
    struct Case {
        const char* name;
        void (*edit)(FreDataRec&);
        const char* control;
        int index;        // -1: not checked
        const char* text;  // nullptr: not checked
    };
    const Case cases[] = {
        {"power 3 shows high", [](FreDataRec& r) { r.Power = 3; }, chedit::Power, 0, "High"},
        {"power 2", [](FreDataRec& r) { r.Power = 2; }, chedit::Power, 2, "Low"},
        {"bandwidth 5 shows 25KHz", [](FreDataRec& r) { r.WN = 5; }, chedit::Bandwidth, 0, "25KHz"},
        {"step 12 shows 2.5K", [](FreDataRec& r) { r.Step = 12; }, chedit::Step, 0, "2.5K"},
        {"step 8", [](FreDataRec& r) { r.Step = 8; }, chedit::Step, 8, "50K"},
        {"extra display 3 shows the first", [](FreDataRec& r) { r.ExtraDisplay = 3; }, chedit::ExtraDisplay, 0, "Off"},
        {"extra display 4 the fourth", [](FreDataRec& r) { r.ExtraDisplay = 4; }, chedit::ExtraDisplay, 3,
         "Extra Display 4"},
        {"extra display 10", [](FreDataRec& r) { r.ExtraDisplay = 10; }, chedit::ExtraDisplay, 9, "Extra Display 10"},
        {"extra display 11", [](FreDataRec& r) { r.ExtraDisplay = 11; }, chedit::ExtraDisplay, 0, nullptr},
        {"decode DCS 19", [](FreDataRec& r) { r.DeCTCType = 2; r.DeDCS = 19; }, chedit::DecodeDcs, 19, "023"},
        {"encode CTCSS 51 is the own tone",
         [](FreDataRec& r) { r.EnCTCType = 1; r.EnCTCSS = 51; }, chedit::EncodeCtcss, 51, "Custom"},
        {"CTCSS 52 shows the first", [](FreDataRec& r) { r.DeCTCType = 1; r.DeCTCSS = 52; }, chedit::DecodeCtcss, 0,
         "62.5"},
        {"busy lock", [](FreDataRec& r) { r.BusyLock = 2; }, chedit::BusyLock, 2, "Busy"},
        {"own CTCSS", [](FreDataRec& r) { r.CustomCTCSS = 885; }, chedit::OwnCtcss, -1, "88.5"},
        {"PTT-ID code trimmed", [](FreDataRec& r) { r.PttIDCode.Set("12"); }, chedit::PttIdCode, -1, "12"},
        {"offset minus", [](FreDataRec& r) { r.RxFre.Set("014550000"); r.OffsetDir = 1; r.OffsetFre.Set("000060000"); },
         chedit::TxFreq, -1, "144.90000"},
        {"offset plus", [](FreDataRec& r) { r.RxFre.Set("044000000"); r.OffsetDir = 2; r.OffsetFre.Set("000500000"); },
         chedit::TxFreq, -1, "445.00000"},
        {"direction 0 ignores the offset",
         [](FreDataRec& r) { r.RxFre.Set("044000000"); r.OffsetDir = 0; r.OffsetFre.Set("000500000"); }, chedit::TxFreq,
         -1, "440.00000"},
        {"offset", [](FreDataRec& r) { r.OffsetFre.Set("000500000"); }, chedit::OffsetFreq, -1, "5.00000"},
        {"RX", [](FreDataRec& r) { r.RxFre.Set("046256250"); }, chedit::RxFreq, -1, "462.56250"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Make(3);
        c.edit(Rec(3));
        Open(ListMemory, 3);
        if (c.index >= 0) {
            EXPECT_EQ(C(c.control).index, c.index);
        }
        if (c.text) {
            EXPECT_EQ(C(c.control).text, c.text);
        }
        EXPECT_TRUE(Messages().empty());
        ASSERT_TRUE(DeleteFreData(d, 3));
    }
}

TEST_F(ChEditLoad, PowerAboveLowIsClearedInTheBufferOnly) {
    Rec(1).Power = 3;
    Open(ListMemory, 1);
    EXPECT_EQ(d.EditFreData.Power, 0);
    EXPECT_EQ(Rec(1).Power, 3);
}

TEST_F(ChEditLoad, NameBoxesShowOneCharacterEach) {
    Rec(1).Name.Set(std::string("AB\xE9") + std::string(1, '\0') + "X");
    Open(ListMemory, 1);
    EXPECT_EQ(C(chedit::EntryBoxes[2]).text, "A");
    EXPECT_EQ(C(chedit::EntryBoxes[3]).text, "B");
    EXPECT_EQ(C(chedit::EntryBoxes[4]).text, "\xC3\xA9");  // Latin-1 shown as UTF-8
    for (int i = 5; i <= 7; ++i) EXPECT_EQ(C(chedit::EntryBoxes[i]).text, "");
}

TEST_F(ChEditLoad, ExclusiveTicksAndPttIdsAsStored) {
    FreDataRec& r = Rec(1);
    r.Reverse = 1;
    r.TalkAround = 1;
    r.DTMFPttID = 2;
    r.Tone5PttID = 3;
    Open(ListMemory, 1);
    EXPECT_EQ(C(chedit::Reverse).value, 0);
    EXPECT_EQ(C(chedit::TalkAround).value, 1);
    EXPECT_EQ(C(chedit::DtmfPttId).index, 0);
    EXPECT_EQ(C(chedit::FiveTonePttId).index, 3);
}

TEST_F(ChEditLoad, TicksShowAnyValueAboveZero) {
    FreDataRec& r = Rec(1);
    r.TxForbid = 5;
    r.ScanSkip = 2;
    r.Compander = -1;
    r.Reverse = 7;
    Open(ListMemory, 1);
    EXPECT_EQ(C(chedit::TxInhibit).value, 1);
    EXPECT_EQ(C(chedit::ScanSkip).value, 1);
    EXPECT_EQ(C(chedit::Compander).value, 0);
    EXPECT_EQ(C(chedit::Reverse).value, 1);
}

TEST_F(ChEditLoad, SignallingShowsItsCodeList) {
    auto& t2 = d.Tone2Data();
    for (auto& e : t2.Encodes) e.Empty = 1;
    t2.Encodes[2].Empty = 0;
    t2.Encodes[6].Empty = 0;
    d.WorkData.MSKData.Groups[4].Valid = 1;
    struct Case {
        const char* name;
        int optSig, code;
        const char* list;
        const char* sigText;
        const char* codeText;
        bool decodeEnabled;
    };
    const Case cases[] = {
        {"DTMF code 7 is M8", 1, 7, chedit::DtmfCode, "DTMF", "M8", false},
        {"two-tone entry 6", 2, 6, chedit::TwoToneCode, "2Tone", "6", true},
        {"a two-tone entry gone shows the first", 2, 5, chedit::TwoToneCode, "2Tone", "2", true},
        {"MSK on a model without it", 4, 4, chedit::MskGroup, "OFF", "4", false},
        {"none", 0, 0, nullptr, "OFF", nullptr, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        FreDataRec& r = Rec(1);
        r.OptSig = static_cast<Integer>(c.optSig);
        r.DTMFCode = r.Tone2Code = r.MSKGroup = static_cast<Integer>(c.code);
        Open(ListMemory, 1);
        EXPECT_EQ(C(chedit::Signalling).text, c.sigText);
        for (const char* list : {chedit::DtmfCode, chedit::TwoToneCode, chedit::FiveToneCode, chedit::MskGroup})
            EXPECT_EQ(C(list).visible, c.list && std::string(list) == c.list) << list;
        if (c.codeText) {
            EXPECT_EQ(C(c.list).text, c.codeText);
        }
        EXPECT_EQ(C(chedit::TwoToneDecode).enabled, c.decodeEnabled);
        EXPECT_FALSE(C(chedit::PttIdOn).visible);
    }
}

TEST_F(ChEditLoad, AnEmptyTwoToneListShowsNoSelection) {
    for (auto& e : d.Tone2Data().Encodes) e.Empty = 1;
    Rec(1).OptSig = 2;
    Open(ListMemory, 1);
    EXPECT_TRUE(C(chedit::TwoToneCode).visible);
    EXPECT_EQ(C(chedit::TwoToneCode).index, -1);
}

TEST_F(ChEditLoad, PresetsLockTheirFieldsByTag) {
    struct Case {
        int kind;
        std::vector<std::string> locked, open;
    };
    const std::vector<std::string> fixed = {
        chedit::RxFreq, chedit::RxLabel, chedit::TxFreq, chedit::TxLabel, chedit::EntryBoxes[2],
        chedit::NameLabel, chedit::Step, chedit::StepLabel, chedit::Bandwidth, chedit::Power,
        chedit::PowerLabel, chedit::TxInhibit, chedit::Reverse, chedit::TalkAround};
    const std::vector<std::string> free = {
        chedit::DecodeType, chedit::Signalling, chedit::SqlModes, chedit::DtmfPttId, chedit::FiveTonePttId,
        chedit::BusyLock, chedit::SqlLevel, chedit::OwnCtcss, chedit::OwnCtcssLabel, chedit::DecodeTypeLabel};
    auto with = [](std::vector<std::string> v, std::initializer_list<std::string> more) {
        v.insert(v.end(), more);
        return v;
    };
    const Case cases[] = {
        {ListGMRS, fixed, with(free, {chedit::EncodeType, chedit::ScanSkip})},
        {ListMURS, fixed, with(free, {chedit::EncodeType, chedit::EncodeTypeLabel, chedit::ScanSkip})},
        {ListWeather, with(fixed, {chedit::EncodeType, chedit::EncodeTypeLabel, chedit::ScanSkip}), free},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.kind);
        // An encode tone shown, so its list is there to be locked.
        d.WorkData.WXFreData[0].EnCTCType = 1;
        d.WorkData.GMRSFreData[0].EnCTCType = 1;
        d.WorkData.MURSFreData[0].EnCTCType = 1;
        Open(c.kind, 1);
        for (const auto& name : c.locked) EXPECT_FALSE(C(name).enabled) << name;
        for (const auto& name : c.open) EXPECT_TRUE(C(name).enabled) << name;
        EXPECT_EQ(C(chedit::EncodeCtcss).enabled, c.kind != ListWeather);
        EXPECT_FALSE(C(chedit::Banks).visible);
        EXPECT_EQ(C(chedit::RxFreq).text, DataToFreStr(d, d.EditFreData.RxFre.Trim()));
    }
}

// The report's load: no window, the same steps, no radio data changed.
TEST_F(ChEditLoad, HiddenLoadFillsTheReportsCaptionsAndLists) {
    struct Case {
        int language, kind;
        const char* label2_13;
        const char* check4_1;
        const char* power0;
        const char* sql4;
    };
    const Case cases[] = {
        {LangEnglish, ListMemory, "Busy Lock", "Talk Around", "High", "CTCSS/DCS or Optional Signal"},
        {LangEnglish, ListGMRS, "Busy Lock", "Talk Around", "High", "CTCSS/DCS or Optional Signal"},
        {LangChinese, ListMemory, "遇忙禁发", "脱网", "高", "亚音或可选信令"},
        {LangChinese, ListWeather, "遇忙禁发", "脱网", "高", "亚音或可选信令"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.language) + "/" + std::to_string(c.kind));
        SetLanguageIndex(d, c.language);
        const RadioDataRec work = d.WorkData;
        const auto fre = d.FreData;
        Open(c.kind, 0);  // EditChannelNo as after start-up
        EXPECT_EQ(d.WorkData, work);
        EXPECT_EQ(d.FreData, fre);
        EXPECT_FALSE(IsDataChanged(d));
        EXPECT_EQ(d.EditFreData.RxFre.Raw(), "FFFFFFFFF");
        EXPECT_EQ(C(chedit::BusyLockLabel).text, c.label2_13);
        EXPECT_EQ(C(chedit::TalkAround).text, c.check4_1);
        EXPECT_EQ(Items(chedit::Power)[0], c.power0);
        EXPECT_EQ(Items(chedit::AllSqlModes)[4], c.sql4);
        EXPECT_FALSE(C(chedit::DecodeTypeLabel).text.empty());
        EXPECT_FALSE(C(chedit::EncodeTypeLabel).text.empty());
        for (const char* caption : {chedit::NameLabel, chedit::SignallingLabel, chedit::DecodeTypeLabel,
                                    chedit::ScramblerLabel, chedit::DtmfPttIdLabel, chedit::FiveTonePttIdLabel,
                                    chedit::SqlModesLabel, chedit::EncodeTypeLabel, chedit::BusyLockLabel,
                                    chedit::TxInhibit, chedit::Reverse, chedit::TalkAround, chedit::Compander,
                                    chedit::ScanSkip})
            EXPECT_FALSE(C(caption).text.empty()) << caption;
        for (const char* list : {chedit::OffsetDir, chedit::Step, chedit::Bandwidth, chedit::Power, chedit::Scrambler,
                                 chedit::DtmfPttId, chedit::FiveTonePttId, chedit::AllSqlModes, chedit::BusyLock}) {
            EXPECT_FALSE(Items(list).empty()) << list;
            for (const auto& item : Items(list)) EXPECT_FALSE(item.empty()) << list;
        }
        EXPECT_EQ(Items(chedit::Scrambler).size(), 2u);
        EXPECT_EQ(Items(chedit::DtmfPttId).size(), 4u);
        EXPECT_EQ(Items(chedit::BusyLock).size(), 3u);
        EXPECT_TRUE(Messages().empty());
    }
}

TEST_F(ChEditLoad, HiddenLoadOnAPositionBeyondThePresetList) {
    const RadioDataRec work = d.WorkData;
    Open(ListMURS, 6);
    EXPECT_EQ(d.WorkData, work);
    EXPECT_EQ(C(chedit::RxFreq).text, "");
    Open(ListGMRS, 23);
    EXPECT_EQ(C(chedit::RxFreq).text, "462.72500");
}

TEST_F(ChEditLoad, TagsAreTheControlsState) {
    FrmCHEdit f(d, main);
    EXPECT_EQ(f.C(chedit::TxInhibit).tag, "TXForbit");
    EXPECT_EQ(f.C(chedit::TalkAround).tag, "TalkOff");
    EXPECT_EQ(f.C(chedit::Signalling).tag, "OPT_Signal");
    EXPECT_EQ(f.C(chedit::OwnCtcss).tag, "Define_CTCSS");
    EXPECT_EQ(f.C(chedit::FiveTonePttIdLabel).tag, "5Tone_PTT");
    EXPECT_EQ(f.C(chedit::TwoToneDecode).tag, "OPT_Signal_Decode");
    EXPECT_EQ(f.C(chedit::Banks).tag, "Bank");
    EXPECT_EQ(f.C(chedit::OffsetDir).tag, "");
    // The never-shown controls exist.
    for (const char* name : {chedit::OffsetFreq, chedit::OffsetDir, chedit::PttIdOn, chedit::Scrambler,
                             chedit::AllSqlModes, chedit::ExtraDisplay, chedit::Compander, chedit::PttIdDecode,
                             chedit::PttIdCode, chedit::PttIdCodeLabel, chedit::AllSqlModesLabel})
        EXPECT_FALSE(f.C(name).visible) << name;
}
