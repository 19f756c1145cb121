#include "core/paths.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <system_error>

namespace rp {

namespace fs = std::filesystem;

namespace {

std::string StripTrailingSlashes(std::string s) {
    while (s.size() > 1 && s.back() == '/') s.pop_back();
    return s;
}

std::string Join(const std::string& folder, std::string_view rel) {
    while (!rel.empty() && rel.front() == '/') rel.remove_prefix(1);
    if (folder.empty()) return std::string(rel);
    return folder + "/" + std::string(rel);
}

std::string EnvValue(const char* name) {
    const char* v = std::getenv(name);
    return v ? std::string(v) : std::string();
}

std::string ParentOf(const std::string& path) {
    std::size_t slash = path.rfind('/');
    if (slash == std::string::npos) return ".";
    if (slash == 0) return "/";
    return path.substr(0, slash);
}

bool EnsureFolder(const std::string& folder) {
    std::error_code ec;
    fs::create_directories(folder, ec);
    return fs::is_directory(folder, ec);
}

}  // namespace

std::string ExecutableFolder() {
    std::error_code ec;
    fs::path exe = fs::read_symlink("/proc/self/exe", ec);
    if (ec || exe.empty()) return ".";
    return StripTrailingSlashes(exe.parent_path().string());
}

std::string ShippedFolderFor(const std::string& exeFolder) {
    std::error_code ec;
    if (fs::is_directory(exeFolder + "/language", ec)) return exeFolder;
    const std::string installed = ParentOf(exeFolder) + "/share/" + kInstallName;
    if (fs::is_directory(installed + "/language", ec)) return installed;
    return exeFolder;
}

bool IsInstalledFolder(std::string_view folder) {
    while (folder.size() > 1 && folder.back() == '/') folder.remove_suffix(1);
    const std::string tail = std::string("share/") + kInstallName;
    if (folder.size() < tail.size() || folder.substr(folder.size() - tail.size()) != tail) return false;
    return folder.size() == tail.size() || folder[folder.size() - tail.size() - 1] == '/';
}

std::string ProgramFolder(const AppData& d) {
    if (!d.AppFolder.empty()) return StripTrailingSlashes(d.AppFolder);
    // Looked up once: the executable and its files stay where they are.
    static const std::string folder = ShippedFolderFor(ExecutableFolder());
    return folder;
}

std::string UserConfigFolder(const AppData& d) {
    if (!d.UserConfigDir.empty()) return StripTrailingSlashes(d.UserConfigDir);
    std::string xdg = EnvValue("XDG_CONFIG_HOME");
    // The XDG rules ignore a relative value.
    if (!xdg.empty() && xdg.front() == '/') return StripTrailingSlashes(xdg) + "/" + kUserConfigName;
    std::string home = EnvValue("HOME");
    if (!home.empty()) return StripTrailingSlashes(home) + "/.config/" + kUserConfigName;
    return "";
}

std::string ShippedPath(const AppData& d, std::string_view rel) { return Join(ProgramFolder(d), rel); }

std::string UserCopyPath(const AppData& d, std::string_view rel) {
    std::string folder = UserConfigFolder(d);
    return folder.empty() ? std::string() : Join(folder, rel);
}

std::string ReadablePath(const AppData& d, std::string_view rel) {
    std::string user = UserCopyPath(d, rel);
    std::error_code ec;
    if (!user.empty() && fs::is_regular_file(user, ec)) return user;
    return ShippedPath(d, rel);
}

bool CanWriteBeside(const std::string& path) {
    std::string folder = ParentOf(path);
    if (!EnsureFolder(folder)) return false;
    // A real probe: a read-only mount or missing rights fail here, whatever
    // the permission bits say.
    std::string probe = folder + "/.write-probe-XXXXXX";
    int fd = mkstemp(probe.data());
    if (fd < 0) return false;
    close(fd);
    unlink(probe.c_str());
    struct stat st {};
    if (stat(path.c_str(), &st) == 0) {
        // Only a regular file is written in place; a pipe is never opened
        // (that would wait for a reader), nor a device.
        if (!S_ISREG(st.st_mode)) return false;
        int f = open(path.c_str(), O_WRONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
        if (f < 0) return false;
        close(f);
    }
    return true;
}

std::string WritablePathFor(const AppData& d, std::string_view rel, bool besideWritable) {
    std::string user = UserCopyPath(d, rel);
    std::error_code ec;
    if (!user.empty() && fs::is_regular_file(user, ec)) return user;
    if (besideWritable) return ShippedPath(d, rel);
    if (user.empty() || !EnsureFolder(ParentOf(user))) return "";
    std::string shipped = ShippedPath(d, rel);
    // Something else standing at the user's copy (a folder, a pipe) is left
    // for the write to refuse with its own reason.
    const bool taken = fs::symlink_status(user, ec).type() != fs::file_type::not_found;
    if (!taken && fs::is_regular_file(shipped, ec)) {
        fs::copy_file(shipped, user, fs::copy_options::skip_existing, ec);
        if (ec) return "";
        // A shipped copy may be read-only; the user's own copy is not.
        fs::permissions(user, fs::perms::owner_read | fs::perms::owner_write, fs::perm_options::add, ec);
    }
    return user;
}

std::string WritablePath(const AppData& d, std::string_view rel) {
    std::string user = UserCopyPath(d, rel);
    std::error_code ec;
    if (!user.empty() && fs::is_regular_file(user, ec)) return user;
    return WritablePathFor(d, rel, !IsInstalledFolder(ProgramFolder(d)) && CanWriteBeside(ShippedPath(d, rel)));
}

}  // namespace rp
