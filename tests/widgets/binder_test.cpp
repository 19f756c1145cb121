// The binder's wiring on real widgets: picks, keys, focus rules, Enter,
// closing, timers; the dialog openers; the control-name check.
#include <QAbstractItemModelTester>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <QVBoxLayout>
#include <gtest/gtest.h>

#include <memory>

#include "shellchecktest.h"
#include "forms/formlanguage.h"
#include "widgets/binder.h"
#include "widgets/dialoghost.h"
#include "widgets/gridmodel.h"
#include "widgets/shellcheck.h"

namespace rp {
namespace {

// A small dialog form that records its events.
class ProbeForm : public Form {
public:
    ProbeForm() : Form("FrmProbe") {
        State().Add("Label1", ControlKind::Label);
        State().Add("Text1", ControlKind::TextBox);
        State().Add("Text2", ControlKind::TextBox);
        State().Add("Combo1", ControlKind::ComboBox).items = {"a", "b", "c"};
        State().Add("List1", ControlKind::ListBox);
        State().Add("Check1", ControlKind::CheckBox);
        State().Add("CommandOK", ControlKind::Button);
        State().Add("CommandCancel", ControlKind::Button);
        State().Add("Timer1", ControlKind::Timer);
    }
    std::vector<std::string> log;
    bool refuseText1 = false;
    bool mayClose = true;
    std::function<void(int&)> onKey;

    void Click(const std::string& c) override {
        log.push_back("Click " + c);
        if (c == "CommandOK") Unload();
    }
    void Change(const std::string& c) override { log.push_back("Change " + c + " " + C(c).text); }
    void KeyPress(const std::string& c, int& k) override {
        if (c == "Text1" && onKey) onKey(k);
    }
    void GotFocus(const std::string& c) override { log.push_back("GotFocus " + c); }
    void FocusOnFrom(const std::string& c) override {
        log.push_back("FocusOnFrom " + c + " " + C(c).text);
        State().focus = c == "Text1" ? "Text2" : "Text1";
    }
    bool LostFocus(const std::string& c, const std::string& next) override {
        log.push_back("LostFocus " + c + ">" + next);
        return !(c == "Text1" && refuseText1);
    }
    void Timer(const std::string& c) override {
        log.push_back("Timer " + c);
        C(c).enabled = false;
    }
    bool QueryUnload() override {
        log.push_back("QueryUnload");
        return mayClose;
    }
    bool Logged(const std::string& s) const { return std::find(log.begin(), log.end(), s) != log.end(); }
};

// The probe's shell.
void LayOutProbe(FormDialog& shell) {
    FormDialog* dlg = &shell;
    auto* lay = new QVBoxLayout(dlg);
    auto add = [&](QWidget* w, const char* name) {
        w->setObjectName(name);
        lay->addWidget(w);
    };
    add(new QLabel, "Label1");
    add(new QLineEdit, "Text1");
    add(new QLineEdit, "Text2");
    add(new QComboBox, "Combo1");
    add(new QListWidget, "List1");
    add(new QCheckBox, "Check1");
    add(new QPushButton, "CommandOK");
    add(new QPushButton, "CommandCancel");
    dlg->Bind();
}

FormDialog* MakeProbe(QWidget* parent = nullptr) {
    auto* dlg = new FormDialog(std::make_unique<ProbeForm>(), parent);
    LayOutProbe(*dlg);
    return dlg;
}

class BinderTest : public ::testing::Test {
protected:
    std::unique_ptr<FormDialog> dlg{MakeProbe()};
    ProbeForm& f = dlg->FormAs<ProbeForm>();
    FormBinder& b = *dlg->binder();

    void Show() {
        dlg->show();
        QApplication::setActiveWindow(dlg.get());
        ASSERT_TRUE(QTest::qWaitForWindowActive(dlg.get()));
    }
    template <class T>
    T* W(const char* name) {
        return b.As<T>(name);
    }
    void Focus(const char* name) {
        W<QWidget>(name)->setFocus(Qt::TabFocusReason);
        QApplication::processEvents();
    }
    // Another window takes the activation, then the dialog has it again.
    void LeaveAndComeBack() {
        QWidget other;
        other.show();
        QApplication::setActiveWindow(&other);
        QApplication::processEvents();
        QApplication::setActiveWindow(dlg.get());
        ASSERT_TRUE(QTest::qWaitFor([&] { return QApplication::activeWindow() == dlg.get(); }));
    }
};

TEST_F(BinderTest, MirrorsStateAndOnlyUserPicksAreClicks) {
    EXPECT_EQ(W<QComboBox>("Combo1")->count(), 3);
    f.C("Label1").text = "Hello";
    f.C("List1").items = {"x", "y"};
    f.C("List1").index = 1;
    f.C("Combo1").index = 2;
    f.C("Check1").value = 1;
    f.C("Text2").visible = false;
    b.Sync();
    EXPECT_EQ(W<QLabel>("Label1")->text(), "Hello");
    EXPECT_EQ(W<QListWidget>("List1")->currentRow(), 1);
    EXPECT_EQ(W<QComboBox>("Combo1")->currentIndex(), 2);
    EXPECT_TRUE(W<QCheckBox>("Check1")->isChecked());
    EXPECT_TRUE(W<QWidget>("Text2")->isHidden());
    EXPECT_TRUE(f.log.empty()) << "code's changes raise no events";

    emit W<QComboBox>("Combo1")->activated(0);
    EXPECT_EQ(f.C("Combo1").index, 0);
    EXPECT_EQ(f.C("Combo1").text, "a");
    EXPECT_TRUE(f.Logged("Click Combo1"));

    W<QCheckBox>("Check1")->click();
    EXPECT_EQ(f.C("Check1").value, 0);
    EXPECT_TRUE(f.Logged("Click Check1"));
    EXPECT_FALSE(W<QPushButton>("CommandOK")->autoDefault());
}

TEST_F(BinderTest, AListsChoiceIsItsSelectedItemAndEveryPickIsAClick) {
    auto* list = W<QListWidget>("List1");
    f.C("List1").items = {"x", "y", "z"};
    b.Sync();
    Show();
    auto clicks = [&] { return std::count(f.log.begin(), f.log.end(), "Click List1"); };
    // The focus makes no item current and chooses nothing; Down then picks
    // the first item.
    Focus("List1");
    EXPECT_EQ(list->currentRow(), -1);
    EXPECT_EQ(f.C("List1").index, -1);
    EXPECT_EQ(clicks(), 0);
    QTest::keyClick(list, Qt::Key_Down);
    EXPECT_EQ(f.C("List1").index, 0);
    EXPECT_EQ(clicks(), 1);
    const auto clickRow = [&](int row) {
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(row)).center());
    };
    clickRow(1);
    EXPECT_EQ(f.C("List1").index, 1);
    EXPECT_EQ(f.C("List1").text, "y");
    EXPECT_EQ(clicks(), 2);
    clickRow(1);  // the chosen item again
    EXPECT_EQ(clicks(), 3);
    QTest::keyClick(list, Qt::Key_Down);
    EXPECT_EQ(f.C("List1").index, 2);
    EXPECT_EQ(clicks(), 4);
    // The form clears the choice: nothing stays selected or current.
    SetListIndex(f.C("List1"), -1);
    b.Sync();
    EXPECT_TRUE(list->selectedItems().isEmpty());
    EXPECT_EQ(list->currentRow(), -1);
    EXPECT_EQ(clicks(), 4);
}

TEST_F(BinderTest, UserEditIsChangeAndAFormRevertIsShown) {
    Show();
    Focus("Text1");
    QTest::keyClicks(W<QLineEdit>("Text1"), "ab");
    EXPECT_EQ(f.C("Text1").text, "ab");
    EXPECT_TRUE(f.Logged("Change Text1 ab"));
    // A check box the form keeps unchecked: the widget follows the form.
    f.C("Check1").value = 0;
    b.Sync();
    W<QCheckBox>("Check1")->click();
    f.C("Check1").value = 0;
    b.Sync();
    EXPECT_FALSE(W<QCheckBox>("Check1")->isChecked());
}

TEST_F(BinderTest, TextLimitHoldsForTypingOnly) {
    f.C("Text1").max = 3;
    f.C("Text1").text = "abcdef";  // set by the form: shown whole
    b.Sync();
    auto* edit = W<QLineEdit>("Text1");
    EXPECT_EQ(edit->text(), "abcdef");
    Show();
    Focus("Text1");
    edit->end(false);
    QTest::keyClick(edit, Qt::Key_G);
    EXPECT_EQ(f.C("Text1").text, "abcdef");  // no typing beyond the text
    QTest::keyClick(edit, Qt::Key_Backspace);
    QTest::keyClick(edit, Qt::Key_Backspace);
    EXPECT_EQ(f.C("Text1").text, "abcd");
    f.C("Text1").text = "";
    b.Sync();
    QTest::keyClicks(edit, "12345");
    EXPECT_EQ(edit->text(), "123");
}

TEST_F(BinderTest, KeyPressSwallowsOrReplacesTheKey) {
    Show();
    Focus("Text1");
    f.onKey = [](int& k) {
        if (k >= '0' && k <= '9') return;
        if (k == 'x') { k = 'y'; return; }
        if (k != 8) k = 0;
    };
    QTest::keyClicks(W<QLineEdit>("Text1"), "1a2x");
    EXPECT_EQ(W<QLineEdit>("Text1")->text(), "12y");
    EXPECT_EQ(f.C("Text1").text, "12y");
}

TEST_F(BinderTest, EnterMovesLikeTabWhereAskedAndNeverPressesOK) {
    Show();
    Focus("Text1");
    QTest::keyClick(W<QLineEdit>("Text1"), Qt::Key_Return);
    EXPECT_TRUE(W<QLineEdit>("Text1")->hasFocus()) << "without Enter-as-Tab nothing moves";
    EXPECT_FALSE(f.Logged("Click CommandOK"));
    b.SetEnterAsTab(true);
    QTest::keyClick(W<QLineEdit>("Text1"), Qt::Key_Return);
    EXPECT_TRUE(W<QLineEdit>("Text2")->hasFocus());
    EXPECT_TRUE(f.Logged("LostFocus Text1>Text2"));
    EXPECT_EQ(f.State().focus, "Text2");
    EXPECT_FALSE(f.Logged("Click CommandOK"));
}

TEST_F(BinderTest, RefusedDepartureComesBackOnceAndDropsTheClick) {
    Show();
    Focus("Text1");
    f.refuseText1 = true;
    auto* ok = W<QPushButton>("CommandOK");
    ok->setFocusPolicy(Qt::StrongFocus);
    QTest::mouseClick(ok, Qt::LeftButton);
    QApplication::processEvents();
    EXPECT_TRUE(f.Logged("LostFocus Text1>CommandOK"));
    EXPECT_FALSE(f.Logged("Click CommandOK"));
    EXPECT_TRUE(W<QLineEdit>("Text1")->hasFocus());
    EXPECT_EQ(std::count(f.log.begin(), f.log.end(), "LostFocus Text1>CommandOK"), 1);
    // Once the control lets go, the next click acts.
    f.refuseText1 = false;
    QTest::mouseClick(ok, Qt::LeftButton);
    QApplication::processEvents();
    EXPECT_TRUE(f.Logged("Click CommandOK"));
}

TEST_F(BinderTest, StandsBackForCancelAndIgnoresOtherWindows) {
    Show();
    b.StandBackFor({"CommandCancel"});
    Focus("Text1");
    f.log.clear();
    W<QWidget>("CommandCancel")->setFocus(Qt::MouseFocusReason);
    QApplication::processEvents();
    EXPECT_FALSE(f.Logged("LostFocus Text1>CommandCancel"));
    Focus("Text1");
    f.log.clear();
    QWidget other;
    other.show();
    QApplication::setActiveWindow(&other);
    QApplication::processEvents();
    for (const auto& s : f.log) EXPECT_NE(s.rfind("LostFocus", 0), 0u) << s;
}

// The focus a window shows with is an arrival (a return from another
// window is not), and a box that asks for it is selected at once: a key
// typed right away replaces the text. A click selects after its press.
TEST_F(BinderTest, FirstFocusIsAnArrivalAndSelectsAtOnce) {
    f.C("Text1").selectOnEntry = f.C("Text2").selectOnEntry = SelectOnEntry::OnArrival;
    f.C("Text1").text = "440.00000";
    f.C("Text2").text = "abc";
    b.Sync();
    W<QWidget>("Text1")->setFocus();
    dlg->show();
    QApplication::setActiveWindow(dlg.get());
    ASSERT_TRUE(QTest::qWaitFor([&] { return QApplication::activeWindow() == dlg.get(); }));
    ASSERT_TRUE(W<QLineEdit>("Text1")->hasFocus());
    EXPECT_EQ(std::count(f.log.begin(), f.log.end(), "GotFocus Text1"), 1);
    EXPECT_EQ(W<QLineEdit>("Text1")->selectedText(), "440.00000");
    QTest::keyClicks(QApplication::focusWidget(), "438");
    EXPECT_EQ(W<QLineEdit>("Text1")->text(), "438");

    LeaveAndComeBack();
    EXPECT_EQ(std::count(f.log.begin(), f.log.end(), "GotFocus Text1"), 1);

    auto* text2 = W<QLineEdit>("Text2");
    QTest::mouseClick(text2, Qt::LeftButton, {}, text2->rect().center());
    QApplication::processEvents();
    EXPECT_TRUE(f.Logged("GotFocus Text2"));
    EXPECT_EQ(text2->selectedText(), "abc");
}

// A box declared OnArrival selects only when the user brings the focus (or
// the form moves it as Tab would); one declared OnFocus on every focus-in,
// the form's own moves and a return from another window too.
TEST_F(BinderTest, ABoxSelectsAsItsControlDeclares) {
    f.C("Text1").text = "abc";
    f.C("Text2").text = "xyz";
    f.C("Text1").selectOnEntry = SelectOnEntry::OnArrival;
    b.Sync();
    Show();
    auto* text1 = W<QLineEdit>("Text1");
    auto* text2 = W<QLineEdit>("Text2");
    b.Run([&] { f.State().focus = "Combo1"; });
    text1->deselect();
    b.Run([&] { f.State().focus = "Text1"; });
    ASSERT_TRUE(text1->hasFocus());
    EXPECT_EQ(text1->selectedText(), "") << "a move of the form's own";
    b.Run([&] { f.State().focus = "Text2"; });
    b.Run([&] {
        f.State().focus = "Text1";
        f.State().focusArrives = true;
    });
    EXPECT_EQ(text1->selectedText(), "abc") << "a move as the user's Tab";
    EXPECT_FALSE(f.State().focusArrives);
    text1->deselect();
    QTest::mouseClick(text2, Qt::LeftButton, {}, text2->rect().center());
    QApplication::processEvents();
    EXPECT_TRUE(f.Logged("GotFocus Text2"));
    EXPECT_EQ(text2->selectedText(), "") << "declared Never";

    f.C("Text2").selectOnEntry = SelectOnEntry::OnFocus;
    b.Run([&] { f.State().focus = "Text1"; });
    b.Run([&] { f.State().focus = "Text2"; });
    EXPECT_EQ(text2->selectedText(), "xyz") << "OnFocus: the form's own move too";
    text2->deselect();
    LeaveAndComeBack();
    EXPECT_EQ(text2->selectedText(), "xyz") << "OnFocus: the return from another window too";
    Focus("Text1");
    QTest::mouseClick(text2, Qt::LeftButton, {}, text2->rect().center());
    QApplication::processEvents();
    EXPECT_EQ(text2->selectedText(), "xyz") << "OnFocus: after the click's press";
}

// A key handler's focusAfterKey: the focus moves on once the key is in the
// box, as a move of the form's own (no LostFocus, no GotFocus).
TEST_F(BinderTest, FocusAfterKeyMovesOnOnceTheKeyIsInTheBox) {
    f.C("Text2").selectOnEntry = SelectOnEntry::OnArrival;
    f.C("Text2").text = "xyz";
    b.Sync();
    Show();
    Focus("Text1");
    f.log.clear();
    f.onKey = [&](int&) { f.State().focusAfterKey = "Text1"; };
    QTest::keyClick(W<QWidget>("Text1"), Qt::Key_A);
    EXPECT_TRUE(W<QLineEdit>("Text1")->hasFocus()) << "queued after the key";
    EXPECT_TRUE(f.State().focusAfterKey.empty());
    QApplication::processEvents();
    EXPECT_TRUE(W<QLineEdit>("Text2")->hasFocus());
    EXPECT_TRUE(f.Logged("FocusOnFrom Text1 a"));
    EXPECT_FALSE(f.Logged("LostFocus Text1>Text2"));
    EXPECT_FALSE(f.Logged("GotFocus Text2"));
    EXPECT_EQ(W<QLineEdit>("Text2")->selectedText(), "") << "no arrival";
}

TEST_F(BinderTest, FormMovesTheFocus) {
    Show();
    Focus("Text1");
    b.Run([&] { f.State().focus = "Combo1"; });
    EXPECT_TRUE(W<QComboBox>("Combo1")->hasFocus());
    EXPECT_FALSE(f.Logged("LostFocus Text1>Combo1"));
}

TEST_F(BinderTest, CloseBoxAsksQueryUnloadAndUnloadCloses) {
    Show();
    f.mayClose = false;
    dlg->close();
    EXPECT_TRUE(dlg->isVisible());
    EXPECT_TRUE(f.Logged("QueryUnload"));
    f.mayClose = true;
    dlg->close();
    EXPECT_FALSE(dlg->isVisible());

    Show();
    W<QPushButton>("CommandOK")->click();
    EXPECT_FALSE(dlg->isVisible());
}

TEST_F(BinderTest, EscapeIsCancel) {
    Show();
    Focus("Text2");
    QTest::keyClick(W<QWidget>("Text2"), Qt::Key_Escape);
    EXPECT_TRUE(f.Logged("Click CommandCancel"));
}

TEST_F(BinderTest, TimerRunsWhileEnabled) {
    f.C("Timer1").max = 10;
    f.C("Timer1").enabled = true;
    b.Sync();
    QTRY_VERIFY_WITH_TIMEOUT(f.Logged("Timer Timer1"), 2000);
    EXPECT_EQ(std::count(f.log.begin(), f.log.end(), "Timer Timer1"), 1);
}

TEST(DialogOpeners, OpensAfreshAndCallsBackOnClose) {
    DialogOpeners openers;
    int made = 0, closed = 0;
    openers.Register("FrmProbe", [&](FormDialog& dlg) {
        ++made;
        LayOutProbe(dlg);
    });
    EXPECT_EQ(openers.Open(std::make_unique<Form>("FrmNone"), nullptr), nullptr);
    QDialog* dlg = openers.Open(std::make_unique<ProbeForm>(), nullptr, [&] { ++closed; });
    ASSERT_NE(dlg, nullptr);
    EXPECT_TRUE(dlg->isVisible());
    EXPECT_EQ(openers.OpenDialogs().size(), 1u);
    dlg->findChild<QPushButton*>("CommandOK")->click();
    EXPECT_EQ(closed, 1);
    QDialog* again = openers.Open(std::make_unique<ProbeForm>(), nullptr, [&] { ++closed; });
    EXPECT_EQ(made, 2);
    openers.CloseAll();
    EXPECT_EQ(closed, 2);
    EXPECT_TRUE(openers.OpenDialogs().empty());
    (void)again;
}

// ---- the text-grid model ----

TEST(TextGridModel, HeadersColoursAndResets) {
    TextGrid g(4, 3);
    g.SetText(0, 1, "RX");
    g.SetText(0, 2, "Tone\r\nDecode");
    g.SetText(2, 0, "1");
    g.SetText(2, 1, "440.00000");
    g.SetForeColor(0, 1, Rgb(0, 0, 155));
    g.SetBackColor(2, 1, Rgb(250, 250, 240));
    TextGridView view;
    view.Attach(&g);
    TextGridModel& m = *view.GridModel();
    QAbstractItemModelTester tester(&m, QAbstractItemModelTester::FailureReportingMode::Fatal);
    EXPECT_EQ(m.rowCount(), 3);
    EXPECT_EQ(m.columnCount(), 2);
    EXPECT_EQ(m.headerData(0, Qt::Horizontal, Qt::DisplayRole).toString(), "RX");
    EXPECT_EQ(m.headerData(1, Qt::Horizontal, Qt::DisplayRole).toString(), "Tone\nDecode");
    EXPECT_EQ(m.headerData(1, Qt::Vertical, Qt::DisplayRole).toString(), "1");
    EXPECT_EQ(m.headerData(0, Qt::Horizontal, Qt::ForegroundRole).value<QColor>(), QColor(0, 0, 155));
    const QModelIndex cell = m.IndexOf(2, 1);
    EXPECT_EQ(m.data(cell, Qt::DisplayRole).toString(), "440.00000");
    EXPECT_EQ(m.data(cell, Qt::BackgroundRole).value<QColor>(), QColor(250, 250, 240));
    EXPECT_FALSE(m.IndexOf(0, 1).isValid());

    // The current cell survives a redraw and a reset that keeps it.
    g.row = 3;
    g.col = 2;
    view.Refresh();
    EXPECT_EQ(view.currentIndex(), m.IndexOf(3, 2));
    g.SetText(3, 2, "x");
    view.Refresh();
    EXPECT_EQ(view.currentIndex(), m.IndexOf(3, 2));
    g.Resize(6, 3);
    view.Refresh();
    EXPECT_EQ(m.rowCount(), 5);
    EXPECT_EQ(view.currentIndex(), m.IndexOf(3, 2));
    g.Resize(2, 3);
    view.Refresh();
    EXPECT_EQ(g.row, 1);
    EXPECT_EQ(g.col, 1);
    EXPECT_EQ(view.currentIndex(), m.IndexOf(1, 1));
}

TEST(TextGridView, WidthsInTwipsAndNoSearch) {
    TextGrid g(3, 4);
    g.SetColWidth(0, 600);
    g.SetColWidth(1, 1440);
    g.SetColWidth(2, 0);
    g.SetRowHeight(0, 500);
    TextGridView view;
    view.Attach(&g);
    const int dpi = view.logicalDpiX();
    EXPECT_EQ(view.columnWidth(0), dpi);
    EXPECT_TRUE(view.isColumnHidden(1));
    EXPECT_EQ(view.verticalHeader()->width(), (600 * dpi + 720) / 1440);
    EXPECT_EQ(view.editTriggers(), QAbstractItemView::NoEditTriggers);
    g.row = 2;
    g.col = 3;
    view.Refresh();
    view.keyboardSearch("1");
    EXPECT_EQ(view.currentIndex(), view.GridModel()->IndexOf(2, 3));
}

// ---- the control-name check ----

TEST(ShellCheck, NamesMissingAndWrongKinds) {
    std::unique_ptr<FormDialog> dlg(MakeProbe());
    EXPECT_TRUE(CheckShellControls(dlg->form(), dlg.get()).empty());
    dlg->form().State().Add("Option1_0", ControlKind::OptionButton);
    dlg->findChild<QWidget*>("Check1")->setObjectName("Option1_0");
    const auto faults = CheckShellControls(dlg->form(), dlg.get());
    ASSERT_EQ(faults.size(), 2u);
    EXPECT_EQ(faults[0], "Check1: no widget");
    EXPECT_EQ(faults[1].rfind("Option1_0: QCheckBox", 0), 0u);
}

const test::ShellCase kShells[] = {{"FrmProbe", [] { return MakeProbe(); }}};
RP_SHELL_CONTROL_CHECK(KitShells, kShells);

}  // namespace
}  // namespace rp
