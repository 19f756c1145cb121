#include "fivetone/valuelists.h"

#include "core/numtext.h"

namespace rp {

ItemList NumberItems(int from, int to, int step) {
    ItemList v;
    for (int x = from; x <= to; x += step) v.push_back(std::to_string(x));
    return v;
}

ItemList ToneTimeItems() { return NumberItems(30, 100, 1); }

ItemList TenthItems() {
    ItemList v;
    for (int i = 0; i <= 250; ++i) v.push_back(FormatNumber(i / 10.0, "0.0"));
    return v;
}

ItemList RepeatTimeItems(const std::string& offText) {
    ItemList v{offText};
    for (const auto& s : NumberItems(5, 75, 1)) v.push_back(s);
    return v;
}

ItemList PauseCodeItems(const std::string& offText) { return {offText, "B", "C", "D", "F"}; }

}  // namespace rp
