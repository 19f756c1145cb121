#pragma once
// List look-ups with fixed fall-backs, numeric parsing with a default,
// fixed-width hexadecimal and octal texts and the rules of signalling code
// texts. Pure functions; the windows apply the list results to their combo
// and list boxes. Text comparisons are exact and case-sensitive.
#include <string>
#include <string_view>
#include <vector>

#include "core/records.h"

namespace rp {

using ItemList = std::vector<std::string>;

// ---- list controls ------------------------------------------------------------

// The entry equal to text; else entry 0; "" for an empty list.
std::string FindComboItem(const ItemList& list, std::string_view text);
// The entry at index when inside the list; else entry 0; "" for an empty list.
std::string GetComboItemByIndex(const ItemList& list, int index);
// The entry at index when inside the list, else the entry at fallback; ""
// when that is outside the list too.
std::string GetComboListText(int index, const ItemList& list, int fallback);
// def for an empty list or text ""; else the index of the first entry equal
// to text; 0 when none is.
int FindComboIndex(const ItemList& list, std::string_view text, int def);
// The index a combo selects when its text is set: the first entry equal to
// FindComboItem(list, text); -1 (no selection) for an empty list.
int SetComboText(const ItemList& list, std::string_view text);
// Appends text unless an entry equal to it exists; true when appended.
bool AddComboItemIfMissing(ItemList& list, std::string_view text);

// ---- values and texts ---------------------------------------------------------

// def for "" or a non-numeric text or one whose value does not fit a Long;
// else the value rounded to a whole number (ties to even).
Long ValLngDef(std::string_view s, Long def);
// The value of TrimNullStr(s) when numeric, else def.
double ValDblDef(std::string_view s, double def);
// 1 when value > 0, else 0 (check-box value).
int FlagToCheckValue(int value);
// The text before its first NUL.
std::string CutAtNull(std::string_view s);
// The text after the last "/"; the whole path without one; "" when it ends in "/".
std::string GetFileNameFromPath(std::string_view path);
// Upper-case hex of value (32-bit two's complement when negative), padded
// with "0" to width or cut to its first width characters; then every
// occurrence of remove is deleted.
std::string FormatHexWidth(Long value, int width, std::string_view remove);
// Two upper-case hex digits.
std::string ByteToHex2(Byte value);
// Octal of value (16-bit two's complement when negative), padded with "0"
// to width; never cut.
std::string FormatOctalWidth(Integer value, int width);

// ---- code texts ---------------------------------------------------------------

// "E" -> "*", "F" -> "#".
std::string DtmfCodeToText(std::string_view code);
// "*" -> "E", "#" -> "F".
std::string DtmfTextToCode(std::string_view text);
// Five-tone repeat-tone rule: a tone equal to the one sent before it becomes
// "E". preceding is the tone sent before the code ("X" or "" for none).
std::string AddRepeatTone(std::string_view code, std::string_view preceding);
// The repeat-tone rule, keeping positions 6 and 7 of an 11-character code.
std::string AddRepeatToneKeepFunc(std::string_view code);
// Whether the code is a call carrying the own ID (its five digits or the
// marker "SelfID"), with or without a function digit A..F.
bool IsFuncCodeFormat(std::string_view code, std::string_view ownId);
// AddRepeatToneKeepFunc for such a call, else AddRepeatTone(code, "X").
std::string FormatCodeRepeat(std::string_view code, std::string_view ownId);

}  // namespace rp
