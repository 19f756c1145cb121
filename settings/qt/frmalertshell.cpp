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
#include "settings/frmalertcontrols.h"
#include "settings/qt/openers.h"
#include "settings/qt/shellparts.h"

namespace rp {

void BuildFrmAlert(FormDialog& shell) {
    auto* dlg = &shell;
    auto* rows = new QGridLayout;
    SetCaptionGap(rows, dlg, 100);
    int row = 0;
    for (const CaptionedControl& list : alert::kLists) {
        rows->addWidget(SideLabel(dlg, list.label), row, 0);
        rows->addWidget(NamedCombo(dlg, list.control, 2200), row++, 1);
    }
    auto* frame = new QGroupBox(dlg);
    frame->setObjectName(alert::LoneWorkerFrame);
    auto* lone = new QGridLayout(frame);
    SetCaptionGap(lone, dlg, 100);
    auto* check = new QCheckBox(frame);
    check->setObjectName(alert::AutoDetect);
    lone->addWidget(check, 0, 0, 1, 2);
    int loneRow = 1;
    for (const CaptionedControl& list : alert::kLoneWorkerLists) {
        lone->addWidget(SideLabel(frame, list.label), loneRow, 0);
        lone->addWidget(NamedCombo(frame, list.control, 1200), loneRow++, 1);
    }
    rows->addWidget(frame, 0, 2, 4, 1, Qt::AlignTop);

    auto* buttons = RightRow({NamedButton(dlg, kOKButton), NamedButton(dlg, kCancelButton)});
    auto* top = new QVBoxLayout(dlg);
    top->addLayout(rows);
    top->addLayout(buttons);
    top->setSizeConstraint(QLayout::SetFixedSize);
    dlg->Bind();
}

}  // namespace rp
