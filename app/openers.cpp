#include "app/openers.h"

#include "fivetone/qt/openers.h"
#include "mainwindow/qt/openers.h"

namespace rp {

void RegisterAllDialogs(DialogOpeners& openers) {
    RegisterMainWindowDialogs(openers);
    RegisterFiveToneDialogs(openers);
}

}  // namespace rp
