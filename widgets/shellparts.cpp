#include "widgets/shellparts.h"

#include <QFocusEvent>
#include <QPointer>
#include <QTimer>

namespace rp {

QLabel* SideLabel(QWidget* parent, const std::string& name) {
    auto* l = Named<QLabel>(parent, name);
    l->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    return l;
}

void SelectAllLineEdit::focusInEvent(QFocusEvent* event) {
    QLineEdit::focusInEvent(event);
    // After the mouse press that brought the focus, which would place the cursor.
    QPointer<SelectAllLineEdit> self(this);
    QTimer::singleShot(0, this, [self] {
        if (self && self->hasFocus()) self->selectAll();
    });
}

}  // namespace rp
