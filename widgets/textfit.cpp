#include "widgets/textfit.h"

#include <QAbstractItemModel>
#include <QCheckBox>
#include <QHeaderView>
#include <QLabel>
#include <QLayout>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOptionButton>
#include <QStyleOptionViewItem>
#include <QTabBar>
#include <QTabWidget>
#include <QTextDocument>
#include <QTreeView>

#include <algorithm>
#include <optional>

#include "forms/textgrid.h"
#include "widgets/gridmodel.h"

namespace rp {

namespace {

// The text as shown: "&&" is one "&", a single "&" marks the mnemonic.
QString Plain(const QString& text) {
    QString out;
    out.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] == QLatin1Char('&') && i + 1 < text.size()) ++i;
        out += text[i];
    }
    return out;
}

int LinesWidth(const QFontMetrics& fm, const QString& text) {
    int w = 0;
    for (const QString& line : text.split(QLatin1Char('\n'))) w = std::max(w, fm.horizontalAdvance(line));
    return w;
}

// A control's text, the width it takes, and the width the control gives it
// when the control is `width` pixels wide.
struct Room {
    QString text;
    int needed = 0;
    int shown = 0;
};

constexpr int kIconGap = 4;  // between a button's icon and its text

std::optional<Room> LabelRoom(const QLabel* l, int width) {
    const QString text = l->text();
    if (text.isEmpty() || l->wordWrap() || !l->pixmap().isNull()) return std::nullopt;
    if (l->textFormat() == Qt::RichText || (l->textFormat() == Qt::AutoText && Qt::mightBeRichText(text)))
        return std::nullopt;
    const QString shownText = l->buddy() ? Plain(text) : text;
    const QFontMetrics fm = l->fontMetrics();
    int indent = l->indent();
    if (indent < 0 && l->frameWidth() > 0) indent = fm.horizontalAdvance(QLatin1Char('x')) / 2 - l->margin();
    const Qt::Alignment a = QStyle::visualAlignment(l->layoutDirection(), l->alignment());
    const int indentTaken = indent > 0 && (a & (Qt::AlignLeft | Qt::AlignRight)) ? indent : 0;
    const int frame = l->width() - l->contentsRect().width();
    return Room{shownText, LinesWidth(fm, shownText), width - frame - 2 * l->margin() - indentTaken};
}

std::optional<Room> ButtonRoom(const QAbstractButton* b, int width) {
    const QString text = Plain(b->text());
    if (text.isEmpty()) return std::nullopt;
    QStyleOptionButton opt;
    opt.initFrom(b);
    opt.rect = QRect(0, 0, width, b->height());
    opt.text = b->text();
    opt.icon = b->icon();
    opt.iconSize = b->iconSize();
    QStyle::SubElement element;
    int extra = opt.icon.isNull() ? 0 : opt.iconSize.width() + kIconGap;
    if (qobject_cast<const QCheckBox*>(b)) {
        element = QStyle::SE_CheckBoxContents;
    } else if (qobject_cast<const QRadioButton*>(b)) {
        element = QStyle::SE_RadioButtonContents;
    } else if (const auto* p = qobject_cast<const QPushButton*>(b)) {
        element = QStyle::SE_PushButtonContents;
        if (p->autoDefault()) opt.features |= QStyleOptionButton::AutoDefaultButton;
        if (p->isDefault()) opt.features |= QStyleOptionButton::DefaultButton;
        if (p->isFlat()) opt.features |= QStyleOptionButton::Flat;
        if (p->menu()) {
            opt.features |= QStyleOptionButton::HasMenu;
            extra += b->style()->pixelMetric(QStyle::PM_MenuButtonIndicator, &opt, b);
        }
    } else {
        return std::nullopt;
    }
    const int room = b->style()->subElementRect(element, &opt, b).width();
    return Room{text, LinesWidth(b->fontMetrics(), text), room - extra};
}

std::optional<Room> ControlRoom(const QWidget* w, int width) {
    if (const auto* l = qobject_cast<const QLabel*>(w)) return LabelRoom(l, width);
    if (const auto* b = qobject_cast<const QAbstractButton*>(w)) return ButtonRoom(b, width);
    return std::nullopt;
}

bool InLayout(const QLayout* layout, const QWidget* w) {
    if (!layout) return false;
    for (int i = 0; i < layout->count(); ++i) {
        QLayoutItem* item = layout->itemAt(i);
        if (item->widget() == w) return true;
        if (item->layout() && InLayout(item->layout(), w)) return true;
    }
    return false;
}

// Forgets the cached sizes of a layout and of every layout in it.
void Invalidate(QLayout* layout) {
    for (int i = 0; i < layout->count(); ++i) {
        QLayoutItem* item = layout->itemAt(i);
        if (item->layout()) Invalidate(item->layout());
        else item->invalidate();
    }
    layout->invalidate();
}

void FitControl(QWidget* w) {
    if (auto* bar = qobject_cast<QTabBar*>(w)) {
        // Every tab whole: no scroll buttons, no shortened captions, so the
        // bar's minimum (and its tab widget's) holds all tabs.
        bar->setUsesScrollButtons(false);
        bar->setElideMode(Qt::ElideNone);
        return;
    }
    constexpr int kProbe = 1000;
    const std::optional<Room> room = ControlRoom(w, kProbe);
    if (!room) return;
    const int need = room->needed + (kProbe - room->shown);
    if (w->maximumWidth() < need) w->setMaximumWidth(need);
    if (w->minimumWidth() > 0 && w->minimumWidth() < need) w->setMinimumWidth(need);
    QWidget* parent = w->parentWidget();
    if (!w->isWindow() && w->width() < need && !(parent && InLayout(parent->layout(), w)))
        w->resize(need, w->height());
}

// A container or window whose limits are narrower than its contents grows.
void FitContainer(QWidget* w) {
    QLayout* layout = w->layout();
    if (!layout && !qobject_cast<QTabWidget*>(w)) return;
    const bool fixed = w->minimumSize() == w->maximumSize();
    if (layout) {
        Invalidate(layout);
        if (w->isWindow()) layout->activate();
    }
    QSize need = w->minimumSizeHint();
    if (layout) need = need.expandedTo(layout->totalMinimumSize());
    if (!need.isValid()) return;
    if (w->isWindow() && layout && !fixed &&
        (w->minimumWidth() < need.width() || w->minimumHeight() < need.height())) {
        // A minimum set by hand is narrower than the contents: the layout's
        // own minimum takes over, and follows the contents from now on.
        w->setMinimumSize(0, 0);
        layout->invalidate();
        layout->activate();
        return;
    }
    if (w->maximumWidth() < need.width()) w->setMaximumWidth(need.width());
    if (w->maximumHeight() < need.height()) w->setMaximumHeight(need.height());
    if (w->minimumWidth() > 0 && w->minimumWidth() < need.width()) w->setMinimumWidth(need.width());
    if (w->minimumHeight() > 0 && w->minimumHeight() < need.height()) w->setMinimumHeight(need.height());
}

int Depth(const QWidget* w, const QWidget* root) {
    int d = 0;
    for (; w && w != root; w = w->parentWidget()) ++d;
    return d;
}

std::string Name(const QWidget* w) {
    const QString n = w->objectName().isEmpty() ? QStringLiteral("(unnamed)") : w->objectName();
    return n.toStdString() + " (" + w->metaObject()->className() + ")";
}

void Report(std::vector<std::string>& out, const std::string& who, const QString& text, int needed, int shown) {
    if (needed <= shown) return;
    out.push_back(who + ": \"" + text.toStdString() + "\" needs " + std::to_string(needed) + " px, shows " +
                  std::to_string(shown));
}

void CheckTabBar(const QTabBar* bar, std::vector<std::string>& out) {
    const bool vertical = bar->shape() == QTabBar::RoundedWest || bar->shape() == QTabBar::RoundedEast ||
                          bar->shape() == QTabBar::TriangularWest || bar->shape() == QTabBar::TriangularEast;
    const int space = bar->style()->pixelMetric(QStyle::PM_TabBarTabHSpace, nullptr, bar);
    for (int i = 0; i < bar->count(); ++i) {
        if (!bar->isTabVisible(i)) continue;
        const QString text = Plain(bar->tabText(i));
        if (text.isEmpty()) continue;
        const QRect r = bar->tabRect(i).intersected(bar->rect());
        const int icon = bar->tabIcon(i).isNull() ? 0 : bar->iconSize().width() + kIconGap;
        Report(out, Name(bar) + " tab " + std::to_string(i), text, bar->fontMetrics().horizontalAdvance(text) + icon,
               (vertical ? r.height() : r.width()) - space);
    }
}

void CheckHeader(const QHeaderView* h, std::vector<std::string>& out) {
    const QAbstractItemModel* m = h->model();
    if (!m) return;
    const int margin = 2 * h->style()->pixelMetric(QStyle::PM_HeaderMargin, nullptr, h);
    for (int i = 0; i < h->count(); ++i) {
        if (h->isSectionHidden(i)) continue;
        const QString text = m->headerData(i, h->orientation(), Qt::DisplayRole).toString();
        if (text.isEmpty()) continue;
        const int size = h->orientation() == Qt::Horizontal ? h->sectionSize(i) : h->width();
        Report(out, Name(h) + " section " + std::to_string(i), text, LinesWidth(h->fontMetrics(), text),
               size - margin);
    }
}

// The grid's fixed cells: its header row, its fixed columns, its corner.
void CheckGrid(const TextGridView* v, std::vector<std::string>& out) {
    const TextGrid* g = v->Grid();
    if (!g) return;
    const int margin = 2 * v->style()->pixelMetric(QStyle::PM_HeaderMargin, nullptr, v->horizontalHeader());
    const QFontMetrics hfm(v->horizontalHeader()->font()), vfm(v->verticalHeader()->font());
    const int fr = g->FixedRows(), fc = g->FixedCols();
    auto cell = [&](int r, int c, const QFontMetrics& fm) {
        const QRect rect = v->HeaderCellRect(r, c);
        if (rect.isEmpty()) return;
        QStringList lines;
        if (r < fr) {
            for (int k = 0; k < fr; ++k) lines << QString::fromStdString(g->Text(k, c));
        } else {
            lines << QString::fromStdString(g->Text(r, c));
        }
        QString text = lines.join(QLatin1Char('\n'));
        text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
        if (text.trimmed().isEmpty()) return;
        Report(out, Name(v) + " cell " + std::to_string(r) + "," + std::to_string(c), text, LinesWidth(fm, text),
               rect.width() - margin);
    };
    if (fr > 0)
        for (int c = 0; c < g->Cols(); ++c) cell(0, c, hfm);
    for (int r = fr; r < g->Rows(); ++r)
        for (int c = 0; c < fc; ++c) cell(r, c, vfm);
}

void CheckTreeItems(const QTreeView* t, const QModelIndex& parent, std::vector<std::string>& out) {
    const QAbstractItemModel* m = t->model();
    const int margin = t->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, t) + 1;
    for (int r = 0; r < m->rowCount(parent); ++r) {
        for (int c = 0; c < m->columnCount(parent); ++c) {
            if (t->isColumnHidden(c)) continue;
            const QModelIndex i = m->index(r, c, parent);
            const QString text = i.data(Qt::DisplayRole).toString();
            const QRect rect = t->visualRect(i);
            if (text.isEmpty() || rect.isEmpty()) continue;
            QStyleOptionViewItem opt;
            opt.initFrom(t);
            opt.rect = rect;
            opt.text = text;
            opt.features = QStyleOptionViewItem::HasDisplay;
            opt.displayAlignment = Qt::AlignLeft | Qt::AlignVCenter;
            opt.decorationPosition = QStyleOptionViewItem::Left;
            const int iconSide = t->style()->pixelMetric(QStyle::PM_SmallIconSize, nullptr, t);
            opt.decorationSize = t->iconSize().isValid() ? t->iconSize() : QSize(iconSide, iconSide);
            const QVariant deco = i.data(Qt::DecorationRole);
            if (deco.isValid() && !deco.isNull()) opt.features |= QStyleOptionViewItem::HasDecoration;
            if (i.data(Qt::CheckStateRole).isValid()) opt.features |= QStyleOptionViewItem::HasCheckIndicator;
            const QRect textRect = t->style()->subElementRect(QStyle::SE_ItemViewItemText, &opt, t);
            Report(out, Name(t) + " item " + text.toStdString(), text, LinesWidth(t->fontMetrics(), text),
                   textRect.width() - 2 * margin);
        }
        const QModelIndex first = m->index(r, 0, parent);
        if (m->hasChildren(first) && t->isExpanded(first)) CheckTreeItems(t, first, out);
    }
}

}  // namespace

void FitTexts(QWidget* root) {
    if (!root) return;
    QList<QWidget*> all = root->findChildren<QWidget*>();
    for (QWidget* w : all) FitControl(w);
    all.prepend(root);
    std::stable_sort(all.begin(), all.end(),
                     [root](const QWidget* a, const QWidget* b) { return Depth(a, root) > Depth(b, root); });
    for (QWidget* w : all) FitContainer(w);
}

std::vector<std::string> CutTexts(const QWidget* root) {
    std::vector<std::string> out;
    if (!root) return out;
    QList<const QWidget*> all;
    for (const QWidget* w : root->findChildren<QWidget*>()) all << w;
    all.prepend(root);
    for (const QWidget* w : all) {
        if (!w->isVisible()) continue;
        if (const auto* grid = qobject_cast<const TextGridView*>(w)) {
            CheckGrid(grid, out);
            continue;
        }
        if (const auto* bar = qobject_cast<const QTabBar*>(w)) {
            CheckTabBar(bar, out);
            continue;
        }
        if (const auto* h = qobject_cast<const QHeaderView*>(w)) {
            if (!qobject_cast<const TextGridView*>(h->parentWidget())) CheckHeader(h, out);
            continue;
        }
        if (const auto* t = qobject_cast<const QTreeView*>(w)) {
            if (t->model()) CheckTreeItems(t, QModelIndex(), out);
            continue;
        }
        if (const std::optional<Room> room = ControlRoom(w, w->width()))
            Report(out, Name(w), room->text, room->needed, room->shown);
    }
    return out;
}

}  // namespace rp
