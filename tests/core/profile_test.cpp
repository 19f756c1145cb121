#include <gtest/gtest.h>

#include <cerrno>
#include <filesystem>

#include "core/fileio.h"
#include "core/nonregularfiles.h"
#include "core/profile.h"
#include "core/utf8check.h"
#include "tempfolder.h"

using namespace rp;
using rp::test::ReadFile;
using rp::test::TempFolder;
using rp::test::WriteFile;

namespace {

using rp::test::IsValidUtf8;

std::size_t CountTempFiles(const std::string& folder) {
    std::size_t n = 0;
    for (const auto& e : std::filesystem::directory_iterator(folder))
        if (e.path().filename().string().find(".ini.") != std::string::npos) ++n;
    return n;
}

}  // namespace

TEST(ProfileRead, LookupRules) {
    TempFolder t;
    const std::string path = t / "a.ini";
    WriteFile(path,
              "\xEF\xBB\xBF[OTHER]\r\n"
              "; a comment = not a key\r\n"
              "1=   padded text \t \r\n"
              "2=first\r\n"
              "2=second\r\n"
              "Mixed=Case\r\n"
              "3=\r\n"
              "[other]\r\n"
              "2=third\r\n"
              "4=from the second block\r\n"
              "[MSG]\n"
              "900C=five-tone\n"
              "[Empty]\n");
    struct Case {
        const char* section;
        const char* key;
        const char* want;
    } cases[] = {
        {"OTHER", "1", "padded text"},       // blanks trimmed at both ends
        {"OTHER", "2", "first"},             // first occurrence wins
        {"other", "mixed", "Case"},          // names match in any letter case
        {"OTHER", "3", ""},                  // empty value
        {"OTHER", "4", "from the second block"},
        {"OTHER", "99", ""},                 // missing key
        {"MISSING", "1", ""},                // missing section
        {"msg", "900c", "five-tone"},
        {"Empty", "1", ""},
        {"OTHER", "; a comment", ""},        // comments are not keys
    };
    for (const Case& c : cases)
        EXPECT_EQ(ReadProfileString(path, c.section, c.key), c.want) << c.section << "/" << c.key;
    EXPECT_EQ(ReadProfileString(t / "missing.ini", "OTHER", "1"), "");
    EXPECT_EQ(ReadProfileString(t.path(), "OTHER", "1"), "");  // a folder, not a file
}

TEST(ProfileRead, LongValuesAreCutByTheirSection) {
    TempFolder t;
    const std::string path = t / "a.ini";
    const std::string ascii300(300, 'x');
    const std::string ascii600(600, 'y');
    std::string han;  // 300 characters of 3 bytes each
    for (int i = 0; i < 300; ++i) han += "频";
    // A cut that ends just after a blank inside the text drops that blank.
    const std::string blankAtCut = std::string(253, 'z') + " tail";
    WriteFile(path, "[OTHER]\n1=" + ascii300 + "\n2=" + han + "\n3=" + blankAtCut +
                        "\n[OPTION]\n60024=" + ascii300 +
                        "\n[MSG]\n9001=" + ascii600 + "\n[language]\nSkin=" + ascii600 + "\n");

    EXPECT_EQ(ReadProfileString(path, "OTHER", "1"), ascii300.substr(0, 254));
    EXPECT_EQ(ReadProfileString(path, "OTHER", "1", 4096), ascii300.substr(0, 254));
    EXPECT_EQ(ReadProfileString(path, "OTHER", "3"), std::string(253, 'z'));
    EXPECT_EQ(ReadProfileString(path, "OPTION", "60024", 4096), ascii300.substr(0, 254));
    // [MSG] keeps 511 bytes, whatever larger buffer the caller passes.
    EXPECT_EQ(ReadProfileString(path, "MSG", "9001", 4096), ascii600.substr(0, 511));
    EXPECT_EQ(ReadProfileString(path, "MSG", "9001", kProfileMsgBufferSize), ascii600.substr(0, 511));
    // A smaller buffer cuts sooner; another section follows the buffer only.
    EXPECT_EQ(ReadProfileString(path, "OTHER", "1", 11), ascii300.substr(0, 10));
    EXPECT_EQ(ReadProfileString(path, "language", "Skin", 512), ascii600.substr(0, 511));

    // The cut never splits a character: 254 bytes hold 84 whole ones.
    std::string cut = ReadProfileString(path, "OTHER", "2");
    EXPECT_EQ(cut.size(), 252u);
    EXPECT_TRUE(IsValidUtf8(cut));
    EXPECT_EQ(cut, han.substr(0, 252));
}

TEST(ProfileRead, CutUtf8StopsOnCharacterBoundaries) {
    const std::string s = "a\xC3\xA9\xE4\xB8\xAD\xF0\x9F\x98\x80";  // a é 中 😀 (1+2+3+4 bytes)
    const std::size_t want[] = {0, 1, 1, 3, 3, 3, 6, 6, 6, 6, 10, 10};
    for (std::size_t n = 0; n < std::size(want); ++n)
        EXPECT_EQ(CutUtf8(s, n).size(), want[n]) << n;
}

TEST(ProfileWrite, ChangesOneKeyInPlaceAndKeepsEverythingElse) {
    TempFolder t;
    const std::string path = t / "setup.ini";
    const std::string before =
        "\xEF\xBB\xBF; settings\r\n"
        "[language]\r\n"
        "IsFirstRun=1\r\n"
        "  ; keep me\r\n"
        "comPort = 3\r\n"
        "Unknown=stays\r\n"
        "\r\n"
        "[Other]\r\n"
        "comPort=9\r\n";
    WriteFile(path, before);

    ASSERT_TRUE(WriteProfileString(path, "LANGUAGE", "COMPORT", "5"));
    std::string after = ReadFile(path);
    std::string expected = before;
    expected.replace(expected.find("comPort = 3"), 11, "comPort=5");
    EXPECT_EQ(after, expected);
    EXPECT_EQ(ReadProfileString(path, "language", "comPort"), "5");
    EXPECT_EQ(ReadProfileString(path, "Other", "comPort"), "9");

    // A missing key joins the end of its section (before the blank line and
    // the next section), in the file's own line endings.
    ASSERT_TRUE(WriteProfileString(path, "language", "StopBit", "2"));
    EXPECT_NE(ReadFile(path).find("Unknown=stays\r\nStopBit=2\r\n\r\n[Other]"), std::string::npos);

    // A missing section joins the end of the file.
    ASSERT_TRUE(WriteProfileString(path, "New", "k", "v w"));
    EXPECT_EQ(ReadProfileString(path, "New", "k"), "v w");
    EXPECT_EQ(ReadFile(path).substr(0, 3), "\xEF\xBB\xBF");
    EXPECT_EQ(CountTempFiles(t.path()), 0u);
}

TEST(ProfileWrite, CreatesAMissingFileAndEndsAnOpenLastLine) {
    TempFolder t;
    ASSERT_TRUE(WriteProfileString(t / "new.ini", "language", "comPort", "1"));
    EXPECT_EQ(ReadFile(t / "new.ini"), "[language]\ncomPort=1\n");

    WriteFile(t / "open.ini", "[language]\nSkin=");
    ASSERT_TRUE(WriteProfileString(t / "open.ini", "language", "comPort", "2"));
    EXPECT_EQ(ReadFile(t / "open.ini"), "[language]\nSkin=\ncomPort=2\n");
}

TEST(ProfileWrite, RefusesWhatCannotBeWrittenAndLeavesTheFile) {
    TempFolder t;
    const std::string path = t / "a.ini";
    WriteFile(path, "[s]\nk=v\n");
    struct Case {
        const char* section;
        const char* key;
        const char* value;
    } cases[] = {
        {"s", "", "x"}, {"s", "a=b", "x"}, {"s", "k", "two\nlines"}, {"s", "k\n", "x"},
        {"", "k", "x"}, {"s]", "k", "x"}, {"s", "[k", "x"}, {"s", ";k", "x"},
    };
    for (const Case& c : cases)
        EXPECT_FALSE(WriteProfileString(path, c.section, c.key, c.value)) << c.key << c.value;
    EXPECT_EQ(ReadFile(path), "[s]\nk=v\n");
    // A file that cannot be replaced (its folder is missing) fails cleanly.
    EXPECT_FALSE(WriteProfileString(t / "no/such/folder/a.ini", "s", "k", "v"));
}

// The settings file and the language files: a pipe, a device, a socket or a
// folder in their place reads as missing at once, and a write leaves it
// there, with its reason (a folder's as writing over it would say).
TEST(ProfileFiles, ThingsThatAreNotRegularFilesAreNeitherReadNorReplaced) {
    const rp::test::HangGuard guard;
    TempFolder t;
    for (const auto& kind : rp::test::kNonRegularKinds) {
        SCOPED_TRACE(kind.name);
        const std::string path = t / "mysetup.ini";
        ASSERT_TRUE(rp::test::MakeNonRegular(kind.kind, path));
        EXPECT_FALSE(ProfileData::Load(path).has_value());
        EXPECT_EQ(ReadProfileString(path, "language", "comPort"), "");
        int error = 0;
        EXPECT_FALSE(WriteProfileString(path, "language", "comPort", "2", &error));
        EXPECT_EQ(error, kind.kind == rp::test::NonRegular::Folder ? EISDIR : kNotRegularFile);
        EXPECT_FALSE(std::filesystem::is_regular_file(path));
        EXPECT_EQ(CountTempFiles(t.path()), 0u);
    }
}
