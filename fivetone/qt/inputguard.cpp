#include "fivetone/qt/inputguard.h"

#include <QTimer>

namespace rp {

KeyFilterValidator::KeyFilterValidator(KeyFilter filter, int limit, QLineEdit* box)
    : QValidator(box), filter_(filter), limit_(limit) {
    // The box already holds the edited text while it is checked: remember each
    // final text's length, the program's texts included.
    connect(box, &QLineEdit::textChanged, this, [this](const QString& t) { shownLength_ = int(t.size()); });
}

QValidator::State KeyFilterValidator::validate(QString& input, int& pos) const {
    (void)pos;
    for (QChar& ch : input) {
        const int typed = ch.unicode();
        // Control characters never reach a box's text.
        const int kept = typed < 32 ? 0 : filter_(typed);
        if (kept == 0) return Invalid;
        ch = QChar(kept);
    }
    if (limit_ > 0 && input.size() > limit_ && input.size() > shownLength_) return Invalid;
    return Acceptable;
}

void SelectingLineEdit::focusInEvent(QFocusEvent* event) {
    QLineEdit::focusInEvent(event);
    // After the click that brought the focus has placed the cursor.
    QTimer::singleShot(0, this, [this] {
        if (hasFocus()) selectAll();
    });
}

SelectingLineEdit* GuardedBox(QWidget* parent, const char* name, KeyFilter filter, int limit) {
    auto* box = new SelectingLineEdit(parent);
    box->setObjectName(name);
    box->setValidator(new KeyFilterValidator(filter, limit, box));
    box->setAcceptDrops(false);
    return box;
}

}  // namespace rp
