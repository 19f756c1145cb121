// The emergency-alarm dialog: one column of captioned lists, the hidden
// lone-worker group to its right, OK and Cancel below.
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "settings/frmalert.h"
#include "settings/frmalertcontrols.h"
#include "settings/qt/openers.h"
#include "settings/qt/shellparts.h"

namespace rp {

void BuildFrmAlert(FormDialog& shell) {
    auto* dlg = &shell;
    auto* rows = new QGridLayout;
    SetCaptionGap(rows, dlg, 100);
    const std::pair<const char*, const char*> lists[] = {
        {alert::AlarmTypeLabel, alert::AlarmType},
        {alert::IdCodeTypeLabel, alert::IdCodeType},
        {alert::IdCodeLabel, alert::IdCode},
        {alert::AlarmTimeLabel, alert::AlarmTime},
        {alert::TxTimeLabel, alert::TxTime},
        {alert::RxTimeLabel, alert::RxTime},
        {alert::ChannelSelectLabel, alert::ChannelSelect},
        {alert::EmergencyGroupLabel, alert::EmergencyGroup},
        {alert::EmergencyChannelLabel, alert::EmergencyChannel},
        {alert::CyclesLabel, alert::Cycles},
    };
    int row = 0;
    for (auto [label, list] : lists) {
        rows->addWidget(SideLabel(dlg, label), row, 0);
        rows->addWidget(NamedCombo(dlg, list, 2200), row++, 1);
    }
    auto* frame = new QGroupBox(dlg);
    frame->setObjectName(alert::LoneWorkerFrame);
    auto* lone = new QGridLayout(frame);
    SetCaptionGap(lone, dlg, 100);
    auto* check = new QCheckBox(frame);
    check->setObjectName(alert::AutoDetect);
    lone->addWidget(check, 0, 0, 1, 2);
    lone->addWidget(SideLabel(frame, alert::PreAlertTimeLabel), 1, 0);
    lone->addWidget(NamedCombo(frame, alert::PreAlertTime, 1200), 1, 1);
    lone->addWidget(SideLabel(frame, alert::LoneWorkerTimeLabel), 2, 0);
    lone->addWidget(NamedCombo(frame, alert::LoneWorkerTime, 1200), 2, 1);
    rows->addWidget(frame, 0, 2, 4, 1, Qt::AlignTop);

    auto* buttons = RightRow({NamedButton(dlg, kOKButton), NamedButton(dlg, kCancelButton)});
    auto* top = new QVBoxLayout(dlg);
    top->addLayout(rows);
    top->addLayout(buttons);
    top->setSizeConstraint(QLayout::SetFixedSize);
    dlg->Bind();
}

}  // namespace rp
