// The two-tone dialog: layout only, plus the floating editors' place over
// the open grid cell.
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QScrollBar>
#include <QTabBar>
#include <QTabWidget>
#include <QVBoxLayout>

#include "signalling/qt/openers.h"
#include "signalling/frm2tone.h"
#include "widgets/editorplacement.h"
#include "widgets/gridmodel.h"
#include "widgets/shellparts.h"
#include "widgets/tabrows.h"
#include "widgets/textfit.h"
#include "widgets/twips.h"

namespace rp {

namespace {

std::string N(const char* base, int i) { return std::string(base) + "_" + std::to_string(i); }

QWidget* EncodePage(QWidget* parent, TextGridView*& grid) {
    auto* page = new QWidget(parent);
    auto* lay = new QGridLayout(page);
    grid = Named<TextGridView>(page, "MSHFlexGrid1");
    grid->setMinimumSize(TwipsToPixelsX(page, Frm2Tone::kGridWidth + 400), TwipsToPixelsY(page, 3600));
    // The floating editors sit on the grid's viewport, without a frame.
    for (const char* name : {"Text1", "Text3"}) {
        auto* editor = Named<SelectAllLineEdit>(grid->viewport(), name);
        editor->setFrame(false);
        editor->setAlignment(Qt::AlignCenter);
        editor->hide();
    }
    lay->addWidget(grid, 0, 0, 1, 4);
    for (int i = 0; i < 5; ++i) {
        const int row = 1 + i / 2, col = (i % 2) * 2;
        lay->addWidget(SideLabel(page, N("Label1", i)), row, col);
        lay->addWidget(Named<QComboBox>(page, N("Combo1", i)), row, col + 1);
    }
    lay->addWidget(Named<QCheckBox>(page, "Check1"), 3, 3);
    return page;
}

QWidget* OwnCallPage(QWidget* parent) {
    auto* page = new QWidget(parent);
    auto* lay = new QGridLayout(page);
    for (int i = 0; i < 2; ++i) {
        lay->addWidget(SideLabel(page, N("Label2", i)), 0, i * 2);
        lay->addWidget(Named<QComboBox>(page, N("Combo2", i)), 0, i * 2 + 1);
    }
    for (int i = 0; i < 4; ++i) {
        const int row = 1 + i / 2, col = (i % 2) * 2;
        lay->addWidget(SideLabel(page, N("Label3", i)), row, col);
        lay->addWidget(Named<SelectAllLineEdit>(page, N("Text2", i)), row, col + 1);
    }
    lay->setRowStretch(3, 1);
    return page;
}

QWidget* DecodePage(QWidget* parent) {
    auto* page = new QWidget(parent);
    auto* lay = new QVBoxLayout(page);
    // Sixteen decode tabs, eight to a row.
    auto* tabs = new TabRows(Named<QTabBar>(page, "SSTab2"), 8, page);
    for (int k = 0; k < 16; ++k) {
        auto* tab = new QWidget(tabs);
        auto* tabLay = new QVBoxLayout(tab);
        auto* frame = Named<QGroupBox>(tab, N("Frame1", k));
        auto* g = new QGridLayout(frame);
        g->addWidget(Named<QCheckBox>(frame, N("Check2", k)), 0, 1);
        const char* labels[] = {"Label4", "Label5", "Label6", "Label8"};
        for (int r = 0; r < 4; ++r) g->addWidget(SideLabel(frame, N(labels[r], k)), r + 1, 0);
        g->addWidget(Named<SelectAllLineEdit>(frame, N("Text4", k)), 1, 1);
        g->addWidget(Named<SelectAllLineEdit>(frame, N("Text5", k)), 2, 1);
        g->addWidget(Named<QComboBox>(frame, N("Combo3", k)), 3, 1);
        g->addWidget(Named<QLineEdit>(frame, N("Text6", k)), 4, 1);
        g->setColumnStretch(2, 1);
        tabLay->addWidget(frame);
        tabLay->addStretch(1);
        tabs->AddPage(tab);
    }
    lay->addWidget(tabs);
    return page;
}

}  // namespace

void Build2ToneDialog(FormDialog& shell) {
    auto* dlg = &shell;
    Frm2Tone& form = dlg->FormAs<Frm2Tone>();

    auto* tabs = Named<QTabWidget>(dlg, "SSTab1");
    TextGridView* grid = nullptr;
    tabs->addTab(EncodePage(tabs, grid), QString());
    tabs->addTab(OwnCallPage(tabs), QString());
    tabs->addTab(DecodePage(tabs), QString());
    auto* buttons = RightRow({Named<QPushButton>(dlg, "CommandOK"), Named<QPushButton>(dlg, "CommandCancel")});
    auto* top = new QVBoxLayout(dlg);
    top->addWidget(tabs);
    top->addLayout(buttons);

    FormBinder& b = dlg->Bind();
    auto* decodeTabs = dlg->findChild<TabRows*>();
    decodeTabs->Follow();
    FitTexts(dlg);  // the rows' captions came after the binder's first fit
    QObject::connect(&b, &FormBinder::synced, decodeTabs, &TabRows::Follow);
    b.SetEnterAsTab(true);
    b.StandBackFor({"CommandCancel"});
    grid->SetLastColumnStretches(true);
    auto* text1 = dlg->findChild<QWidget*>("Text1");
    auto* text3 = dlg->findChild<QWidget*>("Text3");
    // The open editor lies over its cell after every handler and stays there
    // when the columns or the view change size.
    auto* placement = new EditorPlacement(grid);
    QObject::connect(&b, &FormBinder::synced, grid, [&form, grid, placement, text1, text3] {
        for (QWidget* editor : {text1, text3})
            if (editor->isVisibleTo(grid)) placement->Place(editor, form.CurTone2Row, form.CurTone2Col);
    });
    // A scroll by the user commits the open cell; the view's own scrolling
    // to its current cell is none.
    for (QScrollBar* bar : {grid->verticalScrollBar(), grid->horizontalScrollBar()}) {
        QObject::connect(bar, &QAbstractSlider::actionTriggered, grid, [&b, &form](int) {
            b.Run([&form] { form.MSHFlexGrid1_Scroll(); });
        });
    }
}

}  // namespace rp
