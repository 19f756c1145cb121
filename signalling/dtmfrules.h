#pragma once
// The DTMF dialog's rules without a window: what the record shows in the
// dialog (with the load's repairs, which touch only what is shown), what the
// dialog stores back, the own-ID forms and the special-call codes.
//
// Code texts have two forms: stored ("0"-"9", "A"-"D", "E" for "*", "F" for
// "#") in the record, display ("*" and "#" as such) in the code boxes.
#include <array>
#include <string>
#include <string_view>

#include "core/records.h"

namespace rp {

// Boxes of the dialog's codes: 0..15 the memory codes M1..M16, then these.
inline constexpr int kDtmfBeginBox = 16;
inline constexpr int kDtmfEndBox = 17;
inline constexpr int kDtmfKillBox = 18;
inline constexpr int kDtmfStunBox = 19;
inline constexpr int kDtmfBoxCount = 20;
// Boxes 0..17 may hold special calls; kill and stun never do.
inline constexpr int kDtmfLastSpecialBox = kDtmfEndBox;

// The separator and group-code digits as the lists show them (values 10..15).
inline constexpr std::array<const char*, 6> kDtmfDigitTexts = {"A", "B", "C", "D", "*", "#"};
inline constexpr Integer kDtmfGroupCodeOff = 255;

// The display form of a stored code cut to its length: the first codeLen
// characters (none for a length of 0 or below), up to a NUL and without
// trailing blanks, so a length beyond the text shows the whole text.
std::string DtmfCodeShown(std::string_view stored, int codeLen);

// Stores a box's display text: CodeLen = its length (at most the field's),
// Code = its stored form, blank-padded.
template <class CodeRec>
void StoreDtmfCode(std::string_view shown, CodeRec& rec);

// The own ID as the dialog shows a stored one: one to three digits (after
// TrimNullStr) extended with "0" to three characters; anything else "000".
std::string NormalizeDtmfOwnID(std::string_view stored);
// A short ID brought to three characters by appending "0" ("" -> "000",
// "5" -> "500"); a longer text is kept.
std::string ExtendDtmfID(std::string_view text);

// The dialog's values (its controls in frmdtmfcontrols.h), list positions
// counted from 0.
struct DTMFShown {
    int ani = 0;             // dtmf::Ani
    int sendTime = 0;        // dtmf::SendTime
    int pttIdMode = 0;       // dtmf::PttIdMode
    std::string ownId;       // dtmf::OwnId
    int separator = 0;       // dtmf::Separator: value - 10
    int groupCode = 0;       // dtmf::GroupCode: 0 off, else value - 9
    int decodeResponse = 0;  // dtmf::DecodeResponse
    int firstDigitDelay = 0; // dtmf::FirstDigitDelay
    int preSendDelay = 0;    // dtmf::PreSendDelay: value - 1
    int resetTime = 0;       // dtmf::ResetTime
    int postSendDelay = 0;   // dtmf::PostSendDelay: value - 1
    int pauseTime = 0;       // dtmf::PauseTime: 0 off, else value - 4
    int sideTone = 0;        // dtmf::SideTone
    std::array<std::string, kDtmfBoxCount> codes;  // dtmf::CodeBoxes, display form
};

// What the dialog shows for a record; values outside their lists show the
// repaired value's item (a value below 0 like one above its range).
DTMFShown ShowDTMFValues(const DTMFDataRec& r);

// Writes what the dialog shows into the record: lists, own ID (extended),
// codes, then the kill and stun codes stepped away from the own ID and from
// each other (their CodeLen kept).
void StoreDTMFValues(const DTMFShown& s, DTMFDataRec& r);

// The refusal of OK: kill and stun boxes equal and not empty (trailing
// blanks ignored).
bool DtmfKillEqualsStun(std::string_view kill, std::string_view stun);

// ---- special calls ----
// Long form: target(3) separator own(3); short form: separator own(3).
// A box rewritten for a new separator: a long or short form whose own-ID
// part equals ownId and whose separator is not a digit gets newSeparator;
// any other text is returned unchanged.
std::string RewriteForSeparator(std::string_view code, std::string_view ownId,
                                std::string_view newSeparator);
// A box rewritten for a new own ID: a long or short form whose separator
// equals the current separator gets ownId as its own-ID part.
std::string RewriteForOwnID(std::string_view code, std::string_view separator,
                            std::string_view ownId);

// The builder's call kinds: 0 the long form with a target code, 1 the short form.
std::string ComposeDtmfSpecial(int kind, std::string_view target, std::string_view separator,
                               std::string_view ownId);

}  // namespace rp
