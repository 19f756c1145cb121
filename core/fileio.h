#pragma once
// Small file layer for the data, channel, default-data and test-data files:
// bounded reads and an all-or-nothing write of a set of files.
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace rp {

enum class ReadStatus { Ok, Missing, Error };

// Why a file could not be read or written: the file, and the system's error
// number (errno); 0 when the file was read but its contents are not usable.
struct FileFailure {
    std::string path;
    int error = 0;
};

// Reads at most maxBytes from the start of the file at path into out.
// Missing: no such file. Error: it exists but cannot be read (a folder, no
// permission, an I/O error). out is empty unless the status is Ok. error,
// when given, receives the system's reason of a status other than Ok.
ReadStatus ReadFilePrefix(const std::string& path, std::size_t maxBytes,
                          std::vector<std::uint8_t>& out, int* error = nullptr);

// True when a regular file (or a link to one) exists at path.
bool IsRegularFile(const std::string& path);

struct FileToWrite {
    std::string path;
    std::vector<std::uint8_t> bytes;
};

// Writes every file of the set in full to a temporary file in its own
// folder, then renames them over their targets in the given order (put the
// file that marks the set as saved last). An existing target the user may
// not write (read-only) refuses the whole set before anything is written. Any failure puts back the targets
// already replaced, removes every temporary file and returns false; a target
// then holds exactly what it held before. Each target ends up with exactly
// the given bytes (an older, longer file does not keep its tail). why, when
// given, receives the file that failed and the system's reason.
bool WriteFileSetAtomically(const std::vector<FileToWrite>& files, FileFailure* why = nullptr);

// The part of path after its last '/'.
std::string FileNamePart(const std::string& path);

}  // namespace rp
