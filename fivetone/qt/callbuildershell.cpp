// The special-call builder's widgets; the builder holds every rule.
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QPushButton>

#include "fivetone/callbuilder.h"
#include "fivetone/callbuildercontrols.h"
#include "fivetone/qt/openers.h"
#include "fivetone/qt/shellparts.h"
#include "widgets/shellparts.h"
#include "widgets/twips.h"

namespace rp {

void BuildFrmCallBuilder(FormDialog& shell) {
    using namespace callbuilder;
    auto* dlg = &shell;
    auto tw = [dlg](int twips) { return TwipsToPixelsX(dlg, twips); };
    auto* entries = Named<QComboBox>(dlg, Entry);
    auto* kinds = Named<QComboBox>(dlg, CallType);
    auto* frame2 = Named<QGroupBox>(dlg, DataMessageFrame);
    auto* id0 = Named<QLineEdit>(frame2, CalledIds[0]);
    auto* message = Named<QLineEdit>(frame2, Message);
    message->setMinimumWidth(tw(2400));
    auto* frame4 = Named<QGroupBox>(dlg, OwnIdCallFrame);
    auto* id1 = Named<QLineEdit>(frame4, CalledIds[1]);
    auto* separator = Named<QComboBox>(dlg, Separator);
    auto* ok = Named<QPushButton>(dlg, kOKButton);
    auto* cancel = Named<QPushButton>(dlg, kCancelButton);

    auto* head = PairGrid(dlg);
    head->addWidget(SideLabel(dlg, EntryLabel), 0, 0);
    head->addWidget(entries, 0, 1);
    head->addWidget(SideLabel(dlg, CallTypeLabel), 1, 0);
    head->addWidget(kinds, 1, 1);
    auto* g2 = PairGrid(dlg);
    g2->addWidget(SideLabel(frame2, CalledIdLabels[0]), 0, 0);
    g2->addWidget(id0, 0, 1);
    g2->addWidget(SideLabel(frame2, MessageLabel), 1, 0);
    g2->addWidget(message, 1, 1);
    frame2->setLayout(g2);
    auto* g4 = PairGrid(dlg);
    g4->addWidget(SideLabel(frame4, CalledIdLabels[1]), 0, 0);
    g4->addWidget(id1, 0, 1);
    g4->setRowStretch(1, 1);
    frame4->setLayout(g4);
    auto* sep = PairGrid(dlg);
    sep->addWidget(SideLabel(dlg, SeparatorLabel), 0, 0);
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
    dlg->Bind().StandBackFor({kCancelButton});
}

}  // namespace rp
