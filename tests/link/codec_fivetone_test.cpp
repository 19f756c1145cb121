#include <gtest/gtest.h>

#include <vector>

#include "link/codec.h"

namespace rp {
namespace {

std::vector<Byte> Bytes(const CommBytes& img, Long a, int n) {
    return {img.begin() + a, img.begin() + a + n};
}

struct FiveTone : ::testing::Test {
    CommBytes img{};
    RadioDataRec w;
    void SetUp() override {
        ClearCommImage(img);
        for (auto& c : w.Tone5Data().Codes) c.ToneTime = 70;
    }
    Tone5DataRec Decoded(RadioDataRec r = {}) {
        Get5ToneDataFromComm(img, r);
        return r.Tone5Data();
    }
};

TEST_F(FiveTone, OwnID) {
    auto& t = w.Tone5Data();
    t.OwnID.Set("12345");
    t.OwnIDLen = 5;
    ASSERT_TRUE(SetCommDataBy5Tone(img, w).ok());
    EXPECT_EQ(Bytes(img, 0x0325, 5), (std::vector<Byte>{1, 2, 3, 4, 5}));
    EXPECT_EQ(Decoded().OwnID.Trim(), "12345");
    t.OwnIDLen = 3;
    ASSERT_TRUE(SetCommDataBy5Tone(img, w).ok());
    EXPECT_EQ(Bytes(img, 0x0325, 5), (std::vector<Byte>{1, 2, 3, 0, 0}));
    EXPECT_EQ(Decoded().OwnID.Trim(), "123");

    for (auto [id, len] : {std::pair{"123", 5}, {"12 45", 5}, {"12345", 6}}) {
        t.OwnID.Set(id);
        t.OwnIDLen = static_cast<Byte>(len);
        EXPECT_EQ(SetCommDataBy5Tone(img, w).error, "SetCommDataBy5ToneError") << id << len;
    }
    img[0x0323] = 9;  // a count beyond the area is clamped
    Tone5DataRec r = Decoded();
    EXPECT_EQ(r.OwnIDLen, 5);
    EXPECT_EQ(r.OwnID.Trim().size(), 5u);
}

TEST_F(FiveTone, CodePackers) {
    Tone5CodeRec c;
    c.Code.Set("1234567"), c.CodeLen = 7, c.ToneTime = 20, c.Standard = 3;
    c.Name.Set("AB");
    ASSERT_TRUE(SetCommDataBy5ToneCode2(img, c, 0x0D00, 1));
    EXPECT_EQ(Bytes(img, 0x0D00, 8), (std::vector<Byte>{0, 3, 7, 70, 0x12, 0x34, 0x56, 0x7E}));
    EXPECT_EQ(Bytes(img, 0x0D18, 8), (std::vector<Byte>{'A', 'B', ' ', ' ', ' ', ' ', ' ', 0}));
    Tone5CodeRec r;
    Get5ToneCode2FromComm(img, r, 0x0D00, 1);
    EXPECT_EQ(r.Code.Trim(), "1234567");
    EXPECT_EQ(r.ToneTime, 70);
    EXPECT_EQ(r.Name.Trim(), "AB");

    c.Code.Set("12"), c.CodeLen = 5;
    ASSERT_TRUE(SetCommDataBy5ToneCode2(img, c, 0x0D20, 1));
    EXPECT_EQ(Bytes(img, 0x0D24, 3), (std::vector<Byte>{0x12, 0xEE, 0xEE}));
    c.Name.SetEmpty();
    ASSERT_TRUE(SetCommDataBy5ToneCode2(img, c, 0x0D20, 1));
    EXPECT_EQ(Bytes(img, 0x0D38, 7), std::vector<Byte>(7, 0));

    // A PTT-ID slot leaves bytes 16-31 alone and holds 24 digits at most.
    img[0x0360 + 16] = 0x99;
    c.CodeLen = 24;
    c.Code.Set("0123456789ABCDEF01234567");
    ASSERT_TRUE(SetCommDataBy5ToneCode2(img, c, 0x0360, 0));
    EXPECT_EQ(img[0x0360 + 15], 0x67);
    EXPECT_EQ(img[0x0360 + 16], 0x99);
    c.CodeLen = 25;
    EXPECT_FALSE(SetCommDataBy5ToneCode2(img, c, 0x0360, 0));
    c.CodeLen = 41;
    EXPECT_FALSE(SetCommDataBy5ToneCode2(img, c, 0x0D00, 1));
    c.CodeLen = 3;
    c.Code.Set("1G3");
    EXPECT_FALSE(SetCommDataBy5ToneCode2(img, c, 0x0D00, 1));

    Tone5InfoCodeRec i;
    i.Code.Set("1A3"), i.CodeLen = 3, i.Type = 2, i.Option = 1;
    i.Name.Set("KILL");
    ASSERT_TRUE(SetCommDataBy5ToneCode(img, i, 0x0500));
    EXPECT_EQ(Bytes(img, 0x0500, 6), (std::vector<Byte>{2, 1, 3, 0x01, 0x0A, 0x03}));
    EXPECT_EQ(Bytes(img, 0x0510, 7), (std::vector<Byte>{'K', 'I', 'L', 'L', 0, 0, 0}));
    Tone5InfoCodeRec ri;
    ri.Name.Set("OLD");
    Get5ToneCodeFromComm(img, ri, 0x0500);
    EXPECT_EQ(ri.Code.Trim(), "1A3");
    EXPECT_EQ(ri.Name.Trim(), "KILL");
    img[0x0510] = 0x00;
    Get5ToneCodeFromComm(img, ri, 0x0500);
    EXPECT_EQ(ri.Name.Trim(), "");
    i.CodeLen = 13;
    EXPECT_FALSE(SetCommDataBy5ToneCode(img, i, 0x0500));
}

TEST_F(FiveTone, DecodedLengthsStayWithinTheirSlots) {
    img[0x0362] = 200;  // PTT-ID begin code
    img[0x0D02] = 41;   // list entry 0
    img[0x0502] = 0xFF; // information code 0: 0xFF reads as 0
    img[0x0522] = 13;   // information code 1
    img[0x0500] = 0xFF;
    for (int k = 0; k < 13; ++k) img[0x0523 + k] = 0x1F;
    Tone5DataRec r = Decoded();
    EXPECT_EQ(r.BeginCode.CodeLen, 24);
    EXPECT_EQ(r.BeginCode.Code.Trim().size(), 24u);
    EXPECT_EQ(r.Codes[0].CodeLen, 40);
    EXPECT_EQ(r.InfoCodes[0].CodeLen, 0);
    EXPECT_EQ(r.InfoCodes[0].Type, 0);
    EXPECT_EQ(r.InfoCodes[1].CodeLen, 12);
    EXPECT_EQ(r.InfoCodes[1].Code.Trim(), "1F1F1F1F1F1F");  // each byte without leading zero
}

TEST_F(FiveTone, SettingsAtTheirAddresses) {
    auto& t = w.Tone5Data();
    // Byte fields and Integer fields, each with a value of its own.
    Byte* const bytes[] = {&t.Reserved0, &t.Response, &t.SysStandard, &t.ToneTime,
                           &t.Tone5Param4, &t.Tone5Param6, &t.Tone5Param7, &t.Tone5Param5};
    const Long byteAt[] = {0x0320, 0x0321, 0x0322, 0x0324, 0x032B, 0x032C, 0x032D, 0x032E};
    Integer* const ints[] = {&t.Tone5Param8, &t.Tone5Switch, &t.Separator, &t.Tone5Param10,
                             &t.Tone5Param9, &t.Tone5Param12};
    const Long intAt[] = {0x032F, 0x0330, 0x0331, 0x0332, 0x0333, 0x0335};
    for (int k = 0; k < 8; ++k) *bytes[k] = static_cast<Byte>(100 + k);
    for (int k = 0; k < 6; ++k) *ints[k] = static_cast<Integer>(200 + k);
    w.Tone5Param11 = 222;
    ASSERT_TRUE(SetCommDataBy5Tone(img, w).ok());
    for (int k = 0; k < 8; ++k) EXPECT_EQ(img[byteAt[k]], 100 + k) << byteAt[k];
    for (int k = 0; k < 6; ++k) EXPECT_EQ(img[intAt[k]], 200 + k) << intAt[k];
    EXPECT_EQ(img[0x0334], 222);

    img[0x0363] = 20;   // PTT-ID tone time outside 30..100 reads as 70
    img[0x0D03] = 100;  // list entry 0: at the limit, kept
    RadioDataRec r;
    Get5ToneDataFromComm(img, r);
    Tone5DataRec& g = r.Tone5Data();
    Byte* const gotBytes[] = {&g.Reserved0, &g.Response, &g.SysStandard, &g.ToneTime,
                              &g.Tone5Param4, &g.Tone5Param6, &g.Tone5Param7, &g.Tone5Param5};
    Integer* const gotInts[] = {&g.Tone5Param8, &g.Tone5Switch, &g.Separator, &g.Tone5Param10,
                                &g.Tone5Param9, &g.Tone5Param12};
    for (int k = 0; k < 8; ++k) EXPECT_EQ(*gotBytes[k], 100 + k) << byteAt[k];
    for (int k = 0; k < 6; ++k) EXPECT_EQ(*gotInts[k], 200 + k) << intAt[k];
    EXPECT_EQ(r.Tone5Param11, 222);
    EXPECT_EQ(g.BeginCode.ToneTime, 70);
    EXPECT_EQ(g.Codes[0].ToneTime, 100);
}

TEST_F(FiveTone, MapSettingsAndKeptFields) {
    auto& t = w.Tone5Data();
    t.Codes[0].Empty = 1;
    t.Codes[9].Empty = 1;
    t.Tone5Param4 = 4, t.Tone5Param5 = 5, t.Tone5Param9 = 9, t.Tone5Param12 = 12;
    w.Tone5Param11 = 11;
    ASSERT_TRUE(SetCommDataBy5Tone(img, w).ok());
    EXPECT_EQ(img[0x0390], 0x01);
    EXPECT_EQ(img[0x0391], 0x02);
    EXPECT_EQ(img[0x032B], 4);
    EXPECT_EQ(img[0x032E], 5);
    EXPECT_EQ(img[0x0333], 9);
    EXPECT_EQ(img[0x0334], 11);
    EXPECT_EQ(img[0x0335], 12);
    t.Tone5Param8 = 256;
    EXPECT_FALSE(SetCommDataBy5Tone(img, w).ok());

    RadioDataRec r;
    r.Tone5Data().UserTones[3] = 1234;
    r.Tone5Data().BeginCode.Empty = 1;
    r.Tone5Data().BeginCode.Reserved2 = 7;
    Get5ToneDataFromComm(img, r);
    EXPECT_EQ(r.Tone5Data().Codes[0].Empty, 1);
    EXPECT_EQ(r.Tone5Data().Codes[1].Empty, 0);
    EXPECT_EQ(r.Tone5Data().Codes[9].Empty, 1);
    EXPECT_EQ(r.Tone5Data().UserTones[3], 1234);
    EXPECT_EQ(r.Tone5Data().BeginCode.Empty, 1);
    EXPECT_EQ(r.Tone5Data().BeginCode.Reserved2, 7);
    EXPECT_EQ(r.Tone5Param11, 11);
    EXPECT_EQ(r.Tone5Data().Tone5Param9, 9);
}

}  // namespace
}  // namespace rp
