#include "widgets/gridmodel.h"

#include <QAbstractButton>
#include <QColor>
#include <QEvent>
#include <QHeaderView>
#include <QKeyEvent>
#include <QPainter>
#include <QStyleOptionHeader>

#include <algorithm>

#include "widgets/twips.h"

namespace rp {

namespace {

QString ToQt(const std::string& text) {
    QString s = QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
    s.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    return s;
}

QVariant Colour(std::int32_t rgb) {
    if (rgb == kNoColor) return {};
    return QColor((rgb >> 16) & 0xFF, (rgb >> 8) & 0xFF, rgb & 0xFF);
}

// The widest line of a text.
int LinesWidth(const QFontMetrics& fm, const QString& text) {
    int w = 0;
    for (const QString& line : text.split(QLatin1Char('\n'))) w = std::max(w, fm.horizontalAdvance(line));
    return w;
}

// The texts of a column's fixed rows, one line each.
QString FixedRowsText(const TextGrid& g, int col) {
    QStringList parts;
    for (int r = 0; r < g.FixedRows(); ++r) parts << ToQt(g.Text(r, col));
    return parts.join(QLatin1Char('\n'));
}

// One header cell drawn as the style draws a header section.
void DrawHeaderCell(QPainter& p, const QWidget* w, const QRect& rect, const QString& text, std::int32_t fore,
                    Qt::Orientation orientation) {
    QStyleOptionHeader opt;
    opt.initFrom(w);
    opt.state |= QStyle::State_Raised;
    if (orientation == Qt::Horizontal) opt.state |= QStyle::State_Horizontal;
    opt.orientation = orientation;
    opt.rect = rect;
    opt.position = QStyleOptionHeader::Middle;
    opt.textAlignment = Qt::AlignCenter;
    opt.text = text;
    if (fore != kNoColor) opt.palette.setColor(QPalette::ButtonText, Colour(fore).value<QColor>());
    w->style()->drawControl(QStyle::CE_Header, &opt, &p, w);
}

}  // namespace

// The row header: each fixed column a cell of its own width.
class GridRowHeader : public QHeaderView {
public:
    explicit GridRowHeader(TextGridView* view) : QHeaderView(Qt::Vertical, view), view_(view) {}

protected:
    void paintSection(QPainter* p, const QRect& rect, int section) const override {
        const TextGrid* g = view_->grid_;
        if (!g || g->FixedCols() == 0) {
            QHeaderView::paintSection(p, rect, section);
            return;
        }
        const int r = section + g->FixedRows();
        int x = rect.left();
        for (int c = 0; c < g->FixedCols(); ++c) {
            const int w = view_->FixedColumnWidth(c);
            if (w <= 0) continue;
            DrawHeaderCell(*p, this, QRect(x, rect.top(), w, rect.height()), ToQt(g->Text(r, c)), g->ForeColor(r, c),
                           Qt::Vertical);
            x += w;
        }
    }

private:
    TextGridView* view_;
};

// ---- TextGridModel ----

TextGridModel::TextGridModel(const TextGrid* grid, QObject* parent) : QAbstractTableModel(parent) {
    SetGrid(grid);
}

void TextGridModel::SetGrid(const TextGrid* grid) {
    beginResetModel();
    grid_ = grid;
    revision_ = grid ? grid->Revision() : 0;
    layoutRevision_ = grid ? grid->LayoutRevision() : 0;
    endResetModel();
}

bool TextGridModel::Refresh() {
    if (!grid_) return false;
    if (grid_->LayoutRevision() != layoutRevision_) {
        beginResetModel();
        layoutRevision_ = grid_->LayoutRevision();
        revision_ = grid_->Revision();
        endResetModel();
        return true;
    }
    if (grid_->Revision() != revision_) {
        revision_ = grid_->Revision();
        if (rowCount() > 0 && columnCount() > 0)
            emit dataChanged(index(0, 0), index(rowCount() - 1, columnCount() - 1));
        if (columnCount() > 0) emit headerDataChanged(Qt::Horizontal, 0, columnCount() - 1);
        if (rowCount() > 0) emit headerDataChanged(Qt::Vertical, 0, rowCount() - 1);
    }
    return false;
}

QModelIndex TextGridModel::IndexOf(int row, int col) const {
    if (!grid_) return {};
    return index(row - grid_->FixedRows(), col - grid_->FixedCols());
}

int TextGridModel::GridRow(const QModelIndex& i) const {
    return grid_ && i.isValid() ? i.row() + grid_->FixedRows() : -1;
}

int TextGridModel::GridCol(const QModelIndex& i) const {
    return grid_ && i.isValid() ? i.column() + grid_->FixedCols() : -1;
}

int TextGridModel::rowCount(const QModelIndex& parent) const {
    if (!grid_ || parent.isValid()) return 0;
    return std::max(0, grid_->Rows() - grid_->FixedRows());
}

int TextGridModel::columnCount(const QModelIndex& parent) const {
    if (!grid_ || parent.isValid()) return 0;
    return std::max(0, grid_->Cols() - grid_->FixedCols());
}

QVariant TextGridModel::data(const QModelIndex& i, int role) const {
    if (!grid_ || !i.isValid()) return {};
    const int r = GridRow(i), c = GridCol(i);
    switch (role) {
    case Qt::DisplayRole:
        return ToQt(grid_->Text(r, c));
    case Qt::ForegroundRole:
        return Colour(grid_->ForeColor(r, c));
    case Qt::BackgroundRole:
        return Colour(grid_->BackColor(r, c));
    case Qt::TextAlignmentRole:
        return QVariant::fromValue(alignment_);
    default:
        return {};
    }
}

QVariant TextGridModel::headerData(int section, Qt::Orientation o, int role) const {
    if (!grid_ || section < 0) return {};
    // The header cell whose colour stands for the section: the last fixed
    // row above a column, the first fixed column beside a row.
    if (o == Qt::Horizontal) {
        const int c = section + grid_->FixedCols();
        if (c >= grid_->Cols() || grid_->FixedRows() == 0) return {};
        if (role == Qt::DisplayRole) return FixedRowsText(*grid_, c);
        if (role == Qt::ForegroundRole) return Colour(grid_->ForeColor(grid_->FixedRows() - 1, c));
    } else {
        const int r = section + grid_->FixedRows();
        if (r >= grid_->Rows() || grid_->FixedCols() == 0) return {};
        // The other fixed columns are cells of the row header of their own.
        if (role == Qt::DisplayRole) return ToQt(grid_->Text(r, 0));
        if (role == Qt::ForegroundRole) return Colour(grid_->ForeColor(r, 0));
    }
    if (role == Qt::TextAlignmentRole) return QVariant::fromValue(Qt::Alignment(Qt::AlignCenter));
    return {};
}

Qt::ItemFlags TextGridModel::flags(const QModelIndex& i) const {
    if (!i.isValid()) return Qt::NoItemFlags;
    return Qt::ItemIsEnabled | Qt::ItemIsSelectable;
}

// ---- TextGridView ----

TextGridView::TextGridView(QWidget* parent) : QTableView(parent) {
    setVerticalHeader(new GridRowHeader(this));
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setSelectionBehavior(QAbstractItemView::SelectItems);
    setTabKeyNavigation(false);
    setWordWrap(false);
    horizontalHeader()->setHighlightSections(false);
    verticalHeader()->setHighlightSections(false);
    horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    horizontalHeader()->setDefaultAlignment(Qt::AlignCenter);
    verticalHeader()->setDefaultAlignment(Qt::AlignCenter);
    model_ = new TextGridModel(nullptr, this);
    setModel(model_);
    connect(selectionModel(), &QItemSelectionModel::currentChanged, this,
            [this](const QModelIndex& current) { OnCurrentChanged(current); });
    // The corner button is the view's only direct button child.
    corner_ = findChild<QAbstractButton*>(QString(), Qt::FindDirectChildrenOnly);
    if (corner_) corner_->installEventFilter(this);
}

void TextGridView::Attach(TextGrid* grid) {
    grid_ = grid;
    model_->SetGrid(grid);
    ApplySizes();
    ShowCurrentCell();
}

void TextGridView::Refresh() {
    if (!grid_) return;
    if (model_->Refresh()) {
        ApplySizes();
        // The reset dropped the current index: back to the grid's cell when
        // it still exists, else to the first cell.
        if (!model_->IndexOf(grid_->row, grid_->col).isValid()) {
            grid_->row = grid_->FixedRows();
            grid_->col = grid_->FixedCols();
        }
    }
    FitHeaders();
    ShowCurrentCell();
    if (corner_) corner_->update();
}

void TextGridView::ApplySizes() {
    if (!grid_) return;
    const int rows = grid_->Rows(), cols = grid_->Cols();
    const int fr = grid_->FixedRows(), fc = grid_->FixedCols();
    // Header row height: the fixed rows' heights together.
    int headerTwips = 0;
    bool headerSet = false;
    for (int r = 0; r < fr; ++r) {
        if (grid_->RowHeight(r) >= 0) {
            headerTwips += grid_->RowHeight(r);
            headerSet = true;
        }
    }
    if (headerSet) horizontalHeader()->setFixedHeight(TwipsToPixelsY(this, headerTwips));
    fixedBase_.assign(static_cast<std::size_t>(std::max(0, fc)), -1);
    for (int c = 0; c < fc; ++c) {
        const int w = grid_->ColWidth(c);
        if (w >= 0) fixedBase_[static_cast<std::size_t>(c)] = TwipsToPixelsX(this, w);
    }
    const int defWidth = horizontalHeader()->defaultSectionSize();
    baseWidth_.assign(static_cast<std::size_t>(std::max(0, cols - fc)), 0);
    for (int c = fc; c < cols; ++c) {
        const int w = grid_->ColWidth(c);
        const int section = c - fc;
        setColumnHidden(section, w == 0);
        baseWidth_[static_cast<std::size_t>(section)] = w > 0 ? TwipsToPixelsX(this, w) : w < 0 ? defWidth : 0;
    }
    for (int r = fr; r < rows; ++r) {
        const int h = grid_->RowHeight(r);
        if (h == 0) setRowHidden(r - fr, true);
        else if (h > 0) setRowHeight(r - fr, TwipsToPixelsY(this, h));
    }
    fitted_ = false;
    FitHeaders();
}

void TextGridView::FitHeaders() {
    if (!grid_ || (fitted_ && grid_->Revision() == fittedRevision_)) return;
    const int fr = grid_->FixedRows(), fc = grid_->FixedCols();
    const int sections = static_cast<int>(baseWidth_.size());
    if (!fitted_) {
        fittedWidth_.assign(baseWidth_.size(), -1);
        fittedText_.assign(baseWidth_.size(), QString());
    }
    const int margin = 2 * style()->pixelMetric(QStyle::PM_HeaderMargin, nullptr, horizontalHeader());
    // A column whose header text changed takes its stored width, or the
    // text's when that is wider; the user's own widths stay otherwise.
    const QFontMetrics hfm(horizontalHeader()->font());
    for (int section = 0; section < sections && fr > 0; ++section) {
        const auto i = static_cast<std::size_t>(section);
        if (baseWidth_[i] == 0) continue;
        const QString text = FixedRowsText(*grid_, section + fc);
        if (fittedWidth_[i] >= 0 && text == fittedText_[i]) continue;
        fittedText_[i] = text;
        const int want = std::max(baseWidth_[i], LinesWidth(hfm, text) + margin);
        if (want != fittedWidth_[i]) setColumnWidth(section, want);
        fittedWidth_[i] = want;
    }
    if (fc > 0) {
        // Each fixed column holds the widest of its texts, the corner's too.
        const QFontMetrics vfm(verticalHeader()->font());
        fixedWidth_.assign(fixedBase_.size(), 0);
        int total = 0;
        for (int c = 0; c < fc && c < static_cast<int>(fixedBase_.size()); ++c) {
            const auto i = static_cast<std::size_t>(c);
            if (fixedBase_[i] == 0) continue;
            int need = 0;
            for (int r = 0; r < grid_->Rows(); ++r) {
                const std::string& t = grid_->Text(r, c);
                if (!t.empty()) need = std::max(need, LinesWidth(r < fr ? hfm : vfm, ToQt(t)));
            }
            fixedWidth_[i] = std::max(fixedBase_[i], need + margin);
            total += fixedWidth_[i];
        }
        if (verticalHeader()->width() != total || verticalHeader()->minimumWidth() != total)
            verticalHeader()->setFixedWidth(total);
        verticalHeader()->viewport()->update();
    }
    fittedRevision_ = grid_->Revision();
    fitted_ = true;
}

void TextGridView::SetLastColumnStretches(bool on) { horizontalHeader()->setStretchLastSection(on); }

QRect TextGridView::CellRect(int row, int col) const {
    const QModelIndex i = model_->IndexOf(row, col);
    if (!i.isValid()) return {};
    return visualRect(i);
}

void TextGridView::PlaceEditor(QWidget* editor, int row, int col) const {
    if (!editor) return;
    editor->setGeometry(CellRect(row, col));
}

int TextGridView::FixedColumnWidth(int col) const {
    return col >= 0 && col < static_cast<int>(fixedWidth_.size()) ? fixedWidth_[static_cast<std::size_t>(col)] : 0;
}

QRect TextGridView::HeaderCellRect(int row, int col) const {
    if (!grid_ || row < 0 || col < 0 || row >= grid_->Rows() || col >= grid_->Cols()) return {};
    const int fr = grid_->FixedRows(), fc = grid_->FixedCols();
    int x0 = 0;
    for (int c = 0; c < col && c < fc; ++c) x0 += FixedColumnWidth(c);
    if (row < fr && col < fc) {
        if (!corner_ || FixedColumnWidth(col) <= 0) return {};
        return {corner_->x() + x0, corner_->y(), FixedColumnWidth(col), corner_->height()};
    }
    if (row < fr) {
        const QHeaderView* h = horizontalHeader();
        const int section = col - fc;
        if (h->isSectionHidden(section) || h->isHidden()) return {};
        return {h->x() + h->sectionViewportPosition(section), h->y(), h->sectionSize(section), h->height()};
    }
    if (col < fc) {
        const QHeaderView* h = verticalHeader();
        const int section = row - fr;
        if (h->isSectionHidden(section) || h->isHidden() || FixedColumnWidth(col) <= 0) return {};
        return {h->x() + x0, h->y() + h->sectionViewportPosition(section), FixedColumnWidth(col),
                h->sectionSize(section)};
    }
    return {};
}

void TextGridView::ShowCurrentCell() {
    if (!grid_) return;
    const QModelIndex i = model_->IndexOf(grid_->row, grid_->col);
    if (!i.isValid() || i == currentIndex()) return;
    settingCurrent_ = true;
    selectionModel()->setCurrentIndex(i, QItemSelectionModel::ClearAndSelect);
    settingCurrent_ = false;
}

void TextGridView::keyboardSearch(const QString& search) { (void)search; }

void TextGridView::keyPressEvent(QKeyEvent* event) {
    if (event->matches(QKeySequence::Copy) || event->matches(QKeySequence::Cut) ||
        event->matches(QKeySequence::Paste)) {
        event->accept();
        return;
    }
    QTableView::keyPressEvent(event);
}

void TextGridView::OnCurrentChanged(const QModelIndex& current) {
    if (settingCurrent_ || !grid_ || !current.isValid()) return;
    grid_->row = model_->GridRow(current);
    grid_->col = model_->GridCol(current);
    emit cellEntered(grid_->row, grid_->col);
}

void TextGridView::PaintCorner() {
    QPainter p(corner_);
    const int fr = grid_->FixedRows(), fc = grid_->FixedCols();
    int x = 0;
    for (int c = 0; c < fc; ++c) {
        const int w = FixedColumnWidth(c);
        if (w <= 0) continue;
        DrawHeaderCell(p, corner_, QRect(x, 0, w, corner_->height()), FixedRowsText(*grid_, c),
                       fr > 0 ? grid_->ForeColor(fr - 1, c) : kNoColor, Qt::Horizontal);
        x += w;
    }
    if (x < corner_->width())
        DrawHeaderCell(p, corner_, QRect(x, 0, corner_->width() - x, corner_->height()), QString(), kNoColor,
                       Qt::Horizontal);
}

bool TextGridView::eventFilter(QObject* watched, QEvent* event) {
    if (watched == corner_ && event->type() == QEvent::Paint && grid_) {
        // The fixed rows' cells of the fixed columns, as the grid holds them.
        PaintCorner();
        return true;
    }
    return QTableView::eventFilter(watched, event);
}

void TextGridView::changeEvent(QEvent* event) {
    QTableView::changeEvent(event);
    if (event->type() == QEvent::FontChange || event->type() == QEvent::StyleChange) {
        fitted_ = false;
        FitHeaders();
    }
}

}  // namespace rp
