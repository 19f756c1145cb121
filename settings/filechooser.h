#pragma once
// The file choosers a dialog asks for a path. No filter, no default
// extension: the user's name is taken as typed. The save chooser asks its
// own overwrite question. A cancelled chooser gives nothing.
#include <optional>
#include <string>

namespace rp {

class FileChooser {
public:
    virtual ~FileChooser() = default;
    // A file to read.
    virtual std::optional<std::string> OpenFile() = 0;
    // A file to write, preset with `preset`.
    virtual std::optional<std::string> SaveFile(const std::string& preset) = 0;
};

// The silent default: every chooser is cancelled.
class NoFileChooser : public FileChooser {
public:
    std::optional<std::string> OpenFile() override { return std::nullopt; }
    std::optional<std::string> SaveFile(const std::string&) override { return std::nullopt; }
};

}  // namespace rp
