#pragma once
// One binding per widget kind: how the binder (widgets/binder.h) turns a
// widget's signals into the form's handlers (connect) and shows a control's
// state on it (apply). The binder finds the widgets, watches their focus and
// keys, and hands each one to the binding its control's kind and its class
// take (the table of widgets/widgetkinds.h, BindingFor):
//
//   bindtext.h    QLineEdit, QPlainTextEdit, an editable combo's text
//   bindlist.h    QComboBox, QListWidget (a check list too)
//   bindbutton.h  QCheckBox, QRadioButton, other buttons
//   bindtabs.h    QTabWidget, QTabBar, QToolBar
//   bindgrid.h    QTableView (TextGridView)
//   bindmenu.h    QMenu, QAction
//   bindplain.h   QLabel, QGroupBox, QProgressBar; the form's timers
//
// A binding that stores a user's change in the form stores it in Shown()
// as well, so the next mirror does not write it back to the widget.
#include <QObject>
#include <QString>
#include <QStringList>

#include <functional>
#include <string>
#include <vector>

#include "forms/formstate.h"

class QWidget;

namespace rp {

// What a binding may ask of the binder.
class BindContext {
public:
    virtual Form& form() = 0;
    // The object the bindings' connections live with (the binder).
    virtual QObject* Owner() = 0;
    // Runs a handler of the form, then mirrors its state.
    virtual void Run(const std::function<void()>& handler) = 0;
    virtual bool IsSyncing() const = 0;
    // What the widgets of `control` show now; null when it has none.
    virtual ControlState* Shown(const std::string& control) = 0;
    virtual QWidget* Widget(const std::string& control) const = 0;
    // An object inside a control's widget (a combo's line edit, a view's viewport)
    // that counts as the control; `watch`: its keys and focus too.
    virtual void CountAs(QObject* inner, const std::string& control, bool watch) = 0;
    // A caption changed: the controls are fitted to their texts after the mirror.
    virtual void TextsChanged() = 0;

protected:
    ~BindContext() = default;
};

// One control's state to show, beside what its widgets showed until now.
struct ShownChange {
    const std::string& control;
    const ControlState& now;
    const ControlState& was;
    bool all;  // nothing shown yet (or forgotten): every property applies
    template <class T>
    bool Changed(T ControlState::*member) const {
        return all || now.*member != was.*member;
    }
};

// Which classes take which binding is the table of widgets/widgetkinds.h.
struct Binding {
    void (*connect)(BindContext& context, const std::string& control, QObject* object);
    void (*apply)(BindContext& context, const ShownChange& change, QObject* object);
    // The binder shows enabled, visible and the tool tip on the widget
    // before apply (false: apply shows them itself, as a menu does).
    bool widgetState = true;
};

// Enabled, visible and (but on tab strips and toolbars, whose tips are their
// tabs') the tool tip.
void ApplyWidgetState(QWidget* widget, const ShownChange& change);

// UTF-8 texts of the form <-> Qt's.
inline QString ToQ(const std::string& s) { return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size())); }
inline std::string ToStd(const QString& s) { return s.toUtf8().toStdString(); }
QStringList ToQList(const std::vector<std::string>& items);

}  // namespace rp
