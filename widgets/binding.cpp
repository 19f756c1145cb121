#include "widgets/binding.h"

#include <QWidget>

namespace rp {

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
