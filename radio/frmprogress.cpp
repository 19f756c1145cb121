#include "radio/frmprogress.h"

#include <algorithm>
#include <string>

#include "core/appdata.h"

namespace rp {

FrmProgress::FrmProgress(AppData& d, long commMode) : Form(kName), d_(d), mode_(commMode) {
    AddControls(State(), progress::kControls);
}

void FrmProgress::Form_Load() {
    ProgressChangShowByLanguage();
    C(progress::Bar).value = 0;
    C(progress::Percent).text = "0%";
}

void FrmProgress::ProgressChangShowByLanguage() {
    const std::size_t mode = mode_ == 1 || mode_ == 2 ? static_cast<std::size_t>(mode_) : 0;
    State().caption = LangText(d_, d_.Msg.ProgressTitleText[mode]);
    C(progress::Prompt).text = LangText(d_, checking_ ? d_.Msg.ProgressCheckText : d_.Msg.ProgressLabelText);
}

void FrmProgress::SetProgressChecking(bool checking) {
    checking_ = checking;
    ProgressChangShowByLanguage();
}

void FrmProgress::SetProgressValue(int value) {
    value = std::clamp(value, 0, 100);
    C(progress::Bar).value = value;
    C(progress::Percent).text = std::to_string(value) + "%";
}

}  // namespace rp
