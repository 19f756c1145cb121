#pragma once
// The scan-settings dialog: the 14 bytes of ScanData, edited on the form's
// own copy and written back on OK only (bytes 10 and 12 are never touched).
#include <vector>

#include "core/appdata.h"
#include "forms/formstate.h"

namespace rp {

class FrmScan : public Form {
public:
    static constexpr char kName[] = "FrmScan";
    explicit FrmScan(AppData& d);

    void Form_Load() override;
    void ChangShowByLanguage();
    void InitShowList();
    void InitRevertList();
    void SetShowData();
    void SetEnableByScanMode();
    // A pick in one of the lists (any other name does nothing).
    void Combo1_Click(const std::string& list);
    void CommandOK_Click();
    void CommandCancel_Click();

    // The form's copy of the record.
    ScanDataRec ScanDataEdit;

    // The master index (entry of scan::RevertMasters) of each entry of the
    // revert list.
    const std::vector<int>& RevertMaster() const { return revertMaster_; }

    void Click(const std::string& control) override;

private:
    // Shows the revert entry of master index `master` when the list offers
    // it, else the list's first entry.
    void ShowRevert(int master);
    // The master index of the revert entry shown; 0 when none is.
    int ShownRevertMaster() const;

    AppData& d_;
    std::vector<int> revertMaster_;
};

}  // namespace rp
