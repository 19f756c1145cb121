#include "widgets/binder.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QFocusEvent>
#include <QFrame>
#include <QGroupBox>
#include <QKeyEvent>
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
#include <QTimer>
#include <QToolBar>

#include <algorithm>

#include "forms/formlanguage.h"
#include "widgets/gridmodel.h"
#include "widgets/inputguard.h"
#include "widgets/textfit.h"

namespace rp {

namespace {

// The row of a single-choice list's selected item, -1 when none.
int SelectedRow(const QListWidget* list) {
    const auto items = list->selectedItems();
    return items.isEmpty() ? -1 : list->row(items.first());
}

QString Q(const std::string& s) { return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size())); }
std::string S(const QString& s) { return s.toUtf8().toStdString(); }

bool SameTabs(const std::vector<TabState>& a, const std::vector<TabState>& b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        const TabState &x = a[i], &y = b[i];
        if (x.name != y.name || x.caption != y.caption || x.toolTip != y.toolTip ||
            x.enabled != y.enabled || x.visible != y.visible)
            return false;
    }
    return true;
}

QStringList ToList(const std::vector<std::string>& items) {
    QStringList l;
    l.reserve(static_cast<qsizetype>(items.size()));
    for (const auto& s : items) l << Q(s);
    return l;
}

// VB-style key code of a Qt key: letters upper-case ASCII, digits, and the
// kKey constants.
int KeyCodeOf(int key) {
    if (key >= Qt::Key_A && key <= Qt::Key_Z) return key;
    if (key >= Qt::Key_0 && key <= Qt::Key_9) return key;
    switch (key) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return kKeyReturn;
    case Qt::Key_Escape:
        return kKeyEscape;
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
        return kKeyTab;
    case Qt::Key_Backspace:
        return kKeyBack;
    case Qt::Key_Delete:
        return kKeyDelete;
    case Qt::Key_Left:
        return kKeyLeft;
    case Qt::Key_Up:
        return kKeyUp;
    case Qt::Key_Right:
        return kKeyRight;
    case Qt::Key_Down:
        return kKeyDown;
    case Qt::Key_F2:
        return kKeyF2;
    case Qt::Key_Space:
        return 32;
    default:
        return key < 128 ? key : 0;
    }
}

int ShiftOf(Qt::KeyboardModifiers m) {
    int s = 0;
    if (m & Qt::ShiftModifier) s |= kShiftMask;
    if (m & Qt::ControlModifier) s |= kCtrlMask;
    if (m & Qt::AltModifier) s |= kAltMask;
    return s;
}

// The character code of a key press as KeyPress sees it; 0 for none.
int KeyAsciiOf(const QKeyEvent* e) {
    const int key = e->key();
    if ((e->modifiers() & Qt::ControlModifier) && key >= Qt::Key_A && key <= Qt::Key_Z)
        return key - Qt::Key_A + 1;
    if (key == Qt::Key_Return || key == Qt::Key_Enter) return kKeyReturn;
    if (key == Qt::Key_Backspace) return kKeyBack;
    if (key == Qt::Key_Escape) return kKeyEscape;
    const QString t = e->text();
    if (t.isEmpty()) return 0;
    const char32_t cp = t.toUcs4().value(0);
    if (cp < 32 && cp != 8 && cp != 13 && cp != 27 && !(e->modifiers() & Qt::ControlModifier)) return 0;
    if (cp == 127) return 0;
    return static_cast<int>(cp);
}

bool IsButton(const QObject* o) { return qobject_cast<const QAbstractButton*>(o) != nullptr; }

// A text box's input guard and context menu (a guarded box has none).
void ApplyGuard(QWidget* edit, const ControlState& now, bool charsChanged, bool menuChanged) {
    if (charsChanged) InputGuard::Apply(edit, now.inputChars);
    if (charsChanged || menuChanged)
        edit->setContextMenuPolicy(now.noContextMenu || !now.inputChars.empty() ? Qt::NoContextMenu
                                                                                : Qt::DefaultContextMenu);
}

}  // namespace

bool WidgetFitsKind(const QObject* o, ControlKind kind) {
    if (!o) return kind == ControlKind::Timer;
    switch (kind) {
    case ControlKind::Label:
        return qobject_cast<const QLabel*>(o);
    case ControlKind::TextBox:
        return qobject_cast<const QLineEdit*>(o) || qobject_cast<const QPlainTextEdit*>(o);
    case ControlKind::ComboBox:
        return qobject_cast<const QComboBox*>(o);
    case ControlKind::ListBox:
        return qobject_cast<const QListWidget*>(o);
    case ControlKind::CheckBox:
        return qobject_cast<const QCheckBox*>(o);
    case ControlKind::OptionButton:
        return qobject_cast<const QRadioButton*>(o);
    case ControlKind::Button:
        return qobject_cast<const QAbstractButton*>(o) && !qobject_cast<const QCheckBox*>(o) &&
               !qobject_cast<const QRadioButton*>(o);
    case ControlKind::Frame:
        return qobject_cast<const QGroupBox*>(o) || qobject_cast<const QFrame*>(o);
    case ControlKind::Menu:
        return qobject_cast<const QAction*>(o) || qobject_cast<const QMenu*>(o);
    case ControlKind::TabStrip:
        return qobject_cast<const QTabWidget*>(o) || qobject_cast<const QTabBar*>(o);
    case ControlKind::Toolbar:
        return qobject_cast<const QToolBar*>(o);
    case ControlKind::Grid:
        return qobject_cast<const QTableView*>(o);
    case ControlKind::Picture:
        return o->isWidgetType();
    case ControlKind::Progress:
        return qobject_cast<const QProgressBar*>(o);
    case ControlKind::Timer:
        return false;  // the binder makes its own QTimer
    case ControlKind::Other:
        return true;
    }
    return false;
}

const char* WidgetClassFor(ControlKind kind) {
    switch (kind) {
    case ControlKind::Label: return "QLabel";
    case ControlKind::TextBox: return "QLineEdit or QPlainTextEdit";
    case ControlKind::ComboBox: return "QComboBox";
    case ControlKind::ListBox: return "QListWidget";
    case ControlKind::CheckBox: return "QCheckBox";
    case ControlKind::OptionButton: return "QRadioButton";
    case ControlKind::Button: return "QPushButton or QToolButton";
    case ControlKind::Frame: return "QGroupBox or QFrame";
    case ControlKind::Menu: return "QAction or QMenu";
    case ControlKind::TabStrip: return "QTabWidget or QTabBar";
    case ControlKind::Toolbar: return "QToolBar";
    case ControlKind::Grid: return "QTableView (TextGridView)";
    case ControlKind::Picture: return "any QWidget";
    case ControlKind::Progress: return "QProgressBar";
    case ControlKind::Timer: return "no widget (the binder runs a QTimer)";
    case ControlKind::Other: return "any QObject";
    }
    return "?";
}

FormBinder::FormBinder(Form& form, QWidget* root, QObject* parent)
    : QObject(parent ? parent : root), form_(form), root_(root) {
    Find();
    if (root_ && root_->window()) root_->window()->installEventFilter(this);
    Sync();
}

FormBinder::~FormBinder() {
    if (dropMouseOn_) qApp->removeEventFilter(this);
}

FormBinder::Bound* FormBinder::Find(const std::string& name) {
    auto it = bound_.find(name);
    return it == bound_.end() ? nullptr : &it->second;
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

void FormBinder::Find() {
    if (!root_) return;
    FormState& st = form_.State();
    for (const auto& name : st.Names()) {
        const ControlState& c = st[name];
        Bound b;
        if (c.kind == ControlKind::Timer) {
            b.timer = new QTimer(this);
            b.timer->setObjectName(Q(name));
            connect(b.timer, &QTimer::timeout, this, [this, name] { Run([&] { form_.Timer(name); }); });
            bound_[name] = b;
            continue;
        }
        const QString qn = Q(name);
        QObject* found = nullptr;
        // A widget first, then a QAction (menu entries, toolbar buttons).
        const auto widgets = root_->findChildren<QWidget*>(qn);
        if (!widgets.isEmpty()) found = widgets.first();
        if (!found) {
            const auto actions = root_->findChildren<QAction*>(qn);
            if (!actions.isEmpty()) found = actions.first();
        }
        if (!found) continue;
        AddObject(name, found);
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

void FormBinder::Connect(const std::string& name, Bound& b) {
    QObject* o = b.object;
    const ControlKind kind = form_.State()[name].kind;
    auto run = [this](std::function<void()> f) { Run(f); };

    if (auto* w = qobject_cast<QWidget*>(o)) {
        w->installEventFilter(this);
        if (auto* combo = qobject_cast<QComboBox*>(w)) {
            if (combo->lineEdit()) combo->lineEdit()->installEventFilter(this);
        }
    }
    if (auto* menu = qobject_cast<QMenu*>(o)) {
        names_[menu->menuAction()] = name;
        return;  // a menu title has no click of its own
    }
    if (auto* a = qobject_cast<QAction*>(o)) {
        connect(a, &QAction::triggered, this, [this, name, a, run](bool) {
            if (Bound* bb = Find(name)) bb->shown.checked = a->isChecked();
            run([this, name] { form_.Click(name); });
        });
        return;
    }
    if (auto* check = qobject_cast<QCheckBox*>(o)) {
        connect(check, &QCheckBox::clicked, this, [this, name, check, run](bool) {
            const int v = check->checkState() == Qt::Checked ? 1 : check->checkState() == Qt::PartiallyChecked ? 2 : 0;
            form_.C(name).value = v;
            if (Bound* bb = Find(name)) bb->shown.value = v;
            run([this, name] { form_.Click(name); });
        });
        return;
    }
    if (qobject_cast<QRadioButton*>(o)) {
        auto* radio = qobject_cast<QRadioButton*>(o);
        connect(radio, &QRadioButton::clicked, this, [this, name, run](bool) {
            ClickOptionButton(name);
            run([this, name] { form_.Click(name); });
        });
        return;
    }
    if (auto* button = qobject_cast<QAbstractButton*>(o)) {
        if (auto* push = qobject_cast<QPushButton*>(button)) {
            push->setAutoDefault(false);
            push->setDefault(false);
        }
        connect(button, &QAbstractButton::clicked, this,
                [this, name, run](bool) { run([this, name] { form_.Click(name); }); });
        return;
    }
    if (auto* combo = qobject_cast<QComboBox*>(o)) {
        connect(combo, &QComboBox::activated, this, [this, name, combo, run](int i) {
            ControlState& c = form_.C(name);
            c.index = i;
            c.text = S(combo->itemText(i));
            if (Bound* bb = Find(name)) {
                bb->shown.index = c.index;
                bb->shown.text = c.text;
            }
            run([this, name] { form_.Click(name); });
        });
        if (combo->isEditable() || kind == ControlKind::ComboBox) {
            // Typing into an editable combo: its line edit reports user edits.
            connect(combo, &QComboBox::editTextChanged, this, [this, name, combo, run](const QString& t) {
                if (syncing_ || !combo->isEditable() || !combo->lineEdit() || !combo->lineEdit()->isModified())
                    return;
                combo->lineEdit()->setModified(false);
                form_.C(name).text = S(t);
                if (Bound* bb = Find(name)) bb->shown.text = form_.C(name).text;
                run([this, name] { form_.Change(name); });
            });
        }
        return;
    }
    if (auto* list = qobject_cast<QListWidget*>(o)) {
        auto pick = [this, name, run](int row) {
            ControlState& c = form_.C(name);
            c.index = row;
            c.text = c.SelectedItem();
            if (Bound* bb = Find(name)) {
                bb->shown.index = c.index;
                bb->shown.text = c.text;
            }
            run([this, name] { form_.Click(name); });
        };
        // A check list: the current row is its index.
        connect(list, &QListWidget::currentRowChanged, this, [this, name, pick](int row) {
            if (syncing_ || !form_.C(name).multiSelect) return;
            if (form_.C(name).index != row) pick(row);
        });
        // A single-choice list: the index is the selected item, never the
        // current one (the focus alone makes an item current). Every pick is
        // a Click, a click on the item already chosen included.
        connect(list, &QListWidget::itemSelectionChanged, this, [this, name, list, pick] {
            if (syncing_ || form_.C(name).multiSelect) return;
            const int row = SelectedRow(list);
            if (form_.C(name).index != row) pick(row);
        });
        list->viewport()->installEventFilter(this);
        connect(list, &QAbstractItemView::pressed, this, [this, name, pick](const QModelIndex& index) {
            const bool again = pressedList_ == name && pressedIndex_ == index.row();
            pressedList_.clear();
            if (syncing_ || form_.C(name).multiSelect) return;
            if (again && form_.C(name).index == index.row()) pick(index.row());
        });
        connect(list, &QListWidget::itemChanged, this, [this, name, list, run](QListWidgetItem* item) {
            if (syncing_) return;
            ControlState& c = form_.C(name);
            const int row = list->row(item);
            if (!c.multiSelect || row < 0) return;
            if (c.selected.size() < c.items.size()) c.selected.resize(c.items.size(), false);
            if (row >= static_cast<int>(c.selected.size())) return;
            const bool on = item->checkState() == Qt::Checked;
            if (c.selected[static_cast<std::size_t>(row)] == on) return;
            c.selected[static_cast<std::size_t>(row)] = on;
            if (Bound* bb = Find(name)) bb->shown.selected = c.selected;
            run([this, name, row] {
                form_.ItemCheck(name, row);
                form_.Click(name);
            });
        });
        return;
    }
    if (auto* edit = qobject_cast<QLineEdit*>(o)) {
        connect(edit, &QLineEdit::textEdited, this, [this, name, run](const QString& t) {
            form_.C(name).text = S(t);
            if (Bound* bb = Find(name)) bb->shown.text = form_.C(name).text;
            run([this, name] { form_.Change(name); });
        });
        return;
    }
    if (auto* plain = qobject_cast<QPlainTextEdit*>(o)) {
        connect(plain, &QPlainTextEdit::textChanged, this, [this, name, plain, run] {
            if (syncing_) return;
            form_.C(name).text = S(plain->toPlainText());
            if (Bound* bb = Find(name)) bb->shown.text = form_.C(name).text;
            run([this, name] { form_.Change(name); });
        });
        return;
    }
    auto tabPicked = [this, name, run](int i) {
        if (syncing_) return;
        form_.C(name).index = i;
        if (Bound* bb = Find(name)) bb->shown.index = i;
        run([this, name] { form_.Click(name); });
    };
    if (auto* tabs = qobject_cast<QTabWidget*>(o)) {
        connect(tabs, &QTabWidget::currentChanged, this, tabPicked);
        return;
    }
    if (auto* bar = qobject_cast<QTabBar*>(o)) {
        connect(bar, &QTabBar::currentChanged, this, tabPicked);
        return;
    }
    if (auto* toolbar = qobject_cast<QToolBar*>(o)) {
        connect(toolbar, &QToolBar::actionTriggered, this, [this, name, run](QAction* a) {
            const std::string key = S(a->objectName());
            if (key.empty()) return;
            run([this, name, key] { form_.ButtonClick(name, key); });
        });
        return;
    }
    if (auto* view = qobject_cast<QTableView*>(o)) {
        if (TextGrid* grid = form_.Grid(name)) {
            if (auto* gv = qobject_cast<TextGridView*>(view)) {
                gv->Attach(grid);
                b.model = gv->GridModel();
                connect(gv, &TextGridView::cellEntered, this,
                        [this, name, run](int, int) { run([this, name] { form_.EnterCell(name); }); });
            } else {
                b.model = new TextGridModel(grid, view);
                view->setModel(b.model);
            }
        }
        view->viewport()->installEventFilter(this);
        names_[view->viewport()] = name;
        connect(view, &QTableView::clicked, this,
                [this, name, run](const QModelIndex&) { run([this, name] { form_.Click(name); }); });
        connect(view, &QTableView::doubleClicked, this,
                [this, name, run](const QModelIndex&) { run([this, name] { form_.DblClick(name); }); });
        return;
    }
}

void FormBinder::ClickOptionButton(const std::string& name) {
    // The option buttons of one container form a group.
    FormState& st = form_.State();
    QWidget* w = Widget(name);
    QObject* parent = w ? w->parent() : nullptr;
    for (const auto& other : st.Names()) {
        ControlState& c = st[other];
        if (c.kind != ControlKind::OptionButton) continue;
        QWidget* ow = Widget(other);
        if (other == name) {
            c.value = 1;
        } else if (ow && ow->parent() == parent) {
            c.value = 0;
        } else {
            continue;
        }
        if (Bound* bb = Find(other)) bb->shown.value = c.value;
    }
}

void FormBinder::Run(const std::function<void()>& handler) {
    ++running_;
    handler();
    --running_;
    if (running_ == 0) AfterRun();
}

void FormBinder::AfterRun() {
    Sync();
    FollowSelectAll();
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
    if (!windowValid_ || st.caption != shownCaption_) win->setWindowTitle(Q(st.caption));
    if (!windowValid_ || st.fontName != shownFont_ || st.fontSize != shownFontSize_) {
        if (!st.fontName.empty() || st.fontSize > 0) {
            QFont f = root_->font();
            if (!st.fontName.empty()) f.setFamily(Q(st.fontName));
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
    ControlState& was = b.shown;
    const bool all = !b.valid;
    auto changed = [&](auto member) { return all || now.*member != was.*member; };

    if (b.timer) {
        if (changed(&ControlState::enabled) || changed(&ControlState::max)) {
            if (now.enabled && now.max > 0) {
                b.timer->start(now.max);
            } else {
                b.timer->stop();
            }
        }
        was = now;
        b.valid = true;
        return;
    }
    QObject* o = b.object;
    if (!o) return;
    QSignalBlocker block(o);

    if (auto* menu = qobject_cast<QMenu*>(o)) {
        if (changed(&ControlState::text)) menu->setTitle(Q(now.text));
        if (changed(&ControlState::enabled)) menu->menuAction()->setEnabled(now.enabled);
        if (changed(&ControlState::visible)) menu->menuAction()->setVisible(now.visible);
        was = now;
        b.valid = true;
        return;
    }
    if (auto* a = qobject_cast<QAction*>(o)) {
        if (changed(&ControlState::text)) a->setText(Q(now.text));
        if (changed(&ControlState::enabled)) a->setEnabled(now.enabled);
        if (changed(&ControlState::visible)) a->setVisible(now.visible);
        if (changed(&ControlState::toolTip)) a->setToolTip(Q(now.toolTip));
        if (changed(&ControlState::shortcut)) a->setShortcut(QKeySequence(Q(now.shortcut)));
        if (changed(&ControlState::checked) || a->isChecked() != now.checked) {
            if (a->isCheckable()) a->setChecked(now.checked);
        }
        was = now;
        b.valid = true;
        return;
    }
    auto* w = qobject_cast<QWidget*>(o);
    if (!w) return;

    if (changed(&ControlState::enabled)) w->setEnabled(now.enabled);
    if (changed(&ControlState::visible)) w->setVisible(now.visible);
    if (changed(&ControlState::toolTip) && now.kind != ControlKind::Toolbar &&
        now.kind != ControlKind::TabStrip)
        w->setToolTip(Q(now.toolTip));

    if (auto* label = qobject_cast<QLabel*>(w)) {
        if (changed(&ControlState::text) && now.kind != ControlKind::Picture) {
            label->setText(Q(now.text));
            textsChanged_ = true;
        }
    } else if (auto* edit = qobject_cast<QLineEdit*>(w)) {
        // The limit holds for typing only: a longer text the form sets is shown
        // whole (QLineEdit would cut it), and typing stops until it is shorter.
        const bool textChanged = changed(&ControlState::text);
        if (textChanged && S(edit->text()) != now.text) {
            edit->setMaxLength(32767);
            edit->setText(Q(now.text));
        }
        if (textChanged || changed(&ControlState::max))
            edit->setMaxLength(now.max > 0 ? std::max(now.max, static_cast<int>(edit->text().size())) : 32767);
        if (changed(&ControlState::locked)) edit->setReadOnly(now.locked);
        ApplyGuard(edit, now, changed(&ControlState::inputChars), changed(&ControlState::noContextMenu));
    } else if (auto* plain = qobject_cast<QPlainTextEdit*>(w)) {
        if (changed(&ControlState::text) && S(plain->toPlainText()) != now.text)
            plain->setPlainText(Q(now.text));
        if (changed(&ControlState::locked)) plain->setReadOnly(now.locked);
        ApplyGuard(plain, now, changed(&ControlState::inputChars), changed(&ControlState::noContextMenu));
    } else if (auto* combo = qobject_cast<QComboBox*>(w)) {
        if (changed(&ControlState::editable)) {
            combo->setEditable(now.editable);
            if (combo->lineEdit()) {
                combo->lineEdit()->installEventFilter(this);
                names_[combo->lineEdit()] = name;
            }
        }
        const bool itemsChanged = changed(&ControlState::items);
        if (itemsChanged) {
            combo->clear();
            combo->addItems(ToList(now.items));
        }
        if (itemsChanged || changed(&ControlState::index) || combo->currentIndex() != now.index)
            combo->setCurrentIndex(now.index);
        if (now.editable && combo->lineEdit() &&
            (itemsChanged || changed(&ControlState::text) || S(combo->currentText()) != now.text))
            combo->setEditText(Q(now.text));
        if (changed(&ControlState::max) && combo->lineEdit())
            combo->lineEdit()->setMaxLength(now.max > 0 ? now.max : 32767);
        if (combo->lineEdit())
            ApplyGuard(combo->lineEdit(), now, changed(&ControlState::inputChars) || changed(&ControlState::editable),
                       false);
    } else if (auto* list = qobject_cast<QListWidget*>(w)) {
        const bool itemsChanged = changed(&ControlState::items) || changed(&ControlState::multiSelect);
        if (itemsChanged) {
            list->clear();
            list->addItems(ToList(now.items));
        }
        if (itemsChanged || changed(&ControlState::selected)) {
            for (int i = 0; i < list->count(); ++i) {
                QListWidgetItem* item = list->item(i);
                if (now.multiSelect) {
                    item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
                    const bool on = i < static_cast<int>(now.selected.size()) && now.selected[static_cast<std::size_t>(i)];
                    item->setCheckState(on ? Qt::Checked : Qt::Unchecked);
                }
            }
        }
        if (now.multiSelect) {
            if (itemsChanged || changed(&ControlState::index) || list->currentRow() != now.index)
                list->setCurrentRow(now.index);
        } else if (itemsChanged || changed(&ControlState::index) || SelectedRow(list) != now.index) {
            if (now.index >= 0 && now.index < list->count()) {
                list->setCurrentRow(now.index);
            } else {
                list->clearSelection();
                list->setCurrentRow(-1);
            }
        }
    } else if (auto* check = qobject_cast<QCheckBox*>(w)) {
        if (changed(&ControlState::text)) {
            check->setText(Q(now.text));
            textsChanged_ = true;
        }
        const Qt::CheckState cs = now.value == 1 ? Qt::Checked : now.value == 2 ? Qt::PartiallyChecked : Qt::Unchecked;
        if (cs == Qt::PartiallyChecked) check->setTristate(true);
        if (check->checkState() != cs) check->setCheckState(cs);
    } else if (auto* radio = qobject_cast<QRadioButton*>(w)) {
        if (changed(&ControlState::text)) {
            radio->setText(Q(now.text));
            textsChanged_ = true;
        }
        if (radio->isChecked() != (now.value == 1)) {
            // An unchecked radio of an exclusive group cannot be cleared on its own.
            const bool exclusive = radio->autoExclusive();
            if (now.value != 1) radio->setAutoExclusive(false);
            radio->setChecked(now.value == 1);
            radio->setAutoExclusive(exclusive);
        }
    } else if (auto* button = qobject_cast<QAbstractButton*>(w)) {
        if (changed(&ControlState::text)) {
            button->setText(Q(now.text));
            textsChanged_ = true;
        }
    } else if (auto* group = qobject_cast<QGroupBox*>(w)) {
        if (changed(&ControlState::text)) {
            group->setTitle(Q(now.text));
            textsChanged_ = true;
        }
    } else if (auto* tabs = qobject_cast<QTabWidget*>(w)) {
        if (all || !SameTabs(now.tabs, was.tabs)) {
            textsChanged_ = true;
            for (int i = 0; i < tabs->count() && i < static_cast<int>(now.tabs.size()); ++i) {
                const TabState& t = now.tabs[static_cast<std::size_t>(i)];
                tabs->setTabText(i, Q(t.caption));
                tabs->setTabToolTip(i, Q(t.toolTip));
                tabs->setTabEnabled(i, t.enabled);
                tabs->setTabVisible(i, t.visible);
            }
        }
        if (now.index >= 0 && tabs->currentIndex() != now.index) tabs->setCurrentIndex(now.index);
    } else if (auto* bar = qobject_cast<QTabBar*>(w)) {
        if (all || !SameTabs(now.tabs, was.tabs)) {
            textsChanged_ = true;
            for (int i = 0; i < bar->count() && i < static_cast<int>(now.tabs.size()); ++i) {
                const TabState& t = now.tabs[static_cast<std::size_t>(i)];
                bar->setTabText(i, Q(t.caption));
                bar->setTabToolTip(i, Q(t.toolTip));
                bar->setTabEnabled(i, t.enabled);
                bar->setTabVisible(i, t.visible);
            }
        }
        if (now.index >= 0 && bar->currentIndex() != now.index) bar->setCurrentIndex(now.index);
    } else if (auto* toolbar = qobject_cast<QToolBar*>(w)) {
        if (all || !SameTabs(now.tabs, was.tabs)) {
            const auto actions = toolbar->actions();
            for (const TabState& t : now.tabs) {
                if (t.name.empty()) continue;
                for (QAction* a : actions) {
                    if (a->objectName() != Q(t.name)) continue;
                    a->setToolTip(Q(t.toolTip));
                    if (!t.caption.empty()) a->setText(Q(t.caption));
                    a->setEnabled(t.enabled);
                    a->setVisible(t.visible);
                }
            }
        }
    } else if (auto* progress = qobject_cast<QProgressBar*>(w)) {
        if (changed(&ControlState::max)) progress->setMaximum(now.max);
        if (changed(&ControlState::value)) progress->setValue(std::clamp(now.value, progress->minimum(), progress->maximum()));
    } else if (qobject_cast<QTableView*>(w)) {
        if (auto* gv = qobject_cast<TextGridView*>(w)) {
            gv->Refresh();
        } else if (b.model) {
            b.model->Refresh();
        }
    } else if (auto* frame = qobject_cast<QFrame*>(w)) {
        (void)frame;
    }
    was = now;
    b.valid = true;
}

void FormBinder::FollowSelectAll() {
    if (form_.selectAllRequest.empty()) return;
    QPointer<QLineEdit> edit = As<QLineEdit>(form_.selectAllRequest);
    form_.selectAllRequest.clear();
    if (!edit) return;
    if (edit->hasFocus() && !focusByMouse_) {
        // At once: a key typed right after the focus came replaces the text.
        edit->selectAll();
        return;
    }
    // After the mouse press that brought the focus, which places the cursor.
    QTimer::singleShot(0, edit, [edit] {
        if (edit && edit->hasFocus()) edit->selectAll();
    });
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
    const QEvent::Type type = event->type();

    // The mouse press (and its release) that moved the focus away from a
    // control that refused to let it go.
    if (dropMouseOn_ && (type == QEvent::MouseButtonPress || type == QEvent::MouseButtonRelease ||
                         type == QEvent::MouseButtonDblClick)) {
        auto* target = qobject_cast<QWidget*>(watched);
        if (target && (target == dropMouseOn_ || dropMouseOn_->isAncestorOf(target))) {
            if (type == QEvent::MouseButtonRelease) {
                if (auto* button = qobject_cast<QAbstractButton*>(dropMouseOn_.data())) button->setDown(false);
                dropMouseOn_ = nullptr;
                qApp->removeEventFilter(this);
            }
            return true;
        }
    }

    // The window: the close box and Escape.
    if (root_ && watched == root_->window()) {
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
                if (c.enabled && c.visible && Object(kCancelButton))
                    Run([&] { form_.Click(kCancelButton); });
                return true;
            }
            if (escapeCloses_ && handleClose_) root_->window()->close();
            return true;
        }
    }

    const std::string name = ControlOf(watched);
    if (name.empty()) return QObject::eventFilter(watched, event);

    // A press on a single-choice list: the item chosen before it, so that
    // a click on that same item still counts as a pick.
    if (type == QEvent::MouseButtonPress) {
        if (auto* list = qobject_cast<QListWidget*>(watched->parent());
            list && watched == list->viewport() && Object(name) == list) {
            pressedList_ = name;
            pressedIndex_ = form_.C(name).index;
        }
    }

    switch (type) {
    case QEvent::KeyPress:
        if (FilterKey(name, watched, event)) return true;
        break;
    case QEvent::FocusIn:
        FilterFocusIn(name, event);
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

bool FormBinder::FilterKey(const std::string& name, QObject* watched, QEvent* event) {
    if (resending_) return false;
    // A key reaches the line edit of a combo and then the combo: handle it once.
    auto* combo = qobject_cast<QComboBox*>(Object(name));
    if (combo && watched == combo && combo->lineEdit() && combo->lineEdit()->hasFocus()) return false;
    auto* e = static_cast<QKeyEvent*>(event);
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

    const bool enter = ascii == kKeyReturn;
    QObject* bound = Object(name);
    if (enter && qobject_cast<QPushButton*>(bound)) {
        static_cast<QPushButton*>(bound)->click();
        return true;
    }
    if (enter && enterAsTab_ && !IsButton(bound) && !qobject_cast<QPlainTextEdit*>(bound)) {
        QKeyEvent tab(QEvent::KeyPress, Qt::Key_Tab, Qt::NoModifier);
        resending_ = true;
        QApplication::sendEvent(watched, &tab);
        resending_ = false;
        return true;
    }
    if (ascii != typed) {
        // The form typed another character in place of the key.
        const QString text = QString(QChar(ascii));
        int newKey = ascii >= 'a' && ascii <= 'z' ? ascii - 32 : ascii;
        if (ascii == kKeyReturn) newKey = Qt::Key_Return;
        if (ascii == kKeyBack) newKey = Qt::Key_Backspace;
        QKeyEvent other(QEvent::KeyPress, newKey, Qt::NoModifier, ascii >= 32 ? text : QString());
        resending_ = true;
        QApplication::sendEvent(watched, &other);
        resending_ = false;
        return true;
    }
    return false;
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
    Run([&] { form_.GotFocus(name); });
    focusByMouse_ = false;
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
