// The special-call builder's widgets; the builder holds every rule.
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QPushButton>

#include "fivetone/frmspecial.h"
#include "fivetone/qt/openers.h"
#include "fivetone/qt/shellparts.h"
#include "widgets/shellparts.h"
#include "widgets/twips.h"

namespace rp {

FormDialog* MakeSpecialCallDialog(std::unique_ptr<FrmSpecial> owned, QWidget* parent) {
    auto* dlg = new FormDialog(std::move(owned), parent);
    auto tw = [dlg](int twips) { return TwipsToPixelsX(dlg, twips); };
    auto* entries = Named<QComboBox>(dlg, "Combo1_0");
    auto* kinds = Named<QComboBox>(dlg, "Combo1_1");
    auto* frame2 = Named<QGroupBox>(dlg, "Frame2");
    auto* id0 = Named<SelectAllLineEdit>(frame2, "Text1_0");
    auto* message = Named<SelectAllLineEdit>(frame2, "Text2");
    message->setMinimumWidth(tw(2400));
    auto* frame4 = Named<QGroupBox>(dlg, "Frame4");
    auto* id1 = Named<SelectAllLineEdit>(frame4, "Text1_1");
    auto* separator = Named<QComboBox>(dlg, "Combo3");
    auto* ok = Named<QPushButton>(dlg, "CommandOK");
    auto* cancel = Named<QPushButton>(dlg, "CommandCancel");

    auto* head = PairGrid(dlg);
    head->addWidget(SideLabel(dlg, "Label1_0"), 0, 0);
    head->addWidget(entries, 0, 1);
    head->addWidget(SideLabel(dlg, "Label1_1"), 1, 0);
    head->addWidget(kinds, 1, 1);
    auto* g2 = PairGrid(dlg);
    g2->addWidget(SideLabel(frame2, "Label2_0"), 0, 0);
    g2->addWidget(id0, 0, 1);
    g2->addWidget(SideLabel(frame2, "Label3"), 1, 0);
    g2->addWidget(message, 1, 1);
    frame2->setLayout(g2);
    auto* g4 = PairGrid(dlg);
    g4->addWidget(SideLabel(frame4, "Label2_1"), 0, 0);
    g4->addWidget(id1, 0, 1);
    g4->setRowStretch(1, 1);
    frame4->setLayout(g4);
    auto* sep = PairGrid(dlg);
    sep->addWidget(SideLabel(dlg, "Label5"), 0, 0);
    sep->addWidget(separator, 0, 1);
    sep->setColumnStretch(2, 1);
    auto* buttons = RightRow({ok, cancel});

    auto* main = new QGridLayout(dlg);
    main->addLayout(head, 0, 0);
    main->addWidget(frame2, 1, 0);  // the two frames lie on the same spot
    main->addWidget(frame4, 1, 0);
    main->addLayout(sep, 2, 0);
    main->addLayout(buttons, 3, 0);
    main->setRowStretch(1, 1);
    dlg->Bind().StandBackFor({"CommandCancel"});
    return dlg;
}

}  // namespace rp
