#pragma once
// The toolkit's own texts (standard buttons of message boxes, file choosers)
// in the program's language: Qt's Chinese catalogue installed while the
// language is Chinese and removed for English. Installing or removing it
// retranslates the windows already open. The program's own texts come from
// its language files, never from here.
#include <QString>

#include <memory>

#include "core/seams.h"

class QTranslator;

namespace rp {

class QtTranslations : public LanguageHook {
public:
    QtTranslations();
    ~QtTranslations() override;
    QtTranslations(const QtTranslations&) = delete;
    QtTranslations& operator=(const QtTranslations&) = delete;

    void LanguageChanged(int languageIndex) override;

    // Whether the Chinese catalogue is installed now.
    bool ChineseInstalled() const { return installed_; }
    // The catalogue's file (Qt's translations folder, qtbase_zh_CN.qm).
    static QString ChineseCatalogue();

private:
    std::unique_ptr<QTranslator> chinese_;  // loaded on first use, then kept
    bool loaded_ = false;
    bool installed_ = false;
};

}  // namespace rp
