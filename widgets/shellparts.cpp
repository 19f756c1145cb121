#include "widgets/shellparts.h"

#include <QFocusEvent>

#include "widgets/selectonentry.h"

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
    SelectWholeText(this, event->reason() == Qt::MouseFocusReason);
}

}  // namespace rp
