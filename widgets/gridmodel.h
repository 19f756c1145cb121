#pragma once
// Showing a TextGrid (forms/textgrid.h) in a QTableView.
//
// TextGridModel is the one table model of every grid: the grid's fixed rows
// are the horizontal header, its fixed columns the vertical header (its
// display text is the first fixed column's), every
// other cell a model cell (model row = grid row - FixedRows(), model column
// = grid column - FixedCols()). Texts are UTF-8 (data texts were converted
// with Latin1ToUtf8 when the list procedures wrote them); fore and back
// colours are the Foreground and Background roles, of the header cells too.
// Refresh() follows the grid's revisions: a change of size or fixed counts
// resets the model, any other change emits dataChanged and
// headerDataChanged, so the view keeps its current cell.
//
// TextGridView is the QTableView a shell puts where a grid goes. Attach()
// gives it a grid; Refresh() (after the list procedures ran; the binder calls
// it after every handler) redraws, applies the widths and heights in twips,
// and keeps the current cell on the grid's row and col. It has no edit
// triggers (the floating editors edit), a typed character does not search.
// Each fixed column is drawn as a cell of its own width beside the rows, and
// the corner button draws the fixed rows' cells of those columns (cell (0,0)
// first), so a grid's corner is what its list procedure wrote there. A column
// is never narrower than its header text, nor a fixed column than its
// texts: a stored width that is too small for them grows, again whenever
// the texts change (a language switch). Keys matching Copy, Cut or Paste do
// nothing in the view (a form's KeyDown has seen them first).
//
//   auto* view = new TextGridView(parent);
//   view->setObjectName(name);              // the binder attaches the
//                                           // form's Grid(name)
//   // or by hand: view->Attach(&grid); view->Refresh();
//   view->PlaceEditor(editor, row, col);    // a floating editor over a cell
#include <QAbstractTableModel>
#include <QTableView>

#include <cstdint>
#include <vector>

#include "forms/textgrid.h"

namespace rp {

class TextGridModel : public QAbstractTableModel {
    Q_OBJECT
public:
    explicit TextGridModel(const TextGrid* grid = nullptr, QObject* parent = nullptr);

    void SetGrid(const TextGrid* grid);
    const TextGrid* Grid() const { return grid_; }
    // Alignment of every cell (the lists centre their columns).
    void SetAlignment(Qt::Alignment alignment) { alignment_ = alignment; }

    // Follows the grid's changes since the last call. True when the model was
    // reset (its size or fixed counts changed): the view's current index is
    // gone then and the caller restores it.
    bool Refresh();

    // Grid cell <-> model index. IndexOf gives an invalid index for a fixed
    // cell or a cell outside the grid.
    QModelIndex IndexOf(int row, int col) const;
    int GridRow(const QModelIndex& index) const;
    int GridCol(const QModelIndex& index) const;

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

private:
    const TextGrid* grid_ = nullptr;
    std::uint64_t revision_ = 0, layoutRevision_ = 0;
    Qt::Alignment alignment_ = Qt::AlignCenter;
};

class TextGridView : public QTableView {
    Q_OBJECT
public:
    explicit TextGridView(QWidget* parent = nullptr);

    void Attach(TextGrid* grid);
    TextGrid* Grid() const { return grid_; }
    TextGridModel* GridModel() const { return model_; }

    // Redraws from the grid. After a reset the current cell goes to the
    // grid's row and col when that cell still exists, else to row 1,
    // column 1 (the first cell that is not fixed).
    void Refresh();
    // Widths and heights from the grid, in twips through the screen's
    // logical DPI (a 0 hides the column or row), widened for the header
    // texts.
    void ApplySizes();
    // The last column takes the room the others leave (the grid keeps its
    // pane and scrolls when the columns are wider).
    void SetLastColumnStretches(bool on);

    // A cell's rectangle in the viewport's coordinates (empty for a fixed or
    // hidden cell).
    QRect CellRect(int row, int col) const;
    // Lays a floating editor (a child of viewport()) exactly over a cell.
    void PlaceEditor(QWidget* editor, int row, int col) const;
    // A fixed cell's rectangle in the view's coordinates: a cell of a fixed
    // row (the header or the corner) or of a fixed column (beside its row);
    // empty for a cell that is not fixed or is hidden. A cell scrolled out of
    // sight lies outside the view.
    QRect HeaderCellRect(int row, int col) const;
    // The width in pixels the view gives fixed column `col`.
    int FixedColumnWidth(int col) const;

    // Makes the grid's row and col the view's current cell.
    void ShowCurrentCell();

    // Typed characters never move the current cell.
    void keyboardSearch(const QString& search) override;

signals:
    // The user moved the current cell; the grid's row and col follow.
    void cellEntered(int row, int col);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    // A new font or style fits the header widths again.
    void changeEvent(QEvent* event) override;
    // Keys matching Copy, Cut or Paste never reach the item view, which
    // would put a cell's text on the system clipboard.
    void keyPressEvent(QKeyEvent* event) override;

private:
    friend class GridRowHeader;
    void OnCurrentChanged(const QModelIndex& current);
    // Widens the columns whose header texts changed since the last fit.
    void FitHeaders();
    void PaintCorner();

    TextGrid* grid_ = nullptr;
    TextGridModel* model_ = nullptr;
    QWidget* corner_ = nullptr;
    bool settingCurrent_ = false;
    // Column widths in pixels from the stored twips (-1: the view's
    // default), the widths last set, the header texts they were fitted to.
    std::vector<int> baseWidth_, fittedWidth_;
    std::vector<QString> fittedText_;
    // Fixed columns: stored width in pixels (-1: unset) and shown width.
    std::vector<int> fixedBase_, fixedWidth_;
    std::uint64_t fittedRevision_ = 0;
    bool fitted_ = false;
};

}  // namespace rp
