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
#include "signalling/mskrules.h"
#include "signalling/qt/openers.h"
#include "widgets/shellparts.h"
#include "widgets/twips.h"

namespace rp {

namespace {

std::string N(const char* base, int i) { return std::string(base) + "_" + std::to_string(i); }

QWidget* GroupPage(QWidget* parent) {
    auto* page = new QWidget(parent);
    auto* lay = new QVBoxLayout(page);
    auto* pick = new QHBoxLayout;
    pick->addWidget(SideLabel(page, "Label1_0"));
    pick->addWidget(Named<QComboBox>(page, "Combo1_0"));
    pick->addStretch(1);
    auto* frame = Named<QGroupBox>(page, "Frame1");
    auto* g = new QGridLayout(frame);
    g->addWidget(Named<QCheckBox>(frame, "Check2"), 0, 1);
    g->addWidget(SideLabel(frame, "Label1_1"), 1, 0);
    g->addWidget(Named<QComboBox>(frame, "Combo1_1"), 1, 1);
    for (int i = 0; i < 4; ++i) {
        g->addWidget(SideLabel(frame, N("Label4", i)), 2 + i, 0);
        g->addWidget(Named<SelectAllLineEdit>(frame, N("Text1", i)), 2 + i, 1);
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
    for (int i = 0; i < 3; ++i) {
        g->addWidget(SideLabel(page, N("Label3", i)), i, 0);
        g->addWidget(Named<SelectAllLineEdit>(page, N("Text2", i)), i, 1);
    }
    for (int i = 0; i < 4; ++i) {
        g->addWidget(SideLabel(page, N("Label2", i)), 3 + i, 0);
        g->addWidget(Named<QComboBox>(page, N("Combo2", i)), 3 + i, 1);
    }
    g->addWidget(Named<QCheckBox>(page, "Check1"), 7, 1);
    g->setColumnStretch(2, 1);
    g->setRowStretch(8, 1);
    return page;
}

}  // namespace

void BuildMSKDialog(FormDialog& shell) {
    auto* dlg = &shell;
    auto* tabs = Named<QTabWidget>(dlg, "SSTab1");
    tabs->addTab(GroupPage(tabs), QString());
    tabs->addTab(HeaderPage(tabs), QString());
    tabs->setMinimumWidth(TwipsToPixelsX(dlg, 5200));
    auto* buttons = RightRow({Named<QPushButton>(dlg, "CommandOK"), Named<QPushButton>(dlg, "CommandCancel")});
    auto* top = new QVBoxLayout(dlg);
    top->addWidget(tabs);
    top->addLayout(buttons);
    FormBinder& b = dlg->Bind();
    b.SetEnterAsTab(true);
    b.StandBackFor({"CommandCancel"});
}

}  // namespace rp
