#include "settings/qt/shellparts.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>

#include "widgets/twips.h"

namespace rp {

QLabel* NamedLabel(QWidget* parent, const std::string& name) {
    auto* l = new QLabel(parent);
    l->setObjectName(QString::fromStdString(name));
    l->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    return l;
}

QComboBox* NamedCombo(QWidget* parent, const std::string& name, int widthTwips) {
    auto* c = new QComboBox(parent);
    c->setObjectName(QString::fromStdString(name));
    c->setMinimumWidth(TwipsToPixelsX(parent, widthTwips));
    return c;
}

QPushButton* NamedButton(QWidget* parent, const std::string& name) {
    auto* b = new QPushButton(parent);
    b->setObjectName(QString::fromStdString(name));
    b->setAutoDefault(false);
    return b;
}

void SetCaptionGap(QGridLayout* layout, QWidget* w, int twips) {
    layout->setHorizontalSpacing(TwipsToPixelsX(w, twips));
}

}  // namespace rp
