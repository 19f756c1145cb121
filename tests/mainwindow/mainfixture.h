#pragma once
// A started program state (built-in defaults, English) in a temporary
// folder holding copies of the language files, with recording seams.
#include <gtest/gtest.h>

#include <filesystem>

#include "core/appdata.h"
#include "core/language.h"
#include "core/startup.h"
#include "core/fakes.h"
#include "core/tempfolder.h"

namespace rp::test {

class StartedProgram {
public:
    TempFolder tmp;
    AppData d;
    RecordingNotifier notes;
    LanguageFileTexts texts{d};

    explicit StartedProgram(bool factory = false, const std::string& model = "KEVRA8R") {
        namespace fs = std::filesystem;
        fs::create_directories(tmp / "language");
        for (const char* f : {"english.ini", "chinese.ini"})
            fs::copy_file(std::string(RP_SOURCE_DIR) + "/language/" + f, tmp / ("language/" + std::string(f)));
        d.AppFolder = tmp.path();
        d.UserConfigDir = tmp / "user";
        d.InitFolder = tmp / "Init";
        d.Ui.Notify = &notes;
        d.Ui.Texts = &texts;
        StartupHooks h;
        h.LanguageIndex = 1;
        Main(d, h);
        d.FactoryTestMode = factory;
        d.CurModel = model;
        d.CurModelShowName = model == "KEVRA8R" ? "KEVRA-8R" : model;
        notes.shown.clear();
    }
};

}  // namespace rp::test
