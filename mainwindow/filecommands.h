#pragma once
// The main window's file commands: New, Open, Save, Save As, Exit, Set >
// Init and the about box, with their questions, and the save question of
// the close path. They plug into FrmMain's command map and close steps, so
// every one runs after the open cell editor was committed.
//
// Every box here is titled "KEVRA_8R" and goes through the notifier; the
// choosers are d.Ui.Files. While a transfer runs (TransferRunning) every
// command does nothing.
#include <functional>
#include <string>

#include "core/appdata.h"
#include "mainwindow/frmmain.h"
#include "forms/savequestion.h"

namespace rp {

class FileCommands {
public:
    FileCommands(AppData& d, FrmMain& main);

    // Puts the commands into main.commands (the menu entries, which the
    // toolbar's file and about buttons run), File > Save into
    // main.fileSave and the save question into main's close steps.
    void Attach();

    // ---- the commands ----
    void mnuFileNew_Click();
    // File > New without the "All data will be cleared." question; the
    // default data keep every channel of the model's default file.
    void MnuSetInit_Click();
    void mnuFileOpen_Click();
    SaveOutcome mnuFileSave_Click();
    SaveOutcome mnuFileSaveAs_Click();
    // The main window's close(): its close path asks the save question.
    void mnuFileExit_Click();
    void MnuHelpAbout_Click();

    // Saves to DataFilePath, or to `path` (which becomes DataFilePath only
    // when the save succeeded); "file error." on failure.
    bool SaveCurrentFile();
    bool SaveCurrentFile(const std::string& path);
    // The open chooser, then OpenDataFile on the chosen path.
    bool OpenFileByDialog();
    // The close path's question (its last step): false keeps the window open.
    bool QueryCloseSave();

    // ---- names ----
    // ".dat" added when the file-name part holds no ".".
    static std::string WithDataExtension(const std::string& path);
    // Where Save As starts: DataFilePath as it stands when it names a
    // folder; a bare name ("new.dat") in the folder of the path last
    // chosen, else in the home folder.
    static std::string SaveAsStartPath(const std::string& dataFilePath, const std::string& lastChosen,
                                       const std::string& home);

    // True while a transfer runs (empty: never).
    std::function<bool()> TransferRunning;
    // The path last chosen in Open or Save As (where Open starts).
    std::string lastChosenPath;
    // The home folder ("" = $HOME).
    std::string homeFolder;

private:
    bool Busy() const { return TransferRunning && TransferRunning(); }
    bool AskOverwrite(const std::string& path);
    std::string Home() const;
    SaveOutcome Save();

    AppData& d_;
    FrmMain& main_;
};

}  // namespace rp
