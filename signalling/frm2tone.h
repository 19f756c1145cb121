#pragma once
// The two-tone dialog (Frm2Tone): the encode list edited in a grid with two
// floating editors, sixteen decode entries on tabs, timings, side tone and
// the own call's tones A to D and call format. It edits the working copy
// SetDataEdit, which its load takes whole from the live settings; OK copies
// it back and re-points the channels' references.
#include <string>

#include "core/appdata.h"
#include "forms/formstate.h"
#include "forms/textgrid.h"

namespace rp {

class Frm2Tone : public Form {
public:
    static constexpr char kName[] = "Frm2Tone";
    explicit Frm2Tone(AppData& d);

    // The encode list: rows 1..32 hold entries 0..31; columns 1 first tone,
    // 2 second tone, 3 name.
    TextGrid MSHFlexGrid1{33, 4, 1, 1};
    // The grid cell whose editor was last opened (0 = none yet).
    Integer CurTone2Row = 0;
    Integer CurTone2Col = 0;
    bool IsLoaded = false;
    // Help contexts: the tone editor's 3410 + column, the tabs' 3401 + tab.
    int Text1HelpContextID = 0;
    int SSTab1HelpContextID = 0;

    void Form_Load() override;
    void FillTwoToneLists();
    void InitEncodeGrid();
    void ShowTwoToneData();
    void SaveTwoToneSettings();
    void SaveEncodeCell(int row, int col);
    void SaveDecodeEntries();
    void EnableDecodeEntry(int index, int value);

    // The grid's current cell changed (MSHFlexGrid1.row/col hold it).
    void MSHFlexGrid1_EnterCell();
    void MSHFlexGrid1_Click();
    void MSHFlexGrid1_Scroll();
    void Text1_KeyPress(int& keyAscii);
    void Text3_KeyPress(int& keyAscii);
    void Check2_Click(int index);
    void CallFormat_Click();
    void Text2_KeyPress(int index, int& keyAscii);
    void Text2_LostFocus(int index);
    void Text4_KeyPress(int index, int& keyAscii);
    void Text4_LostFocus(int index);
    void Text5_KeyPress(int index, int& keyAscii);
    void Text5_LostFocus(int index);
    void SSTab1_Click();
    void CommandOK_Click();
    void CommandCancel_Click();

    void Click(const std::string& control) override;
    void KeyPress(const std::string& control, int& keyAscii) override;
    void GotFocus(const std::string& control) override;
    bool LostFocus(const std::string& control, const std::string& next) override;
    void EnterCell(const std::string& control) override;
    TextGrid* Grid(const std::string& control) override;

    // Width of the grid in twips, which its columns share.
    static constexpr int kGridWidth = 6200;

private:
    // Enables the tone boxes of a call format and disables the others.
    void EnableToneBoxes(int format);
    void ShowEncodeRow(int row);
    // Moves the grid's current cell, as the cell-entry rules see it.
    void GoToCell(int row, int col);

    AppData& d_;
};

}  // namespace rp
