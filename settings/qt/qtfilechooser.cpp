#include "settings/qt/qtfilechooser.h"

#include <QFileDialog>

namespace rp {

std::optional<std::string> QtFileChooser::OpenFile() {
    const QString path = QFileDialog::getOpenFileName(parent_, QString(), QString(), QString());
    if (path.isEmpty()) return std::nullopt;
    return path.toStdString();
}

std::optional<std::string> QtFileChooser::SaveFile(const std::string& preset) {
    const QString path = QFileDialog::getSaveFileName(parent_, QString(), QString::fromStdString(preset), QString());
    if (path.isEmpty()) return std::nullopt;
    return path.toStdString();
}

}  // namespace rp
