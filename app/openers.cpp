#include "app/openers.h"

#include "fivetone/qt/openers.h"
#include "mainwindow/qt/openers.h"
#include "printing/qt/openers.h"
#include "settings/qt/openers.h"
#include "settings/qt/optiondialogshell.h"

namespace rp {

void RegisterAllDialogs(DialogOpeners& openers) {
    RegisterMainWindowDialogs(openers);
    RegisterOptionDialogs(openers);
    RegisterSettingsDialogs(openers);
    RegisterFiveToneDialogs(openers);
    RegisterPrintingDialogs(openers);
}

}  // namespace rp
