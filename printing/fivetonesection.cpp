// The five-tone section: the dialog's settings as it shows them after a
// hidden opening, the information codes and the used code-list entries
// from a snapshot of the live record, the list running on over pages.
#include <algorithm>
#include <string>
#include <vector>

#include "core/language.h"
#include "core/listutils.h"
#include "fivetone/frm5tone.h"
#include "fivetone/frm5tonecontrols.h"
#include "forms/formlanguage.h"
#include "printing/printstrings.h"
#include "printing/sections.h"

namespace rp {

namespace {

constexpr int kInfoCodeCount = 8;
constexpr std::size_t kInfoCodeField = 12;
constexpr int kCodeListMaxLen = 40;
constexpr int kToneTimeMin = 30;
constexpr int kToneTimeMax = 100;
constexpr const char* kToneTimeDefault = "70";
// The responses an information code's option names, by index.
constexpr const char* kResponseKeys[] = {"60057", "60058", "60059"};

std::string Data(std::string_view raw) { return Latin1ToUtf8(CutAtNull(raw)); }

std::string TrimBlanks(std::string s) {
    const auto first = s.find_first_not_of(' ');
    if (first == std::string::npos) return {};
    const auto last = s.find_last_not_of(' ');
    return s.substr(first, last - first + 1);
}

std::string InfoCodeText(const Tone5InfoCodeRec& c) {
    if (c.CodeLen == 0) return {};
    const std::size_t n = std::min<std::size_t>(c.CodeLen, kInfoCodeField);
    return Data(c.Code.Raw().substr(0, n));
}

}  // namespace

void Print5TonePage(Report& r) {
    using namespace fivetone;
    HiddenForm<Frm5Tone> f(r.d);
    const Tone5DataRec snap = r.d.Tone5Data();
    const TextGrid& grid = f->Grid();

    r.PrintPageHeader();
    r.PrintTitle(f->State().caption, 2);

    r.PrintRow({{10, f.Text(SettingLabels[0])}, {35, f.Text(OwnId)}, {55, f.Text(SettingLabels[1])},
                {75, f.Shown(SystemStandard)}});
    for (int i = 2; i <= 8; i += 2)
        r.PrintRow({{10, f.Text(SettingLabels[i])}, {35, f.Shown(SettingBoxes[i])},
                    {55, f.Text(SettingLabels[i + 1])}, {75, f.Shown(SettingBoxes[i + 1])}});
    r.PrintRow({{10, f.Text(SideTone)}, {35, CheckShown(r, f.C(SideTone))}});

    r.PrintRow({{10, f.Text(InfoNumberLabel)}, {25, f.Text(InfoTypeLabel)}, {40, f.Text(InfoOptionLabel)},
                {60, f.Text(InfoCodeLabel)}, {80, f.Text(InfoNameLabel)}});
    for (int n = 1; n <= kInfoCodeCount; ++n) {
        const Tone5InfoCodeRec& c = snap.InfoCodes[static_cast<std::size_t>(n - 1)];
        const std::string option =
            c.Option < std::size(kResponseKeys) ? GetLanguageOptionString(r.d, kResponseKeys[c.Option]) : "";
        r.PrintRow({{10, std::to_string(n)}, {25, ListItem(f.C(InfoType), c.Type)}, {40, option},
                    {60, InfoCodeText(c)}, {80, Latin1ToUtf8(c.Name.Trim())}});
    }

    r.PrintRow({{35, grid.Text(0, 2)}, {65, grid.Text(0, 3)}, {80, grid.Text(0, 4)}});
    for (int i = 0; i <= 1; ++i)
        r.PrintRow({{10, f.Text(PttFrames[i])}, {35, f.Text(PttCodes[i])},
                    {65, f.Shown(PttStandards[i])}, {80, f.Shown(PttToneTimes[i])}});

    std::vector<int> entries;
    for (int n = 1; n <= static_cast<int>(snap.Codes.size()); ++n) {
        const int len = snap.Codes[static_cast<std::size_t>(n - 1)].CodeLen;
        if (len >= 1 && len <= kCodeListMaxLen) entries.push_back(n);
    }
    auto heading = [&] {
        r.PrintRow({{10, grid.Text(0, 0)}, {15, grid.Text(0, 2)}, {55, grid.Text(0, 3)},
                    {70, grid.Text(0, 4)}, {92, grid.Text(0, 5)}});
    };
    r.PrintTextLine(kCrLf);
    heading();
    for (std::size_t k = 0; k < entries.size(); ++k) {
        const int n = entries[k];
        const Tone5CodeRec& e = snap.Codes[static_cast<std::size_t>(n - 1)];
        const bool timeOk = e.ToneTime >= kToneTimeMin && e.ToneTime <= kToneTimeMax;
        r.PrintRow({{10, std::to_string(n - 1)}, {15, TrimBlanks(Data(e.Code.Raw()))},
                    {55, ListItem(f.C(StandardEditor), e.Standard)},
                    {70, timeOk ? std::to_string(e.ToneTime) : kToneTimeDefault},
                    {92, Latin1ToUtf8(e.Name.Trim())}});
        if (k + 1 < entries.size() && r.IsPrintPageFull()) {
            r.EndPrintPage();
            r.PrintPageHeader();
            r.PrintTitle(r.Text(r.d.Prt.PrtItemNames[kPrintItem5Tone]), 2);
            r.PrintTextLine(kCrLf);
            heading();
        }
    }
    r.EndPrintPage();
}

}  // namespace rp
