#pragma once
// A host for forms tested without windows (forms/formhost.h): it takes the
// children a form opens, keeps the last one with its callback and lists
// their names. `load` runs each child's Form_Load as a window does before
// it shows; `closeAtOnce` runs the callback at once, as if the child had
// closed; `onOpen` is the user's part on a child just opened.
#include <functional>
#include <memory>
#include <string>
#include <vector>

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
        if (closeAtOnce && closed) closed();
    }
};

}  // namespace rp::test
