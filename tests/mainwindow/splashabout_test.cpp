// The splash window and the about box without widgets.
#include <gtest/gtest.h>

#include "core/language.h"
#include "mainfixture.h"
#include "mainwindow/frmabout.h"
#include "mainwindow/frmsplash.h"

namespace rp {
namespace {

using test::StartedProgram;

TEST(FrmSplashTest, PictureByLanguage) {
    StartedProgram p;
    FrmSplash s(p.d);
    s.Form_Load();
    EXPECT_EQ(s.picturePath, p.tmp / "StartE.jpg");
    EXPECT_TRUE(s.C("Timer1").enabled);
    EXPECT_EQ(s.C("Timer1").max, 2000);
    SetLanguageIndex(p.d, 2);
    EXPECT_EQ(FrmSplash::PicturePath(p.d), p.tmp / "StartC.jpg");
    p.d.LanguageIndex = 3;
    EXPECT_EQ(FrmSplash::PicturePath(p.d), "");
}

TEST(FrmSplashTest, FirstOfClickAndTimerShowsTheMainWindowOnce) {
    for (bool clickFirst : {true, false}) {
        StartedProgram p;
        FrmSplash s(p.d);
        int shown = 0;
        bool unloadedBeforeShow = false;
        s.ShowMain = [&] {
            ++shown;
            unloadedBeforeShow = s.unloadRequested;
        };
        s.Form_Load();
        if (clickFirst) {
            s.Click("picLogo");
            s.Timer("Timer1");
        } else {
            s.Timer("Timer1");
            s.Click("picLogo");
        }
        s.Click("picLogo");
        EXPECT_EQ(shown, 1);
        EXPECT_FALSE(unloadedBeforeShow);  // the main window shows before the splash closes
        EXPECT_TRUE(s.unloadRequested);
        EXPECT_FALSE(s.C("Timer1").enabled);
        EXPECT_TRUE(s.Closed());
    }
}

struct AboutCase {
    std::string name;
    int language;
    ProgramVersion version;
    std::string caption, version_text, ok;
};
void PrintTo(const AboutCase& c, std::ostream* os) { *os << c.name; }

class AboutTexts : public ::testing::TestWithParam<AboutCase> {};

TEST_P(AboutTexts, LoadFillsTheTexts) {
    const AboutCase& c = GetParam();
    StartedProgram p;
    SetLanguageIndex(p.d, c.language);
    FrmAbout a(p.d, c.version);
    a.Form_Load();
    EXPECT_EQ(a.State().caption, c.caption);
    EXPECT_EQ(a.C("lblTitle").text, "KEVRA_8R");
    EXPECT_EQ(a.C("lblVersion").text, c.version_text);
    EXPECT_EQ(a.C("lblDescription").text, GetLanguageString(p.d, 2101));
    EXPECT_EQ(a.C("lblDisclaimer").text, GetLanguageString(p.d, 2100));
    EXPECT_FALSE(a.C("lblDescription").text.empty());
    EXPECT_EQ(a.C("cmdOK").text, c.ok);
    EXPECT_EQ(a.State().focus, "cmdOK");
    EXPECT_FALSE(a.C("cmdSysInfo").visible);  // no system-information tool here

    a.Click("cmdOK");
    EXPECT_TRUE(a.unloadRequested);
}

INSTANTIATE_TEST_SUITE_P(
    Languages, AboutTexts,
    ::testing::Values(AboutCase{"English", 1, {1, 0, 12}, "About", "Version 1.0.12", "OK"},
                      AboutCase{"Chinese", 2, {2, 3, 0}, "关于", "版本 2.3.0", "确定"}),
    [](const auto& info) { return info.param.name; });

TEST(FrmAboutTest, BuildVersionIsTheProjects) {
    const ProgramVersion v = BuildVersion();
    EXPECT_GE(v.major, 1);
    EXPECT_GE(v.minor, 0);
    EXPECT_GE(v.revision, 0);
}

}  // namespace
}  // namespace rp
