// The scan-settings dialog: one column of captioned lists, the prompt-tone
// box below them, OK and Cancel at the bottom. The hidden lists (the
// priority channels' second parts, scan type, wait time, the master revert
// list) are laid out too and stay hidden.
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "settings/formutil.h"
#include "settings/qt/openers.h"
#include "settings/qt/shellparts.h"
#include "settings/frmscan.h"

namespace rp {

void BuildFrmScan(FormDialog& shell) {
    auto* dlg = &shell;
    auto* rows = new QGridLayout;
    SetCaptionGap(rows, dlg, 100);
    int row = 0;
    for (int i = 0; i <= 12; ++i) {
        QLabel* label = SideLabel(dlg, Indexed("Label1", i));
        QComboBox* list = NamedCombo(dlg, Indexed("Combo1", i), 2200);
        if (i == 3 || i == 5) {  // beside the priority channel before it
            rows->addWidget(label, row - 1, 2);
            rows->addWidget(list, row - 1, 3);
            continue;
        }
        rows->addWidget(label, row, 0);
        rows->addWidget(list, row, 1);
        ++row;
    }
    rows->addWidget(NamedCombo(dlg, "Combo2", 2200), row++, 1);
    auto* check = new QCheckBox(dlg);
    check->setObjectName("Check1");
    rows->addWidget(check, row, 1);

    auto* buttons = RightRow({NamedButton(dlg, "CommandOK"), NamedButton(dlg, "CommandCancel")});
    auto* top = new QVBoxLayout(dlg);
    top->addLayout(rows);
    top->addLayout(buttons);
    top->setSizeConstraint(QLayout::SetFixedSize);
    dlg->Bind();
}

}  // namespace rp
