#pragma once
// Where the program's own files are.
//
// Shipped files (language/, Init/, the splash pictures) sit in the program's
// own folder: beside the executable (the build folder, a copied program) or,
// installed, in share/kevra8r beside its bin/ folder. Files the program
// writes (language/mysetup.ini, BatchFun.ini) go to a per-user copy under the
// XDG configuration folder, seeded from the shipped one, when the program
// runs from an install (a reinstall would overwrite them there, and every
// user would share them) or when its folder is not writable; otherwise they
// are written beside the program. Reads take the per-user copy when it
// exists, else the one beside the program. Once a per-user copy exists,
// writes go there too, so a write is always read back.
#include <string>
#include <string_view>

#include "core/appdata.h"

namespace rp {

// Name of the per-user folder inside the XDG configuration folder.
inline constexpr const char* kUserConfigName = "KEVRA_8R";

// The program's folder under share/ when installed: the executable's name.
inline constexpr const char* kInstallName = "kevra8r";

// The folder of the running executable ("." when it cannot be found).
std::string ExecutableFolder();

// The shipped files' folder of an executable in exeFolder: exeFolder when it
// holds language/, else exeFolder/../share/kevra8r when that holds it (the
// installed layout), else exeFolder.
std::string ShippedFolderFor(const std::string& exeFolder);

// Whether the program's folder is an installed one: its last two parts are
// share/kevra8r. An installed program never writes into its folder.
bool IsInstalledFolder(std::string_view folder);

// The program's own folder: d.AppFolder when set (tests), else
// ShippedFolderFor the executable's folder. No trailing "/".
std::string ProgramFolder(const AppData& d);

// The per-user configuration folder: d.UserConfigDir when set, else
// $XDG_CONFIG_HOME/KEVRA_8R, else $HOME/.config/KEVRA_8R; "" when neither
// variable is set.
std::string UserConfigFolder(const AppData& d);

// rel is relative to the program's folder, "/" separated ("language/x.ini";
// a leading "/" is allowed).
std::string ShippedPath(const AppData& d, std::string_view rel);
std::string UserCopyPath(const AppData& d, std::string_view rel);  // "" without a user folder

// The copy of a program-written file to read.
std::string ReadablePath(const AppData& d, std::string_view rel);

// The copy to write, made ready: its folder exists and, when it is the
// per-user copy, it is seeded from the shipped file. The per-user copy for an
// installed program, else beside the program when that can be written. ""
// when there is no place to write.
std::string WritablePath(const AppData& d, std::string_view rel);

// The same with the writability of the program's folder given (tests).
std::string WritablePathFor(const AppData& d, std::string_view rel, bool besideWritable);

// Whether the file at path can be written in place (its folder exists or can
// be made, a new file can be created in it, and the file, when present, is a
// regular file that is writable).
bool CanWriteBeside(const std::string& path);

}  // namespace rp
