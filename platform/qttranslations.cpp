#include "platform/qttranslations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

#include "core/records.h"

namespace rp {

QtTranslations::QtTranslations() = default;

QtTranslations::~QtTranslations() {
    if (installed_) QCoreApplication::removeTranslator(chinese_.get());
}

QString QtTranslations::ChineseCatalogue() {
    return QLibraryInfo::path(QLibraryInfo::TranslationsPath) + "/qtbase_zh_CN.qm";
}

void QtTranslations::LanguageChanged(int languageIndex) {
    const bool chinese = languageIndex == LangChinese;
    if (chinese == installed_) return;
    if (!chinese) {
        QCoreApplication::removeTranslator(chinese_.get());
        installed_ = false;
        return;
    }
    if (!loaded_) {
        chinese_ = std::make_unique<QTranslator>();
        // Without the catalogue (the translations package missing) the
        // toolkit's texts stay English.
        if (!chinese_->load(ChineseCatalogue())) return;
        loaded_ = true;
    }
    installed_ = QCoreApplication::installTranslator(chinese_.get());
}

}  // namespace rp
