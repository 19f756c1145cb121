#include "platform/qtfilechooser.h"

#include <QApplication>
#include <QDateTime>
#include <QEvent>
#include <QFileDialog>
#include <QFileSystemModel>
#include <QHeaderView>
#include <QLocale>
#include <QMimeDatabase>
#include <QScreen>
#include <QStyle>
#include <QTreeView>

#include <algorithm>

namespace rp {

namespace {

QString Q(const std::string& s) { return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size())); }

// The detail view of a chooser shows its Size, Type and Date columns whole.
// The dialog gives them room for a short text each and opens about 600
// pixels wide, which cuts a file's type and date. When it shows, the Type
// and Date columns get room for the texts they usually hold and the dialog
// widens until the columns fit beside the Name column; once the folder is
// read, a column whose texts are wider still grows, and the dialog with it.
// The dialog keeps its centre and stays within the screen.
class DetailColumns : public QObject {
public:
    static constexpr int kSize = 1, kType = 2, kDate = 3;

    DetailColumns(QFileDialog& dlg, QTreeView& view) : QObject(&dlg), dlg_(dlg), view_(view) {
        dlg.installEventFilter(this);
        if (auto* model = dlg.findChild<QFileSystemModel*>())
            connect(
                model, &QFileSystemModel::directoryLoaded, this,
                [this] {
                    if (loaded_) return;
                    loaded_ = true;
                    FitContents();
                },
                Qt::QueuedConnection);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched == &dlg_ && event->type() == QEvent::Show && !shown_) {
            shown_ = true;
            FitUsualTexts();
        }
        return QObject::eventFilter(watched, event);
    }

private:
    // A text as wide as an item of the view shows it.
    int TextWidth(const QString& text) const {
        const int margin = view_.style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, &view_) + 1;
        return view_.fontMetrics().horizontalAdvance(text) + 2 * margin;
    }

    void FitUsualTexts() {
        // A folder, a binary data file and a text file.
        QStringList types{QGuiApplication::translate("QAbstractFileIconProvider", "Folder", "All other platforms")};
        const QMimeDatabase mimes;
        for (const char* name : {"application/octet-stream", "text/plain"}) types << mimes.mimeTypeForName(name).comment();
        int type = 0;
        for (const QString& t : types) type = std::max(type, TextWidth(t));
        // The widest date of the form the view shows.
        const QDateTime wide(QDate(2000, 12, 28), QTime(23, 58, 58));
        Grow(kType, type);
        Grow(kDate, TextWidth(QLocale::system().toString(wide, QLocale::ShortFormat)));
        Fit();
    }

    // The width of the widest text the folder shows in `column`.
    int ContentWidth(int column) const {
        return static_cast<const QAbstractItemView&>(view_).sizeHintForColumn(column);
    }

    void FitContents() {
        for (int column : {kSize, kType, kDate}) Grow(column, ContentWidth(column));
        Fit();
    }

    void Grow(int column, int width) {
        QHeaderView* header = view_.header();
        if (column < header->count() && header->sectionSize(column) < width) header->resizeSection(column, width);
    }

    // Widens the dialog by what the columns need beyond the view.
    void Fit() {
        if (dlg_.viewMode() != QFileDialog::Detail) return;
        const QHeaderView* header = view_.header();
        int need = 0;
        for (int i = 0; i < header->count(); ++i)
            if (!header->isSectionHidden(i)) need += header->sectionSize(i);
        const int extra = need - view_.viewport()->width();
        if (extra <= 0) return;
        QRect r = dlg_.geometry();
        const QPoint centre = r.center();
        int width = r.width() + extra;
        if (const QScreen* screen = dlg_.screen()) {
            const QRect area = screen->availableGeometry();
            const int frame = dlg_.frameGeometry().width() - r.width();
            width = std::min(width, area.width() - frame);
            r.setWidth(width);
            r.moveCenter(centre);
            r.moveLeft(std::clamp(r.left(), area.left(), area.left() + area.width() - width - frame));
        } else {
            r.setWidth(width);
            r.moveCenter(centre);
        }
        dlg_.setGeometry(r);
    }

    QFileDialog& dlg_;
    QTreeView& view_;
    bool shown_ = false;
    bool loaded_ = false;
};

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
    if (auto* view = dlg.findChild<QTreeView*>("treeView")) new DetailColumns(dlg, *view);
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
