#pragma once
// The five-tone code grammar as the five-tone dialog applies it: repeat
// tones ("E" for a tone equal to the one before it), the markers "E1" (data
// message), "E2" and "E6" (carrying the own ID), the own-ID call with its
// placeholder "SelfID", the expansion of repeat tones for display, the
// rewriting of codes after an own-ID change and the completion at saving.
//
// Codes are raw bytes of the record (shown as Latin-1); an own ID is the text
// of the own-ID box (digits).
#include <optional>
#include <string>
#include <string_view>

namespace rp {

// A stored code as text: TrimNullStr, then blanks removed at both ends.
std::string Tone5CodeText(std::string_view field);

// Positions p .. p + n - 1 (1-based) of s, each "E" replaced by the character
// before it in s; positions past the end add nothing. An "E" at position 1
// has no character before it and stays "E".
std::string Mid5ToneNoE(std::string_view s, int p, int n);

// "E1", the called ID, "E" and two hex digits per message character: a code
// that begins "E1" and has at least 8 characters. Checked before any own-ID
// test, so a message whose tail happens to match the own ID is never taken
// for an own-ID call.
bool IsDataMessage(std::string_view code);

// The repeat-tone rule for a code stored from an input: a data message keeps
// its message part (AddRepeatTone with "X"); anything else FormatCodeRepeat.
std::string FormatTone5Code(std::string_view code, std::string_view ownId);

// A plain code as its box shows it: cut to codeLen characters, or filled up
// with "E" to codeLen.
std::string FitCodeLength(std::string_view code, int codeLen);

// The message characters of a data message: hex pairs from position 9 on;
// a last single digit is ignored and a pair that is not hex shows "?".
std::string DataMessageText(std::string_view code);

// How a code-list entry in use shows in the grid: its kind (column 1) and
// its code (column 2), as UTF-8 texts.
enum class Tone5CallKind { Plain, DataMessage, PttId, OwnId };
Tone5CallKind ClassifyTone5Code(std::string_view code, std::string_view ownId);
struct Tone5CodeCells {
    Tone5CallKind kind = Tone5CallKind::Plain;
    std::string kindText;  // "" for a plain code
    std::string codeText;
};
// dataCallText and messageLabel are the language texts naming a data
// message and heading its text.
Tone5CodeCells ShowTone5Code(std::string_view field, int codeLen, std::string_view ownId,
                             const std::string& dataCallText, const std::string& messageLabel);

// A code after the own ID changed from oldId to newId: "E2" and "E6" codes
// carry newId, an own-ID call of oldId keeps its called ID (repeat tones
// expanded) and function digit and ends in newId. nullopt when the code
// stays as it is (one character or none, a data message, anything else).
std::optional<std::string> RewriteCodeForOwnID(std::string_view field, std::string_view oldId,
                                               std::string_view newId);

// A code-list entry's code as the save stores it: "E2"/"E6" codes end in the
// own ID, an own-ID call's tail ("SelfID" or the own ID) becomes the own ID,
// then the repeat-tone rule; blanks trimmed.
std::string CompleteCodeAtSave(std::string_view field, std::string_view ownId);

}  // namespace rp
