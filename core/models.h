#pragma once
// Model ids and their display names; kill and stun codes kept apart from
// the radio's own DTMF ID and from each other.
#include <string>
#include <string_view>

namespace rp {

// Display name of a model id ("KEVRA8R" -> "KEVRA-8R"); any other text is
// returned trimmed (TrimNullStr).
std::string GetShowModelName(std::string_view id);
// Model id of a display name; any other text is returned trimmed.
std::string GetModelIdByShowName(std::string_view name);

// When ref and code are both non-empty and equal, steps the code's last
// hexadecimal digit by one ("7" -> "8", "9" -> "A", "F" -> "0"). Returns
// whether it stepped.
bool ChangeCodeIfSame(std::string_view ref, std::string& code);

// Trims the three codes and steps kill until it differs from own, and stun
// until it differs from both own and kill. own is never changed.
void SetKillStunCodeDiffer(std::string_view own, std::string& kill, std::string& stun);

}  // namespace rp
