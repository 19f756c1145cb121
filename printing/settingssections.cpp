// The option, communication-book, embedded-message and alarm sections.
#include <string>
#include <string_view>

#include "core/language.h"
#include "forms/formlanguage.h"
#include "printing/printstrings.h"
#include "printing/sections.h"
#include "settings/frmalert.h"
#include "settings/frmalertcontrols.h"
#include "settings/frmcommubookcontrols.h"
#include "settings/frmemg.h"
#include "settings/frmemgcontrols.h"
#include "settings/frmoption.h"
#include "settings/frmoptioncontrols.h"

namespace rp {

namespace {

constexpr int kPowerOnBoxes = 12;

// The option lists printed after the display mode, in the report's order,
// each beside its caption (settings/frmoptioncontrols.h).
constexpr const char* kOptionLists[] = {
    option::DisplayStyleA, option::DisplayStyleB, option::RadioDisplay, option::MemChannelB,
    option::MemGroupB,     option::ScanTime,      option::KeyTime,      option::Backlight,
    option::Colour,        option::SqlKey,        option::Tot,          option::AutoPowerOff,
    option::BusyLock,      option::PowerSave,     option::ToneBurst,    option::VoxLevel,
    option::VoxDelay,
};
constexpr const char* kOptionChecks[] = {option::FuncOperB, option::InitKey, option::TailElim};

constexpr int kBookEntries = 128;
constexpr int kBookRows = 50;
// The name column's caption: English in every language (the window's
// grid shows language key 1801).
constexpr const char* kNameCaption = "Name";

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
    for (const char* list : kOptionLists) r.PrintRow({{10, f.Text(option::CaptionOf(list))}, {50, f.Shown(list)}});
    for (const char* box : kOptionChecks) r.PrintRow({{10, f.Text(box)}, {55, CheckShown(r, f.C(box))}});
    r.EndPrintPage();
}

void PrintCommBookPage(Report& r) {
    r.PrintPageHeader();
    r.PrintTitle(r.Text(r.d.Prt.PrtItemNames[kPrintItemBook]), 2);
    const std::string number = GetLanguageString(r.d, commubook::kNumberCaptionKey);
    const char* callId = commubook::kCallIdCaption;
    r.PrintRow({{10, number}, {18, callId}, {28, kNameCaption},
                {38, number}, {46, callId}, {56, kNameCaption},
                {66, number}, {74, callId}, {84, kNameCaption}});
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
    auto row = [&](const std::string& caption, const char* box) {
        const ControlState& value = f.C(box);
        const std::string text = value.kind == ControlKind::ComboBox ? ComboShown(value) : value.text;
        r.PrintRow({{10, caption}, {35, text}});
    };
    for (const CaptionedControl& box : emg::kBoxes) row(f.Text(box.label), box.control);
    // The maintenance reason: its two caption labels on one line.
    row(f.Text(emg::MaintainReasonLabel) + " " + f.Text(emg::MaintainReasonLabel2), emg::MaintainReason);
    for (const CaptionedControl& box : emg::kDealerBoxes) row(f.Text(box.label), box.control);
    r.EndPrintPage();
}

void PrintAlertPage(Report& r) {
    HiddenForm<FrmAlert> f(r.d);
    r.PrintPageHeader();
    r.PrintTitle(f->State().caption, 2);
    for (const CaptionedControl& list : alert::kLists) {
        if (std::string_view(list.control) == alert::EmergencyGroup) continue;  // never shown
        r.PrintRow({{10, f.Text(list.label)}, {45, f.Shown(list.control)}});
    }
    r.SetPrintColumn(10);
    r.PrintTextLine(f.Text(alert::LoneWorkerFrame));
    r.PrintRow({{15, f.Text(alert::AutoDetect)}, {50, CheckShown(r, f.C(alert::AutoDetect))}});
    for (const CaptionedControl& list : alert::kLoneWorkerLists)
        r.PrintRow({{15, f.Text(list.label)}, {50, f.Shown(list.control)}});
    r.EndPrintPage();
}

}  // namespace rp
