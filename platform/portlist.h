#pragma once
// The serial-port list provider over QSerialPortInfo: every enumerated
// device, shown by its /dev/serial/by-id name where one exists.
#include "link/ports.h"

namespace rp {

class QtPortListProvider : public PortListProvider {
public:
    std::vector<PortInfo> Ports() override;
    bool Exists(const std::string& path) override;
};

}  // namespace rp
