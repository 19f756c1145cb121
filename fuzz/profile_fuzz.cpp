// libFuzzer target over the profile (INI) reader and writer and the
// settings loader, in memory.
//
// Input: byte 0 the number of values to write (0..3), then NUL-separated
// parts: the profile text, the section, and key/value pairs.
//
// Checks: the settings loader's repairs are accepted by the writer and the
// repaired text loads with no repair left and the same settings; a write is
// refused only for a name or value the rules forbid (the text then stays as
// it was); an accepted write reads back every value written and changes no
// other key.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "core/profile.h"
#include "core/settings.h"

namespace {

void Check(bool ok) {
    if (!ok) std::abort();
}

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\v' || c == '\f'; }

std::string_view Trim(std::string_view s) {
    while (!s.empty() && IsBlank(s.front())) s.remove_prefix(1);
    while (!s.empty() && IsBlank(s.back())) s.remove_suffix(1);
    return s;
}

bool Writable(std::string_view name) {
    return !name.empty() && Trim(name).size() == name.size() && name.find_first_of("\r\n") == std::string_view::npos;
}

// What the writer may refuse: a name that is empty, padded or holds a line
// break; "]" in the section; "=" in a key or a key that reads as a header or
// comment; a line break in a value.
bool Forbidden(std::string_view section, const std::vector<std::pair<std::string, std::string>>& values) {
    if (!Writable(section) || section.find(']') != std::string_view::npos) return true;
    for (const auto& [key, value] : values) {
        if (!Writable(key) || key.find('=') != std::string::npos || key.front() == '[' || key.front() == ';' ||
            key.front() == '#')
            return true;
        if (value.find_first_of("\r\n") != std::string::npos) return true;
    }
    return false;
}

bool SameSettings(const rp::Settings& a, const rp::Settings& b) {
    return a.IsFirstRun == b.IsFirstRun && a.Skin == b.Skin && a.comPort == b.comPort &&
           a.Handshaking == b.Handshaking && a.StopBit == b.StopBit && a.FactoryFres == b.FactoryFres &&
           a.comDevice == b.comDevice;
}

bool Written(std::string_view section, std::string_view key, std::string_view wSection,
             const std::vector<std::pair<std::string, std::string>>& values) {
    if (!rp::ProfileNameEquals(section, wSection)) return false;
    for (const auto& kv : values)
        if (rp::ProfileNameEquals(key, kv.first)) return true;
    return false;
}

// Every key of `from`, not among the written ones, reads the same in `a` and `b`.
void SameOtherKeys(const rp::ProfileData& from, const rp::ProfileData& a, const rp::ProfileData& b,
                   std::string_view wSection, const std::vector<std::pair<std::string, std::string>>& values) {
    for (const auto& s : from.Sections())
        for (const auto& e : s.entries)
            if (!Written(s.name, e.key, wSection, values)) Check(a.Find(s.name, e.key) == b.Find(s.name, e.key));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace rp;
    if (size < 1) return 0;
    const int count = data[0] % 4;
    std::vector<std::string> parts;
    std::string_view rest(reinterpret_cast<const char*>(data + 1), size - 1);
    while (parts.size() < static_cast<std::size_t>(2 + 2 * count)) {
        const std::size_t nul = rest.find('\0');
        parts.emplace_back(rest.substr(0, nul));
        if (nul == std::string_view::npos) {
            rest = {};
            break;
        }
        rest.remove_prefix(nul + 1);
    }
    parts.resize(static_cast<std::size_t>(2 + 2 * count));
    const std::string& text = parts[0];
    const std::string& section = parts[1];
    std::vector<std::pair<std::string, std::string>> values;
    for (int i = 0; i < count; ++i) values.emplace_back(parts[2 + 2 * i], parts[3 + 2 * i]);

    const ProfileData before = ProfileData::Parse(text);

    // The settings loader and its repair.
    std::vector<std::pair<std::string, std::string>> repairs;
    const Settings loaded = ParseSettings(before, repairs);
    if (!repairs.empty()) {
        std::optional<std::string> repaired = SetProfileStrings(text, kSettingsSection, repairs);
        Check(repaired.has_value());
        const ProfileData after = ProfileData::Parse(*repaired);
        std::vector<std::pair<std::string, std::string>> again;
        Check(SameSettings(ParseSettings(after, again), loaded));
        Check(again.empty());
        SameOtherKeys(before, before, after, kSettingsSection, repairs);
        SameOtherKeys(after, before, after, kSettingsSection, repairs);
    }

    // A write of the input's values.
    std::optional<std::string> written = SetProfileStrings(text, section, values);
    Check(written.has_value() != Forbidden(section, values));
    if (!written) return 0;
    const ProfileData after = ProfileData::Parse(*written);
    for (std::size_t i = 0; i < values.size(); ++i) {
        bool overwritten = false;  // a later value for the same key wins
        for (std::size_t j = i + 1; j < values.size(); ++j)
            overwritten = overwritten || ProfileNameEquals(values[i].first, values[j].first);
        if (!overwritten) Check(after.Find(section, values[i].first) == std::string(Trim(values[i].second)));
    }
    SameOtherKeys(before, before, after, section, values);
    SameOtherKeys(after, before, after, section, values);
    return 0;
}
