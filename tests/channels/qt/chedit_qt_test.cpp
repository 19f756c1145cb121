// The channel dialog on real widgets (offscreen): the opener, the binding of
// the form's state, the input guard, Enter and the bank ticks.
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QDir>
#include <QInputMethodEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

#include "channels/cheditfixture.h"
#include "channels/qt/openers.h"
#include "channels/qt/channeldialogfixture.h"
#include "shellchecktest.h"

namespace rp {
namespace {

class ChEditDialog : public test::ChEditTest, public test::ChannelDialogFixture {
protected:
    void TearDown() override { DeleteDialog(); }

    // Opens the dialog as the main window does; shown and active.
    void Show(int kind, int n) {
        d.ShowListType = static_cast<Integer>(kind);
        d.EditChannelNo = static_cast<Integer>(n);
        OpenShown(std::make_unique<FrmCHEdit>(d, main));
    }
    FrmCHEdit& Form() { return qobject_cast<FormDialog*>(dlg.data())->FormAs<FrmCHEdit>(); }
    std::string Focused() {
        QWidget* w = QApplication::focusWidget();
        return w ? w->objectName().toStdString() : "";
    }
    // One key to whatever has the focus, then the queued follow-ups.
    void Key(Qt::Key key, Qt::KeyboardModifiers mods = Qt::NoModifier) {
        QWidget* w = QApplication::focusWidget();
        ASSERT_TRUE(w);
        QTest::keyClick(w, key, mods);
        QTest::qWait(0);
        QApplication::processEvents();
    }
    void Commit(QWidget* w, const QString& text) {
        QInputMethodEvent e;
        e.setCommitString(text);
        QApplication::sendEvent(w, &e);
    }
};

// The control-name check: a dialog over default data.
FormDialog* MakeForCheck() {
    static AppData d;
    static MainWindowCalls main;
    static bool init = [] {
        d.AppFolder = RP_SOURCE_DIR;
        return true;
    }();
    (void)init;
    d.EditChannelNo = 1;
    return BuildFormDialog(std::make_unique<FrmCHEdit>(d, main), nullptr, BuildChEditDialog);
}

const test::ShellCase kShells[] = {{"FrmCHEdit", MakeForCheck}};
RP_SHELL_CONTROL_CHECK(ChannelShells, kShells);

}  // namespace

TEST_F(ChEditDialog, ANewChannelOpensWithOnlyTheRxBoxUsable) {
    Show(ListMemory, 25);
    for (const char* name : {"Text1_10", "Text1_2", "Combo1_0", "Combo1_4", "Check1", "Check4_0", "Text3", "ListBank"})
        EXPECT_FALSE(W_(name)->isEnabled()) << name;
    EXPECT_TRUE(Edit("Text1_0")->isEnabled());
    auto* bank = W_<QListWidget>("ListBank");
    ASSERT_EQ(bank->count(), 9);
    EXPECT_EQ(bank->item(1)->checkState(), Qt::Checked);
    EXPECT_EQ(bank->item(0)->checkState(), Qt::Unchecked);
    EXPECT_EQ(W_<QComboBox>("Combo3_2")->count(), 512);
    EXPECT_EQ(W_<QComboBox>("Combo1_15")->currentText(), "3");
    EXPECT_EQ(Edit("Text3")->text(), "151.1");
    EXPECT_FALSE(W_<QPushButton>("CommandOK")->autoDefault());
}

TEST_F(ChEditDialog, StoredValuesReachTheWidgets) {
    FreDataRec& r = Rec(1);
    r.DeCTCType = 2;
    r.DeDCS = 19;
    r.Power = 3;
    r.Reverse = 1;
    r.TalkAround = 1;
    r.ExtraDisplay = 4;
    Show(ListMemory, 1);
    auto* dcs = W_<QComboBox>("Combo3_2");
    EXPECT_FALSE(dcs->isHidden());
    EXPECT_EQ(dcs->currentText(), "023");
    EXPECT_TRUE(W_<QComboBox>("Combo3_0")->isHidden());
    EXPECT_EQ(W_<QComboBox>("Combo1_2")->currentIndex(), 0);
    EXPECT_FALSE(W_<QCheckBox>("Check4_0")->isChecked());
    EXPECT_TRUE(W_<QCheckBox>("Check4_1")->isChecked());
    EXPECT_EQ(W_<QComboBox>("Combo1_12")->currentText(), "Extra Display 4");
    EXPECT_TRUE(W_("Combo1_12")->isHidden());
}

TEST_F(ChEditDialog, APresetLocksItsFieldsAndLabels) {
    Show(ListWeather, 1);
    for (const char* name : {"Text1_0", "Label1_0", "Text1_10", "Label1_3", "Combo1_1", "Label2_1", "Check1",
                             "Check4_0", "Combo1_10", "Label2_10", "Check6"})
        EXPECT_FALSE(W_(name)->isEnabled()) << name;
    for (const char* name : {"Combo1_5", "Label2_5", "Combo1_4", "Text3", "Label4", "Combo1_13"})
        EXPECT_TRUE(W_(name)->isEnabled()) << name;
    EXPECT_TRUE(W_("ListBank")->isHidden());
}

TEST_F(ChEditDialog, ADecodeTypeChangedToDcsShowsTheFirstCode) {
    Rec(1).DeCTCType = 1;
    Show(ListMemory, 1);
    FocusOn("Combo1_5");
    Key(Qt::Key_Down);  // CTCSS -> DCS
    EXPECT_EQ(W_<QComboBox>("Combo1_5")->currentIndex(), 2);
    EXPECT_TRUE(W_("Combo3_0")->isHidden());
    EXPECT_FALSE(W_("Combo3_2")->isHidden());
    EXPECT_EQ(W_<QComboBox>("Combo3_2")->currentText(), "000");
    EXPECT_FALSE(W_<QCheckBox>("Check2_0")->isChecked());
    EXPECT_TRUE(W_("Check2_0")->isEnabled());
}

TEST_F(ChEditDialog, OkStoresANewChannelAndCloses) {
    Show(ListMemory, 25);
    FocusOn("Text1_0");
    Type("440.125");
    EXPECT_TRUE(Edit("Text1_10")->isEnabled());
    QTest::mouseClick(W_<QPushButton>("CommandOK"), Qt::LeftButton);
    QApplication::processEvents();
    EXPECT_TRUE(closed);
    ASSERT_TRUE(IsFreDataExist(d, 25));
    EXPECT_EQ(Rec(25).RxFre.Raw(), "044012500");
    EXPECT_EQ(GetChannelBankText(d, 25), "2");
    EXPECT_EQ(main.redraws, (std::vector<std::vector<int>>{{0, 25, 0}}));
}

TEST_F(ChEditDialog, RefusalsKeepTheDialogOpenWithTheFocusInTheBox) {
    struct Case {
        int n;
        const char* rx;
        const char* tx;
        const char* message;
        const char* focus;
    };
    const Case cases[] = {
        {ChVFO2, "", "", "VFO can't be null!", "Text1_0"},
        {ChPL1, "", "", "Channel can't be null!", "Text1_0"},
        {1, "145..5", "", "Not IsNumeric", "Text1_0"},
        {2, "145.5", "abc", "Not IsNumeric", "Text1_10"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.message);
        notes.shown.clear();
        const auto fre = d.FreData;
        Show(ListMemory, c.n);
        FocusOn("Text1_10");
        Edit("Text1_10")->selectAll();
        Type(c.tx);
        FocusOn("Text1_0");
        Edit("Text1_0")->selectAll();
        Key(Qt::Key_Delete);
        Type(c.rx);
        Form().C("Text2").text = "12";
        QTest::mouseClick(W_<QPushButton>("CommandOK"), Qt::LeftButton);
        QApplication::processEvents();
        EXPECT_EQ(Messages(), (std::vector<std::string>{c.message}));
        EXPECT_FALSE(closed);
        EXPECT_TRUE(dlg->isVisible());
        EXPECT_EQ(Focused(), c.focus);
        EXPECT_EQ(Edit("Text2")->text(), "12000");
        EXPECT_EQ(d.FreData, fre);
        delete dlg.data();
    }
}

TEST_F(ChEditDialog, KeyFiltersOnTheBoxes) {
    Show(ListMemory, 1);
    QTest::qWait(0);
    EXPECT_EQ(Focused(), "Text1_0");
    EXPECT_EQ(Edit("Text1_0")->selectedText(), "440.00000");  // selected on entry
    Type("145.5a,-");
    EXPECT_EQ(Edit("Text1_0")->text(), "145.5");
    FocusOn("Text1_10");
    Type("x~");
    EXPECT_EQ(Edit("Text1_10")->text(), "x~");
    // Six letters into the first name box fill the six boxes and leave them.
    FocusOn("Text1_2");
    Type("ABCDEF");
    for (int i = 0; i < 6; ++i)
        EXPECT_EQ(Edit(("Text1_" + std::to_string(i + 2)).c_str())->text().toStdString(), std::string(1, 'A' + i));
    EXPECT_EQ(Focused(), "Combo1_0");
    FocusOn("Text1_4");
    Type("\\~");
    EXPECT_EQ(Edit("Text1_4")->text(), "C");
    EXPECT_EQ(Focused(), "Text1_4");
    Type(" ");
    EXPECT_EQ(Edit("Text1_4")->text(), " ");
    EXPECT_EQ(Focused(), "Text1_5");
    // The own tone is checked on leaving its box.
    FocusOn("Text3");
    Type("300");
    Key(Qt::Key_Tab);
    EXPECT_EQ(Edit("Text3")->text(), "151.1");
    FocusOn("Text3");
    Type("100");
    Key(Qt::Key_Tab);
    EXPECT_EQ(Edit("Text3")->text(), "100.0");
    EXPECT_TRUE(Messages().empty());
}

TEST_F(ChEditDialog, NoPasteDropOrInputMethodGetsPastTheFilters) {
    Show(ListMemory, 1);
    QApplication::clipboard()->setText("12a\\~");
    for (const char* name : {"Text1_0", "Text1_2", "Text1_10", "Text3", "Text2", "Text1_1"}) {
        SCOPED_TRACE(name);
        QLineEdit* e = Edit(name);
        const QString before = e->text();
        e->setFocus();
        e->selectAll();
        QTest::keyClick(e, Qt::Key_V, Qt::ControlModifier);
        QTest::keyClick(e, Qt::Key_Insert, Qt::ShiftModifier);
        EXPECT_EQ(e->text(), before);
        QTest::keyClick(e, Qt::Key_Delete, Qt::ShiftModifier);  // cut
        EXPECT_EQ(e->text(), before);
        EXPECT_FALSE(e->acceptDrops());
        EXPECT_EQ(e->contextMenuPolicy(), Qt::NoContextMenu);
    }
    QLineEdit* rx = Edit("Text1_0");
    rx->setFocus();
    rx->selectAll();
    Commit(rx, "abc");
    EXPECT_EQ(rx->text(), "440.00000");
    rx->clear();
    Commit(rx, "145.5");
    EXPECT_EQ(rx->text(), "145.5");
    QLineEdit* name = Edit("Text1_3");
    name->setFocus();
    name->clear();
    Commit(name, QString::fromUtf8("é"));
    EXPECT_EQ(name->text(), "");
    QLineEdit* code = Edit("Text2");
    code->clear();
    Commit(code, "1.");
    EXPECT_EQ(code->text(), "");
}

TEST_F(ChEditDialog, EnterMovesAlongTheTabOrderAndNeverPressesOk) {
    Rec(1).OptSig = 1;
    Rec(1).DeCTCType = 2;
    Rec(1).EnCTCType = 1;
    Show(ListMemory, 1);
    const std::vector<std::string> expected = {
        "Text1_0",  "Text1_10", "Text1_2",  "Text1_3",  "Text1_4",   "Text1_5",  "Text1_6",
        "Text1_7",  "Combo1_0", "Combo1_1", "Combo1_2", "Combo1_5",  "Combo3_2", "Check2_0",
        "Combo1_10", "Combo3_1", "Combo1_4", "Combo4_0", "Combo1_9", "Combo1_7", "Combo1_8",
        "Check1",   "Check6",   "Check4_0", "Check4_1", "Text3",     "CommandOK", "CommandCancel",
        "Combo1_13", "ListBank", "Combo1_15", "Text1_0",
    };
    FocusOn("Text1_0");
    const auto fre = d.FreData;
    for (std::size_t i = 1; i < expected.size(); ++i) {
        Key(Qt::Key_Return);
        ASSERT_EQ(Focused(), expected[i]) << "Enter after " << expected[i - 1];
    }
    EXPECT_FALSE(closed);
    EXPECT_EQ(d.FreData, fre);
    EXPECT_TRUE(Messages().empty());
    // Tab takes the same way.
    FocusOn("Combo1_10");
    Key(Qt::Key_Tab);
    EXPECT_EQ(Focused(), "Combo3_1");
}

TEST_F(ChEditDialog, AFullBankRefusesTheTick) {
    for (int s = 1; s <= kBankSlots; ++s) {
        d.BankCH()(s, 4) = static_cast<Integer>(s == 32 ? 1 : 100 + s);
        d.BankCH()(s, 5) = static_cast<Integer>(100 + s);
    }
    Show(ListMemory, 1);
    auto* bank = W_<QListWidget>("ListBank");
    bank->item(4)->setCheckState(Qt::Checked);  // full, without channel 1
    QApplication::processEvents();
    EXPECT_EQ(bank->item(4)->checkState(), Qt::Unchecked);
    bank->item(3)->setCheckState(Qt::Unchecked);  // full, holding channel 1
    EXPECT_EQ(bank->item(3)->checkState(), Qt::Unchecked);
    bank->item(3)->setCheckState(Qt::Checked);
    EXPECT_EQ(bank->item(3)->checkState(), Qt::Checked);
    EXPECT_TRUE(Form().C("ListBank").selected[3]);
    EXPECT_FALSE(Form().C("ListBank").selected[4]);
}

TEST_F(ChEditDialog, EscapeAndCancelCloseWithoutStoring) {
    const auto fre = d.FreData;
    Show(ListMemory, 1);
    FocusOn("Text1_0");
    Type("146");
    Key(Qt::Key_Escape);
    EXPECT_TRUE(closed);
    EXPECT_EQ(d.FreData, fre);
    Show(ListMemory, 1);
    QTest::mouseClick(W_<QPushButton>("CommandCancel"), Qt::LeftButton);
    EXPECT_TRUE(closed);
    EXPECT_EQ(d.FreData, fre);
}

TEST_F(ChEditDialog, Screenshots) {
    QDir().mkpath(QString(RP_BINARY_DIR) + "/screenshots");
    Rec(1).DeCTCType = 1;
    Rec(1).OptSig = 1;
    Show(ListMemory, 1);
    QApplication::processEvents();
    EXPECT_TRUE(dlg->grab().save(QString(RP_BINARY_DIR) + "/screenshots/FrmCHEdit.png"));
    delete dlg.data();
    SetLanguageIndex(d, LangChinese);
    Show(ListGMRS, 3);
    QApplication::processEvents();
    EXPECT_TRUE(dlg->grab().save(QString(RP_BINARY_DIR) + "/screenshots/FrmCHEdit_zh.png"));
}

}  // namespace rp
