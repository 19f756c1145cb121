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
    const std::pair<const char*, const char*> boxes[] = {
        {"Label2", "Text1_0"},   {"Label1_0", "Text1_6"}, {"Label1_9", "Text1_7"},
        {"Label1_1", "Combo1_0"}, {"Label1_2", "Combo1_1"}, {"Label1_3", "Text1_1"},
        {"Label1_4", "Text1_2"}, {"Label1_5", "Text1_3"}, {"Label1_8", "Text1_5"},
    };
    int row = 0;
    for (auto [label, box] : boxes) {
        rows->addWidget(SideLabel(dlg, label), row, 0);
        if (std::string_view(box).starts_with("Combo"))
            rows->addWidget(NamedCombo(dlg, box, 3600), row, 1);
        else
            rows->addWidget(Box(dlg, box), row, 1);
        ++row;
    }
    // The version box looks like the window behind it.
    auto* version = dlg->findChild<QLineEdit*>("Text1_5");
    QPalette pal = version->palette();
    pal.setColor(QPalette::Base, dlg->palette().color(QPalette::Window));
    version->setPalette(pal);
    // The maintenance reason: three rows, its two caption labels stacked.
    auto* reasonCaption = new QVBoxLayout;
    reasonCaption->addWidget(SideLabel(dlg, "Label1_6"));
    reasonCaption->addWidget(SideLabel(dlg, "Label1_7"));
    reasonCaption->addStretch();
    rows->addLayout(reasonCaption, row, 0);
    auto* reason = new QPlainTextEdit(dlg);
    reason->setObjectName("Text1_4");
    reason->setFixedHeight(3 * reason->fontMetrics().lineSpacing() + 2 * reason->frameWidth() +
                           static_cast<int>(2 * reason->document()->documentMargin()));
    rows->addWidget(reason, row++, 1);

    auto* frame = new QGroupBox(dlg);
    frame->setObjectName("Frame1");
    auto* dealer = new QGridLayout(frame);
    SetCaptionGap(dealer, dlg, 50);
    for (int i = 0; i < 4; ++i) {
        dealer->addWidget(SideLabel(frame, "Label1_" + std::to_string(10 + i)), i, 0);
        dealer->addWidget(Box(frame, ("Text1_" + std::to_string(8 + i)).c_str()), i, 1);
    }
    rows->addWidget(frame, row++, 0, 1, 2);

    auto* buttons = RightRow({NamedButton(dlg, "CommandClose"), NamedButton(dlg, "CommandHelp")});
    auto* top = new QVBoxLayout(dlg);
    top->addLayout(rows);
    top->addLayout(buttons);
    top->setSizeConstraint(QLayout::SetFixedSize);
    dlg->Bind();
}

}  // namespace rp
