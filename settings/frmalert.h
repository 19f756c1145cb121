#pragma once
// The emergency-alarm dialog: the 12 bytes of AlarmData, edited on the
// form's own copy and written back on OK. The report printer builds this
// form without a window and reads its captions, list texts and tick after
// Form_Load, hidden controls included; the load writes no data.
#include "core/appdata.h"
#include "forms/formstate.h"

namespace rp {

class FrmAlert : public Form {
public:
    static constexpr char kName[] = "FrmAlert";
    explicit FrmAlert(AppData& d);

    void Form_Load() override;
    void ShowAlertByLanguage();
    void InitAlertLists();
    void ShowAlertByData();
    // A pick in one of the lists (any other name does nothing).
    void Combo1_Click(const std::string& list);
    void Check1_Click();
    void CommandOK_Click();
    void CommandCancel_Click();

    // The form's copy of the record; the events read only its byte 2.
    AlarmDataRec AlarmDataEdit;

    void Click(const std::string& control) override;

private:
    // Rebuilds the ID code group list from the ID code type shown and the
    // group as loaded (byte 2 of AlarmDataEdit).
    void InitGroupList();

    AppData& d_;
};

}  // namespace rp
