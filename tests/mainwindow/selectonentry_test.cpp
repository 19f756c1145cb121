// Which text boxes select their whole text as the focus comes, as each
// window's form declares it (ControlState::selectOnEntry), box by box: the
// boxes that did before the declaration (a SelectAllLineEdit in the shell:
// OnFocus; a GotFocus request: OnArrival; a floating editor added with
// SelectOnOpen: OnCellOpen) and no other control.
#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "channels/frmchbatch.h"
#include "channels/frmchbatchcontrols.h"
#include "channels/frmchedit.h"
#include "channels/frmcheditcontrols.h"
#include "fivetone/callbuilder.h"
#include "fivetone/callbuildercontrols.h"
#include "fivetone/frm5tone.h"
#include "fivetone/frm5tonecontrols.h"
#include "fivetone/frm5tonedefts.h"
#include "fivetone/frm5tonedeftscontrols.h"
#include "mainfixture.h"
#include "mainwindow/frmmain.h"
#include "mainwindow/frmmaincontrols.h"
#include "radio/frmtestdata.h"
#include "radio/frmtestdatacontrols.h"
#include "settings/frmcommubook.h"
#include "settings/frmcommubookcontrols.h"
#include "settings/frmoption.h"
#include "settings/frmoptioncontrols.h"
#include "signalling/dtmfcallbuilder.h"
#include "signalling/dtmfcallbuildercontrols.h"
#include "signalling/frm2tone.h"
#include "signalling/frm2tonecontrols.h"
#include "signalling/frmdtmf.h"
#include "signalling/frmdtmfcontrols.h"
#include "signalling/frmmsk.h"
#include "signalling/frmmskcontrols.h"

namespace rp {
namespace {

using Declared = std::map<std::string, SelectOnEntry>;

// Elements first .. last of an array, each declared `how`.
void AddArray(Declared& boxes, const ControlArray& array, int first, int last, SelectOnEntry how) {
    for (int i = first; i <= last; ++i) boxes[array[i]] = how;
}

void ExpectDeclared(const Form& form, const Declared& boxes) {
    SCOPED_TRACE(form.Name());
    for (const auto& [name, how] : boxes) {
        ASSERT_TRUE(form.State().Has(name)) << name;
        EXPECT_EQ(form.State()[name].kind, ControlKind::TextBox) << name;
    }
    for (const std::string& name : form.State().Names()) {
        auto it = boxes.find(name);
        const SelectOnEntry want = it == boxes.end() ? SelectOnEntry::Never : it->second;
        EXPECT_EQ(form.State()[name].selectOnEntry, want) << name;
    }
}

constexpr SelectOnEntry kFocus = SelectOnEntry::OnFocus;
constexpr SelectOnEntry kArrival = SelectOnEntry::OnArrival;
constexpr SelectOnEntry kCellOpen = SelectOnEntry::OnCellOpen;

class SelectOnEntryTable : public ::testing::Test {
protected:
    test::StartedProgram p;
    MainWindowCalls main;
};

TEST_F(SelectOnEntryTable, TheMainWindowsGridEditorsSelectWhenOpenedOnACell) {
    using namespace mainform;
    FrmMain f(p.d);
    ExpectDeclared(f, {{RxBox, kCellOpen}, {TxBox, kCellOpen}, {NameBox, kCellOpen}, {RadioBox, kCellOpen},
                       {AirBandBox, kCellOpen}});
}

TEST_F(SelectOnEntryTable, TheChannelDialogsBoxesSelectOnArrival) {
    using namespace chedit;
    FrmCHEdit f(p.d, main);
    Declared boxes = {{RxFreq, kArrival}, {OffsetFreq, kArrival}, {TxFreq, kArrival}, {PttIdCode, kArrival},
                      {OwnCtcss, kArrival}};
    AddArray(boxes, EntryBoxes, kNameBoxFirst, kNameBoxLast, kArrival);
    ExpectDeclared(f, boxes);
}

TEST_F(SelectOnEntryTable, TheBatchEditorsValueBoxesSelectOnEveryFocus) {
    FrmCHBatch f(p.d);
    Declared boxes = {{chbatch::OwnCtcss, kFocus}};  // not the range boxes
    AddArray(boxes, chbatch::ValueBoxes, 0, 11, kFocus);
    ExpectDeclared(f, boxes);
}

TEST_F(SelectOnEntryTable, TheOptionDialogsBoxesSelectOnArrival) {
    using namespace option;
    FrmOption f(p.d);
    Declared boxes = {{Password, kArrival}, {SwFrequency, kArrival}, {LwFrequency, kArrival}};
    AddArray(boxes, PowerOnBoxes, 0, 11, kArrival);
    ExpectDeclared(f, boxes);
}

TEST_F(SelectOnEntryTable, TheCommunicationBooksEditorSelectsWhenOpenedOnACell) {
    FrmCommuBook f(p.d);
    ExpectDeclared(f, {{commubook::Editor, kCellOpen}});
}

TEST_F(SelectOnEntryTable, TheSignallingDialogsBoxesSelectOnEveryFocus) {
    {
        using namespace twotone;
        Frm2Tone f(p.d);
        Declared boxes = {{ToneEditor, kFocus}, {NameEditor, kFocus}};  // not the decode names
        AddArray(boxes, ToneBoxes, 0, 3, kFocus);
        AddArray(boxes, DecodeTone1Boxes, 0, 15, kFocus);
        AddArray(boxes, DecodeTone2Boxes, 0, 15, kFocus);
        ExpectDeclared(f, boxes);
    }
    FrmDTMF dtmfForm(p.d);
    Declared dtmfBoxes = {{dtmf::OwnId, kFocus}};
    AddArray(dtmfBoxes, dtmf::CodeBoxes, 0, 19, kFocus);
    ExpectDeclared(dtmfForm, dtmfBoxes);
    FrmDTMFCallBuilder builder(p.d, dtmfForm);
    ExpectDeclared(builder, {{dtmfcallbuilder::Target, kFocus}});
    {
        using namespace msk;
        FrmMSK f(p.d);
        ExpectDeclared(f, {{IndividualId, kFocus},
                           {GroupId, kFocus},
                           {InfoCode, kFocus},
                           {GroupName, kFocus},
                           {OwnId, kFocus},
                           {OwnGroupId, kFocus},
                           {Frequency, kFocus}});
    }
}

TEST_F(SelectOnEntryTable, TheFiveToneDialogsBoxesSelectOnEveryFocus) {
    Frm5Tone f(p.d);
    {
        using namespace fivetone;
        ExpectDeclared(f, {{OwnId, kFocus},  // not the tone table
                           {InfoCodeBox, kFocus},
                           {InfoName, kFocus},
                           {PttCodes[0], kFocus},
                           {PttCodes[1], kFocus},
                           {CodeEditor, kFocus},
                           {NameEditor, kFocus}});
    }
    FrmCallBuilder builder(p.d, f);
    ExpectDeclared(builder, {{callbuilder::CalledIds[0], kFocus},
                             {callbuilder::CalledIds[1], kFocus},
                             {callbuilder::Message, kFocus}});
    Frm5ToneDefTS tones(p.d);
    Declared toneBoxes;
    AddArray(toneBoxes, fivetonedefts::ToneBoxes, 0, 15, kFocus);
    ExpectDeclared(tones, toneBoxes);
}

TEST_F(SelectOnEntryTable, TheTestDataBoxesSelectOnEveryFocus) {
    FrmTestData f(p.d);
    Declared boxes;
    AddArray(boxes, testdata::Boxes, 0, FrmTestData::kBoxes - 1, kFocus);
    ExpectDeclared(f, boxes);
}

}  // namespace
}  // namespace rp
