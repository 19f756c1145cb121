#include "core/settings.h"

#include <cerrno>
#include <charconv>
#include <cstdint>
#include <optional>
#include <utility>
#include <vector>

#include "core/paths.h"
#include "core/profile.h"

namespace rp {

namespace {

// A whole number that fits the program's 16-bit settings globals.
std::optional<int> ParseWhole(std::string_view s) {
    if (s.empty()) return std::nullopt;
    int v = 0;
    auto r = std::from_chars(s.data(), s.data() + s.size(), v);
    if (r.ec != std::errc() || r.ptr != s.data() + s.size()) return std::nullopt;
    if (v < INT16_MIN || v > INT16_MAX) return std::nullopt;
    return v;
}

std::string ToText(int v) {
    char buf[16];
    auto r = std::to_chars(buf, buf + sizeof buf, v);
    return std::string(buf, r.ptr);
}

}  // namespace

Settings LoadSettings(AppData& d) {
    std::optional<ProfileData> file = ProfileData::Load(ReadablePath(d, kSettingsFile));
    std::vector<std::pair<std::string, std::string>> repairs;
    Settings s = ParseSettings(file ? *file : ProfileData{}, repairs);
    if (!repairs.empty()) {
        std::string path = WritablePath(d, kSettingsFile);
        if (!path.empty()) WriteProfileStrings(path, kSettingsSection, repairs);
    }
    return s;
}

Settings ParseSettings(const ProfileData& data, std::vector<std::pair<std::string, std::string>>& repairs) {
    Settings s;
    repairs.clear();

    auto text = [&](const char* key, std::string& out) {
        std::optional<std::string> v = data.Find(kSettingsSection, key);
        if (!v) {
            repairs.emplace_back(key, out);
            return;
        }
        out = ReadProfileValue(data, kSettingsSection, key, kProfileMsgBufferSize);
    };
    auto whole = [&](const char* key, int& out, auto valid) {
        std::optional<std::string> v = data.Find(kSettingsSection, key);
        std::optional<int> n = v ? ParseWhole(*v) : std::nullopt;
        if (n && valid(*n)) {
            out = *n;
            return;
        }
        repairs.emplace_back(key, ToText(out));  // `out` still holds the default
    };

    int firstRun = s.IsFirstRun ? 1 : 0;
    whole("IsFirstRun", firstRun, [](int) { return true; });
    s.IsFirstRun = firstRun != 0;
    text("Skin", s.Skin);
    // 0 is written when no port is chosen; the device path decides.
    whole("comPort", s.comPort, [](int v) { return v >= 0; });
    whole("Handshaking", s.Handshaking, [](int v) { return v >= 0 && v <= 3; });
    whole("StopBit", s.StopBit, [](int v) { return v == 1 || v == 2; });
    whole("FactoryFres", s.FactoryFres, [](int v) { return v == 0 || v == 1; });
    text("comDevice", s.comDevice);
    return s;
}

bool WriteSetting(AppData& d, std::string_view key, std::string_view value, FileFailure* why) {
    std::string path = WritablePath(d, kSettingsFile);
    if (path.empty()) {
        // Neither the program's folder nor a per-user folder takes it.
        if (why) *why = {ShippedPath(d, kSettingsFile), EACCES};
        return false;
    }
    int error = 0;
    if (WriteProfileString(path, kSettingsSection, key, value, &error)) return true;
    if (why) *why = {path, error};
    return false;
}

bool WriteSetting(AppData& d, std::string_view key, int value, FileFailure* why) {
    return WriteSetting(d, key, ToText(value), why);
}

}  // namespace rp
