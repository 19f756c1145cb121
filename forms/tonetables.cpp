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
    static const std::vector<std::string> t = {
        "62.5",  "67.0",  "69.3",  "71.9",  "74.4",  "77.0",  "79.7",  "82.5",  "85.4",  "88.5",
        "91.5",  "94.8",  "97.4",  "100.0", "103.5", "107.2", "110.9", "114.8", "118.8", "123.0",
        "127.3", "131.8", "136.5", "141.3", "146.2", "151.4", "156.7", "159.8", "162.2", "165.5",
        "167.9", "171.3", "173.8", "177.3", "179.9", "183.5", "186.2", "189.9", "192.8", "196.6",
        "199.5", "203.5", "206.5", "210.7", "218.1", "225.7", "229.1", "233.6", "241.8", "250.3",
        "254.1"};
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
