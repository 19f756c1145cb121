#pragma once
// FrmPassWord: the radio's programming password, asked by a transfer whose
// radio holds another one, and set ahead from Program > Password. The
// answer is kept for the rest of the run (InputPassWord), never saved.
#include <string>

#include "core/appdata.h"
#include "forms/formstate.h"
#include "radio/frmpasswordcontrols.h"

namespace rp {

namespace passwordkey {
inline constexpr int Caption = 3100;
inline constexpr int Label = 3101;
}  // namespace passwordkey

inline constexpr int kPassWordMaxLength = 4;

class FrmPassWord : public Form {
public:
    static constexpr char kName[] = "FrmPassWord";
    explicit FrmPassWord(AppData& d);

    void Form_Load() override;
    void ShowPassWordByLanguage();
    // Offers the password entered last.
    void ShowPassWordByData();
    void CommandOK_Click();
    void CommandCancel_Click();

    void Click(const std::string& control) override;

    // True once closed with OK.
    bool PassWordDialogOK = false;
    // What Text1 holds, as the radio's bytes (Latin-1).
    std::string EnteredPassWord() const;

private:
    AppData& d_;
};

}  // namespace rp
