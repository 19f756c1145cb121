#pragma once
// The language layer: numbered texts of the current language file, the
// language choice, and the built-in Close/Help caption tables.
//
// The language file is <program folder> + LanguageFilePath
// ("/language/english.ini" or "/language/chinese.ini"), a UTF-8 profile file
// with the sections [OTHER] (numbered texts), [MSG] and [OPTION]. A missing
// file, section or key reads as "". Each file is parsed once and kept in
// AppData::LanguageCache until the language (or the file) changes.
#include <string>
#include <string_view>

#include "core/appdata.h"
#include "core/seams.h"

namespace rp {

// Keys of [OTHER] that this layer itself uses. Code that names a key keeps it
// as a literal in the look-up, or as an integer constant in a namespace whose
// name ends in "key" or "text" (like this one) or named kText...: the language
// file test finds keys in these forms and checks that both files hold them.
namespace langkey {
inline constexpr int FontName = 20;          // font of relabelled windows
inline constexpr int FontSize = 21;          // its size in points (whole number)
inline constexpr int OK = 101;
inline constexpr int Cancel = 102;
inline constexpr int EnglishName = 1501;     // language list entry 0
inline constexpr int ChineseName = 1502;     // language list entry 1
inline constexpr int LanguageDialog = 1503;  // caption and label of the language dialog
}  // namespace langkey

// The language file of the current language: program folder + LanguageFilePath
// ("" before a language is set).
std::string LanguageFileFullPath(const AppData& d);

// Text `key` of [OTHER]; "" when missing.
std::string GetLanguageString(AppData& d, int key);
// A text of [MSG] ("9001", "900C", ...) and of [OPTION] ("60024", ...).
std::string GetLanguageMsgString(AppData& d, std::string_view key);
std::string GetLanguageOptionString(AppData& d, std::string_view key);

// ---- language choice ----

// 2 (Chinese) for a Chinese locale of China: "zh_CN" alone or followed by a
// codeset (".UTF-8") or modifier ("@..."); 1 (English) for anything else.
int LanguageIndexFromLocale(std::string_view localeName);
// The first non-empty of the LC_ALL, LC_MESSAGES and LANG values (null = unset).
std::string LocaleNameFromEnvironment(const char* lcAll, const char* lcMessages, const char* lang);
// The same from the process environment.
std::string SystemLocaleName();
int SystemLanguageIndex();

// Makes `index` the current language: LanguageIndex, LanguageIndexCopy,
// LanguageFileName and LanguageFilePath, and tells Ui.Language. 2 is Chinese,
// any other value English.
void SetLanguageIndex(AppData& d, int index);

// The language dialog's OK step: entry 0 (English) or 1 (Chinese) of its
// list becomes the language. False and nothing changed for any other entry
// (no selection).
bool SelectLanguageEntry(AppData& d, int entry);

// Start-up: the language from the system locale, then the file check below.
void InitLanguage(AppData& d);

// When the current language file is missing or unreadable, tells the user
// once per run in a built-in English message; the program goes on with
// empty texts. True when the file can be read.
bool ReportMissingLanguageFile(AppData& d);

// Fills CloseCaptionText and HelpCaptionText.
void InitCloseHelpCaptions(AppData& d);

// The [OTHER] texts of the current language file, for AppData::Ui.Texts.
// Follows language switches; must not outlive `d`.
class LanguageFileTexts : public TextSource {
public:
    explicit LanguageFileTexts(AppData& d) : d_(d) {}
    std::string Text(int key) const override { return GetLanguageString(d_, key); }

private:
    AppData& d_;
};

}  // namespace rp
