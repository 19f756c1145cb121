#include "fivetone/codes.h"

#include "core/fixedtext.h"
#include "core/listutils.h"
#include "core/numtext.h"
#include "forms/formlanguage.h"

namespace rp {

namespace {

bool StartsWith(std::string_view s, std::string_view head) { return s.substr(0, head.size()) == head; }
bool EndsWith(std::string_view s, std::string_view tail) {
    return s.size() >= tail.size() && s.substr(s.size() - tail.size()) == tail;
}
std::string TrimBlanks(std::string_view s) {
    std::size_t b = s.find_first_not_of(' ');
    if (b == std::string_view::npos) return {};
    std::size_t e = s.find_last_not_of(' ');
    return std::string(s.substr(b, e - b + 1));
}

constexpr std::string_view kSelfID = "SelfID";

}  // namespace

std::string Tone5CodeText(std::string_view field) { return TrimBlanks(TrimNullStr(field)); }

std::string Mid5ToneNoE(std::string_view s, int p, int n) {
    std::string out;
    for (int i = 0; i < n; ++i) {
        const long pos = static_cast<long>(p) + i;  // 1-based
        if (pos < 1 || pos > static_cast<long>(s.size())) continue;
        char c = s[static_cast<std::size_t>(pos - 1)];
        if (c == 'E' && pos > 1) c = s[static_cast<std::size_t>(pos - 2)];
        out += c;
    }
    return out;
}

bool IsDataMessage(std::string_view code) { return code.size() >= 8 && StartsWith(code, "E1"); }

std::string FormatTone5Code(std::string_view code, std::string_view ownId) {
    if (IsDataMessage(code)) return AddRepeatTone(code, "X");
    return FormatCodeRepeat(code, ownId);
}

std::string FitCodeLength(std::string_view code, int codeLen) {
    if (codeLen < 0) codeLen = 0;
    std::string s(code.substr(0, static_cast<std::size_t>(codeLen)));
    s.resize(static_cast<std::size_t>(codeLen), 'E');
    return s;
}

std::string DataMessageText(std::string_view code) {
    std::string out;
    const std::size_t count = code.size() > 8 ? (code.size() - 8) / 2 : 0;
    for (std::size_t i = 0; i < count; ++i) {
        const int hi = HexDigitValue(code[8 + 2 * i]);
        const int lo = HexDigitValue(code[9 + 2 * i]);
        out += (hi < 0 || lo < 0) ? '?' : static_cast<char>(hi * 16 + lo);
    }
    return out;
}

Tone5CallKind ClassifyTone5Code(std::string_view code, std::string_view ownId) {
    if (code.size() <= 1) return Tone5CallKind::Plain;
    if (IsDataMessage(code)) return Tone5CallKind::DataMessage;
    if (IsFuncCodeFormat(code, ownId)) return Tone5CallKind::OwnId;
    if (StartsWith(code, "E6") && code.size() >= 6) return Tone5CallKind::PttId;
    return Tone5CallKind::Plain;
}

Tone5CodeCells ShowTone5Code(std::string_view field, int codeLen, std::string_view ownId,
                             const std::string& dataCallText, const std::string& messageLabel) {
    const std::string s = Tone5CodeText(field);
    Tone5CodeCells cells;
    cells.kind = ClassifyTone5Code(s, ownId);
    switch (cells.kind) {
    case Tone5CallKind::DataMessage:
        cells.kindText = dataCallText;
        cells.codeText = Latin1ToUtf8(Mid5ToneNoE(s, 3, 5)) + std::string(8, ' ') + messageLabel +
                         Latin1ToUtf8(DataMessageText(s));
        break;
    case Tone5CallKind::PttId:
        cells.kindText = "PTTID";
        break;
    case Tone5CallKind::OwnId: {
        std::string called = Mid5ToneNoE(s, 1, 5);
        if (s.size() == 11 && !EndsWith(s, kSelfID)) called += s[5];
        cells.kindText = "ANI";
        cells.codeText = Latin1ToUtf8(called);
        break;
    }
    case Tone5CallKind::Plain:
        cells.codeText = Latin1ToUtf8(FitCodeLength(s, codeLen));
        break;
    }
    return cells;
}

std::optional<std::string> RewriteCodeForOwnID(std::string_view field, std::string_view oldId,
                                               std::string_view newId) {
    std::string code = TrimNullStr(field);
    const std::string trimmed = TrimBlanks(code);
    if (trimmed.size() <= 1 || IsDataMessage(trimmed)) return std::nullopt;
    bool changed = false;
    if (StartsWith(code, "E2") || StartsWith(code, "E6")) {
        code = code.substr(0, 2) + std::string(newId);
        changed = true;
    }
    if (IsFuncCodeFormat(code, oldId)) {
        if (EndsWith(code, kSelfID))  // the placeholder stands for whatever the own ID is
            code = code.substr(0, code.size() - kSelfID.size()) + std::string(newId);
        else if (code.size() == 11)
            code = Mid5ToneNoE(code, 1, 5) + code[5] + std::string(newId);
        else
            code = Mid5ToneNoE(code, 1, 5) + std::string(newId);
        changed = true;
    }
    if (!changed) return std::nullopt;
    return code;
}

std::string CompleteCodeAtSave(std::string_view field, std::string_view ownId) {
    std::string code = TrimNullStr(field);
    if (code.size() > 2) {
        if (StartsWith(code, "E2") || StartsWith(code, "E6")) code = code.substr(0, 2) + std::string(ownId);
        if (!IsDataMessage(TrimBlanks(code)) && IsFuncCodeFormat(code, ownId)) {
            const std::size_t tail = EndsWith(code, kSelfID) ? kSelfID.size() : 5;
            code = code.substr(0, code.size() - tail) + std::string(ownId);
        }
        code = FormatTone5Code(TrimBlanks(code), ownId);
    }
    return TrimBlanks(code);
}

}  // namespace rp
