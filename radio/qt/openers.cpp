#include "radio/qt/openers.h"

#include <memory>

#include "platform/portlist.h"

namespace rp {

void RegisterRadioDialogs(DialogOpeners& openers, PortListProvider* ports) {
    std::shared_ptr<PortListProvider> own;
    if (!ports) {
        own = std::make_shared<QtPortListProvider>();
        ports = own.get();
    }
    openers.Register("FrmComSet", [ports, own](const DialogContext& c) -> QDialog* {
        return MakeFrmComSet(c, *ports);
    });
    RegisterTransferDialogs(openers);
    openers.Register("FrmTestData", [](const DialogContext& c) -> QDialog* { return MakeFrmTestData(c); });
}

}  // namespace rp
