#pragma once
// A host for forms tested without windows (forms/formhost.h): it takes the
// children a form opens, keeps the last one with its callback and lists
// their names. `load` runs each child's Form_Load as a window does before
// it shows; `closeAtOnce` closes the child at once (its Closing, then the
// callback); `onOpen` is the user's part on a child just opened.
//
// CloseWindow closes a form's window without one, the way the Qt host does.
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "forms/commoncontrols.h"
#include "forms/formhost.h"
#include "forms/formstate.h"

namespace rp::test {

class FakeHost : public FormHost {
public:
    explicit FakeHost(bool loadChildren = false, bool closeChildrenAtOnce = false)
        : load(loadChildren), closeAtOnce(closeChildrenAtOnce) {}

    bool load;
    bool closeAtOnce;
    std::function<void(Form&)> onOpen;
    std::vector<std::string> opened;
    std::unique_ptr<Form> child;
    std::function<void()> closed;

    void Open(std::unique_ptr<Form> c, std::function<void()> onClosed) override {
        if (load) c->Form_Load();
        opened.push_back(c->Name());
        child = std::move(c);
        closed = std::move(onClosed);
        if (onOpen) onOpen(*child);
        if (closeAtOnce) {
            child->Closing();
            if (closed) closed();
        }
    }
};

// The ways a window closes.
enum class CloseRoute {
    OK,          // the OK button (kOKButton)
    Cancel,      // the Cancel button (kCancelButton)
    Escape,      // the Escape key
    CloseBox,    // the close box, or the system's close
    ProgramEnd,  // the program ends, or the parent window closes first
};

// Runs `route` as the binder (widgets/binder.h) and the dialog host
// (widgets/dialoghost.h) do: a button's Click; Escape clicks Cancel when
// the form has one, enabled and visible, and is the close box otherwise;
// the close box asks QueryUnload, unless a handler already unloaded; the
// program's end unloads the form without asking. When the form goes, the
// host runs Form::Closing(). True when the window closed.
inline bool CloseWindow(Form& form, CloseRoute route) {
    switch (route) {
    case CloseRoute::OK:
        form.Click(kOKButton);
        break;
    case CloseRoute::Cancel:
        form.Click(kCancelButton);
        break;
    case CloseRoute::Escape:
        if (form.State().Has(kCancelButton)) {
            const ControlState& cancel = form.C(kCancelButton);
            if (cancel.enabled && cancel.visible) form.Click(kCancelButton);
            break;
        }
        return CloseWindow(form, CloseRoute::CloseBox);
    case CloseRoute::CloseBox:
        if (!form.unloadRequested && !form.QueryUnload() && !form.unloadRequested) return false;
        form.Closing();
        return true;
    case CloseRoute::ProgramEnd:
        form.Unload();
        break;
    }
    if (!form.unloadRequested) return false;
    form.Closing();
    return true;
}

}  // namespace rp::test
