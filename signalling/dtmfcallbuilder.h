#pragma once
// The DTMF special-call builder (FrmDTMFCallBuilder): composes a call code from
// the call type, the called ID and the DTMF dialog's separator and own ID,
// and puts it into the code box of that dialog that last had the focus.
#include <string>

#include "core/appdata.h"
#include "forms/formstate.h"
#include "signalling/frmdtmf.h"

namespace rp {

class FrmDTMFCallBuilder : public Form {
public:
    static constexpr char kName[] = "FrmDTMFCallBuilder";
    // Works on the DTMF dialog that opened it, which outlives it.
    FrmDTMFCallBuilder(AppData& d, FrmDTMF& owner);

    void Form_Load() override;
    void Combo1_Click();
    void Text1_GotFocus();
    void Text1_KeyPress(int& keyAscii);
    void Text1_LostFocus();
    void CommandOK_Click();
    void CommandCancel_Click();

    void Click(const std::string& control) override;
    void KeyPress(const std::string& control, int& keyAscii) override;
    void GotFocus(const std::string& control) override;
    bool LostFocus(const std::string& control, const std::string& next) override;

private:
    AppData& d_;
    FrmDTMF& owner_;
};

}  // namespace rp
