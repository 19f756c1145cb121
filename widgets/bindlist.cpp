#include "widgets/bindlist.h"

#include <QComboBox>
#include <QEvent>
#include <QListWidget>

#include "widgets/bindtext.h"

namespace rp {

namespace {

// The row of a single-choice list's selected item, -1 when none.
int SelectedRow(const QListWidget* list) {
    const auto items = list->selectedItems();
    return items.isEmpty() ? -1 : list->row(items.first());
}

// The user picked `index` (text `text`): stored (and as shown), then Click.
void Picked(BindContext& ctx, const std::string& name, int index, const std::string& text) {
    ControlState& c = ctx.form().C(name);
    c.index = index;
    c.text = text;
    if (ControlState* shown = ctx.Shown(name)) {
        shown->index = c.index;
        shown->text = c.text;
    }
    ctx.Run([&ctx, name] { ctx.form().Click(name); });
}

void ConnectCombo(BindContext& ctx, const std::string& name, QObject* o) {
    auto* combo = static_cast<QComboBox*>(o);
    QObject::connect(combo, &QComboBox::activated, ctx.Owner(),
                     [&ctx, name, combo](int i) { Picked(ctx, name, i, ToStd(combo->itemText(i))); });
    ConnectComboText(ctx, name, combo);
}

void ApplyCombo(BindContext& ctx, const ShownChange& c, QObject* o) {
    auto* combo = static_cast<QComboBox*>(o);
    ApplyComboEditable(ctx, c, combo);
    const bool itemsChanged = c.Changed(&ControlState::items);
    if (itemsChanged) {
        combo->clear();
        combo->addItems(ToQList(c.now.items));
    }
    if (itemsChanged || c.Changed(&ControlState::index) || combo->currentIndex() != c.now.index)
        combo->setCurrentIndex(c.now.index);
    ApplyComboText(c, combo, itemsChanged);
}

// The choice a single-choice list had when the mouse was pressed on it, so
// that a click on that same item still counts as a pick. It lives with the
// binder, as the form it reads does.
class PressedChoice : public QObject {
public:
    PressedChoice(BindContext& ctx, const std::string& name, QListWidget* list)
        : QObject(ctx.Owner()), ctx_(ctx), name_(name) {
        list->viewport()->installEventFilter(this);
    }
    // Whether the press being reported hit the item chosen before it.
    bool Again(int row) {
        const bool again = pressed_ && before_ == row;
        pressed_ = false;
        return again;
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::MouseButtonPress) {
            pressed_ = true;
            before_ = ctx_.form().C(name_).index;
        }
        return QObject::eventFilter(watched, event);
    }

private:
    BindContext& ctx_;
    std::string name_;
    bool pressed_ = false;
    int before_ = -1;
};

// A tick in a check list: stored (and as shown), then ItemCheck and Click.
void Ticked(BindContext& ctx, const std::string& name, int row, bool on) {
    ControlState& c = ctx.form().C(name);
    if (!c.multiSelect || row < 0) return;
    if (c.selected.size() < c.items.size()) c.selected.resize(c.items.size(), false);
    if (row >= static_cast<int>(c.selected.size())) return;
    if (c.selected[static_cast<std::size_t>(row)] == on) return;
    c.selected[static_cast<std::size_t>(row)] = on;
    if (ControlState* shown = ctx.Shown(name)) shown->selected = c.selected;
    ctx.Run([&ctx, name, row] {
        ctx.form().ItemCheck(name, row);
        ctx.form().Click(name);
    });
}

void ConnectList(BindContext& ctx, const std::string& name, QObject* o) {
    auto* list = static_cast<QListWidget*>(o);
    QObject* owner = ctx.Owner();
    auto pick = [&ctx, name](int row) {
        const std::vector<std::string>& items = ctx.form().C(name).items;
        Picked(ctx, name, row, row >= 0 && row < static_cast<int>(items.size()) ? items[row] : std::string());
    };
    auto multi = [&ctx, name] { return ctx.form().C(name).multiSelect; };
    // A check list: the current row is its index.
    QObject::connect(list, &QListWidget::currentRowChanged, owner, [&ctx, name, pick, multi](int row) {
        if (!ctx.IsSyncing() && multi() && ctx.form().C(name).index != row) pick(row);
    });
    // A single-choice list: the selected item.
    QObject::connect(list, &QListWidget::itemSelectionChanged, owner, [&ctx, name, list, pick, multi] {
        const int row = SelectedRow(list);
        if (!ctx.IsSyncing() && !multi() && ctx.form().C(name).index != row) pick(row);
    });
    auto* press = new PressedChoice(ctx, name, list);
    QObject::connect(list, &QAbstractItemView::pressed, owner, [&ctx, name, pick, multi, press](const QModelIndex& i) {
        const bool again = press->Again(i.row());
        if (ctx.IsSyncing() || multi()) return;
        if (again && ctx.form().C(name).index == i.row()) pick(i.row());
    });
    QObject::connect(list, &QListWidget::itemChanged, owner, [&ctx, name, list](QListWidgetItem* item) {
        if (!ctx.IsSyncing()) Ticked(ctx, name, list->row(item), item->checkState() == Qt::Checked);
    });
}

void ApplyListItems(const ShownChange& c, QListWidget* list, bool itemsChanged) {
    if (itemsChanged) {
        list->clear();
        list->addItems(ToQList(c.now.items));
    }
    if (!itemsChanged && !c.Changed(&ControlState::selected)) return;
    if (!c.now.multiSelect) return;
    for (int i = 0; i < list->count(); ++i) {
        QListWidgetItem* item = list->item(i);
        item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
        const bool on = i < static_cast<int>(c.now.selected.size()) && c.now.selected[static_cast<std::size_t>(i)];
        item->setCheckState(on ? Qt::Checked : Qt::Unchecked);
    }
}

void ApplyList(BindContext&, const ShownChange& c, QObject* o) {
    auto* list = static_cast<QListWidget*>(o);
    const ControlState& now = c.now;
    const bool itemsChanged = c.Changed(&ControlState::items) || c.Changed(&ControlState::multiSelect);
    ApplyListItems(c, list, itemsChanged);
    if (now.multiSelect) {
        if (itemsChanged || c.Changed(&ControlState::index) || list->currentRow() != now.index)
            list->setCurrentRow(now.index);
    } else if (itemsChanged || c.Changed(&ControlState::index) || SelectedRow(list) != now.index) {
        if (now.index >= 0 && now.index < list->count()) {
            list->setCurrentRow(now.index);
        } else {
            // No current row either, and none when the list takes the focus
            // (the view would make its first row current then): the first
            // Down picks the first item.
            list->clearSelection();
            list->setCurrentIndex(QModelIndex());
        }
    }
}

}  // namespace

const Binding kComboBinding{ConnectCombo, ApplyCombo};
const Binding kListBinding{ConnectList, ApplyList};

}  // namespace rp
