#include "app/openers.h"

#include "mainwindow/qt/openers.h"

namespace rp {

void RegisterAllDialogs(DialogOpeners& openers) {
    RegisterMainWindowDialogs(openers);
}

}  // namespace rp
