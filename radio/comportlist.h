#pragma once
// The serial-port list of the port dialog and the link-test window: a
// combo box's state filled from the port-list provider, with one entry kept
// chosen across rebuilds.
#include <string>

#include "link/ports.h"
#include "mainwindow/formstate.h"

namespace rp {

// Fills `list` with the ports offered for the saved device (PortEntries)
// and chooses the entry of `keep` (by shown name or device path), else the
// first entry; nothing for an empty list. Returns the chosen entry's text
// ("" when none). The items are only replaced when they changed, so a
// shell that mirrors the state rebuilds its list only then.
std::string ShowComPortList(ControlState& list, PortListProvider& ports, const std::string& savedDevice,
                            const std::string& keep);

}  // namespace rp
