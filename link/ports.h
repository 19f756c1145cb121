#pragma once
// The list of serial ports a transfer can use, and the saved choice.
//
// A port is chosen by its device path (comDevice in the settings file). The
// list comes from a provider read afresh on every call: the system's serial
// devices, each shown by its stable /dev/serial/by-id name where one
// exists, plus the saved device when it exists but is not enumerated (a
// pseudo-terminal never is). The old numeric key comPort is read only to
// migrate (n -> /dev/ttyS(n-1)) and kept in step for /dev/ttyS devices.
#include <string>
#include <vector>

#include "core/appdata.h"
#include "core/settings.h"

namespace rp {

struct PortInfo {
    std::string Path;        // what is shown and saved: the by-id name, else the device
    std::string SystemPath;  // the device itself (/dev/ttyUSB0)
};

class PortListProvider {
public:
    virtual ~PortListProvider() = default;
    // The enumerated serial devices, in the system's order.
    virtual std::vector<PortInfo> Ports() = 0;
    // Whether a device path exists at all.
    virtual bool Exists(const std::string& path) = 0;
};

// The entries offered for a saved device: the enumerated ports, then the
// saved device when it exists but is not among them.
std::vector<PortInfo> PortEntries(PortListProvider& p, const std::string& savedDevice);

// Fills `list` with the shown names and returns the first port ("" when
// there is none).
std::string FillComPortList(PortListProvider& p, const std::string& savedDevice,
                            std::vector<std::string>& list);
// True when `device` is listed (by shown name or device path) or exists.
bool IsComPortPresent(PortListProvider& p, const std::string& device);
// The first enumerated port ("" when none).
std::string GetFirstComPort(PortListProvider& p);

// The comPort value for a device: n for /dev/ttyS(n-1), 0 when none is
// chosen, `previous` for any other device.
int ComPortNumberOf(const std::string& device, int previous);

// Start-up: without a saved comDevice, takes the port comPort names when it
// is listed, else the first listed one (none: no port); a saved device is
// kept even while it is missing. Sets ComDevice and ComPortNumber and writes
// the keys back when they changed.
void CheckComPortAtStartup(AppData& d, PortListProvider& p, const Settings& s);

// Why `path` cannot serve as a port: 0 when it opens as a terminal device,
// else an errno value (ENOTTY when it exists but is no terminal device).
int PortDeviceError(const std::string& path);

// Saves a chosen device: ComDevice, ComPortNumber, and the keys comDevice
// and comPort.
void SaveComPortChoice(AppData& d, const std::string& device);

}  // namespace rp
