#pragma once
// The two-tone dialog's controls (Frm2Tone).
#include "forms/commoncontrols.h"
#include "forms/controls.h"

namespace rp::twotone {

inline constexpr char Tabs[] = "SSTab1";  // encode, own call, decode

// ---- the encode tab ----
inline constexpr char EncodeGrid[] = "MSHFlexGrid1";  // the encode list
inline constexpr char ToneEditor[] = "Text1";         // floats over the grid's open tone cell
inline constexpr char NameEditor[] = "Text3";         // floats over the grid's open name cell
// The timings, each beside its caption TimingCaptions[i] (i as in kTimings).
inline constexpr ControlArray TimingCaptions{"Label1"};
inline constexpr char FirstToneTime[] = "Combo1_0";   // s
inline constexpr char SecondToneTime[] = "Combo1_1";  // s
inline constexpr char LongToneTime[] = "Combo1_2";    // s
inline constexpr char Interval[] = "Combo1_3";        // ms
inline constexpr char ResetTime[] = "Combo1_4";       // s
inline constexpr const char* kTimings[] = {FirstToneTime, SecondToneTime, LongToneTime, Interval,
                                           ResetTime};
inline constexpr char SideTone[] = "Check1";

// ---- the own-call tab ----
inline constexpr char CallFormatCaption[] = "Label2_0";
inline constexpr char CallFormat[] = "Combo2_0";
inline constexpr char ResponseCaption[] = "Label2_1";
inline constexpr char Response[] = "Combo2_1";  // the own call's decode response
// Tones A to D (0..3), each beside its caption.
inline constexpr ControlArray ToneCaptions{"Label3"};
inline constexpr ControlArray ToneBoxes{"Text2"};

// ---- the decode tab: entry k (0..15) on tab k of DecodeTabs ----
inline constexpr char DecodeTabs[] = "SSTab2";
inline constexpr ControlArray DecodeFrames{"Frame1"};
inline constexpr ControlArray DecodeValidBoxes{"Check2"};
inline constexpr ControlArray DecodeTone1Captions{"Label4"};
inline constexpr ControlArray DecodeTone1Boxes{"Text4"};
inline constexpr ControlArray DecodeTone2Captions{"Label5"};
inline constexpr ControlArray DecodeTone2Boxes{"Text5"};
inline constexpr ControlArray DecodeResponseCaptions{"Label6"};
inline constexpr ControlArray DecodeResponses{"Combo3"};
inline constexpr ControlArray DecodeNameCaptions{"Label8"};
inline constexpr ControlArray DecodeNames{"Text6"};

}  // namespace rp::twotone
