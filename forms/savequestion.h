#pragma once
// The save question: the one step every command that would drop modified
// data runs first (New, Open, Set > Init, Exit and the close box, the read
// from the radio, the model change).
//
// When the data has changed since it was last loaded or saved
// (IsDataChanged), it shows `question` with Yes, No and Cancel, the
// exclamation icon and the title "KEVRA_8R". Yes runs `save` (File > Save
// of the main window, which may ask its own overwrite question or open its
// chooser); No goes on without saving; Cancel, or a save that failed or was
// cancelled, tells the caller to stop with nothing changed.
#include <functional>
#include <string>

#include "core/appdata.h"

namespace rp {

class MainWindowCalls;

// What a save reports to its caller.
enum class SaveOutcome { Saved, Cancelled, Failed };

enum class SaveAnswer {
    Unchanged,  // nothing to save: no question was asked
    Saved,      // Yes, and the save succeeded
    Declined,   // No: go on without saving
    Cancelled,  // Cancel, or Yes and the save failed or was cancelled: stop
};

// True for every answer but Cancelled.
inline bool GoesOn(SaveAnswer a) { return a != SaveAnswer::Cancelled; }

SaveAnswer AskSaveQuestion(AppData& d, const std::string& question,
                           const std::function<SaveOutcome()>& save);
// The same with the main window's File > Save.
SaveAnswer AskSaveQuestion(AppData& d, MainWindowCalls& main, const std::string& question);

// The [MSG] text "9001" of the current language file ("Data has been
// modified. Save it now?"), read afresh.
std::string SaveQuestionText(AppData& d);

}  // namespace rp
