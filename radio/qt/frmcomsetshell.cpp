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

FormDialog* MakeFrmComSet(const DialogContext& c, PortListProvider& ports) {
    auto form = std::make_unique<FrmComSet>(c.d, ports);
    FrmComSet& f = *form;
    f.Form_Load();
    auto* dlg = new FormDialog(std::move(form), c.parent);

    QHBoxLayout* row = PortRow(dlg, {comset::Prompt, comset::PortList}, 3600, f.ListDroppedDown);
    row->setSpacing(TwipsToPixelsX(dlg, 120));

    auto* top = new QVBoxLayout(dlg);
    top->addLayout(row);
    top->addSpacing(TwipsToPixelsY(dlg, 240));
    top->addLayout(RightRow({Named<QPushButton>(dlg, comset::OK), Named<QPushButton>(dlg, comset::Cancel)}));
    top->setSizeConstraint(QLayout::SetFixedSize);

    dlg->Bind();
    // A typed path stays text until OK checks it: Enter adds no entry, and
    // no entry is completed into it (/dev/pts/1 would become /dev/pts/10).
    auto* list = dlg->findChild<QComboBox*>(comset::PortList);
    list->setInsertPolicy(QComboBox::NoInsert);
    if (list->lineEdit()) list->setCompleter(nullptr);
    return dlg;
}

}  // namespace rp
