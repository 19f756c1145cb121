#include "core/profile.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>

#include "core/fileio.h"

namespace rp {

namespace {

constexpr std::string_view kBom = "\xEF\xBB\xBF";

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\v' || c == '\f'; }

std::string_view TrimBlanks(std::string_view s) {
    while (!s.empty() && IsBlank(s.front())) s.remove_prefix(1);
    while (!s.empty() && IsBlank(s.back())) s.remove_suffix(1);
    return s;
}

char LowerAscii(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

// One line of a file as the reader sees it.
struct LineInfo {
    enum Kind { Other, Header, Key } kind = Other;
    std::string_view name;  // section name or key, trimmed
    std::string_view value;  // key lines only, trimmed
};

LineInfo Classify(std::string_view line) {
    LineInfo info;
    std::string_view t = TrimBlanks(line);
    if (t.empty() || t.front() == ';' || t.front() == '#') return info;
    if (t.front() == '[') {
        std::string_view rest = t.substr(1);
        std::size_t close = rest.find(']');
        info.kind = LineInfo::Header;
        info.name = TrimBlanks(close == std::string_view::npos ? rest : rest.substr(0, close));
        return info;
    }
    std::size_t eq = t.find('=');
    if (eq == std::string_view::npos) return info;
    std::string_view key = TrimBlanks(t.substr(0, eq));
    if (key.empty()) return info;
    info.kind = LineInfo::Key;
    info.name = key;
    info.value = TrimBlanks(t.substr(eq + 1));
    return info;
}

std::string_view SkipBom(std::string_view text) {
    if (text.substr(0, kBom.size()) == kBom) text.remove_prefix(kBom.size());
    return text;
}

// The whole file; nothing, with the reason in err, when it cannot be read.
std::optional<std::string> ReadWholeFile(const std::string& path, int& err) {
    const int fd = OpenRegularFile(path, err);  // a folder or a pipe is no profile file
    if (fd < 0) return std::nullopt;
    std::string s;
    char buf[65536];
    for (;;) {
        ssize_t n = read(fd, buf, sizeof buf);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) {
            err = errno;
            close(fd);
            return std::nullopt;
        }
        if (n == 0) break;
        s.append(buf, static_cast<std::size_t>(n));
    }
    close(fd);
    return s;
}

// A file split into lines, each with its own line ending, so that a
// rewrite keeps everything it does not change byte for byte.
struct RawLines {
    bool bom = false;
    std::vector<std::string> text;
    std::vector<std::string> end;  // "\r\n", "\n" or "" (last line)
    std::string newline = "\n";    // for lines we add

    explicit RawLines(std::string_view all) {
        if (all.substr(0, kBom.size()) == kBom) {
            bom = true;
            all.remove_prefix(kBom.size());
        }
        if (all.find("\r\n") != std::string_view::npos) newline = "\r\n";
        while (!all.empty()) {
            std::size_t nl = all.find('\n');
            if (nl == std::string_view::npos) {
                text.emplace_back(all);
                end.emplace_back();
                break;
            }
            std::string_view line = all.substr(0, nl);
            if (!line.empty() && line.back() == '\r') {
                line.remove_suffix(1);
                end.emplace_back("\r\n");
            } else {
                end.emplace_back("\n");
            }
            text.emplace_back(line);
            all.remove_prefix(nl + 1);
        }
    }

    void Insert(std::size_t at, std::string line) {
        // The line before a new one must end with a line break.
        if (at > 0 && end[at - 1].empty()) end[at - 1] = newline;
        text.insert(text.begin() + static_cast<std::ptrdiff_t>(at), std::move(line));
        end.insert(end.begin() + static_cast<std::ptrdiff_t>(at), newline);
    }

    std::string Join() const {
        std::string out;
        if (bom) out += kBom;
        for (std::size_t i = 0; i < text.size(); ++i) out += text[i] + end[i];
        return out;
    }
};

bool ValidName(std::string_view s) {
    if (TrimBlanks(s).empty() || TrimBlanks(s).size() != s.size()) return false;
    return s.find_first_of("\r\n") == std::string_view::npos;
}

void SetKey(RawLines& f, std::string_view section, std::string_view key, std::string_view value) {
    // First matching section, and its first matching key.
    std::size_t header = f.text.size();
    for (std::size_t i = 0; i < f.text.size(); ++i) {
        LineInfo li = Classify(f.text[i]);
        if (li.kind == LineInfo::Header && ProfileNameEquals(li.name, section)) {
            header = i;
            break;
        }
    }
    if (header == f.text.size()) {
        if (!f.text.empty() && !TrimBlanks(f.text.back()).empty()) f.Insert(f.text.size(), "");
        f.Insert(f.text.size(), "[" + std::string(section) + "]");
        f.Insert(f.text.size(), std::string(key) + "=" + std::string(value));
        return;
    }
    std::size_t lastKey = header;
    for (std::size_t i = header + 1; i < f.text.size(); ++i) {
        LineInfo li = Classify(f.text[i]);
        if (li.kind == LineInfo::Header) break;
        if (li.kind != LineInfo::Key) continue;
        if (ProfileNameEquals(li.name, key)) {
            f.text[i] = std::string(li.name) + "=" + std::string(value);
            return;
        }
        lastKey = i;
    }
    f.Insert(lastKey + 1, std::string(key) + "=" + std::string(value));
}

}  // namespace

bool ProfileNameEquals(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (LowerAscii(a[i]) != LowerAscii(b[i])) return false;
    return true;
}

ProfileData ProfileData::Parse(std::string_view text) {
    ProfileData data;
    text = SkipBom(text);
    Section* current = nullptr;
    while (!text.empty()) {
        std::size_t nl = text.find('\n');
        std::string_view line = text.substr(0, nl);
        text.remove_prefix(nl == std::string_view::npos ? text.size() : nl + 1);
        LineInfo li = Classify(line);
        if (li.kind == LineInfo::Header) {
            data.sections_.push_back(Section{std::string(li.name), {}});
            current = &data.sections_.back();
        } else if (li.kind == LineInfo::Key && current) {
            current->entries.push_back(Entry{std::string(li.name), std::string(li.value)});
        }
    }
    return data;
}

std::optional<ProfileData> ProfileData::Load(const std::string& path) {
    int err = 0;
    std::optional<std::string> text = ReadWholeFile(path, err);
    if (!text) return std::nullopt;
    return Parse(*text);
}

std::optional<std::string> ProfileData::Find(std::string_view section, std::string_view key) const {
    for (const Section& s : sections_) {
        if (!ProfileNameEquals(s.name, section)) continue;
        for (const Entry& e : s.entries)
            if (ProfileNameEquals(e.key, key)) return e.value;
    }
    return std::nullopt;
}

bool ProfileData::HasSection(std::string_view section) const {
    for (const Section& s : sections_)
        if (ProfileNameEquals(s.name, section)) return true;
    return false;
}

std::vector<ProfileData::Entry> ProfileData::Entries(std::string_view section) const {
    std::vector<Entry> out;
    for (const Section& s : sections_)
        if (ProfileNameEquals(s.name, section)) out.insert(out.end(), s.entries.begin(), s.entries.end());
    return out;
}

std::string CutUtf8(std::string_view s, std::size_t maxBytes) {
    if (s.size() <= maxBytes) return std::string(s);
    std::size_t n = maxBytes;
    // Back up over continuation bytes to the start of the cut character.
    while (n > 0 && (static_cast<unsigned char>(s[n]) & 0xC0) == 0x80) --n;
    return std::string(s.substr(0, n));
}

std::size_t ProfileReadLimit(std::string_view section, std::size_t bufferSize) {
    std::size_t limit = bufferSize > 0 ? bufferSize - 1 : 0;
    std::size_t cut = limit;
    if (ProfileNameEquals(section, "OTHER") || ProfileNameEquals(section, "OPTION"))
        cut = kProfileBufferSize - 1;
    else if (ProfileNameEquals(section, "MSG"))
        cut = kProfileMsgBufferSize - 1;
    return limit < cut ? limit : cut;
}

std::string ReadProfileValue(const ProfileData& data, std::string_view section,
                             std::string_view key, std::size_t bufferSize) {
    std::optional<std::string> v = data.Find(section, key);
    if (!v) return "";
    // The cut may end just after a blank inside the text; the result is
    // trimmed after the cut, as the reading rule says.
    return std::string(TrimBlanks(CutUtf8(*v, ProfileReadLimit(section, bufferSize))));
}

std::string ReadProfileString(const std::string& path, std::string_view section,
                              std::string_view key, std::size_t bufferSize) {
    std::optional<ProfileData> data = ProfileData::Load(path);
    if (!data) return "";
    return ReadProfileValue(*data, section, key, bufferSize);
}

bool WriteFileAtomically(const std::string& path, std::string_view contents, int* error) {
    int ignored = 0;
    int& err = error ? *error : ignored;
    err = 0;
    std::string tmpl = path + ".XXXXXX";
    int fd = mkstemp(tmpl.data());
    if (fd < 0) {
        err = errno;
        return false;
    }
    // Keep the permissions of the file we replace; a new file gets 0644.
    struct stat st {};
    mode_t mode = (stat(path.c_str(), &st) == 0) ? (st.st_mode & 07777) : 0644;
    fchmod(fd, mode);
    const char* p = contents.data();
    std::size_t left = contents.size();
    bool ok = true;
    while (left > 0) {
        ssize_t n = write(fd, p, left);
        if (n < 0) {
            if (errno == EINTR) continue;
            err = errno;
            ok = false;
            break;
        }
        p += n;
        left -= static_cast<std::size_t>(n);
    }
    if (ok && fsync(fd) != 0) {
        err = errno;
        ok = false;
    }
    if (close(fd) != 0 && ok) {
        err = errno;
        ok = false;
    }
    if (ok && std::rename(tmpl.c_str(), path.c_str()) != 0) {
        err = errno;
        ok = false;
    }
    if (!ok) unlink(tmpl.c_str());
    return ok;
}

bool WriteProfileStrings(const std::string& path, std::string_view section,
                         const std::vector<std::pair<std::string, std::string>>& values, int* error) {
    if (error) *error = 0;
    if (!SetProfileStrings("", section, values)) return false;  // a name or value it cannot write
    std::string old;
    int readError = 0;
    if (std::optional<std::string> text = ReadWholeFile(path, readError)) {
        old = std::move(*text);
    } else if (readError != ENOENT) {
        // There but unreadable: never overwrite it blind. A folder in its
        // place is told as writing over it would tell it.
        struct stat st {};
        if (readError == kNotRegularFile && stat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode))
            readError = EISDIR;
        if (error) *error = readError;
        return false;
    }
    std::optional<std::string> changed = SetProfileStrings(old, section, values);
    return changed && WriteFileAtomically(path, *changed, error);
}

std::optional<std::string> SetProfileStrings(std::string_view text, std::string_view section,
                                             const std::vector<std::pair<std::string, std::string>>& values) {
    if (!ValidName(section) || section.find(']') != std::string_view::npos) return std::nullopt;
    for (const auto& [key, value] : values) {
        if (!ValidName(key) || key.find('=') != std::string::npos || key.front() == '[' ||
            key.front() == ';' || key.front() == '#')
            return std::nullopt;
        if (value.find_first_of("\r\n") != std::string::npos) return std::nullopt;
    }
    RawLines lines(text);
    for (const auto& [key, value] : values) SetKey(lines, section, key, value);
    return lines.Join();
}

bool WriteProfileString(const std::string& path, std::string_view section, std::string_view key,
                        std::string_view value, int* error) {
    return WriteProfileStrings(path, section, {{std::string(key), std::string(value)}}, error);
}

}  // namespace rp
