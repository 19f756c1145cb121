#pragma once
// FrmBank, the bank dialog: one bank at a time, with the memory channels in
// it (in slot order) and those outside it (in store order), and the moves
// between the two (its control table is channels/frmbankcontrols.h). Everything happens on the working copy
// TempBankCH; OK commits it to BankCH, Cancel and the close box drop it.
//
// A list's chosen item is its `index` (-1 none), which the shell keeps equal
// to the widget's selected item.
#include <string>
#include <string_view>

#include "core/appdata.h"
#include "forms/formstate.h"

namespace rp {

// "Channel " and the channel number minus 1: channel 1 shows as "Channel 0".
std::string GetChannelShowText(int n);
// The way back: the text after the first blank as a whole number, plus 1;
// 0 for a text without a blank or whose rest is not a whole number.
int GetChannelNoByShowText(std::string_view text);

class FrmBank : public Form {
public:
    static constexpr char kName[] = "FrmBank";
    explicit FrmBank(AppData& d);

    void Form_Load() override;
    void InitShowList();
    void List1_Click();
    void CommandL_Click();
    void CommandR_Click();
    void CommandOK_Click();
    void CommandCancel_Click();

    // The bank the bank list has chosen, 1..9; 0 before any choice.
    int ChosenBank() const;

    void Click(const std::string& control) override;

private:
    AppData& d_;
};

}  // namespace rp
