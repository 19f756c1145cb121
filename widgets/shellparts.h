#pragma once
// Small widgets the dialog shells lay out: a widget named after its
// control, a caption label that stands right-aligned by its control and a
// row of buttons at the right end.
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QString>
#include <QWidget>

#include <initializer_list>
#include <string>

namespace rp {

// A widget named after its control.
template <class W>
W* Named(QWidget* parent, const std::string& name) {
    auto* w = new W(parent);
    w->setObjectName(QString::fromStdString(name));
    return w;
}

// A caption label whose right edge meets the control it names.
QLabel* SideLabel(QWidget* parent, const std::string& name);

// A row holding `widgets` at its right end, in this order (the dialog's
// buttons).
QHBoxLayout* RightRow(std::initializer_list<QWidget*> widgets);

}  // namespace rp
