#include "radio/qt/portrow.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QHBoxLayout>
#include <QPointer>

#include "widgets/shellparts.h"
#include "widgets/twips.h"

namespace rp {

QHBoxLayout* PortRow(QWidget* dlg, PortRowNames names, int widthTwips, std::function<bool()>& droppedDown) {
    auto* row = new QHBoxLayout;
    row->addWidget(SideLabel(dlg, names.prompt));
    auto* list = Named<QComboBox>(dlg, names.list);
    list->setMinimumWidth(TwipsToPixelsX(dlg, widthTwips));
    list->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    row->addWidget(list, 1);
    QPointer<QComboBox> guard(list);
    droppedDown = [guard] { return guard && guard->view() && guard->view()->isVisible(); };
    return row;
}

}  // namespace rp
