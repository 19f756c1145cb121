// The DTMF special-call builder: layout only.
#include <QComboBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

#include "signalling/frmdtmfspecial.h"
#include "signalling/qt/openers.h"
#include "widgets/shellparts.h"
#include "widgets/twips.h"

namespace rp {

FormDialog* MakeDTMFSpecialDialog(std::unique_ptr<FrmDTMFSpecial> form, QWidget* parent) {
    auto* dlg = new FormDialog(std::move(form), parent);
    auto* kind = new QHBoxLayout;
    kind->addWidget(SideLabel(dlg, "Label1"));
    auto* combo = Named<QComboBox>(dlg, "Combo1_0");
    combo->setMinimumWidth(TwipsToPixelsX(dlg, 1400));
    kind->addWidget(combo, 1);
    auto* frame = Named<QGroupBox>(dlg, "Frame1");
    auto* target = new QHBoxLayout(frame);
    target->addWidget(SideLabel(frame, "Label2"));
    target->addWidget(Named<SelectAllLineEdit>(frame, "Text1"), 1);
    auto* top = new QVBoxLayout(dlg);
    top->addLayout(kind);
    top->addWidget(frame);
    top->addLayout(RightRow({Named<QPushButton>(dlg, "CommandOK"), Named<QPushButton>(dlg, "CommandCancel")}));
    FormBinder& b = dlg->Bind();
    b.SetEnterAsTab(true);
    b.StandBackFor({"CommandCancel"});
    return dlg;
}

}  // namespace rp
