#pragma once
// The dialogs of the channels folder: FrmCHEdit, FrmBank, FrmCHBatch.
#include "widgets/dialoghost.h"

namespace rp {

void RegisterChannelDialogs(DialogOpeners& openers);
// The shells: each lays out and binds its form's dialog.
void BuildFrmCHEdit(FormDialog& dlg);
void BuildFrmBank(FormDialog& dlg);
void BuildFrmCHBatch(FormDialog& dlg);

}  // namespace rp
