#pragma once
// The channel dialog over a fresh default data set: English language file,
// model KEVRA8R, band 0, recording seams; and the user's actions on the
// form as a shell performs them (the new value in the state, then the
// event).
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "channels/frmchedit.h"
#include "channels/frmcheditcontrols.h"
#include "core/appdata.h"
#include "core/bands.h"
#include "core/channelstore.h"
#include "core/datafiles.h"
#include "core/defaults.h"
#include "core/language.h"
#include "core/messages.h"
#include "core/fakes.h"
#include "channels/formactions.h"
#include "forms/formlanguage.h"

namespace rp::test {

// Records the main window's row redraws.
class RecordingMainCalls : public MainWindowCalls {
public:
    std::vector<std::vector<int>> redraws;  // {type, row, column}
    void ReShowGrid(int type, int row, int col) override { redraws.push_back({type, row, col}); }
};

class ChEditTest : public ::testing::Test, public FormActions {
public:
    AppData d;
    RecordingNotifier notes;
    RecordingListener view;
    LanguageFileTexts texts{d};
    RecordingMainCalls main;
    std::unique_ptr<FrmCHEdit> f;

    void SetUp() override {
        d.Ui.Notify = &notes;
        d.Ui.View = &view;
        d.Ui.Texts = &texts;
        d.AppFolder = RP_SOURCE_DIR;  // the shipped language files
        SetLanguageIndex(d, LangEnglish);
        InitMessageTexts(d);
        d.CurModel = "KEVRA8R";
        SetBand(0);
        d.SkipInitFile = true;
        InitAllData(d);  // channels 1, 2, 201..206 and the presets
        CopyWorkDataToFileCopy(d);
    }

    void SetBand(int band) {
        d.CurBandIndex = static_cast<Integer>(band);
        d.CurBandText = GetFreqRangeText(band);
        ASSERT_TRUE(ParseBandRanges(d));
    }

    // Opens the dialog for channel (or preset position) n of list kind.
    FrmCHEdit& Open(int kind, int n) {
        d.ShowListType = static_cast<Integer>(kind);
        d.EditChannelNo = static_cast<Integer>(n);
        f = std::make_unique<FrmCHEdit>(d, main);
        f->Form_Load();
        return *f;
    }

    FreDataRec& Rec(int n) { return d.FreData[static_cast<std::size_t>(FindFreDataIndex(d, n))]; }
    // Appends a memory channel at 440 MHz (its default bank joined).
    void Make(int n) { ASSERT_TRUE(AddFreDataByFre(d, n, "440")) << n; }

    // ---- the user's actions (more in FormActions) ----
    // A tick in the bank list, as the shell reports it.
    void TickBank(int item, bool on) {
        C(chedit::Banks).selected[static_cast<std::size_t>(item)] = on;
        f->ItemCheck(chedit::Banks, item);
        f->Click(chedit::Banks);
    }
    // The user brings the focus to a control (GotFocus); a box declared to
    // select its text on arrival does so, as the binder does.
    void Focus(const std::string& control) {
        FormActions::Focus(control);
        selected = C(control).selectOnEntry == SelectOnEntry::OnArrival ? control : "";
    }
    // One typed character: the key filter, the character into the box
    // (replacing a selection made on arrival), then the move the form asked
    // for after the key, which the binder makes as the form's own: no
    // GotFocus, no selection.
    void TypeKey(int key) {
        const std::string box = f->State().focus;
        int k = key;
        f->KeyPress(box, k);
        if (k == 0) return;
        ControlState& c = C(box);
        std::string text = selected == box ? "" : c.text;
        selected.clear();
        if (k == 8) {
            if (!text.empty()) text.pop_back();
        } else if (c.max == 0 || static_cast<int>(text.size()) < c.max) {
            text += static_cast<char>(k);
        }
        SetText(box, text);
        if (!f->State().focusAfterKey.empty()) {
            const std::string from = f->State().focusAfterKey;
            f->State().focusAfterKey.clear();
            f->FocusOnFrom(from);
        }
    }
    // The box whose whole text is selected ("" none).
    std::string selected;
    // The control the focus moves to from `control` (as Enter or Tab).
    std::string Next(const std::string& control) {
        const std::string keep = f->State().focus;
        f->FocusNext(control);
        std::string next = f->State().focus;
        f->State().focus = keep;
        return next;
    }

    std::vector<std::string> Items(const std::string& list) { return C(list).items; }
    std::vector<std::string> Messages() const { return notes.Texts(); }
    std::string OutOfBand() { return GetLanguageString(d, 2001); }

protected:
    Form& ActedOn() override { return *f; }
};

}  // namespace rp::test
