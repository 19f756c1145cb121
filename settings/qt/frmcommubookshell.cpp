// The communication-book dialog: the grid with its floating editor, Import
// and Export beside it, OK and Cancel below them.
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "settings/frmcommubook.h"
#include "settings/frmcommubookcontrols.h"
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
    view->setObjectName(commubook::Grid);
    view->setMinimumSize(TwipsToPixelsX(dlg, 3600), TwipsToPixelsY(dlg, 4800));
    view->SetLastColumnStretches(true);
    auto* editor = new QLineEdit(view->viewport());
    editor->setObjectName(commubook::Editor);
    editor->setFrame(false);

    auto* side = new QVBoxLayout;
    side->addWidget(NamedButton(dlg, commubook::Import));
    side->addWidget(NamedButton(dlg, commubook::Export));
    side->addStretch();
    side->addWidget(NamedButton(dlg, kOKButton));
    side->addWidget(NamedButton(dlg, kCancelButton));
    auto* top = new QHBoxLayout(dlg);
    top->addWidget(view, 1);
    top->addLayout(side);

    FormBinder& binder = dlg->Bind();
    // The form opens, closes and moves the editor (and sets its input guard);
    // the kit keeps it over its cell, and its text is selected when it opens
    // over another cell (the form declares it OnCellOpen).
    auto* editors = new CellEditors(binder, view, [&book] {
        const int row = book.CurBookEditRow, col = book.CurBookEditCol;
        return row < 1 || col < 1 ? GridCell{} : GridCell{row, col};
    });
    editors->Add(editor);
}

}  // namespace rp
