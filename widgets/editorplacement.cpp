#include "widgets/editorplacement.h"

#include <QComboBox>
#include <QEvent>
#include <QHeaderView>
#include <QLineEdit>
#include <QListWidget>
#include <QScrollBar>

#include <algorithm>

#include "widgets/binder.h"
#include "widgets/gridmodel.h"
#include "widgets/selectonentry.h"

namespace rp {

QRect EditorRect(const QRect& cell, int own, EditorHeight height, int bottom) {
    if (height == EditorHeight::Cell) return cell;
    QRect r(cell.left(), cell.top(), cell.width(), own);
    if (height == EditorHeight::OwnInside && r.top() + own > bottom) r.moveTop(std::max(0, bottom - own));
    return r;
}

EditorPlacement::EditorPlacement(TextGridView* view)
    : QObject(view), view_(view), widget_(view), viewport_(view->viewport()) {
    auto again = [this] { Update(); };
    connect(view->horizontalHeader(), &QHeaderView::sectionResized, this, again);
    connect(view->verticalHeader(), &QHeaderView::sectionResized, this, again);
    connect(view->horizontalHeader(), &QHeaderView::sectionMoved, this, again);
    connect(view->horizontalHeader(), &QHeaderView::geometriesChanged, this, again);
    connect(view->verticalHeader(), &QHeaderView::geometriesChanged, this, again);
    connect(view->horizontalScrollBar(), &QScrollBar::valueChanged, this, again);
    connect(view->verticalScrollBar(), &QScrollBar::valueChanged, this, again);
    connect(view->model(), &QAbstractItemModel::modelReset, this, again);
    connect(view->model(), &QAbstractItemModel::layoutChanged, this, again);
    viewport_->installEventFilter(this);
}

void EditorPlacement::Place(QWidget* editor, int row, int col, EditorHeight height) {
    if (!editor) return;
    auto it = std::find_if(entries_.begin(), entries_.end(), [&](const Entry& e) { return e.editor == editor; });
    if (it == entries_.end()) {
        entries_.push_back({editor, row, col, height});
        it = entries_.end() - 1;
    } else {
        it->row = row;
        it->col = col;
        it->height = height;
    }
    Lay(*it);
}

void EditorPlacement::Forget(QWidget* editor) {
    entries_.erase(std::remove_if(entries_.begin(), entries_.end(),
                                  [&](const Entry& e) { return !e.editor || e.editor == editor; }),
                   entries_.end());
}

void EditorPlacement::Update() {
    // A hidden view (also one being destroyed) has nothing to follow.
    if (!widget_->isVisible()) return;
    for (const Entry& e : entries_)
        if (e.editor && e.editor->isVisibleTo(widget_)) Lay(e);
}

void EditorPlacement::Lay(const Entry& e) const {
    const QRect cell = view_->CellRect(e.row, e.col);
    if (cell.isEmpty()) return;
    // A fixed height (the bank list's) or else the editor's natural one.
    const QWidget* w = e.editor;
    const int own = w->minimumHeight() == w->maximumHeight() ? w->maximumHeight() : w->sizeHint().height();
    e.editor->setGeometry(EditorRect(cell, own, e.height, viewport_->height()));
}

bool EditorPlacement::eventFilter(QObject* watched, QEvent* event) {
    if (watched == viewport_ && event->type() == QEvent::Resize) Update();
    return QObject::eventFilter(watched, event);
}

CellEditors::CellEditors(FormBinder& binder, TextGridView* view, std::function<GridCell()> open)
    : QObject(view), binder_(&binder), view_(view), placement_(new EditorPlacement(view)), open_(std::move(open)) {
    connect(&binder, &FormBinder::synced, this, &CellEditors::Place);
}

void CellEditors::Add(QWidget* editor) {
    if (editor) editors_.push_back({editor, {}});
}

void CellEditors::Add(std::initializer_list<QWidget*> editors) {
    for (QWidget* e : editors) Add(e);
}

void CellEditors::OnUserScroll(Qt::Orientations bars, std::function<void()> handler) {
    auto run = [this, handler](int) {
        if (binder_) binder_->Run(handler);
    };
    if (bars & Qt::Vertical) connect(view_->verticalScrollBar(), &QAbstractSlider::actionTriggered, this, run);
    if (bars & Qt::Horizontal) connect(view_->horizontalScrollBar(), &QAbstractSlider::actionTriggered, this, run);
}

void CellEditors::Place() {
    const GridCell cell = open_();
    for (Editor& e : editors_) {
        QWidget* w = e.widget;
        if (!w || !w->isVisibleTo(view_) || cell.row < 0) {
            e.opened = {};
            continue;
        }
        EditorHeight height = EditorHeight::Cell;
        if (qobject_cast<QComboBox*>(w)) height = EditorHeight::Own;
        if (qobject_cast<QListWidget*>(w)) height = EditorHeight::OwnInside;
        placement_->Place(w, cell.row, cell.col, height);
        const bool again = e.opened.row == cell.row && e.opened.col == cell.col;
        e.opened = cell;
        if (!again && binder_ && binder_->SelectOnEntryOf(w) == SelectOnEntry::OnCellOpen)
            SelectWholeText(qobject_cast<QLineEdit*>(w), false);
    }
}

}  // namespace rp
