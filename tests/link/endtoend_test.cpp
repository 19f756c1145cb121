// The whole road without windows: start-up, edits, a write into the
// simulated radio, a read back by a second program run, a save and an open
// by a third.
#include <gtest/gtest.h>

#include <filesystem>

#include "core/banks.h"
#include "core/channelstore.h"
#include "core/datafiles.h"
#include "core/profile.h"
#include "core/startup.h"
#include "core/tempfolder.h"
#include "link/codec.h"
#include "link/linkfakes.h"
#include "link/ports.h"
#include "link/skiplist.h"

using namespace rp;
using namespace rp::test;

namespace {

// The fake transport's device, the one serial port of this machine.
class OnePort : public PortListProvider {
public:
    std::vector<PortInfo> Ports() override { return {{"/dev/fake0", "/dev/fake0"}}; }
    bool Exists(const std::string& path) override { return path == "/dev/fake0"; }
};

// A program folder with the shipped language, settings and default files;
// the settings name the port, as the port dialog saved it.
void StartProgram(AppData& d, const TempFolder& folder) {
    d.ComDevice.clear();  // only the settings file names the port
    d.AppFolder = folder.path();
    d.UserConfigDir = folder / "user";
    if (!std::filesystem::exists(folder / "Init")) {
        std::filesystem::copy(std::string(RP_SOURCE_DIR) + "/Init", folder / "Init");
        std::filesystem::copy(std::string(RP_SOURCE_DIR) + "/language", folder / "language");
        WriteProfileString(folder / "language/mysetup.ini", "language", "comDevice", "/dev/fake0");
    }
    OnePort ports;
    StartupHooks hooks;
    hooks.LanguageIndex = 1;
    hooks.Today = CalendarDate{2031, 12, 9};
    hooks.CheckComPort = [&ports](AppData& a, const Settings& s) { CheckComPortAtStartup(a, ports, s); };
    Main(d, hooks);
}

}  // namespace

TEST(EndToEnd, EditedDataSurvivesRadioAndFiles) {
    TempFolder folder;

    // First run: edit the default data set and write it into the radio.
    EngineRig writer;
    StartProgram(writer.d, folder);
    ASSERT_FALSE(IsDataChanged(writer.d));
    ASSERT_TRUE(AddFreDataByFre(writer.d, 17, "438.5125"));
    ASSERT_TRUE(AddFreDataByFre(writer.d, 150, "145.6"));
    SetChannelBank(writer.d, 150, 9, true);
    writer.d.FreData[static_cast<std::size_t>(FindFreDataIndex(writer.d, 17))].Name.Set("CLUB");
    writer.d.DTMFData().MemCodes[3].Code.Set("1234");
    writer.d.DTMFData().MemCodes[3].CodeLen = 4;
    writer.d.WorkData.BookData[5].CallID.Set("12345");
    writer.d.WorkData.BookData[5].Name.Set("BASE");
    ASSERT_TRUE(IsDataChanged(writer.d));
    ASSERT_TRUE(writer.engine.StartWrite());
    ASSERT_TRUE(writer.Finish());
    ASSERT_EQ(writer.messages.Keys(), std::vector<CommMsg>{CommMsg::WriteOK});
    EXPECT_TRUE(writer.radio.Violations().empty());

    // Second run: read the radio; the data comes back as written.
    EngineRig reader;
    reader.radio.Memory = writer.radio.Memory;
    StartProgram(reader.d, folder);
    ASSERT_TRUE(reader.engine.StartRead());
    ASSERT_TRUE(reader.Finish());
    ASSERT_EQ(reader.messages.Keys(), std::vector<CommMsg>{CommMsg::ReadOK});
    EXPECT_FALSE(IsDataChanged(reader.d));
    EXPECT_TRUE(reader.d.IsUntitled);
    const int i17 = FindFreDataIndex(reader.d, 17);
    ASSERT_GE(i17, 0);
    EXPECT_EQ(reader.d.FreData[static_cast<std::size_t>(i17)].RxFre.Trim(), "043851250");
    EXPECT_EQ(reader.d.FreData[static_cast<std::size_t>(i17)].Name.Trim(), "CLUB");
    EXPECT_GE(GetChannelBankSlot(reader.d, 150, 9), 1);
    EXPECT_EQ(reader.d.DTMFData().MemCodes[3].Code.Trim().substr(0, 4), "1234");
    EXPECT_EQ(reader.d.WorkData.BookData[0].CallID.Trim(), "12345");  // sorted first
    EXPECT_EQ(reader.d.WorkData.BookData[0].Name.Trim(), "BASE");
    EXPECT_EQ(reader.d.FreDataCount(), writer.d.FreDataCount());

    // What was read encodes to the image the radio holds.
    CommBytes again{};
    ClearCommImage(again);
    ImageData data{reader.d.WorkData, reader.d.FreData};
    ASSERT_TRUE(SetCommDataByAll(again, data, reader.d.CurModel, nullptr).ok());
    for (long a = 0x0100; a <= 0x3F7F; ++a)
        if (SkipUnusedAddress(writer.d, a) == a) { ASSERT_EQ(again[a], writer.radio.Memory[a]) << a; }

    // Save it, then open it in a third run: the same data, unchanged.
    reader.d.DataFilePath = folder / "club.dat";
    ASSERT_TRUE(SaveDataFile(reader.d));
    EXPECT_FALSE(reader.d.IsUntitled);
    AppData third;
    StartProgram(third, folder);
    ASSERT_TRUE(OpenDataFile(third, folder / "club.dat"));
    EXPECT_FALSE(IsDataChanged(third));
    EXPECT_TRUE(third.WorkData == reader.d.WorkData);
    for (int i = 0; i < third.FreDataCount(); ++i)
        EXPECT_TRUE(third.FreData[static_cast<std::size_t>(i)] == reader.d.FreData[static_cast<std::size_t>(i)]);
}
