#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <vector>

#include "core/paths.h"
#include "core/profile.h"
#include "core/settings.h"
#include "nonregularfiles.h"
#include "tempfolder.h"

using namespace rp;
using rp::test::ReadFile;
using rp::test::TempFolder;
using rp::test::WriteFile;

namespace {

struct SettingsFolder : ::testing::Test {
    TempFolder t;
    AppData d;
    std::string shipped, user;
    void SetUp() override {
        d.AppFolder = t / "app";
        d.UserConfigDir = t / "user";
        std::filesystem::create_directories(d.AppFolder);
        shipped = t / "app/language/mysetup.ini";
        user = t / "user/language/mysetup.ini";
    }
};

void ExpectDefaults(const Settings& s) {
    EXPECT_TRUE(s.IsFirstRun);
    EXPECT_EQ(s.Skin, "");
    EXPECT_EQ(s.comPort, 1);
    EXPECT_EQ(s.Handshaking, 0);
    EXPECT_EQ(s.StopBit, 1);
    EXPECT_EQ(s.FactoryFres, 0);
    EXPECT_EQ(s.comDevice, "");
}

}  // namespace

TEST_F(SettingsFolder, MissingFileGivesDefaultsAndANewFile) {
    ExpectDefaults(LoadSettings(d));
    EXPECT_EQ(ReadFile(shipped),
              "[language]\nIsFirstRun=1\nSkin=\ncomPort=1\nHandshaking=0\nStopBit=1\n"
              "FactoryFres=0\ncomDevice=\n");
    EXPECT_FALSE(std::filesystem::exists(user));
}

TEST_F(SettingsFolder, TheShippedFileHoldsTheDefaults) {
    std::filesystem::create_directories(t / "app/language");
    std::filesystem::copy_file(std::string(RP_SOURCE_DIR) + "/language/mysetup.ini", shipped);
    const std::string before = ReadFile(shipped);
    ExpectDefaults(LoadSettings(d));
    EXPECT_EQ(ReadFile(shipped), before);  // nothing to repair
}

TEST_F(SettingsFolder, ReadsValidValues) {
    WriteFile(shipped,
              "[language]\nIsFirstRun=0\nSkin=blue\ncomPort=7\nHandshaking=3\nStopBit=2\n"
              "FactoryFres=1\ncomDevice=/dev/ttyUSB0\n");
    const std::string before = ReadFile(shipped);
    Settings s = LoadSettings(d);
    EXPECT_FALSE(s.IsFirstRun);
    EXPECT_EQ(s.Skin, "blue");
    EXPECT_EQ(s.comPort, 7);
    EXPECT_EQ(s.Handshaking, 3);
    EXPECT_EQ(s.StopBit, 2);
    EXPECT_EQ(s.FactoryFres, 1);
    EXPECT_EQ(s.comDevice, "/dev/ttyUSB0");
    EXPECT_EQ(ReadFile(shipped), before);
    // Any non-zero whole number is a true IsFirstRun.
    WriteFile(shipped, "[language]\nIsFirstRun=-1\n");
    EXPECT_TRUE(LoadSettings(d).IsFirstRun);
}

TEST_F(SettingsFolder, InvalidValuesAreRepairedAndTheRestKept) {
    struct Case {
        const char* key;
        const char* bad;
        const char* repaired;
    } cases[] = {
        {"IsFirstRun", "yes", "1"},  {"IsFirstRun", "", "1"},      {"comPort", "-1", "1"},
        {"comPort", "-3", "1"},      {"comPort", "COM3", "1"},     {"comPort", "2.5", "1"},
        {"comPort", "99999", "1"},   {"Handshaking", "4", "0"},    {"Handshaking", "-1", "0"},
        {"StopBit", "0", "1"},       {"StopBit", "3", "1"},        {"StopBit", "1.5", "1"},
        {"FactoryFres", "2", "0"},   {"FactoryFres", "x", "0"},
    };
    for (const Case& c : cases) {
        const std::string head = "; my settings\n[language]\nIsFirstRun=0\nSkin=dark\n";
        std::string file = head + "comPort=4\nHandshaking=2\nStopBit=2\nFactoryFres=1\n"
                                  "Extra=kept\ncomDevice=/dev/ttyS1\n[other]\nx=y\n";
        // Put the bad value in place of the key's good one.
        std::size_t at = file.find(std::string("\n") + c.key + "=") + 1;
        std::size_t end = file.find('\n', at);
        file.replace(at, end - at, std::string(c.key) + "=" + c.bad);
        WriteFile(shipped, file);

        Settings s = LoadSettings(d);
        std::string expected = file;
        expected.replace(at, std::string(c.key).size() + 1 + std::string(c.bad).size(),
                         std::string(c.key) + "=" + c.repaired);
        EXPECT_EQ(ReadFile(shipped), expected) << c.key << "=" << c.bad;
        // The other keys keep their values.
        EXPECT_EQ(s.Skin, "dark");
        EXPECT_EQ(s.comDevice, "/dev/ttyS1");
        const std::string key = c.key;
        EXPECT_EQ(s.comPort, key == "comPort" ? 1 : 4);
        EXPECT_EQ(s.StopBit, key == "StopBit" ? 1 : 2);
        EXPECT_EQ(s.IsFirstRun, key == "IsFirstRun");
    }
}

TEST_F(SettingsFolder, MissingKeysJoinTheSection) {
    WriteFile(shipped, "[language]\ncomPort=3\n");
    Settings s = LoadSettings(d);
    EXPECT_EQ(s.comPort, 3);
    EXPECT_EQ(ReadFile(shipped),
              "[language]\ncomPort=3\nIsFirstRun=1\nSkin=\nHandshaking=0\nStopBit=1\n"
              "FactoryFres=0\ncomDevice=\n");
}

TEST_F(SettingsFolder, WriteSettingChangesOneKey) {
    LoadSettings(d);
    ASSERT_TRUE(WriteSetting(d, "IsFirstRun", 0));
    ASSERT_TRUE(WriteSetting(d, "comDevice", "/dev/ttyACM0"));
    Settings s = LoadSettings(d);
    EXPECT_FALSE(s.IsFirstRun);
    EXPECT_EQ(s.comDevice, "/dev/ttyACM0");
    EXPECT_EQ(s.comPort, 1);
}

// The folder beside the program cannot be written: the per-user copy is
// seeded from the shipped file, written, and read back; the shipped file
// stays as it was.
TEST_F(SettingsFolder, PerUserCopyWhenTheProgramFolderIsNotWritable) {
    WriteFile(shipped, "; shipped\n[language]\nIsFirstRun=1\ncomPort=5\nCustom=1\n");
    const std::string shippedBefore = ReadFile(shipped);
    const std::string rel = kSettingsFile;

    EXPECT_EQ(ReadablePath(d, rel), shipped);
    std::string target = WritablePathFor(d, rel, /*besideWritable=*/false);
    ASSERT_EQ(target, user);
    EXPECT_EQ(ReadFile(user), shippedBefore);  // seeded
    ASSERT_TRUE(WriteProfileString(target, kSettingsSection, "IsFirstRun", "0"));

    EXPECT_EQ(ReadablePath(d, rel), user);
    Settings s = LoadSettings(d);  // also repairs the missing keys, in the user copy
    EXPECT_FALSE(s.IsFirstRun);
    EXPECT_EQ(s.comPort, 5);
    EXPECT_EQ(ReadProfileString(user, "language", "Custom"), "1");
    EXPECT_EQ(ReadProfileString(user, "language", "StopBit"), "1");
    EXPECT_EQ(ReadFile(shipped), shippedBefore);

    // Once a per-user copy exists every write goes there, so it is read back.
    EXPECT_EQ(WritablePathFor(d, rel, true), user);
    ASSERT_TRUE(WriteSetting(d, "comPort", 9));
    EXPECT_EQ(LoadSettings(d).comPort, 9);
    // 0 means no port chosen and stays as written.
    ASSERT_TRUE(WriteSetting(d, "comPort", 0));
    EXPECT_EQ(LoadSettings(d).comPort, 0);
    EXPECT_EQ(ReadProfileString(user, "language", "comPort"), "0");
    EXPECT_EQ(ReadFile(shipped), shippedBefore);
}

// An installed program keeps what it writes in the user's folder even when
// its install can be written: a reinstall would overwrite the file there,
// and every later user would start from it.
TEST_F(SettingsFolder, AnInstalledProgramWritesOnlyTheUserCopy) {
    const std::string prefix = t / "prefix";
    d.AppFolder = prefix + "/share/kevra8r";
    shipped = prefix + "/share/kevra8r/language/mysetup.ini";
    WriteFile(shipped, "; shipped\n[language]\nIsFirstRun=1\ncomPort=5\n");
    const std::string before = ReadFile(shipped);

    EXPECT_TRUE(LoadSettings(d).IsFirstRun);  // repairs the missing keys, in the user copy
    ASSERT_TRUE(WriteSetting(d, "IsFirstRun", 0));
    EXPECT_FALSE(LoadSettings(d).IsFirstRun);
    EXPECT_EQ(ReadProfileString(user, "language", "comPort"), "5");  // seeded
    EXPECT_EQ(ReadProfileString(user, "language", "StopBit"), "1");

    EXPECT_EQ(ReadFile(shipped), before);
    std::vector<std::string> underPrefix;
    for (const auto& e : std::filesystem::recursive_directory_iterator(prefix)) underPrefix.push_back(e.path());
    std::sort(underPrefix.begin(), underPrefix.end());
    EXPECT_EQ(underPrefix, (std::vector<std::string>{prefix + "/share", prefix + "/share/kevra8r",
                                                      prefix + "/share/kevra8r/language", shipped}));
}

TEST_F(SettingsFolder, NoPlaceToWriteStillGivesSettings) {
    WriteFile(t / "notafolder", "x");
    d.AppFolder = t / "notafolder";  // a file: nothing can be created below it
    d.UserConfigDir = t / "notafolder/user";
    ExpectDefaults(LoadSettings(d));
    EXPECT_FALSE(WriteSetting(d, "comPort", 2));
}

// Something that is not a regular file where the settings file should be:
// start-up reads the defaults at once and leaves it there; the settings go
// to the per-user copy instead.
TEST_F(SettingsFolder, ASettingsFileThatIsNotRegularIsLeftAlone) {
    const rp::test::HangGuard guard;
    std::filesystem::create_directories(t / "app/language");
    for (const auto& kind : rp::test::kNonRegularKinds) {
        SCOPED_TRACE(kind.name);
        std::filesystem::remove_all(t / "user");
        ASSERT_TRUE(rp::test::MakeNonRegular(kind.kind, shipped));
        ExpectDefaults(LoadSettings(d));
        ASSERT_TRUE(WriteSetting(d, "comPort", 4));
        EXPECT_FALSE(std::filesystem::is_regular_file(shipped));
        EXPECT_TRUE(std::filesystem::exists(std::filesystem::symlink_status(shipped)));
        EXPECT_EQ(LoadSettings(d).comPort, 4);
        EXPECT_EQ(ReadProfileString(user, "language", "comPort"), "4");
    }
}

TEST(Paths, FoldersFromTheEnvironmentAndTheExecutable) {
    AppData d;
    EXPECT_FALSE(ProgramFolder(d).empty());
    EXPECT_TRUE(std::filesystem::is_directory(ProgramFolder(d)));
    d.AppFolder = "/opt/prog/";
    EXPECT_EQ(ProgramFolder(d), "/opt/prog");
    EXPECT_EQ(ShippedPath(d, "/language/english.ini"), "/opt/prog/language/english.ini");
    EXPECT_EQ(ShippedPath(d, "language/mysetup.ini"), "/opt/prog/language/mysetup.ini");

    const char* oldXdg = std::getenv("XDG_CONFIG_HOME");
    std::string savedXdg = oldXdg ? oldXdg : "";
    setenv("XDG_CONFIG_HOME", "/home/u/.cfg", 1);
    EXPECT_EQ(UserConfigFolder(d), "/home/u/.cfg/KEVRA_8R");
    setenv("XDG_CONFIG_HOME", "relative", 1);  // ignored, as XDG says
    EXPECT_NE(UserConfigFolder(d), "relative/KEVRA_8R");
    d.UserConfigDir = "/tmp/x";
    EXPECT_EQ(UserCopyPath(d, "language/mysetup.ini"), "/tmp/x/language/mysetup.ini");
    if (oldXdg) setenv("XDG_CONFIG_HOME", savedXdg.c_str(), 1);
    else unsetenv("XDG_CONFIG_HOME");
}

// Installed: the program's folder ends in share/kevra8r.
TEST(Paths, AnInstalledFolderByItsLastTwoParts) {
    struct Case {
        const char* folder;
        bool installed;
    } cases[] = {
        {"/usr/share/kevra8r", true},
        {"/home/u/.local/share/kevra8r/", true},
        {"share/kevra8r", true},
        {"/opt/kv/share/kevra8r//", true},
        {"/home/u/src/build/bin", false},
        {"/usr/share/kevra8r/language", false},
        {"/usr/myshare/kevra8r", false},
        {"/usr/share/kevra8rx", false},
        {"/usr/kevra8r", false},
        {"kevra8r", false},
        {"", false},
        {"/", false},
    };
    for (const Case& c : cases) EXPECT_EQ(IsInstalledFolder(c.folder), c.installed) << '"' << c.folder << '"';
}

// The shipped files beside the executable (a build or copied program) win;
// an installed program finds them in share/kevra8r beside its bin/ folder.
TEST(Paths, ShippedFilesBesideTheExecutableOrInstalled) {
    test::TempFolder tmp;
    struct Case {
        const char* name;
        std::vector<const char*> folders;  // made under tmp
        const char* expected;              // relative to tmp
    } cases[] = {
        {"Beside", {"bin/language", "share/kevra8r/language"}, "bin"},
        {"Installed", {"bin", "share/kevra8r/language"}, "share/kevra8r"},
        {"InstalledWithoutLanguage", {"bin", "share/kevra8r"}, "bin"},
        {"Neither", {"bin"}, "bin"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        std::filesystem::remove_all(tmp / "bin");
        std::filesystem::remove_all(tmp / "share");
        for (const char* f : c.folders) std::filesystem::create_directories(tmp / f);
        EXPECT_EQ(ShippedFolderFor(tmp / "bin"), tmp / c.expected);
    }
}
