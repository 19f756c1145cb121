// The input guard, the floating-editor placement, the grid's clipboard keys
// and the focus a form asks for while a mirror hides the focused control.
#include <QApplication>
#include <QClipboard>
#include <QHeaderView>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QScrollBar>
#include <QTest>
#include <QVBoxLayout>
#include <gtest/gtest.h>

#include <memory>
#include <ostream>

#include "forms/textkeys.h"
#include "widgets/binder.h"
#include "widgets/dialoghost.h"
#include "widgets/editorplacement.h"
#include "widgets/gridmodel.h"
#include "widgets/inputguard.h"

namespace rp {
namespace {

// Two guarded boxes with the common key table: digits and "." at most 9
// long, and a name box of printable ASCII but "\" and "~", at most 6.
class GuardForm : public Form {
public:
    GuardForm() : Form("FrmGuard") {
        GuardTextBox(State().Add("TextFre", ControlKind::TextBox), kFrequencyChars, 9);
        GuardTextBox(State().Add("TextName", ControlKind::TextBox), PrintableAscii("\\~"), 6);
        State().Add("Text3", ControlKind::TextBox).visible = false;
    }
    void KeyPress(const std::string& c, int& k) override { FilterTextKey(k, C(c).inputChars); }
};

class InputGuardTest : public ::testing::Test {
protected:
    std::unique_ptr<FormDialog> dlg;
    GuardForm* f = nullptr;
    void SetUp() override {
        dlg = std::make_unique<FormDialog>(std::make_unique<GuardForm>());
        auto* lay = new QVBoxLayout(dlg.get());
        for (const char* n : {"TextFre", "TextName", "Text3"}) {
            auto* e = new QLineEdit;
            e->setObjectName(n);
            lay->addWidget(e);
        }
        dlg->Bind();
        f = &dlg->FormAs<GuardForm>();
        dlg->show();
        QApplication::setActiveWindow(dlg.get());
        ASSERT_TRUE(QTest::qWaitForWindowActive(dlg.get()));
        QApplication::clipboard()->setText("7!x");
    }
    QLineEdit* E(const char* n) { return dlg->findChild<QLineEdit*>(n); }
};

struct KeyCase {
    std::string name;
    const char* box;
    std::function<void(QLineEdit*)> act;
    const char* text;  // the box's text afterwards, from "12"
};
void PrintTo(const KeyCase& c, std::ostream* os) { *os << c.name; }

// Types characters that QTest's key tables do not know.
void TypeText(QWidget* w, const QString& s) {
    for (const QChar c : s) {
        QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(c));
        QApplication::sendEvent(w, &press);
        QKeyEvent release(QEvent::KeyRelease, 0, Qt::NoModifier, QString(c));
        QApplication::sendEvent(w, &release);
    }
}

void Commit(QLineEdit* e, const QString& s) {
    QInputMethodEvent ev;
    ev.setCommitString(s);
    QApplication::sendEvent(e, &ev);
}

const KeyCase kKeyCases[] = {
    {"DigitsAndPointPass", "TextFre", [](QLineEdit* e) { QTest::keyClicks(e, "3.5"); }, "123.5"},
    {"LettersAreSwallowed", "TextFre", [](QLineEdit* e) { QTest::keyClicks(e, "aZ-"); }, "12"},
    {"NonAsciiIsSwallowed", "TextName", [](QLineEdit* e) { TypeText(e, QString::fromUtf8("é中A")); }, "12A"},
    {"BackslashAndTildeAreNotNames", "TextName", [](QLineEdit* e) { QTest::keyClicks(e, "a\\~b"); }, "12ab"},
    {"CtrlVPastesNothing", "TextFre", [](QLineEdit* e) { QTest::keyClick(e, Qt::Key_V, Qt::ControlModifier); }, "12"},
    {"ShiftInsertPastesNothing", "TextName",
     [](QLineEdit* e) { QTest::keyClick(e, Qt::Key_Insert, Qt::ShiftModifier); }, "12"},
    {"InputMethodTextOutsideTheSetIsRefused", "TextFre", [](QLineEdit* e) { Commit(e, "ab"); }, "12"},
    {"InputMethodDigitsAreTaken", "TextFre", [](QLineEdit* e) { Commit(e, "34"); }, "1234"},
    {"InputMethodNonAsciiIsRefused", "TextName", [](QLineEdit* e) { Commit(e, QString::fromUtf8("ü")); }, "12"},
    {"TextBeyondTheLengthIsCut", "TextName", [](QLineEdit* e) { QTest::keyClicks(e, "abcdef"); }, "12abcd"},
};

class GuardKeys : public InputGuardTest, public ::testing::WithParamInterface<KeyCase> {};

TEST_P(GuardKeys, BoxTakesOnlyWhatItsFilterLetsThrough) {
    const KeyCase& c = GetParam();
    QLineEdit* e = E(c.box);
    e->setFocus();
    QTest::keyClicks(e, "12");
    c.act(e);
    EXPECT_EQ(e->text().toStdString(), c.text);
    EXPECT_EQ(f->C(c.box).text, c.text);
    EXPECT_EQ(QApplication::clipboard()->text(), "7!x");
}

INSTANTIATE_TEST_SUITE_P(Table, GuardKeys, ::testing::ValuesIn(kKeyCases),
                         [](const auto& i) { return i.param.name; });

TEST_F(InputGuardTest, NoMenuNoDropsNoClipboardAndAnUnguardedBoxIsLeftAlone) {
    for (const char* n : {"TextFre", "TextName"}) {
        EXPECT_EQ(E(n)->contextMenuPolicy(), Qt::NoContextMenu) << n;
        EXPECT_FALSE(E(n)->acceptDrops()) << n;
        EXPECT_NE(InputGuard::Of(E(n)), nullptr) << n;
    }
    EXPECT_EQ(E("TextFre")->maxLength(), 9);
    EXPECT_EQ(InputGuard::Of(E("Text3")), nullptr);
    EXPECT_EQ(E("Text3")->validator(), nullptr);
    // Copying the selected text leaves the system clipboard as it was.
    E("TextName")->setFocus();
    QTest::keyClicks(E("TextName"), "ab");
    E("TextName")->selectAll();
    QTest::keyClick(E("TextName"), Qt::Key_C, Qt::ControlModifier);
    QTest::keyClick(E("TextName"), Qt::Key_Insert, Qt::ControlModifier);
    QTest::keyClick(E("TextName"), Qt::Key_X, Qt::ControlModifier);
    EXPECT_EQ(QApplication::clipboard()->text(), "7!x");
    EXPECT_EQ(E("TextName")->text(), "ab");
    // The guard goes when the form drops the characters.
    dlg->binder()->Run([&] { f->C("TextFre").inputChars.clear(); f->C("TextFre").noContextMenu = false; });
    EXPECT_EQ(InputGuard::Of(E("TextFre")), nullptr);
    EXPECT_EQ(E("TextFre")->contextMenuPolicy(), Qt::DefaultContextMenu);
}

TEST(TextKeys, CommonKeyTable) {
    struct Case { int key; const char* allowed; int after; };
    const Case cases[] = {
        {3, "0123456789.", 0},  {22, "0123456789.", 0}, {24, "0123456789.", 0}, {'5', "0123456789.", '5'},
        {'.', "0123456789.", '.'}, {'a', "0123456789.", 0}, {233, "abc", 0},   {-3, "abc", 0},
        {8, "0", 8},            {13, "0", 13},           {127, "0", 127},       {' ', " ", ' '},
    };
    for (const Case& c : cases) {
        int k = c.key;
        FilterTextKey(k, c.allowed);
        EXPECT_EQ(k, c.after) << c.key;
    }
    EXPECT_EQ(PrintableAscii("\\~").size(), 93u);
    ControlState box;
    box.max = 6;
    SetBoxText(box, "108.0000");
    EXPECT_EQ(box.text, "108.00");
    SetBoxText(box, "\xC3\xA9" "abcdefg");
    EXPECT_EQ(box.text, "\xC3\xA9" "abcde");
}

// ---- placement ----

class PlacementTest : public ::testing::Test {
protected:
    TextGrid g{40, 6};
    TextGridView view;
    EditorPlacement* place = nullptr;
    QLineEdit* edit = nullptr;
    QListWidget* list = nullptr;
    void SetUp() override {
        view.resize(400, 300);
        view.Attach(&g);
        place = new EditorPlacement(&view);
        edit = new QLineEdit(view.viewport());
        list = new QListWidget(view.viewport());
        list->setFixedHeight(120);
        view.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&view));
    }
};

TEST_F(PlacementTest, FollowsResizeAndScroll) {
    edit->show();
    place->Place(edit, 3, 2);
    EXPECT_EQ(edit->geometry(), view.CellRect(3, 2));
    view.horizontalHeader()->resizeSection(0, 150);  // column 1 widens: column 2 moves right
    EXPECT_EQ(edit->geometry(), view.CellRect(3, 2));
    view.verticalHeader()->setSectionResizeMode(QHeaderView::Interactive);
    view.verticalHeader()->resizeSection(2, 50);     // row 3 grows
    EXPECT_EQ(edit->geometry(), view.CellRect(3, 2));
    view.verticalScrollBar()->setValue(2);
    QApplication::processEvents();
    EXPECT_EQ(edit->geometry(), view.CellRect(3, 2));
    view.resize(500, 200);
    QApplication::processEvents();
    EXPECT_EQ(edit->geometry(), view.CellRect(3, 2));
    // A hidden editor is not followed; placed again it comes back.
    edit->hide();
    view.horizontalHeader()->resizeSection(0, 80);
    EXPECT_NE(edit->geometry(), view.CellRect(3, 2));
}

TEST_F(PlacementTest, OwnHeightAndLiftedInside) {
    list->show();
    place->Place(list, 1, 1, EditorHeight::OwnInside);
    EXPECT_EQ(list->geometry().topLeft(), view.CellRect(1, 1).topLeft());
    EXPECT_EQ(list->height(), 120);
    // A low row: the list's bottom meets the viewport's bottom.
    const int last = view.rowAt(view.viewport()->height() - 2) + 1;
    place->Place(list, last, 1, EditorHeight::OwnInside);
    EXPECT_EQ(list->geometry().bottom() + 1, view.viewport()->height());
    EXPECT_EQ(list->x(), view.CellRect(last, 1).x());
    EXPECT_EQ(EditorRect(QRect(5, 90, 30, 20), 40, EditorHeight::Own, 100), QRect(5, 90, 30, 40));
    EXPECT_EQ(EditorRect(QRect(5, 90, 30, 20), 40, EditorHeight::OwnInside, 100), QRect(5, 60, 30, 40));
}

// ---- the grid's clipboard keys ----

TEST(TextGridView, ClipboardKeysLeaveTheSystemClipboardAlone) {
    TextGrid g(4, 3);
    g.SetText(1, 1, "cell");
    TextGridView view;
    view.Attach(&g);
    view.show();
    QApplication::setActiveWindow(&view);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&view));
    QApplication::clipboard()->setText("kept");
    QTest::keyClick(&view, Qt::Key_C, Qt::ControlModifier);
    QTest::keyClick(&view, Qt::Key_Insert, Qt::ControlModifier);
    EXPECT_EQ(QApplication::clipboard()->text(), "kept");
}

// ---- focus while a mirror hides the focused control ----

class SwapForm : public Form {
public:
    SwapForm() : Form("FrmSwap") {
        State().Add("TextA", ControlKind::TextBox);
        State().Add("TextB", ControlKind::TextBox).visible = false;
        State().Add("TextC", ControlKind::TextBox);
    }
};

TEST(BinderFocus, FormRequestSurvivesAMirrorThatHidesTheFocusedControl) {
    FormDialog dlg(std::make_unique<SwapForm>());
    auto* lay = new QVBoxLayout(&dlg);
    for (const char* n : {"TextA", "TextB", "TextC"}) {
        auto* e = new QLineEdit;
        e->setObjectName(n);
        lay->addWidget(e);
    }
    FormBinder& b = dlg.Bind();
    Form& f = dlg.form();
    dlg.show();
    QApplication::setActiveWindow(&dlg);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&dlg));
    b.Run([&] { f.State().focus = "TextA"; });
    ASSERT_TRUE(b.Widget("TextA")->hasFocus());
    // TextA hides and TextB shows in one handler that asks for TextB.
    b.Run([&] {
        f.C("TextA").visible = false;
        f.C("TextB").visible = true;
        f.State().focus = "TextB";
    });
    EXPECT_TRUE(b.Widget("TextB")->hasFocus());
    EXPECT_EQ(f.State().focus, "TextB");
    // Hidden without a request: the state follows the widget that has it.
    b.Run([&] { f.C("TextB").visible = false; });
    EXPECT_FALSE(b.Widget("TextB")->hasFocus());
    EXPECT_NE(f.State().focus, "TextB");
    // So asking for it again, once shown, moves the focus back.
    b.Run([&] {
        f.C("TextB").visible = true;
        f.State().focus = "TextB";
    });
    EXPECT_TRUE(b.Widget("TextB")->hasFocus());
    // The same for a control disabled and enabled again.
    b.Run([&] { f.C("TextB").enabled = false; });
    EXPECT_NE(f.State().focus, "TextB");
    b.Run([&] {
        f.C("TextB").enabled = true;
        f.State().focus = "TextB";
    });
    EXPECT_TRUE(b.Widget("TextB")->hasFocus());
}

}  // namespace
}  // namespace rp
