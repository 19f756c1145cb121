#include "widgets/inputguard.h"

#include <QEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPlainTextEdit>

namespace rp {

CharSetValidator::CharSetValidator(QString allowed, QObject* parent)
    : QValidator(parent), allowed_(std::move(allowed)) {}

QValidator::State CharSetValidator::validate(QString& input, int& pos) const {
    (void)pos;
    for (const QChar c : input)
        if (!allowed_.contains(c)) return Invalid;
    return Acceptable;
}

InputGuard::InputGuard(QWidget* edit) : QObject(edit) {
    setObjectName(QStringLiteral("InputGuard"));
    edit->installEventFilter(this);
}

InputGuard* InputGuard::Of(const QWidget* edit) {
    return edit ? edit->findChild<InputGuard*>(QStringLiteral("InputGuard"), Qt::FindDirectChildrenOnly) : nullptr;
}

void InputGuard::Apply(QWidget* edit, const std::string& allowed) {
    if (!edit) return;
    auto* line = qobject_cast<QLineEdit*>(edit);
    auto* plain = qobject_cast<QPlainTextEdit*>(edit);
    if (!line && !plain) return;
    InputGuard* guard = Of(edit);
    if (allowed.empty()) {
        if (!guard) return;
        delete guard;
        if (line) {
            if (auto* v = qobject_cast<const CharSetValidator*>(line->validator())) {
                line->setValidator(nullptr);
                delete v;
            }
        }
        edit->setAcceptDrops(true);
        edit->setContextMenuPolicy(Qt::DefaultContextMenu);
        return;
    }
    if (!guard) guard = new InputGuard(edit);
    guard->allowed_ = QString::fromLatin1(allowed.data(), static_cast<qsizetype>(allowed.size()));
    if (line) {
        const QValidator* old = line->validator();
        line->setValidator(new CharSetValidator(guard->allowed_, line));
        if (qobject_cast<const CharSetValidator*>(old)) delete old;
        line->setDragEnabled(false);
    }
    edit->setAcceptDrops(false);
    if (plain && plain->viewport()->acceptDrops()) {
        plain->viewport()->setAcceptDrops(false);
        plain->viewport()->installEventFilter(guard);
    }
    edit->setContextMenuPolicy(Qt::NoContextMenu);
}

bool InputGuard::IsClipboardKey(const QKeyEvent* e) {
    return e->matches(QKeySequence::Copy) || e->matches(QKeySequence::Cut) || e->matches(QKeySequence::Paste);
}

bool InputGuard::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
    case QEvent::KeyPress:
        if (IsClipboardKey(static_cast<QKeyEvent*>(event))) return true;
        break;
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
        // The middle button pastes the selection on X11.
        if (static_cast<QMouseEvent*>(event)->button() == Qt::MiddleButton) return true;
        break;
    case QEvent::DragEnter:
    case QEvent::DragMove:
    case QEvent::Drop:
        return true;
    default:
        break;
    }
    return QObject::eventFilter(watched, event);
}

}  // namespace rp
