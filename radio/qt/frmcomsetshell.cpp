// The port dialog's shell: the caption and the list in one row, OK and
// Cancel below.
#include <QComboBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

#include "radio/frmcomset.h"
#include "radio/qt/openers.h"
#include "radio/qt/portrow.h"
#include "widgets/shellparts.h"
#include "widgets/twips.h"

namespace rp {

void BuildFrmComSet(FormDialog& shell) {
    auto* dlg = &shell;
    FrmComSet& f = dlg->FormAs<FrmComSet>();

    QHBoxLayout* row = PortRow(dlg, {comset::Prompt, comset::PortList}, 3600, f.ListDroppedDown);
    row->setSpacing(TwipsToPixelsX(dlg, 120));

    auto* top = new QVBoxLayout(dlg);
    top->addLayout(row);
    top->addSpacing(TwipsToPixelsY(dlg, 240));
    top->addLayout(RightRow({Named<QPushButton>(dlg, kOKButton), Named<QPushButton>(dlg, kCancelButton)}));
    top->setSizeConstraint(QLayout::SetFixedSize);

    dlg->Bind();
    // A typed path stays text until OK checks it: Enter adds no entry, and
    // no entry is completed into it (/dev/pts/1 would become /dev/pts/10).
    auto* list = dlg->findChild<QComboBox*>(comset::PortList);
    list->setInsertPolicy(QComboBox::NoInsert);
    if (list->lineEdit()) list->setCompleter(nullptr);
    // Enter presses OK, after a typed path too (Escape presses Cancel).
    dlg->findChild<QPushButton*>(kOKButton)->setDefault(true);
}

}  // namespace rp
