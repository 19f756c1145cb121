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
    EXPECT_TRUE(s.C(splash::CloseTimer).enabled);
    EXPECT_EQ(s.C(splash::CloseTimer).max, 2000);
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
            s.Click(splash::Logo);
            s.Timer(splash::CloseTimer);
        } else {
            s.Timer(splash::CloseTimer);
            s.Click(splash::Logo);
        }
        s.Click(splash::Logo);
        EXPECT_EQ(shown, 1);
        EXPECT_FALSE(unloadedBeforeShow);  // the main window shows before the splash closes
        EXPECT_TRUE(s.unloadRequested);
        EXPECT_FALSE(s.C(splash::CloseTimer).enabled);
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
    EXPECT_EQ(a.C(about::Title).text, "KEVRA_8R");
    EXPECT_EQ(a.C(about::Version).text, c.version_text);
    EXPECT_EQ(a.C(about::Description).text, GetLanguageString(p.d, 2101));
    EXPECT_EQ(a.C(about::Disclaimer).text, GetLanguageString(p.d, 2100));
    EXPECT_FALSE(a.C(about::Description).text.empty());
    EXPECT_EQ(a.C(about::OK).text, c.ok);
    EXPECT_EQ(a.State().focus, about::OK);
    EXPECT_FALSE(a.C(about::SysInfo).visible);  // no system-information tool here

    a.Click(about::OK);
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
