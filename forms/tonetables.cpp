#include "forms/tonetables.h"

#include "core/language.h"
#include "core/listutils.h"

namespace rp {

const std::vector<std::string>& StepTexts() {
    static const std::vector<std::string> t = {"2.5K", "5K",  "6.25K", "10K", "12.5K",
                                               "20K",  "25K", "30K",   "50K"};
    return t;
}

const std::vector<std::string>& CtcssToneTexts() {
    static const std::vector<std::string> t(kCtcssTones.begin(), kCtcssTones.end());
    return t;
}

std::vector<std::string> CtcssTexts(AppData& d) {
    std::vector<std::string> t = CtcssToneTexts();
    t.push_back(GetLanguageString(d, kTextCustomTone));
    return t;
}

const std::vector<std::string>& DcsTexts() {
    static const std::vector<std::string> t = [] {
        std::vector<std::string> v;
        v.reserve(kDcsCodeCount);
        for (int n = 0; n < kDcsCodeCount; ++n) v.push_back(FormatOctalWidth(static_cast<Integer>(n), 3) + "N");
        return v;
    }();
    return t;
}

const std::vector<std::string>& DcsComboTexts() {
    static const std::vector<std::string> t = [] {
        std::vector<std::string> v;
        v.reserve(2 * kDcsCodeCount);
        for (const char* suffix : {"N", "I"})
            for (int n = 0; n < kDcsCodeCount; ++n)
                v.push_back("D" + FormatOctalWidth(static_cast<Integer>(n), 3) + suffix);
        return v;
    }();
    return t;
}

}  // namespace rp
