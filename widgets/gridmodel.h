#pragma once
// Showing a TextGrid (mainwindow/textgrid.h) in a QTableView.
//
// TextGridModel is the one table model of every grid: the grid's fixed rows
// are the horizontal header, its fixed columns the vertical header, every
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
// triggers (the floating editors edit), a typed character does not search,
// and its corner button draws the grid's cornerText. Keys matching Copy, Cut
// or Paste do nothing in the view (a form's KeyDown has seen them first).
//
//   auto* view = new TextGridView(parent);
//   view->setObjectName("MSFlexGrid1_0");   // the binder attaches the
//                                           // form's Grid("MSFlexGrid1_0")
//   // or by hand: view->Attach(&grid); view->Refresh();
//   view->PlaceEditor(editor, row, col);    // a floating editor over a cell
#include <QAbstractTableModel>
#include <QTableView>

#include <cstdint>

#include "mainwindow/textgrid.h"

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
    // logical DPI (a 0 hides the column or row).
    void ApplySizes();
    // The last column takes the room the others leave (the grid keeps its
    // pane and scrolls when the columns are wider).
    void SetLastColumnStretches(bool on);

    // A cell's rectangle in the viewport's coordinates (empty for a fixed or
    // hidden cell).
    QRect CellRect(int row, int col) const;
    // Lays a floating editor (a child of viewport()) exactly over a cell.
    void PlaceEditor(QWidget* editor, int row, int col) const;

    // Makes the grid's row and col the view's current cell.
    void ShowCurrentCell();

    // Typed characters never move the current cell.
    void keyboardSearch(const QString& search) override;

signals:
    // The user moved the current cell; the grid's row and col follow.
    void cellEntered(int row, int col);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    // Keys matching Copy, Cut or Paste never reach the item view, which
    // would put a cell's text on the system clipboard.
    void keyPressEvent(QKeyEvent* event) override;

private:
    void OnCurrentChanged(const QModelIndex& current);

    TextGrid* grid_ = nullptr;
    TextGridModel* model_ = nullptr;
    QWidget* corner_ = nullptr;
    bool settingCurrent_ = false;
};

}  // namespace rp
