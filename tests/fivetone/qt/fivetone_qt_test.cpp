// The five-tone dialogs on real widgets (offscreen): every control has its
// widget, and the wiring the rules rely on: focus departures, the grid's
// floating editors, the sub-dialogs, the typing limits and the boxes' input
// guards.
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QGroupBox>
#include <QHeaderView>
#include <QInputMethodEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QStyle>
#include <QTest>
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "fivetone/fivetonefixture.h"
#include "fivetone/frm5tone.h"
#include "fivetone/frm5tonecontrols.h"
#include "fivetone/frm5tonedefts.h"
#include "fivetone/frm5tonedeftscontrols.h"
#include "fivetone/callbuilder.h"
#include "fivetone/callbuildercontrols.h"
#include "fivetone/qt/openers.h"
#include "forms/mainwindowcalls.h"
#include "shellchecktest.h"
#include "widgets/gridmodel.h"
#include "widgets/textfit.h"
#include "widgets/twips.h"
#include "screenshots.h"

using namespace rp;
using namespace rp::fivetone;

namespace {

// A program state kept for the factories of the control-name check.
struct ShellState {
    AppData d;
    Frm5Tone owner{d};
    ShellState() {
        d.AppFolder = RP_SOURCE_DIR;
        SetLanguageIndex(d, 1);
        InitAllSetData(d);
        owner.Form_Load();
    }
};
ShellState& Shared() {
    static ShellState s;
    return s;
}

const test::ShellCase kShells[] = {
    {"Frm5Tone", [] { return BuildFormDialog(std::make_unique<Frm5Tone>(Shared().d), nullptr, BuildFrm5Tone); }},
    {"FrmCallBuilder",
     [] {
         auto f = std::make_unique<FrmCallBuilder>(Shared().d, Shared().owner);
         return BuildFormDialog(std::move(f), nullptr, BuildFrmCallBuilder);
     }},
    {"Frm5ToneDefTS",
     [] { return BuildFormDialog(std::make_unique<Frm5ToneDefTS>(Shared().d), nullptr, BuildFrm5ToneDefTS); }},
};

}  // namespace

RP_SHELL_CONTROL_CHECK(FiveToneShells, kShells);

class FiveToneWidgets : public test::FiveToneTest {
protected:
    void SetUp() override {
        FiveToneTest::SetUp();
        RegisterFiveToneDialogs(openers);
        // The own-ID box has the focus first and keeps it while it holds no ID.
        Live().OwnID.Set("12345");
    }
    void TearDown() override {
        for (QDialog* dlg : openers.OpenDialogs()) {
            dlg->done(QDialog::Rejected);
        }
        QApplication::processEvents();
    }
    Tone5DataRec& Live() { return d.WorkData.SetData.Tone5Data; }
    Tone5DataRec& Edit() { return d.SetDataEdit.Tone5Data; }

    // Opens and shows the dialog, active, as the main window would.
    Frm5Tone& Open() {
        dlg = openers.Open(std::make_unique<Frm5Tone>(d), nullptr, [this] { ++closed; });
        EXPECT_NE(dlg, nullptr);
        dlg->show();
        QApplication::setActiveWindow(dlg);
        EXPECT_TRUE(QTest::qWaitForWindowActive(dlg));
        return dlg->FormAs<Frm5Tone>();
    }
    template <class W = QWidget>
    W* In(QWidget* root, const std::string& name) {
        W* w = root->findChild<W*>(QString::fromStdString(name));
        EXPECT_NE(w, nullptr) << name;
        return w;
    }
    template <class W = QWidget>
    W* W5(const std::string& name) { return In<W>(dlg, name); }
    void Click(QWidget* w) { QTest::mouseClick(w, Qt::LeftButton); }
    void Focus(QWidget* w) {
        Click(w);
        QApplication::processEvents();
    }
    TextGridView* Grid() { return W5<TextGridView>(CodeGrid); }
    void ClickCell(int row, int col) {
        TextGridView* v = Grid();
        v->scrollTo(v->GridModel()->IndexOf(row, col));
        QTest::mouseClick(v->viewport(), Qt::LeftButton, {}, v->CellRect(row, col).center());
        QApplication::processEvents();
    }
    // The dialog the five-tone dialog opened over itself.
    FormDialog* SubDialog(const char* name) {
        QApplication::processEvents();
        auto* sub = dlg->findChild<FormDialog*>(name);
        EXPECT_NE(sub, nullptr) << name;
        if (sub) {
            EXPECT_TRUE(QTest::qWaitForWindowExposed(sub));
        }
        return sub;
    }
    void Shot(QWidget* w, const char* file) {
        EXPECT_TRUE(w->grab().save(test::ScreenshotFile(file)));
    }

    DialogOpeners openers;
    FormDialog* dlg = nullptr;
    int closed = 0;
};

TEST_F(FiveToneWidgets, OpensWithTheToneTableAndInformationCodeOne) {
    Open();
    EXPECT_TRUE(W5<QPlainTextEdit>(ToneTable)->toPlainText().startsWith("ZVEI1\n"));
    EXPECT_EQ(W5<QGroupBox>(InfoFrame)->title(), "Info Code #1");
    EXPECT_EQ(W5<QComboBox>(InfoNumber)->currentText(), "1");
    EXPECT_FALSE(W5<QLineEdit>(InfoName)->isEnabled());
    EXPECT_EQ(W5<QComboBox>(DecodeTime)->currentText(), "20");
    EXPECT_EQ(Grid()->model()->rowCount(), 100);
    EXPECT_FALSE(W5<QLineEdit>(CodeEditor)->isVisible());
    EXPECT_EQ(Grid()->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
    EXPECT_GE(Grid()->viewport()->width(), Grid()->columnViewportPosition(3) + Grid()->columnWidth(3));
    EXPECT_EQ(Grid()->verticalScrollBar()->value(), 0);  // the current cell (100, 0) scrolls nothing
    Shot(dlg, "Frm5Tone.png");
}

// The number and special-call columns are two fixed columns, each with its
// own header cell and its own width (the stored one, or its text's when
// wider), and the last column reaches the scroll bar.
TEST_F(FiveToneWidgets, NumberAndSpecialCallAreFixedColumnsOfTheirOwn) {
    struct Case {
        int language;
        const char* number;
        const char* special;
        const char* shot;
    };
    for (const Case& c : {Case{LangEnglish, "No.", "Special Call", "Frm5Tone-columns-en.png"},
                          Case{LangChinese, "序号", "特殊呼叫", "Frm5Tone-columns-zh.png"}}) {
        SetLanguageIndex(d, c.language);
        Open();
        TextGridView* v = Grid();
        const TextGrid& g = dlg->FormAs<Frm5Tone>().Grid();
        EXPECT_EQ(g.Text(0, 0), c.number);
        EXPECT_EQ(g.Text(0, 1), c.special);
        const int margin = 2 * v->style()->pixelMetric(QStyle::PM_HeaderMargin, nullptr, v->horizontalHeader());
        const QFontMetrics fm(v->horizontalHeader()->font());
        const int stored[2] = {TwipsToPixelsX(v, 400), TwipsToPixelsX(v, 1200)};
        int left = v->HeaderCellRect(0, 0).left();
        for (int col = 0; col < 2; ++col) {
            const QRect head = v->HeaderCellRect(0, col), row = v->HeaderCellRect(1, col);
            const int text = fm.horizontalAdvance(QString::fromStdString(g.Text(0, col)));
            EXPECT_EQ(head.width(), std::max(stored[col], text + margin)) << col;
            EXPECT_EQ(head.left(), left) << col;
            EXPECT_EQ(row.left(), head.left()) << col;
            EXPECT_EQ(row.width(), head.width()) << col;
            left = head.right() + 1;
        }
        EXPECT_EQ(v->verticalHeader()->width(), v->FixedColumnWidth(0) + v->FixedColumnWidth(1));
        // The row header names the entry alone; the kind has its own cell.
        EXPECT_EQ(v->model()->headerData(0, Qt::Vertical).toString(), "0");
        EXPECT_TRUE(CutTexts(v).empty()) << ::testing::PrintToString(CutTexts(v));
        const int last = v->model()->columnCount() - 1;
        EXPECT_EQ(v->columnViewportPosition(last) + v->columnWidth(last), v->viewport()->width());
        Shot(dlg, c.shot);
        dlg->done(QDialog::Rejected);
        QApplication::processEvents();
    }
}

TEST_F(FiveToneWidgets, OkRefusesAnEmptyOwnIdThenCommits) {
    Live().OwnID.SetEmpty();
    Open();
    Click(W5(kOKButton));
    EXPECT_EQ(notes.Texts(), std::vector<std::string>{Msg("900C")});
    EXPECT_TRUE(dlg->isVisible());
    EXPECT_TRUE(Live().OwnID.Trim().empty());
    QTest::keyClicks(W5(OwnId), "12a345");
    EXPECT_EQ(W5<QLineEdit>(OwnId)->text(), "12345");
    Click(W5(kOKButton));
    QApplication::processEvents();
    EXPECT_EQ(closed, 1);
    EXPECT_EQ(Live().OwnID.Trim(), "12345");
    EXPECT_EQ(notes.shown.size(), 1u);
}

TEST_F(FiveToneWidgets, ChineseDialog) {
    SetLanguageIndex(d, 2);
    Open();
    EXPECT_EQ(dlg->windowTitle().toStdString(), "五音设置");
    EXPECT_EQ(W5<QPushButton>(UserTonesButton)->text().toStdString(), "自定义音频");
    Shot(dlg, "Frm5Tone_zh.png");
}

// The default data's empty own ID: the box has the focus first, yet every
// other control answers; only OK asks for the ID.
TEST_F(FiveToneWidgets, AnEmptyOwnIdLeftUntouchedTrapsNothing) {
    Live().OwnID.SetEmpty();
    Open();
    ASSERT_TRUE(W5(OwnId)->hasFocus());
    Focus(W5(InfoCodeBox));
    EXPECT_TRUE(W5(InfoCodeBox)->hasFocus());
    Focus(W5(OwnId));
    QTest::keyClick(W5(OwnId), Qt::Key_Tab);
    QApplication::processEvents();
    EXPECT_TRUE(W5(SystemStandard)->hasFocus());
    EXPECT_TRUE(notes.shown.empty());
    Focus(W5(OwnId));
    Click(W5(kOKButton));
    QApplication::processEvents();
    EXPECT_EQ(notes.Texts(), std::vector<std::string>{Msg("900C")});
    EXPECT_TRUE(W5(OwnId)->hasFocus());
    EXPECT_EQ(closed, 0);
    Click(W5(UserTonesButton));
    FormDialog* t = SubDialog("Frm5ToneDefTS");
    ASSERT_NE(t, nullptr);
    Click(In(t, kCancelButton));
    QApplication::processEvents();
    EXPECT_EQ(notes.shown.size(), 1u);
}

// A changed own ID of fewer than five digits keeps its rules: the message,
// the focus back, the click that left it stopped, nothing stored.
TEST_F(FiveToneWidgets, AChangedShortOwnIdIsRefused) {
    Live().OwnID.SetEmpty();
    Open();
    QTest::keyClicks(W5(OwnId), "12");
    Click(W5(UserTonesButton));
    QApplication::processEvents();
    EXPECT_EQ(notes.Texts(), std::vector<std::string>{Msg("900C")});
    EXPECT_EQ(dlg->findChild<FormDialog*>("Frm5ToneDefTS"), nullptr);
    EXPECT_TRUE(W5(OwnId)->hasFocus());
    EXPECT_TRUE(Edit().OwnID.Trim().empty());
}

TEST_F(FiveToneWidgets, RefusedOwnIdStopsTheClickThatLeftIt) {
    Open();
    Focus(W5(OwnId));
    QTest::keyClick(W5(OwnId), Qt::Key_End);
    QTest::keyClick(W5(OwnId), Qt::Key_Backspace);
    Click(W5(UserTonesButton));
    QApplication::processEvents();
    EXPECT_EQ(notes.Texts(), std::vector<std::string>{Msg("900C")});
    EXPECT_EQ(dlg->findChild<FormDialog*>("Frm5ToneDefTS"), nullptr);
    EXPECT_TRUE(W5(OwnId)->hasFocus());
}

TEST_F(FiveToneWidgets, CancelClosesWithoutTheOwnIdMessage) {
    Open();
    Focus(W5(OwnId));
    QTest::keyClick(W5(OwnId), Qt::Key_End);
    QTest::keyClick(W5(OwnId), Qt::Key_Backspace);
    QTest::keyClick(W5(OwnId), Qt::Key_Backspace);
    EXPECT_EQ(W5<QLineEdit>(OwnId)->text(), "123");
    Click(W5(kCancelButton));
    QApplication::processEvents();
    EXPECT_EQ(closed, 1);
    EXPECT_TRUE(notes.shown.empty());
}

TEST_F(FiveToneWidgets, BoxesTakeOnlyWhatTheirKeysLetThrough) {
    QGuiApplication::clipboard()->setText("77");
    Open();
    const struct { std::string box; const char* typed; const char* kept; } cases[] = {
        {OwnId, "1a2b345", "12345"}, {InfoCodeBox, "1a!", "1A"}, {PttCodes[0], "b-c", "BC"},
    };
    for (const auto& c : cases) {
        auto* box = W5<QLineEdit>(c.box);
        Focus(box);  // the whole text is selected: typing replaces it
        QTest::keyClicks(box, c.typed);
        QTest::keyClick(box, Qt::Key_V, Qt::ControlModifier);
        QTest::keyClick(box, Qt::Key_Insert, Qt::ShiftModifier);
        QInputMethodEvent im;
        im.setCommitString("x");
        QApplication::sendEvent(box, &im);
        EXPECT_EQ(box->text(), c.kept) << c.box;
        EXPECT_EQ(box->contextMenuPolicy(), Qt::NoContextMenu) << c.box;
        EXPECT_FALSE(box->acceptDrops()) << c.box;
    }
}

TEST_F(FiveToneWidgets, CodeEditorFloatsOverItsCell) {
    Open();
    ClickCell(1, 2);
    auto* text3 = W5<QLineEdit>(CodeEditor);
    ASSERT_TRUE(text3->isVisible());
    EXPECT_TRUE(text3->hasFocus());
    EXPECT_EQ(text3->geometry(), Grid()->CellRect(1, 2));
    QTest::keyClicks(text3, "1g11");
    EXPECT_EQ(text3->text(), "111");
    QTest::keyClick(text3, Qt::Key_Return);
    QApplication::processEvents();
    EXPECT_EQ(Edit().Codes[0].Code.Trim(), "1E1");
    EXPECT_EQ(Edit().Codes[0].CodeLen, 3);
    auto* combo2 = W5<QComboBox>(StandardEditor);
    EXPECT_TRUE(combo2->isVisible());
    EXPECT_TRUE(combo2->hasFocus());
    EXPECT_FALSE(text3->isVisible());
    EXPECT_EQ(combo2->geometry().topLeft(), Grid()->CellRect(1, 3).topLeft());
    Shot(dlg, "Frm5Tone-editor.png");
}

TEST_F(FiveToneWidgets, EnterInAnEmptyCodeEditorOnTheLastRowGoesToRowOne) {
    Open();
    ClickCell(100, 2);
    auto* text3 = W5<QLineEdit>(CodeEditor);
    ASSERT_TRUE(text3->isVisible());
    QTest::keyClick(text3, Qt::Key_Return);
    QApplication::processEvents();
    auto& form = dlg->FormAs<Frm5Tone>();
    EXPECT_EQ(form.CurTone5Row, 1);
    EXPECT_TRUE(text3->isVisible());
    EXPECT_TRUE(text3->hasFocus());
    EXPECT_EQ(text3->geometry(), Grid()->CellRect(1, 2));
}

TEST_F(FiveToneWidgets, EnteringTheStandardCellKeepsTheToneTime) {
    Live().Codes[2].Empty = 0;
    Live().Codes[2].Code.Set("123");
    Live().Codes[2].CodeLen = 3;
    Live().Codes[2].Standard = 6;
    Live().Codes[2].ToneTime = 50;
    Open();
    ClickCell(3, 3);
    auto* combo2 = W5<QComboBox>(StandardEditor);
    ASSERT_TRUE(combo2->isVisible());
    EXPECT_EQ(combo2->currentText(), "CCIR1");
    QTest::keyClick(combo2, Qt::Key_Return);  // on to the tone time
    QApplication::processEvents();
    EXPECT_EQ(Edit().Codes[2].ToneTime, 50);
    EXPECT_TRUE(W5(ToneTimeEditor)->isVisible());
    EXPECT_EQ(W5<QComboBox>(ToneTimeEditor)->currentText(), "50");
}

TEST_F(FiveToneWidgets, UserScrollHidesTheEditors) {
    Open();
    ClickCell(2, 5);
    // An entry without a code opens nothing; row 2 is empty.
    EXPECT_FALSE(W5(NameEditor)->isVisible());
    ClickCell(2, 2);
    QTest::keyClicks(W5(CodeEditor), "12");
    Grid()->verticalScrollBar()->triggerAction(QAbstractSlider::SliderPageStepAdd);
    QApplication::processEvents();
    EXPECT_FALSE(W5(CodeEditor)->isVisible());
    EXPECT_EQ(Edit().Codes[1].Code.Trim(), "12");
}

TEST_F(FiveToneWidgets, DoubleClickOnASpecialCallAsksToReset) {
    Live().Codes[0].Empty = 0;
    Live().Codes[0].Code.Set("E61234");
    Live().Codes[0].CodeLen = 6;
    Open();
    ClickCell(1, 2);
    EXPECT_FALSE(W5(CodeEditor)->isVisible());
    notes.answers = {MsgAnswer::Ok};
    TextGridView* v = Grid();
    QTest::mouseDClick(v->viewport(), Qt::LeftButton, {}, v->CellRect(1, 2).center());
    QApplication::processEvents();
    ASSERT_EQ(notes.shown.size(), 1u);
    EXPECT_EQ(notes.shown[0].text, kResetSpecialCallText);
    EXPECT_TRUE(W5(CodeEditor)->isVisible());
    EXPECT_EQ(v->model()->headerData(0, Qt::Vertical).toString(), "0");
}

TEST_F(FiveToneWidgets, BuilderOpensOnEntry99AndWritesThePttBox) {
    Open();
    Click(W5(SpecialCallButton));
    FormDialog* b = SubDialog("FrmCallBuilder");
    ASSERT_NE(b, nullptr);
    EXPECT_EQ(In<QComboBox>(b, callbuilder::Entry)->currentText(), "99");
    Shot(b, "FrmCallBuilder.png");
    Click(In(b, kCancelButton));
    QApplication::processEvents();

    Click(W5(BeginSpecialCallButton));
    b = SubDialog("FrmCallBuilder");
    ASSERT_NE(b, nullptr);
    EXPECT_FALSE(In(b, callbuilder::Entry)->isVisible());
    auto* message = In<QLineEdit>(b, callbuilder::Message);
    QTest::keyClicks(message, "abcdefghi");
    EXPECT_EQ(message->text(), "ABCDEFGH");  // no ninth character
    auto* kinds = In<QComboBox>(b, callbuilder::CallType);
    kinds->setFocus();
    QTest::keyClick(kinds, Qt::Key_Down);
    QTest::keyClick(kinds, Qt::Key_Down);  // PTT-ID call
    QApplication::processEvents();
    ASSERT_EQ(kinds->currentIndex(), 2);
    Click(In(b, kOKButton));
    QApplication::processEvents();
    EXPECT_EQ(W5<QLineEdit>(PttCodes[0])->text(), "E612345");
    EXPECT_EQ(dlg->findChild<FormDialog*>("FrmCallBuilder"), nullptr);
}

TEST_F(FiveToneWidgets, BuilderKeepsItselfOpenForAShortId) {
    Open();
    Click(W5(SpecialCallButton));
    FormDialog* b = SubDialog("FrmCallBuilder");
    ASSERT_NE(b, nullptr);
    auto* id = In<QLineEdit>(b, callbuilder::CalledIds[0]);
    id->setFocus();
    QTest::keyClick(id, Qt::Key_Backspace);
    Click(In(b, kOKButton));
    QApplication::processEvents();
    EXPECT_EQ(notes.Texts(), std::vector<std::string>{Msg("900C")});
    EXPECT_TRUE(b->isVisible());
}

TEST_F(FiveToneWidgets, UserTonesClampAndRedrawTheTable) {
    Live().SysStandard = 15;  // the table shows the user set
    Live().BeginCode.Standard = Live().EndCode.Standard = 15;
    Live().UserTones[9] = 5;  // outside the range, never visited: stored back as it was
    Open();
    Click(W5(UserTonesButton));
    FormDialog* t = SubDialog("Frm5ToneDefTS");
    ASSERT_NE(t, nullptr);
    auto* box = In<QLineEdit>(t, fivetonedefts::ToneBoxes[0]);
    ASSERT_TRUE(box->hasFocus());  // the first box, selected as the dialog opens
    EXPECT_EQ(box->selectedText(), box->text());
    QTest::keyClicks(box, "25x0");
    QTest::keyClick(box, Qt::Key_Tab);
    QApplication::processEvents();
    EXPECT_EQ(box->text(), "288.5");
    Shot(t, "Frm5ToneDefTS.png");
    Click(In(t, kOKButton));
    QApplication::processEvents();
    EXPECT_EQ(Edit().UserTones[0], 2885);
    EXPECT_EQ(Edit().UserTones[9], 5);
    EXPECT_TRUE(W5<QPlainTextEdit>(ToneTable)->toPlainText().contains("0 288.5\n"));
}

TEST_F(FiveToneWidgets, PttBoxesLimitTypingOnly) {
    const std::string stored = "123412341234123412341234123412";
    Live().BeginCode.Empty = 0;
    Live().BeginCode.Code.Set(stored);
    Live().BeginCode.CodeLen = 30;
    Open();
    auto* begin = W5<QLineEdit>(PttCodes[0]);
    EXPECT_EQ(begin->text().toStdString(), stored);
    auto* end = W5<QLineEdit>(PttCodes[1]);
    Focus(end);
    QTest::keyClicks(end, QString(30, 'a'));
    EXPECT_EQ(end->text(), QString(24, 'A'));
    QTest::keyClick(end, Qt::Key_Tab);  // departure: the repeat-tone rule
    QApplication::processEvents();
    EXPECT_EQ(end->text(), "AEAEAEAEAEAEAEAEAEAEAEAE");
}
