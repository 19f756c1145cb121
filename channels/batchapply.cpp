#include "channels/batchapply.h"

namespace rp {

std::string DefaultData(std::string_view text, std::string_view def) { return std::string(def.empty() ? text : def); }
double StepDataFre(const AppData&, double value, bool) { return value; }
std::string StepDataFree(std::string_view text) { return std::string(text); }
std::string StepData(std::string_view text) { return std::string(text); }
std::string Text2LostFocus(AppData&, int, std::string_view text, std::string_view) { return std::string(text); }
std::string Text3LostFocus(std::string_view text) { return std::string(text); }
void GetToneDataByText(AppData&, std::string_view, int, Integer&, Integer&, Integer&, Integer&) {}
int GetIntByText(std::string_view, int def, std::string_view) { return def; }
std::vector<std::string> BatchToneListItems(AppData&) { return {}; }
void ClockRandomSource::Seed() {}
double ClockRandomSource::Next() { return 0; }
std::string BatchList::Text() const {
    return index >= 0 && index < static_cast<int>(items.size()) ? items[static_cast<std::size_t>(index)] : std::string();
}
BatchResult BatchApply(AppData&, const BatchRequest& req, RandomSource&) {
    BatchResult r;
    r.text2 = req.text2;
    r.text3 = req.text3;
    return r;
}

}  // namespace rp
