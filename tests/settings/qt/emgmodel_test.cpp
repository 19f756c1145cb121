// The information view, the model dialog and the factory-frequencies
// dialog on real widgets.
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

#include "core/settings.h"
#include "settings/frmemgcontrols.h"
#include "settings/frminitcontrols.h"
#include "settings/frmmodelcontrols.h"
#include "settings/qt/shellfixture.h"

namespace {

using namespace rp;

using InfoShell = test::ShellTest;

TEST_F(InfoShell, BandCodesOutsideTheListLeaveTheBandBoxEmpty) {
    struct Case {
        int code, index;
    };
    for (const Case& c : {Case{0, 0}, Case{7, 7}, Case{8, -1}, Case{15, -1}, Case{16, -1}, Case{23, -1}}) {
        d.EmgData.BandCode = static_cast<Integer>(c.code);
        FormDialog* dlg = Open("FrmEMG");
        ASSERT_NE(dlg, nullptr);
        QComboBox* band = Get<QComboBox>(dlg, emg::Band);
        EXPECT_EQ(band->count(), 8) << c.code;
        EXPECT_EQ(band->currentIndex(), c.index) << c.code;
        EXPECT_EQ(band->currentText().isEmpty(), c.index < 0) << c.code;
        dlg->reject();
    }
}

TEST_F(InfoShell, CaptionsInBothLanguagesAndTheVersionAsItStands) {
    struct Case {
        int language;
        const char *caption, *label7, *label1, *close;
    };
    for (const Case& c : {Case{1, "Embedded Message", "Description", "Radio Type", "&Close"},
                          Case{2, "嵌入信息", "", "机型", "关闭(&C)"}}) {
        SetLanguageIndex(d, c.language);
        FormDialog* dlg = Open("FrmEMG");
        EXPECT_EQ(dlg->windowTitle(), QString::fromUtf8(c.caption));
        EXPECT_EQ(Get<QLabel>(dlg, emg::MaintainReasonLabel2)->text(), QString::fromUtf8(c.label7));
        EXPECT_EQ(Get<QLabel>(dlg, emg::ModelLabel)->text(), QString::fromUtf8(c.label1));
        EXPECT_EQ(Get<QPushButton>(dlg, kCloseButton)->text(), QString::fromUtf8(c.close));
        EXPECT_EQ(Get<QLineEdit>(dlg, emg::Version)->text(), "V1.00");
        EXPECT_TRUE(Get<QLineEdit>(dlg, emg::Version)->isReadOnly());
        EXPECT_EQ(Get<QComboBox>(dlg, emg::Model)->currentText(), "KEVRA-8R");
        EXPECT_TRUE(Get<QPushButton>(dlg, kHelpButton)->isHidden());  // it has no action
        QTest::mouseClick(Get<QPushButton>(dlg, kCloseButton), Qt::LeftButton);
        EXPECT_TRUE(closed);
    }
}

using ModelShell = test::ShellTest;

TEST_F(ModelShell, ABandChangeAsksTheWarningThenTheSaveQuestion) {
    struct Case {
        const char* name;
        MsgAnswer warning;
        bool saveGoesOn;
        int asked;
        int band;
    };
    const Case cases[] = {
        {"warning cancelled", MsgAnswer::Cancel, true, 0, 0},
        {"save cancelled", MsgAnswer::Ok, false, 1, 0},
        {"both let it", MsgAnswer::Ok, true, 1, 6},
    };
    for (const Case& c : cases) {
        SetBand(0);
        InitAllData(d);
        d.AlarmData().Cycles = 4;  // unsaved changes
        notes.shown.clear();
        notes.answers = {c.warning};
        saveAsked = 0;
        saveGoesOn = c.saveGoesOn;
        FormDialog* dlg = Open("FrmModel");
        EXPECT_EQ(Get<QComboBox>(dlg, model::Band)->currentIndex(), 0);
        Pick(Get<QComboBox>(dlg, model::Band), 6);
        QTest::mouseClick(Get<QPushButton>(dlg, kOKButton), Qt::LeftButton);
        EXPECT_TRUE(closed) << c.name;
        EXPECT_EQ(notes.Texts(), std::vector<std::string>{"Frequency data will be cleared."}) << c.name;
        EXPECT_EQ(saveAsked, c.asked) << c.name;
        EXPECT_EQ(d.CurBandIndex, c.band) << c.name;
        EXPECT_EQ(d.AlarmData().Cycles, c.band == 0 ? 4 : 0) << c.name;
        EXPECT_EQ(d.RxBandLow[0], c.band == 0 ? 400 : 446) << c.name;
    }
}

TEST_F(ModelShell, OkWithoutAChangeAsksNothing) {
    d.AlarmData().Cycles = 4;
    FormDialog* dlg = Open("FrmModel");
    QTest::mouseClick(Get<QPushButton>(dlg, kOKButton), Qt::LeftButton);
    EXPECT_TRUE(closed);
    EXPECT_TRUE(notes.shown.empty());
    EXPECT_EQ(saveAsked, 0);
    EXPECT_EQ(d.AlarmData().Cycles, 4);
}

using InitShell = test::ShellTest;

TEST_F(InitShell, TheTickReachesTheFlagAndTheSettingsFileOnOkOnly) {
    FormDialog* dlg = Open("FrmInit");
    QTest::mouseClick(Get<QCheckBox>(dlg, init::KeepFactory), Qt::LeftButton);
    QTest::mouseClick(Get<QPushButton>(dlg, kCancelButton), Qt::LeftButton);
    EXPECT_TRUE(closed);
    EXPECT_EQ(d.FactoryFresFlag, 0);
    EXPECT_EQ(LoadSettings(d).FactoryFres, 0);

    dlg = Open("FrmInit");
    EXPECT_FALSE(Get<QCheckBox>(dlg, init::KeepFactory)->isChecked());
    QTest::mouseClick(Get<QCheckBox>(dlg, init::KeepFactory), Qt::LeftButton);
    QTest::mouseClick(Get<QPushButton>(dlg, kOKButton), Qt::LeftButton);
    EXPECT_TRUE(closed);
    EXPECT_EQ(d.FactoryFresFlag, 1);
    EXPECT_EQ(LoadSettings(d).FactoryFres, 1);
    EXPECT_TRUE(notes.shown.empty());
}

}  // namespace
