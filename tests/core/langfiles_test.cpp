// The shipped language files against the key registry
// (tests/core/data/language_keys.tsv) and the keys the code looks up.
#include <gtest/gtest.h>

#include <charconv>
#include <filesystem>
#include <fstream>
#include <map>
#include <regex>
#include <set>
#include <string>
#include <vector>

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

bool IsValidUtf8(std::string_view s) {
    std::size_t i = 0;
    while (i < s.size()) {
        unsigned char c = static_cast<unsigned char>(s[i]);
        std::size_t n = c < 0x80 ? 1 : (c >> 5) == 6 ? 2 : (c >> 4) == 14 ? 3 : (c >> 3) == 30 ? 4 : 0;
        if (n == 0 || i + n > s.size()) return false;
        for (std::size_t k = 1; k < n; ++k)
            if ((static_cast<unsigned char>(s[i + k]) & 0xC0) != 0x80) return false;
        i += n;
    }
    return true;
}

// Keys looked up with a literal in the program's sources.
struct UsedKey {
    std::string section, key, where;
};

std::vector<UsedKey> FindUsedKeys(const std::string& text, const std::string& where) {
    static const std::regex other(R"((?:GetLanguageString\s*\(\s*[^,()]+,|Texts->Text\s*\()\s*(\d+)\s*\))");
    static const std::regex msg(R"re(GetLanguageMsgString\s*\(\s*[^,()]+,\s*"([^"]*)")re");
    static const std::regex option(R"re(GetLanguageOptionString\s*\(\s*[^,()]+,\s*"([^"]*)")re");
    std::vector<UsedKey> used;
    for (const auto& [re, section] : {std::pair{&other, "OTHER"}, {&msg, "MSG"}, {&option, "OPTION"}})
        for (std::sregex_iterator it(text.begin(), text.end(), *re), end; it != end; ++it)
            used.push_back({section, (*it)[1].str(), where});
    return used;
}

std::vector<UsedKey> ScanSources() {
    std::vector<UsedKey> used;
    for (const auto& top : fs::directory_iterator(kSource)) {
        const std::string name = top.path().filename().string();
        if (!top.is_directory() || name.starts_with(".") || name.starts_with("build") ||
            name == "tests" || name == "language")
            continue;
        for (const auto& e : fs::recursive_directory_iterator(top.path())) {
            const std::string ext = e.path().extension().string();
            if (!e.is_regular_file() || (ext != ".cpp" && ext != ".h")) continue;
            auto found = FindUsedKeys(test::ReadFile(e.path().string()), e.path().string());
            used.insert(used.end(), found.begin(), found.end());
        }
    }
    return used;
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
    // The keys this layer names itself.
    for (int key : {langkey::FontName, langkey::FontSize, langkey::OK, langkey::Cancel,
                    langkey::EnglishName, langkey::ChineseName, langkey::LanguageDialog})
        EXPECT_TRUE(registry.at("OTHER").count(std::to_string(key))) << key;
    // Every literal key in the sources.
    for (const UsedKey& u : ScanSources()) {
        auto it = registry.find(u.section);
        EXPECT_TRUE(it != registry.end() && it->second.count(Lower(u.key)))
            << u.section << " key " << u.key << " used in " << u.where << " is not in the files";
    }
}

TEST(LanguageFiles, TheSourceScanFindsEachFormOfLookUp) {
    auto used = FindUsedKeys(
        "GetLanguageString(d, 2001); d.Ui.Texts->Text( 1503 ); GetLanguageMsgString(d, \"900C\");"
        "GetLanguageOptionString(*data, \"60024\"); GetLanguageString(d, key);",
        "sample");
    ASSERT_EQ(used.size(), 4u);
    EXPECT_EQ(used[0].key, "2001");
    EXPECT_EQ(used[1].key, "1503");
    EXPECT_EQ(used[2].section, "MSG");
    EXPECT_EQ(used[2].key, "900C");
    EXPECT_EQ(used[3].section, "OPTION");
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
