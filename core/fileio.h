#pragma once
// Small file layer for the data, channel, default-data and test-data files:
// bounded reads and an all-or-nothing write of a set of files.
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace rp {

enum class ReadStatus { Ok, Missing, Error };

// An error number of the program's own beside the system's (which are all
// above 0): the path names something other than a regular file (a folder, a
// named pipe, a device, a socket), refused without being read.
inline constexpr int kNotRegularFile = -1;

// Why a file could not be read or written: the file, and the system's error
// number (errno) or kNotRegularFile; 0 when the file was read but its
// contents are not usable.
struct FileFailure {
    std::string path;
    int error = 0;
};

// Opens the regular file at path for reading without ever waiting on it: its
// kind is checked before it is opened, and a pipe or device put in its place
// in between is refused too. The descriptor (close-on-exec, blocking reads),
// or -1 with the reason in err: the system's, or kNotRegularFile.
int OpenRegularFile(const std::string& path, int& err);

// Reads at most maxBytes from the start of the file at path into out.
// Missing: no such file. Error: it exists but cannot be read (not a regular
// file, no permission, an I/O error). out is empty unless the status is Ok.
// error, when given, receives the reason of a status other than Ok.
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
// file that marks the set as saved last: the one the user chose). An
// existing target the user may not write (read-only) refuses the whole set
// before anything is written. Any failure puts back the targets already
// replaced, removes every temporary file and returns false; a target then
// holds exactly what it held before. Each target ends up with exactly the
// given bytes (an older, longer file does not keep its tail). why, when
// given, receives the file that failed and the system's reason. The checks
// and temporary files go from the last file to the first, so a failure that
// concerns the folder (no permission, no space, no such folder) names the
// file the user chose.
bool WriteFileSetAtomically(const std::vector<FileToWrite>& files, FileFailure* why = nullptr);

// The part of path after its last '/'.
std::string FileNamePart(const std::string& path);

}  // namespace rp
