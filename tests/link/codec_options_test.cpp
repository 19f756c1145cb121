#include <gtest/gtest.h>

#include <vector>

#include "link/codec.h"

namespace rp {
namespace {

struct OptionCodec : ::testing::Test {
    CommBytes img{};
    RadioDataRec w;
    void SetUp() override { ClearCommImage(img); }
    Byte At(Long off) const { return img[addr::OptionImage + off]; }
    RadioDataRec Decoded() {
        RadioDataRec r;
        GetOptionDataFromComm(img, r);
        return r;
    }
};

TEST_F(OptionCodec, FlagBytes) {
    auto& o = w.OptionData();
    o.SqlKey = 1, o.TailElim = 0, o.FullBand = 1, o.MainBand = 1, o.Alarm = 0, o.Voice = 1;
    w.DTMFData().ANI = 1;
    w.RadioOn = 0;
    o.FuncOperB = 1, o.InitKey = 1;
    o.DisplayOption = 1;
    w.SWEnabled = 1;
    ASSERT_TRUE(SetCommDataByOption(img, w).ok());
    EXPECT_EQ(At(0x10), 0xAD);
    EXPECT_EQ(At(0x1C), 0x0A);
    EXPECT_EQ(At(0x11), 0x09);
    RadioDataRec r = Decoded();
    EXPECT_EQ(r.OptionData().SqlKey, 1);
    EXPECT_EQ(r.OptionData().TailElim, 0);
    EXPECT_EQ(r.OptionData().FullBand, 1);
    EXPECT_EQ(r.DTMFData().ANI, 1);
    EXPECT_EQ(r.RadioOn, 0);
    EXPECT_EQ(r.OptionData().MainBand, 1);
    EXPECT_EQ(r.OptionData().Alarm, 0);
    EXPECT_EQ(r.OptionData().Voice, 1);
    EXPECT_EQ(r.OptionData().FuncOperB, 1);
    EXPECT_EQ(r.OptionData().InitKey, 1);
    EXPECT_EQ(r.SWEnabled, 1);
}

TEST_F(OptionCodec, DecodingLimits) {
    struct Case { Long off; Byte b; int (*field)(const RadioDataRec&); int expect; };
    const Case cases[] = {
        {0x0F, 7, [](const RadioDataRec& r) { return int(r.PF1Key); }, 0},
        {0x0F, 5, [](const RadioDataRec& r) { return int(r.PF1Key); }, 5},
        {0x08, 3, [](const RadioDataRec& r) { return int(r.QuickScan); }, 1},
        {0x34, 5, [](const RadioDataRec& r) { return int(r.MURSChannel); }, 0},
        {0x33, 23, [](const RadioDataRec& r) { return int(r.GMRSChannel); }, 0},
        {0x33, 22, [](const RadioDataRec& r) { return int(r.GMRSChannel); }, 22},
        {0x30, 3, [](const RadioDataRec& r) { return int(r.NOAAAlert); }, 0},
        {0x31, 7, [](const RadioDataRec& r) { return int(r.NOAAChannel); }, 0},
        {0x32, 2, [](const RadioDataRec& r) { return int(r.Part95Mode); }, 2},
        {0x15, 0xFE, [](const RadioDataRec& r) { return int(r.OptionData().KeyLock); }, 0},
        {0x2A, 3, [](const RadioDataRec& r) { return int(r.OptionData().BankLink[4]); }, 1},
        {0x04, 250, [](const RadioDataRec& r) { return int(r.OptionData().MemChannelA); }, 250},
    };
    for (const Case& c : cases) {
        ClearCommImage(img);
        img[addr::OptionImage + c.off] = c.b;
        EXPECT_EQ(c.field(Decoded()), c.expect) << std::hex << c.off;
    }
}

TEST_F(OptionCodec, EncodingMapsAndRefuses) {
    w.OptionData().BankLink[4] = 3;
    w.OptionData().BankLink[5] = 4;
    ASSERT_TRUE(SetCommDataByOption(img, w).ok());
    EXPECT_EQ(At(0x2A), 1);
    EXPECT_EQ(At(0x2B), 0);
    // Bytes that are no field keep their preset.
    img[0x0227] = 0x77;
    img[0x0255] = 0x66;
    ASSERT_TRUE(SetCommDataByOption(img, w).ok());
    EXPECT_EQ(img[0x0227], 0x77);
    EXPECT_EQ(img[0x0255], 0x66);

    struct Case { const char* what; void (*set)(RadioDataRec&); };
    const Case bad[] = {
        {"TOT 256", [](RadioDataRec& r) { r.OptionData().TOT = 256; }},
        {"SqlKey 2", [](RadioDataRec& r) { r.OptionData().SqlKey = 2; }},
        {"ANI 2", [](RadioDataRec& r) { r.DTMFData().ANI = 2; }},
        {"InitKey 2", [](RadioDataRec& r) { r.OptionData().InitKey = 2; }},
        {"RadioOn 2", [](RadioDataRec& r) { r.RadioOn = 2; }},
        {"SendTime -1", [](RadioDataRec& r) { r.DTMFData().SendTime = -1; }},
        {"BankLink -3", [](RadioDataRec& r) { r.OptionData().BankLink[5] = -3; }},
    };
    for (const Case& c : bad) {
        RadioDataRec r;
        c.set(r);
        const CommBytes before = img;
        EXPECT_EQ(SetCommDataByOption(img, r).error, "SetCommDataByOptionError") << c.what;
        EXPECT_EQ(img, before) << c.what;
    }
}

TEST_F(OptionCodec, PowerOnText) {
    w.OptionData().PowerOnText.Set("HELLO");
    ASSERT_TRUE(SetCommDataByOption(img, w).ok());
    EXPECT_EQ(std::vector<Byte>(img.begin() + 0x03E0, img.begin() + 0x03EC),
              (std::vector<Byte>{0x48, 0x45, 0x4C, 0x4C, 0x4F, 0, 0, 0, 0, 0, 0, 0}));
    EXPECT_EQ(Decoded().OptionData().PowerOnText.Trim(), "HELLO");
    img[0x03E0] = 0xFF;
    EXPECT_EQ(Decoded().OptionData().PowerOnText.Trim(), "");
    for (int k = 0; k < 12; ++k) img[0x03E0 + k] = static_cast<Byte>('A' + k);
    EXPECT_EQ(Decoded().OptionData().PowerOnText.Trim(), "ABCDEFGHIJKL");
}

TEST_F(OptionCodec, AlertAndScanCopyBytes) {
    w.AlarmData() = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12};
    w.ScanData() = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14};
    img[0x03A7] = 0x55;
    SetCommDataByAlert(img, w);
    SetCommDataByScan(img, w);
    EXPECT_EQ(std::vector<Byte>(img.begin() + 0x03A0, img.begin() + 0x03AD),
              (std::vector<Byte>{1, 2, 3, 4, 5, 6, 7, 0x55, 8, 9, 10, 11, 12}));
    for (int k = 0; k < 14; ++k) EXPECT_EQ(img[0x03B0 + k], k + 1);
    RadioDataRec r;
    GetAlertDataFromComm(img, r);
    GetScanDataFromComm(img, r);
    EXPECT_EQ(r.AlarmData(), w.AlarmData());
    EXPECT_EQ(r.ScanData(), w.ScanData());
}

}  // namespace
}  // namespace rp
