// The model and band dialog and the factory-frequencies dialog.
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "settings/frminit.h"
#include "settings/qt/openers.h"
#include "settings/qt/shellparts.h"

namespace rp {

namespace {

void AddOkCancel(FormDialog* dlg, QVBoxLayout* top) {
    auto* buttons = RightRow({NamedButton(dlg, "CommandOK"), NamedButton(dlg, "CommandCancel")});
    top->addLayout(buttons);
    top->setSizeConstraint(QLayout::SetFixedSize);
}

}  // namespace

void BuildFrmModel(FormDialog& shell) {
    auto* dlg = &shell;
    auto* rows = new QGridLayout;
    SetCaptionGap(rows, dlg, 50);
    rows->addWidget(SideLabel(dlg, "Label1_0"), 0, 0);
    rows->addWidget(NamedCombo(dlg, "Combo1_0", 3600), 0, 1);
    rows->addWidget(SideLabel(dlg, "Label1_1"), 1, 0);
    rows->addWidget(NamedCombo(dlg, "Combo1_1", 3600), 1, 1);
    auto* top = new QVBoxLayout(dlg);
    top->addLayout(rows);
    AddOkCancel(dlg, top);
    dlg->Bind();
}

void BuildFrmInit(FormDialog& shell) {
    auto* dlg = &shell;
    auto* top = new QVBoxLayout(dlg);
    auto* check = new QCheckBox(dlg);
    check->setObjectName("Check1");
    top->addWidget(check);
    AddOkCancel(dlg, top);
    dlg->Bind();
}

}  // namespace rp
