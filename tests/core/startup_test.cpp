#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "core/datafiles.h"
#include "core/profile.h"
#include "core/startup.h"
#include "core/testdata.h"
#include "fakes.h"
#include "tempfolder.h"

using namespace rp;
using rp::test::ReadFile;
using rp::test::WriteFile;

namespace {

class Startup : public ::testing::Test {
protected:
    AppData d;
    test::RecordingNotifier notes;
    test::RecordingListener view;
    test::TempFolder tmp;
    std::vector<std::string> calls;
    StartupHooks hooks;

    void SetUp() override {
        d.Ui.Notify = &notes;
        d.Ui.View = &view;
        d.AppFolder = tmp.path();
        d.UserConfigDir = tmp / "user";
        WriteFile(tmp / "language/english.ini", "[OTHER]\n101=OK\n");
        WriteFile(tmp / "language/mysetup.ini",
                  "[language]\nIsFirstRun=1\nSkin=\ncomPort=3\nHandshaking=2\nStopBit=2\n"
                  "FactoryFres=1\ncomDevice=/dev/ttyUSB3\n");
        // The shipped default files.
        std::filesystem::copy(std::string(RP_SOURCE_DIR) + "/Init", tmp / "Init");
        hooks.LanguageIndex = 1;
        hooks.Today = CalendarDate{2031, 12, 9};
        hooks.CheckComPort = [this](AppData& a, const Settings& s) {
            calls.push_back("CheckComPort(" + a.ComDevice + "," + std::to_string(s.comPort) + ")");
            a.ComPortNumber = 4;
        };
        hooks.InitPrintStrings = [this](AppData&) { calls.push_back("InitPrintStrings"); };
        hooks.ShowSplash = [this](AppData&) { calls.push_back("ShowSplash"); };
        hooks.LoadBatchFunFile = [this](AppData& a) {
            calls.push_back(a.FactoryTestMode ? "LoadBatchFunFile(factory)" : "LoadBatchFunFile");
        };
    }
    std::string Setting(const char* key) {
        return ReadProfileString(tmp / "language/mysetup.ini", "language", key);
    }
};

TEST_F(Startup, PreparesAnUntitledDefaultDataSet) {
    d.DataFilePath = "old.dat";
    Main(d, hooks);
    EXPECT_TRUE(notes.shown.empty());
    EXPECT_EQ(d.DataFilePath, "new.dat");
    EXPECT_TRUE(d.IsUntitled);
    EXPECT_FALSE(IsDataChanged(d));
    EXPECT_EQ(d.RadioModel, "KEVRA8R");
    EXPECT_EQ(d.CurModel, "KEVRA8R");
    EXPECT_EQ(d.CurModelShowName, "KEVRA-8R");
    EXPECT_EQ(d.CurBandIndex, 0);
    EXPECT_EQ(d.CurBandText, "UHF(400 - 480 MHz) VHF(136 - 174 MHz)");
    EXPECT_EQ(d.RadioVersion, "V101");
    EXPECT_EQ(d.RxBandLow[1], 136.0);
    EXPECT_EQ(d.FMLowFre, 76.0);
    EXPECT_EQ(d.AMHighFre, 136.0);
    EXPECT_TRUE(d.NoEcho);
    EXPECT_FALSE(d.SkipInitFile);
    EXPECT_EQ(d.EchoLen, 0);
    EXPECT_EQ(d.ReadBlockSize, 16);
    EXPECT_EQ(d.WriteBlockSize, 16);
    EXPECT_EQ(d.LanguageIndex, 1);
    EXPECT_EQ(d.LanguageFileName, "english.ini");
    EXPECT_EQ(d.Msg.MsgFileError[1], "file error.");
    EXPECT_EQ(d.CloseCaptionText[1], "&Close");
    EXPECT_EQ(d.EmgData.SerialNo.Trim(), "2031120900000001");
    EXPECT_EQ(d.WorkData.FreDataCount, 8);
    EXPECT_EQ(d.FreData[0].RxFre.Trim(), "044000000");
    EXPECT_FALSE(d.FactoryTestMode);
    EXPECT_EQ(calls, (std::vector<std::string>{"CheckComPort(/dev/ttyUSB3,3)", "InitPrintStrings",
                                               "ShowSplash", "LoadBatchFunFile"}));
}

TEST_F(Startup, ReadsTheSettingsAndRewritesFirstRunAndPort) {
    Main(d, hooks);
    EXPECT_TRUE(d.FirstRunFlag);
    EXPECT_EQ(d.ComHandshaking, 2);
    EXPECT_EQ(d.ComStopBit, 2);
    EXPECT_EQ(d.FactoryFresFlag, 1);
    EXPECT_EQ(d.ComPortNumber, 4);
    EXPECT_EQ(d.ComDevice, "/dev/ttyUSB3");  // the saved device, carried
    EXPECT_EQ(Setting("IsFirstRun"), "0");
    EXPECT_EQ(Setting("comPort"), "4");

    // Second start: not a first run; only the port is written.
    hooks.CheckComPort = nullptr;
    AppData e;
    e.AppFolder = d.AppFolder;
    e.UserConfigDir = d.UserConfigDir;
    Main(e, hooks);
    EXPECT_FALSE(e.FirstRunFlag);
    EXPECT_EQ(e.ComPortNumber, 4);
    EXPECT_EQ(e.ComDevice, "/dev/ttyUSB3");
    EXPECT_EQ(Setting("IsFirstRun"), "0");
}

TEST_F(Startup, FactoryModeStartsWithAZeroBlockEvenWhenTheDefaultFileHasOne) {
    WriteFile(tmp / "TestData.ini", kTestModeMarkerText);
    WriteFile(tmp / "Init/KEVRA8R_0.ted", std::string(32, '\x5c'));
    Main(d, hooks);
    EXPECT_TRUE(d.FactoryTestMode);
    for (Byte b : d.TestDataBuf) EXPECT_EQ(b, 0);
    EXPECT_EQ(calls.back(), "LoadBatchFunFile(factory)");
    EXPECT_FALSE(IsDataChanged(d));

    // A later New reads the default file's block.
    NewDataFile(d);
    EXPECT_EQ(d.TestDataBuf[0], 0x5c);
    EXPECT_EQ(d.TestDataBuf[63], 0x5c);
}

TEST(GridCursor, ClearGridCursor) {
    AppData d;
    d.EditRow = 4;
    d.EditColumn = 7;
    ClearGridCursor(d);
    EXPECT_EQ(d.EditRow, 0);
    EXPECT_EQ(d.EditColumn, 0);
}

}  // namespace
