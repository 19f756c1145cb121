#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>

#include "mainwindow/frmabout.h"
#include "mainwindow/frmlanguage.h"
#include "mainwindow/qt/openers.h"

namespace rp {

void BuildFrmLanguage(FormDialog& shell) {
    auto* dlg = &shell;
    auto* lay = new QGridLayout(dlg);
    auto* label = new QLabel(dlg);
    label->setObjectName(language::Prompt);
    auto* combo = new QComboBox(dlg);
    combo->setObjectName(language::List);
    combo->setMinimumWidth(180);
    auto* ok = new QPushButton(dlg);
    ok->setObjectName(kOKButton);
    auto* cancel = new QPushButton(dlg);
    cancel->setObjectName(kCancelButton);
    lay->addWidget(label, 0, 0, 1, 2);
    lay->addWidget(combo, 1, 0, 1, 2);
    lay->addWidget(ok, 2, 0);
    lay->addWidget(cancel, 2, 1);
    dlg->Bind().StandBackFor({kCancelButton});
    // Enter anywhere but on Cancel presses OK (Escape presses Cancel).
    ok->setDefault(true);
}

void RegisterMainWindowDialogs(DialogOpeners& openers) {
    openers.Register(FrmLanguage::kName, BuildFrmLanguage);
    openers.Register(FrmAbout::kName, BuildFrmAbout);
}

}  // namespace rp
