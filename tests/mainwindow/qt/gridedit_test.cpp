// In-place editing of the main window's grids on real widgets (offscreen):
// editors opened by double-click and Enter, laid over their cells, the
// keys that reach them, the tone and bank lists, the clipboard keys, the
// broadcast and air-band editors, and the commit before every command.
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QHeaderView>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QScrollBar>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeWidget>
#include <QWheelEvent>
#include <gtest/gtest.h>

#include <functional>
#include <ostream>

#include "core/banks.h"
#include "core/channelstore.h"
#include "mainwindow/mainfixture.h"
#include "mainwindow/qt/frmmainshell.h"
#include "mainwindow/qt/openers.h"
#include "widgets/twips.h"
#include "screenshots.h"

namespace rp {
namespace {

using namespace mainform;

// A settings store of this test process (the window stores its position).
void IsolateSettings() {
    static QTemporaryDir dir;
    static const bool isolated = [] {
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, dir.path());
        return true;
    }();
    (void)isolated;
}

class GridEditUi : public ::testing::Test {
protected:
    test::StartedProgram p;
    AppData& d = p.d;
    DialogOpeners openers;
    std::vector<std::string> asked;
    std::unique_ptr<MainWindow> w;

    void SetUp() override {
        IsolateSettings();
        RegisterMainWindowDialogs(openers);
        for (const char* name : {"FrmCHEdit", "FrmDTMF"}) {
            openers.Register(name, [this, name](FormDialog& dlg) {
                asked.push_back(name);
                dlg.form().Unload();  // shown nowhere
            });
        }
        w = std::make_unique<MainWindow>(d, openers);
        d.Ui.View = w.get();
        w->Load();
        w->resize(1000, 600);
        w->show();
        QApplication::setActiveWindow(w.get());
        ASSERT_TRUE(QTest::qWaitForWindowActive(w.get()));
        QApplication::clipboard()->setText("system");
        p.notes.shown.clear();
    }
    void TearDown() override {
        d.Ui.View = Seams().View;
        w.reset();
    }
    FrmMain& F() { return w->form(); }
    TextGridView* G(int i = 0) { return w->grid(i); }
    template <class T = QWidget>
    T* E(const char* name) {
        return w->findChild<T*>(name);
    }
    QPoint At(int grid, int row, int col) {
        G(grid)->scrollTo(G(grid)->GridModel()->IndexOf(row, col));
        return G(grid)->CellRect(row, col).center();
    }
    void ClickCell(int row, int col, int grid = 0) {
        const QPoint pt = At(grid, row, col);
        QTest::mouseClick(G(grid)->viewport(), Qt::LeftButton, {}, pt);
    }
    // Qt 6.4 makes a doubleClicked only after a press on the same cell.
    void DoubleClickCell(int row, int col) {
        const QPoint pt = At(0, row, col);
        QTest::mouseClick(G()->viewport(), Qt::LeftButton, {}, pt);
        QTest::mouseDClick(G()->viewport(), Qt::LeftButton, {}, pt);
    }
    const FreDataRec* Rec(int n) {
        const int i = FindFreDataIndex(d, n);
        return i < 0 ? nullptr : &d.FreData[static_cast<std::size_t>(i)];
    }
    void Make(int n, const char* rx = "440") {
        ASSERT_TRUE(AddFreDataByFre(d, n, rx));
        w->ReShowGrid(0, n, 0);
    }
    bool OverCell(QWidget* e, int row, int col, int grid = 0) {
        const QRect cell = G(grid)->CellRect(row, col);
        return e->isVisible() && e->x() == cell.x() && e->y() == cell.y() && e->width() == cell.width();
    }
    void Ctrl(int row, Qt::Key key, Qt::KeyboardModifiers mods = Qt::ControlModifier) {
        ClickCell(row, 3);
        G()->setFocus();
        QTest::keyClick(G(), key, mods);
    }
};

TEST_F(GridEditUi, TypedRxOnAnEmptyRowCreatesTheChannel) {
    DoubleClickCell(10, 1);
    auto* rx = E<QLineEdit>(RxBox);
    ASSERT_TRUE(rx->isVisible());
    EXPECT_TRUE(OverCell(rx, 10, 1));
    EXPECT_EQ(rx->geometry(), G()->CellRect(10, 1));
    EXPECT_TRUE(rx->hasFocus());
    QTest::keyClicks(rx, "145.5");
    QTest::keyClick(rx, Qt::Key_Return);
    ASSERT_NE(Rec(10), nullptr);
    EXPECT_EQ(Rec(10)->RxFre.Raw(), "014550000");
    EXPECT_EQ(Rec(10)->SqlLevel, 3);
    EXPECT_EQ(GetChannelBankText(d, 10), "1");
    EXPECT_FALSE(rx->isVisible());
    EXPECT_TRUE(G()->hasFocus());
    EXPECT_EQ(G()->GridModel()->data(G()->GridModel()->IndexOf(10, 1), Qt::DisplayRole).toString(), "145.50000");
    // "." and "145..5" keep the channel and show "Not IsNumeric".
    for (const char* bad : {".", "145..5"}) {
        DoubleClickCell(10, 1);
        QTest::keyClick(rx, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(rx, Qt::Key_Backspace);
        QTest::keyClicks(rx, bad);
        QTest::keyClick(rx, Qt::Key_Return);
        EXPECT_NE(Rec(10), nullptr) << bad;
    }
    EXPECT_EQ(p.notes.Texts(), (std::vector<std::string>{"Not IsNumeric", "Not IsNumeric"}));
    // Keys the editor leaves alone do not reach the grid under it.
    DoubleClickCell(10, 1);
    QTest::keyClick(rx, Qt::Key_Down);
    QTest::keyClick(rx, Qt::Key_PageDown);
    EXPECT_TRUE(rx->isVisible());
    EXPECT_EQ(F().GridAt(0).row, 10);
    QTest::keyClick(rx, Qt::Key_Return);
    // Emptying it deletes it; Enter on the grid opens the editor.
    G()->setFocus();
    QTest::keyClick(G(), Qt::Key_Return);
    ASSERT_TRUE(rx->isVisible());
    EXPECT_EQ(rx->selectedText(), rx->text());
    QTest::keyClick(rx, Qt::Key_Delete);
    QTest::keyClick(rx, Qt::Key_Return);
    EXPECT_EQ(Rec(10), nullptr);
    EXPECT_FALSE(rx->isVisible()) << "Enter in the editor does not open it again";
}

struct ColumnCase {
    std::string name;
    int col;
    const char* editor;
};
void PrintTo(const ColumnCase& c, std::ostream* os) { *os << c.name; }

class EditorKinds : public GridEditUi, public ::testing::WithParamInterface<ColumnCase> {};

TEST_P(EditorKinds, OpenOverTheCellAndFollowAColumnResize) {
    const ColumnCase& c = GetParam();
    DoubleClickCell(1, c.col);
    QWidget* e = E(c.editor);
    ASSERT_TRUE(e && e->isVisible()) << c.editor;
    EXPECT_TRUE(OverCell(e, 1, c.col));
    EXPECT_TRUE(e->hasFocus() || e->isAncestorOf(QApplication::focusWidget()));
    G()->horizontalHeader()->resizeSection(0, G()->horizontalHeader()->sectionSize(0) + 40);
    EXPECT_TRUE(OverCell(e, 1, c.col)) << "after a resize";
    G()->horizontalScrollBar()->setValue(G()->horizontalScrollBar()->maximum());
    EXPECT_TRUE(OverCell(e, 1, c.col)) << "after a scroll";
}

const ColumnCase kColumns[] = {
    {"Rx", 1, RxBox},          {"Tx", 2, TxBox},                {"Name", 3, NameBox},
    {"Step", 4, StepList},     {"Bandwidth", 5, BandwidthList}, {"Bank", 6, BankChecks},
    {"Power", 7, PowerList},   {"Decode", 8, DecodeTypeList},   {"Encode", 9, EncodeTypeList},
    {"Signalling", 10, OptSigList},
};
INSTANTIATE_TEST_SUITE_P(Columns, EditorKinds, ::testing::ValuesIn(kColumns),
                         [](const auto& i) { return i.param.name; });

TEST_F(GridEditUi, EmptyRowsBanksPresetsAndTheDialogColumn) {
    DoubleClickCell(40, 4);
    EXPECT_TRUE(OverCell(E(RxBox), 40, 1)) << "the step cell of an empty row opens RX";
    DoubleClickCell(201, 6);
    EXPECT_TRUE(F().OpenChannelEditor().empty()) << "no bank list on PL1";
    DoubleClickCell(3, 11);
    EXPECT_EQ(asked, std::vector<std::string>{"FrmCHEdit"});
    // The preset lists: only tones, signalling and ">>" open.
    for (const char* node : {"N102", "N103", "N104"}) {
        w->binder().Run([&] { F().tvTreeView_NodeClick(node); });
        for (int col = 1; col <= 10; ++col) {
            if (G()->isColumnHidden(col - 1)) continue;
            DoubleClickCell(2, col);
            const std::string open = F().OpenChannelEditor();
            EXPECT_EQ(!open.empty(), col >= 8) << node << " column " << col << " " << open;
        }
    }
    EXPECT_TRUE(p.notes.shown.empty());
}

TEST_F(GridEditUi, DcsPickAndUnlistedSignalling) {
    Make(5);
    // The encode type: DCS picked in its list brings up the DCS combo.
    DoubleClickCell(5, 9);
    auto* type = E<QComboBox>(EncodeTypeList);
    ASSERT_TRUE(type->isVisible());
    type->showPopup();
    QTest::keyClick(type->view(), Qt::Key_Down);
    QTest::keyClick(type->view(), Qt::Key_Down);
    EXPECT_EQ(Rec(5)->EnCTCType, 0) << "stepping through the open list writes nothing";
    QTest::keyClick(type->view(), Qt::Key_Return);
    EXPECT_EQ(Rec(5)->EnCTCType, 2);
    auto* dcs = E<QComboBox>(EncodeDcsList);
    ASSERT_TRUE(dcs->isVisible());
    EXPECT_FALSE(type->isVisible());
    EXPECT_TRUE(OverCell(dcs, 5, 9));
    emit dcs->activated(dcs->findText("D023I"));
    EXPECT_EQ(Rec(5)->EnDCS, 19);
    EXPECT_EQ(Rec(5)->EnDCSInvert, 1);
    QTest::keyClick(dcs, Qt::Key_Return);
    EXPECT_FALSE(dcs->isVisible());
    EXPECT_TRUE(G()->hasFocus());
    // MSK on this model has no item: no selection, nothing written.
    d.FreData[static_cast<std::size_t>(FindFreDataIndex(d, 5))].OptSig = 4;
    const FreDataRec before = *Rec(5);
    DoubleClickCell(5, 10);
    auto* sig = E<QComboBox>(OptSigList);
    ASSERT_TRUE(sig->isVisible());
    EXPECT_EQ(sig->currentIndex(), -1);
    QTest::keyClick(sig, Qt::Key_Return);
    EXPECT_EQ(*Rec(5), before);
}

TEST_F(GridEditUi, ArrowOpensAToneListAndTheWheelStepsNothing) {
    Make(5);
    const FreDataRec before = *Rec(5);
    DoubleClickCell(5, 8);
    auto* type = E<QComboBox>(DecodeTypeList);
    ASSERT_TRUE(type->hasFocus());
    QTest::keyClick(type, Qt::Key_Down);
    EXPECT_TRUE(type->view()->isVisible());
    EXPECT_EQ(type->currentIndex(), 0);
    type->hidePopup();
    QApplication::processEvents();
    for (const char* combo : {DecodeTypeList}) {
        auto* c = E<QComboBox>(combo);
        const QPoint at = c->rect().center();
        QWheelEvent wheel(at, c->mapToGlobal(at), {}, QPoint(0, -120), Qt::NoButton, Qt::NoModifier,
                          Qt::NoScrollPhase, false);
        QApplication::sendEvent(c, &wheel);
        EXPECT_EQ(c->currentIndex(), 0);
    }
    DoubleClickCell(5, 4);
    auto* step = E<QComboBox>(StepList);
    const int was = step->currentIndex();
    const QPoint at = step->rect().center();
    QWheelEvent wheel(at, step->mapToGlobal(at), {}, QPoint(0, -120), Qt::NoButton, Qt::NoModifier,
                      Qt::NoScrollPhase, false);
    QApplication::sendEvent(step, &wheel);
    EXPECT_EQ(step->currentIndex(), was);
    EXPECT_EQ(*Rec(5), before);
}

TEST_F(GridEditUi, BankListRefusesAFullBankAndSitsInsideTheGrid) {
    Make(5);
    for (int n = 100; n < 132; ++n) AddChannelToBank(d, n, 9);
    DoubleClickCell(5, 6);
    auto* list = E<QListWidget>(BankChecks);
    ASSERT_TRUE(list->isVisible());
    list->item(8)->setCheckState(Qt::Checked);
    EXPECT_EQ(list->item(8)->checkState(), Qt::Unchecked);
    EXPECT_EQ(GetChannelBankSlot(d, 5, 9), 0);
    list->item(3)->setCheckState(Qt::Checked);
    EXPECT_NE(GetChannelBankSlot(d, 5, 4), 0);
    // Ctrl+C in the list leaves the system clipboard alone.
    QTest::keyClick(list, Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QApplication::clipboard()->text(), "system");
    // On a row near the bottom the list is lifted to the grid's bottom edge.
    Make(200);
    G()->scrollTo(G()->GridModel()->IndexOf(200, 6), QAbstractItemView::PositionAtBottom);
    DoubleClickCell(200, 6);
    ASSERT_TRUE(list->isVisible());
    EXPECT_EQ(list->geometry().bottom() + 1, G()->viewport()->height());
    EXPECT_EQ(list->x(), G()->CellRect(200, 6).x());
    EXPECT_EQ(list->height(), TwipsToPixelsY(list, 1680));
}

TEST_F(GridEditUi, Screenshots) {
    auto shot = [&](const char* name) {
        QApplication::processEvents();
        EXPECT_TRUE(test::SaveScreenshot(*w, name));
    };
    DoubleClickCell(2, 6);
    shot("frmMain_ListBank");
    DoubleClickCell(2, 8);
    shot("frmMain_ComboDe_CTC_Type");
    DoubleClickCell(2, 3);
    shot("frmMain_TextName");
    w->binder().Run([&] { F().ShowGridType(2, -1); });
    ClickCell(1, 1, 2);
    shot("frmMain_Text2");
}

// ---- key filters per editor ----

struct KeyCase {
    std::string name;
    std::function<void(QLineEdit*)> act;
    const char* after;  // from "12"
};

void ImeCommit(QLineEdit* e, const QString& s) {
    QInputMethodEvent ev;
    ev.setCommitString(s);
    QApplication::sendEvent(e, &ev);
}
void TypeRaw(QLineEdit* e, const QString& s) {
    for (const QChar c : s) {
        QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(c));
        QApplication::sendEvent(e, &press);
    }
}

struct EditorKeys {
    std::string name;
    const char* editor;
    int grid, row, col;
    std::vector<KeyCase> cases;
};
void PrintTo(const EditorKeys& c, std::ostream* os) { *os << c.name; }

const KeyCase kFrequencyKeys[] = {
    {"Letters", [](QLineEdit* e) { QTest::keyClicks(e, "ab-"); }, "12"},
    {"Digits", [](QLineEdit* e) { QTest::keyClicks(e, "3.4"); }, "123.4"},
    {"NonAscii", [](QLineEdit* e) { TypeRaw(e, QString::fromUtf8("é٣")); }, "12"},
    {"CtrlV", [](QLineEdit* e) { QTest::keyClick(e, Qt::Key_V, Qt::ControlModifier); }, "12"},
    {"ShiftInsert", [](QLineEdit* e) { QTest::keyClick(e, Qt::Key_Insert, Qt::ShiftModifier); }, "12"},
    {"InputMethod", [](QLineEdit* e) { ImeCommit(e, "1a"); }, "12"},
};

class EditorKeyTable : public GridEditUi, public ::testing::WithParamInterface<EditorKeys> {};

TEST_P(EditorKeyTable, OnlyWhatTheFilterLetsThrough) {
    const EditorKeys& k = GetParam();
    auto* e = E<QLineEdit>(k.editor);
    auto open = [&] {
        if (k.grid == 0) {
            DoubleClickCell(k.row, k.col);
        } else {
            ClickCell(k.row, k.col, k.grid);
        }
        ASSERT_TRUE(e->isVisible());
        e->selectAll();
        QTest::keyClick(e, Qt::Key_Delete);
        QTest::keyClicks(e, "12");
    };
    if (k.grid != 0) w->binder().Run([&] { F().ShowGridType(k.grid, -1); });
    for (const KeyCase& c : k.cases) {
        open();
        c.act(e);
        EXPECT_EQ(e->text().toStdString(), c.after) << c.name;
        EXPECT_EQ(F().C(k.editor).text, c.after) << c.name;
    }
    // Beyond the length nothing is taken.
    open();
    QTest::keyClicks(e, "0123456789");
    EXPECT_EQ(e->text().size(), F().C(k.editor).max);
    QTest::keyClick(e, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(e, Qt::Key_C, Qt::ControlModifier);
    QTest::keyClick(e, Qt::Key_Insert, Qt::ControlModifier);
    EXPECT_EQ(QApplication::clipboard()->text(), "system");
    EXPECT_EQ(e->contextMenuPolicy(), Qt::NoContextMenu);
    EXPECT_FALSE(e->acceptDrops());
}

std::vector<KeyCase> Frequency() { return {std::begin(kFrequencyKeys), std::end(kFrequencyKeys)}; }

const EditorKeys kEditorKeys[] = {
    {"Rx", RxBox, 0, 1, 1, Frequency()},
    {"Tx", TxBox, 0, 1, 2, Frequency()},
    {"Name", NameBox, 0, 1, 3,
     {{"LettersPass", [](QLineEdit* e) { QTest::keyClicks(e, "aB"); }, "12aB"},
      {"BackslashAndTilde", [](QLineEdit* e) { QTest::keyClicks(e, "\\~"); }, "12"},
      {"NonAscii", [](QLineEdit* e) { TypeRaw(e, QString::fromUtf8("ü中")); }, "12"},
      {"CtrlV", [](QLineEdit* e) { QTest::keyClick(e, Qt::Key_V, Qt::ControlModifier); }, "12"},
      {"ShiftInsert", [](QLineEdit* e) { QTest::keyClick(e, Qt::Key_Insert, Qt::ShiftModifier); }, "12"},
      {"InputMethod", [](QLineEdit* e) { ImeCommit(e, "~x"); }, "12"}}},
    {"Broadcast", RadioBox, 2, 5, 1, Frequency()},
    {"AirBand", AirBandBox, 3, 5, 1, Frequency()},
};
INSTANTIATE_TEST_SUITE_P(Editors, EditorKeyTable, ::testing::ValuesIn(kEditorKeys),
                         [](const auto& i) { return i.param.name; });

// ---- clipboard keys ----

TEST_F(GridEditUi, ClipboardKeysOnTheMemoryList) {
    Make(5);
    SetChannelBank(d, 5, 3, true);
    Ctrl(5, Qt::Key_C);
    EXPECT_EQ(QApplication::clipboard()->text(), "system");
    Ctrl(12, Qt::Key_V);
    ASSERT_NE(Rec(12), nullptr);
    EXPECT_EQ(GetChannelBankText(d, 12), "");
    EXPECT_NE(Rec(5), nullptr);
    Ctrl(5, Qt::Key_X);
    EXPECT_EQ(Rec(5), nullptr);
    Ctrl(5, Qt::Key_V);
    EXPECT_NE(Rec(5), nullptr);
    EXPECT_EQ(GetChannelBankText(d, 5), "");
    Ctrl(30, Qt::Key_C);
    Ctrl(5, Qt::Key_V);
    EXPECT_EQ(Rec(5), nullptr) << "an empty row's copy deletes";
    // Ctrl+Shift+C does nothing; Ctrl+Insert copies nothing anywhere.
    Make(6);
    Ctrl(6, Qt::Key_C, Qt::ControlModifier | Qt::ShiftModifier);
    Ctrl(6, Qt::Key_Insert);
    Ctrl(8, Qt::Key_V);
    EXPECT_EQ(Rec(8), nullptr);
    Ctrl(205, Qt::Key_X);
    EXPECT_NE(Rec(205), nullptr);
    EXPECT_EQ(QApplication::clipboard()->text(), "system");
    EXPECT_TRUE(p.notes.shown.empty());
}

TEST_F(GridEditUi, PasteAfterStartAndInPresetListsDoesNothing) {
    Ctrl(20, Qt::Key_V);
    EXPECT_EQ(Rec(20), nullptr);
    Ctrl(1, Qt::Key_X);
    Ctrl(2, Qt::Key_X);
    EXPECT_EQ(p.notes.Texts(), std::vector<std::string>{"Must retain the one channels!"});
    Ctrl(20, Qt::Key_V);
    EXPECT_NE(Rec(20), nullptr);
    w->binder().Run([&] { F().tvTreeView_NodeClick("N102"); });
    const auto gmrs = d.WorkData.GMRSFreData;
    Ctrl(2, Qt::Key_C);
    Ctrl(3, Qt::Key_V);
    Ctrl(4, Qt::Key_X);
    EXPECT_EQ(d.WorkData.GMRSFreData, gmrs);
}

// ---- broadcast ----

TEST_F(GridEditUi, BroadcastRowOpensSelectedAndEnterMovesDown) {
    w->binder().Run([&] { F().ShowGridType(2, -1); });
    ClickCell(1, 1, 2);
    auto* e = E<QLineEdit>(RadioBox);
    ASSERT_TRUE(e->isVisible());
    EXPECT_EQ(e->text(), "108.00");
    EXPECT_EQ(e->selectedText(), e->text());
    ClickCell(5, 1, 2);
    EXPECT_TRUE(OverCell(e, 5, 1, 2));
    EXPECT_TRUE(e->hasFocus());
    QTest::keyClicks(e, "101.7");
    QTest::keyClick(e, Qt::Key_Return);
    EXPECT_EQ(d.WorkData.RadioFreData[4].Used, 1);
    EXPECT_EQ(d.WorkData.RadioFreData[4].Fre.Raw(), "01017000");
    EXPECT_TRUE(OverCell(e, 6, 1, 2));
    ClickCell(5, 1, 2);
    EXPECT_EQ(e->text(), "101.70");
    // The VFO row refuses to be emptied; Enter there goes to row 1.
    ClickCell(101, 1, 2);
    QTest::keyClick(e, Qt::Key_Delete);
    QTest::keyClick(e, Qt::Key_Return);
    EXPECT_EQ(p.notes.Texts(), std::vector<std::string>{"VFO can't be null!"});
    EXPECT_TRUE(OverCell(e, 1, 1, 2));
    EXPECT_EQ(d.WorkData.RadioFreData[100].Used, 1);
}

// ---- commit before command ----

TEST_F(GridEditUi, TypedValueIsStoredBeforeEveryCommand) {
    Make(5);
    auto* name = E<QLineEdit>(NameBox);
    auto typeName = [&](const char* text) {
        DoubleClickCell(5, 3);
        ASSERT_TRUE(name->isVisible());
        QTest::keyClicks(name, text);
    };
    typeName("MENU");
    E<QAction>(EditDtmf)->trigger();
    EXPECT_EQ(Rec(5)->Name.Trim(), "MENU");
    EXPECT_TRUE(F().OpenChannelEditor().empty());
    EXPECT_FALSE(name->isVisible());
    typeName("TREE");
    const QRect r = w->tree()->visualItemRect([&] {
        for (QTreeWidgetItemIterator it(w->tree()); *it; ++it)
            if ((*it)->data(0, Qt::UserRole).toString() == "N5") return *it;
        return static_cast<QTreeWidgetItem*>(nullptr);
    }());
    QTest::mouseClick(w->tree()->viewport(), Qt::LeftButton, {}, r.center());
    EXPECT_EQ(Rec(5)->Name.Trim(), "TREE");
    EXPECT_EQ(asked, (std::vector<std::string>{"FrmDTMF", "FrmDTMF"}));
    typeName("CUT");
    G()->setFocus();
    QTest::keyClick(G(), Qt::Key_X, Qt::ControlModifier);
    EXPECT_EQ(d.ClipFreData.Name.Trim(), "CUT");
    EXPECT_EQ(Rec(5), nullptr);
    // A grid switch.
    Make(6);
    DoubleClickCell(6, 3);
    QTest::keyClicks(name, "GRID");
    E<QAction>(ShowRadioList)->trigger();
    EXPECT_EQ(Rec(6)->Name.Trim(), "GRID");
    EXPECT_FALSE(name->isVisible());
}

}  // namespace
}  // namespace rp
