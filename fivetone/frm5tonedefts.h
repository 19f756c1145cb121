#pragma once
// Frm5ToneDefTS: the user-defined tone set. Sixteen boxes hold the
// frequencies of the digits 0..F in Hz; a box keeps its value within
// 288.5 .. 3106.0 Hz when it loses the focus, and OK stores the boxes into
// the working copy SetDataEdit (0.1 Hz units). The five-tone dialog's OK
// takes them into the live data.
#include <string>
#include <vector>

#include "core/appdata.h"
#include "forms/formstate.h"

namespace rp {

class Frm5ToneDefTS : public Form {
public:
    static constexpr char kName[] = "Frm5ToneDefTS";
    explicit Frm5ToneDefTS(AppData& d);

    void Form_Load() override;
    void LoadShowByLanguage();
    void ShowUserToneByData();
    void Text1_KeyPress(int index, int& key);
    void Text1_LostFocus(int index);
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
