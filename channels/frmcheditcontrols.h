#pragma once
// The controls of FrmCHEdit, the channel dialog. A control's Tag is the kind
// of record field it edits ("RX", "Encode", ...), by which a preset list
// locks its fixed fields; a label carries the Tag of its list.
#include "forms/commoncontrols.h"
#include "forms/controls.h"

namespace rp::chedit {

// ---- entry boxes ----
// The Text1 array; its handlers take the element's index. Elements 0, 1 and
// 10 are RxFreq, OffsetFreq and TxFreq; kNameBoxFirst .. kNameBoxLast hold
// the channel name, one character each.
inline constexpr ControlArray EntryBoxes{"Text1"};
inline constexpr int kNameBoxFirst = 2;
inline constexpr int kNameBoxLast = 7;
inline constexpr char RxFreq[] = "Text1_0";      // the RX frequency (MHz)
inline constexpr char OffsetFreq[] = "Text1_1";  // the offset, never shown: derived from RX and TX
inline constexpr char TxFreq[] = "Text1_10";     // the TX frequency; empty = simplex
inline constexpr char OffsetDir[] = "Combo2";    // the offset's direction, never shown
inline constexpr char PttIdCode[] = "Text2";     // the PTT-ID code, never shown
inline constexpr char OwnCtcss[] = "Text3";      // the channel's own CTCSS tone (Hz)

// ---- the field lists ----
// The Combo1 array; Combo1_Click takes the element's index.
inline constexpr ControlArray FieldLists{"Combo1"};
inline constexpr char Step[] = "Combo1_0";
inline constexpr char Bandwidth[] = "Combo1_1";
inline constexpr char Power[] = "Combo1_2";
inline constexpr char Signalling[] = "Combo1_4";     // the optional signalling's type, by its text
inline constexpr char DecodeType[] = "Combo1_5";     // the decode tone's type: off, CTCSS, DCS
inline constexpr char Scrambler[] = "Combo1_6";      // never shown
inline constexpr char DtmfPttId[] = "Combo1_7";
inline constexpr char FiveTonePttId[] = "Combo1_8";
inline constexpr char SqlModes[] = "Combo1_9";       // the squelch modes offered now
inline constexpr char EncodeType[] = "Combo1_10";    // the encode tone's type: off, CTCSS, DCS
inline constexpr char AllSqlModes[] = "Combo1_11";   // every squelch mode by number, never shown
inline constexpr char ExtraDisplay[] = "Combo1_12";  // never shown; no item for value 3
inline constexpr char BusyLock[] = "Combo1_13";
inline constexpr char SqlLevel[] = "Combo1_15";
inline constexpr char TwoToneDecode[] = "Combo1_16";  // the two-tone decode entry, by its number

// ---- tones and codes: the list of the type chosen shows ----
inline constexpr ControlArray ToneLists{"Combo3"};
inline constexpr char DecodeCtcss[] = "Combo3_0";
inline constexpr char EncodeCtcss[] = "Combo3_1";
inline constexpr char DecodeDcs[] = "Combo3_2";
inline constexpr char EncodeDcs[] = "Combo3_3";
inline constexpr ControlArray InvertedTicks{"Check2"};
inline constexpr char DecodeInverted[] = "Check2_0";  // the decode DCS code inverted
inline constexpr char EncodeInverted[] = "Check2_1";
inline constexpr ControlArray CodeLists{"Combo4"};
inline constexpr char DtmfCode[] = "Combo4_0";      // the DTMF memory, by position
inline constexpr char TwoToneCode[] = "Combo4_1";   // the entries in use, by their numbers
inline constexpr char FiveToneCode[] = "Combo4_2";
inline constexpr char MskGroup[] = "Combo4_3";

// ---- ticks ----
inline constexpr char TxInhibit[] = "Check1";
inline constexpr char PttIdOn[] = "Check3";  // never shown
// The Check4 array: reverse and talk-around, which exclude each other;
// Check4_Click takes the element's index.
inline constexpr ControlArray ExclusiveTicks{"Check4"};
inline constexpr char Reverse[] = "Check4_0";
inline constexpr char TalkAround[] = "Check4_1";
inline constexpr char Compander[] = "Check5";    // never shown
inline constexpr char ScanSkip[] = "Check6";
inline constexpr char PttIdDecode[] = "Check7";  // never shown

// The banks the memory channel belongs to: one tick per bank.
inline constexpr char Banks[] = "ListBank";

// ---- captions ----
inline constexpr char RxLabel[] = "Label1_0";
inline constexpr char OffsetLabel[] = "Label1_1";
inline constexpr char NameLabel[] = "Label1_2";
inline constexpr char TxLabel[] = "Label1_3";
// The Label2 array: element i captions FieldLists[i].
inline constexpr char StepLabel[] = "Label2_0";
inline constexpr char BandwidthLabel[] = "Label2_1";
inline constexpr char PowerLabel[] = "Label2_2";
inline constexpr char SignallingLabel[] = "Label2_4";
inline constexpr char DecodeTypeLabel[] = "Label2_5";
inline constexpr char ScramblerLabel[] = "Label2_6";
inline constexpr char DtmfPttIdLabel[] = "Label2_7";
inline constexpr char FiveTonePttIdLabel[] = "Label2_8";
inline constexpr char SqlModesLabel[] = "Label2_9";
inline constexpr char EncodeTypeLabel[] = "Label2_10";
inline constexpr char AllSqlModesLabel[] = "Label2_11";
inline constexpr char ExtraDisplayLabel[] = "Label2_12";
inline constexpr char BusyLockLabel[] = "Label2_13";
inline constexpr char SqlLevelLabel[] = "Label2_15";
inline constexpr char TwoToneDecodeLabel[] = "Label2_16";
inline constexpr char PttIdCodeLabel[] = "Label3";
inline constexpr char OwnCtcssLabel[] = "Label4";

// The state in the order the form adds it. Hidden here: what the record
// shows or the list kind allows is switched on when a record is shown.
inline constexpr ControlEntry kControls[] = {
    {RxFreq, ControlKind::TextBox, "RX", true, 9},
    {TxFreq, ControlKind::TextBox, "TX", true, 9},
    {OffsetFreq, ControlKind::TextBox, "", false, 9},
    {OffsetDir, ControlKind::ComboBox, "", false},
    {"Text1_2", ControlKind::TextBox, "Name", true, 1},
    {"Text1_3", ControlKind::TextBox, "Name", true, 1},
    {"Text1_4", ControlKind::TextBox, "Name", true, 1},
    {"Text1_5", ControlKind::TextBox, "Name", true, 1},
    {"Text1_6", ControlKind::TextBox, "Name", true, 1},
    {"Text1_7", ControlKind::TextBox, "Name", true, 1},
    {Step, ControlKind::ComboBox, "Step"},
    {Bandwidth, ControlKind::ComboBox, "WN"},
    {Power, ControlKind::ComboBox, "Power"},
    {Signalling, ControlKind::ComboBox, "OPT_Signal"},
    {DecodeType, ControlKind::ComboBox, "Decode"},
    {Scrambler, ControlKind::ComboBox, "", false},
    {DtmfPttId, ControlKind::ComboBox, "DTMF_PTT"},
    {FiveTonePttId, ControlKind::ComboBox, "5Tone_PTT"},
    {SqlModes, ControlKind::ComboBox, "SQL"},
    {EncodeType, ControlKind::ComboBox, "Encode"},
    {AllSqlModes, ControlKind::ComboBox, "", false},
    {ExtraDisplay, ControlKind::ComboBox, "", false},
    {BusyLock, ControlKind::ComboBox, "Main"},
    {SqlLevel, ControlKind::ComboBox, "SQL_Level"},
    {TwoToneDecode, ControlKind::ComboBox, "OPT_Signal_Decode"},
    {DecodeCtcss, ControlKind::ComboBox, "Decode", false},
    {EncodeCtcss, ControlKind::ComboBox, "Encode", false},
    {DecodeDcs, ControlKind::ComboBox, "Decode", false},
    {EncodeDcs, ControlKind::ComboBox, "Encode", false},
    {DecodeInverted, ControlKind::CheckBox, "Decode", false},
    {EncodeInverted, ControlKind::CheckBox, "Encode", false},
    {DtmfCode, ControlKind::ComboBox, "OPT_Signal", false},
    {TwoToneCode, ControlKind::ComboBox, "", false},
    {FiveToneCode, ControlKind::ComboBox, "", false},
    {MskGroup, ControlKind::ComboBox, "", false},
    {PttIdOn, ControlKind::CheckBox, "OPT_Signal", false},
    {OwnCtcss, ControlKind::TextBox, "Define_CTCSS", true, 5},
    {TxInhibit, ControlKind::CheckBox, "TXForbit"},
    {ScanSkip, ControlKind::CheckBox, "Scan"},
    {Reverse, ControlKind::CheckBox, "Reverse"},
    {TalkAround, ControlKind::CheckBox, "TalkOff"},
    {Compander, ControlKind::CheckBox, "", false},
    {PttIdDecode, ControlKind::CheckBox, "", false},
    {PttIdCode, ControlKind::TextBox, "", false, 5},
    {Banks, ControlKind::ListBox, "Bank"},
    {kOKButton, ControlKind::Button},
    {kCancelButton, ControlKind::Button},
    {RxLabel, ControlKind::Label, "RX"},
    {OffsetLabel, ControlKind::Label, "", false},
    {NameLabel, ControlKind::Label, "Name"},
    {TxLabel, ControlKind::Label, "TX"},
    {StepLabel, ControlKind::Label, "Step"},
    {BandwidthLabel, ControlKind::Label, "WN"},
    {PowerLabel, ControlKind::Label, "Power"},
    {SignallingLabel, ControlKind::Label, "OPT_Signal"},
    {DecodeTypeLabel, ControlKind::Label, "Decode"},
    {ScramblerLabel, ControlKind::Label, "", false},
    {DtmfPttIdLabel, ControlKind::Label, "DTMF_PTT"},
    {FiveTonePttIdLabel, ControlKind::Label, "5Tone_PTT"},
    {SqlModesLabel, ControlKind::Label, "SQL"},
    {EncodeTypeLabel, ControlKind::Label, "Encode"},
    {AllSqlModesLabel, ControlKind::Label, "", false},
    {ExtraDisplayLabel, ControlKind::Label, "", false},
    {BusyLockLabel, ControlKind::Label, "Main"},
    {SqlLevelLabel, ControlKind::Label, "SQL_Level"},
    {TwoToneDecodeLabel, ControlKind::Label, "OPT_Signal_Decode"},
    {PttIdCodeLabel, ControlKind::Label, "", false},
    {OwnCtcssLabel, ControlKind::Label, "Define_CTCSS"},
};

}  // namespace rp::chedit
