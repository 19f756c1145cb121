// The model and band dialog: the two captioned lists, OK and Cancel below.
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "settings/frmmodelcontrols.h"
#include "settings/qt/openers.h"
#include "settings/qt/shellparts.h"

namespace rp {

void BuildFrmModel(FormDialog& shell) {
    auto* dlg = &shell;
    auto* rows = new QGridLayout;
    SetCaptionGap(rows, dlg, 50);
    rows->addWidget(SideLabel(dlg, model::ModelLabel), 0, 0);
    rows->addWidget(NamedCombo(dlg, model::Model, 3600), 0, 1);
    rows->addWidget(SideLabel(dlg, model::BandLabel), 1, 0);
    rows->addWidget(NamedCombo(dlg, model::Band, 3600), 1, 1);
    auto* top = new QVBoxLayout(dlg);
    top->addLayout(rows);
    top->addLayout(RightRow({NamedButton(dlg, kOKButton), NamedButton(dlg, kCancelButton)}));
    top->setSizeConstraint(QLayout::SetFixedSize);
    dlg->Bind();
}

}  // namespace rp
