#pragma once
// The floating cell editors of the main window's grids on real widgets:
// each open editor is laid over its cell and kept there, a text editor
// opened on a cell has its text selected (widgets/editorplacement.h); the
// tone combos open their list on the arrow keys, the mouse wheel never
// steps a closed editor combo, and a key an editor leaves unhandled never
// reaches the grid under it. The rules are the form's (mainwindow/gridedit.cpp).
#include <QObject>

class QWidget;

#include <array>
#include <string>

namespace rp {

class FormBinder;
class FrmMain;
class TextGridView;

class GridEditors : public QObject {
    Q_OBJECT
public:
    // Make it after the binder: its filters then see the editors' keys first.
    GridEditors(FrmMain& form, FormBinder& binder, const std::array<TextGridView*, 4>& grids, QObject* parent);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    FrmMain& form_;
    FormBinder& binder_;
    std::array<TextGridView*, 4> grids_;
    std::array<QWidget*, 4> viewports_{};  // compared with while the views go
};

}  // namespace rp
