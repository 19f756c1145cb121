#include "core/banks.h"

namespace rp {

namespace {

bool IsMemChannel(int n) { return n >= ChMemFirst && n <= ChMemLast; }
bool IsBank(int b) { return b >= 1 && b <= kBankCount; }

int SlotOf(const BankTable& t, int n, int b) {
    if (!IsMemChannel(n) || !IsBank(b)) return 0;
    for (int s = 1; s <= kBankSlots; ++s)
        if (t(s, b) == n) return s;
    return 0;
}

bool CanAdd(const BankTable& t, int n, int b) {
    if (!IsMemChannel(n) || !IsBank(b)) return false;
    if (SlotOf(t, n, b) != 0) return true;
    for (int s = 1; s <= kBankSlots; ++s)
        if (t(s, b) == 0) return true;
    return false;
}

void Add(BankTable& t, int n, int b) {
    if (!IsMemChannel(n) || b > kBankCount) return;
    if (b <= 0) b = DefaultBankOf(n);
    if (!IsBank(b)) return;  // channels 181..200 have no default bank
    if (SlotOf(t, n, b) != 0) return;
    for (int s = 1; s <= kBankSlots; ++s) {
        if (t(s, b) == 0) {
            t(s, b) = static_cast<Integer>(n);
            return;
        }
    }
    // A full bank stays as it is.
}

// Empties every slot of bank b holding n (a table from outside may hold a
// channel twice in one bank).
void RemoveFromBank(BankTable& t, int n, int b) {
    for (int s = 1; s <= kBankSlots; ++s)
        if (t(s, b) == n) t(s, b) = 0;
}

void ShowList(const BankTable& t, BankList& list, int n) {
    if (!IsMemChannel(n)) return;
    for (int b = 1; b <= kBankCount; ++b) list[b - 1] = SlotOf(t, n, b) != 0;
}

}  // namespace

int DefaultBankOf(int n) {
    if (!IsMemChannel(n)) return 0;
    int b = (n - 1) / 20 + 1;
    return IsBank(b) ? b : 0;
}

void ClearBankData(AppData& d) { d.WorkData.BankCH.v.fill(0); }
void CopyBankToTemp(AppData& d) { d.TempBankCH = d.WorkData.BankCH; }
void CopyTempToBank(AppData& d) { d.WorkData.BankCH = d.TempBankCH; }

int GetChannelBankSlot(const AppData& d, int n, int b) { return SlotOf(d.WorkData.BankCH, n, b); }
bool IsChannelInTempBank(const AppData& d, int n, int b) { return SlotOf(d.TempBankCH, n, b) != 0; }

bool CanAddToBank(const AppData& d, int n, int b) { return CanAdd(d.WorkData.BankCH, n, b); }
bool CanAddToTempBank(const AppData& d, int n, int b) { return CanAdd(d.TempBankCH, n, b); }

void AddChannelToBank(AppData& d, int n, int b) { Add(d.WorkData.BankCH, n, b); }
void AddChannelToTempBank(AppData& d, int n, int b) { Add(d.TempBankCH, n, b); }

void DelChannelFromBanks(AppData& d, int n) {
    if (!IsMemChannel(n)) return;
    for (int b = 1; b <= kBankCount; ++b) RemoveFromBank(d.WorkData.BankCH, n, b);
}

void SetChannelBank(AppData& d, int n, int b, bool on) {
    if (!IsMemChannel(n) || !IsBank(b)) return;
    if (on)
        Add(d.WorkData.BankCH, n, b);
    else
        RemoveFromBank(d.WorkData.BankCH, n, b);
}

void SetChannelBanksByList(AppData& d, int n, const BankList& list) {
    if (!IsMemChannel(n)) return;
    for (int b = 1; b <= kBankCount; ++b) {
        bool present = SlotOf(d.WorkData.BankCH, n, b) != 0;
        if (list[b - 1] && !present)
            Add(d.WorkData.BankCH, n, b);
        else if (!list[b - 1] && present)
            RemoveFromBank(d.WorkData.BankCH, n, b);
    }
}

void ShowChannelBankList(const AppData& d, BankList& list, int n) { ShowList(d.WorkData.BankCH, list, n); }
void ShowTempBankList(const AppData& d, BankList& list, int n) { ShowList(d.TempBankCH, list, n); }

std::string GetChannelBankText(const AppData& d, int n) {
    std::string s;
    if (!IsMemChannel(n)) return s;
    for (int b = 1; b <= kBankCount; ++b)
        if (SlotOf(d.WorkData.BankCH, n, b) != 0) s += static_cast<char>('1' + (b - 1));
    return s;
}

}  // namespace rp
