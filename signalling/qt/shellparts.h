#pragma once
// Pieces the signalling shells share: named widgets, right-aligned labels
// and a text box that selects its whole text when it takes the focus.
#include <QLabel>
#include <QLineEdit>
#include <QString>
#include <QWidget>

#include <string>

namespace rp {

// A widget named after its control.
template <class W>
W* Named(QWidget* parent, const std::string& name) {
    auto* w = new W(parent);
    w->setObjectName(QString::fromStdString(name));
    return w;
}

// A label whose right edge meets the control it names.
QLabel* SideLabel(QWidget* parent, const std::string& name);

// The boxes whose text is selected whole on arriving, by mouse too.
class SelectAllLineEdit : public QLineEdit {
public:
    using QLineEdit::QLineEdit;

protected:
    void focusInEvent(QFocusEvent* event) override;
};

}  // namespace rp
