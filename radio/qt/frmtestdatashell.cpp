// The test-data dialog's shell: the rows of label and box in a frame, Load
// and Save beside it, OK and Cancel below. (The form declares that every box
// selects its whole text when it takes the focus.)
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

    auto* frame = Named<QGroupBox>(dlg, testdata::Frame);
    auto* rows = new QGridLayout(frame);
    rows->setHorizontalSpacing(TwipsToPixelsX(dlg, 50));  // each label ends 50 twips before its box
    for (int i = 0; i < FrmTestData::kBoxes; ++i) {
        rows->addWidget(SideLabel(frame, testdata::Labels[i]), i, 0);
        auto* box = Named<QLineEdit>(frame, testdata::Boxes[i]);
        box->setFixedWidth(TwipsToPixelsX(dlg, 600));
        rows->addWidget(box, i, 1);
    }

    auto* side = new QVBoxLayout;
    side->addWidget(Named<QPushButton>(dlg, testdata::Load));
    side->addWidget(Named<QPushButton>(dlg, testdata::Save));
    side->addStretch(1);

    auto* body = new QHBoxLayout;
    body->addWidget(frame);
    body->addLayout(side);

    auto* top = new QVBoxLayout(dlg);
    top->addLayout(body);
    top->addLayout(RightRow({Named<QPushButton>(dlg, kOKButton), Named<QPushButton>(dlg, kCancelButton)}));
    top->setSizeConstraint(QLayout::SetFixedSize);
    dlg->Bind();
}

}  // namespace rp
