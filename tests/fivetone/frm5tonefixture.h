#pragma once
// The five-tone dialog without a window: a dialog loaded over the fresh
// program state of FiveToneTest, a host that keeps the dialogs it opens,
// and the shell's moves (a cell entered, a key, the own-ID box left).
#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>

#include "fivetone/frm5tone.h"
#include "fivetone/frm5tonecontrols.h"
#include "fivetonefixture.h"
#include "forms/formhost.h"

namespace rp::test {

// Keeps the dialog the form opened, loaded, as a modal shell would while it is open.
struct FakeOpener : FormHost {
    std::unique_ptr<Form> dialog;
    std::function<void()> closed;
    int opened = 0;
    void Open(std::unique_ptr<Form> dlg, std::function<void()> whenClosed) override {
        dlg->Form_Load();
        dialog = std::move(dlg);
        closed = std::move(whenClosed);
        ++opened;
    }
};

inline void SetCode(Tone5CodeRec& c, const std::string& code, int standard = 0, int time = 70) {
    c.Empty = 0;
    c.Code.Set(code);
    c.CodeLen = static_cast<Byte>(code.size());
    c.Standard = static_cast<Byte>(standard);
    c.ToneTime = static_cast<Byte>(time);
}

class FiveToneDialog : public FiveToneTest {
protected:
    Tone5DataRec& Live() { return d.WorkData.SetData.Tone5Data; }
    Tone5DataRec& Edit() { return d.SetDataEdit.Tone5Data; }

    std::unique_ptr<Frm5Tone> Load() {
        auto f = std::make_unique<Frm5Tone>(d);
        f->SetHost(&opener);
        f->Form_Load();
        return f;
    }
    // The shell's move to a cell: the current cell changes, then the entry steps.
    static void Enter(Frm5Tone& f, int row, int col) {
        f.Grid().row = row;
        f.Grid().col = col;
        f.MSHFlexGrid1_EnterCell();
    }
    static void Key(Form& f, const std::string& control, int key) { f.KeyPress(control, key); }
    // Leaving the own-ID box for `next`, as the shell reports a focus change.
    static bool LeaveOwnId(Frm5Tone& f, const std::string& id, const std::string& next = fivetone::SystemStandard) {
        f.GotFocus(fivetone::OwnId);
        f.C(fivetone::OwnId).text = id;
        bool ok = f.LostFocus(fivetone::OwnId, next);
        if (ok) f.GotFocus(next);
        return ok;
    }

    FakeOpener opener;
};

}  // namespace rp::test
