#include "widgets/tabrows.h"

#include <QStackedWidget>
#include <QStyleOptionTab>
#include <QStylePainter>
#include <QTabBar>
#include <QVBoxLayout>

namespace rp {

namespace {

// One row of the strip. A tab bar always draws its current tab as chosen; a
// row that does not hold the strip's current tab draws none chosen, so the
// rows show one chosen tab between them.
class TabRow : public QTabBar {
public:
    using QTabBar::QTabBar;

    void SetHoldsCurrent(bool holds) {
        if (holds == holds_) return;
        holds_ = holds;
        update();
    }

protected:
    void paintEvent(QPaintEvent* event) override {
        if (holds_) {
            QTabBar::paintEvent(event);
            return;
        }
        QStylePainter painter(this);
        for (int i = 0; i < count(); ++i) {
            if (!isTabVisible(i)) continue;
            QStyleOptionTab tab;
            initStyleOption(&tab, i);
            tab.state &= ~(QStyle::State_Selected | QStyle::State_HasFocus);
            tab.selectedPosition = QStyleOptionTab::NotAdjacent;
            painter.drawControl(QStyle::CE_TabBarTab, tab);
        }
    }

private:
    bool holds_ = true;
};

}  // namespace

TabRows::TabRows(QTabBar* strip, int perRow, QWidget* parent)
    : QWidget(parent), strip_(strip), perRow_(perRow > 0 ? perRow : 1) {
    strip_->setParent(this);
    strip_->hide();
    auto* lay = new QVBoxLayout(this);
    lay->setContentsMargins(0, 0, 0, 0);
    lay->setSpacing(0);
    rowLayout_ = new QVBoxLayout;
    rowLayout_->setSpacing(0);
    lay->addLayout(rowLayout_);
    pages_ = new QStackedWidget(this);
    pages_->setFrameShape(QFrame::StyledPanel);
    lay->addWidget(pages_, 1);
    connect(strip_, &QTabBar::currentChanged, this, [this](int) { Follow(); });
}

void TabRows::AddPage(QWidget* page) {
    const int index = strip_->addTab(QString());
    pages_->addWidget(page);
    const int row = index / perRow_;
    while (static_cast<int>(rows_.size()) <= row) {
        auto* bar = new TabRow(this);
        bar->setUsesScrollButtons(false);
        bar->setElideMode(Qt::ElideNone);
        bar->setExpanding(false);
        bar->setDrawBase(false);
        const int first = static_cast<int>(rows_.size()) * perRow_;
        auto pick = [this, first](int i) {
            if (!following_ && i >= 0 && first + i < strip_->count()) strip_->setCurrentIndex(first + i);
        };
        // A click on a row's own current tab picks it too when another row
        // holds the strip's current tab.
        connect(bar, &QTabBar::currentChanged, this, pick);
        connect(bar, &QTabBar::tabBarClicked, this, pick);
        rows_.push_back(bar);
        rowLayout_->addWidget(bar);
    }
    rows_[static_cast<std::size_t>(row)]->addTab(QString());
    Follow();
}

void TabRows::Follow() {
    following_ = true;
    // The binder shows the strip with the rest of the window: the rows stand in for it.
    if (!strip_->isHidden()) strip_->hide();
    bool captions = false;
    const int current = strip_->currentIndex();
    // While tabs are being added, the rows may not hold the current one yet.
    const int currentRow = current >= 0 && current / perRow_ < static_cast<int>(rows_.size()) ? current / perRow_ : -1;
    for (std::size_t r = 0; r < rows_.size(); ++r) {
        QTabBar* bar = rows_[r];
        bar->setEnabled(strip_->isEnabled());
        for (int i = 0; i < bar->count(); ++i) {
            const int k = static_cast<int>(r) * perRow_ + i;
            if (k >= strip_->count()) break;
            if (bar->tabText(i) != strip_->tabText(k)) {
                bar->setTabText(i, strip_->tabText(k));
                captions = true;
            }
            bar->setTabToolTip(i, strip_->tabToolTip(k));
            bar->setTabEnabled(i, strip_->isTabEnabled(k));
            bar->setTabVisible(i, strip_->isTabVisible(k));
        }
        if (static_cast<int>(r) == currentRow && current - currentRow * perRow_ < bar->count())
            bar->setCurrentIndex(current - currentRow * perRow_);
        static_cast<TabRow*>(bar)->SetHoldsCurrent(static_cast<int>(r) == currentRow);
    }
    // The row of the current tab lies next to the pages.
    if (currentRow >= 0 && rowLayout_->indexOf(rows_[static_cast<std::size_t>(currentRow)]) != rowLayout_->count() - 1) {
        QTabBar* bar = rows_[static_cast<std::size_t>(currentRow)];
        rowLayout_->removeWidget(bar);
        rowLayout_->addWidget(bar);
    }
    if (current >= 0 && current < pages_->count()) pages_->setCurrentIndex(current);
    if (captions) {
        // A window not shown yet keeps the sizes it cached: the rows' new
        // widths reach every layout up to the window.
        for (QTabBar* bar : rows_) bar->updateGeometry();
        for (QWidget* w = this; w && !w->isWindow(); w = w->parentWidget()) {
            if (w->layout()) w->layout()->invalidate();
            w->updateGeometry();
        }
    }
    following_ = false;
}

}  // namespace rp
