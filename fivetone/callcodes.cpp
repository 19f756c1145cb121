#include "fivetone/callcodes.h"

#include "core/listutils.h"
#include "fivetone/codes.h"
#include "forms/formlanguage.h"

namespace rp {

namespace {
std::string DataMessagePrefix(std::string_view calledId) { return "E1" + std::string(calledId) + "E"; }
}  // namespace

std::string MessageHex(std::string_view message) {
    std::string hex;
    for (char c : message) hex += ByteToHex2(static_cast<Byte>(c));
    return hex;
}

EntrySpecialCall ComposeEntrySpecialCall(int kind, std::string_view calledId, std::string_view separator,
                                         std::string_view message, std::string_view ownId,
                                         const std::string& messageLabel) {
    EntrySpecialCall r;
    switch (kind) {
    case SpecialDataMessage:
        // The rule stops at the "E" after the called ID; the message digits stay as they are.
        r.code = AddRepeatTone(DataMessagePrefix(calledId) + MessageHex(message), "X");
        r.cell = Latin1ToUtf8(calledId) + " " + messageLabel + Latin1ToUtf8(message);
        break;
    case SpecialOwnIdCall:
        r.code = FormatTone5Code(std::string(calledId) + std::string(separator) + "SelfID", ownId);
        r.cell = Latin1ToUtf8(std::string(calledId) + std::string(separator));
        break;
    default:
        r.code = FormatTone5Code("E6SelfID", ownId);
        break;
    }
    return r;
}

std::string ComposePttSpecialCall(int kind, std::string_view calledId, std::string_view separator,
                                  std::string_view message, std::string_view ownId) {
    std::string code;
    switch (kind) {
    case SpecialDataMessage:
        code = DataMessagePrefix(calledId) + MessageHex(message);
        break;
    case SpecialOwnIdCall:
        code = std::string(calledId) + std::string(separator) + std::string(ownId);
        break;
    default:
        code = "E6" + std::string(ownId);
        break;
    }
    return FormatTone5Code(code, ownId);
}

}  // namespace rp
