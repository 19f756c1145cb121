#pragma once
// The settings file language/mysetup.ini, section [language].
//
// Every key has a built-in default. Loading never fails: a missing file or
// key, or a value that is not valid, gives the default, and the file is
// created or repaired (only those keys are rewritten; unknown keys, comments
// and the order stay). The file is read from the per-user copy when there is
// one, else beside the program, and written as core/paths.h says.
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "core/appdata.h"
#include "core/fileio.h"
#include "core/profile.h"

namespace rp {

inline constexpr const char* kSettingsFile = "language/mysetup.ini";
inline constexpr const char* kSettingsSection = "language";

struct Settings {
    bool IsFirstRun = true;  // "0" False, any other whole number True
    std::string Skin;        // read, not used
    int comPort = 1;         // serial port number; 0 = none chosen
    int Handshaking = 0;     // 0..3
    int StopBit = 1;         // 1 or 2
    int FactoryFres = 0;     // 0 or 1
    std::string comDevice;   // chosen serial device path ("" = none chosen)
};

// Reads the settings with defaults and repairs the file where needed.
Settings LoadSettings(AppData& d);
// The settings in parsed contents, with the keys and values a repair
// writes (missing or not valid, with their defaults).
Settings ParseSettings(const ProfileData& data, std::vector<std::pair<std::string, std::string>>& repairs);

// Writes one key of [language]; false when the file cannot be written (why,
// when given, receives the file and the reason).
bool WriteSetting(AppData& d, std::string_view key, std::string_view value, FileFailure* why = nullptr);
bool WriteSetting(AppData& d, std::string_view key, int value, FileFailure* why = nullptr);

}  // namespace rp
