// The channel dialog's input: key filters, Enter as Tab, select-all, the
// own-CTCSS check on leaving its box, the bank ticks.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "channels/cheditkeys.h"
#include "cheditfixture.h"
#include "formhostfake.h"

using namespace rp;

namespace {

class ChEditKeys : public test::ChEditTest {
protected:
    void Type(const std::string& box, const std::string& keys) {
        Focus(box);
        for (char c : keys) TypeKey(static_cast<unsigned char>(c));
    }
};

}  // namespace

TEST(ChEditKeyFilter, ATableOfKeysPerBox) {
    constexpr int kKeyCtrlC = 3, kKeyCtrlV = 22, kKeyCtrlX = 24;
    struct Case {
        std::string box;
        int key;
        int passed;
        bool tabNow, tabAfter;
    };
    using namespace chedit;
    const Case cases[] = {
        {RxFreq, '7', '7', false, false},          {RxFreq, '.', '.', false, false},
        {RxFreq, 'a', 0, false, false},            {RxFreq, ' ', 0, false, false},
        {RxFreq, 8, 8, false, false},              {RxFreq, kKeyCtrlV, 0, false, false},
        {RxFreq, kKeyCtrlC, 0, false, false},      {RxFreq, kKeyCtrlX, 0, false, false},
        {RxFreq, 13, 0, true, false},              {RxFreq, 233, 0, false, false},
        {RxFreq, 0x4E2D, 0, false, false},         {OffsetFreq, '-', 0, false, false},
        {TxFreq, 'x', 'x', false, false},          {TxFreq, '~', '~', false, false},
        {TxFreq, kKeyCtrlV, 0, false, false},
        {EntryBoxes[2], 'A', 'A', false, true},    {EntryBoxes[7], ' ', ' ', false, true},
        {EntryBoxes[4], '\\', 0, false, false},    {EntryBoxes[4], '~', 0, false, false},
        {EntryBoxes[4], 8, 8, false, false},       {EntryBoxes[5], 13, 0, true, false},
        {PttIdCode, '5', '5', false, false},       {PttIdCode, '.', 0, false, false},
        {PttIdCode, 'a', 0, false, false},         {PttIdCode, 13, 0, true, false},
        {OwnCtcss, '.', '.', false, false},        {OwnCtcss, 'e', 0, false, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.box + " key " + std::to_string(c.key));
        const ChEditKey k = ChEditFilterKey(c.box, c.key);
        EXPECT_EQ(k.key, c.passed);
        EXPECT_EQ(k.tabNow, c.tabNow);
        EXPECT_EQ(k.tabAfter, c.tabAfter);
    }
}

TEST(ChEditKeyFilter, TheValidatorsCharacters) {
    EXPECT_EQ(ChEditAllowedChars(chedit::RxFreq), "0123456789.");
    EXPECT_EQ(ChEditAllowedChars(chedit::OwnCtcss), "0123456789.");
    EXPECT_EQ(ChEditAllowedChars(chedit::PttIdCode), "0123456789");
    EXPECT_EQ(ChEditAllowedChars(chedit::TxFreq).size(), 95u);
    const std::string name = ChEditAllowedChars(chedit::EntryBoxes[3]);
    EXPECT_EQ(name.size(), 93u);
    EXPECT_EQ(name.find('\\'), std::string::npos);
    EXPECT_EQ(name.find('~'), std::string::npos);
    EXPECT_NE(name.find(' '), std::string::npos);
    EXPECT_EQ(ChEditAllowedChars(chedit::Step), "");
}

TEST_F(ChEditKeys, TypingIntoTheRxBoxKeepsDigitsAndPoint) {
    Open(ListMemory, 1);
    Type(chedit::RxFreq, "145.5a");
    EXPECT_EQ(C(chedit::RxFreq).text, "145.5");
}

TEST_F(ChEditKeys, SixLettersFillTheSixNameBoxes) {
    Open(ListMemory, 1);
    Type(chedit::EntryBoxes[2], "ABCDEF");
    for (int i = 0; i < 6; ++i) EXPECT_EQ(C(chedit::EntryBoxes[i + 2]).text, std::string(1, 'A' + i));
    EXPECT_EQ(f->State().focus, chedit::Step);
    // Refused characters leave the focus; a blank is taken.
    Type(chedit::EntryBoxes[4], "\\~");
    EXPECT_EQ(f->State().focus, chedit::EntryBoxes[4]);
    EXPECT_EQ(C(chedit::EntryBoxes[4]).text, "C");
    TypeKey(' ');
    EXPECT_EQ(C(chedit::EntryBoxes[4]).text, " ");
    EXPECT_EQ(f->State().focus, chedit::EntryBoxes[5]);
}

TEST_F(ChEditKeys, TextBoxesSelectAllOnFocus) {
    Open(ListMemory, 1);
    // Every text box selects its text when the user brings the focus, none
    // on every focus-in (the dialog's own moves do not select).
    for (const std::string& name : f->State().Names()) {
        const ControlState& c = C(name);
        EXPECT_EQ(c.selectOnEntry, c.kind == ControlKind::TextBox ? SelectOnEntry::OnArrival : SelectOnEntry::Never)
            << name;
    }
}

TEST_F(ChEditKeys, LeavingTheOwnToneBoxChecksIt) {
    Open(ListMemory, 1);
    struct Case {
        const char* typed;
        const char* shown;
    };
    const Case cases[] = {{"300", "151.1"}, {"88.5", "88.5"}, {"100", "100.0"}, {"", "151.1"}, {"62.5", "62.5"}};
    for (const Case& c : cases) {
        C(chedit::OwnCtcss).text = c.typed;
        EXPECT_TRUE(f->LostFocus(chedit::OwnCtcss, kCancelButton));
        EXPECT_EQ(C(chedit::OwnCtcss).text, c.shown) << c.typed;
    }
    EXPECT_TRUE(Messages().empty());
}

TEST_F(ChEditKeys, EnterMovesAlongTheTabOrderAndNeverPressesOk) {
    Rec(1).OptSig = 1;
    Rec(1).DeCTCType = 2;
    Rec(1).EnCTCType = 1;
    Open(ListMemory, 1);
    const std::vector<std::string> expected = {
        chedit::RxFreq, chedit::TxFreq, chedit::EntryBoxes[2], chedit::EntryBoxes[3], chedit::EntryBoxes[4],
        chedit::EntryBoxes[5], chedit::EntryBoxes[6], chedit::EntryBoxes[7], chedit::Step, chedit::Bandwidth,
        chedit::Power, chedit::DecodeType, chedit::DecodeDcs, chedit::DecodeInverted, chedit::EncodeType,
        chedit::EncodeCtcss, chedit::Signalling, chedit::DtmfCode, chedit::SqlModes, chedit::DtmfPttId,
        chedit::FiveTonePttId, chedit::TxInhibit, chedit::ScanSkip, chedit::Reverse, chedit::TalkAround,
        chedit::OwnCtcss, kOKButton, kCancelButton, chedit::BusyLock, chedit::Banks,
        chedit::SqlLevel, chedit::RxFreq,
    };
    std::string at = expected.front();
    f->State().focus = at;
    for (std::size_t i = 1; i < expected.size(); ++i) {
        int key = kKeyReturn;
        f->KeyPress(at, key);
        EXPECT_EQ(key, 0) << at;
        ASSERT_EQ(f->State().focus, expected[i]) << "Enter in " << at;
        at = f->State().focus;
    }
    EXPECT_FALSE(f->unloadRequested);
    EXPECT_EQ(f->LastOutcome().action, ChEditAction::Closed);  // OK never ran
}

TEST_F(ChEditKeys, EnterOnTheHiddenControlsToo) {
    Open(ListMemory, 1);
    for (const char* name : {chedit::OffsetDir, chedit::PttIdOn, chedit::Compander, chedit::Scrambler,
                             chedit::ExtraDisplay, chedit::PttIdCode, chedit::OffsetFreq}) {
        int key = kKeyReturn;
        f->KeyPress(name, key);
        EXPECT_EQ(key, 0) << name;
    }
    int key = kKeyReturn;
    f->KeyPress(chedit::PttIdDecode, key);  // no key handler
    EXPECT_EQ(key, kKeyReturn);
}

TEST_F(ChEditKeys, AFullBankRefusesTheTick) {
    for (int s = 1; s <= kBankSlots; ++s) {
        d.BankCH()(s, 4) = static_cast<Integer>(s == 32 ? 1 : 100 + s);
        d.BankCH()(s, 5) = static_cast<Integer>(100 + s);
    }
    Open(ListMemory, 1);
    const auto& ticks = C(chedit::Banks).selected;
    EXPECT_TRUE(ticks[3]);
    TickBank(4, true);  // full, without channel 1
    EXPECT_FALSE(ticks[4]);
    TickBank(3, false);  // full, holding channel 1
    EXPECT_FALSE(ticks[3]);
    TickBank(3, true);
    EXPECT_TRUE(ticks[3]);
    TickBank(6, true);  // room
    EXPECT_TRUE(ticks[6]);
    f->Click(kOKButton);
    EXPECT_EQ(GetChannelBankText(d, 1), "147");
}

TEST_F(ChEditKeys, EveryTextBoxHasNoContextMenuWhileOpen) {
    Open(ListMemory, 1);
    for (const std::string& box :
         std::vector<std::string>{chedit::RxFreq, chedit::OffsetFreq, chedit::EntryBoxes[2], chedit::EntryBoxes[7],
                                  chedit::TxFreq, chedit::PttIdCode, chedit::OwnCtcss})
        EXPECT_TRUE(C(box).noContextMenu) << box;
    f->Closing();  // the window goes
    EXPECT_FALSE(C(chedit::RxFreq).noContextMenu);
}

TEST_F(ChEditKeys, EveryCloseGivesTheBoxesTheirContextMenusBack) {
    using test::CloseRoute;
    for (CloseRoute route :
         {CloseRoute::OK, CloseRoute::Cancel, CloseRoute::Escape, CloseRoute::CloseBox, CloseRoute::ProgramEnd}) {
        Open(ListMemory, 1);
        ASSERT_TRUE(test::CloseWindow(*f, route)) << static_cast<int>(route);
        EXPECT_FALSE(C(chedit::RxFreq).noContextMenu) << static_cast<int>(route);
        EXPECT_FALSE(C(chedit::OwnCtcss).noContextMenu) << static_cast<int>(route);
    }
}
