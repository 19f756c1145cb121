#pragma once
// The nine channel banks: the live table BankCH and the dialogs' working copy
// TempBankCH. Slots are not packed: a removal leaves a gap and an add takes
// the lowest empty slot. Only memory channels 1..200 take part; every
// operation ignores any other channel number and any bank outside 1..9.
#include <array>
#include <string>

#include "core/appdata.h"

namespace rp {

// Membership flags of banks 1..9 (element bank - 1): what the bank lists show.
using BankList = std::array<bool, kBankCount>;

// The default bank of memory channel n: (n - 1) \ 20 + 1; 0 for channels
// 181..200 and for anything that is not a memory channel.
int DefaultBankOf(int n);

void ClearBankData(AppData& d);
void CopyBankToTemp(AppData& d);
void CopyTempToBank(AppData& d);

// The slot 1..32 that holds channel n in bank b of BankCH, 0 when absent.
int GetChannelBankSlot(const AppData& d, int n, int b);
bool IsChannelInTempBank(const AppData& d, int n, int b);

// True when channel n is already in bank b or the bank has an empty slot.
bool CanAddToBank(const AppData& d, int n, int b);
bool CanAddToTempBank(const AppData& d, int n, int b);

// Puts channel n into the lowest empty slot of bank b (b <= 0: its default
// bank). A channel already there, or a full bank, leaves the bank unchanged.
void AddChannelToBank(AppData& d, int n, int b);
void AddChannelToTempBank(AppData& d, int n, int b);

// Empties every slot of every bank of BankCH that holds channel n.
void DelChannelFromBanks(AppData& d, int n);

// on: adds n to bank b when absent; off: empties its slot in bank b.
void SetChannelBank(AppData& d, int n, int b, bool on);

// Makes the membership of n in BankCH follow the flags of banks 1..9.
void SetChannelBanksByList(AppData& d, int n, const BankList& list);

// Fills the flags with the membership of n in BankCH (TempBankCH). A channel
// outside 1..200 leaves the list as it is.
void ShowChannelBankList(const AppData& d, BankList& list, int n);
void ShowTempBankList(const AppData& d, BankList& list, int n);

// The digits of the banks of BankCH that hold n, in bank order ("25");
// "" when none or when n is not a memory channel.
std::string GetChannelBankText(const AppData& d, int n);

}  // namespace rp
