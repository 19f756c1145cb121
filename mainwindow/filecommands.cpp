#include "mainwindow/filecommands.h"

#include <cstdlib>
#include <filesystem>

#include "core/datafiles.h"
#include "core/language.h"
#include "core/listutils.h"
#include "mainwindow/frmabout.h"

namespace rp {

namespace {

// ForceFactoryFres while Set > Init runs New, reset on every way out.
class ForceFactoryScope {
public:
    explicit ForceFactoryScope(AppData& d) : d_(d) { d_.ForceFactoryFres = true; }
    ~ForceFactoryScope() { d_.ForceFactoryFres = false; }
    ForceFactoryScope(const ForceFactoryScope&) = delete;
    ForceFactoryScope& operator=(const ForceFactoryScope&) = delete;

private:
    AppData& d_;
};

std::string FolderOf(const std::string& path) {
    const auto slash = path.find_last_of('/');
    if (slash == std::string::npos) return "";
    return slash == 0 ? "/" : path.substr(0, slash);
}

}  // namespace

FileCommands::FileCommands(AppData& d, FrmMain& main) : d_(d), main_(main) {}

void FileCommands::Attach() {
    main_.commands[mainform::FileNew] = [this] { mnuFileNew_Click(); };
    main_.commands[mainform::FileOpen] = [this] { mnuFileOpen_Click(); };
    main_.commands[mainform::FileSave] = [this] { mnuFileSave_Click(); };
    main_.commands[mainform::FileSaveAs] = [this] { mnuFileSaveAs_Click(); };
    main_.commands[mainform::FileExit] = [this] { mnuFileExit_Click(); };
    main_.commands[mainform::SetInit] = [this] { MnuSetInit_Click(); };
    main_.commands[mainform::HelpAbout] = [this] { MnuHelpAbout_Click(); };
    main_.fileSave = [this] { return mnuFileSave_Click(); };
    main_.closeSteps.AskSave = [this] { return QueryCloseSave(); };
}

// ---- names ----

std::string FileCommands::WithDataExtension(const std::string& path) {
    if (GetFileNameFromPath(path).find('.') != std::string::npos) return path;
    return path + ".dat";
}

std::string FileCommands::SaveAsStartPath(const std::string& dataFilePath, const std::string& lastChosen,
                                          const std::string& home) {
    if (dataFilePath.find('/') != std::string::npos) return dataFilePath;
    std::string folder = FolderOf(lastChosen);
    if (folder.empty()) folder = home;
    if (folder.empty()) return dataFilePath;
    return (folder == "/" ? "" : folder) + "/" + dataFilePath;
}

std::string FileCommands::Home() const {
    if (!homeFolder.empty()) return homeFolder;
    const char* h = std::getenv("HOME");
    return h ? h : "";
}

// ---- the commands ----

void FileCommands::mnuFileNew_Click() {
    if (Busy()) return;
    if (!GoesOn(AskSaveQuestion(d_, SaveQuestionText(d_), [this] { return Save(); }))) return;
    if (!d_.ForceFactoryFres &&
        d_.Ui.Notify->Show(LangText(d_, d_.Msg.MsgAllDataCleared), MsgIcon::Warning, MsgButtons::OkCancel,
                           kAppTitle) != MsgAnswer::Ok)
        return;
    NewDataFile(d_);
}

void FileCommands::MnuSetInit_Click() {
    if (Busy()) return;
    ForceFactoryScope force(d_);
    mnuFileNew_Click();
}

void FileCommands::mnuFileOpen_Click() {
    if (Busy()) return;
    if (!GoesOn(AskSaveQuestion(d_, LangText(d_, d_.Msg.MsgFileModified), [this] { return Save(); }))) return;
    OpenFileByDialog();
}

bool FileCommands::OpenFileByDialog() {
    FileChooserRequest r;
    r.filter = main_.FileFilter();
    r.startPath = lastChosenPath.empty() ? Home() : lastChosenPath;
    const auto chosen = d_.Ui.Files->ChooseOpen(r);
    if (!chosen) return false;
    lastChosenPath = *chosen;
    // A refused file changes nothing, DataFilePath included.
    return OpenDataFile(d_, *chosen);
}

SaveOutcome FileCommands::mnuFileSave_Click() {
    if (Busy()) return SaveOutcome::Cancelled;
    return Save();
}

SaveOutcome FileCommands::Save() {
    if (d_.IsUntitled) return mnuFileSaveAs_Click();
    if (!AskOverwrite(d_.DataFilePath)) return SaveOutcome::Cancelled;
    return SaveCurrentFile() ? SaveOutcome::Saved : SaveOutcome::Failed;
}

bool FileCommands::AskOverwrite(const std::string& path) {
    const std::string q = "\"" + GetFileNameFromPath(path) + "\"" + LangText(d_, d_.Msg.MsgFileOverwrite);
    return d_.Ui.Notify->Show(q, MsgIcon::Question, MsgButtons::OkCancel, kAppTitle) == MsgAnswer::Ok;
}

SaveOutcome FileCommands::mnuFileSaveAs_Click() {
    if (Busy()) return SaveOutcome::Cancelled;
    FileChooserRequest r;
    r.filter = main_.FileFilter();
    r.startPath = SaveAsStartPath(d_.DataFilePath, lastChosenPath, Home());
    const auto chosen = d_.Ui.Files->ChooseSave(r);
    if (!chosen) return SaveOutcome::Cancelled;
    const std::string path = WithDataExtension(*chosen);
    lastChosenPath = path;
    std::error_code ec;
    if (IsDataFilePathUsable(path, d_.FactoryTestMode) && std::filesystem::exists(path, ec) &&
        !AskOverwrite(path))
        return SaveOutcome::Cancelled;
    if (!SaveCurrentFile(path)) return SaveOutcome::Failed;
    main_.State().caption = main_.CaptionText();
    return SaveOutcome::Saved;
}

bool FileCommands::SaveCurrentFile() { return SaveDataFile(d_); }

bool FileCommands::SaveCurrentFile(const std::string& path) { return SaveDataFile(d_, path); }

void FileCommands::mnuFileExit_Click() {
    if (Busy()) return;
    if (main_.hooks.CloseWindow) main_.hooks.CloseWindow();
}

void FileCommands::MnuHelpAbout_Click() {
    if (Busy()) return;
    main_.Open(std::make_unique<FrmAbout>(d_));
}

bool FileCommands::QueryCloseSave() {
    return GoesOn(AskSaveQuestion(d_, SaveQuestionText(d_), [this] { return Save(); }));
}

}  // namespace rp
