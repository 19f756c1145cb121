#include "signalling/dtmfrules.h"

#include <algorithm>

#include "core/listutils.h"
#include "core/models.h"

namespace rp {

namespace {

bool AllDigits(std::string_view s) {
    return !s.empty() &&
           std::all_of(s.begin(), s.end(), [](char c) { return c >= '0' && c <= '9'; });
}

// v when inside lo..hi, else `repaired`.
int InRange(int v, int lo, int hi, int repaired) { return v >= lo && v <= hi ? v : repaired; }

}  // namespace

std::string DtmfCodeShown(std::string_view stored, int codeLen) {
    if (codeLen <= 0) return {};
    std::string_view cut = stored.substr(0, std::min<std::size_t>(stored.size(),
                                                                  static_cast<std::size_t>(codeLen)));
    return DtmfCodeToText(TrimNullStr(cut));
}

template <class CodeRec>
void StoreDtmfCode(std::string_view shown, CodeRec& rec) {
    const std::size_t n = std::min(shown.size(), rec.Code.size());
    rec.CodeLen = static_cast<Integer>(n);
    rec.Code.Set(DtmfTextToCode(shown.substr(0, n)));
}
template void StoreDtmfCode(std::string_view, DTMFCodeRec&);
template void StoreDtmfCode(std::string_view, DTMFKillCodeRec&);

std::string NormalizeDtmfOwnID(std::string_view stored) {
    const std::string s = TrimNullStr(stored);
    if (s.size() > 3 || !AllDigits(s)) return "000";
    return ExtendDtmfID(s);
}

std::string ExtendDtmfID(std::string_view text) {
    std::string s(text);
    while (s.size() < 3) s += '0';
    return s;
}

DTMFShown ShowDTMFValues(const DTMFDataRec& r) {
    DTMFShown s;
    s.ani = InRange(r.ANI, 0, 1, 0);
    s.sendTime = InRange(r.SendTime, 0, 4, 0);
    s.pttIdMode = InRange(r.PttIDMode, 0, 3, 0);
    s.ownId = NormalizeDtmfOwnID(r.OwnID.Raw());
    s.separator = InRange(r.Separator, 10, 15, 14) - 10;
    s.groupCode = InRange(r.GroupCode, 10, 15, 9) - 9;
    s.decodeResponse = InRange(r.DecodeResponse, 0, 2, 0);
    s.firstDigitDelay = InRange(r.FirstDigitDelay, 0, 250, 0);
    // Values without an item show the list's first item.
    s.preSendDelay = InRange(r.PreSendDelay, 1, 250, 1) - 1;
    s.resetTime = InRange(r.ResetTime, 0, 250, 0);
    s.postSendDelay = InRange(r.PostSendDelay, 1, 250, 1) - 1;
    s.pauseTime = r.PauseTime >= 5 && r.PauseTime <= 75 ? r.PauseTime - 4 : 0;
    s.sideTone = InRange(r.SideTone, 0, 1, 0);
    for (int i = 0; i < 16; ++i)
        s.codes[i] = DtmfCodeShown(r.MemCodes[i].Code.Raw(), r.MemCodes[i].CodeLen);
    s.codes[kDtmfBeginBox] = DtmfCodeShown(r.BeginCode.Code.Raw(), r.BeginCode.CodeLen);
    s.codes[kDtmfEndBox] = DtmfCodeShown(r.EndCode.Code.Raw(), r.EndCode.CodeLen);
    s.codes[kDtmfKillBox] = DtmfCodeShown(r.KillCode.Code.Raw(), r.KillCode.CodeLen);
    s.codes[kDtmfStunBox] = DtmfCodeShown(r.StunCode.Code.Raw(), r.StunCode.CodeLen);
    return s;
}

void StoreDTMFValues(const DTMFShown& s, DTMFDataRec& r) {
    auto I = [](int v) { return static_cast<Integer>(std::max(v, 0)); };
    r.ANI = I(s.ani);
    r.SendTime = I(s.sendTime);
    r.PttIDMode = I(s.pttIdMode);
    r.OwnID.Set(ExtendDtmfID(s.ownId));
    r.Separator = I(s.separator + 10);
    r.GroupCode = s.groupCode <= 0 ? kDtmfGroupCodeOff : I(s.groupCode + 9);
    r.DecodeResponse = I(s.decodeResponse);
    r.FirstDigitDelay = I(s.firstDigitDelay);
    r.PreSendDelay = I(s.preSendDelay + 1);
    r.ResetTime = I(s.resetTime);
    r.PostSendDelay = I(s.postSendDelay + 1);
    r.PauseTime = s.pauseTime <= 0 ? Integer{0} : I(s.pauseTime + 4);
    r.SideTone = I(s.sideTone);

    StoreDtmfCode(s.codes[kDtmfBeginBox], r.BeginCode);
    StoreDtmfCode(s.codes[kDtmfEndBox], r.EndCode);
    StoreDtmfCode(s.codes[kDtmfKillBox], r.KillCode);
    StoreDtmfCode(s.codes[kDtmfStunBox], r.StunCode);
    std::string kill(r.KillCode.Code.Raw()), stun(r.StunCode.Code.Raw());
    SetKillStunCodeDiffer(r.OwnID.Raw(), kill, stun);
    r.KillCode.Code.Set(kill);
    r.StunCode.Code.Set(stun);
    for (int i = 0; i < 16; ++i) StoreDtmfCode(s.codes[i], r.MemCodes[i]);
}

bool DtmfKillEqualsStun(std::string_view kill, std::string_view stun) {
    auto trimmed = [](std::string_view s) {
        while (!s.empty() && s.back() == ' ') s.remove_suffix(1);
        return s;
    };
    return !trimmed(kill).empty() && trimmed(kill) == trimmed(stun);
}

std::string RewriteForSeparator(std::string_view code, std::string_view ownId,
                                std::string_view newSeparator) {
    if (code.size() == 7 && AllDigits(code.substr(0, 3)) && AllDigits(code.substr(4, 3)) &&
        code.substr(4, 3) == ownId && !AllDigits(code.substr(3, 1)))
        return std::string(code.substr(0, 3)) + std::string(newSeparator) + std::string(code.substr(4));
    if (code.size() == 4 && code.substr(1, 3) == ownId && AllDigits(code.substr(1, 3)) &&
        !AllDigits(code.substr(0, 1)))
        return std::string(newSeparator) + std::string(code.substr(1));
    return std::string(code);
}

std::string RewriteForOwnID(std::string_view code, std::string_view separator,
                            std::string_view ownId) {
    if (code.size() == 7 && AllDigits(code.substr(0, 3)) && AllDigits(code.substr(4, 3)) &&
        code.substr(3, 1) == separator)
        return std::string(code.substr(0, 4)) + std::string(ownId);
    if (code.size() == 4 && AllDigits(code.substr(1, 3)) && code.substr(0, 1) == separator)
        return std::string(code.substr(0, 1)) + std::string(ownId);
    return std::string(code);
}

std::string ComposeDtmfSpecial(int kind, std::string_view target, std::string_view separator,
                               std::string_view ownId) {
    if (kind == 0) return ExtendDtmfID(target) + std::string(separator) + std::string(ownId);
    return std::string(separator) + std::string(ownId);
}

}  // namespace rp
