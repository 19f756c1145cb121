#pragma once
// Frm5Tone: the five-tone dialog. It edits the five-tone settings of the
// working copy SetDataEdit (system parameters, own ID, the 100-entry code
// list in the grid MSHFlexGrid1, the PTT-ID begin and end codes, the eight
// information codes) and shows the tone table of the standard picked last.
// OK copies the working copy back into the live data and re-points the
// channels' and the alarm's references into the code list; Cancel drops it.
//
// Controls are named as their widgets, in fivetone/frm5tonecontrols.h.
// A control's tag holds its language key: a number for [OTHER] texts,
// "[OPTION]60072" for texts of that section.
//
// The form is loaded without a window too (the report reads it): Form_Load
// does the same work, sets no focus and writes nothing into the live data.
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "core/appdata.h"
#include "forms/formstate.h"
#include "forms/textgrid.h"

namespace rp {

// The PTT-ID boxes take at most this many typed digits (their length). A
// longer stored code (up to the field's 40) is put in by the form, not
// typed, so it still shows and saves whole: the length limits typing only.
inline constexpr int kPttCodeTypedMax = 24;

// The fixed text of the question before a special call is reset.
inline constexpr const char* kResetSpecialCallText = "Reset Special Call of this channel,OK or Not?";

class Frm5Tone : public Form {
public:
    static constexpr char kName[] = "Frm5Tone";
    explicit Frm5Tone(AppData& d);

    // ---- opening, OK, Cancel, closing ----
    void Form_Load() override;
    void CommandOK_Click();
    void CommandCancel_Click();

    // ---- lists, grid, tone table ----
    void InitComboItems();
    void InitCodeGrid();
    void ShowToneStandard(const std::string& name);
    TextGrid& Grid() { return grid_; }
    const TextGrid& Grid() const { return grid_; }

    // ---- settings shown and saved ----
    void Show5ToneByData();
    void Save5ToneDataByShow();

    // ---- the code grid ----
    void SaveTone5CellData(int row, int col);
    void MSHFlexGrid1_EnterCell();
    void MSHFlexGrid1_Click();
    void MSHFlexGrid1_Scroll();
    void MSHFlexGrid1_DblClick();

    // ---- information codes ----
    void SaveInfoCode(int id);
    void ShowInfoCode();
    bool IsInfoKillStunWakenOK();

    // ---- own ID and code rewriting ----
    std::string Mid5ToneNoE(const std::string& s, int p, int n) const;
    void UpdateCodeBySelfID();
    // False when the own ID is refused (fewer than five digits).
    bool Text2_LostFocus(const std::string& next);
    void Text4_LostFocus(int index);

    // ---- pickers and buttons ----
    void Combo1_Click(int index);
    void Combo2_Click();
    void Combo4_Click(int index);
    void Combo6_Click();
    void Combo7_Click(int index);
    void Command1_Click();
    void Command2_Click();
    void Command3_Click();
    void Command4_Click();

    // ---- keys (0 swallows) ----
    void Text2_KeyPress(int& key);
    void Text3_KeyPress(int& key);
    void Combo2_KeyPress(int& key);
    void Combo3_KeyPress(int& key);
    void Text4_KeyPress(int index, int& key);
    void Text5_KeyPress(int& key);
    void Text6_KeyPress(int& key);
    void Text7_KeyPress(int& key);

    // ---- events from the shell ----
    void Click(const std::string& control) override;
    void DblClick(const std::string& control) override;
    // The grid's current cell moved (its row and col already stored).
    void EnterCell(const std::string& control) override;
    TextGrid* Grid(const std::string& control) override;
    void KeyPress(const std::string& control, int& keyAscii) override;
    void GotFocus(const std::string& control) override;
    bool LostFocus(const std::string& control, const std::string& next) override;

    // ---- the dialog's variables ----
    int CurTone5Row = 0;     // the grid cell whose editor is open; row 0: none
    int CurTone5Col = 0;
    int CurInfoCodeID = 0;   // the information code shown, 1..8; 0 none
    bool IsLoaded = false;
    std::string OldSelfID;   // the own ID before the latest change
    Integer SpecialCallMode = 0;  // what the builder composes: 0 entry, 1 begin, 2 end code
    // The setting kept outside the working copy: taken from the live data at
    // opening, written back by OK only.
    Byte Tone5Param11 = 0;

protected:
    // Every close (closing is never refused): unhooks the boxes' context
    // menus.
    void Unloading() override;

private:
    Tone5DataRec& Edit() { return d_.SetDataEdit.Tone5Data; }
    void Relabel();
    void ShowCodeRow(int row);
    void ShowPttCode(int index);
    void SavePttCode(int index);
    void HideEditors();
    // Makes (row, col) the current cell; a change raises the cell-entry steps.
    void MoveGridCell(int row, int col);
    void OpenSpecial(Integer mode);
    // Enter as the Tab key: the box's departure runs, then the focus moves on.
    void FocusNext(const std::string& from);
    std::string OwnIdBox() const;

    AppData& d_;
    TextGrid grid_;
    std::vector<std::string> responses_;  // the three option texts
    bool sideToneUnshown_ = false;        // the stored side tone is neither 0 nor 1
    std::vector<std::string> tabOrder_;
    // The own-ID box's text as the data last filled it: leaving the box with
    // this text changes nothing, so an empty ID does not hold the focus.
    std::string ownIdShown_;
};

}  // namespace rp
