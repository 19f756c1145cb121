#pragma once
// frmMain's controls: the menu bar's menus and entries, the toolbar and its
// buttons, the tree, the splitter, the four grids with the floating editors
// of their cells, and the timers.
#include "forms/controls.h"

namespace rp::mainform {

// ---- the menus (top level) and their entries ----
inline constexpr char FileMenu[] = "mnuFile";
inline constexpr char FileNew[] = "mnuFileNew";
inline constexpr char FileOpen[] = "mnuFileOpen";
inline constexpr char FileSave[] = "mnuFileSave";
inline constexpr char FileSaveAs[] = "mnuFileSaveAs";
inline constexpr char FilePrint[] = "mnuFilePrint";
inline constexpr char FileExit[] = "mnuFileExit";
inline constexpr char ModelMenu[] = "MnuModel";
inline constexpr char ModelInfo[] = "MnuModelInfo";
inline constexpr char EditMenu[] = "mnuEdit";
inline constexpr char EditChannel[] = "mnuEditCH";           // the channel editor of the current row
inline constexpr char EditOptions[] = "MnuViewSetMode";
inline constexpr char EditBanks[] = "MnuViewBankChannel";
inline constexpr char ShowRadioList[] = "MnuViewRadio";      // the broadcast grid
inline constexpr char ShowAirBandList[] = "MnuViewAM";       // the air-band grid
inline constexpr char EditMsk[] = "MnuViewMSK";
inline constexpr char EditDtmf[] = "MnuViewDTMF";
inline constexpr char EditTwoTone[] = "MnuView2Tone";
inline constexpr char EditFiveTone[] = "MnuView5Tone";
inline constexpr char EditScan[] = "MnuViewScan";
inline constexpr char EditAlert[] = "MnuViewAlert";
inline constexpr char EditCommBook[] = "MnuCommBook";
inline constexpr char ReadInformation[] = "MnuEMg";          // the radio's information read
inline constexpr char EditTestData[] = "mnuTestData";
inline constexpr char ChannelBatch[] = "MnuCHBatch";
inline constexpr char SetMenu[] = "MnuSet";
inline constexpr char SetPort[] = "MnuSetCom";
inline constexpr char SetLanguage[] = "MnuSetLanguage";
inline constexpr char SetInit[] = "MnuSetInit";
inline constexpr char ProgramMenu[] = "mnuPro";
inline constexpr char ProgramRead[] = "mnuProRead";
inline constexpr char ProgramWrite[] = "MnuProWrite";
inline constexpr char ProgramPassWord[] = "MnuProPassWord";
inline constexpr char ViewMenu[] = "MnuView";
inline constexpr char ViewToolBar[] = "MnuViewToolBar";      // ticked while the toolbar shows
inline constexpr char ViewStatusBar[] = "MnuViewStatusBar";  // ticked while the status bar shows
inline constexpr char HelpMenu[] = "MnuHelp";
inline constexpr char HelpContents[] = "MnuHelpContent";
inline constexpr char HelpAbout[] = "MnuHelpAbout";

// ---- the bars and panes ----
inline constexpr char ToolBar[] = "tbToolBar";
// The toolbar's buttons (its tabs; each is a QAction of that name).
inline constexpr char ToolNew[] = "TNewFile";
inline constexpr char ToolOpen[] = "TOpenFile";
inline constexpr char ToolSave[] = "TSaveFile";
inline constexpr char ToolRead[] = "TCommRead";
inline constexpr char ToolPort[] = "TCommPort";
inline constexpr char ToolWrite[] = "TCommWrite";
inline constexpr char ToolAbout[] = "TAbout";
inline constexpr char StatusBar[] = "sbStatusBar";
inline constexpr char Tree[] = "tvTreeView";
inline constexpr char Splitter[] = "imgSplitter";     // the bar between tree and grids
inline constexpr char SplitterDrag[] = "picSplitter";  // the bar shown while it is dragged

// The four lists, one grid each: the channels, the VFOs, the broadcast
// stations and the air-band stations (only one shows at a time).
inline constexpr ControlArray Grids{"MSFlexGrid1"};
inline constexpr int kGridCount = 4;
inline constexpr int kChannelGrid = 0, kVfoGrid = 1, kRadioGrid = 2, kAirBandGrid = 3;

// ---- the channel grid's cell editors ----
inline constexpr char RxBox[] = "TextFreRx";
inline constexpr char TxBox[] = "TextFreTx";
inline constexpr char NameBox[] = "TextName";
inline constexpr char StepList[] = "ComboStep";
inline constexpr char BandwidthList[] = "ComboWN";
inline constexpr char PowerList[] = "ComboPower";
inline constexpr char DecodeTypeList[] = "ComboDe_CTC_Type";  // none, CTCSS or DCS
inline constexpr char EncodeTypeList[] = "ComboEn_CTC_Type";
inline constexpr char DecodeCtcssList[] = "ComboDe_CTCSS";
inline constexpr char EncodeCtcssList[] = "ComboEn_CTCSS";
inline constexpr char DecodeDcsList[] = "ComboDe_CDCSS";
inline constexpr char EncodeDcsList[] = "ComboEn_CDCSS";
inline constexpr char OptSigList[] = "ComboOptSig";
inline constexpr char BankChecks[] = "ListBank";  // a check list of the banks
// The editors of the other grids' cells (the VFO grid's is never opened).
inline constexpr char VfoBox[] = "Text1";
inline constexpr char RadioBox[] = "Text2";
inline constexpr char AirBandBox[] = "Text3";

// ---- timers (their intervals in ms) ----
inline constexpr char WaitTimer[] = "WaitTimer";
inline constexpr char CommandTimer[] = "CommandTimer";
inline constexpr char ReadyTimer[] = "ReadyTimer";
inline constexpr char EndTimer[] = "EndTimer";

// Every control but the menus (FrmMain adds those from its menu table
// first), in the window's order. The editors start hidden; the timers
// stopped.
inline constexpr ControlEntry kControls[] = {
    {ToolBar, ControlKind::Toolbar},
    {StatusBar, ControlKind::Other},
    {Tree, ControlKind::Other},
    {Splitter, ControlKind::Picture},
    {SplitterDrag, ControlKind::Picture, "", false},
    {Grids.base, ControlKind::Grid, "", true, 0, kGridCount},
    {RxBox, ControlKind::TextBox, "", false},
    {TxBox, ControlKind::TextBox, "", false},
    {NameBox, ControlKind::TextBox, "", false},
    {StepList, ControlKind::ComboBox, "", false},
    {BandwidthList, ControlKind::ComboBox, "", false},
    {PowerList, ControlKind::ComboBox, "", false},
    {DecodeTypeList, ControlKind::ComboBox, "", false},
    {EncodeTypeList, ControlKind::ComboBox, "", false},
    {DecodeCtcssList, ControlKind::ComboBox, "", false},
    {EncodeCtcssList, ControlKind::ComboBox, "", false},
    {DecodeDcsList, ControlKind::ComboBox, "", false},
    {EncodeDcsList, ControlKind::ComboBox, "", false},
    {OptSigList, ControlKind::ComboBox, "", false},
    {BankChecks, ControlKind::ListBox, "", false},
    {VfoBox, ControlKind::TextBox, "", false},
    {RadioBox, ControlKind::TextBox, "", false},
    {AirBandBox, ControlKind::TextBox, "", false},
    {WaitTimer, ControlKind::Timer, "", true, 300},
    {CommandTimer, ControlKind::Timer, "", true, 100},
    {ReadyTimer, ControlKind::Timer, "", true, 200},
    {EndTimer, ControlKind::Timer, "", true, 200},
};

}  // namespace rp::mainform
