#pragma once
// Interfaces through which core and link reach the windows: message boxes
// (Notifier), main-window refreshes (Listener), language texts
// (TextSource) and the language switch (LanguageHook). The windows
// implement them; tests use recording fakes.
// Every pointer in Seams is set to a silent default, so a procedure never
// has to test for null.
#include <string>

#include "core/filechooser.h"

namespace rp {

enum class MsgIcon { None, Information, Warning, Critical, Question };
enum class MsgButtons { Ok, OkCancel, YesNo, YesNoCancel, RetryCancel };
enum class MsgAnswer { Ok, Cancel, Yes, No, Retry };

// A message box; an empty title means the application title.
class Notifier {
public:
    virtual ~Notifier() = default;
    virtual MsgAnswer Show(const std::string& text, MsgIcon icon, MsgButtons buttons,
                           const std::string& title) = 0;
};

// Texts of the [OTHER] section of the current language file.
class TextSource {
public:
    virtual ~TextSource() = default;
    virtual std::string Text(int key) const = 0;
};

// The main window's refresh methods that core procedures call.
class Listener {
public:
    virtual ~Listener() = default;
    virtual void ReShowListByData(int listType) { (void)listType; }
    virtual void ReShowRadioListByData() {}
    virtual void ReShowAMListByData() {}
    virtual void LoadShowByModel() {}
    virtual void LoadShowTree() {}
    virtual void ReShowGrid() {}
};

// Follows the language choice in what the language files do not hold (the
// toolkit's own texts: standard buttons, file choosers).
class LanguageHook {
public:
    virtual ~LanguageHook() = default;
    // 1 English, 2 Chinese.
    virtual void LanguageChanged(int languageIndex) { (void)languageIndex; }
};

struct Seams {
    Notifier* Notify;
    TextSource* Texts;
    Listener* View;
    // Open and save choosers (core/filechooser.h); the default cancels.
    FileChooser* Files;
    // Told of every language set at start-up and by the language dialog.
    LanguageHook* Language;
    Seams();
};

// The application title shown on message boxes without a title of their own.
inline constexpr const char* kAppTitle = "KEVRA_8R";

}  // namespace rp
