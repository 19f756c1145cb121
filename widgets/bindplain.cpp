#include "widgets/bindplain.h"

#include <QGroupBox>
#include <QLabel>
#include <QProgressBar>
#include <QTimer>

#include <algorithm>

namespace rp {

namespace {

void ConnectNothing(BindContext&, const std::string&, QObject*) {}

void ApplyLabel(BindContext& ctx, const ShownChange& c, QObject* o) {
    if (!c.Changed(&ControlState::text) || c.now.kind == ControlKind::Picture) return;
    static_cast<QLabel*>(o)->setText(ToQ(c.now.text));
    ctx.TextsChanged();
}

void ApplyGroupBox(BindContext& ctx, const ShownChange& c, QObject* o) {
    if (!c.Changed(&ControlState::text)) return;
    static_cast<QGroupBox*>(o)->setTitle(ToQ(c.now.text));
    ctx.TextsChanged();
}

void ApplyProgress(BindContext&, const ShownChange& c, QObject* o) {
    auto* progress = static_cast<QProgressBar*>(o);
    if (c.Changed(&ControlState::max)) progress->setMaximum(c.now.max);
    if (c.Changed(&ControlState::value))
        progress->setValue(std::clamp(c.now.value, progress->minimum(), progress->maximum()));
}

}  // namespace

const Binding kLabelBinding{ConnectNothing, ApplyLabel};
const Binding kGroupBoxBinding{ConnectNothing, ApplyGroupBox};
const Binding kProgressBinding{ConnectNothing, ApplyProgress};

QTimer* MakeTimer(BindContext& ctx, const std::string& name) {
    auto* timer = new QTimer(ctx.Owner());
    timer->setObjectName(ToQ(name));
    QObject::connect(timer, &QTimer::timeout, ctx.Owner(),
                     [&ctx, name] { ctx.Run([&ctx, name] { ctx.form().Timer(name); }); });
    return timer;
}

void ApplyTimer(QTimer* timer, const ShownChange& c) {
    if (!c.Changed(&ControlState::enabled) && !c.Changed(&ControlState::max)) return;
    if (c.now.enabled && c.now.max > 0) {
        timer->start(c.now.max);
    } else {
        timer->stop();
    }
}

}  // namespace rp
