#pragma once
// The settings dialogs' program state (shipped language files, model
// KEVRA8R, default data) with the print texts filled and a recording
// printer port.
#include <initializer_list>
#include <string>
#include <vector>

#include "printfakes.h"
#include "printing/printjob.h"
#include "printing/printstrings.h"
#include "settings/formfixture.h"

namespace rp::test {

class PrintTest : public SettingsFormTest {
protected:
    RecordingPort port;

    void SetUp() override {
        SettingsFormTest::SetUp();
        InitPrintStrings(d);
        d.DataFilePath = "/home/dealer/new.dat";
    }

    // One job with these print items ticked.
    void Print(std::initializer_list<int> items) {
        d.PrintItemFlags = {};
        for (int i : items) d.PrintItemFlags[static_cast<std::size_t>(i)] = 1;
        PrintSelectedItems(d, port);
    }

    std::vector<std::string> Lines(int page) const { return PageLines(port.doc, page); }
};

}  // namespace rp::test
