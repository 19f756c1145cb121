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
#include "settings/frmalertcontrols.h"
#include "settings/qt/shellfixture.h"
#include "settings/frmscan.h"
#include "settings/frmscancontrols.h"

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
        QTest::mouseClick(dlg->findChild<QPushButton*>(kCancelButton), Qt::LeftButton);
        break;
    case Leave::Escape:
        QTest::keyClick(dlg->findChild<QComboBox*>(alert::AlarmType), Qt::Key_Escape);
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
    EXPECT_EQ(Get<QComboBox>(dlg, alert::AlarmType)->currentIndex(), 0);
    EXPECT_EQ(Get<QComboBox>(dlg, alert::AlarmTime)->currentText(), "1");
    EXPECT_EQ(Get<QComboBox>(dlg, alert::EmergencyChannel)->currentText(), "4");
    EXPECT_EQ(Get<QComboBox>(dlg, alert::LoneWorkerTime)->currentText(), "5");
    EXPECT_TRUE(Get<QGroupBox>(dlg, alert::LoneWorkerFrame)->isHidden());
    EXPECT_TRUE(Get<QComboBox>(dlg, alert::EmergencyGroup)->isHidden());
    EXPECT_FALSE(Get<QPushButton>(dlg, kOKButton)->autoDefault());
    QTest::mouseClick(Get<QPushButton>(dlg, kOKButton), Qt::LeftButton);
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
    QComboBox* type = Get<QComboBox>(dlg, alert::AlarmType);
    QComboBox* idType = Get<QComboBox>(dlg, alert::IdCodeType);
    QComboBox* group = Get<QComboBox>(dlg, alert::IdCode);
    EXPECT_EQ(group->currentText(), "M5");
    EXPECT_FALSE(Get<QComboBox>(dlg, alert::AlarmTime)->isEnabled());
    Pick(type, 0);
    EXPECT_TRUE(Get<QComboBox>(dlg, alert::AlarmTime)->isEnabled());
    EXPECT_FALSE(idType->isEnabled());
    EXPECT_FALSE(Get<QComboBox>(dlg, alert::RxTime)->isEnabled());
    Pick(type, 3);
    Pick(group, 0);  // M2
    Pick(idType, 2);
    EXPECT_EQ(group->count(), 1);
    EXPECT_EQ(group->currentText(), "8");
    Pick(idType, 1);
    EXPECT_EQ(group->currentText(), "M5");  // the group as loaded, not M2
    Pick(Get<QComboBox>(dlg, alert::ChannelSelect), 1);
    EXPECT_FALSE(Get<QComboBox>(dlg, alert::EmergencyChannel)->isEnabled());
    QTest::mouseClick(Get<QPushButton>(dlg, kOKButton), Qt::LeftButton);
    EXPECT_EQ(d.AlarmData(), (AlarmDataRec{3, 1, 4, 1, 1, 1, 1, 0, 0, 0, 1, 5}));
}

TEST_F(AlertScanShell, AlarmCancelEscapeAndCloseBoxKeepTheRecord) {
    const AlarmDataRec odd{9, 1, 7, 0, 0, 0, 3, 99, 0, 5, 0, 0};
    for (Leave how : {Leave::CancelButton, Leave::Escape, Leave::CloseBox}) {
        d.AlarmData() = odd;
        FormDialog* dlg = Open("FrmAlert");
        Activate(dlg);
        Pick(Get<QComboBox>(dlg, alert::AlarmType), 2);
        LeaveBy(dlg, how);
        EXPECT_TRUE(closed) << static_cast<int>(how);
        EXPECT_EQ(d.AlarmData(), odd) << static_cast<int>(how);
    }
}

TEST_F(AlertScanShell, ScanShowSelectsTheStoredRevertEntry) {
    d.ScanData() = {1, 1, 6, 0, 0, 49, 0, 0, 0, 255, 0, 4, 0, 11};
    FormDialog* dlg = Open("FrmScan");
    QComboBox* revert = Get<QComboBox>(dlg, scan::Revert);
    EXPECT_EQ(revert->count(), 6);
    EXPECT_EQ(revert->currentIndex(), 5);
    EXPECT_EQ(Get<QComboBox>(dlg, scan::PriorityChannel1)->currentText(), "5");
    EXPECT_EQ(Get<QComboBox>(dlg, scan::PriorityChannel2)->currentText(), "12");
    EXPECT_EQ(Get<QComboBox>(dlg, scan::LookBackA)->currentText(), "0.5");
    EXPECT_EQ(Get<QComboBox>(dlg, scan::RxResume)->currentText(), "5.0");
    EXPECT_EQ(Get<QComboBox>(dlg, scan::WaitTime)->currentText(), "6375");
    EXPECT_TRUE(Get<QComboBox>(dlg, scan::WaitTime)->isHidden());
    EXPECT_TRUE(Get<QComboBox>(dlg, scan::RevertMasters)->isHidden());
    EXPECT_TRUE(Get<QComboBox>(dlg, scan::PriorityChannel1)->isEnabled());
    EXPECT_FALSE(Get<QComboBox>(dlg, scan::PriorityChannel2)->isEnabled());
    Pick(Get<QComboBox>(dlg, scan::Priority), 2);
    EXPECT_EQ(revert->currentIndex(), 0);
    EXPECT_FALSE(Get<QComboBox>(dlg, scan::PriorityChannel1)->isEnabled());
    Pick(Get<QComboBox>(dlg, scan::PriorityChannel2), 0);
    QTest::mouseClick(Get<QPushButton>(dlg, kOKButton), Qt::LeftButton);
    EXPECT_TRUE(closed);
    EXPECT_EQ(d.ScanData(), (ScanDataRec{1, 2, 0, 0, 0, 49, 0, 0, 0, 255, 0, 4, 0, 0}));
}

TEST_F(AlertScanShell, ScanWritesOnOkOnly) {
    const ScanDataRec stored{1, 0, 2, 0, 0, 0, 0, 0, 3, 2, 0x11, 0, 0x22, 0};
    for (Leave how : {Leave::CancelButton, Leave::Escape, Leave::CloseBox}) {
        d.ScanData() = stored;
        FormDialog* dlg = Open("FrmScan");
        Activate(dlg);
        EXPECT_EQ(Get<QComboBox>(dlg, scan::Revert)->currentIndex(), 0);
        EXPECT_FALSE(Get<QCheckBox>(dlg, scan::PromptTone)->isChecked());
        LeaveBy(dlg, how);
        EXPECT_TRUE(closed) << static_cast<int>(how);
        EXPECT_EQ(d.ScanData(), stored) << static_cast<int>(how);
    }
    FormDialog* dlg = Open("FrmScan");
    QTest::mouseClick(Get<QPushButton>(dlg, kOKButton), Qt::LeftButton);
    EXPECT_EQ(d.ScanData(), (ScanDataRec{1, 0, 0, 0, 0, 0, 0, 0, 0, 2, 0x11, 0, 0x22, 0}));
}

TEST_F(AlertScanShell, ReturnInAListDoesNotPressOk) {
    const ScanDataRec stored{0, 0, 2, 0, 0, 0, 0, 0, 3, 2, 0, 0, 0, 0};
    d.ScanData() = stored;
    FormDialog* dlg = Open("FrmScan");
    Activate(dlg);
    QComboBox* mode = Get<QComboBox>(dlg, scan::ScanMode);
    mode->setFocus();
    QTest::keyClick(mode, Qt::Key_Return);
    EXPECT_FALSE(closed);
    EXPECT_TRUE(dlg->isVisible());
    EXPECT_EQ(d.ScanData(), stored);
}

}  // namespace
