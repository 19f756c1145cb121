#pragma once
// The controls of FrmCHBatch, the batch channel editor. An option group is
// an array of its own, by index as Apply reads it (BatchRequest::option);
// of a direction group, element 0 counts up and element 1 down.
#include "channels/batchapply.h"
#include "channels/batchfun.h"
#include "forms/commoncontrols.h"
#include "forms/controls.h"

namespace rp::chbatch {

// ---- the range area ----
inline constexpr char RangeLabel[] = "Label1";
inline constexpr ControlArray RangeChoice{"Option1"};
inline constexpr char AllChannels[] = "Option1_0";
inline constexpr char ChannelRange[] = "Option1_1";  // from RangeFrom to RangeTo
// The Text1 array; its handlers take the element's index.
inline constexpr ControlArray RangeBoxes{"Text1"};
inline constexpr char RangeFrom[] = "Text1_0";       // channel numbers as shown, 0..199
inline constexpr char RangeTo[] = "Text1_1";
inline constexpr char RangeToLabel[] = "Label2";
inline constexpr char DeleteOutside[] = "Check4";    // the memory channels outside the range are deleted
inline constexpr char PanelSwitch[] = "CommandFun";  // the value panel or the selection panel
inline constexpr char ValuePanel[] = "Frame1";
inline constexpr char FunctionPanel[] = "Frame2";

// ---- the value panel: one row per batch function ----
inline constexpr ControlArray RowLabels{"Label3"};    // the rows' captions
inline constexpr ControlArray ValueLabels{"Label4"};  // the captions inside the rows
inline constexpr char OwnCtcssLabel[] = "Label5";
// The Text2 array, by index as Apply reads it (channels/batchapply.h).
inline constexpr ControlArray ValueBoxes{"Text2"};
inline constexpr char RxStart[] = "Text2_0";      // MHz
inline constexpr char RxStep[] = "Text2_1";       // kHz
inline constexpr char TxOffset[] = "Text2_2";     // MHz
inline constexpr char TxStart[] = "Text2_3";      // MHz
inline constexpr char TxStep[] = "Text2_4";       // kHz
inline constexpr char DecodeStep[] = "Text2_5";   // entries of the tone list per channel
inline constexpr char EncodeStep[] = "Text2_6";
inline constexpr char NameText[] = "Text2_7";     // the name, or the prefix of a numbered one
inline constexpr char StartId[] = "Text2_8";
inline constexpr char IdStep[] = "Text2_9";
inline constexpr char OwnId[] = "Text2_10";       // the own-ID row, never shown
inline constexpr char OwnIdStep[] = "Text2_11";
inline constexpr char OwnCtcss[] = "Text3";       // the own CTCSS tone (Hz)
inline constexpr ControlArray RxDirection{"Option2"};
inline constexpr char RxUp[] = "Option2_0";
inline constexpr char RxDown[] = "Option2_1";
inline constexpr ControlArray TxMode{"Option3"};
inline constexpr char TxAsRx[] = "Option3_0";
inline constexpr char TxByOffset[] = "Option3_1";
inline constexpr char TxByStart[] = "Option3_2";
inline constexpr ControlArray ShiftDirection{"Option4"};
inline constexpr char ShiftPlus[] = "Option4_0";
inline constexpr char ShiftMinus[] = "Option4_1";
inline constexpr ControlArray TxDirection{"Option5"};
inline constexpr char TxUp[] = "Option5_0";
inline constexpr char TxDown[] = "Option5_1";
inline constexpr ControlArray NameMode{"Option6"};
inline constexpr char FixedName[] = "Option6_0";
inline constexpr char NumberedName[] = "Option6_1";
inline constexpr ControlArray IdDirection{"Option7"};
inline constexpr char IdUp[] = "Option7_0";
inline constexpr char IdDown[] = "Option7_1";
inline constexpr ControlArray OwnIdDirection{"Option8"};  // never shown
inline constexpr char OwnIdUp[] = "Option8_0";
inline constexpr char OwnIdDown[] = "Option8_1";
inline constexpr ControlArray DecodeDirection{"Option9"};
inline constexpr char DecodeUp[] = "Option9_0";
inline constexpr char DecodeDown[] = "Option9_1";
inline constexpr ControlArray EncodeDirection{"Option10"};
inline constexpr char EncodeUp[] = "Option10_0";
inline constexpr char EncodeDown[] = "Option10_1";
// The Combo1 array, by index as Apply reads it.
inline constexpr ControlArray ValueLists{"Combo1"};
inline constexpr char DecodeTones[] = "Combo1_0";
inline constexpr char EncodeTones[] = "Combo1_1";
inline constexpr char Step[] = "Combo1_2";
inline constexpr char Bandwidth[] = "Combo1_3";
inline constexpr char Power[] = "Combo1_4";
inline constexpr char Signalling[] = "Combo1_5";     // the optional signalling's type, by its text
inline constexpr char SqlMode[] = "Combo1_6";
inline constexpr char DtmfPttId[] = "Combo1_7";
inline constexpr char FiveTonePttId[] = "Combo1_8";
inline constexpr char Scrambler[] = "Combo1_9";      // never shown
inline constexpr char BusyLock[] = "Combo1_10";
inline constexpr char DtmfCode[] = "Combo1_11";      // the code list of the signalling chosen is usable
inline constexpr char TwoToneCode[] = "Combo1_12";
inline constexpr char FiveToneCode[] = "Combo1_13";
inline constexpr char MskGroup[] = "Combo1_14";      // never shown
inline constexpr char SqlLevel[] = "Combo1_15";
inline constexpr char TwoToneDecode[] = "Combo1_16";
// The Check1 array, by index as Apply reads it.
inline constexpr ControlArray Switches{"Check1"};
inline constexpr char TxInhibit[] = "Check1_0";
inline constexpr char Compander[] = "Check1_1";      // never shown
inline constexpr char ScanSkip[] = "Check1_2";
inline constexpr char Reverse[] = "Check1_3";
inline constexpr char TalkAround[] = "Check1_4";
// The Check3 array, by index as Apply reads it.
inline constexpr ControlArray ToneTicks{"Check3"};
inline constexpr char RandomDecode[] = "Check3_0";
inline constexpr char RandomEncode[] = "Check3_1";
inline constexpr char EncodeAsDecode[] = "Check3_2";

// ---- the selection panel ----
// One choice box per batch function, by the function's index.
inline constexpr ControlArray FunctionChoices{"Check2"};
inline constexpr char SelectAll[] = "CommandSelAll";
inline constexpr char SelectNone[] = "CommandSelNone";

inline constexpr char ApplyButton[] = "CommandApply";

// The state in the order the form adds it; what else is hidden the form
// sets after.
inline constexpr ControlEntry kControls[] = {
    {RangeLabel, ControlKind::Label},
    {AllChannels, ControlKind::OptionButton},
    {ChannelRange, ControlKind::OptionButton},
    {RangeFrom, ControlKind::TextBox, "", true, 3},
    {RangeToLabel, ControlKind::Label},
    {RangeTo, ControlKind::TextBox, "", true, 3},
    {DeleteOutside, ControlKind::CheckBox},
    {PanelSwitch, ControlKind::Button},
    {ValuePanel, ControlKind::Frame},
    {FunctionPanel, ControlKind::Frame, "", false},
    {RowLabels.base, ControlKind::Label, "", true, 0, 17},
    {ValueLabels.base, ControlKind::Label, "", true, 0, 10},
    {OwnCtcssLabel, ControlKind::Label},
    {ValueBoxes.base, ControlKind::TextBox, "", true, 0, kBatchBoxCount},  // lengths: kBatchBoxMaxLen
    {OwnCtcss, ControlKind::TextBox, "", true, 5},
    {RangeChoice.base, ControlKind::OptionButton, "", true, 0, 2},
    {RxDirection.base, ControlKind::OptionButton, "", true, 0, 2},
    {TxMode.base, ControlKind::OptionButton, "", true, 0, 3},
    {ShiftDirection.base, ControlKind::OptionButton, "", true, 0, 2},
    {TxDirection.base, ControlKind::OptionButton, "", true, 0, 2},
    {NameMode.base, ControlKind::OptionButton, "", true, 0, 2},
    {IdDirection.base, ControlKind::OptionButton, "", true, 0, 2},
    {OwnIdDirection.base, ControlKind::OptionButton, "", true, 0, 2},
    {DecodeDirection.base, ControlKind::OptionButton, "", true, 0, 2},
    {EncodeDirection.base, ControlKind::OptionButton, "", true, 0, 2},
    {ValueLists.base, ControlKind::ComboBox, "", true, 0, kBatchListCount},
    {Switches.base, ControlKind::CheckBox, "", true, 0, 5},
    {ToneTicks.base, ControlKind::CheckBox, "", true, 0, 3},
    {FunctionChoices.base, ControlKind::CheckBox, "", true, 0, kBatchFunCount},
    {SelectAll, ControlKind::Button},
    {SelectNone, ControlKind::Button},
    {ApplyButton, ControlKind::Button},
    {kCloseButton, ControlKind::Button},
};

}  // namespace rp::chbatch
