// The report printer builds the alarm dialog and the information view
// without a window and reads their controls by name after Form_Load; the
// load must leave every text there and change no data.
#include <gtest/gtest.h>

#include <ostream>
#include <string>

#include "core/language.h"
#include "settings/frmalert.h"
#include "settings/frmemg.h"
#include "settings/formfixture.h"

using namespace rp;

namespace {

struct LanguageCase {
    const char* name;
    int language;
    const char* alertCaption;
    const char* label0;      // Label1_0 of the alarm dialog
    const char* frame;       // Frame1
    const char* check;       // Check1
    const char* label2_1;    // Label2_1
    const char* typeShown;   // Combo1_0 for alarm type 0
    const char* cycles0;     // Combo1_9 for cycles 0
    const char* emgCaption;
    const char* emgLabel7;   // Label1_7 of the view
    const char* emgLabel2;   // Label2
    const char* closeText;
};
void PrintTo(const LanguageCase& c, std::ostream* os) { *os << c.name; }

const LanguageCase kLanguages[] = {
    {"English", 1, "Emergency Alarm", "Alarm Type", "Lone Worker", "Auto Detect",
     "Lone Worker Time (s)", "Local Alarm", "Continuous", "Embedded Message", "Description", "Area Code", "&Close"},
    {"Chinese", 2, "紧急报警", "报警类型", "单人作业", "自动检测", "单人作业时间(秒)", "本地报警", "连续",
     "嵌入信息", "", "销售区号", "关闭(&C)"},
};

class HiddenLoad : public rp::test::SettingsFormTest,
                   public ::testing::WithParamInterface<LanguageCase> {};

}  // namespace

TEST_P(HiddenLoad, AlarmDialogLeavesItsTextsAndValues) {
    const LanguageCase& c = GetParam();
    SetLanguageIndex(d, c.language);
    SetChannels({1, 11, 201});
    d.AlarmData() = {0, 0, 0, 10, 3, 4, 0, 10, 0, 2, 0, 3};
    const RadioDataRec before = d.WorkData;
    {
        FrmAlert f(d);
        f.Form_Load();
        EXPECT_EQ(f.State().caption, c.alertCaption);
        EXPECT_EQ(f.C("Label1_0").text, c.label0);
        for (int i = 0; i <= 9; ++i) {
            const std::string name = "Label1_" + std::to_string(i);
            EXPECT_EQ(f.C(name).text, GetLanguageString(d, 2602 + i)) << name;
            EXPECT_FALSE(f.C(name).text.empty()) << name;
        }
        EXPECT_EQ(f.C("Frame1").text, c.frame);
        EXPECT_EQ(f.C("Check1").text, c.check);
        EXPECT_EQ(f.C("Label2_1").text, c.label2_1);
        EXPECT_EQ(f.C("Combo1_0").text, c.typeShown);
        EXPECT_EQ(f.C("Combo1_3").text, "10");
        EXPECT_EQ(f.C("Combo1_4").text, "3");
        EXPECT_EQ(f.C("Combo1_8").text, "10");  // channel 11 shows as 10
        EXPECT_EQ(f.C("Combo1_9").text, c.cycles0);
        // The hidden lone-worker group shows the values OK would store.
        EXPECT_EQ(f.C("Check1").value, 0);
        EXPECT_EQ(f.C("Combo2_0").text, "1");
        EXPECT_EQ(f.C("Combo2_1").text, "5");
        EXPECT_FALSE(f.C("Frame1").visible);
        EXPECT_FALSE(f.C("Combo2_1").visible);
        EXPECT_FALSE(f.unloadRequested);
    }
    EXPECT_EQ(d.WorkData, before);
}

TEST_P(HiddenLoad, InformationViewLeavesItsTextsAndValues) {
    const LanguageCase& c = GetParam();
    SetLanguageIndex(d, c.language);
    d.EmgData.BandCode = 3;
    d.EmgData.DealerCode.Set(std::string("D-77\0zz", 7));
    d.EmgData.AreaCode = "86  ";
    const EmgDataRec emgBefore = d.EmgData;
    const RadioDataRec before = d.WorkData;
    {
        FrmEMG f(d);
        f.Form_Load();
        EXPECT_EQ(f.State().caption, c.emgCaption);
        EXPECT_EQ(f.C("Label2").text, c.emgLabel2);
        EXPECT_EQ(f.C("Label1_7").text, c.emgLabel7);
        for (int i = 0; i <= 13; ++i) {
            if (i != 7) {
                EXPECT_FALSE(f.C("Label1_" + std::to_string(i)).text.empty()) << i;
            }
        }
        EXPECT_EQ(f.C("CommandClose").text, c.closeText);
        EXPECT_EQ(f.C("Combo1_0").text, "KEVRA-8R");
        EXPECT_EQ(f.C("Combo1_1").text, "UHF(430 - 440 MHz) VHF(144 - 146 MHz)");
        EXPECT_EQ(f.C("Text1_0").text, "86");
        EXPECT_EQ(f.C("Text1_1").text, "2024030900000001");
        EXPECT_EQ(f.C("Text1_2").text, "2024-03-09");
        EXPECT_EQ(f.C("Text1_4").text, "");
        EXPECT_EQ(f.C("Text1_5").text, "V1.00");
        EXPECT_EQ(f.C("Text1_6").text, "03-1-E-1");
        EXPECT_EQ(f.C("Text1_7").text, "001A");
        EXPECT_EQ(f.C("Text1_8").text, "D-77");
        EXPECT_EQ(f.C("Text1_11").text, "");
    }
    EXPECT_EQ(d.EmgData, emgBefore);
    EXPECT_EQ(d.WorkData, before);
}

INSTANTIATE_TEST_SUITE_P(Languages, HiddenLoad, ::testing::ValuesIn(kLanguages),
                         [](const auto& info) { return std::string(info.param.name); });
