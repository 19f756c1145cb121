#pragma once
// Profile (INI) files: the settings file and the language files.
//
// Reading follows the usual profile-file rules: section and key names match
// without regard to letter case, the first occurrence of a key wins, a
// leading UTF-8 byte-order mark is skipped, values are trimmed of blanks at
// both ends, and a missing file, section or key reads as "". Values come
// back cut to the caller's buffer and never beyond the cut of their section
// (254 bytes for [OTHER] and [OPTION], 511 for [MSG]), on a UTF-8 character
// boundary.
//
// Writing changes one key in place and keeps every other line, comment and
// the order; a missing key joins the end of its section, a missing section
// the end of the file. The file is replaced atomically.
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace rp {

// Buffer sizes the readers pass (the terminating NUL included).
inline constexpr std::size_t kProfileBufferSize = 255;     // [OTHER], [OPTION]
inline constexpr std::size_t kProfileMsgBufferSize = 512;  // [MSG], settings

// The parsed contents of a profile file.
class ProfileData {
public:
    struct Entry {
        std::string key;    // as written, trimmed
        std::string value;  // trimmed, not cut
    };
    struct Section {
        std::string name;  // as written
        std::vector<Entry> entries;  // file order, duplicates kept
    };

    // Parses profile text (a leading byte-order mark is skipped).
    static ProfileData Parse(std::string_view text);
    // Reads and parses a file; nothing when it cannot be read.
    static std::optional<ProfileData> Load(const std::string& path);

    // The first value of the key in the first matching section, trimmed and
    // not cut; nothing when the section or key is missing.
    std::optional<std::string> Find(std::string_view section, std::string_view key) const;
    bool HasSection(std::string_view section) const;
    // Every entry of every section with this name, in file order.
    std::vector<Entry> Entries(std::string_view section) const;
    const std::vector<Section>& Sections() const { return sections_; }

private:
    std::vector<Section> sections_;
};

// Case-insensitive comparison of ASCII names.
bool ProfileNameEquals(std::string_view a, std::string_view b);

// The longest prefix of s of at most maxBytes bytes that ends on a UTF-8
// character boundary.
std::string CutUtf8(std::string_view s, std::size_t maxBytes);

// The most bytes a read of this section returns with a buffer of this size
// (terminating NUL included): bufferSize - 1, and never more than 254 for
// [OTHER] and [OPTION] or 511 for [MSG].
std::size_t ProfileReadLimit(std::string_view section, std::size_t bufferSize);

// A value of already parsed contents under the reading rule.
std::string ReadProfileValue(const ProfileData& data, std::string_view section,
                             std::string_view key, std::size_t bufferSize);

// Reads one value from a file under the reading rule; "" when the file,
// section or key is missing.
std::string ReadProfileString(const std::string& path, std::string_view section,
                              std::string_view key,
                              std::size_t bufferSize = kProfileBufferSize);

// Sets keys of one section, creating the file or section when missing.
// False (and the file untouched) when a name or value cannot be written
// (empty name, line breaks, "=" in a key) or the file cannot be replaced.
// error, when given, receives the reason (0 for a name or value): the
// system's, or kNotRegularFile (core/fileio.h) for a pipe, device or socket
// where the file should be; a folder there is EISDIR.
bool WriteProfileStrings(const std::string& path, std::string_view section,
                         const std::vector<std::pair<std::string, std::string>>& values,
                         int* error = nullptr);
bool WriteProfileString(const std::string& path, std::string_view section,
                        std::string_view key, std::string_view value, int* error = nullptr);
// The same change on profile text in memory: the new text, or nothing when a
// name or value cannot be written.
std::optional<std::string> SetProfileStrings(std::string_view text, std::string_view section,
                                             const std::vector<std::pair<std::string, std::string>>& values);

// Replaces a file with new contents through a temporary file in its folder;
// error, when given, receives the system's reason of a failure.
bool WriteFileAtomically(const std::string& path, std::string_view contents, int* error = nullptr);

}  // namespace rp
