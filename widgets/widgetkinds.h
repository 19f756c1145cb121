#pragma once
// Which Qt classes may show which control kind, and the binding each class
// takes: the one table that the binder's choice of binding (BindingFor),
// the control-name check (WidgetFitsKind, widgets/shellcheck.h) and its
// messages (WidgetClassFor) read. A shell may use a subclass of a class.
//
//   Label         QLabel                  kLabelBinding
//   TextBox       QLineEdit               kLineEditBinding
//                 QPlainTextEdit          kPlainTextBinding
//   ComboBox      QComboBox               kComboBinding
//   ListBox       QListWidget             kListBinding
//   CheckBox      QCheckBox               kCheckBoxBinding
//   OptionButton  QRadioButton            kOptionButtonBinding
//   Button        QPushButton             kButtonBinding
//                 QToolButton             kButtonBinding
//   Frame         QGroupBox               kGroupBoxBinding (a caption only)
//   Menu          QMenu                   kMenuBinding
//                 QAction                 kActionBinding
//   TabStrip      QTabWidget              kTabWidgetBinding
//                 QTabBar                 kTabBarBinding
//   Toolbar       QToolBar                kToolbarBinding
//   Grid          QTableView              kGridBinding (TextGridView)
//   Picture       QLabel                  kLabelBinding (shows no text)
//                 any QWidget             none
//   Progress      QProgressBar            kProgressBinding
//   Timer         no widget               the binder runs a QTimer (bindplain.h)
//   Other         any QObject             none
//
// With no binding the binder shows enabled, visible and the tool tip only.
#include <span>
#include <string>

#include "forms/formstate.h"

class QObject;

namespace rp {

struct Binding;

// One class a control kind may be shown by.
struct WidgetClass {
    const char* name;                      // for messages: "QLineEdit"
    bool (*is)(const QObject* object);     // the object is one (or a subclass)
    const Binding* binding;                // null: enabled, visible, tool tip only
};

// The classes that fit `kind`, in the table's order (a class before its
// bases); empty for a timer, which has no widget.
std::span<const WidgetClass> WidgetClassesOf(ControlKind kind);

// Whether an object's class fits a control kind; a timer fits no object
// (null only).
bool WidgetFitsKind(const QObject* object, ControlKind kind);
// The classes that fit a kind, for messages ("QLineEdit or QPlainTextEdit").
std::string WidgetClassFor(ControlKind kind);
// The binding of an object that shows a control of `kind`: the binding of
// the first class of the kind it is; null when it has none or fits none.
const Binding* BindingFor(const QObject* object, ControlKind kind);

}  // namespace rp
