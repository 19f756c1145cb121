#include <gtest/gtest.h>

#include "core/banks.h"

using namespace rp;

namespace {

BankList Flags(std::initializer_list<int> banks) {
    BankList l{};
    for (int b : banks) l[b - 1] = true;
    return l;
}

void FillBank(BankTable& t, int bank, int firstChannel) {
    for (int s = 1; s <= kBankSlots; ++s) t(s, bank) = static_cast<Integer>(firstChannel + s - 1);
}

}  // namespace

TEST(Banks, DefaultBankOfEachChannelRange) {
    struct Case { int n; int bank; } cases[] = {
        {1, 1}, {20, 1}, {21, 2}, {45, 3}, {161, 9}, {180, 9},
        {181, 0}, {200, 0}, {201, 0}, {0, 0}, {-5, 0},
    };
    for (const auto& c : cases) {
        AppData d;
        EXPECT_EQ(DefaultBankOf(c.n), c.bank) << c.n;
        AddChannelToBank(d, c.n, 0);
        EXPECT_EQ(GetChannelBankText(d, c.n), c.bank ? std::string(1, char('0' + c.bank)) : "")
            << c.n;
        if (c.bank) EXPECT_EQ(GetChannelBankSlot(d, c.n, c.bank), 1);
        else EXPECT_EQ(d.WorkData.BankCH, BankTable{}) << c.n;
    }
}

TEST(Banks, AddTakesLowestEmptySlotOnceAndRemovalLeavesAGap) {
    AppData d;
    d.WorkData.BankCH(1, 1) = 3;
    AddChannelToBank(d, 7, 1);
    EXPECT_EQ(GetChannelBankSlot(d, 7, 1), 2);
    BankTable before = d.WorkData.BankCH;
    AddChannelToBank(d, 7, 1);  // already there
    EXPECT_EQ(d.WorkData.BankCH, before);

    SetChannelBank(d, 3, 1, false);
    EXPECT_EQ(d.WorkData.BankCH(1, 1), 0);
    EXPECT_EQ(d.WorkData.BankCH(2, 1), 7);  // no packing
    AddChannelToBank(d, 9, 1);
    EXPECT_EQ(GetChannelBankSlot(d, 9, 1), 1);
}

TEST(Banks, FullBankStaysUnchanged) {
    AppData d;
    FillBank(d.WorkData.BankCH, 4, 100);  // 100..131
    FillBank(d.TempBankCH, 4, 100);
    BankTable before = d.WorkData.BankCH;

    EXPECT_FALSE(CanAddToBank(d, 5, 4));
    EXPECT_TRUE(CanAddToBank(d, 110, 4));  // already a member
    EXPECT_FALSE(CanAddToTempBank(d, 5, 4));
    EXPECT_TRUE(CanAddToTempBank(d, 131, 4));
    AddChannelToBank(d, 5, 4);
    SetChannelBank(d, 5, 4, true);
    SetChannelBanksByList(d, 5, Flags({4}));
    EXPECT_EQ(d.WorkData.BankCH, before);
    AddChannelToTempBank(d, 5, 4);
    EXPECT_EQ(d.TempBankCH, before);
    EXPECT_TRUE(CanAddToBank(d, 5, 3));
}

TEST(Banks, DelChannelFromBanksEmptiesEveryBank) {
    AppData d;
    for (int b = 1; b <= kBankCount; ++b) SetChannelBank(d, 12, b, true);
    SetChannelBank(d, 13, 2, true);
    EXPECT_EQ(GetChannelBankText(d, 12), "123456789");
    DelChannelFromBanks(d, 12);
    EXPECT_EQ(GetChannelBankText(d, 12), "");
    EXPECT_EQ(GetChannelBankText(d, 13), "2");
    EXPECT_EQ(d.WorkData.BankCH(2, 2), 13);  // channel 13 kept its slot
}

TEST(Banks, ListFlagsDriveAndShowMembership) {
    AppData d;
    SetChannelBank(d, 30, 2, true);
    SetChannelBanksByList(d, 30, Flags({1, 5}));
    EXPECT_EQ(GetChannelBankText(d, 30), "15");

    BankList shown{};
    shown.fill(true);
    ShowChannelBankList(d, shown, 30);
    EXPECT_EQ(shown, Flags({1, 5}));

    SetChannelBank(d, 30, 2, true);
    SetChannelBank(d, 30, 5, false);
    EXPECT_EQ(GetChannelBankText(d, 30), "12");
}

TEST(Banks, WorkingCopyIsSeparateUntilCopiedBack) {
    AppData d;
    SetChannelBank(d, 8, 1, true);
    CopyBankToTemp(d);
    AddChannelToTempBank(d, 8, 6);
    AddChannelToTempBank(d, 50, 0);  // default bank 3
    EXPECT_TRUE(IsChannelInTempBank(d, 8, 6));
    EXPECT_TRUE(IsChannelInTempBank(d, 50, 3));
    EXPECT_EQ(GetChannelBankText(d, 8), "1");
    EXPECT_EQ(GetChannelBankText(d, 50), "");

    BankList shown{};
    ShowTempBankList(d, shown, 8);
    EXPECT_EQ(shown, Flags({1, 6}));

    CopyTempToBank(d);
    EXPECT_EQ(GetChannelBankText(d, 8), "16");
    EXPECT_EQ(GetChannelBankText(d, 50), "3");
    ClearBankData(d);
    EXPECT_EQ(d.WorkData.BankCH, BankTable{});
    EXPECT_TRUE(IsChannelInTempBank(d, 8, 6));
}

TEST(Banks, ChannelsOutsideMemoryAndBadBanksAreIgnored) {
    for (int n : {0, -1, 201, 206, 300}) {
        AppData d;
        SetChannelBank(d, n, 1, true);
        SetChannelBanksByList(d, n, Flags({1, 2, 3}));
        AddChannelToBank(d, n, 2);
        AddChannelToTempBank(d, n, 2);
        EXPECT_EQ(d.WorkData.BankCH, BankTable{}) << n;
        EXPECT_EQ(d.TempBankCH, BankTable{}) << n;
        EXPECT_FALSE(CanAddToBank(d, n, 1)) << n;
        EXPECT_EQ(GetChannelBankText(d, n), "") << n;
        BankList l = Flags({2});
        ShowChannelBankList(d, l, n);
        EXPECT_EQ(l, Flags({2})) << n;
    }
    AppData d;
    for (int b : {10, 11, -1}) {
        SetChannelBank(d, 5, b, true);
        AddChannelToBank(d, 5, b > 0 ? b : 10);
        EXPECT_EQ(GetChannelBankSlot(d, 5, b), 0);
        EXPECT_FALSE(CanAddToBank(d, 5, b));
    }
    EXPECT_EQ(d.WorkData.BankCH, BankTable{});
}
