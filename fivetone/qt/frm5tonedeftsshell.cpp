// The user tone set's widgets; the form holds every rule.
#include <QGridLayout>
#include <QPushButton>

#include "fivetone/frm5tonedefts.h"
#include "fivetone/frm5tonedeftscontrols.h"
#include "fivetone/qt/openers.h"
#include "fivetone/qt/shellparts.h"
#include "widgets/shellparts.h"
#include "widgets/twips.h"

namespace rp {

void BuildFrm5ToneDefTS(FormDialog& shell) {
    using namespace fivetonedefts;
    auto* dlg = &shell;
    auto* g = PairGrid(dlg);
    for (int i = 0; i < 16; ++i) {
        auto* box = Named<QLineEdit>(dlg, ToneBoxes[i]);
        box->setFixedWidth(TwipsToPixelsX(dlg, 1000));
        const int row = i % 8, col = i < 8 ? 0 : 2;
        g->addWidget(SideLabel(dlg, DigitLabels[i]), row, col);
        g->addWidget(box, row, col + 1);
    }
    auto* ok = Named<QPushButton>(dlg, kOKButton);
    auto* cancel = Named<QPushButton>(dlg, kCancelButton);
    g->addWidget(ok, 8, 1);
    g->addWidget(cancel, 8, 3);
    dlg->setLayout(g);
    dlg->Bind().StandBackFor({kCancelButton});
}

}  // namespace rp
