#pragma once
// Relabelling a form from the language keys its controls carry, the
// dialogs' button captions, and the core's list look-ups applied to a
// control's list state. Works on form state alone, so a form that is never
// shown (the report's) is relabelled the same way.
#include <string>
#include <string_view>

#include "core/appdata.h"
#include "forms/commoncontrols.h"
#include "forms/formstate.h"

namespace rp {

// The window's caption from its tag, its font from texts 20 and 21, then
// every control by kind: labels and menus from their tag (a menu whose caption
// is a number first moves it into its tag), tabs from their tags and tool-tip
// keys, toolbar buttons' tool tips, any other control from the leading number
// of its tag and of its tool tip. A key is remembered (tag, toolTipKey), so a
// form can be relabelled any number of times.
void ApplyFormLanguage(AppData& d, FormState& form);

// The leading decimal number of a text ("12ab" gives 12), 0 when it has none.
int LeadingNumber(std::string_view text);

// The OK and Cancel buttons get texts 101 and 102; a form without them is
// left as it is.
void SetOKCancelCaption(AppData& d, FormState& form);
// CommandClose / CommandHelp from the built-in caption tables.
void SetCloseCaption(AppData& d, FormState& form);
void SetHelpCaption(AppData& d, FormState& form);
void SetCloseHelpCaption(AppData& d, FormState& form);

// ---- the list look-ups on a combo or list box's state ----
std::string FindComboItem(const ControlState& list, std::string_view text);
std::string GetComboItemByIndex(const ControlState& list, int index);
std::string GetComboListText(int index, const ControlState& list, int fallback);
int FindComboIndex(const ControlState& list, std::string_view text, int def);
// Selects the entry FindComboItem finds (text and index); -1 for an empty list.
void SetComboText(ControlState& list, std::string_view text);
void AddComboItemIfMissing(ControlState& list, std::string_view text);
// Selects entry `index` (text follows); -1 or an index outside the list
// clears the selection.
void SetListIndex(ControlState& list, int index);

// A text box without (hook) and again with (unhook) its context menu; the
// shell shows no menu for a hooked box.
void HookTextMenu(ControlState& textBox);
void UnhookTextMenu(ControlState& textBox);

// Texts of the data are raw bytes shown as Latin-1; form and grid texts are
// UTF-8. Input stays ASCII, so the way back only has to keep Latin-1.
std::string Latin1ToUtf8(std::string_view bytes);
// Characters above U+00FF become "?".
std::string Utf8ToLatin1(std::string_view text);

}  // namespace rp
