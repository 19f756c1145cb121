#include "widgets/bindtabs.h"

#include <QAction>
#include <QTabBar>
#include <QTabWidget>
#include <QToolBar>

namespace rp {

namespace {

bool SameTabs(const std::vector<TabState>& a, const std::vector<TabState>& b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        const TabState &x = a[i], &y = b[i];
        if (x.name != y.name || x.caption != y.caption || x.toolTip != y.toolTip || x.enabled != y.enabled ||
            x.visible != y.visible)
            return false;
    }
    return true;
}

bool TabsChanged(const ShownChange& c) { return c.all || !SameTabs(c.now.tabs, c.was.tabs); }

// The user picked tab `i`: stored (and as shown), then Click.
void TabPicked(BindContext& ctx, const std::string& name, int i) {
    if (ctx.IsSyncing()) return;
    ctx.form().C(name).index = i;
    if (ControlState* shown = ctx.Shown(name)) shown->index = i;
    ctx.Run([&ctx, name] { ctx.form().Click(name); });
}

// The tabs of a QTabWidget or QTabBar, which share these setters.
template <class T>
void ApplyTabs(BindContext& ctx, const ShownChange& c, T* tabs) {
    const ControlState& now = c.now;
    if (TabsChanged(c)) {
        ctx.TextsChanged();
        for (int i = 0; i < tabs->count() && i < static_cast<int>(now.tabs.size()); ++i) {
            const TabState& t = now.tabs[static_cast<std::size_t>(i)];
            tabs->setTabText(i, ToQ(t.caption));
            tabs->setTabToolTip(i, ToQ(t.toolTip));
            tabs->setTabEnabled(i, t.enabled);
            tabs->setTabVisible(i, t.visible);
        }
    }
    if (now.index >= 0 && tabs->currentIndex() != now.index) tabs->setCurrentIndex(now.index);
}

void ConnectTabWidget(BindContext& ctx, const std::string& name, QObject* o) {
    QObject::connect(static_cast<QTabWidget*>(o), &QTabWidget::currentChanged, ctx.Owner(),
                     [&ctx, name](int i) { TabPicked(ctx, name, i); });
}

void ApplyTabWidget(BindContext& ctx, const ShownChange& c, QObject* o) {
    ApplyTabs(ctx, c, static_cast<QTabWidget*>(o));
}

void ConnectTabBar(BindContext& ctx, const std::string& name, QObject* o) {
    QObject::connect(static_cast<QTabBar*>(o), &QTabBar::currentChanged, ctx.Owner(),
                     [&ctx, name](int i) { TabPicked(ctx, name, i); });
}

void ApplyTabBar(BindContext& ctx, const ShownChange& c, QObject* o) { ApplyTabs(ctx, c, static_cast<QTabBar*>(o)); }

void ConnectToolbar(BindContext& ctx, const std::string& name, QObject* o) {
    QObject::connect(static_cast<QToolBar*>(o), &QToolBar::actionTriggered, ctx.Owner(), [&ctx, name](QAction* a) {
        const std::string key = ToStd(a->objectName());
        if (!key.empty()) ctx.Run([&ctx, name, key] { ctx.form().ButtonClick(name, key); });
    });
}

void ApplyToolbar(BindContext&, const ShownChange& c, QObject* o) {
    if (!TabsChanged(c)) return;
    const auto actions = static_cast<QToolBar*>(o)->actions();
    for (const TabState& t : c.now.tabs) {
        if (t.name.empty()) continue;
        for (QAction* a : actions) {
            if (a->objectName() != ToQ(t.name)) continue;
            a->setToolTip(ToQ(t.toolTip));
            if (!t.caption.empty()) a->setText(ToQ(t.caption));
            a->setEnabled(t.enabled);
            a->setVisible(t.visible);
        }
    }
}

}  // namespace

const Binding kTabWidgetBinding{ConnectTabWidget, ApplyTabWidget};
const Binding kTabBarBinding{ConnectTabBar, ApplyTabBar};
const Binding kToolbarBinding{ConnectToolbar, ApplyToolbar};

}  // namespace rp
