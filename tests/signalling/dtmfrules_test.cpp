// The DTMF rules: what a record shows, what the dialog stores, the own ID
// and the special-call rewriting.
#include <gtest/gtest.h>

#include <functional>
#include <ostream>

#include "core/defaults.h"
#include "signalling/dtmfrules.h"

using namespace rp;

namespace {

DTMFDataRec DefaultRecord() {
    AppData d;
    InitDTMFData(d);
    return d.DTMFData();
}

template <class CodeRec>
void SetCode(CodeRec& c, const char* code, int len) {
    c.Code.Set(code);
    c.CodeLen = static_cast<Integer>(len);
}

struct ShowCase {
    const char* name;
    std::function<void(DTMFDataRec&)> stored;
    std::function<void(const DTMFShown&)> check;
};
void PrintTo(const ShowCase& c, std::ostream* os) { *os << c.name; }

class DtmfShow : public ::testing::TestWithParam<ShowCase> {};

TEST_P(DtmfShow, RecordToShownValues) {
    DTMFDataRec r = DefaultRecord();
    GetParam().stored(r);
    const DTMFDataRec before = r;
    GetParam().check(ShowDTMFValues(r));
    EXPECT_EQ(r, before);
}

const ShowCase kShowCases[] = {
    {"defaults", [](DTMFDataRec&) {},
     [](const DTMFShown& s) {
         EXPECT_EQ(s.ani, 0);
         EXPECT_EQ(s.sendTime, 1);
         EXPECT_EQ(s.pttIdMode, 3);
         EXPECT_EQ(s.ownId, "000");
         EXPECT_EQ(s.separator, 4);  // "*"
         EXPECT_EQ(s.groupCode, 1);  // "A"
         EXPECT_EQ(s.firstDigitDelay, 20);
         EXPECT_EQ(s.preSendDelay, 19);  // "200"
         EXPECT_EQ(s.resetTime, 0);
         EXPECT_EQ(s.pauseTime, 6);  // "10"
         EXPECT_EQ(s.codes[0], "");
     }},
    {"above range",
     [](DTMFDataRec& r) {
         r.ANI = 2, r.SendTime = 5, r.PttIDMode = 4, r.DecodeResponse = 3;
         r.FirstDigitDelay = 251, r.SideTone = 2, r.Separator = 16, r.GroupCode = 16;
         r.PreSendDelay = 251, r.ResetTime = 251, r.PostSendDelay = 300, r.PauseTime = 80;
     },
     [](const DTMFShown& s) {
         EXPECT_EQ(s.ani + s.sendTime + s.pttIdMode + s.decodeResponse, 0);
         EXPECT_EQ(s.firstDigitDelay + s.sideTone, 0);
         EXPECT_EQ(s.separator, 4);
         EXPECT_EQ(s.groupCode, 0);
         EXPECT_EQ(s.preSendDelay + s.resetTime + s.postSendDelay + s.pauseTime, 0);
     }},
    {"negative",
     [](DTMFDataRec& r) {
         r.ANI = -1, r.SendTime = -2, r.PttIDMode = -3, r.DecodeResponse = -1;
         r.FirstDigitDelay = -10, r.SideTone = -1, r.Separator = -14, r.GroupCode = -1;
         r.PreSendDelay = -5, r.ResetTime = -5, r.PostSendDelay = -1, r.PauseTime = -20;
         SetCode(r.MemCodes[3], "123", -1);
     },
     [](const DTMFShown& s) {
         EXPECT_EQ(s.ani + s.sendTime + s.pttIdMode + s.decodeResponse, 0);
         EXPECT_EQ(s.firstDigitDelay + s.sideTone, 0);
         EXPECT_EQ(s.separator, 4);
         EXPECT_EQ(s.groupCode, 0);
         EXPECT_EQ(s.preSendDelay + s.resetTime + s.postSendDelay + s.pauseTime, 0);
         EXPECT_EQ(s.codes[3], "");
     }},
    {"edges inside",
     [](DTMFDataRec& r) {
         r.ANI = 1, r.SendTime = 4, r.PttIDMode = 0, r.Separator = 10, r.GroupCode = 15;
         r.FirstDigitDelay = 250, r.PreSendDelay = 250, r.ResetTime = 250, r.PostSendDelay = 1;
         r.PauseTime = 75, r.SideTone = 1;
     },
     [](const DTMFShown& s) {
         EXPECT_EQ(s.ani, 1);
         EXPECT_EQ(s.sendTime, 4);
         EXPECT_EQ(s.separator, 0);
         EXPECT_EQ(s.groupCode, 6);
         EXPECT_EQ(s.firstDigitDelay, 250);
         EXPECT_EQ(s.preSendDelay, 249);
         EXPECT_EQ(s.resetTime, 250);
         EXPECT_EQ(s.postSendDelay, 0);
         EXPECT_EQ(s.pauseTime, 71);
         EXPECT_EQ(s.sideTone, 1);
     }},
    {"group code off and pause below 5",
     [](DTMFDataRec& r) { r.GroupCode = 255, r.PauseTime = 3; },
     [](const DTMFShown& s) {
         EXPECT_EQ(s.groupCode, 0);
         EXPECT_EQ(s.pauseTime, 0);
     }},
    {"codes: display form, cut to CodeLen, beyond the text",
     [](DTMFDataRec& r) {
         SetCode(r.MemCodes[0], "12E", 2);
         SetCode(r.MemCodes[1], "1E2F", 4);
         SetCode(r.MemCodes[2], "123", 30);
         SetCode(r.BeginCode, "ABCD", 0);
         SetCode(r.KillCode, "1234567890ABCD", 14);
         SetCode(r.StunCode, "9F", 20);
     },
     [](const DTMFShown& s) {
         EXPECT_EQ(s.codes[0], "12");
         EXPECT_EQ(s.codes[1], "1*2#");
         EXPECT_EQ(s.codes[2], "123");
         EXPECT_EQ(s.codes[kDtmfBeginBox], "");
         EXPECT_EQ(s.codes[kDtmfKillBox], "1234567890ABCD");
         EXPECT_EQ(s.codes[kDtmfStunBox], "9#");
     }},
};
INSTANTIATE_TEST_SUITE_P(Cases, DtmfShow, ::testing::ValuesIn(kShowCases));

}  // namespace

TEST(DtmfOwnID, NormalisedAtLoadExtendedOnLeaving) {
    struct Case {
        const char* stored;
        const char* shown;
    };
    const Case cases[] = {{"5", "500"},   {"12", "120"}, {"123", "123"}, {"000", "000"},
                          {"1A", "000"},  {" 12", "000"}, {"1.5", "000"}, {"-1", "000"},
                          {"", "000"},    {"1e2", "000"}};
    for (const Case& c : cases) EXPECT_EQ(NormalizeDtmfOwnID(c.stored), c.shown) << c.stored;
    FixedText<3> raw;
    raw.b = {'4', '\0', ' '};
    EXPECT_EQ(NormalizeDtmfOwnID(raw.Raw()), "400");
    raw.Clear();
    EXPECT_EQ(NormalizeDtmfOwnID(raw.Raw()), "000");

    EXPECT_EQ(ExtendDtmfID(""), "000");
    EXPECT_EQ(ExtendDtmfID("5"), "500");
    EXPECT_EQ(ExtendDtmfID("1234"), "1234");
}

TEST(DtmfSpecialCalls, SeparatorChangeRewritesCallsOfTheOwnID) {
    struct Case {
        const char* code;
        const char* after;  // own ID 456, new separator "#"
    };
    const Case cases[] = {
        {"123*456", "123#456"}, {"*456", "#456"},       {"123*789", "123*789"},
        {"123A456", "123#456"}, {"1234456", "1234456"}, {"12**456", "12**456"},
        {"D456", "#456"},       {"4456", "4456"},       {"*4567", "*4567"},
        {"", ""},               {"123*45", "123*45"},
    };
    for (const Case& c : cases) EXPECT_EQ(RewriteForSeparator(c.code, "456", "#"), c.after) << c.code;
}

TEST(DtmfSpecialCalls, OwnIDChangeRewritesCallsWithTheCurrentSeparator) {
    struct Case {
        const char* code;
        const char* after;  // separator "*", new own ID 789
    };
    const Case cases[] = {
        {"123*456", "123*789"}, {"*456", "*789"},       {"123#456", "123#456"},
        {"#456", "#456"},       {"12A*456", "12A*456"}, {"123*4A6", "123*4A6"},
        {"*4A6", "*4A6"},       {"123*789", "123*789"},
    };
    for (const Case& c : cases) EXPECT_EQ(RewriteForOwnID(c.code, "*", "789"), c.after) << c.code;
}

TEST(DtmfSpecialCalls, Composition) {
    EXPECT_EQ(ComposeDtmfSpecial(0, "12", "#", "456"), "120#456");
    EXPECT_EQ(ComposeDtmfSpecial(0, "", "*", "456"), "000*456");
    EXPECT_EQ(ComposeDtmfSpecial(1, "12", "#", "456"), "#456");
}

TEST(DtmfStore, ListsCodesAndOwnID) {
    DTMFDataRec r = DefaultRecord();
    DTMFShown s = ShowDTMFValues(r);
    s.groupCode = 0;
    s.pauseTime = 0;
    s.preSendDelay = 0;
    s.separator = 5;
    s.ownId = "12";
    s.codes[0] = "12*#";
    s.codes[15] = "123456789012345678901234";
    s.codes[kDtmfEndBox] = "#";
    StoreDTMFValues(s, r);
    EXPECT_EQ(r.GroupCode, 255);
    EXPECT_EQ(r.PauseTime, 0);
    EXPECT_EQ(r.PreSendDelay, 1);
    EXPECT_EQ(r.Separator, 15);
    EXPECT_EQ(r.OwnID.Raw(), "120");
    EXPECT_EQ(r.MemCodes[0].Code.Raw(), "12EF                    ");
    EXPECT_EQ(r.MemCodes[0].CodeLen, 4);
    EXPECT_EQ(r.MemCodes[15].CodeLen, 24);
    EXPECT_EQ(r.EndCode.Code.Trim(), "F");
    EXPECT_EQ(r.MemCodes[1].CodeLen, 0);
    // What was shown stores back to the same record.
    DTMFDataRec again = r;
    StoreDTMFValues(ShowDTMFValues(r), again);
    EXPECT_EQ(again, r);
}

TEST(DtmfStore, KillAndStunSteppedAwayFromOwnIDAndEachOther) {
    struct Case {
        const char *own, *kill, *stun, *wantKill, *wantStun;
    };
    const Case cases[] = {
        {"123", "123", "124", "124", "125"}, {"123", "999", "123", "999", "124"},
        {"123", "123", "", "124", ""},       {"12F", "12F", "777", "120", "777"},
        {"123", "", "", "", ""},             {"123", "555", "555", "555", "556"},
    };
    for (const Case& c : cases) {
        DTMFDataRec r = DefaultRecord();
        DTMFShown s = ShowDTMFValues(r);
        s.ownId = c.own;
        s.codes[kDtmfKillBox] = c.kill;
        s.codes[kDtmfStunBox] = c.stun;
        StoreDTMFValues(s, r);
        EXPECT_EQ(r.KillCode.Code.Trim(), c.wantKill) << c.own << c.kill << c.stun;
        EXPECT_EQ(r.StunCode.Code.Trim(), c.wantStun) << c.own << c.kill << c.stun;
        EXPECT_EQ(r.KillCode.CodeLen, static_cast<Integer>(std::string(c.kill).size()));
    }
}

TEST(DtmfStore, KillEqualsStunRefusal) {
    EXPECT_TRUE(DtmfKillEqualsStun("123", "123"));
    EXPECT_TRUE(DtmfKillEqualsStun("123  ", "123"));
    EXPECT_FALSE(DtmfKillEqualsStun("", ""));
    EXPECT_FALSE(DtmfKillEqualsStun("123", "124"));
}
