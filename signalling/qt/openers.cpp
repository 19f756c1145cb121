#include "signalling/qt/openers.h"

namespace rp {

void RegisterSignallingDialogs(DialogOpeners& openers) {
    openers.Register("FrmDTMF", [](const DialogContext& c) -> QDialog* { return MakeDTMFDialog(c); });
    openers.Register("Frm2Tone", [](const DialogContext& c) -> QDialog* { return Make2ToneDialog(c); });
    openers.Register("FrmMSK", [](const DialogContext& c) -> QDialog* { return MakeMSKDialog(c); });
}

}  // namespace rp
