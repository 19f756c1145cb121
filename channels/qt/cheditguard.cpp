#include "channels/qt/cheditguard.h"

#include <QEvent>
#include <QKeyEvent>
#include <QKeySequence>
#include <QLineEdit>
#include <QRegularExpression>
#include <QRegularExpressionValidator>

namespace rp {

namespace {

// Copy, Cut and Paste by any of their keys, whatever the platform binds.
bool IsClipboardKey(const QKeyEvent* key) {
    if (key->matches(QKeySequence::Paste) || key->matches(QKeySequence::Copy) ||
        key->matches(QKeySequence::Cut))
        return true;
    const Qt::KeyboardModifiers mods = key->modifiers() & ~Qt::KeypadModifier;
    return (key->key() == Qt::Key_Insert && (mods == Qt::ShiftModifier || mods == Qt::ControlModifier)) ||
           (key->key() == Qt::Key_Delete && mods == Qt::ShiftModifier);
}

}  // namespace

TextInputGuard::TextInputGuard(QLineEdit* edit) : QObject(edit) {}

TextInputGuard* TextInputGuard::Install(QLineEdit* edit, const QString& allowed, int maxLength) {
    auto* guard = new TextInputGuard(edit);
    edit->installEventFilter(guard);
    edit->setAcceptDrops(false);
    QString set;
    for (QChar c : allowed) set += QRegularExpression::escape(QString(c));
    const QString count = maxLength > 0 ? QString("{0,%1}").arg(maxLength) : QString("*");
    edit->setValidator(new QRegularExpressionValidator(QRegularExpression("[" + set + "]" + count), guard));
    // The validator limits what is typed; a text set by the form may be
    // longer (an offset of "9999.99999" is shown whole).
    edit->setMaxLength(32767);
    return guard;
}

bool TextInputGuard::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
        case QEvent::KeyPress:
        case QEvent::ShortcutOverride: {
            if (IsClipboardKey(static_cast<QKeyEvent*>(event))) {
                event->accept();
                return true;
            }
            break;
        }
        case QEvent::DragEnter:
        case QEvent::DragMove:
        case QEvent::Drop:
            event->ignore();
            return true;
        default:
            break;
    }
    return QObject::eventFilter(watched, event);
}

}  // namespace rp
