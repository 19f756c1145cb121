#include "radio/qt/openers.h"

namespace rp {

void RegisterRadioDialogs(DialogOpeners& openers) { RegisterTransferDialogs(openers); }

}  // namespace rp
