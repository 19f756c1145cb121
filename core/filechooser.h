#pragma once
// The file choosers (open and save), reached like the message boxes through
// AppData::Ui.Files. The windows implement them (platform/qtfilechooser.h);
// tests answer them with a script. A chooser only chooses: it adds no
// extension and, unless asked to, asks nothing about overwriting, so the
// caller decides both.
#include <optional>
#include <string>

namespace rp {

struct FileChooserRequest {
    // Qt-style filter, "Data File (*.dat)"; several separated by ";;".
    // "" offers every file.
    std::string filter;
    // Where the chooser starts: a folder, or a file name with or without a
    // folder (the name is preset in the save chooser). "" = the chooser's
    // own choice.
    std::string startPath;
    // The chooser's title; "" = the platform's.
    std::string title;
    // The save chooser asks itself before an existing file is chosen
    // (callers that add an extension ask themselves instead).
    bool confirmOverwrite = false;
};

class FileChooser {
public:
    virtual ~FileChooser() = default;
    // The chosen existing file's full path; nothing when the user cancelled.
    virtual std::optional<std::string> ChooseOpen(const FileChooserRequest& request) = 0;
    // The chosen (or typed) file's full path as given; nothing when cancelled.
    virtual std::optional<std::string> ChooseSave(const FileChooserRequest& request) = 0;
};

}  // namespace rp
