#pragma once
// The codes the special-call builder composes: a data message ("E1", called
// ID, "E", the message's character codes in hex), an own-ID call (called ID,
// optional separator tone, then the own ID or its placeholder "SelfID") and a
// PTT-ID call ("E6" and the own ID or "SelfID"). The repeat-tone rule is
// applied as the code is stored.
#include <string>
#include <string_view>

namespace rp {

enum SpecialCallKind : int { SpecialDataMessage = 0, SpecialOwnIdCall = 1, SpecialPttIdCall = 2 };

inline constexpr int kCalledIdLength = 5;
// Message characters: a code-list entry holds 16 in its 40 digits; a PTT-ID
// code holds 8 in its 24.
inline constexpr int kEntryMessageMax = 16;
inline constexpr int kPttMessageMax = 8;

// Two upper-case hex digits per character.
std::string MessageHex(std::string_view message);

// A code-list entry's special call: its stored code and the summary its code
// cell shows, in UTF-8 (messageLabel, a language text, heads a data message's
// text). separator is "" when off, else one digit "A".."F".
struct EntrySpecialCall {
    std::string code;
    std::string cell;
};
EntrySpecialCall ComposeEntrySpecialCall(int kind, std::string_view calledId, std::string_view separator,
                                         std::string_view message, std::string_view ownId,
                                         const std::string& messageLabel);

// The code a PTT-ID box receives; it carries the own ID itself.
std::string ComposePttSpecialCall(int kind, std::string_view calledId, std::string_view separator,
                                  std::string_view message, std::string_view ownId);

}  // namespace rp
