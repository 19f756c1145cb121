#include "radio/qt/openers.h"

namespace rp {

void RegisterRadioDialogs(DialogOpeners& openers) {
    openers.Register("FrmComSet", BuildFrmComSet);
    openers.Register("FrmTestData", BuildFrmTestData);
    openers.Register("FrmPassWord", BuildPassWordDialog);
}

}  // namespace rp
