// The DTMF special-call builder: layout only.
#include <QComboBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

#include "signalling/dtmfcallbuilder.h"
#include "signalling/dtmfcallbuildercontrols.h"
#include "signalling/qt/openers.h"
#include "widgets/shellparts.h"
#include "widgets/twips.h"

namespace rp {

void BuildFrmDTMFCallBuilder(FormDialog& shell) {
    auto* dlg = &shell;
    auto* kind = new QHBoxLayout;
    kind->addWidget(SideLabel(dlg, dtmfcallbuilder::CallTypeCaption));
    auto* combo = Named<QComboBox>(dlg, dtmfcallbuilder::CallType);
    combo->setMinimumWidth(TwipsToPixelsX(dlg, 1400));
    kind->addWidget(combo, 1);
    auto* frame = Named<QGroupBox>(dlg, dtmfcallbuilder::TargetFrame);
    auto* target = new QHBoxLayout(frame);
    target->addWidget(SideLabel(frame, dtmfcallbuilder::TargetCaption));
    target->addWidget(Named<QLineEdit>(frame, dtmfcallbuilder::Target), 1);
    auto* top = new QVBoxLayout(dlg);
    top->addLayout(kind);
    top->addWidget(frame);
    top->addLayout(RightRow({Named<QPushButton>(dlg, kOKButton),
                             Named<QPushButton>(dlg, kCancelButton)}));
    FormBinder& b = dlg->Bind();
    b.SetEnterAsTab(true);
    b.StandBackFor({kCancelButton});
}

}  // namespace rp
