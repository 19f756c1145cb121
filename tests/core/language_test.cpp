#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <initializer_list>
#include <optional>
#include <vector>

#include "core/language.h"
#include "fakes.h"
#include "tempfolder.h"

using namespace rp;
using rp::test::RecordingNotifier;
using rp::test::TempFolder;
using rp::test::WriteFile;

namespace {

// Sets environment variables for one test and puts the old values back.
class EnvGuard {
public:
    explicit EnvGuard(std::initializer_list<const char*> names) {
        for (const char* n : names) {
            const char* v = std::getenv(n);
            saved_.push_back({n, v ? std::optional<std::string>(v) : std::nullopt});
        }
    }
    ~EnvGuard() {
        for (const auto& [n, v] : saved_) {
            if (v) setenv(n.c_str(), v->c_str(), 1);
            else unsetenv(n.c_str());
        }
    }

private:
    std::vector<std::pair<std::string, std::optional<std::string>>> saved_;
};

// A program folder with its own two small language files.
struct LanguageFolder : ::testing::Test {
    TempFolder t;
    AppData d;
    void SetUp() override {
        d.AppFolder = t.path();
        d.UserConfigDir = t / "user";
        WriteFile(t / "language/english.ini",
                  "[OTHER]\n20=DejaVu Sans\n101=  OK  \n1501=English\n1502=Chinese\n"
                  "[MSG]\n900C=Five-tone warning\n[OPTION]\n60024=Off\n");
        WriteFile(t / "language/chinese.ini",
                  "[OTHER]\n101=确定\n1501=英文\n[MSG]\n900C=五音警告\n[OPTION]\n60024=关\n");
    }
};

}  // namespace

TEST(LanguageChoice, ChineseOnlyForChinaLocales) {
    struct Case {
        const char* locale;
        int want;
    } cases[] = {
        {"zh_CN", 2}, {"zh_CN.UTF-8", 2}, {"zh_CN.utf8", 2}, {"zh_CN.GB18030", 2},
        {"zh_CN@modifier", 2}, {"zh_TW", 1}, {"zh_TW.UTF-8", 1}, {"zh_SG", 1},
        {"zh_HK.UTF-8", 1}, {"zh", 1}, {"zh_CNX", 1}, {"en_US.UTF-8", 1},
        {"C", 1}, {"POSIX", 1}, {"", 1}, {"de_DE.UTF-8", 1},
    };
    for (const Case& c : cases) EXPECT_EQ(LanguageIndexFromLocale(c.locale), c.want) << c.locale;
}

TEST(LanguageChoice, FirstNonEmptyOfLcAllLcMessagesLang) {
    EXPECT_EQ(LocaleNameFromEnvironment("zh_CN.UTF-8", "en_US", "en_US"), "zh_CN.UTF-8");
    EXPECT_EQ(LocaleNameFromEnvironment("en_US.UTF-8", nullptr, "zh_CN.UTF-8"), "en_US.UTF-8");
    EXPECT_EQ(LocaleNameFromEnvironment("", "zh_CN", "en_US"), "zh_CN");
    EXPECT_EQ(LocaleNameFromEnvironment(nullptr, "", "zh_CN"), "zh_CN");
    EXPECT_EQ(LocaleNameFromEnvironment(nullptr, nullptr, nullptr), "");

    // The same through the process environment.
    EnvGuard env{"LC_ALL", "LC_MESSAGES", "LANG"};
    setenv("LANG", "zh_CN.UTF-8", 1);
    unsetenv("LC_MESSAGES");
    setenv("LC_ALL", "en_US.UTF-8", 1);
    EXPECT_EQ(SystemLanguageIndex(), 1);
    unsetenv("LC_ALL");
    EXPECT_EQ(SystemLanguageIndex(), 2);
}

TEST(LanguageChoice, SetAndSelectFillTheLanguageGlobals) {
    AppData d;
    SetLanguageIndex(d, 2);
    EXPECT_EQ(d.LanguageIndex, 2);
    EXPECT_EQ(d.LanguageIndexCopy, 2);
    EXPECT_EQ(d.LanguageFileName, "chinese.ini");
    EXPECT_EQ(d.LanguageFilePath, "/language/chinese.ini");

    ASSERT_TRUE(SelectLanguageEntry(d, 0));
    EXPECT_EQ(d.LanguageIndex, 1);
    EXPECT_EQ(d.LanguageIndexCopy, 1);
    EXPECT_EQ(d.LanguageFilePath, "/language/english.ini");

    // No selection (-1) or an entry past the list changes nothing.
    EXPECT_FALSE(SelectLanguageEntry(d, -1));
    EXPECT_FALSE(SelectLanguageEntry(d, 2));
    EXPECT_EQ(d.LanguageIndex, 1);
    EXPECT_EQ(d.LanguageFilePath, "/language/english.ini");

    SetLanguageIndex(d, 0);  // anything but Chinese is English
    EXPECT_EQ(d.LanguageIndex, 1);
}

TEST_F(LanguageFolder, LooksUpTextsOfTheCurrentLanguage) {
    SetLanguageIndex(d, 1);
    EXPECT_EQ(LanguageFileFullPath(d), t / "language/english.ini");
    EXPECT_EQ(GetLanguageString(d, 101), "OK");  // trimmed
    EXPECT_EQ(GetLanguageString(d, 20), "DejaVu Sans");
    EXPECT_EQ(GetLanguageString(d, 9999), "");
    EXPECT_EQ(GetLanguageString(d, -1), "");
    EXPECT_EQ(GetLanguageMsgString(d, "900C"), "Five-tone warning");
    EXPECT_EQ(GetLanguageOptionString(d, "60024"), "Off");
    EXPECT_EQ(GetLanguageOptionString(d, "900C"), "");  // sections are apart

    // The text source follows a language switch at once.
    LanguageFileTexts texts(d);
    d.Ui.Texts = &texts;
    EXPECT_EQ(d.Ui.Texts->Text(1501), "English");
    ASSERT_TRUE(SelectLanguageEntry(d, 1));
    EXPECT_EQ(d.Ui.Texts->Text(1501), "英文");
    EXPECT_EQ(d.Ui.Texts->Text(1502), "");  // missing in this file
    EXPECT_EQ(GetLanguageMsgString(d, "900c"), "五音警告");
}

TEST_F(LanguageFolder, ReadsTheFileAgainWhenItChanges) {
    SetLanguageIndex(d, 1);
    EXPECT_EQ(GetLanguageString(d, 101), "OK");
    WriteFile(t / "language/english.ini", "[OTHER]\n101=Okay, longer now\n");
    EXPECT_EQ(GetLanguageString(d, 101), "Okay, longer now");
    std::filesystem::remove(t / "language/english.ini");
    EXPECT_EQ(GetLanguageString(d, 101), "");
}

TEST_F(LanguageFolder, LongTextComesBackCut) {
    WriteFile(t / "language/english.ini",
              "[OTHER]\n7=" + std::string(300, 'e') + "\n[MSG]\n9001=" + std::string(600, 'm') + "\n");
    SetLanguageIndex(d, 1);
    EXPECT_EQ(GetLanguageString(d, 7), std::string(254, 'e'));
    EXPECT_EQ(GetLanguageMsgString(d, "9001"), std::string(511, 'm'));
}

TEST_F(LanguageFolder, AMissingFileIsReportedOnceAndGivesEmptyTexts) {
    RecordingNotifier notes;
    d.Ui.Notify = &notes;
    std::filesystem::remove(t / "language/chinese.ini");
    EnvGuard env{"LC_ALL"};
    setenv("LC_ALL", "zh_CN.UTF-8", 1);
    InitLanguage(d);
    EXPECT_EQ(d.LanguageIndex, 2);
    ASSERT_EQ(notes.shown.size(), 1u);
    EXPECT_NE(notes.shown[0].text.find(t / "language/chinese.ini"), std::string::npos);
    EXPECT_EQ(notes.shown[0].buttons, MsgButtons::Ok);
    EXPECT_EQ(notes.shown[0].title, "");
    EXPECT_EQ(GetLanguageString(d, 101), "");
    EXPECT_FALSE(ReportMissingLanguageFile(d));
    EXPECT_EQ(notes.shown.size(), 1u);  // once per run

    // A readable file is not reported.
    AppData e;
    e.AppFolder = t.path();
    e.Ui.Notify = &notes;
    SetLanguageIndex(e, 1);
    EXPECT_TRUE(ReportMissingLanguageFile(e));
    EXPECT_EQ(notes.shown.size(), 1u);
}

TEST_F(LanguageFolder, AFolderInPlaceOfTheFileCountsAsUnreadable) {
    RecordingNotifier notes;
    d.Ui.Notify = &notes;
    std::filesystem::remove(t / "language/english.ini");
    std::filesystem::create_directories(t / "language/english.ini");
    SetLanguageIndex(d, 1);
    EXPECT_FALSE(ReportMissingLanguageFile(d));
    EXPECT_EQ(notes.shown.size(), 1u);
    EXPECT_EQ(GetLanguageString(d, 101), "");
}

TEST(CloseHelpCaptions, BothLanguages) {
    AppData d;
    InitCloseHelpCaptions(d);
    EXPECT_EQ(d.CloseCaptionText, (LangTexts{"", "&Close", "关闭(&C)"}));
    EXPECT_EQ(d.HelpCaptionText, (LangTexts{"", "&Help", "帮助(&H)"}));
    d.LanguageIndex = 2;
    EXPECT_EQ(LangText(d, d.HelpCaptionText), "帮助(&H)");
}
