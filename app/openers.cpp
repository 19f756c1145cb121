#include "app/openers.h"

#include "channels/qt/openers.h"
#include "fivetone/qt/openers.h"
#include "mainwindow/qt/openers.h"
#include "printing/qt/openers.h"
#include "radio/qt/openers.h"
#include "settings/qt/openers.h"
#include "settings/qt/frmoptionshell.h"
#include "signalling/qt/openers.h"

namespace rp {

void RegisterAllDialogs(DialogOpeners& openers) {
    RegisterMainWindowDialogs(openers);
    RegisterChannelDialogs(openers);
    RegisterOptionDialogs(openers);
    RegisterSettingsDialogs(openers);
    RegisterFiveToneDialogs(openers);
    RegisterSignallingDialogs(openers);
    RegisterPrintingDialogs(openers);
    RegisterRadioDialogs(openers);
}

}  // namespace rp
