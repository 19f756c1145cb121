#include "forms/savequestion.h"

#include "core/datafiles.h"
#include "core/language.h"
#include "forms/mainwindowcalls.h"

namespace rp {

SaveAnswer AskSaveQuestion(AppData& d, const std::string& question,
                           const std::function<SaveOutcome()>& save) {
    if (!IsDataChanged(d)) return SaveAnswer::Unchanged;
    switch (d.Ui.Notify->Show(question, MsgIcon::Warning, MsgButtons::YesNoCancel, kAppTitle)) {
    case MsgAnswer::Yes:
        return (save && save() == SaveOutcome::Saved) ? SaveAnswer::Saved : SaveAnswer::Cancelled;
    case MsgAnswer::No:
        return SaveAnswer::Declined;
    default:
        return SaveAnswer::Cancelled;
    }
}

SaveAnswer AskSaveQuestion(AppData& d, MainWindowCalls& main, const std::string& question) {
    return AskSaveQuestion(d, question, [&main] { return main.mnuFileSave_Click(); });
}

std::string SaveQuestionText(AppData& d) { return GetLanguageMsgString(d, "9001"); }

}  // namespace rp
