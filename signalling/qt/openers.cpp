#include "signalling/qt/openers.h"

namespace rp {

void RegisterSignallingDialogs(DialogOpeners& openers) {
    openers.Register("FrmDTMF", BuildDTMFDialog);
    openers.Register("FrmDTMFSpecial", BuildDTMFSpecialDialog);
    openers.Register("Frm2Tone", Build2ToneDialog);
    openers.Register("FrmMSK", BuildMSKDialog);
}

}  // namespace rp
