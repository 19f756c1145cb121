#pragma once
// The factory-frequencies dialog: whether new data keeps every channel of
// the default data file. OK stores the tick in FactoryFresFlag and in the
// settings key "FactoryFres".
#include "core/appdata.h"
#include "forms/formstate.h"

namespace rp {

class FrmInit : public Form {
public:
    static constexpr char kName[] = "FrmInit";
    explicit FrmInit(AppData& d);

    void Form_Load() override;
    void ShowInitByLanguage();
    void ShowInitByData();
    void CommandOK_Click();
    void CommandCancel_Click();

    void Click(const std::string& control) override;

private:
    AppData& d_;
};

}  // namespace rp
