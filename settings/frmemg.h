#pragma once
// The embedded-information view: shows EmgData and the model's display name
// and writes nothing. Its texts are built in (English when LanguageIndex is
// 1, else Chinese). The report printer builds it without a window and reads
// its captions, lists and boxes (settings/frmemgcontrols.h) after Form_Load.
#include "core/appdata.h"
#include "forms/formstate.h"

namespace rp {

class FrmEMG : public Form {
public:
    static constexpr char kName[] = "FrmEMG";
    explicit FrmEMG(AppData& d);

    void Form_Load() override;
    void ShowEmgByLanguage();
    // Fills every box from EmgData and CurModelShowName; may run again.
    void ShowByData();
    void CommandClose_Click();
    void CommandHelp_Click();  // no action

    void Click(const std::string& control) override;

    // The band list's item for a band code: 8 x high nibble + low nibble;
    // -1 (no item) outside 0..7.
    static int BandItemOfCode(int bandCode);

private:
    AppData& d_;
};

}  // namespace rp
