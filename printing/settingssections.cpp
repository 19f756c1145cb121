// The option, communication-book, embedded-message and alarm sections.
#include <string>

#include "core/language.h"
#include "forms/formlanguage.h"
#include "printing/printstrings.h"
#include "printing/sections.h"
#include "settings/frmalert.h"
#include "settings/frmalertcontrols.h"
#include "settings/frmemg.h"
#include "settings/frmemgcontrols.h"
#include "settings/frmoption.h"
#include "settings/frmoptioncontrols.h"

namespace rp {

namespace {

constexpr int kPowerOnBoxes = 12;

// A caption and the control whose value stands beside it.
struct CaptionedValue {
    const char* caption;
    const char* value;
};

// The option lists printed after the display mode, each beside its label.
constexpr CaptionedValue kOptionRows[] = {
    {option::DisplayStyleALabel, option::DisplayStyleA}, {option::DisplayStyleBLabel, option::DisplayStyleB},
    {option::RadioDisplayLabel, option::RadioDisplay},   {option::MemChannelBLabel, option::MemChannelB},
    {option::MemGroupBLabel, option::MemGroupB},         {option::ScanTimeLabel, option::ScanTime},
    {option::KeyTimeLabel, option::KeyTime},             {option::BacklightLabel, option::Backlight},
    {option::ColourLabel, option::Colour},               {option::SqlKeyLabel, option::SqlKey},
    {option::TotLabel, option::Tot},                     {option::AutoPowerOffLabel, option::AutoPowerOff},
    {option::BusyLockLabel, option::BusyLock},           {option::PowerSaveLabel, option::PowerSave},
    {option::ToneBurstLabel, option::ToneBurst},         {option::VoxLevelLabel, option::VoxLevel},
    {option::VoxDelayLabel, option::VoxDelay},
};
constexpr const char* kOptionChecks[] = {option::FuncOperB, option::InitKey, option::TailElim};

constexpr int kBookEntries = 128;
constexpr int kBookRows = 50;
constexpr int kTextBookNumber = 3007;
constexpr const char* kCallIdCaption = "Call ID";
constexpr const char* kNameCaption = "Name";

// The embedded-message rows: caption label, value control.
constexpr CaptionedValue kEmgRows[] = {
    {emg::AreaCodeLabel, emg::AreaCode},
    {emg::ManufactureCodeLabel, emg::ManufactureCode},
    {emg::UserCodeLabel, emg::UserCode},
    {emg::ModelLabel, emg::Model},
    {emg::BandLabel, emg::Band},
    {emg::SerialNumberLabel, emg::SerialNumber},
    {emg::ProductDateLabel, emg::ProductDate},
    {emg::MaintainDateLabel, emg::MaintainDate},
    {emg::VersionLabel, emg::Version},
    {nullptr, emg::MaintainReason},  // its two caption labels on one line
    {emg::DealerCodeLabel, emg::DealerCode},
    {emg::StockDateLabel, emg::StockDate},
    {emg::SellDateLabel, emg::SellDate},
    {emg::SellerLabel, emg::Seller},
};

// The alarm lists printed, each beside its label (the emergency group left out).
constexpr CaptionedValue kAlarmRows[] = {
    {alert::AlarmTypeLabel, alert::AlarmType},
    {alert::IdCodeTypeLabel, alert::IdCodeType},
    {alert::IdCodeLabel, alert::IdCode},
    {alert::AlarmTimeLabel, alert::AlarmTime},
    {alert::TxTimeLabel, alert::TxTime},
    {alert::RxTimeLabel, alert::RxTime},
    {alert::ChannelSelectLabel, alert::ChannelSelect},
    {alert::EmergencyChannelLabel, alert::EmergencyChannel},
    {alert::CyclesLabel, alert::Cycles},
};

}  // namespace

std::string ComboShown(const ControlState& list) {
    if (list.index >= 0 && list.index < static_cast<int>(list.items.size()))
        return list.items[static_cast<std::size_t>(list.index)];
    return list.editable ? list.text : std::string();
}

std::string ListItem(const ControlState& list, int index) {
    if (index < 0 || index >= static_cast<int>(list.items.size())) return {};
    return list.items[static_cast<std::size_t>(index)];
}

void PrintOptionPage(Report& r) {
    HiddenForm<FrmOption> f(r.d);
    r.PrintPageHeader();
    r.PrintTitle(f->State().caption, 2);

    std::string powerOn;
    for (int i = 0; i < kPowerOnBoxes; ++i) {
        const std::string& box = f.Text(option::PowerOnBoxes[i]);
        powerOn += box.empty() ? std::string(" ") : box;
    }
    r.PrintRow({{10, f.Text(option::PowerOnLabel)}, {35, powerOn}});

    std::string mode = f.Shown(option::DisplayMode);
    if (f.C(option::DisplayMode).index == 1) mode += f.Shown(option::DisplayOption);
    r.PrintRow({{10, f.Text(option::DisplayModeLabel)}, {50, mode}});
    for (const CaptionedValue& row : kOptionRows)
        r.PrintRow({{10, f.Text(row.caption)}, {50, f.Shown(row.value)}});
    for (const char* box : kOptionChecks) r.PrintRow({{10, f.Text(box)}, {55, CheckShown(r, f.C(box))}});
    r.EndPrintPage();
}

void PrintCommBookPage(Report& r) {
    r.PrintPageHeader();
    r.PrintTitle(r.Text(r.d.Prt.PrtItemNames[kPrintItemBook]), 2);
    const std::string number = GetLanguageString(r.d, kTextBookNumber);
    r.PrintRow({{10, number}, {18, kCallIdCaption}, {28, kNameCaption},
                {38, number}, {46, kCallIdCaption}, {56, kNameCaption},
                {66, number}, {74, kCallIdCaption}, {84, kNameCaption}});
    const auto& book = r.d.WorkData.BookData;
    auto entry = [&](int n, double column) {
        const BookDataRec& e = book[static_cast<std::size_t>(n)];
        r.PrintCell(column, std::to_string(n));
        r.PrintCell(column + 8, Latin1ToUtf8(e.CallID.Trim()));
        r.PrintCell(column + 18, Latin1ToUtf8(e.Name.Trim()));
    };
    for (int i = 0; i < kBookRows; ++i) {
        r.SavePrintLine();
        entry(i, 10);
        entry(i + kBookRows, 38);
        if (i + 2 * kBookRows <= kBookEntries - 1) entry(i + 2 * kBookRows, 66);
    }
    r.EndPrintPage();
}

void PrintEmbeddedMessagePage(Report& r) {
    HiddenForm<FrmEMG> f(r.d);
    r.PrintPageHeader();
    r.PrintTitle(r.Text(r.d.Prt.PrtItemNames[kPrintItemEmbedded]), 2);
    for (const CaptionedValue& row : kEmgRows) {
        const std::string caption =
            row.caption ? f.Text(row.caption)
                        : f.Text(emg::MaintainReasonLabel) + " " + f.Text(emg::MaintainReasonLabel2);
        const ControlState& value = f.C(row.value);
        const std::string text = value.kind == ControlKind::ComboBox ? ComboShown(value) : value.text;
        r.PrintRow({{10, caption}, {35, text}});
    }
    r.EndPrintPage();
}

void PrintAlertPage(Report& r) {
    HiddenForm<FrmAlert> f(r.d);
    r.PrintPageHeader();
    r.PrintTitle(f->State().caption, 2);
    for (const CaptionedValue& row : kAlarmRows) r.PrintRow({{10, f.Text(row.caption)}, {45, f.Shown(row.value)}});
    r.SetPrintColumn(10);
    r.PrintTextLine(f.Text(alert::LoneWorkerFrame));
    r.PrintRow({{15, f.Text(alert::AutoDetect)}, {50, CheckShown(r, f.C(alert::AutoDetect))}});
    r.PrintRow({{15, f.Text(alert::PreAlertTimeLabel)}, {50, f.Shown(alert::PreAlertTime)}});
    r.PrintRow({{15, f.Text(alert::LoneWorkerTimeLabel)}, {50, f.Shown(alert::LoneWorkerTime)}});
    r.EndPrintPage();
}

}  // namespace rp
