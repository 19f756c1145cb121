#pragma once
// The file choosers of the program (AppData::Ui.Files) over QFileDialog:
// modal over the active window, the filter as given, no default extension
// and no overwrite question unless the request asks for it.
#include "core/filechooser.h"

namespace rp {

class QtFileChooser : public FileChooser {
public:
    std::optional<std::string> ChooseOpen(const FileChooserRequest& request) override;
    std::optional<std::string> ChooseSave(const FileChooserRequest& request) override;
};

}  // namespace rp
