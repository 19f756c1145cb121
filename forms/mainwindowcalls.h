#pragma once
// What a dialog calls back on the main window besides the core's refreshes
// (AppData::Ui.View): the relabelling after a language switch, the
// redraw of one channel row and File > Save. The main window implements it;
// a dialog's form takes it by reference, and tests pass a recording one.
#include "forms/savequestion.h"

namespace rp {

class MainWindowCalls {
public:
    virtual ~MainWindowCalls() = default;
    // Relabels the main window and rebuilds its tree and grids.
    virtual void Form_ReLoad() {}
    // Redraws row `row` of grid `type` (0 the channel grid) after an edit;
    // `col` is the column the edit was in.
    virtual void ReShowGrid(int type, int row, int col) {
        (void)type;
        (void)row;
        (void)col;
    }
    // File > Save: the overwrite question on titled data, Save As on
    // untitled data; whether the data was saved. Nothing saved by default.
    virtual SaveOutcome mnuFileSave_Click() { return SaveOutcome::Cancelled; }
};

}  // namespace rp
