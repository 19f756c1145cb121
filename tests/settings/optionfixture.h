#pragma once
// The optional-functions dialog over a fresh data set: built-in defaults,
// model KEVRA8R, the shipped language files, recording seams.
#include <gtest/gtest.h>

#include <initializer_list>
#include <memory>
#include <string>
#include <vector>

#include "core/defaults.h"
#include "core/messages.h"
#include "formtestbase.h"
#include "forms/formlanguage.h"
#include "settings/frmoption.h"

namespace rp::test {

class OptionDialogTest : public FormTestBase {
protected:
    void SetUp() override {
        FormTestBase::SetUp();
        InitMessageTexts(d);
        d.CurModel = "KEVRA8R";
        SelectBand(d, 0);
        if (HasFatalFailure()) return;
        d.SkipInitFile = true;
        InitAllData(d);
    }

    OptionDataRec& Options() { return d.OptionData(); }

    std::unique_ptr<FrmOption> Load() {
        auto f = std::make_unique<FrmOption>(d);
        f->Form_Load();
        return f;
    }

    // The memory-channel store holds exactly these channel numbers.
    void SetChannels(std::initializer_list<int> numbers) {
        d.FreData.fill(FreDataRec{});
        Integer k = 0;
        for (int n : numbers) {
            d.FreData[static_cast<std::size_t>(k)].No = static_cast<Integer>(n);
            d.FreData[static_cast<std::size_t>(k)].Used = 1;
            ++k;
        }
        d.FreDataCount() = k;
    }

    // Bank b holds these channels in its first slots, the other slots empty.
    void SetBank(int b, std::initializer_list<int> channels) {
        for (int s = 1; s <= kBankSlots; ++s) d.BankCH()(s, b) = 0;
        int s = 1;
        for (int n : channels) d.BankCH()(s++, b) = static_cast<Integer>(n);
    }

    // A user's pick: the shell stores the new index, then reports the click.
    static void Pick(FrmOption& f, const std::string& list, int entry) {
        SetListIndex(f.C(list), entry);
        f.Click(list);
    }
    static void PickText(FrmOption& f, const std::string& list, const std::string& text) {
        SetComboText(f.C(list), text);
        f.Click(list);
    }
    static void Tick(FrmOption& f, const std::string& box, int value) {
        f.C(box).value = value;
        f.Click(box);
    }
};

}  // namespace rp::test
