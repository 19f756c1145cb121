// The channel dialog's captions and list entries, in the language chosen
// and from the data the lists offer (signalling codes, tones).
#include <string>
#include <vector>

#include "channels/frmchedit.h"
#include "channels/frmcheditcontrols.h"
#include "core/conversions.h"
#include "core/language.h"
#include "core/listutils.h"
#include "core/numtext.h"
#include "forms/formlanguage.h"
#include "forms/tonetables.h"

namespace rp {

void FrmCHEdit::ChangShowByLanguage() {
    FormState& s = State();
    s.caption = GetLanguageString(d_, 1300);
    // The language's font; the controls' Tags are field kinds, not text keys,
    // so the generic relabelling is not used here.
    if (std::string font = GetLanguageString(d_, langkey::FontName); !font.empty()) s.fontName = font;
    if (Long size = ValLngDef(GetLanguageString(d_, langkey::FontSize), 0); size > 0 && size < 200)
        s.fontSize = static_cast<int>(size);
    C(chedit::RxLabel).text = GetLanguageString(d_, 1101);
    C(chedit::OffsetLabel).text = GetLanguageString(d_, 1102);
    C(chedit::NameLabel).text = GetLanguageString(d_, 1103);
    C(chedit::TxLabel).text = GetLanguageString(d_, 1140);
    C(chedit::StepLabel).text = GetLanguageString(d_, 1104);
    C(chedit::BandwidthLabel).text = GetLanguageString(d_, 1106);
    C(chedit::PowerLabel).text = GetLanguageString(d_, 1109);
    C(chedit::SignallingLabel).text = GetLanguageString(d_, 1110);
    C(chedit::DecodeTypeLabel).text = GetLanguageString(d_, 1107) + " " + GetLanguageString(d_, 1112);
    C(chedit::ScramblerLabel).text = GetLanguageString(d_, 1742);
    C(chedit::DtmfPttIdLabel).text = GetLanguageString(d_, 1743);
    C(chedit::FiveTonePttIdLabel).text = GetLanguageString(d_, 1744);
    C(chedit::SqlModesLabel).text = GetLanguageString(d_, 1745);
    C(chedit::EncodeTypeLabel).text = GetLanguageString(d_, 1107) + " " + GetLanguageString(d_, 1113);
    C(chedit::ExtraDisplayLabel).text = GetLanguageString(d_, 1116);
    C(chedit::BusyLockLabel).text = GetLanguageString(d_, 1720);
    C(chedit::SqlLevelLabel).text = GetLanguageString(d_, 1119);
    C(chedit::TwoToneDecodeLabel).text = GetLanguageString(d_, 1150);
    C(chedit::OwnCtcssLabel).text = GetLanguageString(d_, 4030);
    C(chedit::TxInhibit).text = GetLanguageString(d_, 1105);
    C(chedit::DecodeInverted).text = GetLanguageString(d_, 1301);
    C(chedit::EncodeInverted).text = GetLanguageString(d_, 1301);
    C(chedit::Reverse).text = GetLanguageString(d_, 1207);
    C(chedit::TalkAround).text = GetLanguageString(d_, 1114);
    C(chedit::Compander).text = GetLanguageString(d_, 1746);
    C(chedit::ScanSkip).text = GetLanguageString(d_, 1111);
    C(chedit::PttIdOn).text = "PTT ID";
    C(chedit::PttIdDecode).text = "PTTID Decode";
    C(chedit::PttIdCodeLabel).text = "PTTID Code";
    // The DCS lists: item i is the code whose octal digits give i.
    for (const char* name : {chedit::DecodeDcs, chedit::EncodeDcs}) {
        ControlState& c = C(name);
        c.items.clear();
        for (int i = 0; i < 512; ++i) c.items.push_back(FormatOctalWidth(static_cast<Integer>(i), 3));
        c.index = -1;
    }
    SetOKCancelCaption(d_, s);
}

void FrmCHEdit::InitShowList() {
    auto fill = [&](const std::string& name, std::vector<std::string> items) {
        ControlState& c = C(name);
        c.items = std::move(items);
        c.index = -1;
        c.text.clear();
    };
    fill(chedit::Step, StepTexts());
    fill(chedit::Bandwidth, {"25KHz", "12.5KHz"});
    fill(chedit::Power, {GetLanguageString(d_, 1204), GetLanguageString(d_, 1221), GetLanguageString(d_, 1205)});
    std::vector<std::string> signalling = {GetLanguageString(d_, 1206), "DTMF", "2Tone", "5Tone"};
    if (d_.CurModel == "7425USD") signalling.push_back("MSK");
    fill(chedit::Signalling, signalling);
    for (const char* name : {chedit::DecodeType, chedit::EncodeType})
        fill(name, {GetLanguageString(d_, 1206), "CTCSS", "DCS"});
    fill(chedit::Scrambler, {GetLanguageString(d_, 1755), GetLanguageString(d_, 1756)});
    for (const char* name : {chedit::DtmfPttId, chedit::FiveTonePttId})
        fill(name, {GetLanguageString(d_, 1755), GetLanguageString(d_, 1765), GetLanguageString(d_, 1766),
                    GetLanguageString(d_, 1767)});
    const std::vector<std::string> modes = {GetLanguageString(d_, 1784), GetLanguageString(d_, 1785),
                                            GetLanguageString(d_, 1786), GetLanguageString(d_, 1787),
                                            GetLanguageString(d_, 1788)};
    fill(chedit::AllSqlModes, modes);
    fill(chedit::SqlModes, modes);
    sqlModeItems_ = {0, 1, 2, 3, 4};
    // Value 3 has no item: item k stands for k up to 2 and for k + 1 from 3 on.
    fill(chedit::ExtraDisplay, {GetLanguageString(d_, 1210), GetLanguageString(d_, 1211), GetLanguageString(d_, 1212),
                                GetLanguageString(d_, 1214), GetLanguageString(d_, 1215), GetLanguageString(d_, 1216),
                                GetLanguageString(d_, 1217), GetLanguageString(d_, 1218), GetLanguageString(d_, 1219),
                                GetLanguageString(d_, 1220)});
    fill(chedit::BusyLock, {GetLanguageString(d_, 1755), "Repeater", "Busy"});
    std::vector<std::string> levels;
    for (int i = 0; i <= 9; ++i) levels.push_back(std::to_string(i));
    fill(chedit::SqlLevel, levels);
    std::vector<std::string> decodes;
    const auto& t2 = d_.WorkData.Tone2Data();
    for (std::size_t k = 0; k < t2.Decodes.size(); ++k)
        if (t2.Decodes[k].Valid == 1) decodes.push_back(std::to_string(k + 1));
    fill(chedit::TwoToneDecode, decodes);
    fill(chedit::OffsetDir, {GetLanguageString(d_, 1210), "-", "+"});
    const std::vector<std::string> tones = CtcssTexts(d_);  // the own tone as item 51
    fill(chedit::DecodeCtcss, tones);
    fill(chedit::EncodeCtcss, tones);
    std::vector<std::string> dtmf;
    for (int i = 1; i <= 16; ++i) dtmf.push_back("M" + std::to_string(i));
    fill(chedit::DtmfCode, dtmf);
    std::vector<std::string> encodes, codes5, groups;
    for (std::size_t m = 0; m < t2.Encodes.size(); ++m)
        if (t2.Encodes[m].Empty == 0) encodes.push_back(std::to_string(m));
    const auto& t5 = d_.WorkData.Tone5Data();
    for (std::size_t e = 0; e < t5.Codes.size(); ++e)
        if (t5.Codes[e].Empty == 0) codes5.push_back(std::to_string(e));
    const auto& msk = d_.WorkData.MSKData;
    for (std::size_t g = 0; g < msk.Groups.size(); ++g)
        if (msk.Groups[g].Valid == 1) groups.push_back(std::to_string(g));
    fill(chedit::TwoToneCode, encodes);
    fill(chedit::FiveToneCode, codes5);
    fill(chedit::MskGroup, groups);
    for (const char* name : {chedit::DtmfPttIdLabel, chedit::DtmfPttId, chedit::FiveTonePttIdLabel,
                             chedit::FiveTonePttId})
        C(name).visible = true;
}

}  // namespace rp
