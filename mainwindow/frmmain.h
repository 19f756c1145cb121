#pragma once
// frmMain, the program's main window, as a plain form: its controls (menus,
// toolbar, tree, the four grids and their floating editors), the tree's
// nodes, the list procedures that fill the grids, the command dispatch and
// the close path's rules. The Qt shell (mainwindow/qt/) shows it, is its
// host (forms/formhost.h: the dialogs it opens show over the shell) and
// supplies the hooks below; tests run it without widgets.
#include <array>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "core/appdata.h"
#include "core/seams.h"
#include "forms/formstate.h"
#include "forms/mainwindowcommands.h"
#include "forms/textgrid.h"
#include "mainwindow/frmmaincontrols.h"

namespace rp {


inline constexpr const char* kWideModel = "7425USD";  // the model with air band and MSK

// Language keys of the main window.
namespace mainkey {
inline constexpr int FileCaption = 2012;      // caption: "File"
inline constexpr int ChannelLabel = 3006;     // corner of the channel grid
inline constexpr int Rx = 1101;
inline constexpr int Tx = 1140;
inline constexpr int Name = 1103;
inline constexpr int Step = 1104;
inline constexpr int Bandwidth = 1106;
inline constexpr int Tone = 1107;
inline constexpr int Power = 1109;
inline constexpr int OptSig = 1110;
inline constexpr int Decode = 1112;
inline constexpr int Encode = 1113;
inline constexpr int Edit = 1117;
inline constexpr int PowerHigh = 1204;
inline constexpr int PowerMiddle = 1221;
inline constexpr int PowerLow = 1205;
inline constexpr int None = 1206;
}  // namespace mainkey

// One node of the tree, in the order LoadShowTree adds them.
struct TreeNode {
    std::string key;
    std::string text;
    std::string parent;  // "" for the root
    bool expanded = false;
    bool enabled = true;
};

// What the shell (or a test) plugs in. Every hook may be empty.
struct FrmMainHooks {
    // The window position: read at load, stored when the window unloads.
    std::function<void()> LoadPosition;
    std::function<void()> SavePosition;
    // Closes every other open window, the most recent first.
    std::function<void()> CloseOtherWindows;
    // File > Exit: the window's close(), which runs the close path.
    std::function<void()> CloseWindow;
    // Lays the panes out again (a bar was shown or hidden).
    std::function<void()> Layout;
};

class FrmMain : public Form, public Listener, public MainWindowCommands {
public:
    static constexpr char kName[] = "frmMain";
    explicit FrmMain(AppData& d);

    // ---- the window's procedures ----
    void Form_Load() override;
    void Form_ReLoad() override;
    void LoadShowByModel() override;
    void LoadShowTree() override;
    void tvTreeView_NodeClick(const std::string& key);
    // A node whose click shows a list (the channel lists, the radio lists);
    // the others run a command or open a dialog, or do nothing.
    static bool IsListNode(const std::string& key);
    void ShowGridType(int grid, int listKind);

    void ShowListByData(int listKind);
    void ShowListByFreData(int listKind);
    void InitShowListContent(int listKind, int gridMask);
    void LoadShowList();
    void ReShowListByData(int listKind) override;
    void ReShowRadioListByData() override;
    void ReShowAMListByData() override;
    // The core's refresh without arguments: the channel grid's list again.
    void ReShowGrid() override;
    // Redraws one row of the channel grid (type 0) from its record, or one
    // entry of the broadcast (2) or air-band (3) list.
    void ReShowGrid(int type, int row, int col) override;
    // Commit and close the open cell editor of the channel grid / of grid 2
    // or 3 (mainwindow/gridedit.cpp, radiolistedit.cpp). False: the value
    // was refused (its message shown).
    bool SaveOldData();
    bool SaveOldGridData(int grid);

    // ---- in-place editing of the grids (mainwindow/gridedit.cpp) ----
    void MSFlexGrid1_DblClick(int index);
    void MSFlexGrid1_KeyPress(int index, int& keyAscii);
    void MSFlexGrid1_KeyDown(int index, int keyCode, int shift);
    void MSFlexGrid1_Click(int index);
    void MSFlexGrid1_EnterCell(int index);
    bool CheckGridCellEmpty(int row);
    void ShowDecodeToneCombo(int mode);
    void ShowEncodeToneCombo(int mode);
    void ListBank_ItemCheck(int item);
    // The editor open over the channel grid ("" none); it lies over cell
    // (d.EditRow, d.EditColumn).
    std::string OpenChannelEditor() const;
    // A key that opens a tone combo's list instead of stepping it (the
    // shell opens the list and swallows the key).
    static bool OpensListOnKey(const std::string& control, int keyCode);
    // The cells last entered in the broadcast and air-band grids.
    int RadioCurRow = 0, RadioCurCol = 0, AMCurRow = 0, AMCurCol = 0;
    void DblClick(const std::string& control) override;
    void KeyPress(const std::string& control, int& keyAscii) override;
    void KeyDown(const std::string& control, int keyCode, int shift) override;
    void ItemCheck(const std::string& control, int item) override;
    void EnterCell(const std::string& control) override;

    // SaveOldData, SaveOldGridData(2) and (3), Text1 to Text3 hidden and the
    // broadcast and air-band edit cells reset. Every command runs it first;
    // a refused commit never stops the command.
    void CommitCellEditors();
    // The one dispatch of menu entries, toolbar buttons and the tree's
    // commands: CommitCellEditors, then the command.
    void RunCommand(const std::string& name);

    // While a transfer runs without a modal dialog (the information read)
    // every command entry is disabled: the menu entries but the two View
    // ticks, the toolbar buttons and the tree's command and dialog nodes;
    // the grids open no editor and ignore the clipboard keys.
    void LockCommands(bool locked) override;
    bool CommandsLocked() const override { return commandsLocked_; }
    void OpenChild(std::unique_ptr<Form> child) override { Open(std::move(child)); }

    // The close path's checks: CommitCellEditors, then a running
    // information read ends quietly, then the save question (false keeps
    // the window open). Then Form_Unload when all agree.
    bool QueryClose();
    void Form_Unload();

    // The window caption the channel-list refresh sets.
    std::string CaptionText();
    // The file chooser's filter: DataFileText + " (*.dat)".
    const std::string& FileFilter() const { return fileFilter_; }

    // ---- state ----
    TextGrid& GridAt(int i) { return grids_.at(static_cast<std::size_t>(i)); }
    TextGrid* Grid(const std::string& control) override;
    const std::vector<TreeNode>& TreeNodes() const { return tree_; }
    // The tree's selection: cleared by every rebuild.
    std::string treeSelection;
    // Bumped by every rebuild of the tree (the shell rebuilds its items).
    int treeRevision = 0;
    // The grid shown (0..3).
    int VisibleGrid() const;

    bool FormLoaded = false;
    bool IsGridInit = false;
    bool IsEditorFilling = false;
    bool SplitterMoving = false;
    // Open cells of the broadcast and air-band editors.
    int RadioEditRow = 0, RadioEditCol = 0, AMEditRow = 0, AMEditCol = 0;

    FrmMainHooks hooks;
    // Commands plugged in by later work (file, radio, about, grid editing):
    // name -> action. A command without an entry does nothing.
    std::map<std::string, std::function<void()>> commands;
    // The close path's steps, plugged in with the radio and the file
    // commands; QueryClose runs them in this order. Each may be empty.
    struct CloseSteps {
        std::function<void()> StopInformationRead;
        // False keeps the window open.
        std::function<bool()> AskSave;
    } closeSteps;
    // What the dialogs the window opens call back: the shell, which
    // mirrors the window after each call (by default the form itself).
    MainWindowCalls* dialogCalls = this;
    // File > Save with its outcome (plugged in with the file commands).
    std::function<SaveOutcome()> fileSave;
    SaveOutcome mnuFileSave_Click() override;

    // The grid (0..3) a control name names, -1 for any other control.
    static int GridIndex(const std::string& control);
    static bool IsMenuEntry(const std::string& name);
    // The language key of a menu's or menu entry's caption (0: not a menu).
    static int MenuTextKey(const std::string& name);

    // Events from the shell.
    void Click(const std::string& control) override;
    void ButtonClick(const std::string& control, const std::string& button) override;
    // A toolbar button: the first command whose key matches runs.
    void tbToolBar_ButtonClick(const std::string& key);

    AppData& d;

private:
    // In-place editing (mainwindow/gridedit.cpp).
    void InitCellEditors();
    void EditorClick(const std::string& control);
    void OpenCellEditor(int column);
    void ToneTypeClick(bool decode);
    void ToneValueClick(bool decode, int sub);
    void ShowToneCombo(bool decode, int mode);
    void EditorEnter(const std::string& control);
    const FreDataRec* EditedRecord() const;
    void OpenStationEditor(int index);
    void ReShowStationRow(int grid, int row);

    struct RowTexts;
    void ShowChannelRow(FreDataRec& rec, int listKind, const RowTexts& t);
    void SetChannelColumnsByGroup(int listKind);
    void FillOptSigList();
    // Makes the dialog of menu entry `menu` (mainwindow/maindialogs.cpp)
    // and opens it; an entry without one opens nothing.
    void OpenDialogOf(const std::string& menu);
    void Act(const std::string& name);
    void ToggleBar(const std::string& menu, const std::string& bar);
    // Command and dialog nodes disabled while the commands are locked.
    void EnableTreeNodes();

    std::array<TextGrid, 4> grids_;
    std::vector<TreeNode> tree_;
    std::string fileFilter_;
    bool commandsLocked_ = false;
};

}  // namespace rp
