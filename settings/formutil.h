#pragma once
// Small helpers the settings dialogs share: control-array names, numbered
// list entries, selection by position, and the memory-channel list.
#include <string>
#include <string_view>
#include <vector>

#include "core/appdata.h"
#include "forms/formstate.h"

namespace rp {

// "Combo1", 3 -> "Combo1_3".
std::string Indexed(std::string_view name, int index);

// The index of an element of the control array `array` ("Combo1_3" of
// "Combo1" gives 3); -1 for any other name.
int ArrayIndex(std::string_view control, std::string_view array);

// Appends the decimal texts first..last.
void AddNumberItems(ControlState& list, int first, int last);

// Shows entry `index`, or the first entry when the index lies outside the
// list (none for an empty list): what showing GetComboItemByIndex does, kept
// by position so that lists with repeated texts (a missing language file)
// keep their values.
void ShowItemByIndex(ControlState& list, int index);

// Channel numbers 1..200 of the memory-channel records in store order, each
// once, ascending.
std::vector<int> SortedMemoryChannels(const AppData& d);

}  // namespace rp
