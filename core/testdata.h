#pragma once
// Factory test data on disk: the marker file that switches factory test
// mode on, and the 32-byte test-data files (".ted"), stand-alone or as the
// companion of a data file. TestDataBuf(0..31) is the current block,
// TestDataBuf(32..63) its snapshot.
#include <array>
#include <cstddef>
#include <span>
#include <string>

#include "core/appdata.h"
#include "core/fileio.h"

namespace rp {

// The text the marker file must hold, and the file's name in the program's
// folder. The program never writes the marker file.
inline constexpr const char* kTestModeMarkerText = "MORLAX2_7731_Bench_CalibModeTable";
inline constexpr std::size_t kTestModeMarkerSize = 33;
inline constexpr const char* kTestModeMarkerFile = "TestData.ini";
inline constexpr std::size_t kTestDataSize = 32;

using TestDataBlock = std::array<Byte, kTestDataSize>;

enum class TestDataRead { Ok, Missing, Short, Error };

// The first 32 bytes of a ".ted" file; out is written only when Ok. A file
// of fewer than 32 bytes is Short. error, when given, receives the system's
// reason of Missing and Error.
TestDataRead ReadTestDataBytes(const std::string& path, TestDataBlock& out, int* error = nullptr);

// True when the contents' first 33 bytes (NUL-filled when shorter), trimmed
// with TrimNullStr, are exactly the marker text.
bool IsTestModeMarker(std::span<const std::uint8_t> contents);

// Clears both halves of TestDataBuf, then sets FactoryTestMode from the
// marker file in programFolder. A missing or unreadable file leaves the
// mode as it was (off at start-up); nothing is shown.
void LoadFactoryTestModeFlag(AppData& d, const std::string& programFolder);

// Fills buffer from the ".ted" file at path and sets TestDataFilePath. A
// missing, short or unreadable file leaves both as they were (false; why,
// when given, receives the file and the reason).
bool LoadTestDataFile(AppData& d, const std::string& path, std::span<Byte, kTestDataSize> buffer,
                      FileFailure* why = nullptr);
// Writes buffer as the ".ted" file at path (exactly 32 bytes, replacing the
// file as a whole) and sets TestDataFilePath; false when it cannot (why as
// above).
bool SaveTestDataFile(AppData& d, const std::string& path,
                      std::span<const Byte, kTestDataSize> buffer, FileFailure* why = nullptr);

// The companion of a data file (TestDataCompanionPath) into or from the
// snapshot half of TestDataBuf; a path of three characters or fewer has no
// companion and does nothing.
bool LoadTestDataCompanion(AppData& d, const std::string& dataPath);
bool SaveTestDataCompanion(AppData& d, const std::string& dataPath);

}  // namespace rp
