#include "forms/formlanguage.h"

#include <cctype>

#include "core/language.h"
#include "core/listutils.h"

namespace rp {

int LeadingNumber(std::string_view text) {
    long v = 0;
    for (char ch : text) {
        if (!std::isdigit(static_cast<unsigned char>(ch))) break;
        v = v * 10 + (ch - '0');
        if (v > 32767) return 0;  // not an Integer key
    }
    return static_cast<int>(v);
}

namespace {

// A whole text that is a key: digits only, 1..32767.
int WholeKey(std::string_view text) {
    if (text.empty()) return 0;
    for (char ch : text) {
        if (!std::isdigit(static_cast<unsigned char>(ch))) return 0;
    }
    return LeadingNumber(text);
}

// A tool tip's key: the key it was relabelled from, else its text when that
// starts with a number.
void RelabelToolTip(AppData& d, std::string& toolTip, std::string& toolTipKey) {
    int key = LeadingNumber(toolTipKey);
    if (key <= 0) {
        key = LeadingNumber(toolTip);
        if (key > 0) toolTipKey = std::to_string(key);
    }
    if (key > 0) toolTip = GetLanguageString(d, key);
}

}  // namespace

void ApplyFormLanguage(AppData& d, FormState& form) {
    if (int key = WholeKey(form.tag); key > 0) form.caption = GetLanguageString(d, key);
    const std::string font = GetLanguageString(d, langkey::FontName);
    if (!font.empty()) form.fontName = font;
    const Long size = ValLngDef(GetLanguageString(d, langkey::FontSize), 0);
    if (size > 0 && size < 200) form.fontSize = static_cast<int>(size);

    for (const auto& name : form.Names()) {
        ControlState& c = form[name];
        switch (c.kind) {
        case ControlKind::Label:
            if (int key = WholeKey(c.tag); key > 0) c.text = GetLanguageString(d, key);
            break;
        case ControlKind::Menu:
            if (int key = WholeKey(c.tag); key > 0) {
                c.text = GetLanguageString(d, key);
            } else if (int k = WholeKey(c.text); k > 0) {
                c.tag = c.text;
                c.text = GetLanguageString(d, k);
            }
            break;
        case ControlKind::TabStrip:
            for (auto& t : c.tabs) {
                if (int key = WholeKey(t.tag); key > 0) t.caption = GetLanguageString(d, key);
                std::string unused;
                RelabelToolTip(d, t.toolTip, unused);
            }
            break;
        case ControlKind::Toolbar:
            // A button's tag holds its tool-tip key once relabelled.
            for (auto& t : c.tabs) RelabelToolTip(d, t.toolTip, t.tag);
            break;
        default:
            if (int key = LeadingNumber(c.tag); key > 0) c.text = GetLanguageString(d, key);
            RelabelToolTip(d, c.toolTip, c.toolTipKey);
            break;
        }
    }
}

void SetOKCancelCaption(AppData& d, FormState& form) {
    if (form.Has(kOKButton)) form[kOKButton].text = GetLanguageString(d, langkey::OK);
    if (form.Has(kCancelButton)) form[kCancelButton].text = GetLanguageString(d, langkey::Cancel);
}

void SetCloseCaption(AppData& d, FormState& form) {
    if (form.Has(kCloseButton)) form[kCloseButton].text = LangText(d, d.CloseCaptionText);
}

void SetHelpCaption(AppData& d, FormState& form) {
    if (form.Has(kHelpButton)) form[kHelpButton].text = LangText(d, d.HelpCaptionText);
}

void SetCloseHelpCaption(AppData& d, FormState& form) {
    SetCloseCaption(d, form);
    SetHelpCaption(d, form);
}

std::string FindComboItem(const ControlState& list, std::string_view text) {
    return FindComboItem(list.items, text);
}
std::string GetComboItemByIndex(const ControlState& list, int index) {
    return GetComboItemByIndex(list.items, index);
}
std::string GetComboListText(int index, const ControlState& list, int fallback) {
    return GetComboListText(index, list.items, fallback);
}
int FindComboIndex(const ControlState& list, std::string_view text, int def) {
    return FindComboIndex(list.items, text, def);
}

void SetListIndex(ControlState& list, int index) {
    if (index < 0 || index >= static_cast<int>(list.items.size())) {
        list.index = -1;
        if (!list.editable) list.text.clear();
        return;
    }
    list.index = index;
    list.text = list.items[static_cast<std::size_t>(index)];
}

void SetComboText(ControlState& list, std::string_view text) {
    SetListIndex(list, SetComboText(list.items, text));
}

void AddComboItemIfMissing(ControlState& list, std::string_view text) {
    AddComboItemIfMissing(list.items, text);
}

void HookTextMenu(ControlState& textBox) { textBox.noContextMenu = true; }
void UnhookTextMenu(ControlState& textBox) { textBox.noContextMenu = false; }

std::string Latin1ToUtf8(std::string_view bytes) {
    std::string out;
    out.reserve(bytes.size());
    for (unsigned char ch : bytes) {
        if (ch < 0x80) {
            out += static_cast<char>(ch);
        } else {
            out += static_cast<char>(0xC0 | (ch >> 6));
            out += static_cast<char>(0x80 | (ch & 0x3F));
        }
    }
    return out;
}

std::string Utf8ToLatin1(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size();) {
        const unsigned char ch = static_cast<unsigned char>(text[i]);
        int len = ch < 0x80 ? 1 : (ch >> 5) == 6 ? 2 : (ch >> 4) == 14 ? 3 : (ch >> 3) == 30 ? 4 : 1;
        if (i + len > text.size()) len = 1;
        if (len == 1) {
            out += ch < 0x80 ? static_cast<char>(ch) : '?';
        } else {
            unsigned cp = ch & (0x7F >> len);
            bool ok = true;
            for (int k = 1; k < len; ++k) {
                const unsigned char cc = static_cast<unsigned char>(text[i + k]);
                if ((cc & 0xC0) != 0x80) ok = false;
                cp = (cp << 6) | (cc & 0x3F);
            }
            if (!ok) len = 1;
            out += (ok && cp <= 0xFF) ? static_cast<char>(cp) : '?';
        }
        i += static_cast<std::size_t>(len);
    }
    return out;
}

}  // namespace rp
