#include "fivetone/infocodes.h"

#include <algorithm>

namespace rp {

namespace {
bool IsKillStunWaken(int type) { return type >= kInfoTypeKill && type <= kInfoTypeWakeUp; }
}  // namespace

std::string InfoCodeDigits(const Tone5InfoCodeRec& c) {
    const std::size_t n = std::min<std::size_t>(c.CodeLen, c.Code.size());
    return std::string(c.Code.Raw().substr(0, n));
}

InfoTypeRule InfoTypeRuleOf(int type) {
    InfoTypeRule r;
    switch (type) {
    case 1:
        r.optionCount = 2;
        r.forcedOption = 0;
        break;
    case 2:
    case 6:
        r.forcedOption = 0;
        r.optionEnabled = false;
        break;
    case kInfoTypeKill:
    case kInfoTypeStun:
    case kInfoTypeWakeUp:
        r.forcedOption = 2;
        r.optionEnabled = false;
        break;
    default:
        break;
    }
    r.nameEnabled = type != 0 && type != 6;
    return r;
}

std::vector<std::string> CheckInfoKillStunWaken(const Tone5DataRec& t) {
    const std::string own = t.OwnID.Trim();
    bool killOrStun = false, wakeUp = false, duplicate = false;
    for (int i = 0; i < kInfoCodeCount; ++i) {
        const Tone5InfoCodeRec& a = t.InfoCodes[static_cast<std::size_t>(i)];
        if (!IsKillStunWaken(a.Type)) continue;
        if (a.Type == kInfoTypeWakeUp) wakeUp = true;
        else killOrStun = true;
        const std::string code = InfoCodeDigits(a);
        if (code == own) return {"60350"};
        for (int j = 0; j < kInfoCodeCount; ++j) {
            const Tone5InfoCodeRec& b = t.InfoCodes[static_cast<std::size_t>(j)];
            if (j != i && b.Type != a.Type && InfoCodeDigits(b) == code) duplicate = true;
        }
    }
    std::vector<std::string> keys;
    if (killOrStun && !wakeUp) keys.push_back("60300");
    if (duplicate) keys.push_back("60301");
    return keys;
}

}  // namespace rp
