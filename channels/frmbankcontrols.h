#pragma once
// The controls of FrmBank, the bank dialog.
#include "forms/commoncontrols.h"
#include "forms/controls.h"

namespace rp::bank {

inline constexpr char BanksLabel[] = "Label1_0";
inline constexpr char Banks[] = "List1";          // the nine banks; the chosen one is edited
inline constexpr char InBankLabel[] = "Label1_1";
inline constexpr char InBank[] = "List2";         // the chosen bank's channels, in slot order
inline constexpr char MoveIn[] = "CommandL";      // "<<": the chosen other channel into the bank
inline constexpr char MoveOut[] = "CommandR";     // ">>": the chosen bank channel out of it
inline constexpr char OthersLabel[] = "Label1_2";
inline constexpr char Others[] = "List3";         // the memory channels outside the bank, in store order

inline constexpr ControlEntry kControls[] = {
    {BanksLabel, ControlKind::Label},   {Banks, ControlKind::ListBox},
    {InBankLabel, ControlKind::Label},  {InBank, ControlKind::ListBox},
    {MoveIn, ControlKind::Button},      {MoveOut, ControlKind::Button},
    {OthersLabel, ControlKind::Label},  {Others, ControlKind::ListBox},
    {kOKButton, ControlKind::Button},   {kCancelButton, ControlKind::Button},
};

}  // namespace rp::bank
