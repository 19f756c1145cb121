#pragma once
// The DTMF dialog (FrmDTMF); its special-call builder is FrmDTMFCallBuilder
// (dtmfcallbuilder.h).
//
// FrmDTMF shows the live DTMF record and keeps its edits in its controls
// only: the load repairs what it shows, never the record, so Cancel, the
// close box and a load for the report leave the record as it was. OK
// refuses equal kill and stun codes, else stores what the controls show and
// closes. Enter moves the focus on in every box and list, as Tab does.
#include <functional>
#include <memory>
#include <string>

#include "core/appdata.h"
#include "forms/formstate.h"
#include "signalling/dtmfrules.h"

namespace rp {

class FrmDTMF : public Form {
public:
    static constexpr char kName[] = "FrmDTMF";
    explicit FrmDTMF(AppData& d);

    // Index 0..19 of the code box that last received the focus.
    Integer CurDTMFEditID = 0;

    void Form_Load() override;
    void LoadDTMFFormText();
    void ShowDTMFData();

    // A new separator: the special calls that carry the own ID follow it.
    void Separator_Click();
    void Text2_GotFocus(int index);
    void Text2_KeyPress(int index, int& keyAscii);
    void Text3_GotFocus();
    void Text3_KeyPress(int& keyAscii);
    void Text3_LostFocus();
    void CommandSpecial_Click();
    void CommandOK_Click();
    void CommandCancel_Click();
    // The commit: stores the controls into the live record and closes.
    void OKTimer_Timer();

    // The controls' values, list positions from 0 (what OK stores).
    DTMFShown ShownValues() const;
    void Click(const std::string& control) override;
    void KeyPress(const std::string& control, int& keyAscii) override;
    void GotFocus(const std::string& control) override;
    bool LostFocus(const std::string& control, const std::string& next) override;
    void Timer(const std::string& control) override;

private:
    AppData& d_;
};

}  // namespace rp
