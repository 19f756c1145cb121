#pragma once
// The batch channel editor over a fresh default data set: English language
// file, model KEVRA8R, band 0, recording seams, and a program folder of its
// own (a temporary one that links the shipped language files), so the
// batch-function file is written there and nowhere else.
#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "channels/batchfun.h"
#include "channels/frmchbatch.h"
#include "channels/frmchbatchcontrols.h"
#include "core/appdata.h"
#include "core/bands.h"
#include "core/channelstore.h"
#include "core/datafiles.h"
#include "core/defaults.h"
#include "core/fakes.h"
#include "core/language.h"
#include "core/messages.h"
#include "core/tempfolder.h"
#include "channels/formactions.h"
#include "forms/controls.h"
#include "forms/formlanguage.h"

namespace rp::test {

// A random source that always gives the same number.
class FixedRandom : public RandomSource {
public:
    double value = 0.5;
    int seeds = 0;
    void Seed() override { ++seeds; }
    double Next() override { return value; }
};

class ChBatchTest : public ::testing::Test, public FormActions {
public:
    TempFolder folder;
    AppData d;
    RecordingNotifier notes;
    RecordingListener view;
    LanguageFileTexts texts{d};
    FixedRandom random;
    std::unique_ptr<FrmCHBatch> f;

    void SetUp() override {
        std::filesystem::create_directory_symlink(std::string(RP_SOURCE_DIR) + "/language", folder / "language");
        d.AppFolder = folder.path();
        d.UserConfigDir = folder / "user";
        d.Ui.Notify = &notes;
        d.Ui.View = &view;
        d.Ui.Texts = &texts;
        SetLanguageIndex(d, LangEnglish);
        InitMessageTexts(d);
        d.CurModel = "KEVRA8R";
        d.CurBandIndex = 0;
        d.CurBandText = GetFreqRangeText(0);
        ASSERT_TRUE(ParseBandRanges(d));
        d.SkipInitFile = true;
        InitAllData(d);  // channels 1, 2, 201..206 and the presets
        CopyWorkDataToFileCopy(d);
        LoadBatchFunFile(d);  // as at start-up: the file created with the defaults
    }

    std::string BatchFile() const { return folder / kBatchFunFile; }
    std::string FileBytes() const { return ReadFile(BatchFile()); }

    FrmCHBatch& Open() {
        f = std::make_unique<FrmCHBatch>(d);
        f->SetRandomSource(&random);
        f->Form_Load();
        return *f;
    }

    // ---- the user's actions, as a shell performs them (more in FormActions) ----
    // An option button clicked: it is chosen, the others of its group not.
    void Choose(const std::string& option) {
        const std::string group = SplitElementName(option).base;
        for (int i = 0; f->State().Has(ElementName(group, i)); ++i) C(ElementName(group, i)).value = 0;
        C(option).value = 1;
        f->Click(option);
    }
    void Click(const std::string& button) { f->Click(button); }
    // Typed keys into the focused box: the key filter, then the character
    // at the end of the text (within the box's length), then its change.
    void Type(const std::string& keys) {
        for (char ch : keys) TypeKey(static_cast<unsigned char>(ch));
    }
    void TypeKey(int key) {
        const std::string box = f->State().focus;
        int k = key;
        f->KeyPress(box, k);
        if (k == 0) return;
        ControlState& c = C(box);
        std::string text = c.text;
        if (k == 8) {
            if (!text.empty()) text.pop_back();
        } else if (c.max == 0 || static_cast<int>(text.size()) < c.max) {
            text += static_cast<char>(k);
        }
        SetText(box, text);
    }

protected:
    Form& ActedOn() override { return *f; }
};

}  // namespace rp::test
