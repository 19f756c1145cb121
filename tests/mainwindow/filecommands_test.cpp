// The file commands without widgets: questions, choosers, what is saved,
// replaced or kept, and the close path's save question.
#include <gtest/gtest.h>

#include <filesystem>
#include <ostream>

#include "core/datafiles.h"
#include "core/recordio.h"
#include "formhostfake.h"
#include "mainfixture.h"
#include "mainwindow/filecommands.h"
#include "mainwindow/frmmain.h"

namespace rp {
namespace {

using namespace mainform;
using test::ReadFile;
using test::StartedProgram;

constexpr std::size_t kSubVolumeOffset = 10168;
constexpr Byte kModifiedMark = 3;  // SubVolume of the edited data
constexpr Byte kOtherMark = 7;     // SubVolume of other.dat

const char* const kSaveQuestion = "Data has been modified. Save it now?";
const char* const kModified = "File has been modify,save it now?";
const char* const kCleared = "All data will be cleared.";
const char* const kOverwrite = "\"radio.dat\"file will be Overwrite,Continue?";
const char* const kFileError = "file error.";

enum class Start { Untitled, Titled, TitledGone };
enum class Cmd { New, Init, Open, Save, SaveAs, Exit, CloseBox };
enum class Data { Kept, Defaults, Other };

struct Case {
    std::string name;
    Cmd cmd;
    Start start;
    bool modified;
    std::vector<MsgAnswer> answers;
    std::vector<std::string> chosen;  // the choosers' answers: "radio", "other", "missing"; "" cancels
    // Expected:
    std::vector<std::string> asked;
    Data data;
    bool wrote;              // radio.dat holds the edited data
    std::string path;        // "new.dat", "radio", "gone", "other"
    bool modifiedAfter;
    bool closed = false;     // Exit and the close box
};
void PrintTo(const Case& c, std::ostream* os) { *os << c.name; }

using A = MsgAnswer;

const Case kCases[] = {
    // New
    {"NewUnchangedOk", Cmd::New, Start::Untitled, false, {A::Ok}, {}, {kCleared}, Data::Defaults, false, "new.dat", false},
    {"NewUnchangedCancel", Cmd::New, Start::Titled, false, {A::Cancel}, {}, {kCleared}, Data::Kept, false, "radio", false},
    {"NewCancelAtSaveQuestion", Cmd::New, Start::Untitled, true, {A::Cancel}, {}, {kSaveQuestion}, Data::Kept, false, "new.dat", true},
    {"NewNoThenOk", Cmd::New, Start::Titled, true, {A::No, A::Ok}, {}, {kSaveQuestion, kCleared}, Data::Defaults, false, "new.dat", false},
    {"NewNoThenCancel", Cmd::New, Start::Untitled, true, {A::No, A::Cancel}, {}, {kSaveQuestion, kCleared}, Data::Kept, false, "new.dat", true},
    {"NewYesSavesThenClears", Cmd::New, Start::Titled, true, {A::Yes, A::Ok, A::Ok}, {}, {kSaveQuestion, kOverwrite, kCleared}, Data::Defaults, true, "new.dat", false},
    {"NewYesOverwriteCancelled", Cmd::New, Start::Titled, true, {A::Yes, A::Cancel}, {}, {kSaveQuestion, kOverwrite}, Data::Kept, false, "radio", true},
    {"NewYesSaveFails", Cmd::New, Start::TitledGone, true, {A::Yes, A::Ok}, {}, {kSaveQuestion, kOverwrite, kFileError}, Data::Kept, false, "gone", true},
    {"NewYesChooserCancelled", Cmd::New, Start::Untitled, true, {A::Yes}, {""}, {kSaveQuestion}, Data::Kept, false, "new.dat", true},
    {"NewYesUntitledSavesAs", Cmd::New, Start::Untitled, true, {A::Yes, A::Ok}, {"radio"}, {kSaveQuestion, kCleared}, Data::Defaults, true, "new.dat", false},
    // Set > Init
    {"InitUnchangedAsksNothing", Cmd::Init, Start::Titled, false, {}, {}, {}, Data::Defaults, false, "new.dat", false},
    {"InitNo", Cmd::Init, Start::Untitled, true, {A::No}, {}, {kSaveQuestion}, Data::Defaults, false, "new.dat", false},
    {"InitCancel", Cmd::Init, Start::Untitled, true, {A::Cancel}, {}, {kSaveQuestion}, Data::Kept, false, "new.dat", true},
    {"InitYesSaveFails", Cmd::Init, Start::TitledGone, true, {A::Yes, A::Ok}, {}, {kSaveQuestion, kOverwrite, kFileError}, Data::Kept, false, "gone", true},
    // Open
    {"OpenUnchanged", Cmd::Open, Start::Untitled, false, {}, {"other"}, {}, Data::Other, false, "other", false},
    {"OpenCancelAtSaveQuestion", Cmd::Open, Start::Untitled, true, {A::Cancel}, {}, {kModified}, Data::Kept, false, "new.dat", true},
    {"OpenNo", Cmd::Open, Start::Titled, true, {A::No}, {"other"}, {kModified}, Data::Other, false, "other", false},
    {"OpenNoChooserCancelled", Cmd::Open, Start::Titled, true, {A::No}, {""}, {kModified}, Data::Kept, false, "radio", true},
    {"OpenYesSavesAsThenOpens", Cmd::Open, Start::Untitled, true, {A::Yes}, {"radio", "other"}, {kModified}, Data::Other, true, "other", false},
    {"OpenYesSaveFails", Cmd::Open, Start::TitledGone, true, {A::Yes, A::Ok}, {}, {kModified, kOverwrite, kFileError}, Data::Kept, false, "gone", true},
    // Save
    {"SaveTitledOk", Cmd::Save, Start::Titled, true, {A::Ok}, {}, {kOverwrite}, Data::Kept, true, "radio", false},
    {"SaveTitledCancel", Cmd::Save, Start::Titled, true, {A::Cancel}, {}, {kOverwrite}, Data::Kept, false, "radio", true},
    {"SaveUntitledChoosesAName", Cmd::Save, Start::Untitled, true, {}, {"radio"}, {}, Data::Kept, true, "radio", false},
    {"SaveUntitledCancelled", Cmd::Save, Start::Untitled, true, {}, {""}, {}, Data::Kept, false, "new.dat", true},
    {"SaveFails", Cmd::Save, Start::TitledGone, true, {A::Ok}, {}, {kOverwrite, kFileError}, Data::Kept, false, "gone", true},
    // Save As
    {"SaveAsCancelled", Cmd::SaveAs, Start::Titled, true, {}, {""}, {}, Data::Kept, false, "radio", true},
    {"SaveAsOverExistingAsks", Cmd::SaveAs, Start::Titled, true, {A::Ok}, {"radio"}, {kOverwrite}, Data::Kept, true, "radio", false},
    {"SaveAsOverExistingCancel", Cmd::SaveAs, Start::Titled, true, {A::Cancel}, {"radio"}, {kOverwrite}, Data::Kept, false, "radio", true},
    {"SaveAsNewName", Cmd::SaveAs, Start::Untitled, true, {}, {"radio"}, {}, Data::Kept, true, "radio", false},
    {"SaveAsFails", Cmd::SaveAs, Start::Untitled, true, {}, {"missing"}, {kFileError}, Data::Kept, false, "new.dat", true},
    // File > Exit and the close box
    {"ExitUnchanged", Cmd::Exit, Start::Titled, false, {}, {}, {}, Data::Kept, false, "radio", false, true},
    {"ExitCancel", Cmd::Exit, Start::Untitled, true, {A::Cancel}, {}, {kSaveQuestion}, Data::Kept, false, "new.dat", true, false},
    {"ExitNo", Cmd::Exit, Start::Untitled, true, {A::No}, {}, {kSaveQuestion}, Data::Kept, false, "new.dat", true, true},
    {"ExitYesSaves", Cmd::Exit, Start::Titled, true, {A::Yes, A::Ok}, {}, {kSaveQuestion, kOverwrite}, Data::Kept, true, "radio", false, true},
    {"ExitYesChooserCancelled", Cmd::Exit, Start::Untitled, true, {A::Yes}, {""}, {kSaveQuestion}, Data::Kept, false, "new.dat", true, false},
    {"ExitYesSaveFails", Cmd::Exit, Start::TitledGone, true, {A::Yes, A::Ok}, {}, {kSaveQuestion, kOverwrite, kFileError}, Data::Kept, false, "gone", true, false},
    {"CloseBoxCancel", Cmd::CloseBox, Start::Titled, true, {A::Cancel}, {}, {kSaveQuestion}, Data::Kept, false, "radio", true, false},
    {"CloseBoxNo", Cmd::CloseBox, Start::Titled, true, {A::No}, {}, {kSaveQuestion}, Data::Kept, false, "radio", true, true},
    {"CloseBoxYesOverwriteCancelled", Cmd::CloseBox, Start::Titled, true, {A::Yes, A::Cancel}, {}, {kSaveQuestion, kOverwrite}, Data::Kept, false, "radio", true, false},
};

// A started program with its main-window form and the file commands.
class FileCommandsTest : public ::testing::Test {
protected:
    StartedProgram p;
    AppData& d = p.d;
    FrmMain f{d};
    FileCommands fc{d, f};
    test::ScriptedFileChooser files;
    test::FakeHost host;
    std::vector<std::string>& opened = host.opened;
    bool closed = false;

    void SetUp() override {
        d.Ui.View = &f;
        d.Ui.Files = &files;
        f.SetHost(&host);
        f.hooks.CloseWindow = [this] { closed = f.QueryClose(); };
        f.Form_Load();
        fc.Attach();
        fc.homeFolder = p.tmp / "home";
        // other.dat: the defaults with their own mark.
        AppData e = d;
        test::RecordingNotifier quiet;
        e.Ui.Notify = &quiet;
        e.WorkData.SubVolume = kOtherMark;
        EXPECT_TRUE(SaveDataFile(e, P("other.dat")));
    }
    std::string P(const std::string& rel) { return p.tmp / rel; }
    std::string PathOf(const std::string& token) {
        if (token == "radio") return P("radio.dat");
        if (token == "gone") return P("gone/radio.dat");
        if (token == "other") return P("other.dat");
        return token;
    }
    Byte SavedMark(const std::string& path) {
        const std::string bytes = ReadFile(path);
        return bytes.size() > kSubVolumeOffset ? static_cast<Byte>(bytes[kSubVolumeOffset]) : 0xFF;
    }
};

class FileCommandTable : public FileCommandsTest, public ::testing::WithParamInterface<Case> {};

TEST_P(FileCommandTable, Outcome) {
    const Case& c = GetParam();
    if (c.start != Start::Untitled) {
        const std::string path = c.start == Start::Titled ? P("radio.dat") : P("gone/radio.dat");
        std::filesystem::create_directories(std::filesystem::path(path).parent_path());
        ASSERT_TRUE(SaveDataFile(d, path));
        if (c.start == Start::TitledGone) std::filesystem::remove_all(P("gone"));
    }
    ASSERT_EQ(d.IsUntitled, c.start == Start::Untitled);
    if (c.modified) d.WorkData.SubVolume = kModifiedMark;
    ASSERT_EQ(IsDataChanged(d), c.modified);
    const Byte before = d.WorkData.SubVolume;
    for (A a : c.answers) p.notes.answers.push_back(a);
    for (const auto& ch : c.chosen) {
        if (ch.empty()) {
            files.answers.push_back(std::nullopt);
        } else {
            files.answers.push_back(ch == "radio" ? P("radio") : ch == "missing" ? P("missing/x.dat") : PathOf(ch));
        }
    }

    bool stillOpen = true;
    switch (c.cmd) {
    case Cmd::New: f.RunCommand(FileNew); break;
    case Cmd::Init: f.RunCommand(SetInit); break;
    case Cmd::Open: f.RunCommand(FileOpen); break;
    case Cmd::Save: f.RunCommand(FileSave); break;
    case Cmd::SaveAs: f.RunCommand(FileSaveAs); break;
    case Cmd::Exit: f.RunCommand(FileExit); stillOpen = !closed; break;
    case Cmd::CloseBox: stillOpen = !f.QueryClose(); break;
    }

    EXPECT_EQ(p.notes.FirstLines(), c.asked);
    for (const auto& m : p.notes.shown) {
        if (m.text.starts_with(kFileError)) continue;  // the data files' own box: the program's title
        EXPECT_EQ(m.title, "KEVRA_8R") << m.text;
        const bool overwrite = m.text == kOverwrite;
        EXPECT_EQ(m.icon, overwrite ? MsgIcon::Question : MsgIcon::Warning) << m.text;
    }
    switch (c.data) {
    case Data::Kept: EXPECT_EQ(d.WorkData.SubVolume, before); break;
    case Data::Defaults: EXPECT_EQ(d.WorkData.SubVolume, 0); break;
    case Data::Other: EXPECT_EQ(d.WorkData.SubVolume, kOtherMark); break;
    }
    EXPECT_EQ(SavedMark(P("radio.dat")) == kModifiedMark, c.wrote);
    EXPECT_EQ(d.DataFilePath, PathOf(c.path));
    EXPECT_EQ(d.IsUntitled, c.path == "new.dat");
    EXPECT_EQ(IsDataChanged(d), c.modifiedAfter);
    EXPECT_FALSE(d.ForceFactoryFres);
    if (c.cmd == Cmd::Exit || c.cmd == Cmd::CloseBox) {
        EXPECT_EQ(!stillOpen, c.closed);
    }
    // Exactly the choosers scripted were shown.
    EXPECT_EQ(files.shown.size(), c.chosen.size());
}

INSTANTIATE_TEST_SUITE_P(Commands, FileCommandTable, ::testing::ValuesIn(kCases),
                         [](const auto& info) { return info.param.name; });

TEST_F(FileCommandsTest, ChoosersStartWhereTheUserWasAndUseTheWindowsFilter) {
    d.WorkData.SubVolume = kModifiedMark;
    // Save As on untitled data starts with "new.dat" in the home folder.
    files.answers.push_back(P("sub/radio"));
    std::filesystem::create_directories(P("sub"));
    EXPECT_EQ(fc.mnuFileSaveAs_Click(), SaveOutcome::Saved);
    ASSERT_EQ(files.shown.size(), 1u);
    EXPECT_TRUE(files.shown[0].save);
    EXPECT_EQ(files.shown[0].request.filter, "Data File (*.dat)");
    EXPECT_EQ(files.shown[0].request.startPath, P("home/new.dat"));
    // The caption shows the new name at once.
    EXPECT_NE(f.State().caption.find(P("sub/radio.dat")), std::string::npos) << f.State().caption;
    EXPECT_EQ(ReadFile(P("sub/radio.fre")).size(), ReadFile(P("sub/radio.fre")).size());
    // Open starts with the path last chosen; Save As with DataFilePath.
    files.answers.push_back(std::nullopt);
    f.RunCommand(FileOpen);
    EXPECT_FALSE(files.shown[1].save);
    EXPECT_EQ(files.shown[1].request.startPath, P("sub/radio.dat"));
    files.answers.push_back(std::nullopt);
    f.RunCommand(FileSaveAs);
    EXPECT_EQ(files.shown[2].request.startPath, P("sub/radio.dat"));
    // After New the bare name goes into the folder last used.
    f.RunCommand(SetInit);
    files.answers.push_back(std::nullopt);
    f.RunCommand(FileSave);
    EXPECT_EQ(files.shown[3].request.startPath, P("sub/new.dat"));
    // In Chinese the filter is the Chinese one.
    d.LanguageIndex = 2;
    f.LoadShowTree();
    files.answers.push_back(std::nullopt);
    f.RunCommand(FileOpen);
    EXPECT_EQ(files.shown[4].request.filter, "数据文件 (*.dat)");
}

TEST_F(FileCommandsTest, SaveAsWritesTheSetThatReopensAsTheSameData) {
    d.WorkData.SubVolume = kModifiedMark;
    d.FreData[0].Name.Set("HOME");
    files.answers.push_back(P("radio"));
    f.RunCommand(FileSaveAs);
    EXPECT_EQ(ReadFile(P("radio.dat")).size(), kDataRecordSize);
    EXPECT_EQ(ReadFile(P("radio.fre")).size(), static_cast<std::size_t>(d.FreDataCount()) * kChannelRecordSize);
    const RadioDataRec saved = d.WorkData;
    const FreDataRec first = d.FreData[0];
    f.RunCommand(SetInit);
    ASSERT_NE(d.WorkData, saved);
    files.answers.push_back(P("radio.dat"));
    f.RunCommand(FileOpen);
    EXPECT_EQ(d.WorkData, saved);
    EXPECT_EQ(d.FreData[0], first);
    EXPECT_EQ(d.DataFilePath, P("radio.dat"));
    EXPECT_FALSE(IsDataChanged(d));
    // A typed name with a "." keeps it; a name too short is refused.
    files.answers.push_back(P("radio.v2"));
    f.RunCommand(FileSaveAs);
    EXPECT_TRUE(std::filesystem::exists(P("radio.v2")));
    EXPECT_TRUE(std::filesystem::exists(P("radio.fre")));
    files.answers.push_back(P("a.b"));
    f.RunCommand(FileSaveAs);
    EXPECT_EQ(p.notes.Texts(), std::vector<std::string>{std::string(kFileError) + "\na.b: Invalid argument"});
    EXPECT_EQ(d.DataFilePath, P("radio.v2"));
}

TEST_F(FileCommandsTest, RefusedAndCorruptFilesChangeNothing) {
    d.WorkData.SubVolume = kModifiedMark;
    ASSERT_TRUE(SaveDataFile(d, P("radio.dat")));
    d.WorkData.SubVolume = 1;  // modified again
    std::string other = ReadFile(P("other.dat"));
    other.replace(12293, 7, "7425USD");
    test::WriteFile(P("model.dat"), other);
    test::WriteFile(P("short.dat"), ReadFile(P("other.dat")).substr(0, 1000));
    test::WriteFile(P("short.fre"), "");
    struct Refusal {
        const char* file;
        std::string message;
    };
    const std::string error = std::string(kFileError) + "\n";
    for (const Refusal& r : {Refusal{"model.dat", "Model type is wrong. Overwrite?"},
                             Refusal{"short.dat", error + "short.dat: its contents cannot be used"},
                             Refusal{"nothing-here.dat", error + "nothing-here.dat: No such file or directory"}}) {
        p.notes.shown.clear();
        p.notes.answers = {A::No};
        files.answers.push_back(P(r.file));
        f.RunCommand(FileOpen);
        EXPECT_EQ(p.notes.Texts(), (std::vector<std::string>{kModified, r.message})) << r.file;
        EXPECT_EQ(d.DataFilePath, P("radio.dat")) << r.file;
        EXPECT_EQ(d.WorkData.SubVolume, 1) << r.file;
        EXPECT_TRUE(IsDataChanged(d)) << r.file;
    }
    // The next Save still targets the file the data came from.
    p.notes.shown.clear();
    p.notes.answers = {A::Ok};
    f.RunCommand(FileSave);
    EXPECT_EQ(SavedMark(P("radio.dat")), 1);
    EXPECT_EQ(ReadFile(P("model.dat")).substr(12293, 7), "7425USD");
}

TEST_F(FileCommandsTest, NothingRunsWhileATransferRuns) {
    d.WorkData.SubVolume = kModifiedMark;
    bool running = true;
    fc.TransferRunning = [&] { return running; };
    files.answers.push_back(P("radio"));
    for (const char* cmd : {FileNew, SetInit, FileOpen, FileSave, FileSaveAs, FileExit, HelpAbout}) f.RunCommand(cmd);
    for (const char* key : {ToolNew, ToolOpen, ToolSave, ToolAbout}) f.ButtonClick(ToolBar, key);
    EXPECT_EQ(f.mnuFileSave_Click(), SaveOutcome::Cancelled);
    EXPECT_TRUE(p.notes.shown.empty());
    EXPECT_TRUE(files.shown.empty());
    EXPECT_TRUE(opened.empty());
    EXPECT_FALSE(closed);
    EXPECT_EQ(d.WorkData.SubVolume, kModifiedMark);
    running = false;
    f.ButtonClick(ToolBar, ToolSave);
    EXPECT_EQ(d.DataFilePath, P("radio.dat"));
    f.ButtonClick(ToolBar, ToolAbout);
    EXPECT_EQ(opened, std::vector<std::string>{"frmAbout"});
}

TEST_F(FileCommandsTest, ToolbarButtonsRunTheFileCommands) {
    p.notes.answers = {A::Cancel};
    f.ButtonClick(ToolBar, ToolNew);
    files.answers.push_back(std::nullopt);
    f.ButtonClick(ToolBar, ToolOpen);
    EXPECT_EQ(p.notes.Texts(), std::vector<std::string>{kCleared});
    EXPECT_EQ(files.shown.size(), 1u);
}

TEST_F(FileCommandsTest, SaveQuestionStepReportsWhatHappened) {
    MainWindowCalls none;  // a main window without File > Save
    EXPECT_EQ(AskSaveQuestion(d, none, "q"), SaveAnswer::Unchanged);
    EXPECT_TRUE(p.notes.shown.empty());
    d.WorkData.SubVolume = kModifiedMark;
    struct Step {
        MsgAnswer answer;
        SaveAnswer expected;
    };
    for (const Step& s : {Step{A::Yes, SaveAnswer::Cancelled}, Step{A::No, SaveAnswer::Declined},
                          Step{A::Cancel, SaveAnswer::Cancelled}}) {
        p.notes.answers = {s.answer};
        EXPECT_EQ(AskSaveQuestion(d, none, "q"), s.expected);
    }
    // Through the main window's File > Save: the overwrite question, then the save.
    ASSERT_TRUE(SaveDataFile(d, P("radio.dat")));
    d.WorkData.SubVolume = 1;
    p.notes.answers = {A::Yes, A::Ok};
    EXPECT_EQ(AskSaveQuestion(d, f, SaveQuestionText(d)), SaveAnswer::Saved);
    EXPECT_EQ(SavedMark(P("radio.dat")), 1);
    EXPECT_EQ(p.notes.shown.back().text, kOverwrite);
}

TEST_F(FileCommandsTest, SaveQuestionIsReadAfreshFromTheLanguageFile) {
    d.WorkData.SubVolume = kModifiedMark;
    p.notes.fallback = A::Cancel;
    f.RunCommand(FileNew);
    const std::string file = p.tmp / "language/english.ini";
    std::string text = ReadFile(file);
    const std::string old = "9001=Data has been modified. Save it now?";
    ASSERT_NE(text.find(old), std::string::npos);
    text.replace(text.find(old), old.size(), "9001=Save the changes first?");
    test::WriteFile(file, text);
    f.RunCommand(FileNew);
    EXPECT_EQ(p.notes.Texts(), (std::vector<std::string>{kSaveQuestion, "Save the changes first?"}));
}

TEST(FileCommandNames, ExtensionAndSaveAsStart) {
    EXPECT_EQ(FileCommands::WithDataExtension("/a/radio"), "/a/radio.dat");
    EXPECT_EQ(FileCommands::WithDataExtension("/a.b/radio"), "/a.b/radio.dat");
    EXPECT_EQ(FileCommands::WithDataExtension("/a/radio.v2"), "/a/radio.v2");
    EXPECT_EQ(FileCommands::WithDataExtension("/a/radio."), "/a/radio.");
    EXPECT_EQ(FileCommands::SaveAsStartPath("/d/x.dat", "/e/y.dat", "/h"), "/d/x.dat");
    EXPECT_EQ(FileCommands::SaveAsStartPath("new.dat", "/e/y.dat", "/h"), "/e/new.dat");
    EXPECT_EQ(FileCommands::SaveAsStartPath("new.dat", "", "/h"), "/h/new.dat");
    EXPECT_EQ(FileCommands::SaveAsStartPath("new.dat", "/y.dat", "/h"), "/new.dat");
    EXPECT_EQ(FileCommands::SaveAsStartPath("new.dat", "", ""), "new.dat");
}

}  // namespace
}  // namespace rp
