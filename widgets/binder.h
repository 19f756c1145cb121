#pragma once
// FormBinder: ties a plain form (forms/formstate.h) to the widgets of
// its Qt shell. The shell lays out widgets whose objectName is the control's
// name (forms/controls.h); the binder finds them under the root widget,
// mirrors the form's state onto them, and turns the user's actions into the
// form's handlers. After every handler it mirrors again, only what changed,
// then follows the form's focus request and closes the window when the form
// called Unload().
//
// What each control kind shows (the Qt classes that may show each kind, and
// the binding each class takes, are the one table of widgets/widgetkinds.h):
//
//   Label         text
//   TextBox       text, max (length), locked (read-only), noContextMenu,
//                 inputChars (widgets/inputguard.h)
//   ComboBox      items, index, text (editable), editable
//   ListBox       items, index; multiSelect: a check list whose ticks are
//                 `selected`
//   CheckBox      text, value 0/1/2 (2 = partly)
//   OptionButton  text, value 1 when chosen
//   Button        text
//   Frame         text as its title
//   Menu          text, shortcut, checked (when the shell made the action
//                 checkable)
//   TabStrip      tabs (caption, tool tip, enabled, visible), index
//   Toolbar       tabs = its buttons: QActions in the bar whose objectName is
//                 the button's key
//   Grid          the form's Grid(name) through TextGridModel
//                 (widgets/gridmodel.h)
//   Picture       enabled, visible
//   Progress      value, max
//   Timer         the binder runs a QTimer: interval = max in ms, running
//                 while enabled
//   Other         enabled, visible, tool tip
// Every widget also takes enabled, visible and the tool tip; the window takes
// the form's caption and font (fontName, fontSize).
//
// Events, each run through the form and followed by a mirror:
//   QAbstractButton::clicked       -> Click (check box: value stored first;
//                                     option button: value 1, the other option
//                                     buttons of the same parent 0)
//   QComboBox::activated           -> Click (index and text stored), never on
//                                     currentIndexChanged (code's changes)
//   QListWidget user selection     -> Click (index = the selected item,
//                                     never the merely current one; a click
//                                     on the chosen item is a Click again;
//                                     with none chosen, no row is current,
//                                     so Down picks the first);
//                                     a check list: the current row, and a
//                                     tick -> ItemCheck, then Click
//   QLineEdit::textEdited          -> Change (the user's edits only; a form
//                                     that sets a text calls its own Change)
//   QAction::triggered             -> Click (menus); ButtonClick(toolbar, key)
//   tab picked                     -> Click (index stored)
//   grid: current cell -> EnterCell (row, col stored); click -> Click;
//         double-click -> DblClick
//   key press -> KeyDown(code, shift) then, for a key with a character,
//                KeyPress(keyAscii): 0 swallows the key, another value types
//                that character instead. Ctrl+letter gives 1..26.
//   focus in -> GotFocus (the form's State().focus follows the focus); the
//               focus a window shows with is an arrival, its return from
//               another window is not. A text box selects its whole text as
//               its control declares (ControlState::selectOnEntry,
//               widgets/selectonentry.h): OnArrival after GotFocus (after the
//               press too for a click), OnFocus on every focus-in.
//   focus out -> LostFocus(control, next) with these rules:
//       - focus lost to a popup, a menu or another window is not a departure;
//       - no LostFocus when the control taking the focus is one the binder
//         stands back for (StandBackFor, e.g. the Cancel button);
//       - a refusal (false) puts the focus back once (no LostFocus or
//         GotFocus for that return) and the mouse press that moved the focus
//         is dropped, so the button or list clicked does not act.
//   Enter: where the window asks (SetEnterAsTab), Enter in any control but a
//          button moves the focus as Tab does, after KeyPress had its say.
//          Enter on a focused push button presses it. Push buttons get
//          autoDefault off, so Enter never presses OK by itself.
//   Escape: clicks kCancelButton when the form has one that is enabled and
//          visible, else it is the window's close box (SetEscapeCloses).
//   close box -> QueryUnload; false keeps the window open.
//   form.Unload() in a handler -> the window closes after the handler.
// A mirror that changed a caption or the font fits the controls to their
// texts again (widgets/textfit.h), so a language switch never cuts one.
// A focus move that the form asks for (State().focus set by a handler) gives
// no LostFocus and no GotFocus: the form is moving the focus itself (with
// State().focusArrives the box it comes to selects as on arrival).
// State().focusAfterKey set by a key handler: once the key event has been
// delivered (the character is in the box), the form's FocusOnFrom(control)
// runs as an event of its own, queued.
// Copy, cut and paste keys reach KeyPress as Ctrl+C, X, V do (3, 24, 22)
// only in the controls a window names (ClipboardKeysAsCodes).
//
// Each widget kind has its binding (widgets/binding.h): its connect and
// apply. The binder finds the widgets, watches their keys and focus and
// the window's close, and runs the form.
#include <QObject>
#include <QPointer>
#include <QString>

#include <functional>
#include <map>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "forms/formstate.h"
#include "widgets/binding.h"
#include "widgets/widgetkinds.h"

class QFocusEvent;
class QKeyEvent;
class QTimer;
class QWidget;

namespace rp {

class FormBinder : public QObject, private BindContext {
    Q_OBJECT
public:
    // Finds the widgets under `root` (and the QActions of its menus and
    // toolbars), connects them and mirrors the whole state once. The form
    // and the widgets must outlive the binder (make the binder a child of
    // the root).
    FormBinder(Form& form, QWidget* root, QObject* parent = nullptr);
    ~FormBinder() override;

    Form& form() override { return form_; }
    QWidget* root() const { return root_; }

    // The object bound to a control (widget, QAction, QMenu), null when the
    // shell has none.
    QObject* Object(const std::string& control) const;
    QWidget* Widget(const std::string& control) const override;
    template <class T>
    T* As(const std::string& control) const {
        return qobject_cast<T*>(Object(control));
    }
    // The control a widget belongs to ("" when none): the widget or its
    // nearest bound parent.
    std::string ControlOf(const QObject* object) const;
    // How the control a widget belongs to selects its text as the focus
    // comes (Never when it belongs to none).
    SelectOnEntry SelectOnEntryOf(const QObject* object) const;

    // Binds an object the shell made after construction (or that lives
    // outside the root, such as a menu bar of another window).
    void AddObject(const std::string& control, QObject* object);

    // ---- the window's choices ----
    // Enter moves the focus like Tab in every control but buttons.
    void SetEnterAsTab(bool on) { enterAsTab_ = on; }
    // No LostFocus when the focus goes to one of these controls.
    void StandBackFor(std::set<std::string> controls) { standBack_ = std::move(controls); }
    // Escape without a CommandCancel closes the window through QueryUnload
    // (on by default); off: Escape does nothing more than KeyPress.
    void SetEscapeCloses(bool on) { escapeCloses_ = on; }
    // The binder asks QueryUnload on the close box and closes the window on
    // Unload() (on by default). A window with its own close path (the main
    // window) turns this off and reads form().unloadRequested itself.
    void SetHandleClose(bool on) { handleClose_ = on; }
    // In this text box a copy, cut or paste key of any platform (Shift+Insert
    // as well as Ctrl+V) reaches KeyPress as its control code first, for key
    // rules that refuse them by code; one the form lets pass goes on as any
    // key does. (A box with an input guard never takes them at all.)
    void ClipboardKeysAsCodes(QWidget* box);

    // ---- running the form ----
    // Runs `handler` as an event of the form, then mirrors the state and
    // follows Unload() and the focus request. Nested calls mirror once, at
    // the end of the outermost.
    void Run(const std::function<void()>& handler) override;
    // Mirrors what changed since the last mirror (everything the first time).
    void Sync();
    // Forgets what was mirrored, so the next Sync applies every control.
    void Invalidate();

    // Set while the binder writes widgets (their signals are blocked anyway).
    bool IsSyncing() const override { return syncing_ > 0; }

signals:
    // The form called Unload() and the window is closing (before close()).
    void unloadRequested();
    // A mirror has ended (a shell updates what the binder does not know,
    // such as a tree).
    void synced();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    struct Bound {
        QPointer<QObject> object;
        const Binding* binding = nullptr;  // its kind's and class's (widgets/widgetkinds.h)
        ControlState shown;  // what the widgets show now
        bool valid = false;  // `shown` holds the whole state
        QTimer* timer = nullptr;
    };

    // BindContext
    QObject* Owner() override { return this; }
    ControlState* Shown(const std::string& control) override;
    void CountAs(QObject* inner, const std::string& control, bool watch) override;
    void TextsChanged() override { textsChanged_ = true; }

    void Find();
    void Connect(const std::string& name, Bound& b);
    void Apply(const std::string& name, Bound& b);
    void ApplyWindow();
    void FollowFocus();
    void FollowArrival();
    void FollowFocusAfterKey();
    void AfterRun();
    bool FilterWindow(QEvent* event);
    bool FilterDroppedMouse(QObject* watched, QEvent* event);
    bool FilterKey(const std::string& name, QObject* watched, QEvent* event);
    bool KeyAsClipboardCode(const std::string& name, const QKeyEvent* e);
    bool KeyAfterKeyPress(const std::string& name, QObject* watched, int typed, int ascii);
    bool FilterFocusOut(const std::string& name, QWidget* w, QEvent* event);
    void FilterFocusIn(const std::string& name, QEvent* event);
    bool SelectsOnEveryFocus(const std::string& name, const QObject* watched) const;
    bool FocusInSelecting(QObject* box, QFocusEvent* event);
    void DropMouseOn(QWidget* target);
    void Resend(QObject* watched, QKeyEvent* event);

    Form& form_;
    QPointer<QWidget> root_;
    std::map<std::string, Bound> bound_;
    std::map<const QObject*, std::string> names_;
    // The window: caption and font as last mirrored.
    std::string shownCaption_, shownFont_;
    int shownFontSize_ = -1;
    bool windowValid_ = false;
    std::string shownFocus_;
    // The control the focus arrived at in the running event (GotFocus ran
    // or the form moved it with focusArrives), to select after the mirror.
    std::string arrival_;

    int running_ = 0;
    int syncing_ = 0;
    bool enterAsTab_ = false;
    bool escapeCloses_ = true;
    bool handleClose_ = true;
    bool closing_ = false;
    bool restoring_ = false;   // the focus goes back after a refused departure
    bool resending_ = false;   // a changed key is being typed
    bool arrived_ = false;     // a control had the focus since the window showed
    bool focusByMouse_ = false;  // GotFocus runs for a mouse press
    bool textsChanged_ = false;  // a caption or the font changed in this mirror
    std::set<std::string> standBack_;
    std::set<std::string> clipboardCodes_;
    QPointer<QWidget> dropMouseOn_;
};

}  // namespace rp
