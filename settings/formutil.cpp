#include "settings/formutil.h"

#include <algorithm>
#include <string>

#include "forms/formlanguage.h"

namespace rp {

void ClearAllLists(FormState& s) {
    for (const auto& name : s.Names()) {
        ControlState& c = s[name];
        if (c.kind == ControlKind::ComboBox) {
            c.items.clear();
            SetListIndex(c, -1);
        }
    }
}

void AddNumberItems(ControlState& list, int first, int last) {
    for (int i = first; i <= last; ++i) list.items.push_back(std::to_string(i));
}

void ShowItemByIndex(ControlState& list, int index) {
    const int n = static_cast<int>(list.items.size());
    SetListIndex(list, n == 0 ? -1 : (index >= 0 && index < n ? index : 0));
}

std::vector<int> SortedMemoryChannels(const AppData& d) {
    std::vector<int> numbers;
    const int count = std::clamp<int>(d.WorkData.FreDataCount, 0, kFreDataMax);
    for (int i = 0; i < count; ++i) {
        const int n = d.FreData[static_cast<std::size_t>(i)].No;
        if (n >= ChMemFirst && n <= ChMemLast &&
            std::find(numbers.begin(), numbers.end(), n) == numbers.end())
            numbers.push_back(n);
    }
    std::sort(numbers.begin(), numbers.end());
    return numbers;
}

}  // namespace rp
