// Editing the broadcast (grid 2, Text2) and air-band (grid 3, Text3) lists
// in place: the editor opens on the cell entered and its value is written
// when the cursor leaves the cell.
#include "core/conversions.h"
#include "mainwindow/frmmain.h"
#include "forms/textkeys.h"

namespace rp {

namespace {

inline constexpr const char* kMsgVfoNotNull = "VFO can't be null!";
constexpr int kVfoEntry = 100;
constexpr int kLastStation = 99;

}  // namespace

void FrmMain::OpenStationEditor(int index) {
    TextGrid& g = grids_[static_cast<std::size_t>(index)];
    if (g.col < 1 || g.row < 1) return;
    if (index == 2) {
        RadioCurRow = g.row;
        RadioCurCol = g.col;
        if (RadioEditRow == RadioCurRow && RadioEditCol == RadioCurCol) return;
    } else if (index == 3) {
        AMCurRow = g.row;
        AMCurCol = g.col;
        if (AMEditRow == AMCurRow && AMEditCol == AMCurCol) return;
    }
    SaveOldGridData(index);
    if (index == 1) return;  // the VFO grid has no editor
    const char* editor = index == mainform::kRadioGrid ? mainform::RadioBox : mainform::AirBandBox;
    if (index == 2) {
        RadioEditRow = RadioCurRow;
        RadioEditCol = RadioCurCol;
    } else {
        AMEditRow = AMCurRow;
        AMEditCol = AMCurCol;
    }
    ControlState& e = C(editor);
    SetBoxText(e, g.Text(g.row, g.col));
    e.visible = true;
    State().focus = editor;
}

bool FrmMain::SaveOldGridData(int grid) {
    if (grid == 2) {
        ControlState& e = C(mainform::RadioBox);
        if (RadioEditRow <= 0 || RadioEditCol <= 0 || !e.visible) return true;
        const int entry = RadioEditRow - 1;
        if (entry > kVfoEntry) return true;
        auto& list = d.WorkData.RadioFreData;
        RadioFreRec& rec = list[static_cast<std::size_t>(entry)];
        rec.No = static_cast<Integer>(RadioEditRow);
        const std::string s = TrimNullStr(e.text.empty() ? "" : RadioFreToData(FormatFMFre(d, e.text)));
        if (!s.empty() && s != "FFFFFFFF") {
            rec.Used = 1;
        } else if (entry == kVfoEntry) {
            d.Ui.Notify->Show(kMsgVfoNotNull, MsgIcon::None, MsgButtons::Ok, "");
            return false;
        } else if (GetRadioChannelCount(d) <= 1) {
            return false;  // the last station stays, without a message
        } else {
            rec.Used = 0;
        }
        rec.Fre.Set(s);
        grids_[2].SetText(RadioEditRow, RadioEditCol, RadioDataToFreText(d, s));
        // The radio's current station must name a used entry; a value outside
        // the list counts as naming an empty one.
        Integer& current = d.OptionData().RadioMemChannel;
        if (current < 0 || current > kVfoEntry || list[static_cast<std::size_t>(current)].Used == 0) {
            current = 0;
            for (int i = 0; i <= kLastStation; ++i) {
                if (list[static_cast<std::size_t>(i)].Used == 1) {
                    current = static_cast<Integer>(i);
                    break;
                }
            }
        }
        return true;
    }
    if (grid == 3) {
        ControlState& e = C(mainform::AirBandBox);
        if (AMEditRow <= 0 || AMEditCol <= 0 || !e.visible) return true;
        const int entry = AMEditRow - 1;
        if (entry > kVfoEntry) return true;
        auto& list = d.WorkData.AMFreData;
        const std::string s = TrimNullStr(e.text.empty() ? "" : FormatRadioFre(FormatAMFre(d, e.text)));
        list[static_cast<std::size_t>(entry)].Set(s);
        grids_[3].SetText(AMEditRow, AMEditCol, s.empty() ? "" : RadioDataToFreStr(d, s));
        Byte& current = d.WorkData.AMMemChannel;
        if (current > kVfoEntry || list[current].Trim().empty()) {
            current = 0;
            for (int i = 0; i <= kVfoEntry; ++i) {
                if (!list[static_cast<std::size_t>(i)].Trim().empty()) {
                    current = static_cast<Byte>(i);
                    break;
                }
            }
        }
        return true;
    }
    return true;
}

void FrmMain::ReShowStationRow(int grid, int row) {
    if (row < 1 || row > kVfoEntry + 1) return;
    const std::size_t entry = static_cast<std::size_t>(row - 1);
    TextGrid& g = grids_[static_cast<std::size_t>(grid)];
    std::string text;
    if (grid == 2) {
        text = RadioDataToFreText(d, d.WorkData.RadioFreData[entry].Fre.Trim());
    } else {
        const std::string s = d.WorkData.AMFreData[entry].Trim();
        text = s.empty() ? "" : RadioDataToFreStr(d, s);
    }
    g.SetText(row, 1, text);
    ControlState& e = C(grid == mainform::kRadioGrid ? mainform::RadioBox : mainform::AirBandBox);
    if (e.visible) SetBoxText(e, text);
}

}  // namespace rp
