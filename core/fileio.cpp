#include "core/fileio.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace rp {

namespace {

bool WriteAll(int fd, const std::uint8_t* p, std::size_t n) {
    while (n > 0) {
        ssize_t w = ::write(fd, p, n);
        if (w < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        p += w;
        n -= static_cast<std::size_t>(w);
    }
    return true;
}

mode_t DefaultFileMode() {
    mode_t mask = ::umask(0);
    ::umask(mask);
    return static_cast<mode_t>(0666 & ~mask);
}

// Creates a fresh file beside `target` and writes bytes to it; returns its
// name, or "" on failure (nothing left behind, the reason in err).
std::string WriteTemporary(const std::string& target, const std::uint8_t* p, std::size_t n,
                           mode_t mode, int& err) {
    std::string name = target + ".tmpXXXXXX";
    int fd = ::mkstemp(name.data());
    if (fd < 0) {
        err = errno;
        return "";
    }
    bool ok = ::fchmod(fd, mode) == 0 && WriteAll(fd, p, n) && ::fsync(fd) == 0;
    if (!ok) err = errno;
    if (::close(fd) != 0 && ok) {
        err = errno;
        ok = false;
    }
    if (!ok) {
        ::unlink(name.c_str());
        return "";
    }
    return name;
}

// A second name for the existing regular file `target`, so it can be put
// back after a failed replacement; "" on failure (the reason in err).
std::string MakeBackup(const std::string& target, int& err) {
    std::string name = target + ".bakXXXXXX";
    int fd = ::mkstemp(name.data());
    if (fd < 0) {
        err = errno;
        return "";
    }
    ::close(fd);
    ::unlink(name.c_str());
    if (::link(target.c_str(), name.c_str()) == 0) return name;
    // No hard links on this file system: keep a copy instead.
    std::vector<std::uint8_t> bytes;
    if (ReadFilePrefix(target, static_cast<std::size_t>(-1), bytes, &err) != ReadStatus::Ok)
        return "";
    struct stat st{};
    mode_t mode = ::stat(target.c_str(), &st) == 0 ? (st.st_mode & 07777) : DefaultFileMode();
    std::string copy = WriteTemporary(target, bytes.data(), bytes.size(), mode, err);
    if (copy.empty()) return "";
    if (::rename(copy.c_str(), name.c_str()) != 0) {
        err = errno;
        ::unlink(copy.c_str());
        return "";
    }
    return name;
}

}  // namespace

std::string FileNamePart(const std::string& path) {
    auto slash = path.find_last_of('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

bool IsRegularFile(const std::string& path) {
    struct stat st{};
    return ::stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode);
}

int OpenRegularFile(const std::string& path, int& err) {
    err = 0;
    // The kind first: opening a named pipe waits for a writer, opening a
    // device may act on it.
    struct stat st{};
    if (::stat(path.c_str(), &st) != 0) {
        err = errno;
        return -1;
    }
    if (!S_ISREG(st.st_mode)) {
        err = kNotRegularFile;
        return -1;
    }
    // Something else may stand there by now: opened without waiting, and
    // checked again on what was opened.
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NOCTTY | O_NONBLOCK);
    if (fd < 0) {
        err = errno;
        return -1;
    }
    if (::fstat(fd, &st) != 0) {
        err = errno;
    } else if (!S_ISREG(st.st_mode)) {
        err = kNotRegularFile;
    } else {
        // Plain blocking reads from here on.
        const int flags = ::fcntl(fd, F_GETFL);
        if (flags >= 0 && ::fcntl(fd, F_SETFL, flags & ~O_NONBLOCK) == 0) return fd;
        err = errno;
    }
    ::close(fd);
    return -1;
}

ReadStatus ReadFilePrefix(const std::string& path, std::size_t maxBytes,
                          std::vector<std::uint8_t>& out, int* error) {
    int ignored = 0;
    int& err = error ? *error : ignored;
    out.clear();
    const int fd = OpenRegularFile(path, err);
    if (fd < 0) return err == ENOENT ? ReadStatus::Missing : ReadStatus::Error;
    std::uint8_t buf[8192];
    while (out.size() < maxBytes) {
        std::size_t want = maxBytes - out.size();
        if (want > sizeof buf) want = sizeof buf;
        ssize_t r = ::read(fd, buf, want);
        if (r < 0) {
            if (errno == EINTR) continue;
            err = errno;
            ::close(fd);
            out.clear();
            return ReadStatus::Error;
        }
        if (r == 0) break;
        out.insert(out.end(), buf, buf + r);
    }
    ::close(fd);
    return ReadStatus::Ok;
}

bool WriteFileSetAtomically(const std::vector<FileToWrite>& files, FileFailure* why) {
    const std::size_t n = files.size();
    int err = 0;
    auto fail = [&](const std::string& path) {
        if (why) *why = {path, err};
        return false;
    };
    std::vector<std::string> temps(n), backups(n);
    std::vector<bool> existed(n, false);
    mode_t fresh = DefaultFileMode();

    auto dropTemps = [&](std::size_t from) {
        for (std::size_t i = from; i < n; ++i)
            if (!temps[i].empty()) ::unlink(temps[i].c_str());
    };
    auto dropBackups = [&] {
        for (auto& b : backups)
            if (!b.empty()) ::unlink(b.c_str());
    };

    // Steps 0 to 2 go from the last file to the first: the last is the one
    // the user chose, and a failure of the folder is then told by its name.
    // 0. An existing target the user may not write is refused, as writing it
    // in place would be: the rename must not replace a read-only file.
    for (std::size_t i = n; i-- > 0;) {
        const std::string& path = files[i].path;
        if (::access(path.c_str(), F_OK) == 0 && ::access(path.c_str(), W_OK) != 0) {
            err = errno;
            return fail(path);
        }
    }

    // 1. Everything written in full before any target is touched.
    for (std::size_t i = n; i-- > 0;) {
        struct stat st{};
        mode_t mode = fresh;
        if (::stat(files[i].path.c_str(), &st) == 0 && S_ISREG(st.st_mode))
            mode = st.st_mode & 07777;
        temps[i] = WriteTemporary(files[i].path, files[i].bytes.data(), files[i].bytes.size(), mode, err);
        if (temps[i].empty()) {
            dropTemps(0);
            return fail(files[i].path);
        }
    }
    // 2. A second name for each existing target, so a failure can put it back.
    for (std::size_t i = n; i-- > 0;) {
        struct stat st{};
        if (::lstat(files[i].path.c_str(), &st) != 0) continue;
        existed[i] = true;
        if (!S_ISREG(st.st_mode) && !S_ISLNK(st.st_mode)) continue;  // rename will refuse it
        backups[i] = MakeBackup(files[i].path, err);
        if (backups[i].empty()) {
            dropTemps(0);
            dropBackups();
            return fail(files[i].path);
        }
    }
    // 3. Renames in order; on failure undo the ones done.
    for (std::size_t i = 0; i < n; ++i) {
        if (::rename(temps[i].c_str(), files[i].path.c_str()) == 0) {
            temps[i].clear();
            continue;
        }
        err = errno;
        for (std::size_t j = i; j-- > 0;) {
            if (!backups[j].empty()) {
                if (::rename(backups[j].c_str(), files[j].path.c_str()) == 0) backups[j].clear();
            } else if (!existed[j]) {
                ::unlink(files[j].path.c_str());
            }
        }
        dropTemps(i);
        dropBackups();
        return fail(files[i].path);
    }
    dropBackups();
    return true;
}

}  // namespace rp
