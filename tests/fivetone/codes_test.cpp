// The five-tone code grammar as the dialog applies it: expansion of repeat
// tones, the grid's display of a code, the rewriting after an own-ID change
// and the completion at saving.
#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "core/records.h"
#include "fivetone/codes.h"
#include "fivetone/callcodes.h"

using namespace rp;

namespace {

std::string Field(const std::string& code) {
    FixedText<40> f;
    f.Set(code);
    return std::string(f.Raw());
}

}  // namespace

TEST(Tone5Codes, Mid5ToneNoEExpandsRepeatTones) {
    struct Case { const char* s; int p, n; const char* out; } cases[] = {
        {"12E45", 1, 5, "12245"},
        {"E1E1234E56", 3, 5, "11234"},  // the E at position 3 takes the 1 at position 2
        {"123", 1, 5, "123"},            // a count past the end adds nothing
        {"E2345", 1, 5, "E2345"},        // nothing before position 1: the E stays
        {"1EE", 1, 3, "11E"},            // the character before it in the text, not in the result
        {"", 1, 5, ""},
        {"12345", 6, 5, ""},
    };
    for (const auto& c : cases) EXPECT_EQ(Mid5ToneNoE(c.s, c.p, c.n), c.out) << c.s;
}

TEST(Tone5Codes, GridShowsEachKindOfCode) {
    const std::string data = "Data Message", label = "Message:";
    struct Case {
        const char* name;
        std::string code;
        int codeLen;
        const char* own;
        Tone5CallKind kind;
        std::string kindText, codeText;
    } cases[] = {
        {"data message", "E112345X48454C4C4F", 18, "67890", Tone5CallKind::DataMessage, data,
         "12345        Message:HELLO"},
        {"data message, extra digit", "E112345X48454C4C4F3", 19, "67890", Tone5CallKind::DataMessage, data,
         "12345        Message:HELLO"},
        {"data message, repeat tones", "E1E2E45E41", 10, "67890", Tone5CallKind::DataMessage, data,
         "12245        Message:A"},
        {"data message whose tail is the own ID", "E1E2345E41", 10, "45541", Tone5CallKind::DataMessage,
         data, "12345        Message:A"},
        {"message pair not hex", "E112345EZZ", 10, "", Tone5CallKind::DataMessage, data,
         "12345        Message:?"},
        {"PTT-ID", "E61234", 6, "12345", Tone5CallKind::PttId, "PTTID", ""},
        {"E6 too short", "E6123", 5, "12345", Tone5CallKind::Plain, "", "E6123"},
        {"own-ID call with function digit", "12345A12345", 11, "12345", Tone5CallKind::OwnId, "ANI",
         "12345A"},
        {"own-ID call", "6789012345", 10, "12345", Tone5CallKind::OwnId, "ANI", "67890"},
        {"own-ID call, repeat tones", "12E4512345", 10, "12345", Tone5CallKind::OwnId, "ANI", "12245"},
        {"own-ID placeholder", "12345BSelfID", 12, "", Tone5CallKind::OwnId, "ANI", "12345"},
        {"other own ID", "6789012345", 10, "54321", Tone5CallKind::Plain, "", "6789012345"},
        {"padded with E", "123", 5, "12345", Tone5CallKind::Plain, "", "123EE"},
        {"cut", "123", 2, "12345", Tone5CallKind::Plain, "", "12"},
        {"one digit", "7", 1, "12345", Tone5CallKind::Plain, "", "7"},
        {"empty", "", 0, "12345", Tone5CallKind::Plain, "", ""},
    };
    for (const auto& c : cases) {
        const Tone5CodeCells cells = ShowTone5Code(Field(c.code), c.codeLen, c.own, data, label);
        EXPECT_EQ(cells.kind, c.kind) << c.name;
        EXPECT_EQ(cells.kindText, c.kindText) << c.name;
        EXPECT_EQ(cells.codeText, c.codeText) << c.name;
    }
}

TEST(Tone5Codes, MessageCharactersShowAsLatin1) {
    const Tone5CodeCells cells = ShowTone5Code(Field("E112345EE9"), 10, "", "D", "M:");
    EXPECT_EQ(cells.codeText, "12345        M:\xC3\xA9");  // 0xE9, é
}

TEST(Tone5Codes, OwnIdChangeRewritesCodesCarryingIt) {
    const char* p = "12345";
    const char* q = "67890";
    struct Case { const char* name; std::string code; std::optional<std::string> out; } cases[] = {
        {"E6", "E612345", "E667890"},
        {"E2", "E212345", "E267890"},
        {"E2 short", "E29", "E267890"},
        {"own-ID call with separator", "54321A12345", "54321A67890"},
        {"own-ID call", "5432112345", "5432167890"},
        {"called ID in repeat form", "12E4512345", "1224567890"},
        {"old own ID in repeat form", "543211E2E3", std::nullopt},  // own ID 12345 has no repeats
        {"five digits equal to the own ID", "12345", std::nullopt},
        {"one character", "1", std::nullopt},
        {"ordinary", "1E1", std::nullopt},
        {"data message", "E1E2345E41", std::nullopt},
        {"placeholder", "54321BSelfID", "54321B67890"},
    };
    for (const auto& c : cases) EXPECT_EQ(RewriteCodeForOwnID(Field(c.code), p, q), c.out) << c.name;
    // An own ID with equal neighbours is stored in repeat form and still found.
    EXPECT_EQ(RewriteCodeForOwnID(Field("543211E2E3"), "11223", q), std::optional<std::string>("5432167890"));
    // A data message whose last five characters are the old own ID is kept.
    EXPECT_EQ(RewriteCodeForOwnID(Field("E1E2345E41"), "45541", q), std::nullopt);
}

TEST(Tone5Codes, SaveCompletesAndRepeatFormatsCodes) {
    const char* own = "12345";
    struct Case { const char* name; std::string code; std::string out; } cases[] = {
        {"E2 gets the own ID", "E2999", "E212345"},
        {"E6 placeholder", "E6SelfID", "E612345"},
        {"own-ID placeholder with separator", "54321BSelfID", "54321B12345"},
        {"own-ID placeholder", "11223SelfID", "1E2E312345"},
        {"called ID expanded", "1224512345", "12E4512345"},
        {"plain repeat tones", "111", "1E1"},
        {"1223", "1223", "12E3"},
        {"two characters kept", "11", "11"},
        {"data message keeps its message", "E1E2345E41", "E1E2345E41"},
        {"data message, repeats in the ID", "E111234E4141", "E1E1234E4141"},
        {"data message digits stay", "E112345E4444", "E1E2345E4444"},
        {"blanks", "  12 ", "12"},
        {"empty", "", ""},
    };
    for (const auto& c : cases) EXPECT_EQ(CompleteCodeAtSave(Field(c.code), own), c.out) << c.name;
    // A NUL-led field is empty.
    EXPECT_EQ(CompleteCodeAtSave(std::string("\0   ", 4), own), "");
}

TEST(Tone5Codes, StoredInputsKeepTheirDataMessage) {
    // Message digits are never repeat tones; the tail of a one-character
    // message may look like the own ID in repeat form.
    EXPECT_EQ(FormatTone5Code("E112345E4444", "12345"), "E1E2345E4444");
    EXPECT_EQ(FormatTone5Code("E112345E41", "45541"), "E1E2345E41");
    EXPECT_EQ(FormatTone5Code("1122312345", "12345"), "1E2E312345");
    EXPECT_EQ(FormatTone5Code("111", "12345"), "1E1");
    EXPECT_TRUE(IsDataMessage("E1234567"));
    EXPECT_FALSE(IsDataMessage("E123456"));
    EXPECT_FALSE(IsDataMessage("E2345678"));
}

TEST(Tone5SpecialCalls, ComposedCodes) {
    struct Case {
        const char* name;
        int kind;
        const char *id, *sep, *msg, *own;
        const char *entryCode, *entryCell, *pttCode;
    } cases[] = {
        {"data message", SpecialDataMessage, "23456", "", "AB", "12345", "E123456E4142", "23456 M:AB",
         "E123456E4142"},
        {"data message, repeats", SpecialDataMessage, "12345", "", "AB", "12345", "E1E2345E4142",
         "12345 M:AB", "E1E2345E4142"},
        {"one-character message ending like the own ID", SpecialDataMessage, "12345", "", "A", "45541",
         "E1E2345E41", "12345 M:A", "E1E2345E41"},
        {"own-ID call with separator", SpecialOwnIdCall, "12345", "B", "", "12345", "12345BSelfID",
         "12345B", "12345B12345"},
        {"own-ID call", SpecialOwnIdCall, "11223", "", "", "12345", "1E2E3SelfID", "11223",
         "1E2E312345"},
        {"PTT-ID call", SpecialPttIdCall, "", "", "", "12345", "E6SelfID", "", "E612345"},
    };
    for (const auto& c : cases) {
        const EntrySpecialCall e = ComposeEntrySpecialCall(c.kind, c.id, c.sep, c.msg, c.own, "M:");
        EXPECT_EQ(e.code, c.entryCode) << c.name;
        EXPECT_EQ(e.cell, c.entryCell) << c.name;
        EXPECT_EQ(ComposePttSpecialCall(c.kind, c.id, c.sep, c.msg, c.own), c.pttCode) << c.name;
    }
    // The language text heading the message stays as it is (UTF-8).
    EXPECT_EQ(ComposeEntrySpecialCall(SpecialDataMessage, "12345", "", "A", "", "\xE4\xBF\xA1:").cell,
              "12345 \xE4\xBF\xA1:A");
    // The longest messages fill their fields exactly.
    EXPECT_EQ(ComposeEntrySpecialCall(SpecialDataMessage, "12345", "", std::string(kEntryMessageMax, 'Z'),
                                      "", "").code.size(), 40u);
    EXPECT_EQ(ComposePttSpecialCall(SpecialDataMessage, "12345", "", std::string(kPttMessageMax, 'Z'), "")
                  .size(), 24u);
}
