#pragma once
// FrmCHBatch, the batch channel editor: a range of memory channels changed
// in one Apply by the batch functions the user has chosen.
//
// The dialog has a range area, two panels in one place (the value panel
// with a row of inputs per function, the selection panel with the 21
// choice boxes) and the Apply and Close buttons. The form holds every
// control's state by name (its control table is channels/frmchbatchcontrols.h),
// the never-visible ones included (the compander's boxes, the scrambler row,
// the MSK group list and the own-ID row). Each choice box rewrites the
// batch-function file at once (channels/batchfun.h); Apply itself works
// without widgets (channels/batchapply.h).
#include <array>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "channels/batchapply.h"
#include "core/appdata.h"
#include "forms/controls.h"
#include "forms/formstate.h"

namespace rp {

// The controls of batch function i's row (0..20), those never shown
// included; the MSK group list (function 8) among them.
const std::vector<std::string>& BatchRowControls(int function);

// Controls that lie outside the dialog or are hidden in its design and that
// nothing shows: the compander's boxes, the scrambler row, the MSK group
// list and the own-ID row.
bool IsBatchNeverShown(std::string_view control);

// The printable characters a text box takes: digits in the range boxes,
// the tone steps and the ID boxes; digits and "." in the frequency, offset,
// step and custom-CTCSS boxes; letters and digits in the name box; "" for
// any other control.
std::string BatchAllowedChars(std::string_view control);

// The controls in tab order (Enter in a text box moves on along it).
const std::vector<std::string>& BatchTabOrder();

class FrmCHBatch : public Form {
public:
    static constexpr char kName[] = "FrmCHBatch";
    explicit FrmCHBatch(AppData& d);

    // True while the selection panel is shown instead of the value panel.
    bool IsFunPanelShown = false;

    // The random source Apply uses (the clock-seeded one unless a test
    // sets another; the form does not own it).
    void SetRandomSource(RandomSource* random) { random_ = random; }

    // ---- opening ----
    void Form_Load() override;
    void InitShowList();
    void ChangShowByLanguage();
    void SetShowData();

    // ---- batch functions ----
    void Check2_Click(int index);
    void ShowBatchFun();
    void CommandSelAll_Click();
    void CommandSelNone_Click();

    // ---- control rules ----
    void Option1_Click(int index);
    void Option3_Click(int index);
    void Option6_Click(int index);
    void Check1_Click(int index);
    void Check3_Click(int index);
    void Combo1_Click(int index);
    void CommandFun_Click();
    void Text1_Change(int index);
    void Text2_Change(int index);

    // ---- keys and normalisation ----
    void Text1_KeyPress(int index, int& keyAscii);
    void Text2_KeyPress(int index, int& keyAscii);
    void Text2_LostFocus(int index);
    void Text3_KeyPress(int& keyAscii);
    void Text3_LostFocus();

    // ---- buttons ----
    void CommandApply_Click();
    void CommandClose_Click();

    // What the controls hold, as Apply reads it.
    BatchRequest BuildRequest() const;

    // Moves the focus to the control after `from` in tab order that the
    // user can reach now (shown, in the panel shown, enabled; of an option
    // group the chosen button), as Tab does.
    void FocusNext(const std::string& from);
    // Whether the user can see the control now: its own flag and, for a
    // control of a panel, the panel's.
    bool IsShownNow(const std::string& control) const;

    // The Form events, dispatched to the handlers above.
    void Click(const std::string& control) override;
    void Change(const std::string& control) override;
    void KeyPress(const std::string& control, int& keyAscii) override;
    bool LostFocus(const std::string& control, const std::string& next) override;

private:
    void AddControls();
    void ShowRow(int function, bool on);
    void ShowPanels();
    void SelectOption(const ControlArray& group, int index);
    void SelectEntry(const std::string& list, int index);
    void SetTick(const std::string& box, int value);

    AppData& d_;
    std::unique_ptr<RandomSource> ownRandom_;
    RandomSource* random_ = nullptr;
};

}  // namespace rp
