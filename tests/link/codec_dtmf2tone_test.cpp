#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <vector>

#include "link/codec.h"

namespace rp {
namespace {

std::vector<Byte> Bytes(const CommBytes& img, Long a, int n) {
    return {img.begin() + a, img.begin() + a + n};
}

struct DtmfCodec : ::testing::Test {
    CommBytes img{};
    RadioDataRec w;
    void SetUp() override {
        ClearCommImage(img);
        w.DTMFData().OwnID.Set("123");
    }
    DTMFDataRec Decoded() {
        RadioDataRec r;
        GetDTMFDataFromComm(img, r);
        return r.DTMFData();
    }
};

TEST_F(DtmfCodec, SettingsMappedBothWays) {
    struct Case { Integer DTMFDataRec::*field; Long off; int value; Byte written; int read; };
    const Case cases[] = {
        {&DTMFDataRec::Separator, 0, 5, 14, 14},
        {&DTMFDataRec::Separator, 0, 12, 12, 12},
        {&DTMFDataRec::GroupCode, 1, 255, 0xFF, 255},
        {&DTMFDataRec::GroupCode, 1, 10, 0x0A, 10},
        {&DTMFDataRec::GroupCode, 1, 3, 0xFF, 255},
        {&DTMFDataRec::DecodeResponse, 2, 3, 0, 0},
        {&DTMFDataRec::DecodeResponse, 2, -1, 0, 0},
        {&DTMFDataRec::FirstDigitDelay, 4, 251, 0, 0},
        {&DTMFDataRec::FirstDigitDelay, 4, 250, 250, 250},
        {&DTMFDataRec::PreSendDelay, 3, 31, 31, 31},
        {&DTMFDataRec::ResetTime, 5, 32, 32, 32},
        {&DTMFDataRec::SideTone, 0xD, 33, 33, 33},
        {&DTMFDataRec::PostSendDelay, 0xE, 34, 34, 34},
        {&DTMFDataRec::PauseTime, 0xF, 200, 200, 200},
    };
    for (const Case& c : cases) {
        w.DTMFData().*c.field = static_cast<Integer>(c.value);
        ASSERT_TRUE(SetCommDataByDTMF(img, w).ok());
        EXPECT_EQ(img[0x02E0 + c.off], c.written) << c.off << " " << c.value;
        EXPECT_EQ(Decoded().*c.field, c.read) << c.off << " " << c.value;
        w = RadioDataRec{};
    }
    // Read-side limits on bytes the encoder never writes.
    img[0x02E0] = 9;
    img[0x02E1] = 0x10;
    img[0x02E2] = 7;
    img[0x02E4] = 0xFF;
    DTMFDataRec r = Decoded();
    EXPECT_EQ(r.Separator, 14);
    EXPECT_EQ(r.GroupCode, 255);
    EXPECT_EQ(r.DecodeResponse, 0);
    EXPECT_EQ(r.FirstDigitDelay, 0);
}

TEST_F(DtmfCodec, OwnID) {
    w.DTMFData().OwnID.Set("7");
    ASSERT_TRUE(SetCommDataByDTMF(img, w).ok());
    EXPECT_EQ(w.DTMFData().OwnID.Trim(), "007");
    EXPECT_EQ(Bytes(img, 0x02E6, 4), (std::vector<Byte>{3, 0, 0, 7}));
    for (const char* bad : {"A1", "1 2", "", "-1"}) {
        w.DTMFData().OwnID.Set(bad);
        ASSERT_TRUE(SetCommDataByDTMF(img, w).ok());
        EXPECT_EQ(w.DTMFData().OwnID.Trim(), "000") << bad;
        EXPECT_EQ(Bytes(img, 0x02E6, 4), (std::vector<Byte>{3, 0, 0, 0})) << bad;
    }
    struct Case { std::vector<Byte> bytes; const char* id; };
    for (const Case& c : {Case{{5, 1, 2, 3, 4, 5}, "123"}, Case{{5, 1, 2, 3, 4, 10}, "000"},
                          Case{{0, 4, 5, 6, 11, 11}, "456"}, Case{{9, 1, 2, 3, 4, 5}, "123"},
                          Case{{3, 10, 2, 3, 0, 0}, "000"}}) {
        for (std::size_t k = 0; k < c.bytes.size(); ++k) img[0x02E6 + k] = c.bytes[k];
        EXPECT_EQ(Decoded().OwnID.Trim(), c.id);
    }
}

TEST_F(DtmfCodec, CodesPackedTwoDigitsPerByte) {
    auto& dt = w.DTMFData();
    dt.BeginCode.Code.Set("1234567"), dt.BeginCode.CodeLen = 7;
    dt.MemCodes[0].Code.Set("12"), dt.MemCodes[0].CodeLen = 4;
    dt.KillCode.Code.Set("ABCDEF"), dt.KillCode.CodeLen = 6;
    dt.EndCode.Code.Set("99"), dt.EndCode.CodeLen = 30;  // above 24: length 0
    ASSERT_TRUE(SetCommDataByDTMF(img, w).ok());
    EXPECT_EQ(Bytes(img, 0x0340, 4), (std::vector<Byte>{0x12, 0x34, 0x56, 0x70}));
    EXPECT_EQ(img[0x034C], 7);
    EXPECT_EQ(Bytes(img, 0x0400, 3), (std::vector<Byte>{0x12, 0x00, 0x00}));
    EXPECT_EQ(img[0x040C], 4);
    EXPECT_EQ(Bytes(img, 0x02F0, 4), (std::vector<Byte>{0xAB, 0xCD, 0xEF, 0x00}));
    EXPECT_EQ(img[0x02F7], 6);
    EXPECT_EQ(img[0x035C], 0);
    EXPECT_EQ(img[0x0350], 0);
    DTMFDataRec r = Decoded();
    EXPECT_EQ(r.BeginCode.Code.Trim(), "1234567");
    EXPECT_EQ(r.BeginCode.CodeLen, 7);
    EXPECT_EQ(r.MemCodes[0].Code.Trim(), "1200");
    EXPECT_EQ(r.KillCode.Code.Trim(), "ABCDEF");
    EXPECT_EQ(r.EndCode.CodeLen, 0);

    img[0x034C] = 30;  // a length beyond the area reads as none
    r = Decoded();
    EXPECT_EQ(r.BeginCode.CodeLen, 0);
    EXPECT_EQ(r.BeginCode.Code.Trim(), "");
    img[0x034C] = 24;
    EXPECT_EQ(Decoded().BeginCode.Code.Raw(), "123456700000000000000000");
}

TEST_F(DtmfCodec, BadCodesFail) {
    struct Case { const char* what; void (*set)(DTMFDataRec&); };
    const Case cases[] = {
        {"kill shorter than its length", [](DTMFDataRec& d) { d.KillCode.Code.Set("12"), d.KillCode.CodeLen = 4; }},
        {"stun not hex", [](DTMFDataRec& d) { d.StunCode.Code.Set("1G"), d.StunCode.CodeLen = 2; }},
        {"memory code blank", [](DTMFDataRec& d) { d.MemCodes[3].Code.Set("1 2"), d.MemCodes[3].CodeLen = 3; }},
        {"negative length", [](DTMFDataRec& d) { d.BeginCode.CodeLen = -1; }},
        {"PreSendDelay 256", [](DTMFDataRec& d) { d.PreSendDelay = 256; }},
    };
    for (const Case& c : cases) {
        RadioDataRec r;
        c.set(r.DTMFData());
        EXPECT_EQ(SetCommDataByDTMF(img, r).error, "SetCommDataByDTMFError") << c.what;
    }
}

TEST(TwoToneCodec, SettingsEntriesAndMaps) {
    CommBytes img{};
    ClearCommImage(img);
    RadioDataRec w;
    auto& t = w.Tone2Data();
    t.OwnTone1H = 12, t.OwnTone1L = 145, t.ToneAL = 145, t.ToneAH = 12, t.CallFormat = 15;
    t.Decodes[0] = {1, 1000.0, 0.0, 2, {}};
    t.Decodes[0].Name.Set("AB");
    t.Decodes[1].Valid = 0;
    t.Decodes[1].Tone1 = 0.4;  // rounds to 0: no tone
    t.Encodes[0].Empty = 0;
    t.Encodes[0].Divisor1L = 0x11, t.Encodes[0].Tone2H = 0x88;
    t.Encodes[0].Name.Set("ENC");
    t.Encodes[1].Empty = 1;
    ASSERT_TRUE(SetCommDataBy2Tone(img, w).ok());
    EXPECT_EQ(img[0x0300], 0x91);
    EXPECT_EQ(img[0x0301], 0x0C);
    EXPECT_EQ(img[0x0310], 0x0C);
    EXPECT_EQ(img[0x0311], 0x91);
    EXPECT_EQ(Bytes(img, 0x3B00, 16),
              (std::vector<Byte>{0x10, 0x27, 0, 0, 0xB2, 0x0C, 0, 0, 2, 'A', 'B', ' ', ' ', ' ', ' ', 0}));
    EXPECT_EQ(Bytes(img, 0x3B10, 8), std::vector<Byte>(8, 0));
    EXPECT_EQ(Bytes(img, 0x0B00, 16),
              (std::vector<Byte>{0x11, 0, 0, 0, 0, 0, 0, 0x88, 'E', 'N', 'C', ' ', ' ', ' ', ' ', 0}));
    EXPECT_EQ(img[0x0388], 0xFE);
    EXPECT_EQ(img[0x0380], 0x02);  // only entry 1 is empty
    EXPECT_EQ(Bytes(img, 0x0B10, 8), std::vector<Byte>(8, 0));  // empty entry still written

    RadioDataRec r;
    r.Tone2Data().Decodes[5].Name.Set("OLD");
    Get2ToneDataFromComm(img, r);
    const auto& g = r.Tone2Data();
    EXPECT_EQ(g.OwnTone1L, 145);
    EXPECT_EQ(g.ToneAH, 12);
    EXPECT_EQ(g.CallFormat, 0);  // above 14
    EXPECT_EQ(g.Decodes[0].Valid, 1);
    EXPECT_DOUBLE_EQ(g.Decodes[0].Tone1, 1000.0);
    EXPECT_EQ(g.Decodes[0].Name.Trim(), "AB");
    EXPECT_EQ(g.Decodes[1].Valid, 0);
    EXPECT_EQ(g.Decodes[5].Name.Trim(), "");  // rebuilt, not kept
    EXPECT_EQ(g.Encodes[0].Empty, 0);
    EXPECT_EQ(g.Encodes[0].Tone2H, 0x88);
    EXPECT_EQ(g.Encodes[0].Name.Trim(), "ENC");
    EXPECT_EQ(g.Encodes[1].Empty, 1);
}

TEST(TwoToneCodec, HeadBytesAtTheirAddresses) {
    using T = Tone2DataRec;
    Byte T::*const order[24] = {&T::OwnTone1L,   &T::OwnTone1H,   &T::OwnTone2L,   &T::OwnTone2H,
                                &T::OwnDivisor1L, &T::OwnDivisor1H, &T::OwnDivisor2L, &T::OwnDivisor2H,
                                &T::Response,    &T::Duration1,   &T::Duration2,   &T::Duration3,
                                &T::Interval,    &T::ResetTime,   &T::SideTone,    &T::CallFormat,
                                &T::ToneAH,      &T::ToneAL,      &T::ToneBH,      &T::ToneBL,
                                &T::ToneCH,      &T::ToneCL,      &T::ToneDH,      &T::ToneDL};
    CommBytes img{};
    ClearCommImage(img);
    RadioDataRec w;
    for (int k = 0; k < 24; ++k) w.Tone2Data().*order[k] = static_cast<Byte>(k == 15 ? 14 : 100 + k);
    ASSERT_TRUE(SetCommDataBy2Tone(img, w).ok());
    RadioDataRec r;
    Get2ToneDataFromComm(img, r);
    for (int k = 0; k < 24; ++k) {
        EXPECT_EQ(img[0x0300 + k], w.Tone2Data().*order[k]) << k;
        EXPECT_EQ(r.Tone2Data().*order[k], w.Tone2Data().*order[k]) << k;
    }
}

TEST(TwoToneCodec, TonesThatDoNotFitFail) {
    for (double tone : {6553.6, 49.5, std::numeric_limits<double>::infinity()}) {
        CommBytes img{};
        RadioDataRec w;
        w.Tone2Data().Decodes[3].Tone2 = tone;
        EXPECT_EQ(SetCommDataBy2Tone(img, w).error, "SetCommDataBy2ToneError") << tone;
    }
    CommBytes img{};
    RadioDataRec w;
    w.Tone2Data().Decodes[3].Tone1 = 6553.5;
    w.Tone2Data().Decodes[3].Tone2 = std::nan("");
    EXPECT_TRUE(SetCommDataBy2Tone(img, w).ok());
    w.Tone2Data().Decodes[3].Response = 300;
    EXPECT_FALSE(SetCommDataBy2Tone(img, w).ok());
}

}  // namespace
}  // namespace rp
