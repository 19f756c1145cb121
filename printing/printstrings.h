#pragma once
// The report printer's built-in texts (AppData::Prt), English and Chinese,
// filled once at start-up, and the print dialog's button captions.
#include "core/appdata.h"
#include "forms/formstate.h"

namespace rp {

// Print items (the tick boxes printlist::Items[0..9] of the print-item dialog).
inline constexpr int kPrintItemCount = 10;
inline constexpr int kPrintItemChannel = 0;
inline constexpr int kPrintItemOption = 3;
inline constexpr int kPrintItemDTMF = 4;
inline constexpr int kPrintItem2Tone = 5;
inline constexpr int kPrintItem5Tone = 6;
inline constexpr int kPrintItemBook = 7;
inline constexpr int kPrintItemEmbedded = 8;
inline constexpr int kPrintItemAlarm = 9;
// Item 9's caption is this text of the language file.
inline constexpr int kTextAlarmItem = 2600;

// Fills AppData::Prt: the dialog's captions and prompt, the report title,
// the header captions, the item names, the switch texts and the failure
// message. Reads no file; cannot fail.
void InitPrintStrings(AppData& d);

// The print-item dialog's OK and Cancel buttons (printlist::Print and
// Cancel) get the texts of the current language; a form without them is
// left as it is.
void SetPrintButtonCaptions(AppData& d, FormState& form);

}  // namespace rp
