#include "widgets/binder.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTimer>

#include <utility>

#include "forms/commoncontrols.h"
#include "widgets/bindplain.h"
#include "widgets/keycodes.h"
#include "widgets/selectonentry.h"
#include "widgets/textfit.h"

namespace rp {

namespace {

bool IsButton(const QObject* o) { return qobject_cast<const QAbstractButton*>(o) != nullptr; }

}  // namespace

FormBinder::FormBinder(Form& form, QWidget* root, QObject* parent)
    : QObject(parent ? parent : root), form_(form), root_(root) {
    Find();
    if (root_ && root_->window()) root_->window()->installEventFilter(this);
    Sync();
}

FormBinder::~FormBinder() {
    if (dropMouseOn_) qApp->removeEventFilter(this);
}

ControlState* FormBinder::Shown(const std::string& control) {
    auto it = bound_.find(control);
    return it == bound_.end() ? nullptr : &it->second.shown;
}

QObject* FormBinder::Object(const std::string& control) const {
    auto it = bound_.find(control);
    return it == bound_.end() ? nullptr : it->second.object.data();
}

QWidget* FormBinder::Widget(const std::string& control) const {
    QObject* o = Object(control);
    return o && o->isWidgetType() ? static_cast<QWidget*>(o) : nullptr;
}

std::string FormBinder::ControlOf(const QObject* o) const {
    for (; o; o = o->parent()) {
        auto it = names_.find(o);
        if (it != names_.end()) return it->second;
        if (o == root_) break;
    }
    return {};
}

SelectOnEntry FormBinder::SelectOnEntryOf(const QObject* object) const {
    const std::string name = ControlOf(object);
    const FormState& st = form_.State();
    return !name.empty() && st.Has(name) ? st[name].selectOnEntry : SelectOnEntry::Never;
}

void FormBinder::Find() {
    if (!root_) return;
    FormState& st = form_.State();
    for (const auto& name : st.Names()) {
        if (st[name].kind == ControlKind::Timer) {
            bound_[name].timer = MakeTimer(*this, name);
            continue;
        }
        const QString qn = ToQ(name);
        QObject* found = nullptr;
        // A widget first, then a QAction (menu entries, toolbar buttons).
        const auto widgets = root_->findChildren<QWidget*>(qn);
        if (!widgets.isEmpty()) found = widgets.first();
        if (!found) {
            const auto actions = root_->findChildren<QAction*>(qn);
            if (!actions.isEmpty()) found = actions.first();
        }
        if (found) AddObject(name, found);
    }
}

void FormBinder::AddObject(const std::string& name, QObject* object) {
    if (!object) return;
    Bound& b = bound_[name];
    b.object = object;
    b.valid = false;
    names_[object] = name;
    Connect(name, b);
}

void FormBinder::CountAs(QObject* inner, const std::string& control, bool watch) {
    if (watch) inner->installEventFilter(this);
    names_[inner] = control;
}

void FormBinder::Connect(const std::string& name, Bound& b) {
    QObject* o = b.object;
    if (auto* w = qobject_cast<QWidget*>(o)) w->installEventFilter(this);
    const FormState& st = form_.State();
    b.binding = BindingFor(o, st.Has(name) ? st[name].kind : ControlKind::Other);
    if (b.binding) b.binding->connect(*this, name, o);
}

void FormBinder::ClipboardKeysAsCodes(QWidget* box) {
    const std::string name = ControlOf(box);
    if (!name.empty()) clipboardCodes_.insert(name);
}

void FormBinder::Run(const std::function<void()>& handler) {
    ++running_;
    handler();
    --running_;
    if (running_ == 0) AfterRun();
}

void FormBinder::AfterRun() {
    // A move of the form's own as the user's Tab: an arrival at its control.
    FormState& st = form_.State();
    if (st.focusArrives) {
        st.focusArrives = false;
        arrival_ = st.focus;
    }
    Sync();
    FollowArrival();
    if (form_.unloadRequested && handleClose_ && !closing_ && root_) {
        emit unloadRequested();
        if (root_) root_->window()->close();
    }
}

void FormBinder::Invalidate() {
    for (auto& [name, b] : bound_) b.valid = false;
    windowValid_ = false;
}

void FormBinder::Sync() {
    ++syncing_;
    ApplyWindow();
    for (auto& [name, b] : bound_) Apply(name, b);
    --syncing_;
    FollowFocus();
    emit synced();
    FollowFocusAfterKey();
    // New captions or a new font: every control as wide as its text again,
    // after the shell showed what the binder does not know.
    if (textsChanged_ && root_) {
        textsChanged_ = false;
        FitTexts(root_);
    }
}

void FormBinder::ApplyWindow() {
    if (!root_) return;
    const FormState& st = form_.State();
    QWidget* win = root_->window();
    if (!windowValid_ || st.caption != shownCaption_) win->setWindowTitle(ToQ(st.caption));
    if (!windowValid_ || st.fontName != shownFont_ || st.fontSize != shownFontSize_) {
        if (!st.fontName.empty() || st.fontSize > 0) {
            QFont f = root_->font();
            if (!st.fontName.empty()) f.setFamily(ToQ(st.fontName));
            if (st.fontSize > 0) f.setPointSize(st.fontSize);
            root_->setFont(f);
            textsChanged_ = true;
        }
    }
    shownCaption_ = st.caption;
    shownFont_ = st.fontName;
    shownFontSize_ = st.fontSize;
    windowValid_ = true;
}

void FormBinder::Apply(const std::string& name, Bound& b) {
    const ControlState& now = form_.State()[name];
    const ShownChange change{name, now, b.shown, !b.valid};
    if (b.timer) {
        ApplyTimer(b.timer, change);
    } else {
        QObject* o = b.object;
        if (!o) return;
        QSignalBlocker block(o);
        const Binding* binding = b.binding;
        if (!binding || binding->widgetState) {
            auto* w = qobject_cast<QWidget*>(o);
            if (!w) return;
            ApplyWidgetState(w, change);
        }
        if (binding) binding->apply(*this, change, o);
    }
    b.shown = now;
    b.valid = true;
}

// A box declared OnArrival that the focus arrived at selects its text: at
// once, and once more after the mouse press that brought the focus, or once
// the box has it.
void FormBinder::FollowArrival() {
    if (arrival_.empty()) return;
    const std::string name = std::exchange(arrival_, {});
    const FormState& st = form_.State();
    if (!st.Has(name) || st[name].selectOnEntry != SelectOnEntry::OnArrival) return;
    QPointer<QLineEdit> edit = As<QLineEdit>(name);
    if (edit) SelectWholeText(edit, focusByMouse_ || !edit->hasFocus());
}

// The focus moves on from a box once the typed key is in it: queued, so the
// key event that asked for it is delivered first.
void FormBinder::FollowFocusAfterKey() {
    std::string& request = form_.State().focusAfterKey;
    if (request.empty()) return;
    const std::string from = std::exchange(request, {});
    QTimer::singleShot(0, this, [this, from] { Run([this, from] { form_.FocusOnFrom(from); }); });
}

void FormBinder::FollowFocus() {
    const std::string want = form_.State().focus;
    if (want == shownFocus_) return;
    QWidget* w = want.empty() ? nullptr : Widget(want);
    if (w && root_ && (!w->isVisibleTo(root_->window()) || !w->isEnabled())) {
        // A hidden or disabled control cannot hold the focus: the state
        // follows the widget that has it.
        form_.State().focus = shownFocus_;
        return;
    }
    shownFocus_ = want;
    if (!w) return;
    // The form moves the focus itself: no LostFocus for this move.
    const bool was = restoring_;
    restoring_ = true;
    w->setFocus(Qt::OtherFocusReason);
    restoring_ = was;
}

void FormBinder::DropMouseOn(QWidget* target) {
    if (!dropMouseOn_) qApp->installEventFilter(this);
    dropMouseOn_ = target;
}

bool FormBinder::eventFilter(QObject* watched, QEvent* event) {
    if (FilterDroppedMouse(watched, event)) return true;
    if (root_ && watched == root_->window() && FilterWindow(event)) return true;

    const std::string name = ControlOf(watched);
    if (name.empty()) return QObject::eventFilter(watched, event);
    switch (event->type()) {
    case QEvent::KeyPress:
        if (FilterKey(name, watched, event)) return true;
        break;
    case QEvent::FocusIn:
        FilterFocusIn(name, event);
        if (SelectsOnEveryFocus(name, watched)) return FocusInSelecting(watched, static_cast<QFocusEvent*>(event));
        break;
    case QEvent::FocusOut:
        if (auto* w = qobject_cast<QWidget*>(watched)) {
            if (FilterFocusOut(name, w, event)) return true;
        }
        break;
    default:
        break;
    }
    return QObject::eventFilter(watched, event);
}

// The mouse press (and its release) that moved the focus away from a
// control that refused to let it go.
bool FormBinder::FilterDroppedMouse(QObject* watched, QEvent* event) {
    const QEvent::Type type = event->type();
    if (!dropMouseOn_ || (type != QEvent::MouseButtonPress && type != QEvent::MouseButtonRelease &&
                          type != QEvent::MouseButtonDblClick))
        return false;
    auto* target = qobject_cast<QWidget*>(watched);
    if (!target || (target != dropMouseOn_ && !dropMouseOn_->isAncestorOf(target))) return false;
    if (type == QEvent::MouseButtonRelease) {
        if (auto* button = qobject_cast<QAbstractButton*>(dropMouseOn_.data())) button->setDown(false);
        dropMouseOn_ = nullptr;
        qApp->removeEventFilter(this);
    }
    return true;
}

// The window: shown afresh, the close box and Escape.
bool FormBinder::FilterWindow(QEvent* event) {
    const QEvent::Type type = event->type();
    if (type == QEvent::Show) {
        closing_ = false;
        arrived_ = false;
    }
    if (type == QEvent::Close && handleClose_) {
        if (form_.unloadRequested || closing_) return false;
        bool ok = true;
        Run([&] { ok = form_.QueryUnload(); });
        if (!ok && !form_.unloadRequested) {
            event->ignore();
            return true;
        }
        closing_ = true;
        return false;
    }
    if (handleClose_ && type == QEvent::KeyPress && static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape &&
        static_cast<QKeyEvent*>(event)->modifiers() == Qt::NoModifier) {
        if (form_.State().Has(kCancelButton)) {
            const ControlState& c = form_.C(kCancelButton);
            if (c.enabled && c.visible && Object(kCancelButton)) Run([&] { form_.Click(kCancelButton); });
            return true;
        }
        if (escapeCloses_ && handleClose_) root_->window()->close();
        return true;
    }
    return false;
}

bool FormBinder::FilterKey(const std::string& name, QObject* watched, QEvent* event) {
    if (resending_) return false;
    // A key reaches the line edit of a combo and then the combo: handle it once.
    auto* combo = qobject_cast<QComboBox*>(Object(name));
    if (combo && watched == combo && combo->lineEdit() && combo->lineEdit()->hasFocus()) return false;
    auto* e = static_cast<QKeyEvent*>(event);
    if (KeyAsClipboardCode(name, e)) return true;
    const int key = e->key();
    if (key == Qt::Key_Tab || key == Qt::Key_Backtab || key == Qt::Key_Shift || key == Qt::Key_Control ||
        key == Qt::Key_Alt || key == Qt::Key_Meta)
        return false;

    const int code = KeyCodeOf(key);
    if (code != 0) Run([&] { form_.KeyDown(name, code, ShiftOf(e->modifiers())); });

    int ascii = KeyAsciiOf(e);
    if (ascii == 0) return false;
    const int typed = ascii;
    Run([&] { form_.KeyPress(name, ascii); });
    if (ascii == 0) return true;  // swallowed
    return KeyAfterKeyPress(name, watched, typed, ascii);
}

// True when the form swallowed a clipboard key of a box that takes them as
// codes.
bool FormBinder::KeyAsClipboardCode(const std::string& name, const QKeyEvent* e) {
    if (!clipboardCodes_.count(name)) return false;
    int code = ClipboardCodeOf(e);
    if (code == 0) return false;
    Run([&] { form_.KeyPress(name, code); });
    return code == 0;
}

// What a key KeyPress let pass does: Enter presses a focused push button or
// moves on like Tab where the window asks; a character the form typed in
// place of the key is typed instead. True when the key itself is done.
bool FormBinder::KeyAfterKeyPress(const std::string& name, QObject* watched, int typed, int ascii) {
    const bool enter = ascii == kKeyReturn;
    QObject* bound = Object(name);
    if (enter && qobject_cast<QPushButton*>(bound)) {
        static_cast<QPushButton*>(bound)->click();
        return true;
    }
    if (enter && enterAsTab_ && !IsButton(bound) && !qobject_cast<QPlainTextEdit*>(bound)) {
        QKeyEvent tab(QEvent::KeyPress, Qt::Key_Tab, Qt::NoModifier);
        Resend(watched, &tab);
        return true;
    }
    if (ascii == typed) return false;
    // The form typed another character in place of the key.
    const QString text = QString(QChar(ascii));
    int newKey = ascii >= 'a' && ascii <= 'z' ? ascii - 32 : ascii;
    if (ascii == kKeyReturn) newKey = Qt::Key_Return;
    if (ascii == kKeyBack) newKey = Qt::Key_Backspace;
    QKeyEvent other(QEvent::KeyPress, newKey, Qt::NoModifier, ascii >= 32 ? text : QString());
    Resend(watched, &other);
    return true;
}

void FormBinder::Resend(QObject* watched, QKeyEvent* event) {
    resending_ = true;
    QApplication::sendEvent(watched, event);
    resending_ = false;
}

void FormBinder::FilterFocusIn(const std::string& name, QEvent* event) {
    auto* fe = static_cast<QFocusEvent*>(event);
    shownFocus_ = name;
    // A mirror that hides the focused control moves the focus on; the
    // form's own request, followed after the mirror, still stands.
    if (syncing_) return;
    form_.State().focus = name;
    if (restoring_) return;
    // Coming back from a popup or another window is not a new arrival; the
    // first focus of a window just shown is.
    const bool first = !arrived_;
    arrived_ = true;
    if (fe->reason() == Qt::PopupFocusReason || (fe->reason() == Qt::ActiveWindowFocusReason && !first)) return;
    focusByMouse_ = fe->reason() == Qt::MouseFocusReason;
    Run([&] {
        form_.GotFocus(name);
        arrival_ = name;
    });
    focusByMouse_ = false;
}

// A text box declared OnFocus (the focus-in of the box itself, not of a
// part of it).
bool FormBinder::SelectsOnEveryFocus(const std::string& name, const QObject* watched) const {
    return watched == Object(name) && qobject_cast<const QLineEdit*>(watched) &&
           form_.State()[name].selectOnEntry == SelectOnEntry::OnFocus;
}

// Every focus-in of such a box, whatever brings it: the box's own focus-in
// first (where it shows its cursor), then its whole text is selected, once
// more after the press when the mouse brought the focus. The event is
// delivered here, so the selection comes after it.
bool FormBinder::FocusInSelecting(QObject* box, QFocusEvent* event) {
    QPointer<QLineEdit> edit(static_cast<QLineEdit*>(box));
    const bool byMouse = event->reason() == Qt::MouseFocusReason;
    box->event(event);
    if (edit) SelectWholeText(edit, byMouse);
    return true;
}

bool FormBinder::FilterFocusOut(const std::string& name, QWidget* w, QEvent* event) {
    auto* fe = static_cast<QFocusEvent*>(event);
    if (restoring_ || syncing_) return false;
    if (fe->reason() == Qt::PopupFocusReason || fe->reason() == Qt::ActiveWindowFocusReason) return false;
    QWidget* nextWidget = QApplication::focusWidget();
    // Focus that stays inside the control (a combo and its line edit).
    if (nextWidget && ControlOf(nextWidget) == name) return false;
    // Focus that leaves the window (a dialog opened, another window).
    if (nextWidget && root_ && nextWidget->window() != root_->window()) return false;
    const std::string next = nextWidget ? ControlOf(nextWidget) : std::string();
    if (!next.empty() && standBack_.count(next)) return false;

    bool ok = true;
    Run([&] { ok = form_.LostFocus(name, next); });
    if (ok) return false;

    // Refused: the press that took the focus does not act, and the focus
    // comes back once.
    if (nextWidget && fe->reason() == Qt::MouseFocusReason) DropMouseOn(nextWidget);
    QPointer<QWidget> back(w);
    QTimer::singleShot(0, this, [this, back, name] {
        if (!back) return;
        restoring_ = true;
        back->setFocus(Qt::OtherFocusReason);
        restoring_ = false;
        form_.State().focus = name;
        shownFocus_ = name;
    });
    return false;
}

}  // namespace rp
