// The report printer builds the alarm dialog and the information view
// without a window and reads their controls by name after Form_Load; the
// load must leave every text there and change no data.
#include <gtest/gtest.h>

#include <ostream>
#include <string>

#include "core/language.h"
#include "settings/frmalert.h"
#include "settings/frmalertcontrols.h"
#include "settings/frmemg.h"
#include "settings/frmemgcontrols.h"
#include "settings/formfixture.h"

using namespace rp;

namespace {

struct LanguageCase {
    const char* name;
    int language;
    const char* alertCaption;
    const char* label0;      // the alarm type's label
    const char* frame;       // the lone-worker frame
    const char* check;       // the auto-detect box
    const char* label2_1;    // the lone-worker time's label
    const char* typeShown;   // the alarm type list for type 0
    const char* cycles0;     // the cycles list for 0
    const char* emgCaption;
    const char* emgLabel7;   // the view's second reason caption
    const char* emgLabel2;   // the area code's label
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
        EXPECT_EQ(f.C(alert::AlarmTypeLabel).text, c.label0);
        const char* const labels[] = {alert::AlarmTypeLabel,      alert::IdCodeTypeLabel,
                                      alert::IdCodeLabel,         alert::AlarmTimeLabel,
                                      alert::TxTimeLabel,         alert::RxTimeLabel,
                                      alert::ChannelSelectLabel,  alert::EmergencyGroupLabel,
                                      alert::EmergencyChannelLabel, alert::CyclesLabel};
        for (int i = 0; i <= 9; ++i) {
            const char* name = labels[i];
            EXPECT_EQ(f.C(name).text, GetLanguageString(d, 2602 + i)) << name;
            EXPECT_FALSE(f.C(name).text.empty()) << name;
        }
        EXPECT_EQ(f.C(alert::LoneWorkerFrame).text, c.frame);
        EXPECT_EQ(f.C(alert::AutoDetect).text, c.check);
        EXPECT_EQ(f.C(alert::LoneWorkerTimeLabel).text, c.label2_1);
        EXPECT_EQ(f.C(alert::AlarmType).text, c.typeShown);
        EXPECT_EQ(f.C(alert::AlarmTime).text, "10");
        EXPECT_EQ(f.C(alert::TxTime).text, "3");
        EXPECT_EQ(f.C(alert::EmergencyChannel).text, "10");  // channel 11 shows as 10
        EXPECT_EQ(f.C(alert::Cycles).text, c.cycles0);
        // The hidden lone-worker group shows the values OK would store.
        EXPECT_EQ(f.C(alert::AutoDetect).value, 0);
        EXPECT_EQ(f.C(alert::PreAlertTime).text, "1");
        EXPECT_EQ(f.C(alert::LoneWorkerTime).text, "5");
        EXPECT_FALSE(f.C(alert::LoneWorkerFrame).visible);
        EXPECT_FALSE(f.C(alert::LoneWorkerTime).visible);
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
        EXPECT_EQ(f.C(emg::AreaCodeLabel).text, c.emgLabel2);
        EXPECT_EQ(f.C(emg::MaintainReasonLabel2).text, c.emgLabel7);
        for (const char* label :
             {emg::ManufactureCodeLabel, emg::ModelLabel, emg::BandLabel, emg::SerialNumberLabel,
              emg::ProductDateLabel, emg::MaintainDateLabel, emg::MaintainReasonLabel, emg::VersionLabel,
              emg::UserCodeLabel, emg::DealerCodeLabel, emg::StockDateLabel, emg::SellDateLabel, emg::SellerLabel})
            EXPECT_FALSE(f.C(label).text.empty()) << label;
        EXPECT_EQ(f.C(kCloseButton).text, c.closeText);
        EXPECT_EQ(f.C(emg::Model).text, "KEVRA-8R");
        EXPECT_EQ(f.C(emg::Band).text, "UHF(430 - 440 MHz) VHF(144 - 146 MHz)");
        EXPECT_EQ(f.C(emg::AreaCode).text, "86");
        EXPECT_EQ(f.C(emg::SerialNumber).text, "2024030900000001");
        EXPECT_EQ(f.C(emg::ProductDate).text, "2024-03-09");
        EXPECT_EQ(f.C(emg::MaintainReason).text, "");
        EXPECT_EQ(f.C(emg::Version).text, "V1.00");
        EXPECT_EQ(f.C(emg::ManufactureCode).text, "03-1-E-1");
        EXPECT_EQ(f.C(emg::UserCode).text, "001A");
        EXPECT_EQ(f.C(emg::DealerCode).text, "D-77");
        EXPECT_EQ(f.C(emg::Seller).text, "");
    }
    EXPECT_EQ(d.EmgData, emgBefore);
    EXPECT_EQ(d.WorkData, before);
}

INSTANTIATE_TEST_SUITE_P(Languages, HiddenLoad, ::testing::ValuesIn(kLanguages),
                         [](const auto& info) { return std::string(info.param.name); });
