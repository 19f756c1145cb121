// The print-item dialog: the item tick boxes in one column on the left,
// Select All, Clear All and Set on the right, OK and Cancel at the bottom
// right. Tick boxes 1 and 2 exist but are never shown.
#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

#include "printing/frmprintlist.h"
#include "printing/qt/openers.h"
#include "widgets/shellparts.h"
#include "widgets/twips.h"

namespace rp {

namespace {

QPushButton* Button(QWidget* parent, const char* name) {
    auto* b = new QPushButton(parent);
    b->setObjectName(name);
    b->setMinimumWidth(TwipsToPixelsX(parent, 1215));
    return b;
}

}  // namespace

void BuildFrmPrintList(FormDialog& shell, PrintingDialogHooks hooks) {
    auto* dlg = &shell;
    auto port = std::make_unique<QtPrinterPort>(std::move(hooks.chooser), std::move(hooks.clock));
    port->SetParent(dlg);
    dlg->FormAs<FrmPrintList>().SetPort(std::move(port));

    auto* items = new QVBoxLayout;
    for (int i : {0, 3, 4, 5, 6, 7, 8, 9, 1, 2}) {
        auto* box = new QCheckBox(dlg);
        box->setObjectName(QString::fromStdString(printlist::Items[i]));
        items->addWidget(box);
    }
    items->addStretch();

    auto* side = new QVBoxLayout;
    for (const char* name : {printlist::SelectAll, printlist::ClearAll, printlist::Setup})
        side->addWidget(Button(dlg, name));
    side->addStretch();

    auto* upper = new QHBoxLayout;
    upper->addLayout(items);
    upper->addSpacing(TwipsToPixelsX(dlg, 600));
    upper->addLayout(side);

    auto* bottom = RightRow({Button(dlg, printlist::Print), Button(dlg, printlist::Cancel)});

    auto* top = new QVBoxLayout(dlg);
    top->addLayout(upper);
    top->addLayout(bottom);
    top->setSizeConstraint(QLayout::SetFixedSize);
    dlg->Bind();
}

void RegisterPrintingDialogs(DialogOpeners& openers, PrintingDialogHooks hooks) {
    openers.Register(FrmPrintList::kName, [hooks](FormDialog& dlg) { BuildFrmPrintList(dlg, hooks); });
}

}  // namespace rp
