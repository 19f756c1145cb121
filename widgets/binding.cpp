#include "widgets/binding.h"

#include <QWidget>

#include "widgets/bindbutton.h"
#include "widgets/bindgrid.h"
#include "widgets/bindlist.h"
#include "widgets/bindmenu.h"
#include "widgets/bindplain.h"
#include "widgets/bindtabs.h"
#include "widgets/bindtext.h"

namespace rp {

namespace {

// A class's binding comes before its base classes' (a check box is a button
// too).
const Binding* const kBindings[] = {
    &kMenuBinding,     &kActionBinding,    &kCheckBoxBinding,  &kOptionButtonBinding, &kButtonBinding,
    &kComboBinding,    &kListBinding,      &kLineEditBinding,  &kPlainTextBinding,    &kTabWidgetBinding,
    &kTabBarBinding,   &kToolbarBinding,   &kGridBinding,      &kLabelBinding,        &kGroupBoxBinding,
    &kProgressBinding,
};

}  // namespace

const Binding* BindingFor(const QObject* object) {
    if (!object) return nullptr;
    for (const Binding* b : kBindings)
        if (b->fits(object)) return b;
    return nullptr;
}

void ApplyWidgetState(QWidget* w, const ShownChange& c) {
    if (c.Changed(&ControlState::enabled)) w->setEnabled(c.now.enabled);
    if (c.Changed(&ControlState::visible)) w->setVisible(c.now.visible);
    if (c.Changed(&ControlState::toolTip) && c.now.kind != ControlKind::Toolbar &&
        c.now.kind != ControlKind::TabStrip)
        w->setToolTip(ToQ(c.now.toolTip));
}

QStringList ToQList(const std::vector<std::string>& items) {
    QStringList l;
    l.reserve(static_cast<qsizetype>(items.size()));
    for (const auto& s : items) l << ToQ(s);
    return l;
}

}  // namespace rp
