#pragma once
// FrmCallBuilder: the five-tone special-call builder. It composes a data
// message, an own-ID call or a PTT-ID call, by the five-tone dialog's
// SpecialCallMode: 0 into a code-list entry (working copy and grid row),
// 1 and 2 into the PTT-ID begin and end code boxes. It also stores the
// chosen separator in the working copy.
#include <string>

#include "core/appdata.h"
#include "forms/formstate.h"

namespace rp {

class Frm5Tone;

class FrmCallBuilder : public Form {
public:
    static constexpr char kName[] = "FrmCallBuilder";
    // The builder reads and writes `owner`'s grid and boxes; owner outlives it.
    FrmCallBuilder(AppData& d, Frm5Tone& owner);

    void Form_Load() override;
    void ShowSpecialSeparator();
    void InitSpecialLists();
    void Combo1_Click(int index);
    void Text1_LostFocus(int index, const std::string& next);
    void Text1_KeyPress(int index, int& key);
    void Text2_KeyPress(int& key);
    void CommandOK_Click();
    void CommandCancel_Click();

    void Click(const std::string& control) override;
    void KeyPress(const std::string& control, int& keyAscii) override;
    void GotFocus(const std::string& control) override;
    bool LostFocus(const std::string& control, const std::string& next) override;

private:
    // True when the called-ID box holds five characters; else the message.
    bool CheckCalledId(int index);
    // Enter as the Tab key: the box's departure runs, then the focus moves on.
    void FocusNext(const std::string& from);

    AppData& d_;
    Frm5Tone& owner_;
};

}  // namespace rp
