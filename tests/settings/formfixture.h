#pragma once
// A fresh program state for the settings dialogs: recording seams, the
// shipped language files in a temporary program folder, model KEVRA8R at
// band 0 and the built-in default data (channels 1, 2 and 201..206), taken
// as unchanged; a file chooser answered by the test.
#include <gtest/gtest.h>

#include <filesystem>
#include <initializer_list>
#include <optional>
#include <string>
#include <vector>

#include "core/datafiles.h"
#include "core/defaults.h"
#include "core/filechooser.h"
#include "core/messages.h"
#include "core/tempfolder.h"
#include "formtestbase.h"
#include "forms/formlanguage.h"

namespace rp::test {

// Answers the choosers from the test; records the export's preset.
class FakeChooser : public FileChooser {
public:
    std::optional<std::string> open, save;
    std::vector<std::string> presets;
    std::optional<std::string> ChooseOpen(const FileChooserRequest&) override { return open; }
    std::optional<std::string> ChooseSave(const FileChooserRequest& r) override {
        presets.push_back(r.startPath);
        confirmsOverwrite = r.confirmOverwrite;
        return save;
    }
    bool confirmsOverwrite = false;
};

class SettingsFormTest : public FormTestBase {
protected:
    TempFolder tmp;

    void SetUp() override {
        FormTestBase::SetUp();
        namespace fs = std::filesystem;
        fs::create_directories(tmp / "app/language");
        for (const char* f : {"english.ini", "chinese.ini", "mysetup.ini"})
            fs::copy_file(std::string(RP_SOURCE_DIR) + "/language/" + f, tmp / ("app/language/" + std::string(f)));
        d.AppFolder = tmp / "app";  // the shipped texts, copied
        d.UserConfigDir = tmp / "user";
        d.InitFolder = tmp / "Init";  // empty: built-in defaults
        InitMessageTexts(d);
        InitCloseHelpCaptions(d);
        d.CurModel = "KEVRA8R";
        d.CurModelShowName = "KEVRA-8R";
        SetBand(0);
        InitAllData(d);
        InitEmgData(d, CalendarDate{2024, 3, 9});
        view.calls.clear();
    }

    void SetBand(int band) { SelectBand(d, band); }

    // The memory-channel list holds exactly these channel numbers, in this
    // store order.
    void SetChannels(std::initializer_list<int> numbers) {
        d.WorkData.FreDataCount = 0;
        for (int n : numbers) {
            FreDataRec r{};
            r.No = static_cast<Integer>(n);
            d.FreData[static_cast<std::size_t>(d.WorkData.FreDataCount++)] = r;
        }
    }
};

}  // namespace rp::test
