#include "radio/frmprogress.h"

#include <algorithm>
#include <string>

#include "core/appdata.h"

namespace rp {

FrmProgress::FrmProgress(AppData& d, long commMode) : Form("FrmProgress"), d_(d), mode_(commMode) {
    FormState& s = State();
    s.Add("ProgressBar1", ControlKind::Progress).max = 100;
    s.Add("Label1", ControlKind::Label);
    s.Add("Label2", ControlKind::Label);
}

void FrmProgress::Form_Load() {
    ProgressChangShowByLanguage();
    C("ProgressBar1").value = 0;
    C("Label2").text = "0%";
}

void FrmProgress::ProgressChangShowByLanguage() {
    const std::size_t mode = mode_ == 1 || mode_ == 2 ? static_cast<std::size_t>(mode_) : 0;
    State().caption = LangText(d_, d_.Msg.ProgressTitleText[mode]);
    C("Label1").text = LangText(d_, d_.Msg.ProgressLabelText);
}

void FrmProgress::SetProgressValue(int value) {
    value = std::clamp(value, 0, 100);
    C("ProgressBar1").value = value;
    C("Label2").text = std::to_string(value) + "%";
}

}  // namespace rp
