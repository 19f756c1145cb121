#include "widgets/bindmenu.h"

#include <QAction>
#include <QMenu>

namespace rp {

namespace {

void ConnectMenu(BindContext& ctx, const std::string& name, QObject* o) {
    ctx.CountAs(static_cast<QMenu*>(o)->menuAction(), name, false);
}

void ApplyMenu(BindContext&, const ShownChange& c, QObject* o) {
    auto* menu = static_cast<QMenu*>(o);
    if (c.Changed(&ControlState::text)) menu->setTitle(ToQ(c.now.text));
    if (c.Changed(&ControlState::enabled)) menu->menuAction()->setEnabled(c.now.enabled);
    if (c.Changed(&ControlState::visible)) menu->menuAction()->setVisible(c.now.visible);
}

void ConnectAction(BindContext& ctx, const std::string& name, QObject* o) {
    auto* a = static_cast<QAction*>(o);
    QObject::connect(a, &QAction::triggered, ctx.Owner(), [&ctx, name, a](bool) {
        if (ControlState* shown = ctx.Shown(name)) shown->checked = a->isChecked();
        ctx.Run([&ctx, name] { ctx.form().Click(name); });
    });
}

void ApplyAction(BindContext&, const ShownChange& c, QObject* o) {
    auto* a = static_cast<QAction*>(o);
    const ControlState& now = c.now;
    if (c.Changed(&ControlState::text)) a->setText(ToQ(now.text));
    if (c.Changed(&ControlState::enabled)) a->setEnabled(now.enabled);
    if (c.Changed(&ControlState::visible)) a->setVisible(now.visible);
    if (c.Changed(&ControlState::toolTip)) a->setToolTip(ToQ(now.toolTip));
    if (c.Changed(&ControlState::shortcut)) a->setShortcut(QKeySequence(ToQ(now.shortcut)));
    if ((c.Changed(&ControlState::checked) || a->isChecked() != now.checked) && a->isCheckable())
        a->setChecked(now.checked);
}

}  // namespace

const Binding kMenuBinding{ConnectMenu, ApplyMenu, false};
const Binding kActionBinding{ConnectAction, ApplyAction, false};

}  // namespace rp
