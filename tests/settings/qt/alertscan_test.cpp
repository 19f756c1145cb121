// The alarm and scan dialogs on real widgets: the user's picks reach the
// rules, the shows select without running handlers twice, and OK, Cancel,
// Escape and the close box store or keep the records.
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

#include "settings/frmalert.h"
#include "settings/qt/shellfixture.h"
#include "settings/frmscan.h"

namespace {

using namespace rp;

class AlertScanShell : public test::ShellTest {
protected:
    void SetUp() override {
        ShellTest::SetUp();
        SetChannels({5, 1, 12, 201});
    }
};

// How a dialog is left without OK.
enum class Leave { CancelButton, Escape, CloseBox };

void LeaveBy(QDialog* dlg, Leave how) {
    switch (how) {
    case Leave::CancelButton:
        QTest::mouseClick(dlg->findChild<QPushButton*>("CommandCancel"), Qt::LeftButton);
        break;
    case Leave::Escape:
        QTest::keyClick(dlg->findChild<QComboBox*>("Combo1_0"), Qt::Key_Escape);
        break;
    case Leave::CloseBox:
        dlg->close();
        break;
    }
}

TEST_F(AlertScanShell, AlarmOkNormalisesTheRecordShownByTheWidgets) {
    d.AlarmData() = {5, 0, 0, 0, 0, 0, 0, 4, 0, 2, 0, 3};
    FormDialog* dlg = Open("FrmAlert");
    ASSERT_NE(dlg, nullptr);
    EXPECT_EQ(Get<QComboBox>(dlg, "Combo1_0")->currentIndex(), 0);
    EXPECT_EQ(Get<QComboBox>(dlg, "Combo1_3")->currentText(), "1");
    EXPECT_EQ(Get<QComboBox>(dlg, "Combo1_8")->currentText(), "4");
    EXPECT_EQ(Get<QComboBox>(dlg, "Combo2_1")->currentText(), "5");
    EXPECT_TRUE(Get<QGroupBox>(dlg, "Frame1")->isHidden());
    EXPECT_TRUE(Get<QComboBox>(dlg, "Combo1_7")->isHidden());
    EXPECT_FALSE(Get<QPushButton>(dlg, "CommandOK")->autoDefault());
    QTest::mouseClick(Get<QPushButton>(dlg, "CommandOK"), Qt::LeftButton);
    EXPECT_TRUE(closed);
    EXPECT_EQ(d.AlarmData(), (AlarmDataRec{0, 0, 0, 1, 1, 1, 0, 4, 0, 0, 1, 5}));
}

TEST_F(AlertScanShell, AlarmPicksRunTheRules) {
    d.DTMFData().MemCodes[1].CodeLen = 2;
    d.DTMFData().MemCodes[4].CodeLen = 2;
    for (auto& c : d.Tone5Data().Codes) c.Empty = 1;
    d.Tone5Data().Codes[8].Empty = 0;
    d.AlarmData() = {1, 1, 4, 1, 1, 1, 0, 0, 0, 0, 1, 5};
    FormDialog* dlg = Open("FrmAlert");
    QComboBox* type = Get<QComboBox>(dlg, "Combo1_0");
    QComboBox* idType = Get<QComboBox>(dlg, "Combo1_1");
    QComboBox* group = Get<QComboBox>(dlg, "Combo1_2");
    EXPECT_EQ(group->currentText(), "M5");
    EXPECT_FALSE(Get<QComboBox>(dlg, "Combo1_3")->isEnabled());
    Pick(type, 0);
    EXPECT_TRUE(Get<QComboBox>(dlg, "Combo1_3")->isEnabled());
    EXPECT_FALSE(idType->isEnabled());
    EXPECT_FALSE(Get<QComboBox>(dlg, "Combo1_5")->isEnabled());
    Pick(type, 3);
    Pick(group, 0);  // M2
    Pick(idType, 2);
    EXPECT_EQ(group->count(), 1);
    EXPECT_EQ(group->currentText(), "8");
    Pick(idType, 1);
    EXPECT_EQ(group->currentText(), "M5");  // the group as loaded, not M2
    Pick(Get<QComboBox>(dlg, "Combo1_6"), 1);
    EXPECT_FALSE(Get<QComboBox>(dlg, "Combo1_8")->isEnabled());
    QTest::mouseClick(Get<QPushButton>(dlg, "CommandOK"), Qt::LeftButton);
    EXPECT_EQ(d.AlarmData(), (AlarmDataRec{3, 1, 4, 1, 1, 1, 1, 0, 0, 0, 1, 5}));
}

TEST_F(AlertScanShell, AlarmCancelEscapeAndCloseBoxKeepTheRecord) {
    const AlarmDataRec odd{9, 1, 7, 0, 0, 0, 3, 99, 0, 5, 0, 0};
    for (Leave how : {Leave::CancelButton, Leave::Escape, Leave::CloseBox}) {
        d.AlarmData() = odd;
        FormDialog* dlg = Open("FrmAlert");
        Activate(dlg);
        Pick(Get<QComboBox>(dlg, "Combo1_0"), 2);
        LeaveBy(dlg, how);
        EXPECT_TRUE(closed) << static_cast<int>(how);
        EXPECT_EQ(d.AlarmData(), odd) << static_cast<int>(how);
    }
}

TEST_F(AlertScanShell, ScanShowSelectsTheStoredRevertEntry) {
    d.ScanData() = {1, 1, 6, 0, 0, 49, 0, 0, 0, 255, 0, 4, 0, 11};
    FormDialog* dlg = Open("FrmScan");
    QComboBox* revert = Get<QComboBox>(dlg, "Combo1_6");
    EXPECT_EQ(revert->count(), 6);
    EXPECT_EQ(revert->currentIndex(), 5);
    EXPECT_EQ(Get<QComboBox>(dlg, "Combo1_2")->currentText(), "5");
    EXPECT_EQ(Get<QComboBox>(dlg, "Combo1_4")->currentText(), "12");
    EXPECT_EQ(Get<QComboBox>(dlg, "Combo1_7")->currentText(), "0.5");
    EXPECT_EQ(Get<QComboBox>(dlg, "Combo1_9")->currentText(), "5.0");
    EXPECT_EQ(Get<QComboBox>(dlg, "Combo1_12")->currentText(), "6375");
    EXPECT_TRUE(Get<QComboBox>(dlg, "Combo1_12")->isHidden());
    EXPECT_TRUE(Get<QComboBox>(dlg, "Combo2")->isHidden());
    EXPECT_TRUE(Get<QComboBox>(dlg, "Combo1_2")->isEnabled());
    EXPECT_FALSE(Get<QComboBox>(dlg, "Combo1_4")->isEnabled());
    Pick(Get<QComboBox>(dlg, "Combo1_1"), 2);
    EXPECT_EQ(revert->currentIndex(), 0);
    EXPECT_FALSE(Get<QComboBox>(dlg, "Combo1_2")->isEnabled());
    Pick(Get<QComboBox>(dlg, "Combo1_4"), 0);
    QTest::mouseClick(Get<QPushButton>(dlg, "CommandOK"), Qt::LeftButton);
    EXPECT_TRUE(closed);
    EXPECT_EQ(d.ScanData(), (ScanDataRec{1, 2, 0, 0, 0, 49, 0, 0, 0, 255, 0, 4, 0, 0}));
}

TEST_F(AlertScanShell, ScanWritesOnOkOnly) {
    const ScanDataRec stored{1, 0, 2, 0, 0, 0, 0, 0, 3, 2, 0x11, 0, 0x22, 0};
    for (Leave how : {Leave::CancelButton, Leave::Escape, Leave::CloseBox}) {
        d.ScanData() = stored;
        FormDialog* dlg = Open("FrmScan");
        Activate(dlg);
        EXPECT_EQ(Get<QComboBox>(dlg, "Combo1_6")->currentIndex(), 0);
        EXPECT_FALSE(Get<QCheckBox>(dlg, "Check1")->isChecked());
        LeaveBy(dlg, how);
        EXPECT_TRUE(closed) << static_cast<int>(how);
        EXPECT_EQ(d.ScanData(), stored) << static_cast<int>(how);
    }
    FormDialog* dlg = Open("FrmScan");
    QTest::mouseClick(Get<QPushButton>(dlg, "CommandOK"), Qt::LeftButton);
    EXPECT_EQ(d.ScanData(), (ScanDataRec{1, 0, 0, 0, 0, 0, 0, 0, 0, 2, 0x11, 0, 0x22, 0}));
}

TEST_F(AlertScanShell, ReturnInAListDoesNotPressOk) {
    const ScanDataRec stored{0, 0, 2, 0, 0, 0, 0, 0, 3, 2, 0, 0, 0, 0};
    d.ScanData() = stored;
    FormDialog* dlg = Open("FrmScan");
    Activate(dlg);
    QComboBox* mode = Get<QComboBox>(dlg, "Combo1_0");
    mode->setFocus();
    QTest::keyClick(mode, Qt::Key_Return);
    EXPECT_FALSE(closed);
    EXPECT_TRUE(dlg->isVisible());
    EXPECT_EQ(d.ScanData(), stored);
}

}  // namespace
