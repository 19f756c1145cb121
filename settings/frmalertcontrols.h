#pragma once
// The emergency-alarm dialog's controls (FrmAlert): each list with the label
// that captions it, the hidden lone-worker group, OK and Cancel.
#include "forms/commoncontrols.h"
#include "forms/controls.h"

namespace rp::alert {

inline constexpr char AlarmTypeLabel[] = "Label1_0";
inline constexpr char AlarmType[] = "Combo1_0";           // local, remote, remote and voice, silent
inline constexpr char IdCodeTypeLabel[] = "Label1_1";
inline constexpr char IdCodeType[] = "Combo1_1";          // none, DTMF, five-tone
inline constexpr char IdCodeLabel[] = "Label1_2";
inline constexpr char IdCode[] = "Combo1_2";              // the ID code of the type shown
inline constexpr char AlarmTimeLabel[] = "Label1_3";
inline constexpr char AlarmTime[] = "Combo1_3";           // seconds 1..255
inline constexpr char TxTimeLabel[] = "Label1_4";
inline constexpr char TxTime[] = "Combo1_4";              // seconds 1..255
inline constexpr char RxTimeLabel[] = "Label1_5";
inline constexpr char RxTime[] = "Combo1_5";              // seconds 1..255
inline constexpr char ChannelSelectLabel[] = "Label1_6";
inline constexpr char ChannelSelect[] = "Combo1_6";       // assigned or current channel
inline constexpr char EmergencyGroupLabel[] = "Label1_7";
inline constexpr char EmergencyGroup[] = "Combo1_7";      // never filled, never shown
inline constexpr char EmergencyChannelLabel[] = "Label1_8";
inline constexpr char EmergencyChannel[] = "Combo1_8";    // memory channels, shown as n - 1
inline constexpr char CyclesLabel[] = "Label1_9";
inline constexpr char Cycles[] = "Combo1_9";              // continuous, 1..255

// The lone-worker group (hidden).
inline constexpr char LoneWorkerFrame[] = "Frame1";
inline constexpr char AutoDetect[] = "Check1";
inline constexpr char PreAlertTimeLabel[] = "Label2_0";
inline constexpr char PreAlertTime[] = "Combo2_0";        // seconds 1..254
inline constexpr char LoneWorkerTimeLabel[] = "Label2_1";
inline constexpr char LoneWorkerTime[] = "Combo2_1";      // seconds 5..255

// The captioned lists (forms/controls.h): the window lays them out from
// these tables, and the report prints each caption beside its list's value.
// The column of lists, top to bottom (the report leaves the emergency
// group out: it is never shown).
inline constexpr CaptionedControl kLists[] = {
    {AlarmTypeLabel, AlarmType},
    {IdCodeTypeLabel, IdCodeType},
    {IdCodeLabel, IdCode},
    {AlarmTimeLabel, AlarmTime},
    {TxTimeLabel, TxTime},
    {RxTimeLabel, RxTime},
    {ChannelSelectLabel, ChannelSelect},
    {EmergencyGroupLabel, EmergencyGroup},
    {EmergencyChannelLabel, EmergencyChannel},
    {CyclesLabel, Cycles},
};
// The lone-worker group's lists, below its check box.
inline constexpr CaptionedControl kLoneWorkerLists[] = {
    {PreAlertTimeLabel, PreAlertTime},
    {LoneWorkerTimeLabel, LoneWorkerTime},
};

inline constexpr ControlEntry kControls[] = {
    {AlarmTypeLabel, ControlKind::Label, "2602"},
    {AlarmType, ControlKind::ComboBox},
    {IdCodeTypeLabel, ControlKind::Label, "2603"},
    {IdCodeType, ControlKind::ComboBox},
    {IdCodeLabel, ControlKind::Label, "2604"},
    {IdCode, ControlKind::ComboBox},
    {AlarmTimeLabel, ControlKind::Label, "2605"},
    {AlarmTime, ControlKind::ComboBox},
    {TxTimeLabel, ControlKind::Label, "2606"},
    {TxTime, ControlKind::ComboBox},
    {RxTimeLabel, ControlKind::Label, "2607"},
    {RxTime, ControlKind::ComboBox},
    {ChannelSelectLabel, ControlKind::Label, "2608"},
    {ChannelSelect, ControlKind::ComboBox},
    {EmergencyGroupLabel, ControlKind::Label, "2609", false},
    {EmergencyGroup, ControlKind::ComboBox, "", false},
    {EmergencyChannelLabel, ControlKind::Label, "2610"},
    {EmergencyChannel, ControlKind::ComboBox},
    {CyclesLabel, ControlKind::Label, "2611"},
    {Cycles, ControlKind::ComboBox},
    {LoneWorkerFrame, ControlKind::Frame, "2612", false},
    {AutoDetect, ControlKind::CheckBox, "2613", false},
    {PreAlertTimeLabel, ControlKind::Label, "2614", false},
    {PreAlertTime, ControlKind::ComboBox, "", false},
    {LoneWorkerTimeLabel, ControlKind::Label, "2615", false},
    {LoneWorkerTime, ControlKind::ComboBox, "", false},
    {kOKButton, ControlKind::Button},
    {kCancelButton, ControlKind::Button},
};

}  // namespace rp::alert
