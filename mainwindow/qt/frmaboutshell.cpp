#include <QFrame>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>

#include "mainwindow/frmabout.h"
#include "mainwindow/qt/icons.h"
#include "mainwindow/qt/openers.h"
#include "widgets/twips.h"

namespace rp {

void BuildFrmAbout(FormDialog& shell) {
    auto* dlg = &shell;
    auto* lay = new QGridLayout(dlg);
    auto* icon = new QLabel(dlg);
    icon->setObjectName(about::Icon);
    icon->setPixmap(WindowIcon().pixmap(48, 48));
    icon->setAlignment(Qt::AlignTop | Qt::AlignHCenter);
    lay->addWidget(icon, 0, 0, 4, 1);

    // Labels: row, column and column span in the grid.
    auto label = [&](const char* name, int row, int col, int rowSpan, int colSpan) {
        auto* l = new QLabel(dlg);
        l->setObjectName(name);
        l->setWordWrap(true);
        lay->addWidget(l, row, col, rowSpan, colSpan);
        return l;
    };
    QLabel* title = label(about::Title, 0, 1, 1, 2);
    QFont f = title->font();
    f.setPointSizeF(f.pointSizeF() * 1.4);
    f.setBold(true);
    title->setFont(f);
    label(about::Version, 1, 1, 1, 2);
    label(about::Description, 2, 1, 1, 2);
    auto* line = new QFrame(dlg);
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Sunken);
    lay->addWidget(line, 4, 0, 1, 3);
    label(about::Disclaimer, 5, 0, 2, 2);

    auto* ok = new QPushButton(dlg);
    ok->setObjectName(about::OK);
    auto* sysInfo = new QPushButton(dlg);
    sysInfo->setObjectName(about::SysInfo);
    lay->addWidget(ok, 5, 2);
    lay->addWidget(sysInfo, 6, 2);
    lay->setColumnStretch(1, 1);
    dlg->setMinimumWidth(TwipsToPixelsX(dlg, 5700));
    dlg->Bind();
}

}  // namespace rp
