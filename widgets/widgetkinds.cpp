#include "widgets/widgetkinds.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTabBar>
#include <QTabWidget>
#include <QTableView>
#include <QToolBar>
#include <QToolButton>

#include <vector>

#include "widgets/bindbutton.h"
#include "widgets/bindgrid.h"
#include "widgets/bindlist.h"
#include "widgets/bindmenu.h"
#include "widgets/bindplain.h"
#include "widgets/bindtabs.h"
#include "widgets/bindtext.h"

namespace rp {

namespace {

template <class T>
bool Is(const QObject* o) {
    return qobject_cast<const T*>(o) != nullptr;
}
bool IsWidget(const QObject* o) { return o->isWidgetType(); }
bool IsObject(const QObject*) { return true; }

struct KindWidgets {
    ControlKind kind;
    std::vector<WidgetClass> classes;
};

// The table of widgets/widgetkinds.h.
const std::vector<KindWidgets>& Table() {
    static const std::vector<KindWidgets> table = {
        {ControlKind::Label, {{"QLabel", Is<QLabel>, &kLabelBinding}}},
        {ControlKind::TextBox,
         {{"QLineEdit", Is<QLineEdit>, &kLineEditBinding}, {"QPlainTextEdit", Is<QPlainTextEdit>, &kPlainTextBinding}}},
        {ControlKind::ComboBox, {{"QComboBox", Is<QComboBox>, &kComboBinding}}},
        {ControlKind::ListBox, {{"QListWidget", Is<QListWidget>, &kListBinding}}},
        {ControlKind::CheckBox, {{"QCheckBox", Is<QCheckBox>, &kCheckBoxBinding}}},
        {ControlKind::OptionButton, {{"QRadioButton", Is<QRadioButton>, &kOptionButtonBinding}}},
        {ControlKind::Button,
         {{"QPushButton", Is<QPushButton>, &kButtonBinding}, {"QToolButton", Is<QToolButton>, &kButtonBinding}}},
        {ControlKind::Frame, {{"QGroupBox", Is<QGroupBox>, &kGroupBoxBinding}}},
        {ControlKind::Menu, {{"QMenu", Is<QMenu>, &kMenuBinding}, {"QAction", Is<QAction>, &kActionBinding}}},
        {ControlKind::TabStrip,
         {{"QTabWidget", Is<QTabWidget>, &kTabWidgetBinding}, {"QTabBar", Is<QTabBar>, &kTabBarBinding}}},
        {ControlKind::Toolbar, {{"QToolBar", Is<QToolBar>, &kToolbarBinding}}},
        {ControlKind::Grid, {{"QTableView", Is<QTableView>, &kGridBinding}}},
        {ControlKind::Picture, {{"QLabel", Is<QLabel>, &kLabelBinding}, {"any QWidget", IsWidget, nullptr}}},
        {ControlKind::Progress, {{"QProgressBar", Is<QProgressBar>, &kProgressBinding}}},
        {ControlKind::Timer, {}},
        {ControlKind::Other, {{"any QObject", IsObject, nullptr}}},
    };
    return table;
}

const WidgetClass* ClassOf(const QObject* object, ControlKind kind) {
    if (!object) return nullptr;
    for (const WidgetClass& c : WidgetClassesOf(kind))
        if (c.is(object)) return &c;
    return nullptr;
}

}  // namespace

std::span<const WidgetClass> WidgetClassesOf(ControlKind kind) {
    for (const KindWidgets& k : Table())
        if (k.kind == kind) return k.classes;
    return {};
}

bool WidgetFitsKind(const QObject* object, ControlKind kind) {
    if (!object) return WidgetClassesOf(kind).empty();
    return ClassOf(object, kind) != nullptr;
}

std::string WidgetClassFor(ControlKind kind) {
    std::string text;
    for (const WidgetClass& c : WidgetClassesOf(kind)) text += (text.empty() ? "" : " or ") + std::string(c.name);
    return text.empty() ? "no widget (the binder runs a QTimer)" : text;
}

const Binding* BindingFor(const QObject* object, ControlKind kind) {
    const WidgetClass* c = ClassOf(object, kind);
    return c ? c->binding : nullptr;
}

}  // namespace rp
