// The test-data dialog's shell: the rows of label and box in a frame, Load
// and Save beside it, OK and Cancel below. Every box selects its whole text
// when it takes the focus.
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

#include "radio/frmtestdata.h"
#include "radio/qt/openers.h"
#include "widgets/shellparts.h"
#include "widgets/twips.h"

namespace rp {

void BuildFrmTestData(FormDialog& shell) {
    auto* dlg = &shell;

    auto* frame = Named<QGroupBox>(dlg, "Frame1");
    auto* rows = new QGridLayout(frame);
    rows->setHorizontalSpacing(TwipsToPixelsX(dlg, 50));  // each label ends 50 twips before its box
    for (int i = 0; i < FrmTestData::kBoxes; ++i) {
        const std::string n = std::to_string(i);
        rows->addWidget(SideLabel(frame, "Label1_" + n), i, 0);
        auto* box = Named<SelectAllLineEdit>(frame, "Text1_" + n);
        box->setFixedWidth(TwipsToPixelsX(dlg, 600));
        rows->addWidget(box, i, 1);
    }

    auto* side = new QVBoxLayout;
    side->addWidget(Named<QPushButton>(dlg, "Command1_0"));
    side->addWidget(Named<QPushButton>(dlg, "Command1_1"));
    side->addStretch(1);

    auto* body = new QHBoxLayout;
    body->addWidget(frame);
    body->addLayout(side);

    auto* top = new QVBoxLayout(dlg);
    top->addLayout(body);
    top->addLayout(RightRow({Named<QPushButton>(dlg, "CommandOK"), Named<QPushButton>(dlg, "CommandCancel")}));
    top->setSizeConstraint(QLayout::SetFixedSize);
    dlg->Bind();
}

}  // namespace rp
