// Started from an installed program's bin/ folder by the install test: runs
// the program's start-up as the program does (its files found from the
// executable's place), ends the splash at once and, once the main window is
// shown, prints where the program found its files and checks they are there,
// and where it keeps its settings with one setting's value.
// Exit 0 when every file was found and no message box came up.
#include <QApplication>
#include <QLabel>
#include <QTest>

#include <cstdio>
#include <filesystem>
#include <string>

#include "app/program.h"
#include "core/defaults.h"
#include "core/language.h"
#include "core/paths.h"
#include "core/settings.h"
#include "mainwindow/frmsplash.h"
#include "mainwindow/frmsplashcontrols.h"

namespace {

class PrintingNotifier : public rp::Notifier {
public:
    int shown = 0;
    rp::MsgAnswer Show(const std::string& text, rp::MsgIcon, rp::MsgButtons, const std::string&) override {
        std::printf("message: %s\n", text.c_str());
        ++shown;
        return rp::MsgAnswer::Cancel;
    }
};

bool Check(const char* what, const std::string& path) {
    const bool there = std::filesystem::is_regular_file(path);
    std::printf("%s: %s%s\n", what, path.c_str(), there ? "" : " (missing)");
    return there;
}

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName("KEVRA_8R");
    PrintingNotifier notes;
    rp::Program program(&notes);
    program.Start();
    if (program.splash())
        program.splash()->binder().Run([&] { program.splash()->form().Click(rp::splash::Logo); });
    if (!QTest::qWaitFor([&] { return program.window() && program.window()->isVisible(); }, 20000)) {
        std::printf("the main window did not show\n");
        return 1;
    }
    rp::AppData& d = program.data();
    std::printf("program folder: %s\n", rp::ProgramFolder(d).c_str());
    bool ok = Check("language file", rp::LanguageFileFullPath(d));
    ok = Check("default data", rp::InitFolderOf(d) + "/KEVRA8R_0.dat") && ok;
    ok = Check("splash picture", rp::FrmSplash::PicturePath(d)) && ok;
    const std::string name = rp::GetLanguageString(d, rp::langkey::EnglishName);
    std::printf("language text %d: %s\n", rp::langkey::EnglishName, name.c_str());
    std::printf("settings file: %s\n", rp::ReadablePath(d, rp::kSettingsFile).c_str());
    std::printf("handshaking: %d\n", static_cast<int>(d.ComHandshaking));
    ok = ok && !name.empty() && notes.shown == 0;
    std::printf("%s\n", ok ? "found" : "not found");
    return ok ? 0 : 1;
}
