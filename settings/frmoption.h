#pragma once
// FrmOption, the optional-functions dialog: the 47 option words and the
// power-on text of OptionData, edited in the form's own working copy, and
// the option fields that WorkData keeps beside that record, read from the
// controls on OK. A plain form: the report loads it without a window and
// reads its controls by name (settings/frmoptioncontrols.h), which are
// added in tab order.
#include <string>
#include <string_view>

#include "core/appdata.h"
#include "forms/formstate.h"

namespace rp {

// The SW (index 0) or LW (1) frequency text as the box shows it after
// losing the focus: a number kept inside the band's limits, "#0.0000";
// anything else the band's default ("18.0000", "1.2000").
std::string NormaliseShortWaveText(int index, std::string_view text);

class FrmOption : public Form {
public:
    static constexpr char kName[] = "FrmOption";
    explicit FrmOption(AppData& d);

    // ---- events from the shell ----
    void Click(const std::string& control) override;
    void KeyPress(const std::string& control, int& keyAscii) override;
    void Change(const std::string& control) override;
    bool LostFocus(const std::string& control, const std::string& next) override;

    // ---- opening ----
    void Form_Load() override;
    void ShowOptionByLanguage();
    void InitOptionLists();
    void ShowOptionByData();
    // 1: memory-channel list 1 (option::MemChannelA); 2: list 2
    // (MemChannelB); 0: both; any other value nothing.
    void FillWorkChannelList(int which);

    // ---- editing ----
    // A pick in a list: a word of the working copy takes what it shows
    // (the lists of fields beside the record are read on OK).
    void Combo1_Click(const std::string& list);
    // A switch ticked or cleared; a bank link (index 0..9) likewise.
    void Check1_Click(const std::string& box);
    void Check3_Click(int index);
    void Combo1_KeyPress(const std::string& list, int& keyAscii);
    void Check1_KeyPress(const std::string& box, int& keyAscii);
    // The power-on boxes by their index in option::PowerOnBoxes; the
    // frequency boxes by band, 0 SW and 1 LW.
    void Text1_KeyPress(int index, int& keyAscii);
    // Text that reached a power-on box by another road than a key (pasted,
    // dropped, from an input method) keeps only its first character that a
    // key would have let in.
    void Text1_Change(int index);
    void Text2_KeyPress(int& keyAscii);
    void Text3_LostFocus(int index);

    // ---- closing ----
    void CommandOK_Click();
    void CommandCancel_Click();

    // The working copy of OptionData; OK copies it back.
    OptionDataRec OptionDataEdit;
    // False while Form_Load runs; the list rules do nothing until then.
    bool IsOptionLoaded = false;

    // The control after `control` in tab order that can take the focus
    // (visible, enabled, not a label or frame); "" when none follows.
    std::string NextInTabOrder(const std::string& control) const;

private:
    // Tab: the focus passes to the next control in tab order.
    void MoveFocusOn(const std::string& from);
    // Selects entry `entry` of the list and runs its selection rule, as a
    // selection made by the dialog's own rules does.
    void SelectByRule(const char* list, int entry);
    // Sets a check box as the show does: its click handler runs when the
    // value changes.
    void SetCheckValue(const std::string& control, int value);
    void ApplyDisplayModeRule(int position);
    void ShowDisplayModeState();
    void ReselectWorkChannel(int which);

    AppData& d_;
};

}  // namespace rp
