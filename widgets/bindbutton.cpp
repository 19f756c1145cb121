#include "widgets/bindbutton.h"

#include <QCheckBox>
#include <QPushButton>
#include <QRadioButton>

namespace rp {

namespace {

void Clicked(BindContext& ctx, const std::string& name) {
    ctx.Run([&ctx, name] { ctx.form().Click(name); });
}

// A caption the form changed.
template <class W>
void ApplyCaption(BindContext& ctx, const ShownChange& c, W* w) {
    if (!c.Changed(&ControlState::text)) return;
    w->setText(ToQ(c.now.text));
    ctx.TextsChanged();
}

void ConnectCheckBox(BindContext& ctx, const std::string& name, QObject* o) {
    auto* check = static_cast<QCheckBox*>(o);
    QObject::connect(check, &QCheckBox::clicked, ctx.Owner(), [&ctx, name, check](bool) {
        const Qt::CheckState s = check->checkState();
        const int v = s == Qt::Checked ? 1 : s == Qt::PartiallyChecked ? 2 : 0;
        ctx.form().C(name).value = v;
        if (ControlState* shown = ctx.Shown(name)) shown->value = v;
        Clicked(ctx, name);
    });
}

void ApplyCheckBox(BindContext& ctx, const ShownChange& c, QObject* o) {
    auto* check = static_cast<QCheckBox*>(o);
    ApplyCaption(ctx, c, check);
    const int v = c.now.value;
    const Qt::CheckState cs = v == 1 ? Qt::Checked : v == 2 ? Qt::PartiallyChecked : Qt::Unchecked;
    if (cs == Qt::PartiallyChecked) check->setTristate(true);
    if (check->checkState() != cs) check->setCheckState(cs);
}

// The option buttons of one container form a group: `name` is chosen, the
// others of its parent are not.
void ChooseOption(BindContext& ctx, const std::string& name) {
    FormState& st = ctx.form().State();
    QWidget* w = ctx.Widget(name);
    QObject* parent = w ? w->parent() : nullptr;
    for (const auto& other : st.Names()) {
        ControlState& c = st[other];
        if (c.kind != ControlKind::OptionButton) continue;
        QWidget* ow = ctx.Widget(other);
        if (other == name) {
            c.value = 1;
        } else if (ow && ow->parent() == parent) {
            c.value = 0;
        } else {
            continue;
        }
        if (ControlState* shown = ctx.Shown(other)) shown->value = c.value;
    }
}

void ConnectOptionButton(BindContext& ctx, const std::string& name, QObject* o) {
    QObject::connect(static_cast<QRadioButton*>(o), &QRadioButton::clicked, ctx.Owner(), [&ctx, name](bool) {
        ChooseOption(ctx, name);
        Clicked(ctx, name);
    });
}

void ApplyOptionButton(BindContext& ctx, const ShownChange& c, QObject* o) {
    auto* radio = static_cast<QRadioButton*>(o);
    ApplyCaption(ctx, c, radio);
    const bool chosen = c.now.value == 1;
    if (radio->isChecked() == chosen) return;
    // An unchecked radio of an exclusive group cannot be cleared on its own.
    const bool exclusive = radio->autoExclusive();
    if (!chosen) radio->setAutoExclusive(false);
    radio->setChecked(chosen);
    radio->setAutoExclusive(exclusive);
}

void ConnectButton(BindContext& ctx, const std::string& name, QObject* o) {
    auto* button = static_cast<QAbstractButton*>(o);
    if (auto* push = qobject_cast<QPushButton*>(button)) {
        push->setAutoDefault(false);
        push->setDefault(false);
    }
    QObject::connect(button, &QAbstractButton::clicked, ctx.Owner(), [&ctx, name](bool) { Clicked(ctx, name); });
}

void ApplyButton(BindContext& ctx, const ShownChange& c, QObject* o) {
    ApplyCaption(ctx, c, static_cast<QAbstractButton*>(o));
}

}  // namespace

const Binding kCheckBoxBinding{ConnectCheckBox, ApplyCheckBox};
const Binding kOptionButtonBinding{ConnectOptionButton, ApplyOptionButton};
const Binding kButtonBinding{ConnectButton, ApplyButton};

}  // namespace rp
