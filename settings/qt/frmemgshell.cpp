// The embedded-information view: captioned boxes top to bottom, the dealer
// data in its frame, Close and Help below.
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "settings/frmemg.h"
#include "settings/frmemgcontrols.h"
#include "settings/qt/openers.h"
#include "settings/qt/shellparts.h"
#include "widgets/twips.h"

namespace rp {

namespace {

QLineEdit* Box(QWidget* parent, const char* name) {
    auto* e = new QLineEdit(parent);
    e->setObjectName(name);
    e->setMinimumWidth(TwipsToPixelsX(parent, 3600));
    return e;
}

}  // namespace

void BuildFrmEMG(FormDialog& shell) {
    auto* dlg = &shell;
    auto* rows = new QGridLayout;
    SetCaptionGap(rows, dlg, 50);
    int row = 0;
    for (auto [label, box] : emg::kBoxes) {
        rows->addWidget(SideLabel(dlg, label), row, 0);
        if (std::string_view(box) == emg::Model || std::string_view(box) == emg::Band)
            rows->addWidget(NamedCombo(dlg, box, 3600), row, 1);
        else
            rows->addWidget(Box(dlg, box), row, 1);
        ++row;
    }
    // The version box looks like the window behind it.
    auto* version = dlg->findChild<QLineEdit*>(emg::Version);
    QPalette pal = version->palette();
    pal.setColor(QPalette::Base, dlg->palette().color(QPalette::Window));
    version->setPalette(pal);
    // The maintenance reason: three rows, its two caption labels stacked.
    auto* reasonCaption = new QVBoxLayout;
    reasonCaption->addWidget(SideLabel(dlg, emg::MaintainReasonLabel));
    reasonCaption->addWidget(SideLabel(dlg, emg::MaintainReasonLabel2));
    reasonCaption->addStretch();
    rows->addLayout(reasonCaption, row, 0);
    auto* reason = new QPlainTextEdit(dlg);
    reason->setObjectName(emg::MaintainReason);
    reason->setFixedHeight(3 * reason->fontMetrics().lineSpacing() + 2 * reason->frameWidth() +
                           static_cast<int>(2 * reason->document()->documentMargin()));
    rows->addWidget(reason, row++, 1);

    auto* frame = new QGroupBox(dlg);
    frame->setObjectName(emg::DealerFrame);
    auto* dealer = new QGridLayout(frame);
    SetCaptionGap(dealer, dlg, 50);
    int dealerRow = 0;
    for (auto [label, box] : emg::kDealerBoxes) {
        dealer->addWidget(SideLabel(frame, label), dealerRow, 0);
        dealer->addWidget(Box(frame, box), dealerRow++, 1);
    }
    rows->addWidget(frame, row++, 0, 1, 2);

    auto* buttons = RightRow({NamedButton(dlg, kCloseButton), NamedButton(dlg, kHelpButton)});
    auto* top = new QVBoxLayout(dlg);
    top->addLayout(rows);
    top->addLayout(buttons);
    top->setSizeConstraint(QLayout::SetFixedSize);
    dlg->Bind();
}

}  // namespace rp
