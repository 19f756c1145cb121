#pragma once
// The dialogs of the channels folder: FrmCHEdit, FrmBank, FrmCHBatch.
#include "widgets/dialoghost.h"

namespace rp {

void RegisterChannelDialogs(DialogOpeners& openers);
// The shells: each lays out and binds its form's dialog.
void BuildChEditDialog(FormDialog& dlg);
void BuildBankDialog(FormDialog& dlg);
void BuildChBatchDialog(FormDialog& dlg);

}  // namespace rp
