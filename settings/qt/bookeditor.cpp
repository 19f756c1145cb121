#include "settings/qt/bookeditor.h"

#include <QEvent>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLineEdit>
#include <QScrollBar>
#include <QValidator>

#include "settings/commubook.h"
#include "widgets/gridmodel.h"

namespace rp {

namespace {

// Accepts texts made only of the column's characters and of those the cell
// held when the editor opened (so a cell read from a file can still be
// shortened).
class BookCellValidator : public QValidator {
public:
    BookCellValidator(QString allowed, QObject* parent) : QValidator(parent), allowed_(std::move(allowed)) {}
    State validate(QString& input, int&) const override {
        for (QChar ch : input)
            if (!allowed_.contains(ch)) return Invalid;
        return Acceptable;
    }

private:
    QString allowed_;
};

bool IsClipboardKey(const QKeyEvent* k) {
    return k->matches(QKeySequence::Paste) || k->matches(QKeySequence::Copy) || k->matches(QKeySequence::Cut);
}

}  // namespace

BookEditorKeeper::BookEditorKeeper(FrmCommuBook& form, TextGridView* view, QLineEdit* editor)
    : QObject(editor), form_(form), view_(view), editor_(editor) {
    editor->setAcceptDrops(false);
    editor->setContextMenuPolicy(Qt::NoContextMenu);
    editor->setAttribute(Qt::WA_InputMethodEnabled, false);
    editor->setDragEnabled(false);
    editor->installEventFilter(this);
    auto follow = [this] { Follow(); };
    connect(view->verticalScrollBar(), &QScrollBar::valueChanged, this, follow);
    connect(view->horizontalScrollBar(), &QScrollBar::valueChanged, this, follow);
    connect(view->horizontalHeader(), &QHeaderView::sectionResized, this, follow);
    connect(view->verticalHeader(), &QHeaderView::sectionResized, this, follow);
}

void BookEditorKeeper::Follow() {
    if (!view_ || !editor_) return;
    const int row = form_.CurBookEditRow, col = form_.CurBookEditCol;
    if (!form_.C("Text1").visible || row < 1 || col < 1) {
        openRow_ = openCol_ = 0;
        return;
    }
    if (row != openRow_ || col != openCol_) {
        openRow_ = row;
        openCol_ = col;
        QString allowed = col == 1 ? QStringLiteral("0123456789")
                                   : QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789 ");
        allowed += editor_->text();
        delete editor_->validator();
        editor_->setValidator(new BookCellValidator(allowed, editor_));
        editor_->selectAll();
    }
    view_->PlaceEditor(editor_, row, col);
}

bool BookEditorKeeper::eventFilter(QObject* watched, QEvent* event) {
    if (watched == editor_ && (event->type() == QEvent::KeyPress || event->type() == QEvent::ShortcutOverride)) {
        auto* k = static_cast<QKeyEvent*>(event);
        if (IsClipboardKey(k)) {
            // Neither the editor nor a shortcut of the window acts on it.
            event->accept();
            return event->type() == QEvent::KeyPress;
        }
    }
    return QObject::eventFilter(watched, event);
}

}  // namespace rp
