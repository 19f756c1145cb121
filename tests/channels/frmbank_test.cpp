// The bank dialog without widgets: the show texts, the lists a bank choice
// builds, the moves on the working copy, and OK against Cancel.
#include <gtest/gtest.h>

#include <initializer_list>
#include <memory>
#include <string>
#include <vector>

#include "channels/cheditfixture.h"
#include "channels/frmbank.h"
#include "channels/frmbankcontrols.h"

namespace rp {
namespace {

using Lines = std::vector<std::string>;

class FrmBankTest : public test::ChEditTest {
protected:
    std::unique_ptr<FrmBank> bank;

    // The memory list holds exactly these channels, in this store order, and
    // no bank holds anything.
    void Store(std::initializer_list<int> numbers) {
        d.FreDataCount() = 0;
        for (int n : numbers) {
            FreDataRec r;
            r.No = static_cast<Integer>(n);
            r.Used = 1;
            d.FreData[static_cast<std::size_t>(d.FreDataCount()++)] = r;
        }
        d.WorkData.BankCH.v.fill(0);
    }
    // Slots 1.. of bank b in BankCH.
    void Fill(int b, std::initializer_list<int> slots) {
        int s = 1;
        for (int n : slots) d.WorkData.BankCH(s++, b) = static_cast<Integer>(n);
    }
    FrmBank& Open() {
        bank = std::make_unique<FrmBank>(d);
        bank->Form_Load();
        return *bank;
    }
    void Choose(const std::string& list, int index) {
        SetListIndex(bank->C(list), index);
        bank->Click(list);
    }
    void ChooseText(const std::string& list, const std::string& text) {
        const Lines& items = bank->C(list).items;
        for (std::size_t i = 0; i < items.size(); ++i)
            if (items[i] == text) return Choose(list, static_cast<int>(i));
        FAIL() << list << " has no item " << text;
    }
    void ChooseBank(int b) { Choose(bank::Banks, b - 1); }
    void Press(const std::string& button) { bank->Click(button); }
    const Lines& In() { return bank->C(bank::InBank).items; }
    const Lines& Out() { return bank->C(bank::Others).items; }
    int Temp(int slot, int b) { return d.TempBankCH(slot, b); }
};

TEST(ChannelShowText, BothWays) {
    EXPECT_EQ(GetChannelShowText(1), "Channel 0");
    EXPECT_EQ(GetChannelShowText(200), "Channel 199");
    struct Case {
        const char* text;
        int n;
    };
    for (const Case& c : {Case{"Channel 0", 1}, {"Channel 199", 200}, {"Channel 41", 42}, {"Channel9", 0},
                          {"Channel ", 0}, {"Channel x", 0}, {"Channel 12a", 0}, {"Channel 1 2", 0},
                          {"a 7", 8}, {"Channel 99999999999", 0}, {"", 0}})
        EXPECT_EQ(GetChannelNoByShowText(c.text), c.n) << c.text;
}

TEST_F(FrmBankTest, LoadShowsTheBanksFixedTextsAndAFreshWorkingCopy) {
    Store({1, 2});
    Fill(4, {2});
    d.TempBankCH(7, 7) = 55;  // left over from a cancelled opening
    SetLanguageIndex(d, LangChinese);
    Open();
    EXPECT_EQ(bank->State().caption, "Bank Channel");
    EXPECT_EQ(bank->C(bank::BanksLabel).text, "BanK:");
    EXPECT_EQ(bank->C(bank::InBankLabel).text, "Channel In Bank:");
    EXPECT_EQ(bank->C(bank::OthersLabel).text, "Other Channel:");
    EXPECT_EQ(bank->C(bank::MoveIn).text, "<<");
    EXPECT_EQ(bank->C(bank::MoveOut).text, ">>");
    EXPECT_EQ(bank->C(kOKButton).text, GetLanguageString(d, 101));
    EXPECT_EQ(bank->C(kCancelButton).text, GetLanguageString(d, 102));
    EXPECT_NE(bank->C(kOKButton).text, "");
    EXPECT_EQ(bank->C(bank::Banks).items,
              (Lines{"Bank 1", "Bank 2", "Bank 3", "Bank 4", "Bank 5", "Bank 6", "Bank 7", "Bank 8", "Bank 9"}));
    EXPECT_EQ(bank->C(bank::Banks).index, -1);
    EXPECT_TRUE(In().empty());
    EXPECT_TRUE(Out().empty());
    EXPECT_EQ(d.TempBankCH, d.WorkData.BankCH);
    // Nothing chosen yet: the moves do nothing.
    Press(bank::MoveIn);
    Press(bank::MoveOut);
    EXPECT_EQ(d.TempBankCH, d.WorkData.BankCH);
}

TEST_F(FrmBankTest, ListsFollowSlotOrderAndStoreOrderWithoutEdgeOrVfoChannels) {
    Store({10, 201, 3, 202, 203, 204, 205, 206, 7, 12});
    Fill(2, {12, 0, 150});  // 150 has no record; shown all the same
    Open();
    ChooseBank(2);
    EXPECT_EQ(In(), (Lines{"Channel 11", "Channel 149"}));
    EXPECT_EQ(Out(), (Lines{"Channel 9", "Channel 2", "Channel 6"}));
    // A channel without a record moves out like any other.
    ChooseText(bank::InBank, "Channel 149");
    Press(bank::MoveOut);
    EXPECT_EQ(Temp(3, 2), 0);
    EXPECT_EQ(Out().back(), "Channel 149");
}

TEST_F(FrmBankTest, ChannelOneMovesIntoTheFirstEmptySlotOfBankThree) {
    Store({41, 1, 42, 43});
    Fill(3, {41, 42, 0, 43});
    Open();
    ChooseBank(3);
    EXPECT_EQ(Out(), (Lines{"Channel 0"}));
    Choose(bank::Others, 0);
    Press(bank::MoveIn);
    EXPECT_EQ(Temp(3, 3), 1);
    EXPECT_EQ(In(), (Lines{"Channel 40", "Channel 41", "Channel 42", "Channel 0"}));
    EXPECT_TRUE(Out().empty());
    EXPECT_EQ(bank->C(bank::Others).index, -1);
    EXPECT_EQ(d.WorkData.BankCH(3, 3), 0) << "only OK commits";
    // The same bank chosen again lists the slot order.
    ChooseBank(3);
    EXPECT_EQ(In(), (Lines{"Channel 40", "Channel 41", "Channel 0", "Channel 42"}));
}

TEST_F(FrmBankTest, AFullBankRefusesSilentlyAndAGapIsReused) {
    Store({});
    for (int n = 101; n <= 134; ++n) {
        d.FreData[static_cast<std::size_t>(d.FreDataCount()++)].No = static_cast<Integer>(n);
        if (n <= 132) d.WorkData.BankCH(n - 100, 6) = static_cast<Integer>(n);
    }
    Open();
    ChooseBank(6);
    ASSERT_EQ(In().size(), 32u);
    ASSERT_EQ(Out(), (Lines{"Channel 132", "Channel 133"}));
    Choose(bank::Others, 0);
    const BankTable before = d.TempBankCH;
    Press(bank::MoveIn);
    EXPECT_EQ(d.TempBankCH, before);
    EXPECT_EQ(In().size(), 32u);
    EXPECT_EQ(Out().size(), 2u);
    EXPECT_TRUE(notes.shown.empty());

    // The channel of slot 5 out: listed last among the others.
    Choose(bank::InBank, 4);
    ASSERT_EQ(bank->C(bank::InBank).SelectedItem(), "Channel 104");
    Press(bank::MoveOut);
    EXPECT_EQ(Temp(5, 6), 0);
    EXPECT_EQ(Out(), (Lines{"Channel 132", "Channel 133", "Channel 104"}));
    EXPECT_EQ(bank->C(bank::InBank).index, -1);
    // Another channel takes the gap, shown last until the bank is chosen again.
    ChooseText(bank::Others, "Channel 133");
    Press(bank::MoveIn);
    EXPECT_EQ(Temp(5, 6), 134);
    EXPECT_EQ(In().back(), "Channel 133");
    ChooseBank(6);
    EXPECT_EQ(In()[4], "Channel 133");
    EXPECT_EQ(Out(), (Lines{"Channel 104", "Channel 132"}));
}

TEST_F(FrmBankTest, AMoveActsOnceOnTheChosenItem) {
    Store({1, 2, 3});
    Open();
    ChooseBank(1);
    Choose(bank::Others, 1);
    Press(bank::MoveIn);
    Press(bank::MoveIn);
    EXPECT_EQ(In(), (Lines{"Channel 1"}));
    EXPECT_EQ(Out(), (Lines{"Channel 0", "Channel 2"}));
    EXPECT_EQ(Temp(1, 1), 2);
    EXPECT_EQ(Temp(2, 1), 0);
    Choose(bank::InBank, 0);
    Press(bank::MoveOut);
    Press(bank::MoveOut);
    EXPECT_TRUE(In().empty());
    EXPECT_EQ(Out(), (Lines{"Channel 0", "Channel 2", "Channel 1"}));
}

TEST_F(FrmBankTest, MovesInTwoBanksSurviveSwitchesCancelDropsThemOkCommitsBoth) {
    Store({1, 2, 3, 4});
    Fill(2, {4});
    const BankTable live = d.WorkData.BankCH;
    auto moveIn = [&](int b, const std::string& text) {
        ChooseBank(b);
        ChooseText(bank::Others, text);
        Press(bank::MoveIn);
    };
    for (bool ok : {false, true}) {
        SCOPED_TRACE(ok ? "OK" : "Cancel");
        Open();
        moveIn(2, "Channel 0");
        moveIn(5, "Channel 2");
        ChooseBank(2);
        EXPECT_EQ(In(), (Lines{"Channel 3", "Channel 0"}));
        EXPECT_EQ(Out(), (Lines{"Channel 1", "Channel 2"}));
        Press(ok ? kOKButton : kCancelButton);
        EXPECT_TRUE(bank->unloadRequested);
        if (!ok) {
            EXPECT_EQ(d.WorkData.BankCH, live);
        }
    }
    EXPECT_EQ(d.WorkData.BankCH(1, 2), 4);
    EXPECT_EQ(d.WorkData.BankCH(2, 2), 1);
    EXPECT_EQ(d.WorkData.BankCH(1, 5), 3);
    EXPECT_EQ(d.WorkData.BankCH, d.TempBankCH);
}

}  // namespace
}  // namespace rp
