#include "settings/frmmodel.h"

#include "core/bands.h"
#include "core/datafiles.h"
#include "core/language.h"
#include "core/listutils.h"
#include "core/models.h"
#include "forms/formlanguage.h"
#include "settings/frmmodelcontrols.h"

namespace rp {

FrmModel::FrmModel(AppData& d, SaveQuestionStep askSave)
    : Form(kName), d_(d), askSave_(std::move(askSave)) {
    State().tag = "2300";
    AddControls(State(), model::kControls);
}

void FrmModel::Form_Load() {
    ShowModelByLanguage();
    InitModelList();
    ShowModelByData();
}

void FrmModel::ShowModelByLanguage() {
    ApplyFormLanguage(d_, State());  // caption 2300, labels 2301 and 2302
    SetOKCancelCaption(d_, State());
}

void FrmModel::InitModelList() {
    ControlState& models = C(model::Model);
    models.items = {GetShowModelName(kModelId)};
    SetComboText(models, GetShowModelName(d_.CurModel));
    ControlState& band = C(model::Band);
    band.items.clear();
    for (int i = 0; i <= 7; ++i) band.items.push_back(GetFreqRangeText(i));
}

void FrmModel::ShowModelByData() {
    // A band index outside the list selects no band.
    const int band = d_.CurBandIndex;
    SetListIndex(C(model::Band), band >= 0 && band <= 7 ? band : -1);
}

bool FrmModel::AskSave() {
    if (askSave_) return askSave_();
    const MsgAnswer a = d_.Ui.Notify->Show(GetLanguageMsgString(d_, "9001"), MsgIcon::Warning,
                                           MsgButtons::YesNoCancel, kAppTitle);
    if (a == MsgAnswer::No) return true;
    // Untitled data would need a file chooser, which this form does not have.
    return a == MsgAnswer::Yes && !d_.IsUntitled && SaveDataFile(d_);
}

void FrmModel::CommandOK_Click() {
    const std::string chosen = GetModelIdByShowName(C(model::Model).text);
    const ControlState& bandList = C(model::Band);
    const bool modelChanged = chosen != d_.CurModel;
    // No band item chosen (an index outside the list on load) keeps the band.
    const bool bandChanged = bandList.index >= 0 && bandList.text != d_.CurBandText;
    Unload();
    if (!modelChanged && !bandChanged) return;
    if (bandChanged &&
        d_.Ui.Notify->Show(LangText(d_, d_.Msg.MsgFrequencyCleared), MsgIcon::Warning,
                           MsgButtons::OkCancel, LangText(d_, d_.Msg.WarningTitleText)) != MsgAnswer::Ok)
        return;
    if (IsDataChanged(d_) && !AskSave()) return;
    if (modelChanged) {
        d_.CurModel = chosen;
        d_.CurModelShowName = GetShowModelName(d_.CurModel);
        d_.Ui.View->LoadShowByModel();
    }
    if (bandChanged) {
        d_.CurBandText = bandList.text;
        d_.CurBandIndex = static_cast<Integer>(bandList.index);
        ParseBandRanges(d_);
    }
    NewDataFile(d_);
}

void FrmModel::CommandCancel_Click() { Unload(); }

void FrmModel::Click(const std::string& control) {
    if (control == kOKButton) CommandOK_Click();
    else if (control == kCancelButton) CommandCancel_Click();
}

}  // namespace rp
