#pragma once
// The scan-settings dialog's controls (FrmScan): each list with the label
// that captions it, the hidden lists (the priority channels' second parts,
// scan type, wait time, the master revert list), the prompt-tone box, OK and
// Cancel.
#include "forms/commoncontrols.h"
#include "forms/controls.h"

namespace rp::scan {

inline constexpr char ScanModeLabel[] = "Label1_0";
inline constexpr char ScanMode[] = "Combo1_0";                 // off, on
inline constexpr char PriorityLabel[] = "Label1_1";
inline constexpr char Priority[] = "Combo1_1";                 // off, 1, 2, 1 + 2
inline constexpr char PriorityChannel1Label[] = "Label1_2";
inline constexpr char PriorityChannel1[] = "Combo1_2";         // memory channel numbers
inline constexpr char PriorityChannel1Dash[] = "Label1_3";
inline constexpr char PriorityChannel1Second[] = "Combo1_3";   // never filled
inline constexpr char PriorityChannel2Label[] = "Label1_4";
inline constexpr char PriorityChannel2[] = "Combo1_4";         // memory channel numbers
inline constexpr char PriorityChannel2Dash[] = "Label1_5";
inline constexpr char PriorityChannel2Second[] = "Combo1_5";   // never filled
inline constexpr char RevertLabel[] = "Label1_6";
inline constexpr char Revert[] = "Combo1_6";                   // the entries the priority offers
inline constexpr char LookBackALabel[] = "Label1_7";
inline constexpr char LookBackA[] = "Combo1_7";                // 0.5 .. 5.0 s
inline constexpr char LookBackBLabel[] = "Label1_8";
inline constexpr char LookBackB[] = "Combo1_8";                // 0.5 .. 5.0 s
inline constexpr char RxResumeLabel[] = "Label1_9";
inline constexpr char RxResume[] = "Combo1_9";                 // 0.1 .. 5.0 s
inline constexpr char TxResumeLabel[] = "Label1_10";
inline constexpr char TxResume[] = "Combo1_10";                // 0.1 .. 5.0 s
inline constexpr char ScanTypeLabel[] = "Label1_11";
inline constexpr char ScanType[] = "Combo1_11";
inline constexpr char WaitTimeLabel[] = "Label1_12";
inline constexpr char WaitTime[] = "Combo1_12";                // 50 .. 6375 ms
inline constexpr char RevertMasters[] = "Combo2";              // every revert entry, by master index
inline constexpr char PromptTone[] = "Check1";

inline constexpr ControlEntry kControls[] = {
    {ScanModeLabel, ControlKind::Label, "2402"},
    {ScanMode, ControlKind::ComboBox},
    {PriorityLabel, ControlKind::Label, "2403"},
    {Priority, ControlKind::ComboBox},
    {PriorityChannel1Label, ControlKind::Label, "2404"},
    {PriorityChannel1, ControlKind::ComboBox},
    {PriorityChannel1Dash, ControlKind::Label, "", false},
    {PriorityChannel1Second, ControlKind::ComboBox, "", false},
    {PriorityChannel2Label, ControlKind::Label, "2405"},
    {PriorityChannel2, ControlKind::ComboBox},
    {PriorityChannel2Dash, ControlKind::Label, "", false},
    {PriorityChannel2Second, ControlKind::ComboBox, "", false},
    {RevertLabel, ControlKind::Label, "2406"},
    {Revert, ControlKind::ComboBox},
    {LookBackALabel, ControlKind::Label, "2407"},
    {LookBackA, ControlKind::ComboBox},
    {LookBackBLabel, ControlKind::Label, "2408"},
    {LookBackB, ControlKind::ComboBox},
    {RxResumeLabel, ControlKind::Label, "2409"},
    {RxResume, ControlKind::ComboBox},
    {TxResumeLabel, ControlKind::Label, "2410"},
    {TxResume, ControlKind::ComboBox},
    {ScanTypeLabel, ControlKind::Label, "2411", false},
    {ScanType, ControlKind::ComboBox, "", false},
    {WaitTimeLabel, ControlKind::Label, "2412", false},
    {WaitTime, ControlKind::ComboBox, "", false},
    {RevertMasters, ControlKind::ComboBox, "", false},
    {PromptTone, ControlKind::CheckBox, "2413"},
    {kOKButton, ControlKind::Button},
    {kCancelButton, ControlKind::Button},
};

}  // namespace rp::scan
