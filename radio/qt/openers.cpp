#include "radio/qt/openers.h"

#include "radio/frmcomset.h"
#include "radio/frmpassword.h"
#include "radio/frmtestdata.h"

namespace rp {

void RegisterRadioDialogs(DialogOpeners& openers) {
    openers.Register(FrmComSet::kName, BuildFrmComSet);
    openers.Register(FrmTestData::kName, BuildFrmTestData);
    openers.Register(FrmPassWord::kName, BuildFrmPassWord);
}

}  // namespace rp
