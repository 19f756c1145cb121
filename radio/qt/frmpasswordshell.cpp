#include <QGridLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>

#include "radio/frmpassword.h"
#include "radio/qt/openers.h"
#include "widgets/shellparts.h"
#include "widgets/twips.h"

namespace rp {

void BuildFrmPassWord(FormDialog& shell) {
    auto* dlg = &shell;
    auto* lay = new QGridLayout(dlg);
    lay->addWidget(SideLabel(dlg, password::Prompt), 0, 0);
    auto* text = Named<QLineEdit>(dlg, password::PassWord);
    // The style's own mask character is a bullet; the dialog shows "*".
    text->setEchoMode(QLineEdit::Password);
    text->setStyleSheet("lineedit-password-character: 42");
    text->setFixedWidth(TwipsToPixelsX(dlg, 1200));
    lay->addWidget(text, 0, 1);
    auto* buttons = new QHBoxLayout;
    for (const char* name : {kOKButton, kCancelButton}) buttons->addWidget(Named<QPushButton>(dlg, name));
    lay->addLayout(buttons, 1, 0, 1, 2);
    dlg->Bind();
    // Enter anywhere but on Cancel presses OK (Escape presses Cancel).
    dlg->findChild<QPushButton*>(kOKButton)->setDefault(true);
}

}  // namespace rp
