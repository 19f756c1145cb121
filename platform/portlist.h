#pragma once
// The serial-port list provider over QSerialPortInfo: every enumerated
// device, shown by its /dev/serial/by-id name where one exists.
#include <string>
#include <utility>

#include "link/ports.h"

namespace rp {

class QtPortListProvider : public PortListProvider {
public:
    // `byIdFolder`: where the stable names live (a test gives its own).
    explicit QtPortListProvider(std::string byIdFolder = "/dev/serial/by-id")
        : byIdFolder_(std::move(byIdFolder)) {}

    std::vector<PortInfo> Ports() override;
    bool Exists(const std::string& path) override;

    // The name a device is shown by: the link in the by-id folder that
    // leads to it, else the device path itself.
    std::string ShownName(const std::string& device) const;

private:
    std::string byIdFolder_;
};

}  // namespace rp
