#include "app/openers.h"

#include "mainwindow/qt/openers.h"
#include "signalling/qt/openers.h"

namespace rp {

void RegisterAllDialogs(DialogOpeners& openers) {
    RegisterMainWindowDialogs(openers);
    RegisterSignallingDialogs(openers);
}

}  // namespace rp
