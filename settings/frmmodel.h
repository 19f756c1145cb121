#pragma once
// The model and band dialog. A changed band (after its warning) or model
// starts new data, once the save question has let it: nothing changes when
// either question is cancelled or the save fails.
#include <functional>

#include "core/appdata.h"
#include "forms/formstate.h"

namespace rp {

class FrmModel : public Form {
public:
    static constexpr char kName[] = "FrmModel";
    // The save question of File > New ([MSG] "9001", Yes, No and Cancel;
    // Yes saves): true to go on (saved, or No), false when cancelled or the
    // save failed or was cancelled. The main window passes the file
    // commands' step; left empty, the form asks through the notifier and can
    // save only data that already has a file name.
    using SaveQuestionStep = std::function<bool()>;

    explicit FrmModel(AppData& d, SaveQuestionStep askSave = {});

    void Form_Load() override;
    void ShowModelByLanguage();
    void InitModelList();
    void ShowModelByData();
    void CommandOK_Click();
    void CommandCancel_Click();

    void Click(const std::string& control) override;

private:
    bool AskSave();

    AppData& d_;
    SaveQuestionStep askSave_;
};

}  // namespace rp
