// The port dialog's shell: the caption and the list in one row, OK and
// Cancel below.
#include <QAbstractItemView>
#include <QComboBox>
#include <QHBoxLayout>
#include <QPointer>
#include <QPushButton>
#include <QVBoxLayout>

#include "radio/frmcomset.h"
#include "radio/qt/openers.h"
#include "widgets/shellparts.h"
#include "widgets/twips.h"

namespace rp {

FormDialog* MakeFrmComSet(const DialogContext& c, PortListProvider& ports) {
    auto form = std::make_unique<FrmComSet>(c.d, ports);
    FrmComSet& f = *form;
    f.Form_Load();
    auto* dlg = new FormDialog(std::move(form), c.parent);

    auto* row = new QHBoxLayout;
    row->setSpacing(TwipsToPixelsX(dlg, 120));
    row->addWidget(SideLabel(dlg, "Label1"));
    auto* list = Named<QComboBox>(dlg, "Combo1");
    list->setMinimumWidth(TwipsToPixelsX(dlg, 3600));
    list->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    row->addWidget(list, 1);

    auto* top = new QVBoxLayout(dlg);
    top->addLayout(row);
    top->addSpacing(TwipsToPixelsY(dlg, 240));
    top->addLayout(RightRow({Named<QPushButton>(dlg, "CommandOK"), Named<QPushButton>(dlg, "CommandCancel")}));
    top->setSizeConstraint(QLayout::SetFixedSize);

    // A rebuild would close the open list under the user's pointer.
    QPointer<QComboBox> guard(list);
    f.ListDroppedDown = [guard] { return guard && guard->view() && guard->view()->isVisible(); };
    dlg->Bind();
    return dlg;
}

}  // namespace rp
