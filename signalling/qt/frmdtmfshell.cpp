// The DTMF dialog: layout only.
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

#include "signalling/frmdtmf.h"
#include "signalling/frmdtmfcontrols.h"
#include "signalling/dtmfcallbuilder.h"
#include "signalling/qt/openers.h"
#include "widgets/shellparts.h"
#include "widgets/twips.h"

namespace rp {

void BuildFrmDTMF(FormDialog& shell) {
    auto* dlg = &shell;
    const int listWidth = TwipsToPixelsX(dlg, 1400);
    const int codeWidth = TwipsToPixelsX(dlg, 2600);

    // Left: the settings, caption beside control.
    auto* settings = new QGridLayout;
    for (int row = 1; row <= dtmf::kSettingRows; ++row) {
        settings->addWidget(SideLabel(dlg, dtmf::SettingCaptions[row]), row, 0);
        const char* setting = dtmf::kSettings[row - 1];
        QWidget* w = nullptr;
        if (setting == std::string_view(dtmf::OwnId)) {
            w = Named<QLineEdit>(dlg, setting);
        } else {
            w = Named<QComboBox>(dlg, setting);
        }
        w->setMinimumWidth(listWidth);
        settings->addWidget(w, row, 1);
    }
    settings->addWidget(Named<QCheckBox>(dlg, dtmf::SideTone), 13, 1);
    settings->setRowStretch(14, 1);

    // Right: the memory codes in two columns, then the four codes of their own.
    auto* frame = Named<QGroupBox>(dlg, dtmf::MemoryFrame);
    auto* codes = new QGridLayout(frame);
    for (int i = 0; i < 16; ++i) {
        const int row = i % 8, col = (i / 8) * 2;
        codes->addWidget(SideLabel(frame, dtmf::CodeCaptions[i]), row, col);
        auto* box = Named<QLineEdit>(frame, dtmf::CodeBoxes[i]);
        box->setMinimumWidth(codeWidth);
        codes->addWidget(box, row, col + 1);
    }
    codes->addWidget(Named<QLabel>(frame, dtmf::MemoryNote), 8, 0, 1, 4);
    auto* own = new QGridLayout;
    for (int i = kDtmfBeginBox; i <= kDtmfStunBox; ++i) {
        own->addWidget(SideLabel(dlg, dtmf::CodeCaptions[i]), i, 0);
        auto* box = Named<QLineEdit>(dlg, dtmf::CodeBoxes[i]);
        box->setMinimumWidth(codeWidth);
        own->addWidget(box, i, 1);
    }
    own->addWidget(Named<QPushButton>(dlg, dtmf::SpecialButton), kDtmfBeginBox, 2);
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
    top->addLayout(
        RightRow({Named<QPushButton>(dlg, kOKButton), Named<QPushButton>(dlg, kCancelButton)}));

    FormBinder& b = dlg->Bind();
    b.SetEnterAsTab(true);
    b.StandBackFor({kCancelButton});
}

}  // namespace rp
