#include "app/openers.h"

#include "mainwindow/qt/openers.h"
#include "settings/qt/openers.h"

namespace rp {

void RegisterAllDialogs(DialogOpeners& openers) {
    RegisterMainWindowDialogs(openers);
    RegisterSettingsDialogs(openers);
}

}  // namespace rp
