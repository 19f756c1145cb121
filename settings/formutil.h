#pragma once
// Small helpers the settings dialogs share: emptied lists, numbered list
// entries, selection by position, and the memory-channel list.
#include <vector>

#include "core/appdata.h"
#include "forms/formstate.h"

namespace rp {

// Empties every list of the form, none chosen, before it is filled anew.
void ClearAllLists(FormState& s);

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
