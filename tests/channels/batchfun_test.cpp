// The batch editor's choice-of-functions file.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "channels/batchfun.h"
#include "core/appdata.h"
#include "core/fakes.h"
#include "core/messages.h"
#include "core/nonregularfiles.h"
#include "core/tempfolder.h"

namespace rp::test {
namespace {

std::string Bytes(std::initializer_list<int> v) {
    std::string s;
    for (int b : v) s += static_cast<char>(b);
    return s;
}

std::string DefaultFile() {
    std::string s(21, '\x01');
    s[15] = '\0';
    return s;
}

class BatchFunFile : public ::testing::Test {
public:
    TempFolder tmp;
    AppData d;
    RecordingNotifier notes;

    void SetUp() override {
        d.Ui.Notify = &notes;
        d.AppFolder = tmp / "app";
        d.UserConfigDir = tmp / "user";
        std::filesystem::create_directories(d.AppFolder);
        d.LanguageIndex = LangEnglish;
        InitMessageTexts(d);
    }
    std::string Beside() const { return d.AppFolder + "/BatchFun.ini"; }
    std::string UserCopy() const { return d.UserConfigDir + "/BatchFun.ini"; }
    // Neither folder can hold a file: both lie under a regular file.
    void MakeUnwritable() {
        WriteFile(tmp / "blocker", "x");
        d.AppFolder = tmp / "blocker/app";
        d.UserConfigDir = tmp / "blocker/user";
    }
    std::string Flags() const { return std::string(d.BatchFunFlag.begin(), d.BatchFunFlag.end()); }
};

TEST_F(BatchFunFile, AMissingFileIsCreatedWithTheDefaults) {
    LoadBatchFunFile(d);
    EXPECT_EQ(ReadFile(Beside()), DefaultFile());
    EXPECT_EQ(Flags(), DefaultFile());
    EXPECT_TRUE(notes.shown.empty());
}

TEST_F(BatchFunFile, FileBytesAsStoredButTheCompanderReadsAsZero) {
    struct Case {
        const char* what;
        std::string file;
        std::string flags;
    };
    std::string twentyOne = Bytes({1, 0, 2, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 0});
    std::string loaded = twentyOne;
    loaded[15] = 0;
    const Case cases[] = {
        {"byte 15 of 01 and a 02", twentyOne, loaded},
        {"a short file: the missing bytes are 0", Bytes({1, 1, 0}), Bytes({1, 1, 0}) + std::string(18, '\0')},
        {"an empty file", "", std::string(21, '\0')},
        {"a longer file: its first 21 bytes", twentyOne + "\x05\x05", loaded},
    };
    for (const Case& c : cases) {
        WriteFile(Beside(), c.file);
        d.BatchFunFlag.fill(9);
        LoadBatchFunFile(d);
        EXPECT_EQ(Flags(), c.flags) << c.what;
        EXPECT_EQ(ReadFile(Beside()), c.file) << c.what << ": loading never writes";
    }
    EXPECT_EQ(IsBatchFunOn(2), 1);
    EXPECT_EQ(IsBatchFunOn(1), 1);
    EXPECT_EQ(IsBatchFunOn(0), 0);
}

TEST_F(BatchFunFile, AChoiceRewritesTheFileAsExactly21Bytes) {
    std::string file = DefaultFile() + "tail";
    file[2] = 2;
    WriteFile(Beside(), file);
    LoadBatchFunFile(d);
    // Opening the dialog ticks the box of a 02 byte, which stores 1.
    EXPECT_TRUE(StoreBatchFunChoice(d, 2, IsBatchFunOn(d.BatchFunFlag[2]) == 1));
    EXPECT_EQ(ReadFile(Beside()), DefaultFile());
    EXPECT_TRUE(StoreBatchFunChoice(d, 20, false));
    std::string expected = DefaultFile();
    expected[20] = 0;
    EXPECT_EQ(ReadFile(Beside()), expected);
}

TEST_F(BatchFunFile, SelectNoneThenReloadHidesEveryRow) {
    LoadBatchFunFile(d);
    for (int i = 0; i < kBatchFunCount; ++i)
        if (i != kBatchFunCompander) {
            ASSERT_TRUE(StoreBatchFunChoice(d, i, false));
        }
    EXPECT_EQ(ReadFile(Beside()), std::string(21, '\0'));
    d.BatchFunFlag.fill(1);
    LoadBatchFunFile(d);
    EXPECT_EQ(Flags(), std::string(21, '\0'));
}

// Not a regular file (a pipe would wait for a writer for good): not opened,
// the defaults without a message, and it stays where it is; a choice goes to
// the per-user copy.
TEST_F(BatchFunFile, AFileThatCannotBeReadGivesTheDefaults) {
    const HangGuard guard;
    for (const auto& kind : kNonRegularKinds) {
        SCOPED_TRACE(kind.name);
        std::filesystem::remove_all(d.UserConfigDir);
        ASSERT_TRUE(MakeNonRegular(kind.kind, Beside()));
        d.BatchFunFlag.fill(7);
        LoadBatchFunFile(d);
        EXPECT_EQ(Flags(), DefaultFile());
        EXPECT_TRUE(notes.shown.empty());
        EXPECT_FALSE(std::filesystem::is_regular_file(Beside()));
        EXPECT_TRUE(StoreBatchFunChoice(d, 2, false));
        EXPECT_EQ(ReadFile(UserCopy())[2], '\0');
        EXPECT_FALSE(std::filesystem::is_regular_file(Beside()));
    }
}

TEST_F(BatchFunFile, ThePerUserCopyIsReadFirstAndWrittenThen) {
    WriteFile(Beside(), DefaultFile());
    WriteFile(UserCopy(), std::string(21, '\0'));
    LoadBatchFunFile(d);
    EXPECT_EQ(Flags(), std::string(21, '\0'));
    StoreBatchFunChoice(d, 3, true);
    EXPECT_EQ(ReadFile(UserCopy())[3], '\x01');
    EXPECT_EQ(ReadFile(Beside()), DefaultFile());
}

TEST_F(BatchFunFile, AProgramFolderThatCannotBeWrittenSendsTheFileToTheUserFolder) {
    WriteFile(tmp / "blocker", "x");
    d.AppFolder = tmp / "blocker/app";
    LoadBatchFunFile(d);
    EXPECT_EQ(ReadFile(UserCopy()), DefaultFile());
    EXPECT_TRUE(StoreBatchFunChoice(d, 0, false));
    EXPECT_EQ(ReadFile(UserCopy())[0], '\0');
}

TEST_F(BatchFunFile, AnInstalledProgramKeepsTheFileInTheUserFolder) {
    d.AppFolder = tmp / "prefix/share/kevra8r";
    std::filesystem::create_directories(d.AppFolder);
    LoadBatchFunFile(d);
    EXPECT_EQ(ReadFile(UserCopy()), DefaultFile());
    EXPECT_TRUE(StoreBatchFunChoice(d, 2, false));
    EXPECT_EQ(ReadFile(UserCopy())[2], '\0');
    EXPECT_TRUE(std::filesystem::is_empty(d.AppFolder));
}

TEST_F(BatchFunFile, AFailedCreationIsSilentAndAFailedRewriteIsReportedOnce) {
    MakeUnwritable();
    LoadBatchFunFile(d);
    EXPECT_EQ(Flags(), DefaultFile());
    EXPECT_TRUE(notes.shown.empty());

    EXPECT_FALSE(StoreBatchFunChoice(d, 4, false));
    EXPECT_FALSE(StoreBatchFunChoice(d, 5, false));
    EXPECT_EQ(notes.Texts(), std::vector<std::string>{"file error.\nBatchFun.ini: Permission denied"});
    // The choice stays for the run.
    EXPECT_EQ(d.BatchFunFlag[4], 0);
    EXPECT_EQ(d.BatchFunFlag[5], 0);
}

TEST_F(BatchFunFile, TheFileErrorSpeaksTheLanguage) {
    MakeUnwritable();
    d.LanguageIndex = LangChinese;
    StoreBatchFunChoice(d, 0, true);
    EXPECT_EQ(notes.Texts(), std::vector<std::string>{"文件错误。\nBatchFun.ini: Permission denied"});
}

}  // namespace
}  // namespace rp::test
