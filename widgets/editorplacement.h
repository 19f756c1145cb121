#pragma once
// Floating cell editors that stay over their cells. An editor is a child
// of a TextGridView's viewport (so it scrolls with the cells by itself);
// Place() lays it over a cell now, and the placement lays it there again
// whenever a column or row is resized or hidden, the headers or the
// viewport change size, the view scrolls or the model is reset, for as long
// as the editor is visible and not placed elsewhere.
//
//   auto* place = new EditorPlacement(view);          // a child of the view
//   place->Place(lineEdit, row, col);                 // the cell's rectangle
//   place->Place(combo, row, col, EditorHeight::Own); // the cell's left, top,
//                                                     // width; its own height
//   place->Place(list, row, col, EditorHeight::OwnInside);  // lifted so its
//                                                     // bottom stays inside
//
// CellEditors is what a window's shell uses: the floating editors of one
// grid, kept over the cell its form has open after every mirror.
#include <QObject>
#include <QPointer>
#include <QRect>

#include <functional>
#include <initializer_list>
#include <vector>

class QWidget;

namespace rp {

class FormBinder;
class TextGridView;

enum class EditorHeight {
    Cell,       // the cell's height
    Own,        // the editor's own height (a combo box)
    OwnInside,  // its own height, moved up when it would reach below the viewport
};

// The rectangle an editor of height `own` takes over `cell`; `bottom` is the
// lowest y the editor may reach with OwnInside (the viewport's height).
QRect EditorRect(const QRect& cell, int own, EditorHeight height, int bottom);

class EditorPlacement : public QObject {
    Q_OBJECT
public:
    explicit EditorPlacement(TextGridView* view);

    TextGridView* View() const { return view_; }
    // Lays `editor` (a child of the view's viewport) over grid cell
    // (row, col) and keeps it there.
    void Place(QWidget* editor, int row, int col, EditorHeight height = EditorHeight::Cell);
    // Stops following an editor.
    void Forget(QWidget* editor);
    // Lays every visible followed editor over its cell again.
    void Update();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    struct Entry {
        QPointer<QWidget> editor;
        int row = 0, col = 0;
        EditorHeight height = EditorHeight::Cell;
    };
    void Lay(const Entry& e) const;

    TextGridView* view_;
    // The view as a plain widget and its viewport, read while the view is
    // being destroyed (its own parts are gone by then).
    QWidget* widget_;
    QWidget* viewport_;
    std::vector<Entry> entries_;
};

// A grid cell (row, col); a row below 0 is no cell.
struct GridCell {
    int row = -1, col = -1;
};

// The floating editors of one grid (children of its viewport). After every
// mirror of the binder each shown editor lies over the cell the form has
// open, a combo box at its own height, a list at its own height inside the
// viewport, and stays there while the view scrolls or its sections, headers
// or viewport change size (EditorPlacement). A hidden editor is left alone.
// A text editor whose control is declared SelectOnEntry::OnCellOpen (read
// through the binder) shows its whole text selected when it opens over
// another cell than before, or again after it was closed.
//
//   auto* editors = new CellEditors(binder, grid, [&form] {
//       return GridCell{form.EditRow, form.EditCol}; });
//   editors->Add({text1, text3, combo2});
//   editors->OnUserScroll(Qt::Vertical, [&form] { form.Grid_Scroll(); });
class CellEditors : public QObject {
    Q_OBJECT
public:
    // A child of `view`; `open` gives the cell the form has open.
    CellEditors(FormBinder& binder, TextGridView* view, std::function<GridCell()> open);

    void Add(QWidget* editor);
    void Add(std::initializer_list<QWidget*> editors);
    // A scroll by the user (an action of the scroll bars of `bars`, never the
    // view's own scrolling to its current cell) runs `handler` in the form.
    void OnUserScroll(Qt::Orientations bars, std::function<void()> handler);
    // Lays the shown editors over the open cell; runs after every mirror.
    void Place();

    EditorPlacement* Placement() const { return placement_; }

private:
    struct Editor {
        QPointer<QWidget> widget;
        GridCell opened;  // the cell it was last laid over while shown
    };

    QPointer<FormBinder> binder_;
    TextGridView* view_;
    EditorPlacement* placement_;
    std::function<GridCell()> open_;
    std::vector<Editor> editors_;
};

}  // namespace rp
