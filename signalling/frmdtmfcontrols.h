#pragma once
// The DTMF dialog's controls (FrmDTMF).
#include <iterator>

#include "forms/commoncontrols.h"
#include "forms/controls.h"

namespace rp::dtmf {

// ---- the settings column: row r (1..12) holds kSettings[r - 1] beside
// its caption SettingCaptions[r] ----
inline constexpr ControlArray SettingCaptions{"Label3"};
inline constexpr char Ani[] = "Combo1_1";              // ANI off/on, never shown but carried
inline constexpr char SendTime[] = "Combo1_2";         // a digit's send time
inline constexpr char PttIdMode[] = "Combo1_3";        // the PTT-ID mode, hidden
inline constexpr char OwnId[] = "Text3";               // the own ID, three digits
inline constexpr char Separator[] = "Combo1_5";        // the special calls' separator digit
inline constexpr char GroupCode[] = "Combo1_6";        // the group code digit or off
inline constexpr char DecodeResponse[] = "Combo1_7";
inline constexpr char FirstDigitDelay[] = "Combo1_8";  // ms
inline constexpr char PreSendDelay[] = "Combo1_9";     // ms
inline constexpr char ResetTime[] = "Combo1_10";       // s
inline constexpr char PostSendDelay[] = "Combo1_11";   // ms
inline constexpr char PauseTime[] = "Combo1_12";
inline constexpr const char* kSettings[] = {
    Ani,             SendTime,     PttIdMode, OwnId,         Separator, GroupCode, DecodeResponse,
    FirstDigitDelay, PreSendDelay, ResetTime, PostSendDelay, PauseTime};
inline constexpr int kSettingRows = static_cast<int>(std::size(kSettings));
inline constexpr char SideTone[] = "Check1";

// ---- the codes: box i (dtmfrules.h: 0..15 the memory codes, then begin,
// end, kill and stun) beside its caption CodeCaptions[i] ----
inline constexpr char MemoryFrame[] = "Frame1";  // holds the memory codes
inline constexpr char MemoryNote[] = "Label2";   // the characters a code may hold
inline constexpr ControlArray CodeCaptions{"Label1"};
inline constexpr ControlArray CodeBoxes{"Text2"};

inline constexpr char SpecialButton[] = "CommandSpecial";  // opens the special-call builder
inline constexpr char OkTimer[] = "OKTimer";  // OK's commit

}  // namespace rp::dtmf
