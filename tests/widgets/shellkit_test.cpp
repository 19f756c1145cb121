// The kit pieces the shells share: the binding each widget class gets, the
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

namespace rp {
namespace {

// ---- which binding a widget gets ----

TEST(Bindings, EachClassGetsItsOwnKindsBinding) {
    QWidget root;
    struct Case {
        const char* what;
        QObject* object;
        const Binding* binding;
    } cases[] = {
        {"check box", new QCheckBox(&root), &kCheckBoxBinding},
        {"option button", new QRadioButton(&root), &kOptionButtonBinding},
        {"push button", new QPushButton(&root), &kButtonBinding},
        {"tool button", new QToolButton(&root), &kButtonBinding},
        {"combo box", new QComboBox(&root), &kComboBinding},
        {"list", new QListWidget(&root), &kListBinding},
        {"line edit", new QLineEdit(&root), &kLineEditBinding},
        {"plain text", new QPlainTextEdit(&root), &kPlainTextBinding},
        {"tab widget", new QTabWidget(&root), &kTabWidgetBinding},
        {"tab bar", new QTabBar(&root), &kTabBarBinding},
        {"toolbar", new QToolBar(&root), &kToolbarBinding},
        {"grid", new TextGridView(&root), &kGridBinding},
        {"label", new QLabel(&root), &kLabelBinding},
        {"group box", new QGroupBox(&root), &kGroupBoxBinding},
        {"progress", new QProgressBar(&root), &kProgressBinding},
        {"menu", new QMenu(&root), &kMenuBinding},
        {"action", new QAction(&root), &kActionBinding},
        {"frame", new QFrame(&root), nullptr},
        {"picture", new QWidget(&root), nullptr},
    };
    for (const Case& c : cases) EXPECT_EQ(BindingFor(c.object), c.binding) << c.what;
    EXPECT_EQ(BindingFor(nullptr), nullptr);
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
