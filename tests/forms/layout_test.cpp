// The source tree keeps its layers: the kit below the windows, the main
// window's folder used only by what drives it, the platform layer below the
// windows, files of a readable size, and each control named in one table.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <regex>
#include <set>
#include <sstream>
#include <string>
#include <vector>

namespace rp {
namespace {

namespace fs = std::filesystem;

struct SourceFile {
    std::string path;  // relative to the source root, with '/'
    std::string text;
};

std::vector<SourceFile> Sources(const std::vector<std::string>& folders) {
    std::vector<SourceFile> files;
    const fs::path root = RP_SOURCE_DIR;
    for (const std::string& folder : folders) {
        if (!fs::exists(root / folder)) continue;
        for (const auto& e : fs::recursive_directory_iterator(root / folder)) {
            const std::string ext = e.path().extension().string();
            if (!e.is_regular_file() || (ext != ".cpp" && ext != ".h")) continue;
            std::ifstream in(e.path(), std::ios::binary);
            std::ostringstream text;
            text << in.rdbuf();
            files.push_back({fs::relative(e.path(), root).generic_string(), text.str()});
        }
    }
    return files;
}

const std::vector<std::string> kSourceFolders = {"core",     "link",     "platform",   "forms",    "widgets",
                                                 "mainwindow", "radio", "channels",   "settings", "fivetone",
                                                 "signalling", "printing", "app",     "tools"};

std::vector<std::string> Includes(const std::string& text) {
    static const std::regex include(R"re(#include\s+"([^"]+)")re");
    std::vector<std::string> found;
    for (std::sregex_iterator it(text.begin(), text.end(), include), end; it != end; ++it)
        found.push_back((*it)[1]);
    return found;
}

bool StartsWith(const std::string& s, const std::string& prefix) { return s.rfind(prefix, 0) == 0; }

TEST(SourceLayout, OnlyWhatDrivesTheMainWindowIncludesIt) {
    for (const SourceFile& f : Sources(kSourceFolders)) {
        if (StartsWith(f.path, "app/") || StartsWith(f.path, "radio/") || StartsWith(f.path, "mainwindow/"))
            continue;
        for (const std::string& inc : Includes(f.text))
            EXPECT_FALSE(StartsWith(inc, "mainwindow/")) << f.path << " includes " << inc;
    }
}

TEST(SourceLayout, KitAndPlatformIncludeNoWindowFolder) {
    const struct {
        const char* folder;
        std::vector<std::string> allowed;
    } rules[] = {
        {"forms/", {"forms/", "core/"}},
        {"platform/", {"platform/", "core/", "link/"}},
        {"widgets/", {"widgets/", "forms/", "core/"}},
    };
    for (const SourceFile& f : Sources({"forms", "platform", "widgets"})) {
        for (const auto& rule : rules) {
            if (!StartsWith(f.path, rule.folder)) continue;
            for (const std::string& inc : Includes(f.text)) {
                bool ok = false;
                for (const std::string& a : rule.allowed) ok = ok || StartsWith(inc, a);
                EXPECT_TRUE(ok) << f.path << " includes " << inc;
            }
        }
    }
}

TEST(SourceLayout, NoSourceFileOver800Lines) {
    for (const SourceFile& f : Sources(kSourceFolders)) {
        const auto lines = std::count(f.text.begin(), f.text.end(), '\n');
        EXPECT_LE(lines, 800) << f.path;
    }
}

// A control's name ("Combo1_5", "mnuFileSave", "WaitTimer") stands only in
// its form's control table; everything else uses the table's constant.
TEST(SourceLayout, ControlNamesStandOnlyInTheirTables) {
    static const std::regex literal(R"re("([A-Za-z][A-Za-z0-9]*(_[0-9]+)?)")re");
    static const std::regex controlName(
        "(Text|Combo|Check|Option|Command|Label|Frame|List|SSTab|MSH?FlexGrid|ProgressBar|Picture)"
        "([0-9]+|[A-Z][A-Za-z0-9]*)(_[0-9]+)?"
        "|(mnu|Mnu|cmd|lbl|pic|img|tv|tb|sb)[A-Z][A-Za-z0-9]*"
        "|[A-Za-z]+Timer[0-9]*");
    // Texts that only read like a control's name.
    const std::set<std::pair<std::string, std::string>> notNames = {
        {"settings/frmoption.cpp", "Label1"},  // a caption the design left as it was
    };
    for (const SourceFile& f : Sources(kSourceFolders)) {
        if (f.path.size() > 10 && f.path.compare(f.path.size() - 10, 10, "controls.h") == 0) continue;
        for (std::sregex_iterator it(f.text.begin(), f.text.end(), literal), end; it != end; ++it) {
            const std::string name = (*it)[1];
            if (notNames.count({f.path, name})) continue;
            EXPECT_FALSE(std::regex_match(name, controlName)) << f.path << ": \"" << name << "\"";
        }
    }
}

}  // namespace
}  // namespace rp
