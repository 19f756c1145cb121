#include "fivetone/keyfilters.h"

#include "forms/formstate.h"

namespace rp {

namespace {

bool IsClipboardKey(int key) { return key == kKeyCtrlC || key == kKeyCtrlV || key == kKeyCtrlX; }
bool Between(int key, char lo, char hi) { return key >= lo && key <= hi; }
int Upper(int key) { return Between(key, 'a', 'z') ? key - 'a' + 'A' : key; }

// Swallows the clipboard keys and non-ASCII codes, passes other control
// codes, and leaves printable characters to `printable`.
template <class Printable>
int Filter(int key, Printable printable) {
    if (IsClipboardKey(key) || key < 0 || key > 127) return 0;
    if (key < 32) return key;
    return printable(key);
}

}  // namespace

int FilterDigitKey(int key) {
    return Filter(key, [](int k) { return Between(k, '0', '9') ? k : 0; });
}

int FilterHexKey(int key) {
    return Filter(key, [](int k) {
        k = Between(k, 'a', 'f') ? Upper(k) : k;
        return Between(k, '0', '9') || Between(k, 'A', 'F') ? k : 0;
    });
}

int FilterNameKey(int key) {
    return Filter(key, [](int k) { return k == '\\' || k == '~' ? 0 : k; });
}

int FilterToneKey(int key) {
    return Filter(key, [](int k) { return Between(k, '0', '9') || k == '.' ? k : 0; });
}

int FilterCalledIdKey(int key) {
    return Filter(key, [](int k) {
        k = k == 'a' ? 'A' : k;
        return Between(k, '0', '9') || k == 'A' ? k : 0;
    });
}

int FilterMessageKey(int key) {
    return Filter(key, [](int k) {
        k = Upper(k);
        return Between(k, '0', '9') || Between(k, 'A', 'Z') ? k : 0;
    });
}

int FilterLatinKey(int key) { return key < 0 || key > 127 ? 0 : key; }

std::string KeyFilterChars(KeyFilter filter) {
    std::string chars;
    for (int c = 32; c < 127; ++c)
        if (filter(c) == c) chars += static_cast<char>(c);
    return chars;
}

}  // namespace rp
