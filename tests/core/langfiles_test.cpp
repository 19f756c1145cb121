// The shipped language files against the key registry
// (tests/core/data/language_keys.tsv) and the keys the code looks up.
#include <gtest/gtest.h>

#include <algorithm>
#include <charconv>
#include <filesystem>
#include <fstream>
#include <map>
#include <regex>
#include <set>
#include <string>
#include <vector>

#include "core/utf8check.h"
#include "core/language.h"
#include "core/profile.h"
#include "tempfolder.h"

using namespace rp;
namespace fs = std::filesystem;

namespace {

const std::string kSource = RP_SOURCE_DIR;
const char* const kSections[] = {"OTHER", "MSG", "OPTION"};
const char* const kFiles[] = {"english.ini", "chinese.ini"};

using KeySets = std::map<std::string, std::set<std::string>>;  // section -> keys

std::string Lower(std::string s) {
    for (char& c : s)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    return s;
}

// The registry: section, key, role per line; "#" starts a comment line.
KeySets LoadRegistry() {
    KeySets keys;
    std::ifstream in(kSource + "/tests/core/data/language_keys.tsv");
    EXPECT_TRUE(in) << "registry missing";
    std::string line;
    while (std::getline(in, line)) {
        if (line.empty() || line[0] == '#') continue;
        std::size_t t1 = line.find('\t');
        std::size_t t2 = line.find('\t', t1 + 1);
        EXPECT_TRUE(t1 != std::string::npos && t2 != std::string::npos) << line;
        if (t1 == std::string::npos || t2 == std::string::npos) continue;
        std::string section = line.substr(0, t1), key = line.substr(t1 + 1, t2 - t1 - 1);
        EXPECT_FALSE(line.substr(t2 + 1).empty()) << "no role for " << key;
        EXPECT_TRUE(keys[section].insert(Lower(key)).second) << "registered twice: " << key;
    }
    return keys;
}

using rp::test::IsValidUtf8;

// Keys the program's sources look up. A key is found when it is
//  - a literal in a look-up (GetLanguageString(d, 1001), ...->Text(1503),
//    GetLanguageMsgString(d, "900C"), GetLanguageOptionString(d, "60024"));
//  - a named constant in a look-up (Text(kTextOutOfRange), Text(commtext::WriteOK)),
//    resolved through its definition anywhere in the sources;
//  - an integer constant defined in a key namespace (a namespace whose name
//    ends in "key" or "text", such as langkey or commtext) or named kText...,
//    since such constants may reach the look-up through a wrapper.
struct UsedKey {
    std::string section, key, where;
};

struct SourceFile {
    std::string where, text;
};

// name -> value of every integer constant defined in the sources.
std::map<std::string, std::string> ConstantDefinitions(const std::vector<SourceFile>& files) {
    static const std::regex def(R"(constexpr\s+(?:int|Integer|std::int16_t|short)\s+(\w+)\s*=\s*(\d+)\s*;)");
    std::map<std::string, std::string> defs;
    for (const SourceFile& f : files)
        for (std::sregex_iterator it(f.text.begin(), f.text.end(), def), end; it != end; ++it)
            defs[(*it)[1].str()] = (*it)[2].str();
    return defs;
}

std::vector<UsedKey> FindUsedKeys(const std::vector<SourceFile>& files) {
    static const std::regex other(
        R"((?:GetLanguageString\s*\(\s*[^,()]+,|\bText\s*\()\s*((?:\w+::)*\w+)\s*\))");
    static const std::regex msg(R"re(GetLanguageMsgString\s*\(\s*[^,()]+,\s*"([^"]*)")re");
    static const std::regex option(R"re(GetLanguageOptionString\s*\(\s*[^,()]+,\s*"([^"]*)")re");
    static const std::regex keyNamespace(R"(namespace\s+(\w*(?:key|text))\s*\{([^{}]*)\})",
                                         std::regex::icase);
    static const std::regex constant(R"(constexpr\s+(?:int|Integer|std::int16_t|short)\s+(\w+)\s*=\s*(\d+)\s*;)");
    static const std::regex digits(R"(\d+)");
    const std::map<std::string, std::string> defs = ConstantDefinitions(files);

    std::vector<UsedKey> used;
    for (const SourceFile& f : files) {
        const std::string& text = f.text;
        for (std::sregex_iterator it(text.begin(), text.end(), other), end; it != end; ++it) {
            std::string arg = (*it)[1].str();
            if (std::regex_match(arg, digits)) {
                used.push_back({"OTHER", arg, f.where});
                continue;
            }
            std::string name = arg.substr(arg.rfind(':') == std::string::npos ? 0 : arg.rfind(':') + 1);
            auto d = defs.find(name);
            if (d != defs.end()) used.push_back({"OTHER", d->second, f.where + " (" + arg + ")"});
            // Anything else is a variable passed through (Text(key)).
        }
        for (const auto& [re, section] : {std::pair{&msg, "MSG"}, {&option, "OPTION"}})
            for (std::sregex_iterator it(text.begin(), text.end(), *re), end; it != end; ++it)
                used.push_back({section, (*it)[1].str(), f.where});
        for (std::sregex_iterator ns(text.begin(), text.end(), keyNamespace), end; ns != end; ++ns) {
            const std::string body = (*ns)[2].str();
            for (std::sregex_iterator c(body.begin(), body.end(), constant); c != end; ++c)
                used.push_back({"OTHER", (*c)[2].str(),
                                f.where + " (" + (*ns)[1].str() + "::" + (*c)[1].str() + ")"});
        }
        for (const auto& [name, value] : defs)
            if (name.starts_with("kText") && text.find(name) != std::string::npos)
                used.push_back({"OTHER", value, f.where + " (" + name + ")"});
    }
    return used;
}

std::vector<SourceFile> ReadSources() {
    std::vector<SourceFile> files;
    for (const auto& top : fs::directory_iterator(kSource)) {
        const std::string name = top.path().filename().string();
        if (!top.is_directory() || name.starts_with(".") || name.starts_with("build") ||
            name == "tests" || name == "language")
            continue;
        for (const auto& e : fs::recursive_directory_iterator(top.path())) {
            const std::string ext = e.path().extension().string();
            if (!e.is_regular_file() || (ext != ".cpp" && ext != ".h")) continue;
            files.push_back({e.path().string(), test::ReadFile(e.path().string())});
        }
    }
    return files;
}

// The used keys that the registry lacks, one line each.
std::vector<std::string> MissingKeys(const KeySets& registry, const std::vector<UsedKey>& used) {
    std::vector<std::string> missing;
    for (const UsedKey& u : used) {
        auto it = registry.find(u.section);
        if (it == registry.end() || !it->second.count(Lower(u.key)))
            missing.push_back(u.section + " key " + u.key + " used in " + u.where);
    }
    return missing;
}

}  // namespace

TEST(LanguageFiles, HoldExactlyTheRegisteredKeys) {
    const KeySets registry = LoadRegistry();
    for (const char* section : kSections) EXPECT_FALSE(registry.count(section) == 0) << section;
    EXPECT_EQ(registry.size(), std::size(kSections));

    for (const char* file : kFiles) {
        SCOPED_TRACE(file);
        const std::string path = kSource + "/language/" + file;
        std::optional<ProfileData> data = ProfileData::Load(path);
        ASSERT_TRUE(data);
        std::set<std::string> sectionNames;
        for (const auto& s : data->Sections())
            EXPECT_TRUE(sectionNames.insert(Lower(s.name)).second) << "section twice: " << s.name;
        EXPECT_EQ(sectionNames, (std::set<std::string>{"msg", "option", "other"}));

        for (const char* section : kSections) {
            std::set<std::string> keys;
            for (const auto& e : data->Entries(section)) {
                EXPECT_TRUE(keys.insert(Lower(e.key)).second) << section << " key twice: " << e.key;
                EXPECT_FALSE(e.value.empty()) << section << "/" << e.key;
                EXPECT_LE(e.value.size(), ProfileReadLimit(section, 100000)) << section << "/" << e.key;
                EXPECT_TRUE(IsValidUtf8(e.value)) << section << "/" << e.key;
            }
            EXPECT_EQ(keys, registry.at(section)) << section;
        }
        // No comments: the files hold texts only.
        const std::string text = "\n" + test::ReadFile(path);
        EXPECT_EQ(text.find("\n;"), std::string::npos);
        EXPECT_EQ(text.find("\n#"), std::string::npos);
    }
}

TEST(LanguageFiles, OtherKeysAreSixteenBitDecimals) {
    const KeySets registry = LoadRegistry();
    for (const std::string& key : registry.at("OTHER")) {
        int v = -1;
        auto r = std::from_chars(key.data(), key.data() + key.size(), v);
        ASSERT_TRUE(r.ec == std::errc() && r.ptr == key.data() + key.size()) << key;
        EXPECT_TRUE(v >= 0 && v <= 32767 && std::to_string(v) == key) << key;
    }
}

TEST(LanguageFiles, FontAndLanguageTexts) {
    struct Case {
        int index;
        int key;
        const char* want;
    } cases[] = {
        {1, langkey::FontName, "DejaVu Sans"}, {2, langkey::FontName, "WenQuanYi Micro Hei"},
        {1, langkey::EnglishName, "English"}, {2, langkey::ChineseName, "中文"},
        {1, langkey::OK, "OK"}, {2, langkey::Cancel, "取消"},
    };
    AppData d;
    d.AppFolder = kSource;
    for (const Case& c : cases) {
        SetLanguageIndex(d, c.index);
        EXPECT_EQ(GetLanguageString(d, c.key), c.want) << c.key;
    }
    for (int index : {1, 2}) {
        SetLanguageIndex(d, index);
        const std::string size = GetLanguageString(d, langkey::FontSize);
        int v = 0;
        auto r = std::from_chars(size.data(), size.data() + size.size(), v);
        EXPECT_TRUE(r.ec == std::errc() && r.ptr == size.data() + size.size() && v > 0) << size;
    }
}

TEST(LanguageFiles, EveryKeyTheCodeLooksUpExists) {
    const KeySets registry = LoadRegistry();
    const std::vector<UsedKey> used = FindUsedKeys(ReadSources());
    // The keys this layer names itself are among those found.
    for (int key : {langkey::FontName, langkey::FontSize, langkey::OK, langkey::Cancel,
                    langkey::EnglishName, langkey::ChineseName, langkey::LanguageDialog}) {
        EXPECT_TRUE(std::any_of(used.begin(), used.end(),
                                [&](const UsedKey& u) { return u.key == std::to_string(key); }))
            << key << " not found by the source scan";
    }
    for (const std::string& m : MissingKeys(registry, used)) ADD_FAILURE() << m << " is not in the files";

    // A key dropped from the files is reported.
    ASSERT_FALSE(used.empty());
    KeySets without = registry;
    without[used.front().section].erase(Lower(used.front().key));
    EXPECT_FALSE(MissingKeys(without, used).empty());
}

TEST(LanguageFiles, TheSourceScanFindsEachFormOfLookUp) {
    const std::vector<SourceFile> files = {
        {"a.h",
         "namespace langkey {\ninline constexpr int OK = 101;\n}\n"
         "namespace commtext {\ninline constexpr int PortError = 2002;\n}\n"
         "inline constexpr int kTextOutOfRange = 2001;\n"
         "inline constexpr int kFreDataMax = 206;\n"
         "constexpr int kDialogCaption = 3005;\n"},
        {"b.cpp",
         "GetLanguageString(d, 1001); d.Ui.Texts->Text( 1503 ); GetLanguageMsgString(d, \"900C\");"
         "GetLanguageOptionString(*data, \"60024\"); GetLanguageString(d, key);"
         "Show(d.Ui.Texts->Text(kTextOutOfRange)); caption = Text(kDialogCaption);"
         "Post(commtext::PortError); x = kFreDataMax;"},
    };
    std::set<std::pair<std::string, std::string>> found;
    for (const UsedKey& u : FindUsedKeys(files)) found.insert({u.section, u.key});
    const std::set<std::pair<std::string, std::string>> want = {
        {"OTHER", "101"},  {"OTHER", "2002"}, {"OTHER", "2001"}, {"OTHER", "1001"},
        {"OTHER", "1503"}, {"OTHER", "3005"}, {"MSG", "900C"},   {"OPTION", "60024"},
    };
    EXPECT_EQ(found, want);  // not 206: a constant that is no key
}

TEST(LanguageFiles, TheBuildShipsThemBesideTheProgram) {
    for (const char* file : {"english.ini", "chinese.ini", "mysetup.ini"}) {
        const std::string built = std::string(RP_BINARY_DIR) + "/bin/language/" + file;
        ASSERT_TRUE(fs::exists(built)) << built;
        if (std::string(file) != "mysetup.ini") {
            EXPECT_TRUE(test::ReadFile(built) == test::ReadFile(kSource + "/language/" + file))
                << built << " differs from the shipped file";
        }
    }
}
