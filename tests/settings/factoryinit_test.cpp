// The factory-frequencies dialog: the tick, the flag and the settings key.
#include <gtest/gtest.h>

#include <filesystem>
#include <optional>

#include "core/nonregularfiles.h"
#include "core/profile.h"
#include "core/settings.h"
#include "settings/frminit.h"
#include "settings/formfixture.h"
#include "settings/frminitcontrols.h"

using namespace rp;

namespace {

class FactoryInitTest : public rp::test::SettingsFormTest {
protected:
    std::string StoredKey() {
        std::optional<ProfileData> p = ProfileData::Load(tmp / "app/language/mysetup.ini");
        if (!p) return "<no file>";
        return p->Find("language", "FactoryFres").value_or("<no key>");
    }
};

}  // namespace

TEST_F(FactoryInitTest, OkStoresTheTickInTheFlagAndTheSettingsFile) {
    struct Case {
        int flag;
        int tick;
        const char* stored;
    };
    for (const Case& c : {Case{0, 1, "1"}, Case{1, 0, "0"}, Case{1, 1, "1"}}) {
        d.FactoryFresFlag = static_cast<Integer>(c.flag);
        FrmInit f(d);
        f.Form_Load();
        EXPECT_EQ(f.C(init::KeepFactory).value, c.flag);
        EXPECT_EQ(f.State().caption, "Factory Frequencies");
        EXPECT_EQ(f.C(kOKButton).text, "OK");
        f.C(init::KeepFactory).value = c.tick;
        f.Click(kOKButton);
        EXPECT_TRUE(f.unloadRequested);
        EXPECT_EQ(d.FactoryFresFlag, c.tick);
        EXPECT_EQ(StoredKey(), c.stored);
        EXPECT_EQ(LoadSettings(d).FactoryFres, c.tick);
    }
    EXPECT_TRUE(notes.shown.empty());
}

TEST_F(FactoryInitTest, CancelChangesNothing) {
    const std::string before = rp::test::ReadFile(tmp / "app/language/mysetup.ini");
    FrmInit f(d);
    f.Form_Load();
    f.C(init::KeepFactory).value = 1;
    f.Click(kCancelButton);
    EXPECT_TRUE(f.unloadRequested);
    EXPECT_EQ(d.FactoryFresFlag, 0);
    EXPECT_EQ(rp::test::ReadFile(tmp / "app/language/mysetup.ini"), before);
}

TEST_F(FactoryInitTest, AFlagAboveZeroShowsTicked) {
    d.FactoryFresFlag = 5;
    FrmInit f(d);
    f.Form_Load();
    EXPECT_EQ(f.C(init::KeepFactory).value, 1);
}

TEST_F(FactoryInitTest, AFailedWriteShowsFileErrorAndKeepsTheNewFlag) {
    // The program folder cannot hold a file (it lies under a regular file);
    // the per-user copy cannot be written either, for the reason given.
    rp::test::WriteFile(tmp / "blocked", "");
    d.AppFolder = tmp / "blocked";
    struct Case {
        const char* name;
        std::optional<rp::test::NonRegular> atUserCopy;  // none: no per-user folder either
        const char* reason[2];
    } cases[] = {
        {"no place", std::nullopt, {"Permission denied", "Permission denied"}},
        {"a folder", rp::test::NonRegular::Folder, {"Is a directory", "Is a directory"}},
        {"a named pipe", rp::test::NonRegular::Pipe, {"not a regular file", "不是普通文件"}},
    };
    const rp::test::HangGuard guard;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        d.UserConfigDir = tmp / "blocked";
        if (c.atUserCopy) {
            d.UserConfigDir = tmp / (std::string("user-") + c.name);
            std::filesystem::create_directories(d.UserConfigDir + "/language");
            ASSERT_TRUE(rp::test::MakeNonRegular(*c.atUserCopy, d.UserConfigDir + "/language/mysetup.ini"));
        }
        for (int language : {1, 2}) {
            d.LanguageIndex = static_cast<Integer>(language);
            d.FactoryFresFlag = 0;
            notes.shown.clear();
            FrmInit f(d);
            f.Form_Load();
            f.C(init::KeepFactory).value = 1;
            f.Click(kOKButton);
            EXPECT_EQ(notes.Texts(), std::vector<std::string>{std::string(language == 1 ? "file error." : "文件错误。") +
                                                              "\nmysetup.ini: " + c.reason[language - 1]});
            EXPECT_EQ(d.FactoryFresFlag, 1);
            EXPECT_TRUE(f.unloadRequested);
        }
    }
}
