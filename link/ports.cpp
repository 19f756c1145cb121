#include "link/ports.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <charconv>
#include <string_view>

namespace rp {

namespace {
constexpr std::string_view kTtyS = "/dev/ttyS";

bool Listed(const std::vector<PortInfo>& ports, const std::string& device) {
    for (const auto& p : ports)
        if (p.Path == device || p.SystemPath == device) return true;
    return false;
}

std::string TtySPath(int n) {
    char buf[16];
    auto r = std::to_chars(buf, buf + sizeof buf, n - 1);
    return std::string(kTtyS) + std::string(buf, r.ptr);
}
}  // namespace

std::vector<PortInfo> PortEntries(PortListProvider& p, const std::string& savedDevice) {
    std::vector<PortInfo> ports = p.Ports();
    if (!savedDevice.empty() && !Listed(ports, savedDevice) && p.Exists(savedDevice))
        ports.push_back({savedDevice, savedDevice});
    return ports;
}

std::string FillComPortList(PortListProvider& p, const std::string& savedDevice,
                            std::vector<std::string>& list) {
    list.clear();
    const std::vector<PortInfo> ports = PortEntries(p, savedDevice);
    for (const auto& e : ports) list.push_back(e.Path);
    return ports.empty() ? std::string() : ports.front().Path;
}

bool IsComPortPresent(PortListProvider& p, const std::string& device) {
    if (device.empty()) return false;
    return Listed(p.Ports(), device) || p.Exists(device);
}

std::string GetFirstComPort(PortListProvider& p) {
    const std::vector<PortInfo> ports = p.Ports();
    return ports.empty() ? std::string() : ports.front().Path;
}

int ComPortNumberOf(const std::string& device, int previous) {
    if (device.empty()) return 0;
    std::string_view v(device);
    if (v.substr(0, kTtyS.size()) != kTtyS) return previous;
    v.remove_prefix(kTtyS.size());
    int n = -1;
    auto r = std::from_chars(v.data(), v.data() + v.size(), n);
    if (r.ec != std::errc() || r.ptr != v.data() + v.size() || n < 0 || n > 254) return previous;
    return n + 1;
}

void CheckComPortAtStartup(AppData& d, PortListProvider& p, const Settings& s) {
    std::string device = s.comDevice;
    if (device.empty()) {
        // Only a number saved (or none): the old port when listed, else the
        // first listed one.
        const std::string old = s.comPort >= 1 ? TtySPath(s.comPort) : std::string();
        device = !old.empty() && Listed(p.Ports(), old) ? old : GetFirstComPort(p);
    }
    // A saved device stays while it is missing (an adapter not plugged in
    // yet): a transfer then names it as not there.
    d.ComDevice = device;
    d.ComPortNumber = static_cast<Integer>(ComPortNumberOf(device, s.comPort));
    if (device != s.comDevice) WriteSetting(d, "comDevice", device);
    if (d.ComPortNumber != s.comPort) WriteSetting(d, "comPort", d.ComPortNumber);
}

int PortDeviceError(const std::string& path) {
    if (path.empty()) return ENOENT;
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0) return errno;
    // Only a character device is opened: a FIFO or a file is no port.
    if (!S_ISCHR(st.st_mode)) return ENOTTY;
    // Non-blocking, so a modem line without carrier does not hang here, and
    // never as the controlling terminal.
    const int fd = ::open(path.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) return errno;
    const int err = ::isatty(fd) ? 0 : ENOTTY;
    ::close(fd);
    return err;
}

void SaveComPortChoice(AppData& d, const std::string& device) {
    d.ComDevice = device;
    d.ComPortNumber = static_cast<Integer>(ComPortNumberOf(device, d.ComPortNumber));
    WriteSetting(d, "comDevice", device);
    WriteSetting(d, "comPort", d.ComPortNumber);
}

}  // namespace rp
