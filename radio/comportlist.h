#pragma once
// The serial-port list of the port dialog and the link-test window: a
// combo box's state filled from the port-list provider, with one entry kept
// chosen across rebuilds, its rescan timer, and the choice stored.
#include <string>

#include "core/appdata.h"
#include "link/ports.h"
#include "forms/formstate.h"

namespace rp {

// Fills `list` with the ports offered for the saved device (PortEntries)
// and chooses the entry of `keep` (by shown name or device path), else the
// first entry; nothing for an empty list. Returns the chosen entry's text
// ("" when none). The items are only replaced when they changed, so a
// shell that mirrors the state rebuilds its list only then.
std::string ShowComPortList(ControlState& list, PortListProvider& ports, const std::string& savedDevice,
                            const std::string& keep);

// Adds the list's rescan timer under the form's name for it: every second,
// off until the form turns it on.
void AddComPortRescanTimer(FormState& s, const char* name);

// Stores the chosen entry for the next transfer: nothing chosen is no port
// (ComDevice "", ComPortNumber 0) and the settings file is not written;
// else SaveComPortChoice.
void StoreComPortChoice(AppData& d, const std::string& chosen);

}  // namespace rp
