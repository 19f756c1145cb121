#pragma once
// Where the radio windows' tests start: a program folder of their own (the
// shipped language files copied in, so the settings file can be written and
// compared), English texts, recording seams and a fake port list.
#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "core/appdata.h"
#include "core/fakes.h"
#include "core/language.h"
#include "core/messages.h"
#include "core/tempfolder.h"
#include "link/ports.h"

namespace rp::test {

// Pseudo-terminals are never enumerated: a test lists what it likes.
class FakePorts : public PortListProvider {
public:
    std::vector<PortInfo> ports;
    std::set<std::string> existing;  // paths that exist besides the listed ones
    std::vector<PortInfo> Ports() override { return ports; }
    bool Exists(const std::string& p) override {
        for (const auto& e : ports)
            if (e.Path == p || e.SystemPath == p) return true;
        return existing.count(p) > 0;
    }
    void Add(const std::string& path) { ports.push_back({path, path}); }
};

class RadioFormTest : public ::testing::Test {
protected:
    TempFolder tmp;
    AppData d;
    RecordingNotifier notes;
    RecordingListener view;
    ScriptedFileChooser files;
    FakePorts ports;

    void SetUp() override {
        namespace fs = std::filesystem;
        d.AppFolder = tmp / "app";
        d.UserConfigDir = tmp / "user";
        fs::create_directories(d.AppFolder + "/language");
        for (const char* f : {"english.ini", "chinese.ini"})
            fs::copy_file(std::string(RP_SOURCE_DIR) + "/language/" + f, d.AppFolder + "/language/" + f);
        d.Ui.Notify = &notes;
        d.Ui.View = &view;
        d.Ui.Files = &files;
        InitMessageTexts(d);
        SetLanguageIndex(d, LangEnglish);
    }

    // Every file under the temporary folder with its contents.
    std::map<std::string, std::string> Files() const {
        std::map<std::string, std::string> m;
        for (const auto& e : std::filesystem::recursive_directory_iterator(tmp.path()))
            if (e.is_regular_file()) m[e.path().string()] = ReadFile(e.path().string());
        return m;
    }
};

}  // namespace rp::test
