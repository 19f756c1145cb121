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

QHBoxLayout* RightRow(std::initializer_list<QWidget*> widgets) {
    auto* row = new QHBoxLayout;
    row->addStretch(1);
    for (QWidget* w : widgets) row->addWidget(w);
    return row;
}

void SelectAllLineEdit::focusInEvent(QFocusEvent* event) {
    QLineEdit::focusInEvent(event);
    // At once, so that a key typed right after replaces the text.
    selectAll();
    if (event->reason() != Qt::MouseFocusReason) return;
    // Again after the mouse press that brought the focus, which places the cursor.
    QPointer<SelectAllLineEdit> self(this);
    QTimer::singleShot(0, this, [self] {
        if (self && self->hasFocus()) self->selectAll();
    });
}

}  // namespace rp
