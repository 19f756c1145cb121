#include "forms/controls.h"

#include <stdexcept>

namespace rp {

std::string ElementName(std::string_view base, int index) {
    std::string name(base);
    name += '_';
    name += std::to_string(index);
    return name;
}

ElementRef SplitElementName(std::string_view name) {
    const std::size_t us = name.rfind('_');
    if (us == std::string_view::npos || us + 1 == name.size() || name.size() - us > 5)
        return {std::string(name), -1};
    int index = 0;
    for (std::size_t i = us + 1; i < name.size(); ++i) {
        if (name[i] < '0' || name[i] > '9') return {std::string(name), -1};
        index = index * 10 + (name[i] - '0');
    }
    return {std::string(name.substr(0, us)), index};
}

int ElementIndex(std::string_view name, std::string_view base) {
    const ElementRef ref = SplitElementName(name);
    return ref.index >= 0 && ref.base == base ? ref.index : -1;
}

void AddControls(FormState& state, std::span<const ControlEntry> table) {
    for (const ControlEntry& entry : table) {
        const int count = entry.elements > 0 ? entry.elements : 1;
        for (int i = 0; i < count; ++i) {
            ControlState& c = state.Add(entry.elements > 0 ? ElementName(entry.name, i) : entry.name, entry.kind);
            c.tag = entry.tag;
            c.visible = entry.visible;
            c.max = entry.max;
        }
    }
}

const char* CaptionOf(std::initializer_list<CaptionTable> tables, std::string_view control) {
    for (const CaptionTable& table : tables)
        for (const CaptionedControl& row : table)
            if (control == row.control) return row.label;
    throw std::out_of_range("no caption for control " + std::string(control));
}

}  // namespace rp
