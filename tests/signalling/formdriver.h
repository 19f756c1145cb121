#pragma once
// Drives a plain form as a user would, without widgets: focus moves, typed
// keys through the form's key filter, list picks and clicks.
#include <string>

#include "forms/formlanguage.h"
#include "forms/formstate.h"

namespace rp::test {

// The focus moves from the control holding it to `control`.
inline void Focus(Form& f, const std::string& control) {
    const std::string from = f.State().focus;
    if (from == control) return;
    if (!from.empty()) f.LostFocus(from, control);
    f.GotFocus(control);
}

// Focus into a box, clear it and type `keys` through the form's filter.
inline void Type(Form& f, const std::string& control, const std::string& keys) {
    Focus(f, control);
    f.C(control).text.clear();
    for (char ch : keys) {
        int k = static_cast<unsigned char>(ch);
        f.KeyPress(control, k);
        if (k != 0) f.C(control).text += static_cast<char>(k);
    }
}

// The user picks list entry `index`.
inline void Pick(Form& f, const std::string& list, int index) {
    Focus(f, list);
    SetListIndex(f.C(list), index);
    f.Click(list);
}

// A button click: the button takes the focus first.
inline void Press(Form& f, const std::string& button) {
    Focus(f, button);
    f.Click(button);
}

}  // namespace rp::test
