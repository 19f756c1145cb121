#include "channels/cheditkeys.h"

#include "channels/frmcheditcontrols.h"
#include "forms/formstate.h"
#include "forms/textkeys.h"

namespace rp {

namespace {

constexpr std::string_view kDigits = "0123456789";

}  // namespace

bool IsChEditNameBox(std::string_view control) {
    const int i = chedit::EntryBoxes.IndexOf(control);
    return i >= chedit::kNameBoxFirst && i <= chedit::kNameBoxLast;
}

std::string ChEditAllowedChars(std::string_view control) {
    if (control == chedit::RxFreq || control == chedit::OffsetFreq || control == chedit::OwnCtcss)
        return std::string(kFrequencyChars);
    if (IsChEditNameBox(control)) return PrintableAscii("\\~");
    if (control == chedit::TxFreq) return PrintableAscii();
    if (control == chedit::PttIdCode) return std::string(kDigits);
    return "";
}

ChEditKey ChEditFilterKey(std::string_view control, int key) {
    ChEditKey r;
    if (key == kKeyReturn) {
        r.tabNow = true;
        return r;
    }
    r.key = key;
    FilterTextKey(r.key, ChEditAllowedChars(control));
    r.tabAfter = r.key >= 32 && r.key <= 126 && IsChEditNameBox(control);
    return r;
}

const std::vector<std::string>& ChEditTabOrder() {
    static const std::vector<std::string> order = {
        chedit::RxFreq,         chedit::TxFreq,        chedit::EntryBoxes[2], chedit::EntryBoxes[3],
        chedit::EntryBoxes[4],  chedit::EntryBoxes[5], chedit::EntryBoxes[6], chedit::EntryBoxes[7],
        chedit::Step,           chedit::Bandwidth,     chedit::Power,         chedit::DecodeType,
        chedit::DecodeCtcss,    chedit::DecodeDcs,     chedit::DecodeInverted, chedit::EncodeType,
        chedit::EncodeCtcss,    chedit::EncodeDcs,     chedit::EncodeInverted, chedit::Signalling,
        chedit::DtmfCode,       chedit::SqlModes,      chedit::DtmfPttId,     chedit::FiveTonePttId,
        chedit::TxInhibit,      chedit::ScanSkip,      chedit::Reverse,       chedit::TalkAround,
        chedit::OwnCtcss,       kOKButton,      kCancelButton,  chedit::TwoToneCode,
        chedit::FiveToneCode,   chedit::BusyLock,      chedit::MskGroup,      chedit::Banks,
        chedit::SqlLevel,       chedit::TwoToneDecode,
    };
    return order;
}

bool ChEditEnterMovesOn(std::string_view control) {
    for (const ControlArray& a : {chedit::FieldLists, chedit::ToneLists, chedit::CodeLists, chedit::InvertedTicks,
                                  chedit::ExclusiveTicks, chedit::EntryBoxes})
        if (a.IndexOf(control) >= 0) return true;
    for (std::string_view n : {chedit::OffsetDir, kOKButton, kCancelButton, chedit::TxInhibit,
                               chedit::PttIdOn, chedit::Compander, chedit::ScanSkip, chedit::PttIdCode,
                               chedit::OwnCtcss, chedit::Banks})
        if (control == n) return true;
    return false;
}

}  // namespace rp
