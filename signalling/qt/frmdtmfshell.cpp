// The DTMF dialog and its special-call builder: layout only.
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

#include "signalling/frmdtmf.h"
#include "signalling/qt/openers.h"
#include "widgets/shellparts.h"
#include "widgets/twips.h"

namespace rp {

namespace {

QHBoxLayout* OkCancelRow(QWidget* dlg) {
    return RightRow({Named<QPushButton>(dlg, "CommandOK"), Named<QPushButton>(dlg, "CommandCancel")});
}

}  // namespace

void BuildDTMFDialog(FormDialog& shell) {
    auto* dlg = &shell;
    const int listWidth = TwipsToPixelsX(dlg, 1400);
    const int codeWidth = TwipsToPixelsX(dlg, 2600);

    // Left: the settings, label beside list.
    auto* settings = new QGridLayout;
    for (int i = 1; i <= 12; ++i) {
        settings->addWidget(SideLabel(dlg, "Label3_" + std::to_string(i)), i, 0);
        QWidget* w = nullptr;
        if (i == 4) {
            w = Named<SelectAllLineEdit>(dlg, "Text3");
        } else {
            w = Named<QComboBox>(dlg, "Combo1_" + std::to_string(i));
        }
        w->setMinimumWidth(listWidth);
        settings->addWidget(w, i, 1);
    }
    settings->addWidget(Named<QCheckBox>(dlg, "Check1"), 13, 1);
    settings->setRowStretch(14, 1);

    // Right: the memory codes in two columns, then the four codes of their own.
    auto* frame = Named<QGroupBox>(dlg, "Frame1");
    auto* codes = new QGridLayout(frame);
    for (int i = 0; i < 16; ++i) {
        const int row = i % 8, col = (i / 8) * 2;
        codes->addWidget(SideLabel(frame, "Label1_" + std::to_string(i)), row, col);
        auto* box = Named<SelectAllLineEdit>(frame, "Text2_" + std::to_string(i));
        box->setMinimumWidth(codeWidth);
        codes->addWidget(box, row, col + 1);
    }
    codes->addWidget(Named<QLabel>(frame, "Label2"), 8, 0, 1, 4);
    auto* own = new QGridLayout;
    for (int i = kDtmfBeginBox; i <= kDtmfStunBox; ++i) {
        own->addWidget(SideLabel(dlg, "Label1_" + std::to_string(i)), i, 0);
        auto* box = Named<SelectAllLineEdit>(dlg, "Text2_" + std::to_string(i));
        box->setMinimumWidth(codeWidth);
        own->addWidget(box, i, 1);
    }
    own->addWidget(Named<QPushButton>(dlg, "CommandSpecial"), kDtmfBeginBox, 2);
    own->setColumnStretch(3, 1);
    auto* right = new QVBoxLayout;
    right->addWidget(frame);
    right->addLayout(own);
    right->addStretch(1);

    auto* columns = new QHBoxLayout;
    columns->addLayout(settings);
    columns->addSpacing(TwipsToPixelsX(dlg, 200));
    columns->addLayout(right, 1);
    auto* top = new QVBoxLayout(dlg);
    top->addLayout(columns);
    top->addLayout(OkCancelRow(dlg));

    FormBinder& b = dlg->Bind();
    b.SetEnterAsTab(true);
    b.StandBackFor({"CommandCancel"});
}

void BuildDTMFSpecialDialog(FormDialog& shell) {
    auto* dlg = &shell;
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
    top->addLayout(OkCancelRow(dlg));
    FormBinder& b = dlg->Bind();
    b.SetEnterAsTab(true);
    b.StandBackFor({"CommandCancel"});
}

}  // namespace rp
