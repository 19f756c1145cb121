#include "link/ports.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <cerrno>
#include <filesystem>
#include <set>

#include "core/profile.h"
#include "core/startup.h"
#include "core/tempfolder.h"
#include "tools/ptyradio.h"

namespace rp {
namespace {

class FakePorts : public PortListProvider {
public:
    std::vector<PortInfo> ports;
    std::set<std::string> existing;  // paths that exist besides the listed ones
    int calls = 0;
    std::vector<PortInfo> Ports() override {
        ++calls;
        return ports;
    }
    bool Exists(const std::string& p) override { return existing.count(p) > 0; }
};

TEST(PortList, ListedInOrderWithTheSavedPseudoTerminalAdded) {
    FakePorts p;
    p.ports = {{"/dev/serial/by-id/usb-A-if00", "/dev/ttyUSB1"}, {"/dev/ttyS0", "/dev/ttyS0"}};
    p.existing = {"/dev/pts/7"};
    std::vector<std::string> list;
    EXPECT_EQ(FillComPortList(p, "/dev/pts/7", list), "/dev/serial/by-id/usb-A-if00");
    EXPECT_EQ(list, (std::vector<std::string>{"/dev/serial/by-id/usb-A-if00", "/dev/ttyS0", "/dev/pts/7"}));
    FillComPortList(p, "/dev/pts/9", list);  // gone: not offered
    EXPECT_EQ(list.size(), 2u);
    FillComPortList(p, "/dev/ttyUSB1", list);  // listed under its by-id name: not twice
    EXPECT_EQ(list.size(), 2u);

    EXPECT_TRUE(IsComPortPresent(p, "/dev/ttyUSB1"));
    EXPECT_TRUE(IsComPortPresent(p, "/dev/serial/by-id/usb-A-if00"));
    EXPECT_TRUE(IsComPortPresent(p, "/dev/pts/7"));
    EXPECT_FALSE(IsComPortPresent(p, "/dev/ttyUSB0"));
    EXPECT_FALSE(IsComPortPresent(p, ""));
    const int before = p.calls;
    GetFirstComPort(p);
    GetFirstComPort(p);
    EXPECT_EQ(p.calls, before + 2);  // read afresh every time

    FakePorts none;
    EXPECT_EQ(GetFirstComPort(none), "");
    EXPECT_EQ(FillComPortList(none, "", list), "");
    EXPECT_TRUE(list.empty());
}

TEST(PortList, OnlyATerminalDeviceCanBeAPort) {
    test::TempFolder tmp;
    sim::PtyRadio pty;
    ASSERT_TRUE(pty.Open()) << pty.Error();
    test::WriteFile(tmp / "data.dat", "not a port");
    ASSERT_EQ(::mkfifo((tmp / "fifo").c_str(), 0600), 0);
    struct Case {
        std::string path;
        int expected;
    } cases[] = {
        {pty.SlavePath(), 0},
        {tmp / "data.dat", ENOTTY},
        {tmp.path(), ENOTTY},
        {tmp / "fifo", ENOTTY},  // refused without opening (it would wait for a writer)
        {"/dev/null", ENOTTY},   // a character device, but no terminal
        {tmp / "missing", ENOENT},
        {tmp / "data.dat/x", ENOTDIR},
        {"", ENOENT},
    };
    for (const auto& c : cases) EXPECT_EQ(PortDeviceError(c.path), c.expected) << c.path;
}

TEST(PortList, ComPortNumberOfADevice) {
    struct Case {
        const char* device;
        int previous, expected;
    } cases[] = {
        {"/dev/ttyS0", 7, 1}, {"/dev/ttyS2", 1, 3},   {"", 5, 0},
        {"/dev/ttyUSB0", 4, 4}, {"/dev/ttyS", 4, 4}, {"/dev/ttyS1x", 4, 4},
    };
    for (const auto& c : cases) EXPECT_EQ(ComPortNumberOf(c.device, c.previous), c.expected) << c.device;
}

class StartupPorts : public ::testing::Test {
protected:
    test::TempFolder t;
    AppData d;
    FakePorts p;
    void SetUp() override {
        d.AppFolder = t / "app";
        d.UserConfigDir = t / "user";
        std::filesystem::create_directories(d.AppFolder + "/language");
    }
    Settings Saved() { return LoadSettings(d); }
};

TEST_F(StartupPorts, MigratesTheOldPortNumber) {
    p.ports = {{"/dev/ttyS0", "/dev/ttyS0"}, {"/dev/ttyS2", "/dev/ttyS2"}};
    Settings s;
    s.comPort = 3;
    CheckComPortAtStartup(d, p, s);
    EXPECT_EQ(d.ComDevice, "/dev/ttyS2");
    EXPECT_EQ(d.ComPortNumber, 3);
    EXPECT_EQ(Saved().comDevice, "/dev/ttyS2");
}

// A device the user saved (typed, or picked while its adapter was plugged
// in) stays the port while it is missing: the user plugs it in and goes on.
TEST_F(StartupPorts, KeepsASavedDeviceWhileItIsMissing) {
    p.ports = {{"/dev/serial/by-id/usb-B", "/dev/ttyUSB0"}, {"/dev/ttyS0", "/dev/ttyS0"}};
    ASSERT_TRUE(WriteSetting(d, "comDevice", "/dev/ttyUSB3"));
    ASSERT_TRUE(WriteSetting(d, "comPort", 6));
    CheckComPortAtStartup(d, p, Saved());
    EXPECT_EQ(d.ComDevice, "/dev/ttyUSB3");
    EXPECT_EQ(d.ComPortNumber, 6);  // not a ttyS device: left as it was
    EXPECT_EQ(Saved().comDevice, "/dev/ttyUSB3");
    EXPECT_EQ(Saved().comPort, 6);
}

TEST_F(StartupPorts, NothingSavedTakesTheFirstListedAndNoneListedMeansNoPort) {
    p.ports = {{"/dev/serial/by-id/usb-B", "/dev/ttyUSB0"}};
    Settings s;
    s.comPort = 0;
    CheckComPortAtStartup(d, p, s);
    EXPECT_EQ(d.ComDevice, "/dev/serial/by-id/usb-B");
    EXPECT_EQ(Saved().comDevice, "/dev/serial/by-id/usb-B");

    p.ports.clear();
    s.comPort = 4;  // an old number whose port is not listed
    CheckComPortAtStartup(d, p, s);
    EXPECT_EQ(d.ComDevice, "");
    EXPECT_EQ(d.ComPortNumber, 0);
}

// The whole start-up with the program's hook: the saved device reaches the
// first transfer, present or not, and stays in the settings file.
TEST(StartupPortCheck, TheSavedDeviceReachesTheTransferState) {
    struct Case {
        const char* name;
        const char* saved;
        const char* expected;
    } cases[] = {
        {"Present", "/dev/serial/by-id/usb-A", "/dev/serial/by-id/usb-A"},
        {"Missing", "/dev/serial/by-id/usb-gone", "/dev/serial/by-id/usb-gone"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        test::TempFolder t;
        std::filesystem::copy(std::string(RP_SOURCE_DIR) + "/Init", t / "Init");
        std::filesystem::copy(std::string(RP_SOURCE_DIR) + "/language", t / "language");
        const std::string settings = t / "language/mysetup.ini";
        ASSERT_TRUE(WriteProfileString(settings, "language", "comDevice", c.saved));
        FakePorts p;
        p.ports = {{"/dev/ttyS0", "/dev/ttyS0"}, {"/dev/serial/by-id/usb-A", "/dev/ttyUSB0"}};
        AppData d;
        d.AppFolder = t.path();
        d.UserConfigDir = t / "user";
        StartupHooks hooks;
        hooks.LanguageIndex = 1;
        hooks.CheckComPort = [&p](AppData& a, const Settings& s) { CheckComPortAtStartup(a, p, s); };
        Main(d, hooks);
        EXPECT_EQ(d.ComDevice, c.expected);
        EXPECT_EQ(ReadProfileString(settings, "language", "comDevice"), c.expected);
    }
}

TEST_F(StartupPorts, SavingAChoiceWritesBothKeys) {
    SaveComPortChoice(d, "/dev/ttyS4");
    EXPECT_EQ(d.ComPortNumber, 5);
    const Settings s = Saved();
    EXPECT_EQ(s.comDevice, "/dev/ttyS4");
    EXPECT_EQ(s.comPort, 5);
}

}  // namespace
}  // namespace rp
