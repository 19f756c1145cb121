// The option, communication-book, embedded-message and alarm sections.
#include <string>

#include "core/language.h"
#include "forms/formlanguage.h"
#include "printing/printstrings.h"
#include "printing/sections.h"
#include "settings/frmalert.h"
#include "settings/frmemg.h"
#include "settings/frmoption.h"

namespace rp {

namespace {

std::string Ctl(const char* base, int i) { return std::string(base) + "_" + std::to_string(i); }

constexpr int kPowerOnBoxes = 12;
// The option lists printed after the display mode, each under its label.
constexpr int kOptionRows[] = {1, 2, 3, 5, 8, 9, 10, 11, 12, 14, 16, 17, 19, 20, 21, 22, 23};
constexpr int kOptionChecks[] = {1, 2, 3};
constexpr int kDisplayModeSubList = 18;

constexpr int kBookEntries = 128;
constexpr int kBookRows = 50;
constexpr int kTextBookNumber = 3007;
constexpr const char* kCallIdCaption = "Call ID";
constexpr const char* kNameCaption = "Name";

// The embedded-message rows: caption label, value control.
struct EmgRow {
    const char* caption;
    const char* value;
};
constexpr EmgRow kEmgRows[] = {
    {"Label2", "Text1_0"},   {"Label1_0", "Text1_6"}, {"Label1_9", "Text1_7"},
    {"Label1_1", "Combo1_0"}, {"Label1_2", "Combo1_1"}, {"Label1_3", "Text1_1"},
    {"Label1_4", "Text1_2"}, {"Label1_5", "Text1_3"}, {"Label1_8", "Text1_5"},
    {nullptr, "Text1_4"},    // "Label1_6" + " " + "Label1_7"
    {"Label1_10", "Text1_8"}, {"Label1_11", "Text1_9"}, {"Label1_12", "Text1_10"},
    {"Label1_13", "Text1_11"},
};

constexpr int kAlarmRows[] = {0, 1, 2, 3, 4, 5, 6, 8, 9};

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
        const std::string& box = f.Text(Ctl("Text1", i));
        powerOn += box.empty() ? std::string(" ") : box;
    }
    r.PrintRow({{10, f.Text("Label2")}, {35, powerOn}});

    std::string mode = f.Shown("Combo1_0");
    if (f.C("Combo1_0").index == 1) mode += f.Shown(Ctl("Combo1", kDisplayModeSubList));
    r.PrintRow({{10, f.Text("Label1_0")}, {50, mode}});
    for (int i : kOptionRows) r.PrintRow({{10, f.Text(Ctl("Label1", i))}, {50, f.Shown(Ctl("Combo1", i))}});
    for (int i : kOptionChecks) {
        const std::string box = Ctl("Check1", i);
        r.PrintRow({{10, f.Text(box)}, {55, CheckShown(r, f.C(box))}});
    }
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
    for (const EmgRow& row : kEmgRows) {
        const std::string caption =
            row.caption ? f.Text(row.caption) : f.Text("Label1_6") + " " + f.Text("Label1_7");
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
    for (int i : kAlarmRows) r.PrintRow({{10, f.Text(Ctl("Label1", i))}, {45, f.Shown(Ctl("Combo1", i))}});
    r.SetPrintColumn(10);
    r.PrintTextLine(f.Text("Frame1"));
    r.PrintRow({{15, f.Text("Check1")}, {50, CheckShown(r, f.C("Check1"))}});
    for (int i = 0; i <= 1; ++i) r.PrintRow({{15, f.Text(Ctl("Label2", i))}, {50, f.Shown(Ctl("Combo2", i))}});
    r.EndPrintPage();
}

}  // namespace rp
