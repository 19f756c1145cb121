#pragma once
// The five-tone dialog's controls (Frm5Tone).
#include "forms/commoncontrols.h"
#include "forms/controls.h"

namespace rp::fivetone {

// The settings area, one row each: row 0 the own ID, rows 1..12 the system
// lists; SettingLabels[row] captions the row's box.
inline constexpr ControlArray SettingLabels{"Label1"};
inline constexpr char OwnId[] = "Text2";              // the radio's own five-digit ID
inline constexpr char SystemStandard[] = "Combo1_1";  // the system's tone standard
inline constexpr char Response[] = "Combo1_2";        // the response to a call
inline constexpr char SystemToneTime[] = "Combo1_3";  // the system's tone duration (ms)
inline constexpr char PreSendDelay[] = "Combo1_4";
inline constexpr char AutoResetTime[] = "Combo1_5";   // in tenths of a second
inline constexpr char PostSendDelay[] = "Combo1_6";
inline constexpr char AutoRepeatTime[] = "Combo1_7";  // item 0: off
inline constexpr char FirstDigitDelay[] = "Combo1_8";
inline constexpr char PauseTime[] = "Combo1_9";       // enabled unless the pause code is off
inline constexpr char PauseCode[] = "Combo1_10";      // item 0: off
inline constexpr char DecodeTime[] = "Combo1_11";     // kept outside the working copy
inline constexpr char FirstCodeDelay[] = "Combo1_12"; // the first code's delay after a pause
inline constexpr const char* SettingBoxes[] = {
    OwnId,           SystemStandard, Response,  SystemToneTime, PreSendDelay, AutoResetTime, PostSendDelay,
    AutoRepeatTime, FirstDigitDelay, PauseTime, PauseCode,      DecodeTime,   FirstCodeDelay};
inline constexpr char SideTone[] = "Check1";

// The information codes: a picker of the code shown (1..8) and its frame.
inline constexpr char InfoNumberLabel[] = "Label3";
inline constexpr char InfoNumber[] = "Combo6";
inline constexpr char InfoFrame[] = "Frame3";
inline constexpr char InfoTypeLabel[] = "Label4_0";
inline constexpr char InfoType[] = "Combo7_0";
inline constexpr char InfoOptionLabel[] = "Label4_1";
inline constexpr char InfoOption[] = "Combo7_1";  // the response the code asks for
inline constexpr char InfoCodeLabel[] = "Label4_2";
inline constexpr char InfoCodeBox[] = "Text5";
inline constexpr char InfoNameLabel[] = "Label4_3";
inline constexpr char InfoName[] = "Text7";

// The tone table of the standard picked last, read-only, and the button
// that opens the user tone set.
inline constexpr char ToneTable[] = "Text1";
inline constexpr char UserTonesButton[] = "Command4";

// The code list: the grid, the button that opens the special-call builder
// for an entry, and the editors that float over the current cell (code,
// standard, tone duration, name).
inline constexpr char CodeGrid[] = "MSHFlexGrid1";
inline constexpr char SpecialCallButton[] = "Command1";
inline constexpr char CodeEditor[] = "Text3";
inline constexpr char StandardEditor[] = "Combo2";
inline constexpr char ToneTimeEditor[] = "Combo3";
inline constexpr char NameEditor[] = "Text6";

// The PTT-ID codes, by index: 0 the begin code, 1 the end code.
inline constexpr ControlArray PttFrames{"Frame1"};
inline constexpr ControlArray PttCodeLabels{"Label2"};
inline constexpr ControlArray PttCodes{"Text4"};
inline constexpr ControlArray PttStandards{"Combo4"};
inline constexpr ControlArray PttToneTimes{"Combo5"};
inline constexpr char BeginSpecialCallButton[] = "Command2";  // the builder for the begin code
inline constexpr char EndSpecialCallButton[] = "Command3";
inline constexpr const char* PttSpecialCallButtons[] = {BeginSpecialCallButton, EndSpecialCallButton};

// In tab order: the own ID, the twelve system lists, the side tone, the
// information-code area; then the rest. The grid's editors start hidden.
inline constexpr ControlEntry kControls[] = {
    {"Label1_0", ControlKind::Label, "[OPTION]60072"},
    {OwnId, ControlKind::TextBox},
    {"Label1_1", ControlKind::Label, "3004"},
    {SystemStandard, ControlKind::ComboBox},
    {"Label1_2", ControlKind::Label, "[OPTION]60070"},
    {Response, ControlKind::ComboBox},
    {"Label1_3", ControlKind::Label, "[OPTION]60071"},
    {SystemToneTime, ControlKind::ComboBox},
    {"Label1_4", ControlKind::Label, "[OPTION]60081"},
    {PreSendDelay, ControlKind::ComboBox},
    {"Label1_5", ControlKind::Label, "[OPTION]60307"},
    {AutoResetTime, ControlKind::ComboBox},
    {"Label1_6", ControlKind::Label, "[OPTION]60308"},
    {PostSendDelay, ControlKind::ComboBox},
    {"Label1_7", ControlKind::Label, "[OPTION]60309"},
    {AutoRepeatTime, ControlKind::ComboBox},
    {"Label1_8", ControlKind::Label, "[OPTION]60310"},
    {FirstDigitDelay, ControlKind::ComboBox},
    {"Label1_9", ControlKind::Label, "[OPTION]60311"},
    {PauseTime, ControlKind::ComboBox},
    {"Label1_10", ControlKind::Label, "[OPTION]60314"},
    {PauseCode, ControlKind::ComboBox},
    {"Label1_11", ControlKind::Label, "[OPTION]60315"},
    {DecodeTime, ControlKind::ComboBox},
    {"Label1_12", ControlKind::Label, "[OPTION]60316"},
    {FirstCodeDelay, ControlKind::ComboBox},
    {SideTone, ControlKind::CheckBox, "[OPTION]60312"},
    {InfoNumberLabel, ControlKind::Label, "[OPTION]60095"},
    {InfoNumber, ControlKind::ComboBox},
    {InfoFrame, ControlKind::Frame},
    {InfoTypeLabel, ControlKind::Label, "[OPTION]60096"},
    {InfoType, ControlKind::ComboBox},
    {InfoOptionLabel, ControlKind::Label, "[OPTION]60070"},
    {InfoOption, ControlKind::ComboBox},
    {InfoCodeLabel, ControlKind::Label, "[OPTION]60097"},
    {InfoCodeBox, ControlKind::TextBox},
    {InfoNameLabel, ControlKind::Label, "[OPTION]60306"},
    {InfoName, ControlKind::TextBox},
    {ToneTable, ControlKind::TextBox},
    {UserTonesButton, ControlKind::Button, "3104"},
    {CodeGrid, ControlKind::Grid},
    {SpecialCallButton, ControlKind::Button, "[OPTION]60062"},
    {CodeEditor, ControlKind::TextBox, "", false},
    {StandardEditor, ControlKind::ComboBox, "", false},
    {ToneTimeEditor, ControlKind::ComboBox, "", false},
    {NameEditor, ControlKind::TextBox, "", false},
    {"Frame1_0", ControlKind::Frame, "[OPTION]60302"},
    {"Label2_0", ControlKind::Label, "[OPTION]60079"},
    {"Text4_0", ControlKind::TextBox},
    {"Combo4_0", ControlKind::ComboBox},
    {"Combo5_0", ControlKind::ComboBox},
    {BeginSpecialCallButton, ControlKind::Button, "[OPTION]60062"},
    {"Frame1_1", ControlKind::Frame, "[OPTION]60303"},
    {"Label2_1", ControlKind::Label, "[OPTION]60079"},
    {"Text4_1", ControlKind::TextBox},
    {"Combo4_1", ControlKind::ComboBox},
    {"Combo5_1", ControlKind::ComboBox},
    {EndSpecialCallButton, ControlKind::Button, "[OPTION]60062"},
    {kOKButton, ControlKind::Button, "[OPTION]60024"},
    {kCancelButton, ControlKind::Button, "[OPTION]60025"},
};

}  // namespace rp::fivetone
