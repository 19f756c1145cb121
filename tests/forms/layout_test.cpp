// The source tree keeps its layers: core, link, the kit and the platform
// layer below the windows, the main window's folder used only by what
// drives it, files of a readable size, and each control named in one table.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <map>
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

std::string ReadText(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

std::vector<SourceFile> Sources(const std::vector<std::string>& folders) {
    std::vector<SourceFile> files;
    const fs::path root = RP_SOURCE_DIR;
    for (const std::string& folder : folders) {
        if (!fs::exists(root / folder)) continue;
        for (const auto& e : fs::recursive_directory_iterator(root / folder)) {
            const std::string ext = e.path().extension().string();
            if (!e.is_regular_file() || (ext != ".cpp" && ext != ".h")) continue;
            files.push_back({fs::relative(e.path(), root).generic_string(), ReadText(e.path())});
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

bool StartsWithAny(const std::string& s, const std::vector<std::string>& prefixes) {
    for (const std::string& p : prefixes)
        if (StartsWith(s, p)) return true;
    return false;
}

// The folders below the windows, each with what it may include: itself and
// what lies beneath it.
const struct {
    const char* folder;
    std::vector<std::string> allowed;
} kLowerLayers[] = {
    {"core/", {"core/"}},
    {"link/", {"link/", "core/"}},
    {"forms/", {"forms/", "core/"}},
    {"platform/", {"platform/", "link/", "core/"}},
    {"widgets/", {"widgets/", "forms/", "core/"}},
};

// Every include that breaks the layers: a lower layer reaching into a window
// folder (or above itself), and a window folder other than the main
// window's own reaching into mainwindow/ (only app/ drives the main window;
// tests and benchmarks are not scanned).
std::vector<std::string> LayerFaults(const std::vector<SourceFile>& files) {
    std::vector<std::string> faults;
    for (const SourceFile& f : files) {
        for (const std::string& inc : Includes(f.text)) {
            bool ok = true;
            for (const auto& layer : kLowerLayers)
                if (StartsWith(f.path, layer.folder)) ok = StartsWithAny(inc, layer.allowed);
            if (StartsWith(inc, "mainwindow/") && !StartsWith(f.path, "mainwindow/") && !StartsWith(f.path, "app/"))
                ok = false;
            if (!ok) faults.push_back(f.path + " includes " + inc);
        }
    }
    return faults;
}

TEST(SourceLayout, EveryIncludeKeepsTheLayers) {
    for (const std::string& fault : LayerFaults(Sources(kSourceFolders))) ADD_FAILURE() << fault;
}

// The check itself: the upward edges it must catch, and the edges that are
// allowed.
TEST(SourceLayout, LayerCheckCatchesUpwardIncludes) {
    const struct {
        const char* file;
        const char* include;
        bool fault;
    } cases[] = {
        {"core/printerport.h", "printing/reportclock.h", true},
        {"link/engine.h", "forms/formstate.h", true},
        {"forms/savequestion.h", "mainwindow/frmmain.h", true},
        {"platform/qtprinterport.h", "printing/printer.h", true},
        {"widgets/dialoghost.h", "channels/frmbank.h", true},
        {"radio/radiocommands.h", "mainwindow/frmmain.h", true},
        {"radio/qt/radiolink.h", "mainwindow/frmmain.h", true},
        {"printing/printjob.cpp", "mainwindow/frmmaincontrols.h", true},
        {"tools/simradio.cpp", "mainwindow/frmmain.h", true},
        {"core/printerport.h", "core/reportclock.h", false},
        {"platform/qtprinterport.h", "core/printerport.h", false},
        {"widgets/binder.h", "forms/formstate.h", false},
        {"radio/radiocommands.h", "forms/mainwindowcommands.h", false},
        {"mainwindow/radiomenu.h", "radio/radiocommands.h", false},
        {"mainwindow/qt/frmmainshell.h", "mainwindow/frmmain.h", false},
        {"app/program.cpp", "mainwindow/radiomenu.h", false},
    };
    for (const auto& c : cases) {
        const SourceFile file{c.file, std::string("#include \"") + c.include + "\"\n"};
        EXPECT_EQ(LayerFaults({file}).size(), c.fault ? 1u : 0u) << c.file << " -> " << c.include;
    }
}

// ---- each library's link line against its sources' includes ----

// A library of the tree: the folder of its sources (not its subfolders),
// the tree's libraries it links and the Qt modules it links.
struct Library {
    std::string folder;
    std::set<std::string> links;
    std::set<std::string> qtModules;
};

std::vector<std::string> Words(const std::string& text) {
    std::istringstream in(text);
    std::vector<std::string> words;
    for (std::string w; in >> w;) words.push_back(w);
    return words;
}

// The libraries as the CMakeLists.txt files of the folders below app/ make
// them: rp_plain_library (with its qt/ subfolder's library), rp_qt_library
// and a plain add_library with its target_link_libraries.
std::map<std::string, Library> TreeLibraries() {
    const fs::path root = RP_SOURCE_DIR;
    std::smatch m;
    // The Qt modules rp_qt_library gives every library it makes.
    const std::string macros = ReadText(root / "cmake/RpLibraries.cmake");
    static const std::regex qtLinks(R"re(function\(rp_qt_library[\s\S]*?\$\{A_DEPS\}([^)]*)\))re");
    std::vector<std::string> qtWords;
    if (std::regex_search(macros, m, qtLinks)) qtWords = Words(m[1]);

    std::map<std::string, Library> libs;
    auto add = [&libs](const std::string& name, const std::string& folder, const std::vector<std::string>& words) {
        Library& lib = libs[name];
        lib.folder = folder;
        for (const std::string& w : words) {
            if (StartsWith(w, "Qt6::"))
                lib.qtModules.insert(w.substr(5));
            else
                lib.links.insert(w);
        }
    };
    static const std::regex plain(R"re(rp_plain_library\((\w+)\s+DEPS([^)]*)\))re");
    static const std::regex qt(R"re(rp_qt_library\((\w+)\s+\S+\s+DEPS([^)]*)\))re");
    static const std::regex linked(R"re(target_link_libraries\((\w+)\s+PUBLIC([^)]*)\))re");
    for (const char* folder : {"core", "link", "forms", "platform", "widgets", "mainwindow", "radio", "channels",
                               "settings", "fivetone", "signalling", "printing"}) {
        const std::string text = ReadText(root / folder / "CMakeLists.txt");
        if (std::regex_search(text, m, plain)) {
            std::vector<std::string> deps = Words(m[2]), qtDeps = {m[1].str(), "widgets"};
            if (auto q = std::find(deps.begin(), deps.end(), "QT_DEPS"); q != deps.end()) {
                qtDeps.insert(qtDeps.end(), q + 1, deps.end());
                deps.erase(q, deps.end());
            }
            add(m[1], folder, deps);
            qtDeps.insert(qtDeps.end(), qtWords.begin(), qtWords.end());
            if (fs::exists(root / folder / "qt")) add(m[1].str() + "_qt", std::string(folder) + "/qt", qtDeps);
        } else if (std::regex_search(text, m, qt)) {
            std::vector<std::string> deps = Words(m[2]);
            deps.insert(deps.end(), qtWords.begin(), qtWords.end());
            add(m[1], folder, deps);
        } else if (std::regex_search(text, m, linked)) {
            add(m[1], folder, Words(m[2]));
        } else {
            add(folder, folder, {});
        }
    }
    return libs;
}

// The library an include names: "radio/qt/openers.h" is radio_qt's.
std::string LibraryOf(const std::string& include) {
    const auto slash = include.find('/');
    if (slash == std::string::npos) return "";
    const std::string folder = include.substr(0, slash);
    return StartsWith(include.substr(slash + 1), "qt/") ? folder + "_qt" : folder;
}

std::set<std::string> Reachable(const std::map<std::string, Library>& libs, const std::string& from) {
    std::set<std::string> seen;
    std::vector<std::string> todo = {from};
    while (!todo.empty()) {
        const std::string name = todo.back();
        todo.pop_back();
        auto it = libs.find(name);
        if (it == libs.end()) continue;
        for (const std::string& l : it->second.links)
            if (seen.insert(l).second) todo.push_back(l);
    }
    return seen;
}

// A library links a library of the tree only when its own sources include
// it, and reaches every one they include; only a library whose sources
// include the serial port's or the printer's Qt headers links that module.
TEST(SourceLayout, EachLibraryLinksWhatItsSourcesInclude) {
    static const std::regex qtHeader(R"re(#include\s+<(QSerial|QPrint|QPageSetupDialog|QAbstractPrintDialog))re");
    const auto libs = TreeLibraries();
    EXPECT_EQ(libs.size(), 19u);  // 5 below the windows, 7 window folders and their qt/ shells
    for (const auto& [name, lib] : libs) {
        std::set<std::string> included, modules;
        for (const SourceFile& f : Sources({lib.folder})) {
            if (f.path.find('/', lib.folder.size() + 1) != std::string::npos) continue;  // a subfolder's
            for (const std::string& inc : Includes(f.text)) included.insert(LibraryOf(inc));
            for (std::sregex_iterator it(f.text.begin(), f.text.end(), qtHeader), end; it != end; ++it)
                modules.insert(StartsWith((*it)[1], "QSerial") ? "SerialPort" : "PrintSupport");
        }
        included.erase(name);
        for (const std::string& l : lib.links)
            EXPECT_TRUE(included.count(l)) << name << " links " << l << " but includes none of its headers";
        const std::set<std::string> reach = Reachable(libs, name);
        for (const std::string& l : included)
            EXPECT_TRUE(reach.count(l)) << name << " includes " << l << " but does not link it";
        for (const char* module : {"SerialPort", "PrintSupport"}) {
            const bool links = lib.qtModules.count(module) != 0, includes = modules.count(module) != 0;
            EXPECT_EQ(links, includes) << name << (links ? " links Qt6::" : " does not link Qt6::") << module;
        }
    }
}

// A form's name stands once, as its class's kName: the form passes it to
// Form and its shell registers under it, so the two cannot drift apart.
TEST(SourceLayout, FormNamesAreTheirClassesConstants) {
    static const std::regex literalName(R"re(\b(Form|Register)\(\s*")re");
    for (const SourceFile& f : Sources(kSourceFolders))
        EXPECT_FALSE(std::regex_search(f.text, literalName)) << f.path;
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
