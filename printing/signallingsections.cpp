// The DTMF and two-tone sections.
#include <string>

#include "printing/sections.h"
#include "signalling/frm2tone.h"
#include "signalling/frm2tonecontrols.h"
#include "signalling/frmdtmf.h"
#include "signalling/frmdtmfcontrols.h"

namespace rp {

namespace {

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
    r.PrintTextLine(TabCaption(f.C(twotone::Tabs), kOwnCallTab));
    r.PrintRow({{10, f.Text(twotone::CallFormatCaption)}, {35, f.Shown(twotone::CallFormat)},
                {55, f.Text(twotone::ResponseCaption)}, {75, f.Shown(twotone::Response)}});
    for (int i = 0; i <= 2; i += 2)
        r.PrintRow({{10, f.Text(twotone::ToneCaptions[i])}, {35, f.Text(twotone::ToneBoxes[i])},
                    {55, f.Text(twotone::ToneCaptions[i + 1])}, {75, f.Text(twotone::ToneBoxes[i + 1])}});
    r.PrintTextLine(kCrLf);

    r.SetPrintColumn(5);
    r.PrintTextLine(TabCaption(f.C(twotone::Tabs), kEncodeTab));
    for (int i = 0; i <= 2; i += 2)
        r.PrintRow({{10, f.Text(twotone::TimingCaptions[i])}, {35, f.Shown(twotone::kTimings[i])},
                    {55, f.Text(twotone::TimingCaptions[i + 1])}, {75, f.Shown(twotone::kTimings[i + 1])}});
    r.PrintRow({{10, f.Text(twotone::TimingCaptions[4])}, {35, f.Shown(twotone::ResetTime)},
                {55, f.Text(twotone::SideTone)}, {75, CheckShown(r, f.C(twotone::SideTone))}});

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
