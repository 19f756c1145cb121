#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "radio/frmpassword.h"
#include "radio/qt/openers.h"
#include "widgets/twips.h"

namespace rp {

FormDialog* MakePassWordDialog(const DialogContext& c) {
    auto form = std::make_unique<FrmPassWord>(c.d);
    form->Form_Load();
    auto* dlg = new FormDialog(std::move(form), c.parent);
    auto* lay = new QGridLayout(dlg);
    auto* label = new QLabel(dlg);
    label->setObjectName("Label1");
    label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    auto* text = new QLineEdit(dlg);
    text->setObjectName("Text1");
    // The style's own mask character is a bullet; the dialog shows "*".
    text->setEchoMode(QLineEdit::Password);
    text->setStyleSheet("lineedit-password-character: 42");
    text->setFixedWidth(TwipsToPixelsX(dlg, 1200));
    lay->addWidget(label, 0, 0);
    lay->addWidget(text, 0, 1);
    auto* buttons = new QHBoxLayout;
    for (const char* name : {"CommandOK", "CommandCancel"}) {
        auto* b = new QPushButton(dlg);
        b->setObjectName(name);
        buttons->addWidget(b);
    }
    lay->addLayout(buttons, 1, 0, 1, 2);
    dlg->Bind();
    return dlg;
}

void RegisterTransferDialogs(DialogOpeners& openers) {
    openers.Register("FrmPassWord", [](const DialogContext& c) -> QDialog* { return MakePassWordDialog(c); });
}

}  // namespace rp
