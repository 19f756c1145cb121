#include "widgets/gridmodel.h"

#include <QAbstractButton>
#include <QColor>
#include <QEvent>
#include <QHeaderView>
#include <QKeyEvent>
#include <QPainter>
#include <QStyleOptionHeader>

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

}  // namespace

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
        if (role == Qt::DisplayRole) {
            QStringList parts;
            for (int r = 0; r < grid_->FixedRows(); ++r) parts << ToQt(grid_->Text(r, c));
            return parts.join('\n');
        }
        if (role == Qt::ForegroundRole) return Colour(grid_->ForeColor(grid_->FixedRows() - 1, c));
    } else {
        const int r = section + grid_->FixedRows();
        if (r >= grid_->Rows() || grid_->FixedCols() == 0) return {};
        if (role == Qt::DisplayRole) {
            QStringList parts;
            for (int c = 0; c < grid_->FixedCols(); ++c) {
                const QString t = ToQt(grid_->Text(r, c));
                if (!t.isEmpty()) parts << t;
            }
            return parts.join(QStringLiteral("  "));
        }
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
    int labelTwips = 0;
    bool labelSet = false;
    for (int c = 0; c < fc; ++c) {
        if (grid_->ColWidth(c) >= 0) {
            labelTwips += grid_->ColWidth(c);
            labelSet = true;
        }
    }
    if (labelSet) verticalHeader()->setFixedWidth(TwipsToPixelsX(this, labelTwips));
    const int defWidth = horizontalHeader()->defaultSectionSize();
    for (int c = fc; c < cols; ++c) {
        const int w = grid_->ColWidth(c);
        const int section = c - fc;
        setColumnHidden(section, w == 0);
        if (w > 0) setColumnWidth(section, TwipsToPixelsX(this, w));
        else if (w < 0) setColumnWidth(section, defWidth);
    }
    for (int r = fr; r < rows; ++r) {
        const int h = grid_->RowHeight(r);
        if (h == 0) setRowHidden(r - fr, true);
        else if (h > 0) setRowHeight(r - fr, TwipsToPixelsY(this, h));
    }
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

bool TextGridView::eventFilter(QObject* watched, QEvent* event) {
    if (watched == corner_ && event->type() == QEvent::Paint && grid_) {
        // Drawn like a header section, with the grid's corner text.
        QPainter p(corner_);
        QStyleOptionHeader opt;
        opt.initFrom(corner_);
        opt.rect = corner_->rect();
        opt.position = QStyleOptionHeader::OnlyOneSection;
        opt.textAlignment = Qt::AlignCenter;
        opt.text = ToQt(grid_->cornerText);
        const std::int32_t fore = grid_->ForeColor(0, 0);
        if (fore != kNoColor)
            opt.palette.setColor(QPalette::ButtonText, Colour(fore).value<QColor>());
        corner_->style()->drawControl(QStyle::CE_Header, &opt, &p, corner_);
        return true;
    }
    return QTableView::eventFilter(watched, event);
}

}  // namespace rp
