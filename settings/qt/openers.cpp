#include "settings/qt/openers.h"

namespace rp {

void RegisterSettingsDialogs(DialogOpeners& openers) {
    openers.Register("FrmAlert", BuildFrmAlert);
    openers.Register("FrmScan", BuildFrmScan);
    openers.Register("FrmEMG", BuildFrmEMG);
    openers.Register("FrmModel", BuildFrmModel);
    openers.Register("FrmInit", BuildFrmInit);
    openers.Register("FrmCommuBook", BuildFrmCommuBook);
}

}  // namespace rp
