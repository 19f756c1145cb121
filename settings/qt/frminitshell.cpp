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

void BuildFrmInit(FormDialog& shell) {
    auto* dlg = &shell;
    auto* top = new QVBoxLayout(dlg);
    auto* check = new QCheckBox(dlg);
    check->setObjectName(init::KeepFactory);
    top->addWidget(check);
    top->addLayout(RightRow({NamedButton(dlg, kOKButton), NamedButton(dlg, kCancelButton)}));
    top->setSizeConstraint(QLayout::SetFixedSize);
    dlg->Bind();
}

}  // namespace rp
