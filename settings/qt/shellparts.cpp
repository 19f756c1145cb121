#include "settings/qt/shellparts.h"

#include <QComboBox>
#include <QGridLayout>
#include <QPushButton>

#include "widgets/twips.h"

namespace rp {

QComboBox* NamedCombo(QWidget* parent, const std::string& name, int widthTwips) {
    auto* c = Named<QComboBox>(parent, name);
    c->setMinimumWidth(TwipsToPixelsX(parent, widthTwips));
    return c;
}

QPushButton* NamedButton(QWidget* parent, const std::string& name) {
    auto* b = Named<QPushButton>(parent, name);
    b->setAutoDefault(false);
    return b;
}

void SetCaptionGap(QGridLayout* layout, QWidget* w, int twips) {
    layout->setHorizontalSpacing(TwipsToPixelsX(w, twips));
}

}  // namespace rp
