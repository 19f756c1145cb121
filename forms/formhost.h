#pragma once
// Where a form opens the windows it owns (a builder, the port dialog, the
// about box): the window that shows the form sets itself as the form's
// host, and Form::Open goes through it. Tests plug in their own host.
#include <functional>
#include <memory>

namespace rp {

class Form;

class FormHost {
public:
    virtual ~FormHost() = default;
    // Loads `child` (its Form_Load) and shows it over the host's window;
    // `onClosed` runs after it has closed, at once when the child unloaded
    // itself before it showed. However the child goes, the host runs its
    // Form::Closing() before `onClosed`.
    virtual void Open(std::unique_ptr<Form> child, std::function<void()> onClosed) = 0;
};

}  // namespace rp
