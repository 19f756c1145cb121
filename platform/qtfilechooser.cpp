#include "platform/qtfilechooser.h"

#include <QApplication>
#include <QFileDialog>

namespace rp {

namespace {

QString Q(const std::string& s) { return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size())); }

std::optional<std::string> Choose(const FileChooserRequest& r, bool save) {
    QFileDialog dlg(QApplication::activeWindow(), Q(r.title));
    dlg.setObjectName(save ? "SaveFileChooser" : "OpenFileChooser");
    dlg.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dlg.setFileMode(save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    dlg.setOption(QFileDialog::DontConfirmOverwrite, !r.confirmOverwrite);
    if (!r.filter.empty()) dlg.setNameFilter(Q(r.filter));
    const QString start = Q(r.startPath);
    if (!start.isEmpty()) {
        const QFileInfo info(start);
        if (info.isDir()) {
            dlg.setDirectory(start);
        } else {
            dlg.setDirectory(info.absolutePath());
            dlg.selectFile(info.fileName());
        }
    }
    if (dlg.exec() != QDialog::Accepted) return std::nullopt;
    const QStringList files = dlg.selectedFiles();
    if (files.isEmpty() || files.front().isEmpty()) return std::nullopt;
    return files.front().toStdString();
}

}  // namespace

std::optional<std::string> QtFileChooser::ChooseOpen(const FileChooserRequest& request) {
    return Choose(request, false);
}

std::optional<std::string> QtFileChooser::ChooseSave(const FileChooserRequest& request) {
    return Choose(request, true);
}

}  // namespace rp
