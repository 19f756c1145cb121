#pragma once
// The user's actions on a plain form as a shell performs them: the new value
// in the form's state, then the event.
#include <gtest/gtest.h>

#include <cstddef>
#include <string>

#include "forms/formlanguage.h"
#include "forms/formstate.h"

namespace rp::test {

class FormActions {
public:
    virtual ~FormActions() = default;

    ControlState& C(const std::string& name) { return ActedOn().C(name); }

    void Pick(const std::string& list, int index) {
        SetListIndex(C(list), index);
        ActedOn().Click(list);
    }
    void PickText(const std::string& list, const std::string& text) {
        const auto& items = C(list).items;
        for (std::size_t i = 0; i < items.size(); ++i)
            if (items[i] == text) return Pick(list, static_cast<int>(i));
        FAIL() << list << " has no item " << text;
    }
    void SetTick(const std::string& box, int value) {
        C(box).value = value;
        ActedOn().Click(box);
    }
    void SetText(const std::string& box, const std::string& text) {
        C(box).text = text;
        ActedOn().Change(box);
    }
    void Focus(const std::string& control) {
        ActedOn().State().focus = control;
        ActedOn().GotFocus(control);
    }

protected:
    // The open form the actions go to.
    virtual Form& ActedOn() = 0;
};

}  // namespace rp::test
