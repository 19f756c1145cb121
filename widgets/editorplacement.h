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
#include <QObject>
#include <QPointer>
#include <QRect>

#include <vector>

class QWidget;

namespace rp {

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

}  // namespace rp
