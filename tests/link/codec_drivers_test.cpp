#include <gtest/gtest.h>

#include "core/bands.h"
#include "core/fakes.h"
#include "link/codec.h"
#include "link/fulldata.h"

namespace rp {
namespace {

using test::RecordingNotifier;

struct DriversTest : ::testing::Test {
    AppData d;
    RecordingNotifier notes;
    void SetUp() override {
        d.Ui.Notify = &notes;
        test::FillFullDataSet(d);
    }
    // Decodes d.CommData into a fresh copy of the given data.
    static ImageData Decode(const AppData& src, const CommBytes& img, std::string_view model) {
        ImageData out{src.WorkData, src.FreData};
        EmgDataRec emg;
        GetAllDataFromComm(img, out, emg, model);
        return out;
    }
};

TEST_F(DriversTest, EncodeThenDecodeGivesTheSameDataModel) {
    const RadioDataRec before = d.WorkData;
    const auto fre = d.FreData;
    ASSERT_TRUE(SetCommDataByAll(d));
    EXPECT_TRUE(notes.shown.empty());
    EXPECT_EQ(d.WorkData, before);  // canonical data: the side effects change nothing

    // Decode into a data set that held something else before.
    AppData other;
    other.WorkData.MSKData.Head.PreSendDelay = 77;  // carried by no area
    other.WorkData.AMFreData[3].Set("12345678");
    other.WorkData.DTMFData().PttIDMode = 2;
    other.WorkData.OptionData().BusyLockOption = 1;
    other.WorkData.Tone5Data().UserTones[5] = 321;
    for (auto& r : other.FreData) r.Scrambler = 9, r.MSKGroup = 4;  // stale list positions
    ImageData got = Decode(other, d.CommData, d.CurModel);

    ASSERT_EQ(got.Work.FreDataCount, 206);
    for (int k = 0; k < 206; ++k) EXPECT_EQ(got.Fre[k], fre[k]) << "channel " << k + 1;

    RadioDataRec expect = before;
    expect.MSKData = other.WorkData.MSKData;
    expect.AMFreData = other.WorkData.AMFreData;
    expect.DTMFData().PttIDMode = 2;
    expect.OptionData().BusyLockOption = 1;
    expect.Tone5Data().UserTones = other.WorkData.Tone5Data().UserTones;
    expect.BandIndex = other.WorkData.BandIndex;
    expect.ModelCode = other.WorkData.ModelCode;
    expect.WXFreData = other.WorkData.WXFreData;
    expect.AMDisplayMode = other.WorkData.AMDisplayMode;
    expect.AMMemChannel = other.WorkData.AMMemChannel;
    expect.SubVolume = other.WorkData.SubVolume;
    expect.RadioBand = other.WorkData.RadioBand;
    expect.SWFre = other.WorkData.SWFre;
    expect.LWFre = other.WorkData.LWFre;
    // The preset lists keep their frequencies, numbers and Used.
    for (int i = 0; i < 23; ++i) {
        auto& p = expect.GMRSFreData[i];
        const auto& o = other.WorkData.GMRSFreData[i];
        p.RxFre = o.RxFre, p.OffsetFre = o.OffsetFre, p.No = o.No, p.Used = o.Used;
        p.PttIDCode = o.PttIDCode;
    }
    for (int i = 0; i < 5; ++i) {
        auto& p = expect.MURSFreData[i];
        const auto& o = other.WorkData.MURSFreData[i];
        p.RxFre = o.RxFre, p.OffsetFre = o.OffsetFre, p.No = o.No, p.Used = o.Used;
        p.PttIDCode = o.PttIDCode;
    }
    EXPECT_EQ(got.Work.SetData.DTMFData, expect.SetData.DTMFData);
    EXPECT_EQ(got.Work.SetData.Tone2Data, expect.SetData.Tone2Data);
    EXPECT_EQ(got.Work.SetData.Tone5Data, expect.SetData.Tone5Data);
    EXPECT_EQ(got.Work.SetData.OptionData, expect.SetData.OptionData);
    EXPECT_EQ(got.Work.BookData, expect.BookData);
    EXPECT_EQ(got.Work.RadioFreData, expect.RadioFreData);
    EXPECT_EQ(got.Work.GMRSFreData, expect.GMRSFreData);
    EXPECT_EQ(got.Work.MURSFreData, expect.MURSFreData);
    EXPECT_EQ(got.Work, expect);
}

TEST_F(DriversTest, ReEncodingADecodedImageReproducesItByteForByte) {
    // Also from data that is not canonical: lowered texts, odd lengths.
    d.FreData[3].Name.Set("ab");
    d.WorkData.DTMFData().OwnID.Set("7");
    d.WorkData.BankCH(2, 1) = 0;
    d.WorkData.RadioFreData[5].Used = 0;
    ASSERT_TRUE(SetCommDataByAll(d));
    const CommBytes first = d.CommData;
    ImageData decoded = Decode(d, first, d.CurModel);
    CommBytes second{};
    ClearCommImage(second);
    ASSERT_TRUE(SetCommDataByAll(second, decoded, d.CurModel, nullptr).ok());
    for (std::size_t a = 0x0100; a < first.size(); ++a)
        ASSERT_EQ(first[a], second[a]) << "address " << a;
}

TEST_F(DriversTest, SideEffectsReachTheWorkingDataOnlyOnSuccess) {
    std::swap(d.WorkData.BookData[0], d.WorkData.BookData[5]);
    d.WorkData.BankCH(1, 2) = 0;  // a gap
    d.WorkData.BankCH(5, 2) = 300;
    d.WorkData.DTMFData().OwnID.Set("7");
    ASSERT_TRUE(SetCommDataByAll(d));
    EXPECT_EQ(d.WorkData.BookData[0].CallID.Trim(), "10000");
    EXPECT_EQ(d.WorkData.BookData[5].No, 5);
    EXPECT_EQ(d.WorkData.BankCH(1, 2), 22);
    EXPECT_EQ(d.WorkData.BankCH(32, 2), 0);
    EXPECT_EQ(d.WorkData.DTMFData().OwnID.Trim(), "007");

    // The same edits with a failing five-tone encoder: nothing changes.
    AppData e;
    test::FillFullDataSet(e);
    e.Ui.Notify = &notes;
    std::swap(e.WorkData.BookData[0], e.WorkData.BookData[5]);
    e.WorkData.BankCH(1, 2) = 0;
    e.WorkData.DTMFData().OwnID.Set("7");
    e.WorkData.Tone5Data().OwnIDLen = 6;
    const RadioDataRec before = e.WorkData;
    const auto fre = e.FreData;
    EXPECT_FALSE(SetCommDataByAll(e));
    EXPECT_FALSE(e.CommDataOK);
    EXPECT_EQ(e.WorkData, before);
    EXPECT_EQ(e.FreData, fre);
    ASSERT_EQ(notes.shown.size(), 1u);
    EXPECT_EQ(notes.shown[0].text, "SetCommDataBy5ToneError");
    EXPECT_EQ(notes.shown[0].buttons, MsgButtons::Ok);
    EXPECT_EQ(notes.shown[0].title, "");
}

TEST_F(DriversTest, ChannelFailureStopsEveryLaterAreaWithOneMessage) {
    d.FreData[10].RxFre.Set("04X000000");
    d.FreData[20].TxForbid = 2;
    EXPECT_FALSE(SetCommDataByAll(d));
    EXPECT_EQ(notes.Texts(), std::vector<std::string>{"SetCommDataByFrequencyError"});
    // Option, signalling, book and bank areas keep their presets.
    CommBytes preset{};
    ClearCommImage(preset);
    for (Long a : {addr::OptionImage, addr::DTMFSettings, addr::Tone2Settings,
                   addr::Tone5Settings, addr::BookCallIDs, addr::BankImage, addr::Tone5CodeMap})
        EXPECT_EQ(d.CommData[a], preset[a]) << a;
    // Scan and alert were written before the channels.
    EXPECT_EQ(d.CommData[addr::ScanArea], 1);
    EXPECT_EQ(d.CommData[addr::AlertArea], 1);
}

TEST_F(DriversTest, FiveToneFailureLeavesSignallingPresetButWritesTheBanks) {
    d.WorkData.Tone5Data().OwnID.Set("123");  // shorter than OwnIDLen 5
    CommBytes img{};
    ClearCommImage(img);
    ImageData data{d.WorkData, d.FreData};
    EncodeStatus s = SetCommDataByAll(img, data, d.CurModel, nullptr);
    EXPECT_EQ(s.error, "SetCommDataBy5ToneError");
    EXPECT_EQ(img[addr::Tone2Settings], 0);
    EXPECT_EQ(img[addr::Tone2CodeMap], 0xFF);
    EXPECT_EQ(img[addr::DTMFSettings], 0);
    EXPECT_EQ(img[addr::BookCallIDs], 0);
    EXPECT_EQ(img[addr::BankImage], 1);            // bank 1 slot 1 = channel 1
    EXPECT_EQ(img[addr::OptionImage], 1);          // the option encoder ran first
}

TEST_F(DriversTest, ANIAndSendTimeComeFromTheOptionArea) {
    ASSERT_TRUE(SetCommDataByAll(d));
    d.CommData[addr::OptionImage + 0x10] &= static_cast<Byte>(~0x08);  // ANI bit
    d.CommData[addr::OptionImage + 0x16] = 42;                         // SendTime
    ImageData got = Decode(d, d.CommData, d.CurModel);
    EXPECT_EQ(got.Work.DTMFData().ANI, 0);
    EXPECT_EQ(got.Work.DTMFData().SendTime, 42);
}

TEST_F(DriversTest, ModelIsAdoptedTogetherWithTheDataAndDecodesAsTheRadioReadsIt) {
    d.FreData[0].OptSig = SigNone;
    ASSERT_TRUE(SetCommDataByAll(d));
    const Long ch1 = ChannelImageAddress(1);
    d.CommData[ch1 + 16] = 2;
    d.CurModel = "7425USD";
    d.CurModelShowName = "x";

    // Decoding alone changes neither the model nor anything else of the state.
    ImageData copy = Decode(d, d.CommData, "KEVRA8R");
    EXPECT_EQ(copy.Fre[0].OptSig, Sig5Tone);
    EXPECT_EQ(d.CurModel, "7425USD");
    EXPECT_EQ(d.FreData[0].OptSig, SigNone);

    const std::string band = GetFreqRangeText(2);
    EXPECT_TRUE(AdoptReadData(d, "KEVRA8R", band, 2));
    EXPECT_EQ(d.CurModel, "KEVRA8R");
    EXPECT_EQ(d.CurModelShowName, "KEVRA-8R");
    EXPECT_EQ(d.CurBandText, band);
    EXPECT_EQ(d.CurBandIndex, 2);
    EXPECT_EQ(d.FreData[0].OptSig, Sig5Tone);  // byte 2 read as the radio's model reads it
    EXPECT_DOUBLE_EQ(d.RxBandLow[0], 430);

    // The swapped model reads byte 2 as two-tone.
    ImageData swapped = Decode(d, d.CommData, "7425USD");
    EXPECT_EQ(swapped.Fre[0].OptSig, Sig2Tone);
}

TEST_F(DriversTest, ClearCommImagePresetsEveryArea) {
    CommBytes img;
    img.fill(0x5A);
    ClearCommImage(img);
    for (Long a = 0; a < 0x10; ++a) EXPECT_EQ(img[a], 0x5A);
    struct Case { Long a; Byte v; };
    for (Case c : {Case{0x0010, 0x00}, {0x00FF, 0x00}, {0x0100, 0xFF}, {0x0119, 0xFF},
                   {0x015F, 0xFF}, {0x0153, 0xFF}, {0x0160, 0x00}, {0x0220, 0x00},
                   {0x0260, 0xFF}, {0x026C, 0xFF}, {0x026F, 0xFF}, {0x0270, 0x00},
                   {0x037F, 0x00}, {0x0380, 0xFF}, {0x039C, 0xFF}, {0x039F, 0xFF},
                   {0x03A0, 0x00}, {0x3B00, 0x00}, {0x3FFF, 0x00}})
        EXPECT_EQ(img[c.a], c.v) << std::hex << c.a;
}

// The addresses that some area owns; every other byte is never written by
// an encoder nor read by a decoder.
bool InSomeArea(Long a) {
    static constexpr std::pair<Long, Long> kAreas[] = {
        {0x0010, 0x00FF}, {0x0100, 0x0119}, {0x0120, 0x0139}, {0x0150, 0x0153},
        {0x0180, 0x01FF}, {0x0220, 0x0226}, {0x0228, 0x0254}, {0x0260, 0x026C},
        {0x0280, 0x02BF}, {0x02E0, 0x0335}, {0x0340, 0x0383}, {0x0388, 0x0389},
        {0x0390, 0x039C}, {0x03A0, 0x03A6}, {0x03A8, 0x03AC}, {0x03B0, 0x03BD},
        {0x03E0, 0x03EB}, {0x0400, 0x0603}, {0x0610, 0x079F}, {0x0B00, 0x3A1F},
        {0x3B00, 0x3F7F}};
    for (auto [first, last] : kAreas)
        if (a >= first && a <= last) return true;
    return false;
}

TEST_F(DriversTest, BytesOutsideEveryAreaAreNeitherWrittenNorRead) {
    CommBytes img;
    img.fill(0x5A);
    ImageData data{d.WorkData, d.FreData};
    ASSERT_TRUE(SetCommDataByAll(img, data, d.CurModel, nullptr).ok());
    for (Long a = 0; a < kCommDataSize; ++a)
        if (!InSomeArea(a)) { ASSERT_EQ(img[a], 0x5A) << std::hex << a; }

    ImageData first{d.WorkData, d.FreData};
    EmgDataRec emgFirst;
    GetAllDataFromComm(img, first, emgFirst, d.CurModel);
    for (Long a = 0; a < kCommDataSize; ++a)
        if (!InSomeArea(a)) img[a] = static_cast<Byte>(a * 7);
    ImageData second{d.WorkData, d.FreData};
    EmgDataRec emgSecond;
    GetAllDataFromComm(img, second, emgSecond, d.CurModel);
    EXPECT_EQ(second.Work, first.Work);
    EXPECT_EQ(second.Fre, first.Fre);
    EXPECT_TRUE(emgSecond == emgFirst);
}

TEST_F(DriversTest, NoChannelsLeavesTheMapsUnused) {
    d.WorkData.FreDataCount = 0;
    ASSERT_TRUE(SetCommDataByAll(d));
    for (Long a = 0x0100; a <= 0x0139; ++a) EXPECT_EQ(d.CommData[a], 0xFF) << a;
}

}  // namespace
}  // namespace rp

namespace rp {
namespace {

TEST(AdoptRadioModel, BandOutsideItsRangeIsNotAdopted) {
    AppData d;
    d.CurBandIndex = 1;
    d.CurBandText = GetFreqRangeText(1);
    ASSERT_TRUE(ParseBandRanges(d));
    EXPECT_FALSE(AdoptRadioModel(d, "KEVRA8R", GetFreqRangeText(3), 8));
    EXPECT_EQ(d.CurModel, "KEVRA8R");
    EXPECT_EQ(d.CurBandIndex, 1);
    EXPECT_EQ(d.CurBandText, GetFreqRangeText(1));
    EXPECT_TRUE(AdoptRadioModel(d, "KEVRA8R", GetFreqRangeText(3), 3));
    EXPECT_EQ(d.CurBandIndex, 3);
    EXPECT_DOUBLE_EQ(d.TxBandHigh[1], 146);
}

}  // namespace
}  // namespace rp
