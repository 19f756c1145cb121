#pragma once
// The message boxes of the program (AppData::Ui.Notify): the caller's text,
// buttons and icon, titled "KEVRA_8R" unless the message has a title of its
// own; returns the button the user pressed. Modal over the active window.
// Window tests install the recording notifier instead (a modal box would
// block an offscreen test).
#include <memory>

#include "core/seams.h"

class QMessageBox;
class QWidget;

namespace rp {

// The box Show runs, not yet shown: its buttons are Qt's standard buttons, so
// their texts follow the installed Qt catalogue (platform/qttranslations.h).
std::unique_ptr<QMessageBox> MakeMessageBox(const std::string& text, MsgIcon icon, MsgButtons buttons,
                                            const std::string& title, QWidget* parent);

class MessageBoxNotifier : public Notifier {
public:
    MsgAnswer Show(const std::string& text, MsgIcon icon, MsgButtons buttons,
                   const std::string& title) override;
};

}  // namespace rp
