#pragma once
// The communication-book dialog: the 128 entries of BookDataEdit in one
// grid, an in-place editor over the call-ID and name cells, import and
// export of the book file. OK copies the buffer back into BookData; every
// close sorts the live book.
#include "core/appdata.h"
#include "forms/formstate.h"
#include "forms/textgrid.h"
#include "core/filechooser.h"

namespace rp {

class FrmCommuBook : public Form {
public:
    static constexpr char kName[] = "FrmCommuBook";
    // chooser: the open and save choosers of import and export (null: the
    // program's, d.Ui.Files).
    explicit FrmCommuBook(AppData& d, FileChooser* chooser = nullptr);

    void Form_Load() override;
    void GetBookData();
    void SetBookData();
    void ShowBookData();
    // Reads the book file at path into BookDataEdit; on success path becomes
    // BookFilePath and the editor closes without storing. A file that cannot
    // be read, or holds fewer than 1,664 bytes, shows "file error." and
    // changes nothing.
    bool FreLoadBookFile(const std::string& path);
    // Stores the editor's cell, then writes BookDataEdit to BookFilePath;
    // "file error." when that fails.
    bool FreSaveBookFile();
    void SetBookCaptions();
    void InitBookGrid();
    // Stores the editor's text into the entry of grid cell (row, col), in the
    // padded form of its field.
    void SaveBookCell(int row, int col);

    // The grid's current cell (MSFlexGrid1.row / .col) was entered.
    void MSFlexGrid1_EnterCell();
    // A click, also on the cell already current.
    void MSFlexGrid1_Click();
    void Text1_KeyPress(int& keyAscii);
    void CommandInput_Click();
    void CommandOutput_Click();
    void CommandOK_Click();
    void CommandCancel_Click();

    // The cell whose text the editor holds; 0, 0 when none.
    int CurBookEditRow = 0;
    int CurBookEditCol = 0;
    // Off until Form_Load has finished: grid events before it do nothing.
    bool IsBookReady = false;

    TextGrid& MSFlexGrid1() { return grid_; }
    const TextGrid& MSFlexGrid1() const { return grid_; }

    void Click(const std::string& control) override;
    void KeyPress(const std::string& control, int& keyAscii) override;
    void EnterCell(const std::string& control) override;
    TextGrid* Grid(const std::string& control) override;

protected:
    // Every close (OK, Cancel, Escape, the close box, the program ending):
    // sorts the live book.
    void Unloading() override;

private:
    void HideEditor();

    AppData& d_;
    FileChooser& Chooser() { return chooser_ ? *chooser_ : *d_.Ui.Files; }
    FileChooser* chooser_;
    TextGrid grid_;
};

}  // namespace rp
