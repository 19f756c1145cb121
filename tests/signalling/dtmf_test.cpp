// The DTMF dialog and its special-call builder, without widgets.
#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <ostream>

#include "formdriver.h"
#include "formhostfake.h"
#include "signalling/frmdtmf.h"
#include "signalling/frmdtmfcontrols.h"
#include "signalling/dtmfcallbuilder.h"
#include "signalling/dtmfcallbuildercontrols.h"
#include "signallingfixture.h"

using namespace rp;
using namespace rp::test;

namespace {

class DtmfForm : public SignallingTest {
protected:
    DTMFDataRec& rec() { return d.DTMFData(); }

    std::unique_ptr<FrmDTMF> Open() {
        auto f = std::make_unique<FrmDTMF>(d);
        f->Form_Load();
        return f;
    }
    static void SetCode(DTMFCodeRec& c, const char* code) {
        c.Code.Set(code);
        c.CodeLen = static_cast<Integer>(std::string(code).size());
    }
    static void SetCode(DTMFKillCodeRec& c, const char* code) {
        c.Code.Set(code);
        c.CodeLen = static_cast<Integer>(std::string(code).size());
    }
};

TEST_F(DtmfForm, StateAfterLoadAlone) {
    auto f = Open();
    const FormState& s = f->State();
    EXPECT_EQ(s.caption, "DTMF");
    EXPECT_EQ(s[dtmf::SettingCaptions[1]].text, "ANI");
    EXPECT_EQ(s[dtmf::SettingCaptions[4]].text, "Own ID");
    EXPECT_EQ(s[dtmf::SettingCaptions[12]].text, "Pause Time");
    EXPECT_EQ(s[dtmf::SideTone].text, "Side Tone");
    EXPECT_EQ(s[dtmf::CodeCaptions[0]].text, "M1");
    EXPECT_EQ(s[dtmf::CodeCaptions[15]].text, "M16");
    EXPECT_EQ(s[dtmf::CodeCaptions[16]].text, "PTT-ID Begin Code");
    EXPECT_EQ(s[dtmf::CodeCaptions[19]].text, "Remote Stun");
    EXPECT_EQ(s[kOKButton].text, "OK");
    EXPECT_EQ(s[dtmf::SpecialButton].text, "Special Call");
    // Hidden but loaded: the report prints the ANI list.
    EXPECT_FALSE(s[dtmf::Ani].visible);
    EXPECT_FALSE(s[dtmf::PttIdMode].visible);
    EXPECT_FALSE(s[dtmf::SettingCaptions[3]].visible);
    EXPECT_EQ(s[dtmf::Ani].text, "Off");
    EXPECT_EQ(s[dtmf::PttIdMode].text, "Both");
    EXPECT_EQ(s[dtmf::SendTime].items, (std::vector<std::string>{"50ms", "100ms", "200ms", "300ms", "500ms"}));
    EXPECT_EQ(s[dtmf::SendTime].text, "100ms");
    EXPECT_EQ(s[dtmf::Separator].text, "*");
    EXPECT_EQ(s[dtmf::GroupCode].items.size(), 7u);
    EXPECT_EQ(s[dtmf::GroupCode].text, "A");
    EXPECT_EQ(s[dtmf::FirstDigitDelay].items.size(), 251u);
    EXPECT_EQ(s[dtmf::FirstDigitDelay].items.back(), "2500");
    EXPECT_EQ(s[dtmf::PreSendDelay].items.size(), 250u);
    EXPECT_EQ(s[dtmf::PreSendDelay].text, "200");
    EXPECT_EQ(s[dtmf::ResetTime].items[250], "25.0");
    EXPECT_EQ(s[dtmf::ResetTime].text, "0.0");
    EXPECT_EQ(s[dtmf::PauseTime].items.size(), 72u);
    EXPECT_EQ(s[dtmf::PauseTime].text, "10");
    EXPECT_EQ(s[dtmf::OwnId].text, "000");
    EXPECT_EQ(f->CurDTMFEditID, 0);
    EXPECT_FALSE(s[dtmf::OkTimer].enabled);
    EXPECT_EQ(s[dtmf::CodeBoxes[18]].max, 14);
    EXPECT_EQ(s[dtmf::CodeBoxes[17]].max, 24);
}

// Stored values, what the controls show, and the record left as it was by
// Cancel and by a load without a window.
struct LoadCase {
    const char* name;
    std::function<void(DTMFDataRec&)> stored;
    std::function<void(const FormState&)> check;
};
void PrintTo(const LoadCase& c, std::ostream* os) { *os << c.name; }

class DtmfLoad : public DtmfForm, public ::testing::WithParamInterface<LoadCase> {};

TEST_P(DtmfLoad, ShowsRepairedValuesAndLeavesTheRecord) {
    GetParam().stored(rec());
    const auto before = Bytes(rec());
    {
        FrmDTMF hidden(d);  // the report's load
        hidden.Form_Load();
        GetParam().check(hidden.State());
    }
    EXPECT_EQ(Bytes(rec()), before);
    auto f = Open();
    Press(*f, kCancelButton);
    EXPECT_TRUE(f->unloadRequested);
    EXPECT_EQ(Bytes(rec()), before);
}

const LoadCase kLoadCases[] = {
    {"above range",
     [](DTMFDataRec& r) {
         r.ANI = 7, r.SendTime = 9, r.Separator = 9, r.GroupCode = 3, r.DecodeResponse = 3;
         r.FirstDigitDelay = 300, r.PreSendDelay = 0, r.PauseTime = 80, r.SideTone = 5;
     },
     [](const FormState& s) {
         EXPECT_EQ(s[dtmf::Ani].text, "Off");
         EXPECT_EQ(s[dtmf::SendTime].text, "50ms");
         EXPECT_EQ(s[dtmf::Separator].text, "*");
         EXPECT_EQ(s[dtmf::GroupCode].text, "Off");
         EXPECT_EQ(s[dtmf::DecodeResponse].text, "None");
         EXPECT_EQ(s[dtmf::FirstDigitDelay].text, "0");
         EXPECT_EQ(s[dtmf::PreSendDelay].text, "10");
         EXPECT_EQ(s[dtmf::PauseTime].text, "Off");
         EXPECT_EQ(s[dtmf::SideTone].value, 0);
     }},
    {"negative",
     [](DTMFDataRec& r) {
         r.ANI = -1, r.SendTime = -1, r.PttIDMode = -1, r.DecodeResponse = -2;
         r.FirstDigitDelay = -1, r.SideTone = -1, r.ResetTime = -5;
         r.MemCodes[2].Code.Set("123");
         r.MemCodes[2].CodeLen = -3;
     },
     [](const FormState& s) {
         EXPECT_EQ(s[dtmf::Ani].index, 0);
         EXPECT_EQ(s[dtmf::SendTime].index, 0);
         EXPECT_EQ(s[dtmf::PttIdMode].index, 0);
         EXPECT_EQ(s[dtmf::DecodeResponse].index, 0);
         EXPECT_EQ(s[dtmf::FirstDigitDelay].index, 0);
         EXPECT_EQ(s[dtmf::ResetTime].text, "0.0");
         EXPECT_EQ(s[dtmf::SideTone].value, 0);
         EXPECT_EQ(s[dtmf::CodeBoxes[2]].text, "");
     }},
    {"code length beyond the text",
     [](DTMFDataRec& r) {
         r.MemCodes[0].Code.Set("12E");
         r.MemCodes[0].CodeLen = 40;
         r.StunCode.Code.Set("99F");
         r.StunCode.CodeLen = 2;
     },
     [](const FormState& s) {
         EXPECT_EQ(s[dtmf::CodeBoxes[0]].text, "12*");
         EXPECT_EQ(s[dtmf::CodeBoxes[19]].text, "99");
     }},
    {"group code off", [](DTMFDataRec& r) { r.GroupCode = 255; },
     [](const FormState& s) {
         EXPECT_EQ(s[dtmf::GroupCode].index, 0);
         EXPECT_EQ(s[dtmf::GroupCode].text, "Off");
     }},
    {"own ID 5", [](DTMFDataRec& r) { r.OwnID.Set("5"); },
     [](const FormState& s) { EXPECT_EQ(s[dtmf::OwnId].text, "500"); }},
    {"own ID 1A", [](DTMFDataRec& r) { r.OwnID.Set("1A"); },
     [](const FormState& s) { EXPECT_EQ(s[dtmf::OwnId].text, "000"); }},
    {"own ID with a leading blank", [](DTMFDataRec& r) { r.OwnID.Set(" 12"); },
     [](const FormState& s) { EXPECT_EQ(s[dtmf::OwnId].text, "000"); }},
    {"own ID of NULs", [](DTMFDataRec& r) { r.OwnID.Clear(); },
     [](const FormState& s) { EXPECT_EQ(s[dtmf::OwnId].text, "000"); }},
};
INSTANTIATE_TEST_SUITE_P(Cases, DtmfLoad, ::testing::ValuesIn(kLoadCases));

TEST_F(DtmfForm, OKStoresWhatTheControlsShow) {
    rec().GroupCode = 255;
    rec().PreSendDelay = 0;
    rec().PauseTime = 80;
    rec().ANI = 1;
    auto f = Open();
    Pick(*f, dtmf::SendTime, 3);
    Type(*f, dtmf::CodeBoxes[4], "12a*#");
    Type(*f, dtmf::CodeBoxes[16], "9");
    f->C(dtmf::SideTone).value = 1;
    Press(*f, kOKButton);
    EXPECT_TRUE(f->unloadRequested);
    EXPECT_TRUE(notes.shown.empty());
    EXPECT_EQ(rec().GroupCode, 255);
    EXPECT_EQ(rec().PreSendDelay, 1);
    EXPECT_EQ(rec().PauseTime, 0);
    EXPECT_EQ(rec().ANI, 1);       // the hidden list is carried through
    EXPECT_EQ(rec().PttIDMode, 3);
    EXPECT_EQ(rec().SendTime, 3);
    EXPECT_EQ(rec().SideTone, 1);
    EXPECT_EQ(rec().MemCodes[4].Code.Trim(), "12AEF");
    EXPECT_EQ(rec().MemCodes[4].CodeLen, 5);
    EXPECT_EQ(rec().BeginCode.Code.Trim(), "9");
    EXPECT_EQ(rec().OwnID.Raw(), "000");
}

TEST_F(DtmfForm, SeparatorPickRewritesTheOwnIDsCalls) {
    rec().OwnID.Set("456");
    SetCode(rec().MemCodes[0], "123E456");
    SetCode(rec().MemCodes[1], "E456");
    SetCode(rec().MemCodes[2], "123E789");
    SetCode(rec().EndCode, "555E456");
    SetCode(rec().KillCode, "E456");
    SetCode(rec().StunCode, "123E456");
    auto f = Open();
    Pick(*f, dtmf::Separator, 5);  // "#"
    EXPECT_EQ(f->C(dtmf::CodeBoxes[0]).text, "123#456");
    EXPECT_EQ(f->C(dtmf::CodeBoxes[1]).text, "#456");
    EXPECT_EQ(f->C(dtmf::CodeBoxes[2]).text, "123*789");
    EXPECT_EQ(f->C(dtmf::CodeBoxes[17]).text, "555#456");
    EXPECT_EQ(f->C(dtmf::CodeBoxes[18]).text, "*456");
    EXPECT_EQ(f->C(dtmf::CodeBoxes[19]).text, "123*456");
}

TEST_F(DtmfForm, OwnIDDepartureExtendsAndRewrites) {
    rec().OwnID.Set("456");
    SetCode(rec().MemCodes[0], "123E456");
    SetCode(rec().MemCodes[1], "E456");
    SetCode(rec().MemCodes[2], "123F456");
    auto f = Open();
    Type(*f, dtmf::OwnId, "1x2");
    EXPECT_EQ(f->C(dtmf::OwnId).text, "12");
    Focus(*f, dtmf::CodeBoxes[5]);
    EXPECT_EQ(f->C(dtmf::OwnId).text, "120");
    EXPECT_EQ(f->C(dtmf::CodeBoxes[0]).text, "123*120");
    EXPECT_EQ(f->C(dtmf::CodeBoxes[1]).text, "*120");
    EXPECT_EQ(f->C(dtmf::CodeBoxes[2]).text, "123#456");
    // An emptied box becomes 000.
    Type(*f, dtmf::OwnId, "");
    Focus(*f, dtmf::DecodeResponse);
    EXPECT_EQ(f->C(dtmf::OwnId).text, "000");
}

TEST_F(DtmfForm, OKRunsTheOwnIDDepartureWhenTheBoxHasTheFocus) {
    auto f = Open();
    Type(*f, dtmf::OwnId, "7");
    f->Click(kOKButton);  // no focus move, as with a shortcut
    EXPECT_EQ(rec().OwnID.Raw(), "700");
}

TEST_F(DtmfForm, EqualKillAndStunAreRefused) {
    auto f = Open();
    const auto before = Bytes(rec());
    Type(*f, dtmf::CodeBoxes[18], "123");
    Type(*f, dtmf::CodeBoxes[19], "123");
    Type(*f, dtmf::CodeBoxes[0], "55");
    Press(*f, kOKButton);
    ASSERT_EQ(notes.shown.size(), 1u);
    EXPECT_EQ(notes.shown[0].text, "The kill code and the stun code must not be the same.");
    EXPECT_EQ(notes.shown[0].buttons, MsgButtons::Ok);
    EXPECT_FALSE(f->unloadRequested);
    EXPECT_EQ(f->State().focus, dtmf::CodeBoxes[18]);
    EXPECT_EQ(f->CurDTMFEditID, 18);
    EXPECT_EQ(Bytes(rec()), before);
}

TEST_F(DtmfForm, KillAndStunSteppedAtOK) {
    auto f = Open();
    Type(*f, dtmf::OwnId, "123");
    Type(*f, dtmf::CodeBoxes[18], "123");
    Type(*f, dtmf::CodeBoxes[19], "124");
    Press(*f, kOKButton);
    EXPECT_TRUE(f->unloadRequested);
    EXPECT_EQ(rec().KillCode.Code.Trim(), "124");
    EXPECT_EQ(rec().StunCode.Code.Trim(), "125");
    EXPECT_EQ(rec().OwnID.Raw(), "123");
}

// The builder, driven through the opener as the shell would show it.
class DtmfBuilder : public DtmfForm {
protected:
    int opened = 0;
    std::function<void(FrmDTMFCallBuilder&)> user = [](FrmDTMFCallBuilder& b) { b.Click(kOKButton); };
    test::FakeHost host{true};  // the builder loaded, as its window shows it

    std::unique_ptr<FrmDTMF> OpenWithBuilder() {
        auto f = Open();
        host.onOpen = [this](Form& b) {
            ++opened;
            EXPECT_EQ(b.State().caption, "DTMF Special Call");
            user(static_cast<FrmDTMFCallBuilder&>(b));
        };
        f->SetHost(&host);
        return f;
    }
};

TEST_F(DtmfBuilder, StateAfterLoad) {
    auto f = Open();
    FrmDTMFCallBuilder b(d, *f);
    b.Form_Load();
    EXPECT_EQ(b.C(dtmfcallbuilder::CallTypeCaption).text, "Call Type");
    EXPECT_EQ(b.C(dtmfcallbuilder::TargetCaption).text, "Called ID");
    EXPECT_EQ(b.C(dtmfcallbuilder::CallType).items, std::vector<std::string>{"ANI"});
    EXPECT_EQ(b.C(dtmfcallbuilder::CallType).index, 0);
    EXPECT_TRUE(b.C(dtmfcallbuilder::TargetFrame).visible);
    EXPECT_EQ(b.C(dtmfcallbuilder::Target).text, "000");
    EXPECT_EQ(b.C(dtmfcallbuilder::Target).max, 3);
    EXPECT_EQ(b.C(kCancelButton).text, "Cancel");
}

TEST_F(DtmfBuilder, PutsTheCodeIntoTheLastFocusedBox) {
    rec().OwnID.Set("456");
    auto f = OpenWithBuilder();
    Pick(*f, dtmf::Separator, 5);
    Focus(*f, dtmf::CodeBoxes[5]);
    user = [](FrmDTMFCallBuilder& b) {
        Type(b, dtmfcallbuilder::Target, "12");
        Press(b, kOKButton);
        EXPECT_TRUE(b.unloadRequested);
    };
    Press(*f, dtmf::SpecialButton);
    EXPECT_EQ(opened, 1);
    EXPECT_EQ(f->C(dtmf::CodeBoxes[5]).text, "120#456");
}

TEST_F(DtmfBuilder, WithoutAFocusedCodeBoxTheCodeGoesIntoM1) {
    auto f = OpenWithBuilder();
    Press(*f, dtmf::SpecialButton);
    EXPECT_EQ(f->C(dtmf::CodeBoxes[0]).text, "000*000");
}

TEST_F(DtmfBuilder, ReadsTheOwnIDExtendedOnLeavingItsBox) {
    auto f = OpenWithBuilder();
    Focus(*f, dtmf::CodeBoxes[16]);
    Type(*f, dtmf::OwnId, "4");
    Press(*f, dtmf::SpecialButton);
    EXPECT_EQ(f->C(dtmf::CodeBoxes[16]).text, "000*400");
    // The same when the click comes without a focus move.
    Focus(*f, dtmf::CodeBoxes[3]);
    Type(*f, dtmf::OwnId, "7");
    f->Click(dtmf::SpecialButton);
    EXPECT_EQ(f->C(dtmf::CodeBoxes[3]).text, "000*700");
}

TEST_F(DtmfBuilder, OpensNothingForKillAndStun) {
    auto f = OpenWithBuilder();
    for (const std::string& box : {dtmf::CodeBoxes[18], dtmf::CodeBoxes[19]}) {
        Focus(*f, box);
        Press(*f, dtmf::SpecialButton);
    }
    EXPECT_EQ(opened, 0);
    Focus(*f, dtmf::CodeBoxes[17]);
    Press(*f, dtmf::SpecialButton);
    EXPECT_EQ(opened, 1);
}

TEST_F(DtmfBuilder, CancelLeavesTheBox) {
    auto f = OpenWithBuilder();
    Type(*f, dtmf::CodeBoxes[2], "99");
    user = [](FrmDTMFCallBuilder& b) {
        Type(b, dtmfcallbuilder::Target, "5");
        Press(b, kCancelButton);
        EXPECT_TRUE(b.unloadRequested);
    };
    Press(*f, dtmf::SpecialButton);
    EXPECT_EQ(f->C(dtmf::CodeBoxes[2]).text, "99");
}

TEST_F(DtmfBuilder, TargetIsExtendedOnLeavingItsBox) {
    auto f = Open();
    FrmDTMFCallBuilder b(d, *f);
    b.Form_Load();
    Type(b, dtmfcallbuilder::Target, "5a");
    EXPECT_EQ(b.C(dtmfcallbuilder::Target).text, "5");
    Focus(b, dtmfcallbuilder::CallType);
    EXPECT_EQ(b.C(dtmfcallbuilder::Target).text, "500");
}

}  // namespace
