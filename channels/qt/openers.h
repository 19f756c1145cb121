#pragma once
// The dialogs of the channels folder: FrmCHEdit, FrmBank, FrmCHBatch.
#include "widgets/dialoghost.h"

namespace rp {

void RegisterChannelDialogs(DialogOpeners& openers);
// The channel dialog, loaded and bound (also for the control-name check).
FormDialog* MakeChEditDialog(const DialogContext& c);
// The bank dialog, loaded and bound.
FormDialog* MakeBankDialog(const DialogContext& c);
// The batch channel editor, loaded and bound.
FormDialog* MakeChBatchDialog(const DialogContext& c);

}  // namespace rp
