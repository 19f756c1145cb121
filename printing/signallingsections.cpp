// The DTMF and two-tone sections.
#include <string>

#include "printing/sections.h"
#include "signalling/frm2tone.h"
#include "signalling/frmdtmf.h"
#include "signalling/frmdtmfcontrols.h"

namespace rp {

namespace {

std::string Ctl(const char* base, int i) { return std::string(base) + "_" + std::to_string(i); }

constexpr int kDtmfCodeBoxes = 20;  // M1..M16, PTT-ID begin and end, kill, stun

constexpr int kOwnCallTab = 1;
constexpr int kEncodeTab = 0;

std::string TabCaption(const ControlState& strip, int tab) {
    if (tab < 0 || tab >= static_cast<int>(strip.tabs.size())) return {};
    return strip.tabs[static_cast<std::size_t>(tab)].caption;
}

}  // namespace

void PrintDTMFPage(Report& r) {
    HiddenForm<FrmDTMF> f(r.d);
    r.PrintPageHeader();
    r.PrintTitle(f->State().caption, 2);
    // The settings, each caption beside its value; the hidden PTT-ID mode is left out.
    for (int row = 1; row <= dtmf::kSettingRows; ++row) {
        const std::string_view setting = dtmf::kSettings[row - 1];
        if (setting == dtmf::PttIdMode) continue;
        const std::string value = setting == dtmf::OwnId ? f.Text(dtmf::OwnId) : f.Shown(std::string(setting));
        r.PrintRow({{10, f.Text(dtmf::SettingCaptions[row])}, {50, value}});
    }
    r.PrintRow({{10, f.Text(dtmf::SideTone)}, {50, CheckShown(r, f.C(dtmf::SideTone))}});
    for (int i = 0; i < kDtmfCodeBoxes; ++i)
        r.PrintRow({{10, f.Text(dtmf::CodeCaptions[i])}, {35, f.Text(dtmf::CodeBoxes[i])}});
    r.EndPrintPage();
}

void Print2TonePage(Report& r) {
    HiddenForm<Frm2Tone> f(r.d);
    r.PrintPageHeader();
    r.PrintTitle(f->State().caption, 2);

    r.SetPrintColumn(5);
    r.PrintTextLine(TabCaption(f.C("SSTab1"), kOwnCallTab));
    r.PrintRow({{10, f.Text("Label2_0")}, {35, f.Shown("Combo2_0")}, {55, f.Text("Label2_1")}, {75, f.Shown("Combo2_1")}});
    for (int i = 0; i <= 2; i += 2)
        r.PrintRow({{10, f.Text(Ctl("Label3", i))}, {35, f.Text(Ctl("Text2", i))},
                    {55, f.Text(Ctl("Label3", i + 1))}, {75, f.Text(Ctl("Text2", i + 1))}});
    r.PrintTextLine(kCrLf);

    r.SetPrintColumn(5);
    r.PrintTextLine(TabCaption(f.C("SSTab1"), kEncodeTab));
    for (int i = 0; i <= 2; i += 2)
        r.PrintRow({{10, f.Text(Ctl("Label1", i))}, {35, f.Shown(Ctl("Combo1", i))},
                    {55, f.Text(Ctl("Label1", i + 1))}, {75, f.Shown(Ctl("Combo1", i + 1))}});
    r.PrintRow({{10, f.Text("Label1_4")}, {35, f.Shown("Combo1_4")}, {55, f.Text("Check1")},
                {75, CheckShown(r, f.C("Check1"))}});

    // The used encode entries, two to a line: left half, then right half.
    const TextGrid& grid = f->MSHFlexGrid1;
    int count = 0;
    for (int row = 1; row < grid.Rows(); ++row) {
        const int k = row * grid.Cols() + 1;
        if (grid.Cell(k).empty()) continue;
        const double left = count % 2 == 0 ? 10 : 55;
        if (count % 2 == 0) r.SavePrintLine();
        r.PrintCell(left, std::to_string(row - 1));
        r.PrintCell(left + 3, grid.Cell(k));
        r.PrintCell(left + 10, grid.Cell(k + 1));
        r.PrintCell(left + 17, grid.Cell(k + 2));
        ++count;
    }
    r.EndPrintPage();
}

}  // namespace rp
