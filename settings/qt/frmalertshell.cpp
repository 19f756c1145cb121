// The emergency-alarm dialog: one column of captioned lists, the hidden
// lone-worker group to its right, OK and Cancel below.
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "settings/frmalert.h"
#include "settings/formutil.h"
#include "settings/qt/openers.h"
#include "settings/qt/shellparts.h"

namespace rp {

void BuildFrmAlert(FormDialog& shell) {
    auto* dlg = &shell;
    auto* rows = new QGridLayout;
    SetCaptionGap(rows, dlg, 100);
    for (int i = 0; i <= 9; ++i) {
        rows->addWidget(SideLabel(dlg, Indexed("Label1", i)), i, 0);
        rows->addWidget(NamedCombo(dlg, Indexed("Combo1", i), 2200), i, 1);
    }
    auto* frame = new QGroupBox(dlg);
    frame->setObjectName("Frame1");
    auto* lone = new QGridLayout(frame);
    SetCaptionGap(lone, dlg, 100);
    auto* check = new QCheckBox(frame);
    check->setObjectName("Check1");
    lone->addWidget(check, 0, 0, 1, 2);
    for (int i = 0; i <= 1; ++i) {
        lone->addWidget(SideLabel(frame, Indexed("Label2", i)), i + 1, 0);
        lone->addWidget(NamedCombo(frame, Indexed("Combo2", i), 1200), i + 1, 1);
    }
    rows->addWidget(frame, 0, 2, 4, 1, Qt::AlignTop);

    auto* buttons = RightRow({NamedButton(dlg, "CommandOK"), NamedButton(dlg, "CommandCancel")});
    auto* top = new QVBoxLayout(dlg);
    top->addLayout(rows);
    top->addLayout(buttons);
    top->setSizeConstraint(QLayout::SetFixedSize);
    dlg->Bind();
}

}  // namespace rp
