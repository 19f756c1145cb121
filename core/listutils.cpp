#include "core/listutils.h"

#include <algorithm>
#include <cstdint>
#include <limits>

#include "core/fixedtext.h"
#include "core/numtext.h"

namespace rp {

// ---- list controls ------------------------------------------------------------

namespace {
bool Inside(const ItemList& list, int index) {
    return index >= 0 && static_cast<std::size_t>(index) < list.size();
}
int FirstEqual(const ItemList& list, std::string_view text) {
    auto it = std::find(list.begin(), list.end(), text);
    return it == list.end() ? -1 : static_cast<int>(it - list.begin());
}
}  // namespace

std::string FindComboItem(const ItemList& list, std::string_view text) {
    if (list.empty()) return "";
    int i = FirstEqual(list, text);
    return list[static_cast<std::size_t>(i < 0 ? 0 : i)];
}

std::string GetComboItemByIndex(const ItemList& list, int index) {
    if (list.empty()) return "";
    return list[static_cast<std::size_t>(Inside(list, index) ? index : 0)];
}

std::string GetComboListText(int index, const ItemList& list, int fallback) {
    if (Inside(list, index)) return list[static_cast<std::size_t>(index)];
    if (Inside(list, fallback)) return list[static_cast<std::size_t>(fallback)];
    return "";
}

int FindComboIndex(const ItemList& list, std::string_view text, int def) {
    if (list.empty() || text.empty()) return def;
    int i = FirstEqual(list, text);
    return i < 0 ? 0 : i;
}

int SetComboText(const ItemList& list, std::string_view text) {
    if (list.empty()) return -1;
    return FirstEqual(list, FindComboItem(list, text));
}

bool AddComboItemIfMissing(ItemList& list, std::string_view text) {
    if (FirstEqual(list, text) >= 0) return false;
    list.emplace_back(text);
    return true;
}

// ---- values and texts ---------------------------------------------------------

Long ValLngDef(std::string_view s, Long def) {
    auto v = ParseWhole(s);
    if (!v || *v < std::numeric_limits<Long>::min() || *v > std::numeric_limits<Long>::max())
        return def;
    return static_cast<Long>(*v);
}

double ValDblDef(std::string_view s, double def) {
    auto v = ParseNumber(TrimNullStr(s));
    return v ? *v : def;
}

int FlagToCheckValue(int value) { return value > 0 ? 1 : 0; }

std::string CutAtNull(std::string_view s) { return std::string(s.substr(0, s.find('\0'))); }

std::string GetFileNameFromPath(std::string_view path) {
    std::size_t slash = path.rfind('/');
    return std::string(slash == std::string_view::npos ? path : path.substr(slash + 1));
}

namespace {
std::string Digits(std::uint32_t v, unsigned base) {
    static constexpr char kDigits[] = "0123456789ABCDEF";
    std::string s;
    do {
        s.insert(s.begin(), kDigits[v % base]);
        v /= base;
    } while (v != 0);
    return s;
}
void PadLeft(std::string& s, int width) {
    if (width > 0 && s.size() < static_cast<std::size_t>(width))
        s.insert(0, static_cast<std::size_t>(width) - s.size(), '0');
}
}  // namespace

std::string FormatHexWidth(Long value, int width, std::string_view remove) {
    std::string s = Digits(static_cast<std::uint32_t>(value), 16);
    PadLeft(s, width);
    std::size_t keep = width > 0 ? static_cast<std::size_t>(width) : 0;
    if (s.size() > keep) s.resize(keep);
    if (!remove.empty()) {
        for (std::size_t p = s.find(remove); p != std::string::npos; p = s.find(remove, p))
            s.erase(p, remove.size());
    }
    return s;
}

std::string ByteToHex2(Byte value) {
    std::string s = Digits(value, 16);
    PadLeft(s, 2);
    return s;
}

std::string FormatOctalWidth(Integer value, int width) {
    std::string s = Digits(static_cast<std::uint16_t>(value), 8);
    PadLeft(s, width);
    return s;
}

// ---- code texts ---------------------------------------------------------------

std::string DtmfCodeToText(std::string_view code) {
    std::string s(code);
    for (char& c : s) {
        if (c == 'E') c = '*';
        else if (c == 'F') c = '#';
    }
    return s;
}

std::string DtmfTextToCode(std::string_view text) {
    std::string s(text);
    for (char& c : s) {
        if (c == '*') c = 'E';
        else if (c == '#') c = 'F';
    }
    return s;
}

std::string AddRepeatTone(std::string_view code, std::string_view preceding) {
    if (code.empty()) return "";
    // "" is taken as "no preceding tone" like "X", so no tone of the code is lost.
    std::string lead = preceding == "X" ? std::string() : std::string(preceding);
    std::string work = lead + TrimNullStr(code);
    if (work.empty()) return "";
    bool e1 = work.size() >= 2 && work[0] == 'E' && work[1] == '1';
    std::string out(1, work[0]);
    for (std::size_t i = 1; i < work.size(); ++i) {  // i is position i + 1
        if (e1 && i + 1 > 8) out.push_back(work[i]);
        else out.push_back(work[i] == out.back() ? 'E' : work[i]);
    }
    return out.substr(std::min(lead.size(), out.size()));
}

std::string AddRepeatToneKeepFunc(std::string_view code) {
    if (code.empty()) return "";
    bool keep = code.size() == 11;
    std::string out(1, code[0]);
    for (std::size_t i = 1; i < code.size(); ++i) {
        if (keep && (i + 1 == 6 || i + 1 == 7)) out.push_back(code[i]);
        else out.push_back(code[i] == out.back() ? 'E' : code[i]);
    }
    return out;
}

namespace {
bool FunctionDigitTest(std::string_view code) { return HexDigitValue(code[5]) >= 10; }
bool EndsWith(std::string_view s, std::string_view tail) {
    return s.size() >= tail.size() && s.substr(s.size() - tail.size()) == tail;
}
}  // namespace

bool IsFuncCodeFormat(std::string_view code, std::string_view ownId) {
    if (code.size() < 10) return false;
    if (EndsWith(code, "SelfID")) {
        if (code.size() == 11) return true;
        if (code.size() == 12) return FunctionDigitTest(code);
        return false;
    }
    if (ownId.size() != 5) return false;
    std::string_view last5 = code.substr(code.size() - 5);
    std::string_view before = code.substr(code.size() - 6, 1);
    if (last5 != ownId && last5 != AddRepeatTone(ownId, "X") && last5 != AddRepeatTone(ownId, before))
        return false;
    if (code.size() == 10) return true;
    if (code.size() == 11) return FunctionDigitTest(code);
    return false;
}

std::string FormatCodeRepeat(std::string_view code, std::string_view ownId) {
    return IsFuncCodeFormat(code, ownId) ? AddRepeatToneKeepFunc(code) : AddRepeatTone(code, "X");
}

}  // namespace rp
