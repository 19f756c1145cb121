// The factory-frequencies dialog: the check box, OK and Cancel below.
#include <QCheckBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

#include "settings/frminit.h"
#include "settings/frminitcontrols.h"
#include "settings/qt/openers.h"
#include "settings/qt/shellparts.h"

namespace rp {

FormDialog* MakeFrmInit(const DialogContext& c) {
    auto form = std::make_unique<FrmInit>(c.d);
    form->Form_Load();
    auto* dlg = new FormDialog(std::move(form), c.parent);
    auto* top = new QVBoxLayout(dlg);
    auto* check = new QCheckBox(dlg);
    check->setObjectName(init::KeepFactory);
    top->addWidget(check);
    top->addLayout(RightRow({NamedButton(dlg, init::OK), NamedButton(dlg, init::Cancel)}));
    top->setSizeConstraint(QLayout::SetFixedSize);
    dlg->Bind();
    return dlg;
}

}  // namespace rp
