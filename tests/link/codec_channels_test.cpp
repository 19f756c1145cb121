#include <gtest/gtest.h>

#include <vector>

#include "core/fakes.h"
#include "link/codec.h"
#include "link/fulldata.h"

namespace rp {
namespace {

constexpr Long kAt = 0x2000;

std::vector<Byte> Bytes(const CommBytes& img, Long a, int n) {
    return {img.begin() + a, img.begin() + a + n};
}

// A plain valid channel to vary.
FreDataRec Base() {
    FreDataRec r = ClearedChannelRecord(1);
    r.RxFre.Set("044000000");
    return r;
}

struct ChannelCodec : ::testing::Test {
    CommBytes img{};
    void SetUp() override { ClearCommImage(img); }
    EncodeStatus Put(const FreDataRec& r, std::string_view model = "KEVRA8R") {
        return SetCommDataByFrequency(img, r, kAt, model, nullptr);
    }
    FreDataRec Get(std::string_view model = "KEVRA8R") {
        FreDataRec r = ClearedChannelRecord(1);
        Integer n = 0;
        EXPECT_TRUE(GetFrequencyFromComm(img, ListMemory, kAt, r, n, model));
        EXPECT_EQ(n, 1);
        return r;
    }
};

TEST_F(ChannelCodec, FrequenciesAsPackedBCD) {
    struct Case { const char* rx; std::vector<Byte> bytes; const char* back; };
    for (const Case& c : {Case{"046256250", {0x04, 0x62, 0x56, 0x25}, "046256250"},
                          Case{"044600625", {0x04, 0x46, 0x00, 0x62}, "044600625"},
                          Case{"04460003", {0x04, 0x46, 0x00, 0x03}, "044600033"},
                          Case{"0446", {0x04, 0x46, 0x00, 0x00}, "044600000"},
                          Case{"14400007", {0x14, 0x40, 0x00, 0x07}, "144000075"},
                          Case{"14400006", {0x14, 0x40, 0x00, 0x06}, "144000066"}}) {
        FreDataRec r = Base();
        r.RxFre.Set(c.rx);
        ASSERT_TRUE(Put(r).ok()) << c.rx;
        EXPECT_EQ(Bytes(img, kAt, 4), c.bytes) << c.rx;
        EXPECT_EQ(Get().RxFre.Trim(), c.back) << c.rx;
    }
}

TEST_F(ChannelCodec, EmptyOrNonDecimalFrequencyHoldsNoChannel) {
    FreDataRec r = Base();
    r.RxFre.SetEmpty();
    ASSERT_TRUE(Put(r).ok());
    EXPECT_EQ(Bytes(img, kAt, 4), (std::vector<Byte>{0xFF, 0xFF, 0xFF, 0xFF}));
    for (std::vector<Byte> rx : {std::vector<Byte>{0xFF, 0xFF, 0xFF, 0xFF},
                                 {0x04, 0x46, 0xE0, 0x62}, {0x04, 0x4A, 0x00, 0x00}}) {
        for (int k = 0; k < 4; ++k) img[kAt + k] = rx[k];
        FreDataRec out = Base();
        out.Name.Set("KEEP");
        const FreDataRec before = out;
        Integer n = 5;
        EXPECT_FALSE(GetFrequencyFromComm(img, ListMemory, kAt, out, n, "KEVRA8R"));
        EXPECT_EQ(n, 5);
        EXPECT_EQ(out, before);
    }
    // An offset that is not decimal reads as zero.
    FreDataRec o = Base();
    ASSERT_TRUE(Put(o).ok());
    img[kAt + 4] = 0xAB;
    EXPECT_EQ(Get().OffsetFre.Trim(), "000000000");
}

TEST_F(ChannelCodec, BitFieldsBothWays) {
    struct Case {
        void (*set)(FreDataRec&);
        int byte;
        Byte value;
    };
    const Case cases[] = {
        {[](FreDataRec& r) { r.OffsetDir = 1, r.Power = 2, r.TalkAround = 1; }, 10, 0x4A},
        {[](FreDataRec& r) { r.OffsetDir = 2; }, 10, 0x03},
        {[](FreDataRec& r) { r.EnDCS = 19, r.EnDCSInvert = 1; }, 9, 0x10},
        {[](FreDataRec& r) { r.EnDCS = 511; }, 9, 0x20},
        {[](FreDataRec& r) { r.TxForbid = 1, r.Reverse = 1, r.WN = 3; }, 9, 0x0F},
        {[](FreDataRec& r) { r.DeDCS = 300, r.DeDCSInvert = 1; }, 10, 0x30},
        {[](FreDataRec& r) { r.EnCTCType = 2, r.DeCTCType = 1, r.DTMFCode = 15; }, 11, 0xF6},
        {[](FreDataRec& r) { r.DTMFPttID = 3, r.Tone5PttID = 2; }, 26, 0x23},
    };
    for (const Case& c : cases) {
        FreDataRec r = Base();
        c.set(r);
        r.EnDCSHigh = static_cast<Integer>(r.EnDCS >> 8);
        r.DeDCSHigh = static_cast<Integer>(r.DeDCS >> 8);
        ASSERT_TRUE(Put(r).ok());
        EXPECT_EQ(img[kAt + c.byte], c.value) << "byte " << c.byte;
        EXPECT_EQ(Get(), r) << "byte " << c.byte;
    }
    FreDataRec r = Base();
    r.EnDCS = 19;
    ASSERT_TRUE(Put(r).ok());
    EXPECT_EQ(img[kAt + 14], 0x13);
    r.EnDCS = 511;
    ASSERT_TRUE(Put(r).ok());
    EXPECT_EQ(img[kAt + 14], 0xFF);
    // Offset direction code 1 reads as none.
    img[kAt + 10] = 0x01;
    EXPECT_EQ(Get().OffsetDir, 0);
}

TEST_F(ChannelCodec, SignallingCodeDependsOnTheModel) {
    struct Case { std::string_view model; Integer sig; Byte code; };
    for (Case c : {Case{"KEVRA8R", Sig5Tone, 2}, {"KEVRA8R", Sig2Tone, 3}, {"KEVRA8R", SigMSK, 4},
                   {"7425USD", Sig5Tone, 3}, {"7425USD", Sig2Tone, 2}, {"7425USDX", Sig2Tone, 3},
                   {"KEVRA8R", SigDTMF, 1}, {"KEVRA8R", 9, 9}}) {
        FreDataRec r = Base();
        r.OptSig = c.sig;
        ASSERT_TRUE(Put(r, c.model).ok());
        EXPECT_EQ(img[kAt + 16], c.code) << c.model << " " << c.sig;
        EXPECT_EQ(Get(c.model).OptSig, c.sig);
    }
}

TEST_F(ChannelCodec, NameCustomToneAndRawBytes) {
    FreDataRec r = Base();
    r.Name.Set("AB");
    r.CustomCTCSS = 1511;
    ASSERT_TRUE(Put(r).ok());
    EXPECT_EQ(Bytes(img, kAt + 19, 6), (std::vector<Byte>{0x41, 0x42, 0x20, 0x20, 0x20, 0x20}));
    EXPECT_EQ(Bytes(img, kAt + 28, 2), (std::vector<Byte>{0xE7, 0x05}));
    FreDataRec back = Get();
    EXPECT_EQ(back.Name.Raw(), std::string_view("AB\0   ", 6));
    r.Name.SetEmpty();
    ASSERT_TRUE(Put(r).ok());
    EXPECT_EQ(Bytes(img, kAt + 19, 6), std::vector<Byte>(6, 0x00));
    EXPECT_EQ(Get().Name.Trim(), "");
    // Bytes above 0x7F travel unchanged; a custom tone above 32767 keeps its bits.
    r.Name.Set("\xE9t\xE9");
    r.CustomCTCSS = static_cast<Integer>(0x8001);
    ASSERT_TRUE(Put(r).ok());
    FreDataRec b2 = Get();
    EXPECT_EQ(b2.Name.Trim(), "\xE9t\xE9");
    CommBytes again{};
    ClearCommImage(again);
    ASSERT_TRUE(SetCommDataByFrequency(again, b2, kAt, "KEVRA8R", nullptr).ok());
    EXPECT_EQ(Bytes(again, kAt, 32), Bytes(img, kAt, 32));
}

TEST_F(ChannelCodec, ValuesThatDoNotFitAreErrors) {
    struct Case { const char* what; void (*set)(FreDataRec&); };
    const Case cases[] = {
        {"TxForbid 2", [](FreDataRec& r) { r.TxForbid = 2; }},
        {"OffsetDir 3", [](FreDataRec& r) { r.OffsetDir = 3; }},
        {"OffsetDir -1", [](FreDataRec& r) { r.OffsetDir = -1; }},
        {"EnDCS 512", [](FreDataRec& r) { r.EnDCS = 512; }},
        {"DeDCS -1", [](FreDataRec& r) { r.DeDCS = -1; }},
        {"WN 4", [](FreDataRec& r) { r.WN = 4; }},
        {"DTMFCode 16", [](FreDataRec& r) { r.DTMFCode = 16; }},
        {"Tone5PttID 16", [](FreDataRec& r) { r.Tone5PttID = 16; }},
        {"Step 256", [](FreDataRec& r) { r.Step = 256; }},
        {"SqlLevel -1", [](FreDataRec& r) { r.SqlLevel = -1; }},
        {"RxFre G", [](FreDataRec& r) { r.RxFre.Set("0440G0000"); }},
        {"OffsetFre blank", [](FreDataRec& r) { r.OffsetFre.Set("00 000000"); }},
    };
    for (const Case& c : cases) {
        FreDataRec r = Base();
        c.set(r);
        CommBytes before = img;
        EncodeStatus s = Put(r);
        EXPECT_EQ(s.error, "SetCommDataByFrequencyError") << c.what;
        EXPECT_EQ(img, before) << c.what;  // nothing spills
    }
}

TEST_F(ChannelCodec, ListsAndMaps) {
    AppData d;
    test::FillFullDataSet(d);
    // Channels 1, 5, 200, PL1, VFO1 only, added out of order.
    const int nos[] = {205, 5, 201, 1, 200};
    int k = 0;
    for (int no : nos) d.FreData[k++] = test::FullChannel(no, no);
    d.WorkData.FreDataCount = static_cast<Integer>(k);
    for (auto& p : d.WorkData.GMRSFreData) p.ScanSkip = 1;
    for (auto& p : d.WorkData.MURSFreData) p.ScanSkip = 1;
    d.WorkData.MURSFreData[2].ScanSkip = 0;
    ImageData data{d.WorkData, d.FreData};
    ASSERT_TRUE(SetCommDataByAllFrequency(img, data, "KEVRA8R", nullptr).ok());
    EXPECT_EQ(img[0x0118], 0x7F);  // channel 200: bit 7
    EXPECT_EQ(img[0x0119], 0xFE);  // PL1: bit 0; VFO1 has none
    EXPECT_EQ(img[0x0100], 0xEE);  // channels 1 and 5
    EXPECT_EQ(img[0x0153], 0xFB);  // MURS entry 2 whatever GMRS holds
    EXPECT_EQ(img[0x0150], 0xFF);

    // VFO2 has no map bit: the record itself says the radio holds none.
    for (int i = 0; i < 4; ++i) img[addr::ChannelVFO2 + i] = 0xFF;
    ImageData got{d.WorkData, d.FreData};
    for (auto& r : got.Fre) r.Scrambler = 3;  // stale content
    // A preset decode never touches its frequencies, number or Used.
    got.Work.GMRSFreData[4].RxFre.Set("999999999");
    got.Work.GMRSFreData[4].Used = 0;
    GetAllFrequencyFromComm(img, got, "KEVRA8R");
    ASSERT_EQ(got.Work.FreDataCount, 5);
    const int order[] = {1, 5, 200, 201, 205};
    for (int i = 0; i < 5; ++i) {
        EXPECT_EQ(got.Fre[i].No, order[i]);
        EXPECT_EQ(got.Fre[i].Scrambler, 0);
        EXPECT_EQ(got.Fre[i], test::FullChannel(order[i], order[i]));
    }
    EXPECT_EQ(got.Fre[5].Scrambler, 3);  // beyond the count: left as it was
    EXPECT_EQ(got.Work.GMRSFreData[4].RxFre.Trim(), "999999999");
    EXPECT_EQ(got.Work.GMRSFreData[4].Used, 0);
    EXPECT_EQ(got.Work.GMRSFreData[4].ScanSkip, 1);
    EXPECT_EQ(got.Work.MURSFreData[2].ScanSkip, 0);
}

TEST_F(ChannelCodec, ChannelWithoutPlaceIsAnError) {
    AppData d;
    d.FreData[0] = test::FullChannel(0, 1);
    d.WorkData.FreDataCount = 1;
    ImageData data{d.WorkData, d.FreData};
    EXPECT_EQ(SetCommDataByAllFrequency(img, data, "KEVRA8R", nullptr).error,
              "SetCommDataByFrequencyError");
}

TEST_F(ChannelCodec, FMBroadcastList) {
    AppData d;
    auto& fm = d.WorkData.RadioFreData;
    fm[0].Fre.Set("00881000");
    fm[0].Used = 1;
    fm[1].Fre.Set("01080000");
    fm[1].Used = 0;  // a frequency but not in use
    fm[100].Fre.SetEmpty();
    ImageData data{d.WorkData, d.FreData};
    ASSERT_TRUE(SetCommDataByAllFrequency(img, data, "KEVRA8R", nullptr).ok());
    EXPECT_EQ(Bytes(img, 0x0610, 4), (std::vector<Byte>{0x00, 0x88, 0x10, 0x00}));
    EXPECT_EQ(img[0x0260], 0xFE);
    EXPECT_EQ(Bytes(img, 0x0600, 4), (std::vector<Byte>{0xFF, 0xFF, 0xFF, 0xFF}));
    ImageData got = data;
    GetAllFrequencyFromComm(img, got, "KEVRA8R");
    EXPECT_EQ(got.Work.RadioFreData[0].Used, 1);
    EXPECT_EQ(got.Work.RadioFreData[0].Fre.Trim(), "00881000");
    EXPECT_EQ(got.Work.RadioFreData[1].Used, 0);
    EXPECT_EQ(got.Work.RadioFreData[1].Fre.Trim(), "01080000");
    EXPECT_EQ(got.Work.RadioFreData[100].Used, 0);
    EXPECT_EQ(got.Work.RadioFreData[100].Fre.Trim(), "FFFFFFFF");
    EXPECT_EQ(got.Work.RadioFreData[100].No, 101);
    // A non-hexadecimal frequency fails the list encoder.
    data.Work.RadioFreData[7].Fre.Set("0088X000");
    EXPECT_EQ(SetCommDataByAllFrequency(img, data, "KEVRA8R", nullptr).error,
              "SetCommDataByAllFrequencyError");
}

}  // namespace
}  // namespace rp
