#include "radio/comportlist.h"

#include <vector>

#include "forms/formlanguage.h"

namespace rp {

namespace {
constexpr int kRescanMs = 1000;
}

std::string ShowComPortList(ControlState& list, PortListProvider& ports, const std::string& savedDevice,
                            const std::string& keep) {
    const std::vector<PortInfo> entries = PortEntries(ports, savedDevice);
    std::vector<std::string> items;
    items.reserve(entries.size());
    int kept = -1;
    for (std::size_t i = 0; i < entries.size(); ++i) {
        items.push_back(entries[i].Path);
        if (kept < 0 && !keep.empty() && (entries[i].Path == keep || entries[i].SystemPath == keep))
            kept = static_cast<int>(i);
    }
    const int chosen = kept >= 0 ? kept : entries.empty() ? -1 : 0;
    if (list.items != items) list.items = std::move(items);
    SetListIndex(list, chosen);
    return list.SelectedItem();
}

void AddComPortRescanTimer(FormState& s, const char* name) {
    ControlState& t = s.Add(name, ControlKind::Timer);
    t.max = kRescanMs;
    t.enabled = false;
}

void StoreComPortChoice(AppData& d, const std::string& chosen) {
    if (chosen.empty()) {
        d.ComDevice.clear();
        d.ComPortNumber = 0;
    } else {
        SaveComPortChoice(d, chosen);
    }
}

}  // namespace rp
