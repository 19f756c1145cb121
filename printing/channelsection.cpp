// The channel section: every record of the channel list in ascending
// channel number, five blocks of eleven lines to a page, with the channel
// dialog's captions and list texts and the main window's tone texts.
#include <algorithm>
#include <string>
#include <vector>

#include "channels/frmchedit.h"
#include "channels/frmcheditcontrols.h"
#include "core/conversions.h"
#include "core/language.h"
#include "forms/formlanguage.h"
#include "forms/mainwindowcalls.h"
#include "forms/tonetables.h"
#include "printing/sections.h"

namespace rp {

namespace {

constexpr int kBlocksPerPage = 5;
constexpr int kTextChannelTitle = 3009;
constexpr int kTextChannel = 1751;
constexpr int kTextRx = 1101;
constexpr int kTextOffset = 1102;
constexpr int kTextStep = 1104;
constexpr int kTextBandwidth = 1106;
constexpr int kTextPower = 1109;
constexpr int kTextNone = 1206;
// A CTCSS index above this counts as 0.
constexpr int kCtcssIndexMax = 52;
constexpr int kDcsCodeMax = 511;

struct ChannelTexts {
    std::vector<std::string> ctcss;  // the 51 tones and the own tone's text
    std::string none;
};

std::string ToneText(const ChannelTexts& t, int type, int ctcss, int dcs, int inverted) {
    if (type == CtcCTCSS) {
        const int index = ctcss > kCtcssIndexMax ? 0 : ctcss;
        if (index < 0 || index >= static_cast<int>(t.ctcss.size())) return {};
        return t.ctcss[static_cast<std::size_t>(index)];
    }
    if (type == CtcDCS) {
        const int code = dcs > kDcsCodeMax ? 0 : dcs;
        if (code < 0) return {};
        std::string text = "D" + DcsTexts()[static_cast<std::size_t>(code)];
        if (inverted > 0) text.back() = 'I';
        return text;
    }
    return t.none;
}

std::string SignallingText(const ChannelTexts& t, const FreDataRec& r) {
    switch (r.OptSig) {
    case SigDTMF: return "DTMF M" + std::to_string(r.DTMFCode + 1);
    case Sig2Tone: return "2tone " + std::to_string(r.Tone2Code);
    case Sig5Tone: return "5tone " + std::to_string(r.Tone5Code);
    case SigMSK: return "MSK " + std::to_string(r.MSKGroup);
    default: return t.none;
    }
}

}  // namespace

std::vector<Integer> SortedChannelNos(const AppData& d) {
    const int count = std::clamp<int>(d.WorkData.FreDataCount, 0, kFreDataMax);
    std::vector<Integer> nos;
    for (int i = 0; i < count; ++i) nos.push_back(d.FreData[static_cast<std::size_t>(i)].No);
    std::sort(nos.begin(), nos.end());
    return nos;
}

void PrintChannelPage(Report& r, const FrmCHEdit& form, const std::vector<Integer>& sorted, int page, int count,
                      int perPage) {
    AppData& d = r.d;
    const ChannelTexts texts{CtcssTexts(d), GetLanguageString(d, kTextNone)};
    const std::string channel = GetLanguageString(d, kTextChannel);
    const std::string rxCaption = GetLanguageString(d, kTextRx);
    const std::string offsetCaption = GetLanguageString(d, kTextOffset);
    const std::string stepCaption = GetLanguageString(d, kTextStep);
    const std::string bandCaption = GetLanguageString(d, kTextBandwidth);
    const std::string powerCaption = GetLanguageString(d, kTextPower);
    auto caption = [&](const char* control) -> const std::string& { return form.C(control).text; };
    auto item = [&](const char* list, int index) { return ListItem(form.C(list), index); };
    const int fresh = std::clamp<int>(d.WorkData.FreDataCount, 0, kFreDataMax);

    for (int i = 0; i < perPage; ++i) {
        const int entry = (page - 1) * perPage + i;
        if (entry >= count) return;
        const Integer n = sorted[static_cast<std::size_t>(entry)];
        r.SetPrintColumn(5);
        r.PrintTextLine(channel + " " + GetChannelTextByNo(n, -1));
        FreDataRec c{};
        for (int k = 0; k < fresh; ++k)
            if (d.FreData[static_cast<std::size_t>(k)].No == n) {
                c = d.FreData[static_cast<std::size_t>(k)];
                break;
            }

        r.PrintRow({{10, rxCaption}, {30, DataToFreStr(d, c.RxFre.Trim()) + " MHz"}, {55, offsetCaption},
                    {75, item(chedit::OffsetDir, c.OffsetDir) + " " + DataToOffsetStr(d, c.OffsetFre.Trim()) +
                             " MHz"}});
        r.PrintRow({{10, caption(chedit::NameLabel)}, {30, Latin1ToUtf8(c.Name.Trim())}, {55, stepCaption},
                    {75, item(chedit::Step, c.Step)}});
        r.PrintRow({{10, bandCaption}, {30, item(chedit::Bandwidth, c.WN)}, {55, powerCaption},
                    {75, item(chedit::Power, c.Power)}});
        r.PrintRow({{10, caption(chedit::DecodeTypeLabel)},
                    {30, ToneText(texts, c.DeCTCType, c.DeCTCSS, c.DeDCS, c.DeDCSInvert)},
                    {55, caption(chedit::EncodeTypeLabel)},
                    {75, ToneText(texts, c.EnCTCType, c.EnCTCSS, c.EnDCS, c.EnDCSInvert)}});
        r.PrintRow({{10, caption(chedit::SignallingLabel)}, {30, SignallingText(texts, c)},
                    {55, caption(chedit::SqlModesLabel)}, {75, item(chedit::AllSqlModes, c.SqlMode)}});
        r.PrintRow({{10, caption(chedit::DtmfPttIdLabel)}, {30, item(chedit::DtmfPttId, c.DTMFPttID)},
                    {55, caption(chedit::FiveTonePttIdLabel)}, {75, item(chedit::FiveTonePttId, c.Tone5PttID)}});
        r.PrintRow({{10, caption(chedit::BusyLockLabel)}, {30, item(chedit::BusyLock, c.BusyLock)},
                    {55, caption(chedit::ScramblerLabel)}, {75, item(chedit::Scrambler, c.Scrambler)}});
        r.PrintRow({{10, caption(chedit::TxInhibit)}, {30, r.GetOnOffText(c.TxForbid)},
                    {55, caption(chedit::Compander)}, {75, r.GetOnOffText(c.Compander)}});
        r.PrintRow({{10, caption(chedit::Reverse)}, {30, r.GetOnOffText(c.Reverse)}, {55, caption(chedit::TalkAround)},
                    {75, r.GetOnOffText(c.TalkAround)}});
        r.PrintRow({{10, caption(chedit::ScanSkip)}, {30, r.GetOnOffText(c.ScanSkip)}});
    }
}

void PrintChannelList(Report& r) {
    const std::vector<Integer> sorted = SortedChannelNos(r.d);
    const int count = static_cast<int>(sorted.size());
    const int pages = (count - count % kBlocksPerPage) / kBlocksPerPage + (count % kBlocksPerPage != 0 ? 1 : 0);
    const std::string title = GetLanguageString(r.d, kTextChannelTitle);
    if (pages == 0) {
        r.PrintPageHeader();
        r.PrintTitle(title, 1);
        r.EndPrintPage();
        return;
    }
    MainWindowCalls noWindow;  // the hidden dialog redraws nothing
    HiddenForm<FrmCHEdit> form(r.d, noWindow);
    for (int page = 1; page <= pages; ++page) {
        r.PrintPageHeader();
        r.PrintTitle(title, 2);
        PrintChannelPage(r, *form, sorted, page, count, kBlocksPerPage);
        r.EndPrintPage();
    }
}

}  // namespace rp

