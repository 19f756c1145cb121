#pragma once
// The settings dialogs' openers: each makes its form, runs Form_Load, lays
// out the shell and binds it; the main window opens them by name.
#include "core/filechooser.h"
#include "settings/frmmodel.h"
#include "widgets/dialoghost.h"

namespace rp {

// What the settings dialogs take from outside besides the data.
struct SettingsDialogHooks {
    // The save question for the model dialog (empty: the main window's,
    // forms/savequestion.h, with its File > Save).
    FrmModel::SaveQuestionStep askSave;
    // The book dialog's choosers (null: the program's, d.Ui.Files).
    // Must outlive every book dialog.
    FileChooser* bookChooser = nullptr;
};

// Registers FrmAlert, FrmScan, FrmEMG, FrmModel, FrmInit and FrmCommuBook.
void RegisterSettingsDialogs(DialogOpeners& openers, SettingsDialogHooks hooks = {});

// The dialogs, loaded and bound, not yet shown.
FormDialog* MakeFrmAlert(const DialogContext& c);
FormDialog* MakeFrmScan(const DialogContext& c);
FormDialog* MakeFrmEMG(const DialogContext& c);
FormDialog* MakeFrmModel(const DialogContext& c, FrmModel::SaveQuestionStep askSave = {});
FormDialog* MakeFrmInit(const DialogContext& c);
FormDialog* MakeFrmCommuBook(const DialogContext& c, FileChooser* chooser = nullptr);

}  // namespace rp
