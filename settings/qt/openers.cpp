#include "settings/qt/openers.h"

#include "forms/savequestion.h"

namespace rp {

void RegisterSettingsDialogs(DialogOpeners& openers, SettingsDialogHooks hooks) {
    openers.Register("FrmAlert", [](const DialogContext& c) -> QDialog* { return MakeFrmAlert(c); });
    openers.Register("FrmScan", [](const DialogContext& c) -> QDialog* { return MakeFrmScan(c); });
    openers.Register("FrmEMG", [](const DialogContext& c) -> QDialog* { return MakeFrmEMG(c); });
    openers.Register("FrmModel", [askSave = hooks.askSave](const DialogContext& c) -> QDialog* {
        if (askSave) return MakeFrmModel(c, askSave);
        // The main window's save question, whose Yes runs its File > Save.
        return MakeFrmModel(c, [&d = c.d, &main = c.main] {
            return GoesOn(AskSaveQuestion(d, main, SaveQuestionText(d)));
        });
    });
    openers.Register("FrmInit", [](const DialogContext& c) -> QDialog* { return MakeFrmInit(c); });
    openers.Register("FrmCommuBook", [chooser = hooks.bookChooser](const DialogContext& c) -> QDialog* {
        return MakeFrmCommuBook(c, chooser);
    });
}

}  // namespace rp
