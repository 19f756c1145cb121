#pragma once
#include "core/appdata.h"
#include "core/fileio.h"

namespace rp {

// Fills the built-in English and Chinese message tables.
void InitMessageTexts(AppData& d);

// The "file error." box (MsgFileError) with an OK button; its second line
// names the file and why: "radio.dat: No space left on device" (the
// system's text), MsgNotRegularFile for a path that names no regular file,
// or MsgFileContents when the file was read but is not usable.
void ShowFileError(AppData& d, const FileFailure& why);

}  // namespace rp
