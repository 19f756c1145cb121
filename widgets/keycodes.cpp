#include "widgets/keycodes.h"

#include <QKeyEvent>
#include <QString>

#include "forms/formstate.h"

namespace rp {

int KeyCodeOf(int key) {
    if (key >= Qt::Key_A && key <= Qt::Key_Z) return key;
    if (key >= Qt::Key_0 && key <= Qt::Key_9) return key;
    switch (key) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return kKeyReturn;
    case Qt::Key_Escape:
        return kKeyEscape;
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
        return kKeyTab;
    case Qt::Key_Backspace:
        return kKeyBack;
    case Qt::Key_Delete:
        return kKeyDelete;
    case Qt::Key_Left:
        return kKeyLeft;
    case Qt::Key_Up:
        return kKeyUp;
    case Qt::Key_Right:
        return kKeyRight;
    case Qt::Key_Down:
        return kKeyDown;
    case Qt::Key_F2:
        return kKeyF2;
    case Qt::Key_Space:
        return 32;
    default:
        return key < 128 ? key : 0;
    }
}

int ShiftOf(Qt::KeyboardModifiers m) {
    int s = 0;
    if (m & Qt::ShiftModifier) s |= kShiftMask;
    if (m & Qt::ControlModifier) s |= kCtrlMask;
    if (m & Qt::AltModifier) s |= kAltMask;
    return s;
}

int KeyAsciiOf(const QKeyEvent* e) {
    const int key = e->key();
    if ((e->modifiers() & Qt::ControlModifier) && key >= Qt::Key_A && key <= Qt::Key_Z)
        return key - Qt::Key_A + 1;
    if (key == Qt::Key_Return || key == Qt::Key_Enter) return kKeyReturn;
    if (key == Qt::Key_Backspace) return kKeyBack;
    if (key == Qt::Key_Escape) return kKeyEscape;
    const QString t = e->text();
    if (t.isEmpty()) return 0;
    const char32_t cp = t.toUcs4().value(0);
    if (cp < 32 && cp != kKeyBack && cp != kKeyReturn && cp != kKeyEscape && !(e->modifiers() & Qt::ControlModifier))
        return 0;
    if (cp == 127) return 0;
    return static_cast<int>(cp);
}

int ClipboardCodeOf(const QKeyEvent* e) {
    if (e->matches(QKeySequence::Paste)) return kKeyCtrlV;
    if (e->matches(QKeySequence::Copy)) return kKeyCtrlC;
    if (e->matches(QKeySequence::Cut)) return kKeyCtrlX;
    return 0;
}

}  // namespace rp
