#include "widgets/bindtext.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>

#include <algorithm>

#include "widgets/inputguard.h"

namespace rp {

namespace {

constexpr int kNoLimit = 32767;

// The user's new text: stored in the form (and as shown), then Change.
void UserEdited(BindContext& ctx, const std::string& name, const QString& text) {
    ctx.form().C(name).text = ToStd(text);
    if (ControlState* shown = ctx.Shown(name)) shown->text = ctx.form().C(name).text;
    ctx.Run([&ctx, name] { ctx.form().Change(name); });
}

// A text box's input guard and context menu (a guarded box has none).
void ApplyGuard(QWidget* edit, const ControlState& now, bool charsChanged, bool menuChanged) {
    if (charsChanged) InputGuard::Apply(edit, now.inputChars);
    if (charsChanged || menuChanged)
        edit->setContextMenuPolicy(now.noContextMenu || !now.inputChars.empty() ? Qt::NoContextMenu
                                                                                : Qt::DefaultContextMenu);
}

void ConnectLineEdit(BindContext& ctx, const std::string& name, QObject* o) {
    auto* edit = static_cast<QLineEdit*>(o);
    QObject::connect(edit, &QLineEdit::textEdited, ctx.Owner(),
                     [&ctx, name](const QString& t) { UserEdited(ctx, name, t); });
}

void ApplyLineEdit(BindContext&, const ShownChange& c, QObject* o) {
    auto* edit = static_cast<QLineEdit*>(o);
    const ControlState& now = c.now;
    // The limit holds for typing only: a longer text the form sets is shown
    // whole (QLineEdit would cut it), and typing stops until it is shorter.
    const bool textChanged = c.Changed(&ControlState::text);
    if (textChanged && ToStd(edit->text()) != now.text) {
        edit->setMaxLength(kNoLimit);
        edit->setText(ToQ(now.text));
    }
    if (textChanged || c.Changed(&ControlState::max))
        edit->setMaxLength(now.max > 0 ? std::max(now.max, static_cast<int>(edit->text().size())) : kNoLimit);
    if (c.Changed(&ControlState::locked)) edit->setReadOnly(now.locked);
    ApplyGuard(edit, now, c.Changed(&ControlState::inputChars), c.Changed(&ControlState::noContextMenu));
}

void ConnectPlainText(BindContext& ctx, const std::string& name, QObject* o) {
    auto* plain = static_cast<QPlainTextEdit*>(o);
    QObject::connect(plain, &QPlainTextEdit::textChanged, ctx.Owner(), [&ctx, name, plain] {
        if (!ctx.IsSyncing()) UserEdited(ctx, name, plain->toPlainText());
    });
}

void ApplyPlainText(BindContext&, const ShownChange& c, QObject* o) {
    auto* plain = static_cast<QPlainTextEdit*>(o);
    if (c.Changed(&ControlState::text) && ToStd(plain->toPlainText()) != c.now.text)
        plain->setPlainText(ToQ(c.now.text));
    if (c.Changed(&ControlState::locked)) plain->setReadOnly(c.now.locked);
    ApplyGuard(plain, c.now, c.Changed(&ControlState::inputChars), c.Changed(&ControlState::noContextMenu));
}

}  // namespace

const Binding kLineEditBinding{ConnectLineEdit, ApplyLineEdit};
const Binding kPlainTextBinding{ConnectPlainText, ApplyPlainText};

void ConnectComboText(BindContext& ctx, const std::string& name, QComboBox* combo) {
    if (combo->lineEdit()) ctx.CountAs(combo->lineEdit(), name, true);
    if (!combo->isEditable() && ctx.form().State()[name].kind != ControlKind::ComboBox) return;
    // Typing into an editable combo: its line edit reports user edits.
    QObject::connect(combo, &QComboBox::editTextChanged, ctx.Owner(), [&ctx, name, combo](const QString& t) {
        if (ctx.IsSyncing() || !combo->isEditable() || !combo->lineEdit() || !combo->lineEdit()->isModified())
            return;
        combo->lineEdit()->setModified(false);
        UserEdited(ctx, name, t);
    });
}

void ApplyComboEditable(BindContext& ctx, const ShownChange& c, QComboBox* combo) {
    if (!c.Changed(&ControlState::editable)) return;
    combo->setEditable(c.now.editable);
    if (combo->lineEdit()) ctx.CountAs(combo->lineEdit(), c.control, true);
}

void ApplyComboText(const ShownChange& c, QComboBox* combo, bool itemsChanged) {
    const ControlState& now = c.now;
    QLineEdit* edit = combo->lineEdit();
    if (!edit) return;
    if (now.editable && (itemsChanged || c.Changed(&ControlState::text) || ToStd(combo->currentText()) != now.text))
        combo->setEditText(ToQ(now.text));
    if (c.Changed(&ControlState::max)) edit->setMaxLength(now.max > 0 ? now.max : kNoLimit);
    ApplyGuard(edit, now, c.Changed(&ControlState::inputChars) || c.Changed(&ControlState::editable), false);
}

}  // namespace rp
