#include "signalling/mskrules.h"

#include <cmath>

#include "core/listutils.h"
#include "core/numtext.h"
#include "signalling/formhelpers.h"

namespace rp {

std::string FormatHexID4(std::string_view text) {
    if (text.empty()) return "0000";
    for (char c : text)
        if (HexDigitValue(c) < 0) return "0000";
    std::string s(text);
    if (s.size() < 4) s.insert(0, 4 - s.size(), '0');
    return s;
}

Integer ClampMSKFrequency(const AppData& d, std::string_view text) {
    const std::optional<double> f = ParseNumber(TrimNullStr(text));
    if (!f) return 145;
    const double a = std::nearbyint(*f);  // half to even
    auto edge = [](double v) { return static_cast<Integer>(std::nearbyint(v)); };
    const double uhfLow = d.RxBandLow[0], uhfHigh = d.RxBandHigh[0];
    const double vhfLow = d.RxBandLow[1], vhfHigh = d.RxBandHigh[1];
    if (a < vhfLow) return edge(vhfLow);
    if (a > uhfHigh) return edge(uhfHigh);
    if (a > vhfHigh && a < uhfLow) return a >= 300 ? edge(uhfLow) : edge(vhfHigh);
    return static_cast<Integer>(a);
}

std::string ShownInfoCode(const MSKGroupRec& g) { return CutAtNull(g.InfoCode.Raw()); }

std::string ShownGroupName(const MSKGroupRec& g) { return g.Name.Trim(); }

void StoreInfoCode(MSKGroupRec& g, std::string_view text) { SetNulEnded(g.InfoCode, CutAtNull(text)); }

void StoreGroupName(MSKGroupRec& g, std::string_view text) { SetNulEnded(g.Name, TrimNullStr(text)); }

bool MSKDialogOffered(const AppData& d) { return TrimNullStr(d.CurModel) == "7425USD"; }

}  // namespace rp
