// What the shells share from the kit: the binding each widget class gets, the
// floating editors that follow their cell, the clipboard keys as codes and
// the key codes themselves.
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QGroupBox>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>
#include <gtest/gtest.h>

#include <memory>

#include "widgets/bindbutton.h"
#include "widgets/binder.h"
#include "widgets/bindgrid.h"
#include "widgets/bindlist.h"
#include "widgets/bindmenu.h"
#include "widgets/bindplain.h"
#include "widgets/bindtabs.h"
#include "widgets/bindtext.h"
#include "widgets/editorplacement.h"
#include "widgets/gridmodel.h"
#include "widgets/keycodes.h"
#include "widgets/widgetkinds.h"

namespace rp {
namespace {

// ---- which binding a widget gets (widgets/widgetkinds.h) ----

TEST(Bindings, EachClassGetsItsOwnKindsBinding) {
    QWidget root;
    struct Case {
        const char* what;
        QObject* object;
        ControlKind kind;
        const Binding* binding;
    } cases[] = {
        {"check box", new QCheckBox(&root), ControlKind::CheckBox, &kCheckBoxBinding},
        {"option button", new QRadioButton(&root), ControlKind::OptionButton, &kOptionButtonBinding},
        {"push button", new QPushButton(&root), ControlKind::Button, &kButtonBinding},
        {"tool button", new QToolButton(&root), ControlKind::Button, &kButtonBinding},
        {"combo box", new QComboBox(&root), ControlKind::ComboBox, &kComboBinding},
        {"list", new QListWidget(&root), ControlKind::ListBox, &kListBinding},
        {"line edit", new QLineEdit(&root), ControlKind::TextBox, &kLineEditBinding},
        {"plain text", new QPlainTextEdit(&root), ControlKind::TextBox, &kPlainTextBinding},
        {"tab widget", new QTabWidget(&root), ControlKind::TabStrip, &kTabWidgetBinding},
        {"tab bar", new QTabBar(&root), ControlKind::TabStrip, &kTabBarBinding},
        {"toolbar", new QToolBar(&root), ControlKind::Toolbar, &kToolbarBinding},
        {"grid", new TextGridView(&root), ControlKind::Grid, &kGridBinding},
        {"label", new QLabel(&root), ControlKind::Label, &kLabelBinding},
        {"group box", new QGroupBox(&root), ControlKind::Frame, &kGroupBoxBinding},
        {"progress", new QProgressBar(&root), ControlKind::Progress, &kProgressBinding},
        {"menu", new QMenu(&root), ControlKind::Menu, &kMenuBinding},
        {"action", new QAction(&root), ControlKind::Menu, &kActionBinding},
        {"picture label", new QLabel(&root), ControlKind::Picture, &kLabelBinding},
        {"picture", new QWidget(&root), ControlKind::Picture, nullptr},
        {"other", new QWidget(&root), ControlKind::Other, nullptr},
    };
    for (const Case& c : cases) {
        EXPECT_TRUE(WidgetFitsKind(c.object, c.kind)) << c.what;
        EXPECT_EQ(BindingFor(c.object, c.kind), c.binding) << c.what;
    }
    EXPECT_EQ(BindingFor(nullptr, ControlKind::Label), nullptr);
}

// The check and the binder read one table: a class that does not fit a
// kind gets no binding of it either.
TEST(Bindings, AClassOutsideItsKindFitsNotAndGetsNoBinding) {
    QWidget root;
    struct Case {
        const char* what;
        QObject* object;
        ControlKind kind;
    } cases[] = {
        {"a frame is a group box: caption only", new QFrame(&root), ControlKind::Frame},
        {"a label is no frame", new QLabel(&root), ControlKind::Frame},
        {"a check box is no button", new QCheckBox(&root), ControlKind::Button},
        {"an option button is no button", new QRadioButton(&root), ControlKind::Button},
        {"a line edit is no combo", new QLineEdit(&root), ControlKind::ComboBox},
        {"an action is no toolbar", new QAction(&root), ControlKind::Toolbar},
        {"a timer has no widget", new QWidget(&root), ControlKind::Timer},
    };
    for (const Case& c : cases) {
        EXPECT_FALSE(WidgetFitsKind(c.object, c.kind)) << c.what;
        EXPECT_EQ(BindingFor(c.object, c.kind), nullptr) << c.what;
    }
    EXPECT_TRUE(WidgetFitsKind(nullptr, ControlKind::Timer));
    EXPECT_FALSE(WidgetFitsKind(nullptr, ControlKind::Label));
    EXPECT_EQ(WidgetClassFor(ControlKind::Frame), "QGroupBox");
    EXPECT_EQ(WidgetClassFor(ControlKind::TextBox), "QLineEdit or QPlainTextEdit");
    // Every class of the table fits its kind and takes its binding.
    for (int k = 0; k <= static_cast<int>(ControlKind::Other); ++k) {
        const auto kind = static_cast<ControlKind>(k);
        EXPECT_EQ(WidgetClassesOf(kind).empty(), kind == ControlKind::Timer) << k;
    }
}

// ---- floating editors over their cell ----

class EditorForm : public Form {
public:
    EditorForm() : Form("FrmEditors") {
        State().Add("Grid1", ControlKind::Grid);
        ControlState& text = State().Add("Text1", ControlKind::TextBox);
        text.visible = false;
        text.selectOnEntry = SelectOnEntry::OnCellOpen;
        State().Add("Combo1", ControlKind::ComboBox).visible = false;
    }
    TextGrid grid{40, 6};
    int row = -1, col = -1;
    int scrolls = 0;
    TextGrid* Grid(const std::string& c) override { return c == "Grid1" ? &grid : nullptr; }
    // Opens `editor` over (r, c) with `text`; "" closes every editor.
    void Open(const std::string& editor, int r, int c, const std::string& text = "") {
        C("Text1").visible = editor == "Text1";
        C("Combo1").visible = editor == "Combo1";
        if (!editor.empty()) C(editor).text = text;
        row = editor.empty() ? -1 : r;
        col = c;
    }
};

class CellEditorsTest : public ::testing::Test {
protected:
    EditorForm f;
    QWidget root;
    TextGridView* view = new TextGridView(&root);
    QLineEdit* text = new QLineEdit(view->viewport());
    QComboBox* combo = new QComboBox(view->viewport());
    std::unique_ptr<FormBinder> binder;
    CellEditors* editors = nullptr;

    void SetUp() override {
        view->setObjectName("Grid1");
        text->setObjectName("Text1");
        combo->setObjectName("Combo1");
        (new QVBoxLayout(&root))->addWidget(view);
        root.resize(400, 300);
        binder = std::make_unique<FormBinder>(f, &root, nullptr);
        editors = new CellEditors(*binder, view, [this] { return GridCell{f.row, f.col}; });
        editors->Add({text, combo});
        root.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&root));
    }
    void Open(const std::string& editor, int r, int c, const std::string& t = "") {
        binder->Run([&] { f.Open(editor, r, c, t); });
    }
    bool Over(QWidget* e, int r, int c) const { return e->geometry() == view->CellRect(r, c); }
};

TEST_F(CellEditorsTest, TheOpenEditorFollowsItsCellThroughScrollsAndResizes) {
    Open("Text1", 20, 3, "abc");
    ASSERT_TRUE(text->isVisible());
    EXPECT_TRUE(Over(text, 20, 3));
    view->verticalScrollBar()->setValue(6);
    QApplication::processEvents();
    EXPECT_TRUE(Over(text, 20, 3)) << "after a scroll";
    view->horizontalHeader()->resizeSection(0, 150);  // column 3 moves right
    EXPECT_TRUE(Over(text, 20, 3)) << "after a column resize";
    view->verticalHeader()->setSectionResizeMode(QHeaderView::Interactive);
    view->verticalHeader()->resizeSection(10, 60);  // a row above grows
    EXPECT_TRUE(Over(text, 20, 3)) << "after a row resize";
    root.resize(520, 240);
    QApplication::processEvents();
    EXPECT_TRUE(Over(text, 20, 3)) << "after the view's resize";

    // A combo keeps its own height over the cell.
    Open("Combo1", 2, 2);
    EXPECT_FALSE(text->isVisible());
    EXPECT_EQ(combo->geometry().topLeft(), view->CellRect(2, 2).topLeft());
    EXPECT_EQ(combo->width(), view->CellRect(2, 2).width());
    EXPECT_EQ(combo->height(), combo->sizeHint().height());
}

TEST_F(CellEditorsTest, ATextEditorIsSelectedOnlyWhenItOpensOverAnotherCell) {
    Open("Text1", 3, 2, "abc");
    EXPECT_EQ(text->selectedText(), "abc");
    text->deselect();
    binder->Run([] {});  // a mirror with the editor still on its cell
    EXPECT_EQ(text->selectedText(), "");
    Open("Text1", 4, 2, "def");
    EXPECT_EQ(text->selectedText(), "def");
    text->deselect();
    Open("", 0, 0);
    Open("Text1", 4, 2, "def");  // opened again on the same cell
    EXPECT_EQ(text->selectedText(), "def");
    text->deselect();
    f.C("Text1").selectOnEntry = SelectOnEntry::Never;
    Open("Text1", 5, 2, "ghi");
    EXPECT_EQ(text->selectedText(), "") << "an editor not declared OnCellOpen";
}

TEST_F(CellEditorsTest, OnlyTheUsersScrollRunsTheScrollHandler) {
    editors->OnUserScroll(Qt::Vertical, [this] { ++f.scrolls; });
    view->scrollTo(view->GridModel()->IndexOf(35, 1));  // the view's own scroll
    view->verticalScrollBar()->setValue(2);
    EXPECT_EQ(f.scrolls, 0);
    view->verticalScrollBar()->triggerAction(QAbstractSlider::SliderSingleStepAdd);
    EXPECT_EQ(f.scrolls, 1);
    view->horizontalScrollBar()->triggerAction(QAbstractSlider::SliderSingleStepAdd);
    EXPECT_EQ(f.scrolls, 1) << "the horizontal bar was not asked for";
}

// ---- clipboard keys as codes ----

class KeyForm : public Form {
public:
    KeyForm() : Form("FrmKeys") {
        State().Add("Text1", ControlKind::TextBox);
        State().Add("Text2", ControlKind::TextBox);
    }
    std::vector<int> codes;
    void KeyPress(const std::string& c, int& k) override {
        codes.push_back(k);
        if (c == "Text1" && (k == 3 || k == 22 || k == 24)) k = 0;
    }
};

TEST(ClipboardKeysAsCodes, AnyPlatformsPasteKeyReachesTheBoxAsItsCode) {
    KeyForm f;
    QWidget root;
    auto* lay = new QVBoxLayout(&root);
    auto* text1 = new QLineEdit(&root);
    auto* text2 = new QLineEdit(&root);
    text1->setObjectName("Text1");
    text2->setObjectName("Text2");
    lay->addWidget(text1);
    lay->addWidget(text2);
    FormBinder binder(f, &root, nullptr);
    binder.ClipboardKeysAsCodes(text1);
    root.show();
    QApplication::setActiveWindow(&root);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&root));
    QApplication::clipboard()->setText("X");

    struct Case {
        const char* name;
        Qt::Key key;
        Qt::KeyboardModifiers mods;
        int code;
    } cases[] = {{"Ctrl+V", Qt::Key_V, Qt::ControlModifier, 22},
                 {"Shift+Insert", Qt::Key_Insert, Qt::ShiftModifier, 22},
                 {"Ctrl+Insert", Qt::Key_Insert, Qt::ControlModifier, 3},
                 {"Shift+Delete", Qt::Key_Delete, Qt::ShiftModifier, 24}};
    for (const Case& c : cases) {
        QKeyEvent probe(QEvent::KeyPress, c.key, c.mods);
        if (ClipboardCodeOf(&probe) != c.code) continue;  // not a clipboard key on this platform
        f.codes.clear();
        text1->setFocus();
        QTest::keyClick(text1, c.key, c.mods);
        EXPECT_EQ(f.codes, std::vector<int>{c.code}) << c.name;
        EXPECT_EQ(text1->text(), "") << c.name << ": refused by its code";
    }
    // A box that was not named gets no code for Shift+Insert, and pastes.
    QKeyEvent shiftInsert(QEvent::KeyPress, Qt::Key_Insert, Qt::ShiftModifier);
    if (ClipboardCodeOf(&shiftInsert) == 22) {
        f.codes.clear();
        text2->setFocus();
        QTest::keyClick(text2, Qt::Key_Insert, Qt::ShiftModifier);
        EXPECT_TRUE(f.codes.empty());
        EXPECT_EQ(text2->text(), "X");
    }
}

// ---- key codes ----

TEST(KeyCodes, CharactersControlCodesAndClipboardKeys) {
    struct Case {
        Qt::Key key;
        Qt::KeyboardModifiers mods;
        const char* text;
        int code, ascii, clipboard;
    } cases[] = {
        {Qt::Key_A, Qt::NoModifier, "a", 'A', 'a', 0},
        {Qt::Key_A, Qt::ControlModifier, "\x01", 'A', 1, 0},
        {Qt::Key_V, Qt::ControlModifier, "\x16", 'V', 22, 22},
        {Qt::Key_C, Qt::ControlModifier, "\x03", 'C', 3, 3},
        {Qt::Key_X, Qt::ControlModifier, "\x18", 'X', 24, 24},
        {Qt::Key_Return, Qt::NoModifier, "\r", kKeyReturn, kKeyReturn, 0},
        {Qt::Key_Backspace, Qt::NoModifier, "\b", kKeyBack, kKeyBack, 0},
        {Qt::Key_Delete, Qt::NoModifier, "\x7f", kKeyDelete, 0, 0},
        {Qt::Key_Left, Qt::NoModifier, "", kKeyLeft, 0, 0},
        {Qt::Key_F2, Qt::NoModifier, "", kKeyF2, 0, 0},
        {Qt::Key_Tab, Qt::NoModifier, "\t", kKeyTab, 0, 0},
        {Qt::Key_Eacute, Qt::NoModifier, "\xC3\xA9", 0, 0xE9, 0},
    };
    for (const Case& c : cases) {
        QKeyEvent e(QEvent::KeyPress, c.key, c.mods, QString::fromUtf8(c.text));
        EXPECT_EQ(KeyCodeOf(c.key), c.code) << c.text;
        EXPECT_EQ(KeyAsciiOf(&e), c.ascii) << c.text;
        EXPECT_EQ(ClipboardCodeOf(&e), c.clipboard) << c.text;
    }
    EXPECT_EQ(ShiftOf(Qt::ShiftModifier | Qt::AltModifier), kShiftMask | kAltMask);
    EXPECT_EQ(ShiftOf(Qt::ControlModifier), kCtrlMask);
}

}  // namespace
}  // namespace rp
