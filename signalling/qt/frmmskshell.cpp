// The MSK dialog: layout only.
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

#include "signalling/frmmsk.h"
#include "signalling/frmmskcontrols.h"
#include "signalling/mskrules.h"
#include "signalling/qt/openers.h"
#include "widgets/shellparts.h"
#include "widgets/twips.h"

namespace rp {

namespace {

// A caption and the control it names.
struct Row {
    const char* caption;
    const char* control;
};

QWidget* GroupPage(QWidget* parent) {
    auto* page = new QWidget(parent);
    auto* lay = new QVBoxLayout(page);
    auto* pick = new QHBoxLayout;
    pick->addWidget(SideLabel(page, msk::GroupListCaption));
    pick->addWidget(Named<QComboBox>(page, msk::GroupList));
    pick->addStretch(1);
    auto* frame = Named<QGroupBox>(page, msk::GroupFrame);
    auto* g = new QGridLayout(frame);
    g->addWidget(Named<QCheckBox>(frame, msk::GroupValid), 0, 1);
    g->addWidget(SideLabel(frame, msk::CallTypeCaption), 1, 0);
    g->addWidget(Named<QComboBox>(frame, msk::CallType), 1, 1);
    const Row boxes[] = {{msk::IndividualIdCaption, msk::IndividualId},
                         {msk::GroupIdCaption, msk::GroupId},
                         {msk::InfoCodeCaption, msk::InfoCode},
                         {msk::GroupNameCaption, msk::GroupName}};
    for (int i = 0; i < 4; ++i) {
        g->addWidget(SideLabel(frame, boxes[i].caption), 2 + i, 0);
        g->addWidget(Named<QLineEdit>(frame, boxes[i].control), 2 + i, 1);
    }
    g->setColumnStretch(2, 1);
    lay->addLayout(pick);
    lay->addWidget(frame);
    lay->addStretch(1);
    return page;
}

QWidget* HeaderPage(QWidget* parent) {
    auto* page = new QWidget(parent);
    auto* g = new QGridLayout(page);
    const Row boxes[] = {{msk::OwnIdCaption, msk::OwnId},
                         {msk::OwnGroupIdCaption, msk::OwnGroupId},
                         {msk::FrequencyCaption, msk::Frequency}};
    for (int i = 0; i < 3; ++i) {
        g->addWidget(SideLabel(page, boxes[i].caption), i, 0);
        g->addWidget(Named<QLineEdit>(page, boxes[i].control), i, 1);
    }
    const Row lists[] = {{msk::PreSendDelayCaption, msk::PreSendDelay},
                         {msk::PttIdCaption, msk::PttId},
                         {msk::DecodeResponseCaption, msk::DecodeResponse},
                         {msk::ResetTimeCaption, msk::ResetTime}};
    for (int i = 0; i < 4; ++i) {
        g->addWidget(SideLabel(page, lists[i].caption), 3 + i, 0);
        g->addWidget(Named<QComboBox>(page, lists[i].control), 3 + i, 1);
    }
    g->addWidget(Named<QCheckBox>(page, msk::SideTone), 7, 1);
    g->setColumnStretch(2, 1);
    g->setRowStretch(8, 1);
    return page;
}

}  // namespace

void BuildFrmMSK(FormDialog& shell) {
    auto* dlg = &shell;
    auto* tabs = Named<QTabWidget>(dlg, msk::Tabs);
    tabs->addTab(GroupPage(tabs), QString());
    tabs->addTab(HeaderPage(tabs), QString());
    tabs->setMinimumWidth(TwipsToPixelsX(dlg, 5200));
    auto* buttons =
        RightRow({Named<QPushButton>(dlg, kOKButton), Named<QPushButton>(dlg, kCancelButton)});
    auto* top = new QVBoxLayout(dlg);
    top->addWidget(tabs);
    top->addLayout(buttons);
    FormBinder& b = dlg->Bind();
    b.SetEnterAsTab(true);
    b.StandBackFor({kCancelButton});
}

}  // namespace rp
