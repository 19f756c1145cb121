#pragma once
// The channel dialog's keyboard rules as tables: which printable characters
// each text box takes, the key filter the boxes share, the tab order, and
// the controls on which Enter moves the focus on as Tab does. The form
// applies them to typed keys; a shell builds its validators and its Enter
// handling from the same tables.
#include <string>
#include <string_view>
#include <vector>

namespace rp {

// The printable characters (32..126) the text box `control` lets through:
// digits and "." in the RX, offset and own-CTCSS boxes, every printable
// character but "\" and "~" in the name boxes, every printable character in
// the TX box, digits in the PTT-ID code box; "" for any other control.
std::string ChEditAllowedChars(std::string_view control);

// True for the six one-character name boxes (chedit::kNameBoxFirst ..
// kNameBoxLast of chedit::EntryBoxes).
bool IsChEditNameBox(std::string_view control);

// What the key filter of a text box does with a typed character.
struct ChEditKey {
    int key = 0;            // the key that reaches the box; 0 = swallowed
    bool tabNow = false;    // Enter: the focus moves on instead
    bool tabAfter = false;  // a name character: the focus moves on once it is in the box
};

// The filter of the text boxes: Enter swallowed and the focus moved on;
// otherwise the common key table (forms/textkeys.h) over the box's
// characters: Ctrl+C, Ctrl+V, Ctrl+X and anything outside ASCII swallowed,
// a printable character only when the box takes it, other control codes
// (Backspace among them) pass.
ChEditKey ChEditFilterKey(std::string_view control, int key);

// The controls in tab order (the visible ones the user can reach; the focus
// skips those hidden or disabled at the time).
const std::vector<std::string>& ChEditTabOrder();

// True where Enter moves the focus to the next control as Tab does: every
// list, tick, button and text box of the dialog.
bool ChEditEnterMovesOn(std::string_view control);

}  // namespace rp
