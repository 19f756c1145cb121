// The progress and password forms without widgets.
#include <gtest/gtest.h>

#include "core/fakes.h"
#include "core/language.h"
#include "core/messages.h"
#include "radio/frmpassword.h"
#include "radio/frmprogress.h"

using namespace rp;

namespace {

struct FormRig {
    AppData d;
    FormRig() {
        InitMessageTexts(d);
        d.AppFolder = RP_SOURCE_DIR;  // the shipped language files
        SetLanguageIndex(d, LangEnglish);
    }
};

}  // namespace

TEST(FrmProgress, LoadsItsModesTextsAndShowsPercentages) {
    FormRig rig;
    for (long mode : {1L, 2L}) {
        FrmProgress f(rig.d, mode);
        f.Form_Load();
        EXPECT_EQ(f.State().caption, mode == 1 ? "Read data from radio" : "Write data to radio");
        EXPECT_EQ(f.C(progress::Prompt).text, LangText(rig.d, rig.d.Msg.ProgressLabelText));
        EXPECT_EQ(f.C(progress::Percent).text, "0%");
        EXPECT_EQ(f.C(progress::Bar).max, 100);
        EXPECT_EQ(f.C(progress::Bar).value, 0);
        struct Step {
            int in, bar;
            const char* label;
        };
        for (Step s : {Step{57, 57, "57%"}, Step{100, 100, "100%"}, Step{130, 100, "100%"}, Step{-3, 0, "0%"}}) {
            f.SetProgressValue(s.in);
            EXPECT_EQ(f.C(progress::Bar).value, s.bar);
            EXPECT_EQ(f.C(progress::Percent).text, s.label);
        }
        EXPECT_FALSE(f.QueryUnload());  // only the transfer's end closes it
        f.TransferRunning = false;
        EXPECT_TRUE(f.QueryUnload());
    }
    SetLanguageIndex(rig.d, LangChinese);
    FrmProgress zh(rig.d, 1);
    zh.Form_Load();
    EXPECT_EQ(zh.State().caption, "从对讲机读取数据");
}

TEST(FrmPassWord, OffersTheLastPasswordAndOnlyOkChangesIt) {
    FormRig rig;
    rig.d.InputPassWord = "12";
    {
        FrmPassWord f(rig.d);
        f.Form_Load();
        EXPECT_EQ(f.State().caption, GetLanguageString(rig.d, 3100));
        EXPECT_EQ(f.C(password::Prompt).text, GetLanguageString(rig.d, 3101));
        EXPECT_FALSE(f.C(password::Prompt).text.empty());
        EXPECT_EQ(f.C(kOKButton).text, GetLanguageString(rig.d, 101));
        EXPECT_EQ(f.C(kCancelButton).text, GetLanguageString(rig.d, 102));
        EXPECT_EQ(f.C(password::PassWord).text, "12");
        EXPECT_EQ(f.C(password::PassWord).max, 4);
        f.C(password::PassWord).text = "99";
        f.Click(kCancelButton);
        EXPECT_TRUE(f.unloadRequested);
        EXPECT_FALSE(f.PassWordDialogOK);
        EXPECT_EQ(rig.d.InputPassWord, "12");
    }
    {
        FrmPassWord f(rig.d);
        f.Form_Load();
        f.C(password::PassWord).text = "ab  ";  // trailing blanks go
        f.Click(kOKButton);
        EXPECT_TRUE(f.unloadRequested);
        EXPECT_TRUE(f.PassWordDialogOK);
        EXPECT_EQ(rig.d.InputPassWord, "ab");
        EXPECT_EQ(f.EnteredPassWord(), "ab");
    }
}
