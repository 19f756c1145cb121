#include "app/openers.h"

#include "channels/qt/openers.h"
#include "mainwindow/qt/openers.h"

namespace rp {

void RegisterAllDialogs(DialogOpeners& openers) {
    RegisterMainWindowDialogs(openers);
    RegisterChannelDialogs(openers);
}

}  // namespace rp
