#include "settings/frmcommubook.h"

#include "core/commbook.h"
#include "core/fixedtext.h"
#include "core/language.h"
#include "core/messages.h"
#include "forms/formlanguage.h"
#include "forms/textkeys.h"
#include "settings/bookfile.h"
#include "settings/frmcommubookcontrols.h"

namespace rp {

namespace {

constexpr int kBookRows = 129;  // header + 128 entries
constexpr int kBookCols = 3;    // index, call ID, name
constexpr int kColCallID = 1;
constexpr int kColName = 2;
constexpr int kCallIDLen = 5;
constexpr int kNameLen = 6;
constexpr std::int32_t kHeaderColor = Rgb(0, 0, 155);
constexpr std::int32_t kIndexColor = Rgb(0, 0, 255);

std::string Shown(std::string_view raw) { return Latin1ToUtf8(TrimNullStr(raw)); }

// What the editor over a cell takes: the characters the key filter lets
// through in the column, and those the cell holds (as Latin-1), so that a
// cell read from a file with other characters can still be shortened.
std::string BookCellChars(int col, const std::string& shown) {
    std::string chars = col == kColCallID ? "0123456789" : "ABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789 ";
    for (const char c : Utf8ToLatin1(shown))
        if (chars.find(c) == std::string::npos) chars += c;
    return chars;
}

}  // namespace

FrmCommuBook::FrmCommuBook(AppData& d, FileChooser* chooser)
    : Form(kName), d_(d), chooser_(chooser),
      grid_(kBookRows, kBookCols, 1, 1) {
    State().tag = "1800";
    AddControls(State(), commubook::kControls);
    C(commubook::Editor).noContextMenu = true;  // typed characters only, through the key filter
    C(commubook::Editor).selectOnEntry = SelectOnEntry::OnCellOpen;  // opened over another cell
}

void FrmCommuBook::Form_Load() {
    IsBookReady = false;
    HideEditor();
    CurBookEditRow = 0;
    CurBookEditCol = 0;
    SetBookCaptions();
    InitBookGrid();
    GetBookData();
    ShowBookData();
    IsBookReady = true;
}

void FrmCommuBook::GetBookData() { d_.BookDataEdit = d_.WorkData.BookData; }

void FrmCommuBook::SetBookData() { d_.WorkData.BookData = d_.BookDataEdit; }

void FrmCommuBook::ShowBookData() {
    for (int r = 1; r < kBookRows; ++r) {
        const BookDataRec& e = d_.BookDataEdit[static_cast<std::size_t>(r - 1)];
        grid_.SetText(r, 0, std::to_string(r - 1));  // the row's index, never the stored No
        grid_.SetText(r, kColCallID, Shown(e.CallID.Raw()));
        grid_.SetText(r, kColName, Shown(e.Name.Raw()));
    }
}

void FrmCommuBook::SetBookCaptions() {
    ApplyFormLanguage(d_, State());  // caption 1800, Import 1802, Export 1803
    SetOKCancelCaption(d_, State());
    grid_.SetText(0, 0, GetLanguageString(d_, commubook::kNumberCaptionKey));
    grid_.SetText(0, kColCallID, commubook::kCallIdCaption);
    grid_.SetText(0, kColName, GetLanguageString(d_, 1801));
}

void FrmCommuBook::InitBookGrid() {
    const int widths[kBookCols] = {500, 1000, 1500};
    for (int c = 0; c < kBookCols; ++c) {
        grid_.SetColWidth(c, widths[c]);
        grid_.SetForeColor(0, c, kHeaderColor);
    }
    for (int r = 1; r < kBookRows; ++r) grid_.SetForeColor(r, 0, kIndexColor);
}

void FrmCommuBook::SaveBookCell(int row, int col) {
    if (row < 1 || row >= kBookRows || (col != kColCallID && col != kColName)) return;
    BookDataRec& e = d_.BookDataEdit[static_cast<std::size_t>(row - 1)];
    std::string t = TrimNullStr(Utf8ToLatin1(C(commubook::Editor).text));
    const std::string nul(1, '\0');
    if (col == kColCallID) {
        // A cleared call ID keeps a NUL of its own before the closing one.
        if (t.empty()) t = nul;
        e.CallID.Set(t.size() >= kCallIDLen ? t.substr(0, kCallIDLen) : t + nul);
        grid_.SetText(row, col, Shown(e.CallID.Raw()));
    } else {
        if (t.empty())
            e.Name.SetEmpty();
        else
            e.Name.Set(t.size() < kNameLen ? t + nul : t.substr(0, kNameLen));
        grid_.SetText(row, col, Shown(e.Name.Raw()));
    }
}

void FrmCommuBook::HideEditor() {
    C(commubook::Editor).visible = false;
    if (State().focus == commubook::Editor) State().focus = commubook::Grid;
}

void FrmCommuBook::MSFlexGrid1_EnterCell() {
    const int row = grid_.row, col = grid_.col;
    if (!IsBookReady || (row == CurBookEditRow && col == CurBookEditCol)) return;
    SaveBookCell(CurBookEditRow, CurBookEditCol);
    CurBookEditRow = row;
    CurBookEditCol = col;
    HideEditor();
    if (row < 1 || row >= kBookRows || (col != kColCallID && col != kColName)) return;
    ControlState& editor = C(commubook::Editor);
    editor.text = grid_.Text(row, col);
    GuardTextBox(editor, BookCellChars(col, editor.text), col == kColCallID ? kCallIDLen : kNameLen);
    editor.visible = true;
    State().focus = commubook::Editor;
}

void FrmCommuBook::MSFlexGrid1_Click() { MSFlexGrid1_EnterCell(); }

void FrmCommuBook::Text1_KeyPress(int& keyAscii) {
    const int k = keyAscii;
    if (k == kKeyCtrlC || k == kKeyCtrlV || k == kKeyCtrlX) {
        keyAscii = 0;
    } else if (k == kKeyReturn) {  // Enter moves on, as Tab does
        keyAscii = 0;
        State().focus = commubook::Grid;
    } else if (k < 0 || k > 127) {
        keyAscii = 0;
    } else if (k >= 32 && k <= 126 && CurBookEditCol == kColCallID) {
        if (k < '0' || k > '9') keyAscii = 0;
    } else if (k == '\\' || k == '~') {
        keyAscii = 0;
    } else if (k >= 'a' && k <= 'z') {
        keyAscii = k - 'a' + 'A';
    } else if ((k >= 'A' && k <= 'Z') || (k >= '0' && k <= '9') || k == ' ') {
        // kept
    } else if (k >= 32 && k <= 126) {
        keyAscii = 0;
    }
    // Other control codes (Backspace and the like) pass.
}

bool FrmCommuBook::FreLoadBookFile(const std::string& path) {
    // Read whole into a scratch book; nothing changes unless it is complete.
    FileFailure why;
    std::optional<CommBook> book = ReadBookFile(path, &why);
    if (!book) {
        ShowFileError(d_, why);
        return false;
    }
    d_.BookDataEdit = *book;
    d_.BookFilePath = path;
    // The editor's text belongs to the book it was typed in: drop it.
    HideEditor();
    CurBookEditRow = 0;
    CurBookEditCol = 0;
    ShowBookData();
    return true;
}

bool FrmCommuBook::FreSaveBookFile() {
    SaveBookCell(CurBookEditRow, CurBookEditCol);
    FileFailure why;
    if (WriteBookFile(d_.BookFilePath, d_.BookDataEdit, &why)) return true;
    ShowFileError(d_, why);
    return false;
}

void FrmCommuBook::CommandInput_Click() {
    if (std::optional<std::string> path = Chooser().ChooseOpen({})) FreLoadBookFile(*path);
}

void FrmCommuBook::CommandOutput_Click() {
    FileChooserRequest r;
    r.startPath = d_.BookFilePath;
    r.confirmOverwrite = true;
    std::optional<std::string> path = Chooser().ChooseSave(r);
    if (!path) return;
    d_.BookFilePath = *path;
    FreSaveBookFile();
}

void FrmCommuBook::CommandOK_Click() {
    SaveBookCell(CurBookEditRow, CurBookEditCol);
    SetBookData();
    Unload();
}

void FrmCommuBook::CommandCancel_Click() { Unload(); }

void FrmCommuBook::Unloading() { SortCommBook(d_.WorkData.BookData); }

void FrmCommuBook::Click(const std::string& control) {
    if (control == commubook::Grid) MSFlexGrid1_Click();
    else if (control == commubook::Import) CommandInput_Click();
    else if (control == commubook::Export) CommandOutput_Click();
    else if (control == kOKButton) CommandOK_Click();
    else if (control == kCancelButton) CommandCancel_Click();
}

void FrmCommuBook::EnterCell(const std::string& control) {
    if (control == commubook::Grid) MSFlexGrid1_EnterCell();
}

TextGrid* FrmCommuBook::Grid(const std::string& control) {
    return control == commubook::Grid ? &grid_ : nullptr;
}

void FrmCommuBook::KeyPress(const std::string& control, int& keyAscii) {
    if (control == commubook::Editor) Text1_KeyPress(keyAscii);
}

}  // namespace rp
