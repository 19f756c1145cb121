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

FormDialog* MakeFrmCommuBook(const DialogContext& c, FileChooser* chooser) {
    // No chooser given: the program's (d.Ui.Files), which open over the
    // active window, the book dialog.
    auto form = std::make_unique<FrmCommuBook>(c.d, chooser);
    form->Form_Load();
    FrmCommuBook& book = *form;
    auto* dlg = new FormDialog(std::move(form), c.parent);
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
    side->addWidget(NamedButton(dlg, commubook::OK));
    side->addWidget(NamedButton(dlg, commubook::Cancel));
    auto* top = new QHBoxLayout(dlg);
    top->addWidget(view, 1);
    top->addLayout(side);

    FormBinder& binder = dlg->Bind();
    // The form opens, closes and moves the editor (and sets its input guard);
    // the kit keeps it over its cell, and its text is selected when it opens
    // over another cell.
    auto* editors = new CellEditors(binder, view, [&book] {
        const int row = book.CurBookEditRow, col = book.CurBookEditCol;
        return row < 1 || col < 1 ? GridCell{} : GridCell{row, col};
    });
    editors->Add(editor, CellEditors::SelectOnOpen);
    // Every close sorts the live book: OK, Cancel, Escape and the close box.
    QObject::connect(dlg, &QDialog::finished, dlg, [&book] { book.Form_Unload(); });
    return dlg;
}

}  // namespace rp
