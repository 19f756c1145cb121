// The channel dialog on real widgets (offscreen): the opener, the binding of
// the form's state, the input guard, Enter and the bank ticks.
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
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
#include "screenshots.h"

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
    return BuildFormDialog(std::make_unique<FrmCHEdit>(d, main), nullptr, BuildFrmCHEdit);
}

const test::ShellCase kShells[] = {{"FrmCHEdit", MakeForCheck}};
RP_SHELL_CONTROL_CHECK(ChannelShells, kShells);

}  // namespace

TEST_F(ChEditDialog, ANewChannelOpensWithOnlyTheRxBoxUsable) {
    Show(ListMemory, 25);
    for (const std::string& name : std::vector<std::string>{chedit::TxFreq, chedit::EntryBoxes[2], chedit::Step,
                                                            chedit::Signalling, chedit::TxInhibit, chedit::Reverse,
                                                            chedit::OwnCtcss, chedit::Banks})
        EXPECT_FALSE(W_(name)->isEnabled()) << name;
    EXPECT_TRUE(Edit(chedit::RxFreq)->isEnabled());
    auto* bank = W_<QListWidget>(chedit::Banks);
    ASSERT_EQ(bank->count(), 9);
    EXPECT_EQ(bank->item(1)->checkState(), Qt::Checked);
    EXPECT_EQ(bank->item(0)->checkState(), Qt::Unchecked);
    EXPECT_EQ(W_<QComboBox>(chedit::DecodeDcs)->count(), 512);
    EXPECT_EQ(W_<QComboBox>(chedit::SqlLevel)->currentText(), "3");
    EXPECT_EQ(Edit(chedit::OwnCtcss)->text(), "151.1");
    EXPECT_FALSE(W_<QPushButton>(kOKButton)->autoDefault());
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
    auto* dcs = W_<QComboBox>(chedit::DecodeDcs);
    EXPECT_FALSE(dcs->isHidden());
    EXPECT_EQ(dcs->currentText(), "023");
    EXPECT_TRUE(W_<QComboBox>(chedit::DecodeCtcss)->isHidden());
    EXPECT_EQ(W_<QComboBox>(chedit::Power)->currentIndex(), 0);
    EXPECT_FALSE(W_<QCheckBox>(chedit::Reverse)->isChecked());
    EXPECT_TRUE(W_<QCheckBox>(chedit::TalkAround)->isChecked());
    EXPECT_EQ(W_<QComboBox>(chedit::ExtraDisplay)->currentText(), "Extra Display 4");
    EXPECT_TRUE(W_(chedit::ExtraDisplay)->isHidden());
}

TEST_F(ChEditDialog, APresetLocksItsFieldsAndLabels) {
    Show(ListWeather, 1);
    for (const char* name : {chedit::RxFreq, chedit::RxLabel, chedit::TxFreq, chedit::TxLabel, chedit::Bandwidth,
                             chedit::BandwidthLabel, chedit::TxInhibit, chedit::Reverse, chedit::EncodeType,
                             chedit::EncodeTypeLabel, chedit::ScanSkip})
        EXPECT_FALSE(W_(name)->isEnabled()) << name;
    for (const char* name : {chedit::DecodeType, chedit::DecodeTypeLabel, chedit::Signalling, chedit::OwnCtcss,
                             chedit::OwnCtcssLabel, chedit::BusyLock})
        EXPECT_TRUE(W_(name)->isEnabled()) << name;
    EXPECT_TRUE(W_(chedit::Banks)->isHidden());
}

TEST_F(ChEditDialog, ADecodeTypeChangedToDcsShowsTheFirstCode) {
    Rec(1).DeCTCType = 1;
    Show(ListMemory, 1);
    FocusOn(chedit::DecodeType);
    Key(Qt::Key_Down);  // CTCSS -> DCS
    EXPECT_EQ(W_<QComboBox>(chedit::DecodeType)->currentIndex(), 2);
    EXPECT_TRUE(W_(chedit::DecodeCtcss)->isHidden());
    EXPECT_FALSE(W_(chedit::DecodeDcs)->isHidden());
    EXPECT_EQ(W_<QComboBox>(chedit::DecodeDcs)->currentText(), "000");
    EXPECT_FALSE(W_<QCheckBox>(chedit::DecodeInverted)->isChecked());
    EXPECT_TRUE(W_(chedit::DecodeInverted)->isEnabled());
}

TEST_F(ChEditDialog, OkStoresANewChannelAndCloses) {
    Show(ListMemory, 25);
    FocusOn(chedit::RxFreq);
    Type("440.125");
    EXPECT_TRUE(Edit(chedit::TxFreq)->isEnabled());
    QTest::mouseClick(W_<QPushButton>(kOKButton), Qt::LeftButton);
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
        {ChVFO2, "", "", "VFO can't be null!", chedit::RxFreq},
        {ChPL1, "", "", "Channel can't be null!", chedit::RxFreq},
        {1, "145..5", "", "Not IsNumeric", chedit::RxFreq},
        {2, "145.5", "abc", "Not IsNumeric", chedit::TxFreq},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.message);
        notes.shown.clear();
        const auto fre = d.FreData;
        Show(ListMemory, c.n);
        FocusOn(chedit::TxFreq);
        Edit(chedit::TxFreq)->selectAll();
        Type(c.tx);
        FocusOn(chedit::RxFreq);
        Edit(chedit::RxFreq)->selectAll();
        Key(Qt::Key_Delete);
        Type(c.rx);
        Form().C(chedit::PttIdCode).text = "12";
        QTest::mouseClick(W_<QPushButton>(kOKButton), Qt::LeftButton);
        QApplication::processEvents();
        EXPECT_EQ(Messages(), (std::vector<std::string>{c.message}));
        EXPECT_FALSE(closed);
        EXPECT_TRUE(dlg->isVisible());
        EXPECT_EQ(Focused(), c.focus);
        EXPECT_EQ(Edit(chedit::PttIdCode)->text(), "12000");
        EXPECT_EQ(d.FreData, fre);
        delete dlg.data();
    }
}

TEST_F(ChEditDialog, KeyFiltersOnTheBoxes) {
    Show(ListMemory, 1);
    QTest::qWait(0);
    EXPECT_EQ(Focused(), chedit::RxFreq);
    EXPECT_EQ(Edit(chedit::RxFreq)->selectedText(), "440.00000");  // selected on entry
    Type("145.5a,-");
    EXPECT_EQ(Edit(chedit::RxFreq)->text(), "145.5");
    FocusOn(chedit::TxFreq);
    Type("x~");
    EXPECT_EQ(Edit(chedit::TxFreq)->text(), "x~");
    // Six letters into the first name box fill the six boxes and leave them.
    FocusOn(chedit::EntryBoxes[2]);
    Type("ABCDEF");
    for (int i = 0; i < 6; ++i)
        EXPECT_EQ(Edit(chedit::EntryBoxes[i + 2])->text().toStdString(), std::string(1, 'A' + i));
    EXPECT_EQ(Focused(), chedit::Step);
    FocusOn(chedit::EntryBoxes[4]);
    Type("\\~");
    EXPECT_EQ(Edit(chedit::EntryBoxes[4])->text(), "C");
    EXPECT_EQ(Focused(), chedit::EntryBoxes[4]);
    Type(" ");
    EXPECT_EQ(Edit(chedit::EntryBoxes[4])->text(), " ");
    EXPECT_EQ(Focused(), chedit::EntryBoxes[5]);
    // The own tone is checked on leaving its box.
    FocusOn(chedit::OwnCtcss);
    Type("300");
    Key(Qt::Key_Tab);
    EXPECT_EQ(Edit(chedit::OwnCtcss)->text(), "151.1");
    FocusOn(chedit::OwnCtcss);
    Type("100");
    Key(Qt::Key_Tab);
    EXPECT_EQ(Edit(chedit::OwnCtcss)->text(), "100.0");
    EXPECT_TRUE(Messages().empty());
}

// A name box the user comes to selects its character; the move on after a
// typed character is the dialog's own and selects nothing, so the next
// character goes after the one the next box holds (and a full box refuses it).
TEST_F(ChEditDialog, TheMoveOnAfterANameCharacterSelectsNothing) {
    Show(ListMemory, 1);
    FocusOn(chedit::EntryBoxes[2]);
    Type("ABC");
    EXPECT_EQ(Focused(), chedit::EntryBoxes[5]);
    FocusOn(chedit::EntryBoxes[2]);
    EXPECT_EQ(Edit(chedit::EntryBoxes[2])->selectedText(), "A");
    Type("X");
    EXPECT_EQ(Focused(), chedit::EntryBoxes[3]);
    EXPECT_EQ(Edit(chedit::EntryBoxes[3])->selectedText(), "");
    Type("Y");
    EXPECT_EQ(Focused(), chedit::EntryBoxes[4]);
    EXPECT_EQ(Edit(chedit::EntryBoxes[2])->text(), "X");
    EXPECT_EQ(Edit(chedit::EntryBoxes[3])->text(), "B");
    // Back from another window: no arrival, no selection.
    FocusOn(chedit::RxFreq);
    Edit(chedit::RxFreq)->deselect();
    QWidget other;
    other.show();
    QApplication::setActiveWindow(&other);
    QApplication::processEvents();
    QApplication::setActiveWindow(dlg.data());
    ASSERT_TRUE(QTest::qWaitFor([&] { return QApplication::activeWindow() == dlg.data(); }));
    EXPECT_EQ(Focused(), chedit::RxFreq);
    EXPECT_EQ(Edit(chedit::RxFreq)->selectedText(), "");
}

TEST_F(ChEditDialog, NoPasteDropOrInputMethodGetsPastTheFilters) {
    Show(ListMemory, 1);
    QApplication::clipboard()->setText("12a\\~");
    for (const std::string& name : std::vector<std::string>{chedit::RxFreq, chedit::EntryBoxes[2], chedit::TxFreq,
                                                            chedit::OwnCtcss, chedit::PttIdCode, chedit::OffsetFreq}) {
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
    QLineEdit* rx = Edit(chedit::RxFreq);
    rx->setFocus();
    rx->selectAll();
    Commit(rx, "abc");
    EXPECT_EQ(rx->text(), "440.00000");
    rx->clear();
    Commit(rx, "145.5");
    EXPECT_EQ(rx->text(), "145.5");
    QLineEdit* name = Edit(chedit::EntryBoxes[3]);
    name->setFocus();
    name->clear();
    Commit(name, QString::fromUtf8("é"));
    EXPECT_EQ(name->text(), "");
    QLineEdit* code = Edit(chedit::PttIdCode);
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
        chedit::RxFreq, chedit::TxFreq, chedit::EntryBoxes[2], chedit::EntryBoxes[3], chedit::EntryBoxes[4],
        chedit::EntryBoxes[5], chedit::EntryBoxes[6], chedit::EntryBoxes[7], chedit::Step, chedit::Bandwidth,
        chedit::Power, chedit::DecodeType, chedit::DecodeDcs, chedit::DecodeInverted, chedit::EncodeType,
        chedit::EncodeCtcss, chedit::Signalling, chedit::DtmfCode, chedit::SqlModes, chedit::DtmfPttId,
        chedit::FiveTonePttId, chedit::TxInhibit, chedit::ScanSkip, chedit::Reverse, chedit::TalkAround,
        chedit::OwnCtcss, kOKButton, kCancelButton, chedit::BusyLock, chedit::Banks,
        chedit::SqlLevel, chedit::RxFreq,
    };
    FocusOn(chedit::RxFreq);
    const auto fre = d.FreData;
    for (std::size_t i = 1; i < expected.size(); ++i) {
        Key(Qt::Key_Return);
        ASSERT_EQ(Focused(), expected[i]) << "Enter after " << expected[i - 1];
    }
    EXPECT_FALSE(closed);
    EXPECT_EQ(d.FreData, fre);
    EXPECT_TRUE(Messages().empty());
    // Tab takes the same way.
    FocusOn(chedit::EncodeType);
    Key(Qt::Key_Tab);
    EXPECT_EQ(Focused(), chedit::EncodeCtcss);
}

TEST_F(ChEditDialog, AFullBankRefusesTheTick) {
    for (int s = 1; s <= kBankSlots; ++s) {
        d.BankCH()(s, 4) = static_cast<Integer>(s == 32 ? 1 : 100 + s);
        d.BankCH()(s, 5) = static_cast<Integer>(100 + s);
    }
    Show(ListMemory, 1);
    auto* bank = W_<QListWidget>(chedit::Banks);
    bank->item(4)->setCheckState(Qt::Checked);  // full, without channel 1
    QApplication::processEvents();
    EXPECT_EQ(bank->item(4)->checkState(), Qt::Unchecked);
    bank->item(3)->setCheckState(Qt::Unchecked);  // full, holding channel 1
    EXPECT_EQ(bank->item(3)->checkState(), Qt::Unchecked);
    bank->item(3)->setCheckState(Qt::Checked);
    EXPECT_EQ(bank->item(3)->checkState(), Qt::Checked);
    EXPECT_TRUE(Form().C(chedit::Banks).selected[3]);
    EXPECT_FALSE(Form().C(chedit::Banks).selected[4]);
}

TEST_F(ChEditDialog, EscapeAndCancelCloseWithoutStoring) {
    const auto fre = d.FreData;
    Show(ListMemory, 1);
    FocusOn(chedit::RxFreq);
    Type("146");
    Key(Qt::Key_Escape);
    EXPECT_TRUE(closed);
    EXPECT_EQ(d.FreData, fre);
    Show(ListMemory, 1);
    QTest::mouseClick(W_<QPushButton>(kCancelButton), Qt::LeftButton);
    EXPECT_TRUE(closed);
    EXPECT_EQ(d.FreData, fre);
}

TEST_F(ChEditDialog, Screenshots) {
    Rec(1).DeCTCType = 1;
    Rec(1).OptSig = 1;
    Show(ListMemory, 1);
    QApplication::processEvents();
    EXPECT_TRUE(test::SaveScreenshot(*dlg, "FrmCHEdit"));
    delete dlg.data();
    SetLanguageIndex(d, LangChinese);
    Show(ListGMRS, 3);
    QApplication::processEvents();
    EXPECT_TRUE(test::SaveScreenshot(*dlg, "FrmCHEdit_zh"));
}

}  // namespace rp
