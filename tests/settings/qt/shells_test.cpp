// Every settings dialog: each control has a widget of its kind, and a
// screenshot of each for a look at the layout.
#include <QDir>
#include <QPixmap>
#include <gtest/gtest.h>

#include "core/bands.h"
#include "core/defaults.h"
#include "core/language.h"
#include "core/messages.h"
#include "settings/qt/openers.h"
#include "settings/qt/shellfixture.h"
#include "shellchecktest.h"
#include "screenshots.h"

namespace {

using namespace rp;

// The shipped texts and the built-in data, read only.
AppData& Data() {
    static AppData* d = [] {
        auto* a = new AppData;
        a->AppFolder = RP_SOURCE_DIR;
        SetLanguageIndex(*a, 1);
        InitMessageTexts(*a);
        InitCloseHelpCaptions(*a);
        a->CurModel = "KEVRA8R";
        a->CurModelShowName = "KEVRA-8R";
        a->CurBandText = GetFreqRangeText(0);
        ParseBandRanges(*a);
        a->SkipInitFile = true;
        InitAllData(*a);
        InitEmgData(*a);
        return a;
    }();
    return *d;
}

const test::ShellCase kShells[] = {
    {"FrmAlert", [] { return BuildFormDialog(std::make_unique<FrmAlert>(Data()), nullptr, BuildFrmAlert); }},
    {"FrmScan", [] { return BuildFormDialog(std::make_unique<FrmScan>(Data()), nullptr, BuildFrmScan); }},
    {"FrmEMG", [] { return BuildFormDialog(std::make_unique<FrmEMG>(Data()), nullptr, BuildFrmEMG); }},
    {"FrmModel", [] { return BuildFormDialog(std::make_unique<FrmModel>(Data()), nullptr, BuildFrmModel); }},
    {"FrmInit", [] { return BuildFormDialog(std::make_unique<FrmInit>(Data()), nullptr, BuildFrmInit); }},
    {"FrmCommuBook", [] { return BuildFormDialog(std::make_unique<FrmCommuBook>(Data()), nullptr, BuildFrmCommuBook); }},
};
RP_SHELL_CONTROL_CHECK(SettingsShells, kShells);

using Screenshots = test::ShellTest;

TEST_F(Screenshots, OfEveryDialogInBothLanguages) {
    const QString folder = test::ScreenshotFolder("settings");
    ASSERT_TRUE(QDir(folder).exists());
    SetChannels({1, 2, 5, 12});
    for (int language : {1, 2}) {
        SetLanguageIndex(d, language);
        for (const char* name : {"FrmAlert", "FrmScan", "FrmEMG", "FrmModel", "FrmInit", "FrmCommuBook"}) {
            FormDialog* dlg = Open(name);
            ASSERT_NE(dlg, nullptr) << name;
            dlg->show();
            QCoreApplication::processEvents();
            const QString file = folder + "/" + name + (language == 1 ? "_en" : "_zh") + ".png";
            EXPECT_TRUE(dlg->grab().save(file)) << name;
            EXPECT_TRUE(dlg->isVisible()) << name;
            dlg->reject();
            EXPECT_TRUE(closed) << name;
        }
    }
}

}  // namespace
