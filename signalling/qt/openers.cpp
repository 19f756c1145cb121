#include "signalling/qt/openers.h"

#include "signalling/dtmfcallbuilder.h"
#include "signalling/frm2tone.h"
#include "signalling/frmdtmf.h"
#include "signalling/frmmsk.h"

namespace rp {

void RegisterSignallingDialogs(DialogOpeners& openers) {
    openers.Register(FrmDTMF::kName, BuildFrmDTMF);
    openers.Register(FrmDTMFCallBuilder::kName, BuildFrmDTMFCallBuilder);
    openers.Register(Frm2Tone::kName, BuildFrm2Tone);
    openers.Register(FrmMSK::kName, BuildFrmMSK);
}

}  // namespace rp
