// The communication-book dialog: the grid with its floating editor, Import
// and Export beside it, OK and Cancel below them.
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "settings/frmcommubook.h"
#include "settings/qt/openers.h"
#include "settings/qt/shellparts.h"
#include "widgets/editorplacement.h"
#include "widgets/gridmodel.h"
#include "widgets/twips.h"

namespace rp {

void BuildFrmCommuBook(FormDialog& shell) {
    auto* dlg = &shell;
    FrmCommuBook& book = dlg->FormAs<FrmCommuBook>();
    auto* view = new TextGridView(dlg);
    view->setObjectName("MSFlexGrid1");
    view->setMinimumSize(TwipsToPixelsX(dlg, 3600), TwipsToPixelsY(dlg, 4800));
    view->SetLastColumnStretches(true);
    auto* editor = new QLineEdit(view->viewport());
    editor->setObjectName("Text1");
    editor->setFrame(false);

    auto* side = new QVBoxLayout;
    side->addWidget(NamedButton(dlg, "CommandInput"));
    side->addWidget(NamedButton(dlg, "CommandOutput"));
    side->addStretch();
    side->addWidget(NamedButton(dlg, "CommandOK"));
    side->addWidget(NamedButton(dlg, "CommandCancel"));
    auto* top = new QHBoxLayout(dlg);
    top->addWidget(view, 1);
    top->addLayout(side);

    FormBinder& binder = dlg->Bind();
    // The form opens, closes and moves the editor (and sets its input guard);
    // the placement keeps it over its cell, and its text is selected when it
    // opens over another cell.
    auto* placement = new EditorPlacement(view);
    QObject::connect(&binder, &FormBinder::synced, editor,
                     [&book, placement, editor, openRow = 0, openCol = 0]() mutable {
                         const int row = book.CurBookEditRow, col = book.CurBookEditCol;
                         if (!book.C("Text1").visible || row < 1 || col < 1) {
                             openRow = openCol = 0;
                             return;
                         }
                         if (row != openRow || col != openCol) {
                             openRow = row;
                             openCol = col;
                             editor->selectAll();
                         }
                         placement->Place(editor, row, col);
                     });
    // Every close sorts the live book: OK, Cancel, Escape and the close box.
    QObject::connect(dlg, &QDialog::finished, dlg, [&book] { book.Form_Unload(); });
}

}  // namespace rp
