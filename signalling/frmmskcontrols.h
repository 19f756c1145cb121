#pragma once
// The MSK dialog's controls (FrmMSK).
#include "forms/commoncontrols.h"
#include "forms/controls.h"

namespace rp::msk {

inline constexpr char Tabs[] = "SSTab1";  // the groups, the header settings

// ---- the groups tab: one group at a time in GroupFrame ----
inline constexpr char GroupListCaption[] = "Label1_0";
inline constexpr char GroupList[] = "Combo1_0";  // the group shown, 0..31
inline constexpr char GroupFrame[] = "Frame1";
inline constexpr char GroupValid[] = "Check2";
inline constexpr char CallTypeCaption[] = "Label1_1";
inline constexpr char CallType[] = "Combo1_1";
inline constexpr char IndividualIdCaption[] = "Label4_0";
inline constexpr char IndividualId[] = "Text1_0";  // four characters, hexadecimal
inline constexpr char GroupIdCaption[] = "Label4_1";
inline constexpr char GroupId[] = "Text1_1";       // four characters, hexadecimal
inline constexpr char InfoCodeCaption[] = "Label4_2";
inline constexpr char InfoCode[] = "Text1_2";
inline constexpr char GroupNameCaption[] = "Label4_3";
inline constexpr char GroupName[] = "Text1_3";

// ---- the header tab ----
inline constexpr char OwnIdCaption[] = "Label3_0";
inline constexpr char OwnId[] = "Text2_0";         // four characters, hexadecimal
inline constexpr char OwnGroupIdCaption[] = "Label3_1";
inline constexpr char OwnGroupId[] = "Text2_1";    // four characters, hexadecimal
inline constexpr char FrequencyCaption[] = "Label3_2";
inline constexpr char Frequency[] = "Text2_2";     // whole MHz
inline constexpr char PreSendDelayCaption[] = "Label2_0";
inline constexpr char PreSendDelay[] = "Combo2_0";  // s
inline constexpr char PttIdCaption[] = "Label2_1";
inline constexpr char PttId[] = "Combo2_1";
inline constexpr char DecodeResponseCaption[] = "Label2_2";
inline constexpr char DecodeResponse[] = "Combo2_2";
inline constexpr char ResetTimeCaption[] = "Label2_3";
inline constexpr char ResetTime[] = "Combo2_3";     // s
inline constexpr char SideTone[] = "Check1";

inline constexpr ControlEntry kControls[] = {
    {Tabs, ControlKind::TabStrip},
    {GroupListCaption, ControlKind::Label, "7510"},
    {GroupList, ControlKind::ComboBox},
    {GroupFrame, ControlKind::Frame},
    {GroupValid, ControlKind::CheckBox, "7511"},
    {CallTypeCaption, ControlKind::Label, "7512"},
    {CallType, ControlKind::ComboBox},
    {IndividualIdCaption, ControlKind::Label, "7513"},
    {IndividualId, ControlKind::TextBox, "", true, 4},
    {GroupIdCaption, ControlKind::Label, "7514"},
    {GroupId, ControlKind::TextBox, "", true, 4},
    {InfoCodeCaption, ControlKind::Label, "7515"},
    {InfoCode, ControlKind::TextBox, "", true, 18},
    {GroupNameCaption, ControlKind::Label, "7516"},
    {GroupName, ControlKind::TextBox, "", true, 6},

    {OwnIdCaption, ControlKind::Label, "7520"},
    {OwnId, ControlKind::TextBox, "", true, 4},
    {OwnGroupIdCaption, ControlKind::Label, "7521"},
    {OwnGroupId, ControlKind::TextBox, "", true, 4},
    {FrequencyCaption, ControlKind::Label, "7527"},
    {Frequency, ControlKind::TextBox, "", true, 3},
    {PreSendDelayCaption, ControlKind::Label, "7522"},
    {PreSendDelay, ControlKind::ComboBox},
    {PttIdCaption, ControlKind::Label, "7523"},
    {PttId, ControlKind::ComboBox},
    {DecodeResponseCaption, ControlKind::Label, "7524"},
    {DecodeResponse, ControlKind::ComboBox},
    {ResetTimeCaption, ControlKind::Label, "7526"},
    {ResetTime, ControlKind::ComboBox},
    {SideTone, ControlKind::CheckBox, "7525"},
    {kOKButton, ControlKind::Button, "101"},
    {kCancelButton, ControlKind::Button, "102"},
};

}  // namespace rp::msk
