#include "settings/qt/openers.h"

#include "settings/frmalert.h"
#include "settings/frmcommubook.h"
#include "settings/frmemg.h"
#include "settings/frminit.h"
#include "settings/frmmodel.h"
#include "settings/frmscan.h"

namespace rp {

void RegisterSettingsDialogs(DialogOpeners& openers) {
    openers.Register(FrmAlert::kName, BuildFrmAlert);
    openers.Register(FrmScan::kName, BuildFrmScan);
    openers.Register(FrmEMG::kName, BuildFrmEMG);
    openers.Register(FrmModel::kName, BuildFrmModel);
    openers.Register(FrmInit::kName, BuildFrmInit);
    openers.Register(FrmCommuBook::kName, BuildFrmCommuBook);
}

}  // namespace rp
