#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "core/banks.h"
#include "core/conversions.h"
#include "core/datafiles.h"
#include "core/defaults.h"
#include "core/recordio.h"
#include "datasetfixture.h"

using namespace rp;
using rp::test::ReadFile;
using rp::test::WriteFile;

namespace {

class Defaults : public rp::test::DataSetTest {
protected:
    std::vector<int> Numbers(const AppData& a) const {
        std::vector<int> v;
        for (int i = 0; i < a.WorkData.FreDataCount; ++i) v.push_back(a.FreData[i].No);
        return v;
    }
};

struct PresetRow {
    int no;
    const char* name;  // as stored, trimmed
    const char* rx;    // storage form
    int wn, power, txForbid, offsetDir;
    const char* offset;
};

void ExpectPreset(const FreDataRec& r, const PresetRow& row, const char* list) {
    SCOPED_TRACE(std::string(list) + " " + row.name);
    EXPECT_EQ(r.No, row.no);
    EXPECT_EQ(r.Used, 1);
    EXPECT_EQ(r.Name.Trim(), row.name);
    EXPECT_EQ(r.RxFre.Trim(), row.rx);
    EXPECT_EQ(r.WN, row.wn);
    EXPECT_EQ(r.Power, row.power);
    EXPECT_EQ(r.TxForbid, row.txForbid);
    EXPECT_EQ(r.OffsetDir, row.offsetDir);
    EXPECT_EQ(r.OffsetFre.Trim(), row.offset);
    EXPECT_EQ(r.PttIDCode.Trim(), "00000");
    EXPECT_EQ(r.CustomCTCSS, 1511);
    EXPECT_EQ(r.SqlLevel, 3);
}

TEST_F(Defaults, PresetLists) {
    NewDataFile(d);
    const PresetRow gmrs[] = {
        {1, "GMRS01", "046256250", 1, 0, 0, 0, "000000000"},
        {7, "GMRS07", "046271250", 1, 0, 0, 0, "000000000"},
        {8, "GMRS15", "046255000", 0, 0, 0, 0, "000000000"},
        {15, "GMRS22", "046272500", 0, 0, 0, 0, "000000000"},
        {16, "REPT15", "046255000", 0, 0, 0, 2, "000500000"},
        {23, "REPT22", "046272500", 0, 0, 0, 2, "000500000"},
    };
    for (const auto& row : gmrs) ExpectPreset(d.WorkData.GMRSFreData[row.no - 1], row, "GMRS");
    for (int i = 0; i < 23; ++i) EXPECT_EQ(d.WorkData.GMRSFreData[i].No, i + 1);
    // The stored name is the name followed by a NUL where it fits.
    EXPECT_EQ(d.WorkData.WXFreData[0].Name.Raw(), std::string("WX 1\0 ", 6));

    const PresetRow murs[] = {
        {1, "MURS 1", "015182000", 1, 1, 0, 0, "000000000"},
        {2, "MURS 2", "015188000", 1, 1, 0, 0, "000000000"},
        {3, "MURS 3", "015194000", 1, 1, 0, 0, "000000000"},
        {4, "MURS 4", "015457000", 0, 1, 0, 0, "000000000"},
        {5, "MURS 5", "015460000", 0, 1, 0, 0, "000000000"},
    };
    for (const auto& row : murs) ExpectPreset(d.WorkData.MURSFreData[row.no - 1], row, "MURS");
    const char* wx[] = {"016255000", "016240000", "016247500", "016242500",
                        "016245000", "016250000", "016252500"};
    for (int i = 0; i < 7; ++i) {
        std::string name = "WX " + std::to_string(i + 1);
        ExpectPreset(d.WorkData.WXFreData[i], {i + 1, name.c_str(), wx[i], 1, 2, 1, 0, "000000000"},
                     "WX");
    }
}

TEST_F(Defaults, SettingsAndListsOfANewDataSet) {
    NewDataFile(d);
    const RadioDataRec& w = d.WorkData;
    EXPECT_EQ(w.AMFreData[100].Trim(), "122");
    for (int i = 0; i < 100; ++i) EXPECT_EQ(w.AMFreData[i].Trim(), "") << i;
    EXPECT_EQ(w.SWFre.Trim(), "18");
    EXPECT_EQ(w.LWFre.Trim(), "1.2");
    EXPECT_EQ(w.RadioFreData[0].Fre.Trim(), "01080000");
    EXPECT_EQ(w.RadioFreData[100].Used, 1);
    EXPECT_EQ(w.RadioFreData[50].Used, 0);
    EXPECT_EQ(w.RadioFreData[50].No, 51);
    EXPECT_EQ(w.DTMFData().OwnID.Trim(), "000");
    EXPECT_EQ(w.DTMFData().Separator, 14);
    EXPECT_EQ(w.DTMFData().MemCodes[5].Code.Raw(), std::string(24, ' '));
    EXPECT_EQ(w.Tone5Data().Codes[99].Empty, 1);
    EXPECT_EQ(w.Tone5Data().Codes[99].ToneTime, 70);
    EXPECT_EQ(w.Tone5Data().UserTones[15], 9300);
    EXPECT_EQ(w.Tone5Param11, 2);
    EXPECT_EQ(w.Tone2Data().Encodes[0].Empty, 0);
    EXPECT_EQ(w.Tone2Data().Encodes[1].Empty, 1);
    EXPECT_EQ(w.Tone2Data().Decodes[15].Tone2, 2043.8);
    EXPECT_EQ(w.OptionData().BankLink[9], 1);
    EXPECT_EQ(w.OptionData().GroupSelectB, 1);
    EXPECT_EQ(w.ScanData().LookBackB, 5);
    EXPECT_EQ(w.AlarmData().LoneWorkerTime, 5);
    EXPECT_EQ(w.BookData[127].No, 127);
    EXPECT_EQ(w.MSKData.Head.Frequency, 145);
    EXPECT_EQ(w.MSKData.Groups[31].IndID.Trim(), "0000");
    EXPECT_EQ(d.DataFilePath, "new.dat");
    EXPECT_EQ(d.BookFilePath, "new.cb");
    EXPECT_TRUE(d.IsUntitled);
    EXPECT_FALSE(IsDataChanged(d));
    EXPECT_EQ(view.calls, (std::vector<std::string>{"ReShowListByData", "ReShowRadioListByData",
                                                    "ReShowAMListByData"}));
}

TEST_F(Defaults, DefaultChannelsSitInTheMiddleOfTheBands) {
    struct Case {
        int band;
        const char* uhf;
        const char* vhf;
    } cases[] = {{0, "044000000", "015500000"}, {7, "044650000", "014600000"}};
    for (const auto& c : cases) {
        SetBand(d, c.band);
        NewDataFile(d);
        ASSERT_EQ(Numbers(d), (std::vector<int>{1, 2, 201, 202, 203, 204, 205, 206}));
        for (int i = 0; i < 8; ++i)
            EXPECT_EQ(d.FreData[i].RxFre.Trim(), i % 2 ? c.vhf : c.uhf) << c.band << " " << i;
        EXPECT_EQ(GetChannelBankText(d, 1), "1");
        EXPECT_EQ(GetChannelBankText(d, 2), "1");
        EXPECT_EQ(d.FileData.BandIndex, c.band);
        EXPECT_FALSE(IsDataChanged(d));
    }
}

TEST_F(Defaults, ANewDataSetKeepsNothingOfThePreviousOne) {
    NewDataFile(d);
    const RadioDataRec fresh = d.WorkData;
    d.WorkData.Tone5Data().Codes[3].Name.Set("OLD");
    d.WorkData.MSKData.Head.Reserved[1] = 5;
    d.WorkData.GMRSFreData[0].Reserved66 = 5;
    d.FreData[0].Reserved112 = 5;
    d.ClipFilled[1] = true;
    d.DataFilePath = "x.dat";
    d.IsUntitled = false;
    NewDataFile(d);
    EXPECT_EQ(d.WorkData, fresh);
    EXPECT_EQ(d.FreData[0].Reserved112, 0);
    EXPECT_FALSE(d.ClipFilled[1]);
    EXPECT_EQ(d.DataFilePath, "new.dat");
}

// ---- default data files ----------------------------------------------------------------

TEST_F(Defaults, TheCommittedInitFilesAreTheGeneratedOnes) {
    const std::string shipped = std::string(RP_SOURCE_DIR) + "/Init";
    for (const auto& f : BuildDefaultInitFiles(shipped)) {
        std::string on = ReadFile(f.path);
        EXPECT_EQ(on, std::string(f.bytes.begin(), f.bytes.end())) << f.path;
    }
}

TEST_F(Defaults, TheShippedFileGivesTheBuiltInDataSet) {
    NewDataFile(d);  // no files: built-in defaults
    AppData shipped;
    shipped.InitFolder = std::string(RP_SOURCE_DIR) + "/Init";
    shipped.CurModel = "KEVRA8R";
    SetBand(shipped, 0);
    NewDataFile(shipped);
    EXPECT_EQ(shipped.WorkData, d.WorkData);
    EXPECT_EQ(shipped.FileData, d.FileData);
    EXPECT_EQ(Numbers(shipped), Numbers(d));
    for (int i = 0; i < 8; ++i) EXPECT_EQ(shipped.FreData[i], d.FreData[i]);
    EXPECT_FALSE(IsDataChanged(shipped));

    // Other bands take the fall-back file and build their own channels.
    SetBand(shipped, 7);
    NewDataFile(shipped);
    EXPECT_EQ(shipped.FreData[0].RxFre.Trim(), "044650000");
    EXPECT_EQ(shipped.FileData.BandIndex, 7);
    EXPECT_FALSE(IsDataChanged(shipped));
}

class ModelInitFile : public Defaults {
protected:
    // A model default file for band 3 with channels 1..10 and 201..206, a
    // foreign model code and band, and a marker in the DTMF ID.
    void SetUp() override {
        Defaults::SetUp();
        AppData src;
        src.CurModel = "KEVRA8R";
        SetBand(src, 3);
        src.SkipInitFile = true;
        InitAllData(src);
        src.WorkData.FreDataCount = 0;
        for (int n : {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 201, 202, 203, 204, 205, 206})
            src.FreData[src.WorkData.FreDataCount++].No = static_cast<Integer>(n);
        src.DTMFData().OwnID.Set("123");
        CopyWorkDataToFileCopy(src);
        src.FileData.BandIndex = 1;
        src.FileData.ModelCode.Set("OTHER");
        std::filesystem::create_directories(P("Init"));
        file = P("Init/KEVRA8R_3.dat");
        WriteFile(file, std::string(reinterpret_cast<const char*>(DataRecordBytes(src.FileData).data()),
                                    kDataRecordSize));
        auto fre = ChannelRecordBytes(std::span<const FreDataRec>(src.FreData.data(), 16));
        WriteFile(ChannelFilePath(file), std::string(fre.begin(), fre.end()));
        SetBand(d, 3);
    }
    std::string file;
};

TEST_F(ModelInitFile, KeepsChannelsOneTwoAndTheSpecialOnesUnlessFactoryFrequencies) {
    NewDataFile(d);
    EXPECT_EQ(Numbers(d), (std::vector<int>{1, 2, 201, 202, 203, 204, 205, 206}));
    EXPECT_EQ(d.DTMFData().OwnID.Trim(), "123");
    EXPECT_EQ(d.FileData.BandIndex, 3);  // the current band stamped over the file's
    EXPECT_EQ(d.FileData.ModelCode.Trim(), "KEVRA8R");
    EXPECT_EQ(d.CurBandIndex, 3);
    EXPECT_FALSE(IsDataChanged(d));

    d.FactoryFresFlag = 1;
    NewDataFile(d);
    EXPECT_EQ(d.WorkData.FreDataCount, 16);
    d.FactoryFresFlag = 0;
    d.ForceFactoryFres = true;
    NewDataFile(d);
    EXPECT_EQ(d.WorkData.FreDataCount, 16);
    EXPECT_FALSE(IsDataChanged(d));
}

TEST_F(ModelInitFile, AnUnusableFileFallsBackSilentlyToTheBuiltInDefaults) {
    const std::vector<std::pair<const char*, std::function<void()>>> spoilers = {
        {"short data file", [&] { WriteFile(file, ReadFile(file).substr(0, 100)); }},
        {"short channel file",
         [&] { WriteFile(ChannelFilePath(file), ReadFile(ChannelFilePath(file)).substr(0, 113 * 15)); }},
        {"duplicate channel",
         [&] {
             std::string fre = ReadFile(ChannelFilePath(file));
             fre[113] = 1;  // record 2 numbered 1 as well
             WriteFile(ChannelFilePath(file), fre);
         }},
    };
    for (const auto& [what, spoil] : spoilers) {
        SetUp();
        spoil();
        NewDataFile(d);
        EXPECT_EQ(d.DTMFData().OwnID.Trim(), "000") << what;
        EXPECT_EQ(Numbers(d), (std::vector<int>{1, 2, 201, 202, 203, 204, 205, 206})) << what;
        EXPECT_FALSE(IsDataChanged(d)) << what;
        EXPECT_TRUE(notes.shown.empty()) << what;
    }
}

TEST_F(ModelInitFile, FactoryModeReadsTheCompanionAndTreatsAShortOneAsMissing) {
    d.FactoryTestMode = true;
    WriteFile(TestDataCompanionPath(file), std::string(32, '\x21'));
    NewDataFile(d);
    for (int i = 0; i < 64; ++i) EXPECT_EQ(d.TestDataBuf[i], 0x21) << i;
    EXPECT_EQ(d.TestDataFilePath, TestDataCompanionPath(file));
    EXPECT_FALSE(IsDataChanged(d));

    WriteFile(TestDataCompanionPath(file), std::string(10, '\x07'));
    d.TestDataBuf[0] = 1;
    NewDataFile(d);
    EXPECT_EQ(d.DTMFData().OwnID.Trim(), "123");  // the file still loads
    EXPECT_EQ(d.TestDataBuf[0], 0x21);             // the snapshot half carried over
    EXPECT_FALSE(IsDataChanged(d));

    // An unreadable companion (a folder) does not stop the load either.
    std::filesystem::remove(TestDataCompanionPath(file));
    std::filesystem::create_directory(TestDataCompanionPath(file));
    d.TestDataBuf[0] = 1;
    NewDataFile(d);
    EXPECT_EQ(d.DTMFData().OwnID.Trim(), "123");
    EXPECT_EQ(d.TestDataBuf[0], 0x21);
    EXPECT_FALSE(IsDataChanged(d));
}

TEST(EmgData, PlaceholdersFromTheGivenDate) {
    AppData d;
    InitEmgData(d, {2024, 1, 5});
    const EmgDataRec& e = d.EmgData;
    EXPECT_EQ(e.SerialNo.Trim(), "2024010500000001");
    EXPECT_EQ(e.ProductDate.Raw(), std::string("2024-01-05\0     ", 16));
    EXPECT_EQ(e.SellDate.Trim(), "2024-01-05");
    EXPECT_EQ(e.ManufactureCode.Trim(), "01-1-E-1");
    EXPECT_EQ(e.UserCode.Trim(), "001A");
    EXPECT_EQ(e.DealerCode.Trim(), "");
    EXPECT_EQ(e.Version, "V1.00");
    EXPECT_EQ(e.Model, "KEVRA8R");
    EXPECT_EQ(e.AreaCode, "");
}

}  // namespace
