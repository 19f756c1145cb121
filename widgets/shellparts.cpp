#include "widgets/shellparts.h"

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

}  // namespace rp
