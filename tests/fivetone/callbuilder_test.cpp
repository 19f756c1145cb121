// The special-call builder over a loaded five-tone dialog: what it offers
// when it opens and what each mode writes on OK.
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "fivetone/frm5tone.h"
#include "fivetone/frm5tonecontrols.h"
#include "fivetone/callbuilder.h"
#include "fivetone/callbuildercontrols.h"
#include "fivetonefixture.h"
#include "formhostfake.h"

using namespace rp;
using namespace rp::callbuilder;

class SpecialCallBuilder : public test::FiveToneTest {
protected:
    void SetUp() override {
        FiveToneTest::SetUp();
        d.WorkData.Tone5Data().OwnID.Set("12345");
        dialog = std::make_unique<Frm5Tone>(d);
        host.onOpen = [this](Form&) { builder.reset(static_cast<FrmCallBuilder*>(host.child.release())); };
        dialog->SetHost(&host);
        dialog->Form_Load();
    }
    // Opens the builder through the dialog's button for `mode`.
    FrmCallBuilder& Open(int mode) {
        const char* const buttons[] = {fivetone::SpecialCallButton, fivetone::BeginSpecialCallButton,
                                       fivetone::EndSpecialCallButton};
        dialog->Click(buttons[mode]);
        EXPECT_TRUE(builder);
        return *builder;
    }
    static void Pick(Form& f, const std::string& list, int index) {
        f.C(list).index = index;
        f.Click(list);
    }
    Tone5DataRec& Edit() { return d.SetDataEdit.Tone5Data; }

    test::FakeHost host{true};  // the builder loaded, as its window shows it
    std::unique_ptr<Frm5Tone> dialog;
    std::unique_ptr<FrmCallBuilder> builder;
};

TEST_F(SpecialCallBuilder, OpensOnTheDataMessageWithTheStoredSeparator) {
    FrmCallBuilder& b = Open(0);
    EXPECT_EQ(b.State().caption, Opt("60062"));
    EXPECT_EQ(b.C(Entry).items.size(), 100u);
    EXPECT_EQ(b.C(Entry).SelectedItem(), "99");  // the grid's current row after opening is 100
    EXPECT_EQ(b.C(CallType).items, (std::vector<std::string>{Opt("60073"), "ANI", "PTTID"}));
    EXPECT_EQ(b.C(CallType).index, 0);
    EXPECT_TRUE(b.C(DataMessageFrame).visible);
    EXPECT_FALSE(b.C(OwnIdCallFrame).visible);
    EXPECT_EQ(b.C(Separator).SelectedItem(), "D");  // Separator 13 by default
    EXPECT_EQ(b.C(CalledIds[0]).text, "12345");
    EXPECT_EQ(b.C(Message).max, 16);
    EXPECT_EQ(b.C(EntryLabel).text, Opt("60063"));
    EXPECT_TRUE(b.C(Entry).visible);

    Pick(b, Separator, 2);
    Pick(b, CallType, 1);
    EXPECT_EQ(b.C(Separator).SelectedItem(), "D");  // a kind change shows the stored separator again
    EXPECT_TRUE(b.C(OwnIdCallFrame).visible);
    EXPECT_EQ(b.C(OwnIdCallFrame).text, "ANI");
    Pick(b, CallType, 2);
    EXPECT_FALSE(b.C(DataMessageFrame).visible);
    EXPECT_FALSE(b.C(OwnIdCallFrame).visible);
}

TEST_F(SpecialCallBuilder, OpensOnTheEntryOfTheCurrentRow) {
    dialog->Grid().row = 8;
    EXPECT_EQ(Open(0).C(Entry).SelectedItem(), "7");
    dialog->Grid().row = 0;
    EXPECT_EQ(Open(0).C(Entry).SelectedItem(), "0");
    Edit().Separator = 0;
    EXPECT_EQ(Open(0).C(Separator).index, 0);
}

TEST_F(SpecialCallBuilder, DataMessageIntoAnEntry) {
    struct Case { const char* id; const char* code; } cases[] = {{"23456", "E123456E4142"},
                                                                  {"12345", "E1E2345E4142"}};
    for (const auto& c : cases) {
        FrmCallBuilder& b = Open(0);
        Pick(b, Entry, 7);
        b.C(CalledIds[0]).text = c.id;
        b.C(Message).text = "AB";
        b.Click(kOKButton);
        EXPECT_TRUE(b.unloadRequested) << c.id;
        const Tone5CodeRec& e = Edit().Codes[7];
        EXPECT_EQ(e.Code.Trim(), c.code);
        EXPECT_EQ(e.CodeLen, 12);
        EXPECT_EQ(e.Empty, 0);
        EXPECT_EQ(dialog->Grid().Text(8, 1), Opt("60073"));
        EXPECT_EQ(dialog->Grid().Text(8, 2), std::string(c.id) + " " + Opt("60084") + "AB");
    }
}

TEST_F(SpecialCallBuilder, OwnIdCallIntoAnEntry) {
    struct Case { int sep; const char *code, *cell; int stored; } cases[] = {
        {2, "12345BSelfID", "12345B", 11}, {0, "12345SelfID", "12345", 0}};
    for (const auto& c : cases) {
        FrmCallBuilder& b = Open(0);
        Pick(b, Entry, 3);
        Pick(b, CallType, 1);
        Pick(b, Separator, c.sep);
        b.Click(kOKButton);
        EXPECT_EQ(Edit().Codes[3].Code.Trim(), c.code);
        EXPECT_EQ(Edit().Separator, c.stored);
        EXPECT_EQ(dialog->Grid().Text(4, 1), "ANI");
        EXPECT_EQ(dialog->Grid().Text(4, 2), c.cell);
    }
    // The save at OK brings the placeholder to the own ID.
    dialog->Click(kOKButton);
    ASSERT_TRUE(dialog->unloadRequested);
    EXPECT_EQ(d.WorkData.Tone5Data().Codes[3].Code.Trim(), "1234512345");
}

TEST_F(SpecialCallBuilder, PttIdCallIntoAnEntry) {
    FrmCallBuilder& b = Open(0);
    Pick(b, Entry, 0);
    Pick(b, CallType, 2);
    b.Click(kOKButton);
    EXPECT_EQ(Edit().Codes[0].Code.Trim(), "E6SelfID");
    EXPECT_EQ(dialog->Grid().Text(1, 1), "PTTID");
    EXPECT_EQ(dialog->Grid().Text(1, 2), "");
}

TEST_F(SpecialCallBuilder, PttIdBoxes) {
    const SetDataRec before = d.SetDataEdit;
    FrmCallBuilder& b = Open(1);
    EXPECT_FALSE(b.C(Entry).visible);
    EXPECT_EQ(b.C(EntryLabel).text, Opt("60302"));
    EXPECT_EQ(b.C(Message).max, 8);  // the ninth message character is not taken
    Pick(b, CallType, 2);
    b.Click(kOKButton);
    EXPECT_TRUE(b.unloadRequested);
    EXPECT_EQ(dialog->C(fivetone::PttCodes[0]).text, "E612345");
    EXPECT_TRUE(d.SetDataEdit == before);  // the grid and the code list stay
    EXPECT_EQ(dialog->Grid().Text(100, 1), "");

    FrmCallBuilder& e = Open(2);
    EXPECT_EQ(e.C(EntryLabel).text, Opt("60303"));
    Pick(e, CallType, 1);
    Pick(e, Separator, 0);
    e.C(CalledIds[1]).text = "11223";
    e.Click(kOKButton);
    EXPECT_EQ(dialog->C(fivetone::PttCodes[1]).text, "1E2E312345");

    FrmCallBuilder& m = Open(1);
    m.C(Message).text = "ABCDEFGH";
    m.Click(kOKButton);
    EXPECT_EQ(dialog->C(fivetone::PttCodes[0]).text, "E1E2345E4142434445464748");  // 24 digits
}

TEST_F(SpecialCallBuilder, ShortCalledIdKeepsTheBuilderOpen) {
    const auto codes = Edit().Codes;
    FrmCallBuilder& b = Open(0);
    Pick(b, Separator, 1);
    b.C(CalledIds[0]).text = "1234";
    b.Click(kOKButton);
    EXPECT_EQ(notes.Texts(), std::vector<std::string>{Msg("900C")});
    EXPECT_FALSE(b.unloadRequested);
    EXPECT_EQ(Edit().Separator, 10);
    EXPECT_TRUE(Edit().Codes == codes);
}

TEST_F(SpecialCallBuilder, CalledIdDepartures) {
    FrmCallBuilder& b = Open(0);
    b.C(CalledIds[0]).text = "12";
    EXPECT_TRUE(b.LostFocus(CalledIds[0], Message));  // the focus is not held
    EXPECT_EQ(notes.shown.size(), 1u);
    EXPECT_TRUE(b.LostFocus(CalledIds[0], kCancelButton));
    EXPECT_TRUE(b.LostFocus(CalledIds[0], kOKButton));  // OK checks it itself: one message
    EXPECT_EQ(notes.shown.size(), 1u);
    b.Click(kCancelButton);
    EXPECT_TRUE(b.unloadRequested);
    EXPECT_EQ(notes.shown.size(), 1u);
}

TEST_F(SpecialCallBuilder, GuardedBoxesTakeWhatTheirKeysKeep) {
    FrmCallBuilder& b = Open(0);
    for (int i = 0; i < 2; ++i) test::ExpectGuardFollowsKeys(b, CalledIds[i], 5);
    test::ExpectGuardFollowsKeys(b, Message, 16);
}

TEST_F(SpecialCallBuilder, Keys) {
    FrmCallBuilder& b = Open(0);
    struct Case { std::string box; int key, out; } cases[] = {
        {CalledIds[0], '5', '5'}, {CalledIds[0], 'a', 'A'}, {CalledIds[0], 'B', 0}, {CalledIds[1], 22, 0},
        {CalledIds[1], 200, 0},   {Message, 'q', 'Q'},      {Message, 'Z', 'Z'},    {Message, ' ', 0},
        {Message, 3, 0},          {Message, 8, 8},
    };
    for (const auto& c : cases) {
        int k = c.key;
        b.KeyPress(c.box, k);
        EXPECT_EQ(k, c.out) << c.box << " " << c.key;
    }
    b.C(CalledIds[0]).text = "123";
    int enter = 13;
    b.KeyPress(CalledIds[0], enter);
    EXPECT_EQ(enter, 0);
    EXPECT_EQ(b.State().focus, Message);  // the ID message does not hold the focus
    EXPECT_EQ(notes.Texts(), std::vector<std::string>{Msg("900C")});
    enter = 13;
    b.KeyPress(Message, enter);
    EXPECT_EQ(b.State().focus, Separator);  // the own-ID call's box is hidden
}
