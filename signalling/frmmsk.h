#pragma once
// The MSK dialog (FrmMSK): the header settings and 32 groups, one group at
// a time in the group frame. It edits the working copy MSKDataEdit; OK
// copies it into MSKData and re-points the channels' MSK groups.
#include <string>

#include "core/appdata.h"
#include "forms/formstate.h"

namespace rp {

class FrmMSK : public Form {
public:
    static constexpr char kName[] = "FrmMSK";
    explicit FrmMSK(AppData& d);

    // The group shown in the group frame.
    Integer CurMSKGroup = 0;

    void Form_Load() override;
    void LoadMSKFormText();
    void FillMSKLists();
    void ShowMSKData();
    void ShowMSKGroup();
    void EnableMSKGroupFields(int valid);
    void EnableMSKGroupField(int callType, int valid);
    void SaveMSKHeader();
    void SaveMSKGroup();

    void Check2_Click();
    // A group picked: the group left is saved, the picked one shown.
    void GroupList_Click();
    void CallType_Click();
    // The four ID boxes show four characters on leaving; the frequency is
    // kept inside the radio's bands.
    void IdBox_LostFocus(const std::string& box);
    void Frequency_LostFocus();
    void CommandOK_Click();
    void CommandCancel_Click();

    void Click(const std::string& control) override;
    void KeyPress(const std::string& control, int& keyAscii) override;
    void GotFocus(const std::string& control) override;
    bool LostFocus(const std::string& control, const std::string& next) override;

private:
    AppData& d_;
};

}  // namespace rp
