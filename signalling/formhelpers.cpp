#include "signalling/formhelpers.h"

namespace rp {

bool IsList(const Form& form, const std::string& control) {
    return form.State().Has(control) && form.C(control).kind == ControlKind::ComboBox;
}

namespace {

// The part every filter shares; `printable` decides codes 32..126.
template <class F>
int Filter(int key, F printable) {
    if (key == kKeyCtrlC || key == kKeyCtrlV || key == kKeyCtrlX) return 0;
    if (key < 0 || key > 127) return 0;
    if (key < 32 || key == 127) return key;
    return printable(key);
}

bool IsDigit(int k) { return k >= '0' && k <= '9'; }

}  // namespace

int DtmfCodeKey(int key) {
    return Filter(key, [](int k) {
        if (IsDigit(k) || k == '*' || k == '#' || (k >= 'A' && k <= 'D')) return k;
        if (k >= 'a' && k <= 'd') return k - 'a' + 'A';
        return 0;
    });
}

int DigitKey(int key) {
    return Filter(key, [](int k) { return IsDigit(k) ? k : 0; });
}

int ToneKey(int key) {
    return Filter(key, [](int k) { return IsDigit(k) || k == '.' ? k : 0; });
}

int MskIdKey(int key) {
    return Filter(key, [](int k) {
        if (IsDigit(k) || k == 'A') return k;
        return k == 'a' ? int{'A'} : 0;
    });
}

int AsciiKey(int key) {
    return Filter(key, [](int k) { return k; });
}

int EncodeNameKey(int key) {
    return Filter(key, [](int k) { return k == '\\' || k == '~' ? 0 : k; });
}

}  // namespace rp
