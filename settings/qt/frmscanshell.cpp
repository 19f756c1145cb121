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

#include "settings/frmscan.h"
#include "settings/frmscancontrols.h"
#include "settings/qt/openers.h"
#include "settings/qt/shellparts.h"

namespace rp {

void BuildFrmScan(FormDialog& shell) {
    auto* dlg = &shell;
    auto* rows = new QGridLayout;
    SetCaptionGap(rows, dlg, 100);
    struct Row {
        const char* label;
        const char* list;
        bool beside;  // beside the priority channel before it
    };
    const Row lists[] = {
        {scan::ScanModeLabel, scan::ScanMode, false},
        {scan::PriorityLabel, scan::Priority, false},
        {scan::PriorityChannel1Label, scan::PriorityChannel1, false},
        {scan::PriorityChannel1Dash, scan::PriorityChannel1Second, true},
        {scan::PriorityChannel2Label, scan::PriorityChannel2, false},
        {scan::PriorityChannel2Dash, scan::PriorityChannel2Second, true},
        {scan::RevertLabel, scan::Revert, false},
        {scan::LookBackALabel, scan::LookBackA, false},
        {scan::LookBackBLabel, scan::LookBackB, false},
        {scan::RxResumeLabel, scan::RxResume, false},
        {scan::TxResumeLabel, scan::TxResume, false},
        {scan::ScanTypeLabel, scan::ScanType, false},
        {scan::WaitTimeLabel, scan::WaitTime, false},
    };
    int row = 0;
    for (const Row& r : lists) {
        QLabel* label = SideLabel(dlg, r.label);
        QComboBox* list = NamedCombo(dlg, r.list, 2200);
        if (r.beside) {
            rows->addWidget(label, row - 1, 2);
            rows->addWidget(list, row - 1, 3);
            continue;
        }
        rows->addWidget(label, row, 0);
        rows->addWidget(list, row, 1);
        ++row;
    }
    rows->addWidget(NamedCombo(dlg, scan::RevertMasters, 2200), row++, 1);
    auto* check = new QCheckBox(dlg);
    check->setObjectName(scan::PromptTone);
    rows->addWidget(check, row, 1);

    auto* buttons = RightRow({NamedButton(dlg, kOKButton), NamedButton(dlg, kCancelButton)});
    auto* top = new QVBoxLayout(dlg);
    top->addLayout(rows);
    top->addLayout(buttons);
    top->setSizeConstraint(QLayout::SetFixedSize);
    dlg->Bind();
}

}  // namespace rp
