// The bank dialog's shell: left to right the bank list, the bank's channels,
// the two move buttons one above the other and the other channels, each list
// under its label; OK and Cancel below. The binder mirrors the form and
// reports the picks (a list's chosen item is its selected one).
#include <QGridLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "channels/frmbank.h"
#include "channels/frmbankcontrols.h"
#include "channels/qt/openers.h"
#include "widgets/shellparts.h"
#include "widgets/twips.h"

namespace rp {

namespace {

void BuildShell(FormDialog& dlg) {
    auto list = [&](const std::string& n, int widthTwips) {
        auto* l = Named<QListWidget>(&dlg, n);
        l->setSelectionMode(QAbstractItemView::SingleSelection);
        l->setFixedWidth(TwipsToPixelsX(&dlg, widthTwips));
        l->setMinimumHeight(TwipsToPixelsY(&dlg, 3600));
        return l;
    };
    auto* grid = new QGridLayout;
    grid->addWidget(Named<QLabel>(&dlg, bank::BanksLabel), 0, 0);
    grid->addWidget(list(bank::Banks, 1200), 1, 0);
    grid->addWidget(Named<QLabel>(&dlg, bank::InBankLabel), 0, 1);
    grid->addWidget(list(bank::InBank, 1800), 1, 1);
    auto* moves = new QVBoxLayout;
    moves->addStretch();
    for (const char* name : {bank::MoveIn, bank::MoveOut}) {
        auto* b = Named<QPushButton>(&dlg, name);
        b->setFixedWidth(TwipsToPixelsX(&dlg, 600));
        moves->addWidget(b);
    }
    moves->addStretch();
    grid->addLayout(moves, 1, 2);
    grid->addWidget(Named<QLabel>(&dlg, bank::OthersLabel), 0, 3);
    grid->addWidget(list(bank::Others, 1800), 1, 3);

    auto* outer = new QVBoxLayout(&dlg);
    outer->addLayout(grid);
    outer->addLayout(
        RightRow({Named<QPushButton>(&dlg, kOKButton), Named<QPushButton>(&dlg, kCancelButton)}));
}

}  // namespace

void BuildFrmBank(FormDialog& shell) {
    auto* dlg = &shell;
    BuildShell(*dlg);
    dlg->Bind();
}

}  // namespace rp
