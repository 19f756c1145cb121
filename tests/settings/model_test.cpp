// The model and band dialog: the warning, the save question, and what a
// changed band or model does to the data.
#include <gtest/gtest.h>

#include <filesystem>
#include <optional>
#include <ostream>

#include "core/conversions.h"
#include "settings/formfixture.h"
#include "settings/frmmodel.h"
#include "settings/frmmodelcontrols.h"

using namespace rp;

namespace {

enum class Save { NotAsked, Yes, No, Cancel };

struct ModelCase {
    const char* name;
    bool bandChanged, dataModified;
    MsgAnswer warning;  // answer to the warning, when it comes
    Save save;          // answer to the save question, when it comes
    bool saveSucceeds;
    bool applied;       // new band and new data
};
void PrintTo(const ModelCase& c, std::ostream* os) { *os << c.name; }

class ModelTest : public rp::test::SettingsFormTest {
protected:
    int saveAsked = 0;
    Save answer = Save::No;

    void SetUp() override {
        SettingsFormTest::SetUp();
        std::filesystem::create_directories(tmp / "folder.dat");
        d.DataFilePath = tmp / "club.dat";
        d.IsUntitled = false;
    }
    // The file commands' save question, answered by the test; Yes saves.
    FrmModel::SaveQuestionStep Step() {
        return [this] {
            ++saveAsked;
            if (answer == Save::Yes) return SaveDataFile(d);
            return answer == Save::No;
        };
    }
};

const ModelCase kCases[] = {
    {"band changed, data unchanged, warning OK", true, false, MsgAnswer::Ok, Save::NotAsked, true, true},
    {"band changed, warning Cancel", true, true, MsgAnswer::Cancel, Save::NotAsked, true, false},
    {"band changed, data changed, save No", true, true, MsgAnswer::Ok, Save::No, true, true},
    {"band changed, data changed, save Cancel", true, true, MsgAnswer::Ok, Save::Cancel, true, false},
    {"band changed, data changed, save Yes and saved", true, true, MsgAnswer::Ok, Save::Yes, true, true},
    {"band changed, data changed, save Yes and failed", true, true, MsgAnswer::Ok, Save::Yes, false, false},
    {"band unchanged, data changed", false, true, MsgAnswer::Ok, Save::NotAsked, true, false},
    {"band unchanged, data unchanged", false, false, MsgAnswer::Ok, Save::NotAsked, true, false},
};

class ModelCases : public ModelTest, public ::testing::WithParamInterface<ModelCase> {};

}  // namespace

TEST_P(ModelCases, OkAppliesTheBandOnlyWhenBothQuestionsLetIt) {
    const ModelCase& c = GetParam();
    if (!c.saveSucceeds) d.DataFilePath = tmp / "folder.dat";
    if (c.dataModified) d.AlarmData().Cycles = 9;
    const std::string pathBefore = d.DataFilePath;
    answer = c.save;
    notes.answers = {c.warning};

    FrmModel f(d, Step());
    f.Form_Load();
    EXPECT_EQ(f.C(model::Band).index, 0);
    if (c.bandChanged) SetListIndex(f.C(model::Band), 3);
    f.Click(kOKButton);
    EXPECT_TRUE(f.unloadRequested);

    if (c.bandChanged) {
        ASSERT_FALSE(notes.shown.empty());
        EXPECT_EQ(notes.shown[0].text, "Frequency data will be cleared.");
        EXPECT_EQ(notes.shown[0].icon, MsgIcon::Warning);
        EXPECT_EQ(notes.shown[0].buttons, MsgButtons::OkCancel);
        EXPECT_EQ(notes.shown[0].title, "Warning");
    } else {
        EXPECT_TRUE(notes.shown.empty());
    }
    EXPECT_EQ(saveAsked, c.save == Save::NotAsked ? 0 : 1);
    EXPECT_EQ(std::filesystem::is_regular_file(tmp / "club.dat"), c.save == Save::Yes && c.saveSucceeds);

    if (c.applied) {
        EXPECT_EQ(d.CurBandIndex, 3);
        EXPECT_EQ(d.CurBandText, "UHF(430 - 440 MHz) VHF(144 - 146 MHz)");
        EXPECT_EQ(d.RxBandLow[0], 430);
        EXPECT_EQ(d.RxBandHigh[1], 146);
        EXPECT_EQ(d.AlarmData().Cycles, 0);  // new data
        EXPECT_EQ(d.DataFilePath, "new.dat");
        EXPECT_TRUE(d.IsUntitled);
    } else {
        EXPECT_EQ(d.CurBandIndex, 0);
        EXPECT_EQ(d.CurBandText, GetFreqRangeText(0));
        EXPECT_EQ(d.RxBandLow[0], 400);
        EXPECT_EQ(d.RxBandHigh[1], 174);
        EXPECT_EQ(d.AlarmData().Cycles, c.dataModified ? 9 : 0);
        EXPECT_EQ(d.DataFilePath, pathBefore);
        EXPECT_FALSE(d.IsUntitled);
        EXPECT_TRUE(view.calls.empty());
    }
    EXPECT_EQ(d.CurModel, "KEVRA8R");
}

INSTANTIATE_TEST_SUITE_P(Answers, ModelCases, ::testing::ValuesIn(kCases));

TEST_F(ModelTest, TheNewBandLimitsRuleTheChannelChecks) {
    EXPECT_EQ(FormatRxFreInBand(d, "150.00000", 0, false), "150.00000");
    FrmModel f(d, Step());
    f.Form_Load();
    SetListIndex(f.C(model::Band), 1);  // VHF 144 - 146 MHz
    f.Click(kOKButton);
    EXPECT_NE(FormatRxFreInBand(d, "150.00000", 0, false), "150.00000");
    EXPECT_EQ(FormatRxFreInBand(d, "145.00000", 0, false), "145.00000");
}

TEST_F(ModelTest, AnotherModelIsReplacedByTheListedOneAfterTheSaveQuestion) {
    struct Case {
        Save save;
        bool applied;
    };
    for (const Case& c : {Case{Save::Cancel, false}, Case{Save::No, true}}) {
        d.CurModel = "7425USB";
        d.CurModelShowName = "7425UV-B-USA";
        d.AlarmData().Cycles = 9;
        CopyWorkDataToFileCopy(d);
        d.AlarmData().Cycles = 8;  // changed since
        view.calls.clear();
        saveAsked = 0;
        answer = c.save;
        FrmModel f(d, Step());
        f.Form_Load();
        EXPECT_EQ(f.C(model::Model).items, std::vector<std::string>{"KEVRA-8R"});
        EXPECT_EQ(f.C(model::Model).text, "KEVRA-8R");
        f.Click(kOKButton);
        EXPECT_TRUE(notes.shown.empty());  // the band did not change: no warning
        EXPECT_EQ(saveAsked, 1);
        EXPECT_EQ(d.CurModel, c.applied ? "KEVRA8R" : "7425USB");
        EXPECT_EQ(d.CurModelShowName, c.applied ? "KEVRA-8R" : "7425UV-B-USA");
        EXPECT_EQ(d.AlarmData().Cycles, c.applied ? 0 : 8);
        if (c.applied) {
            ASSERT_FALSE(view.calls.empty());
            EXPECT_EQ(view.calls.front(), "LoadShowByModel");
        } else {
            EXPECT_TRUE(view.calls.empty());
        }
    }
}

TEST_F(ModelTest, ABandIndexOutsideTheListSelectsNothingAndChangesNothing) {
    d.CurBandIndex = 9;
    FrmModel f(d, Step());
    f.Form_Load();
    EXPECT_EQ(f.C(model::Band).index, -1);
    EXPECT_EQ(f.C(model::Band).items.size(), 8u);
    f.Click(kOKButton);
    EXPECT_TRUE(notes.shown.empty());
    EXPECT_EQ(d.CurBandIndex, 9);
    EXPECT_EQ(d.DataFilePath, tmp / "club.dat");
}

TEST_F(ModelTest, CaptionsAndCancel) {
    FrmModel f(d, Step());
    f.Form_Load();
    EXPECT_EQ(f.State().caption, "Model and Band");
    EXPECT_EQ(f.C(model::ModelLabel).text, "Model");
    EXPECT_EQ(f.C(model::BandLabel).text, "Band");
    EXPECT_EQ(f.C(kCancelButton).text, "Cancel");
    SetListIndex(f.C(model::Band), 5);
    f.Click(kCancelButton);
    EXPECT_TRUE(f.unloadRequested);
    EXPECT_TRUE(notes.shown.empty());
    EXPECT_EQ(d.CurBandIndex, 0);
}

TEST_F(ModelTest, WithoutAStepTheFormAsksThroughTheNotifier) {
    struct Case {
        const char* name;
        MsgAnswer save;
        bool untitled;
        bool applied;
    };
    const Case cases[] = {
        {"No goes on", MsgAnswer::No, false, true},
        {"Cancel stops", MsgAnswer::Cancel, false, false},
        {"Yes saves a named data set", MsgAnswer::Yes, false, true},
        {"Yes cannot save untitled data here", MsgAnswer::Yes, true, false},
    };
    for (const Case& c : cases) {
        SetBand(0);
        InitAllData(d);
        d.DataFilePath = tmp / (std::string(c.name) + ".dat");
        d.IsUntitled = c.untitled;
        d.AlarmData().Cycles = 9;
        notes.shown.clear();
        notes.answers = {MsgAnswer::Ok, c.save};
        FrmModel f(d);
        f.Form_Load();
        SetListIndex(f.C(model::Band), 2);
        f.Click(kOKButton);
        ASSERT_EQ(notes.shown.size(), 2u) << c.name;
        EXPECT_EQ(notes.shown[1].text, "Data has been modified. Save it now?") << c.name;
        EXPECT_EQ(notes.shown[1].buttons, MsgButtons::YesNoCancel) << c.name;
        EXPECT_EQ(d.CurBandIndex, c.applied ? 2 : 0) << c.name;
        EXPECT_EQ(std::filesystem::exists(tmp / (std::string(c.name) + ".dat")),
                  c.save == MsgAnswer::Yes && !c.untitled)
            << c.name;
    }
}
