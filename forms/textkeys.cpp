#include "forms/textkeys.h"

#include "forms/formlanguage.h"

namespace rp {

std::string PrintableAscii(std::string_view except) {
    std::string s;
    for (char c = 32; c < 127; ++c)
        if (except.find(c) == std::string_view::npos) s += c;
    return s;
}

void FilterTextKey(int& keyAscii, std::string_view allowed) {
    const int k = keyAscii;
    if (k == kKeyCtrlC || k == kKeyCtrlV || k == kKeyCtrlX) {
        keyAscii = 0;
    } else if (k < 0 || k > 127) {
        keyAscii = 0;
    } else if (k >= 32 && k <= 126 && allowed.find(static_cast<char>(k)) == std::string_view::npos) {
        keyAscii = 0;
    }
}

void GuardTextBox(ControlState& box, std::string_view allowed, int maxLength) {
    box.inputChars = std::string(allowed);
    box.max = maxLength;
    HookTextMenu(box);
}

void SetBoxText(ControlState& box, std::string text) {
    // Boxes hold ASCII input; a text from the data is cut by characters.
    if (box.max > 0) {
        std::size_t chars = 0, i = 0;
        for (; i < text.size(); ++i) {
            if ((static_cast<unsigned char>(text[i]) & 0xC0) != 0x80) {
                if (chars == static_cast<std::size_t>(box.max)) break;
                ++chars;
            }
        }
        text.resize(i);
    }
    box.text = std::move(text);
}

}  // namespace rp
