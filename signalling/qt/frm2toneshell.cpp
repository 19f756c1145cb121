// The two-tone dialog: layout only; the floating editors follow the open
// grid cell (widgets/editorplacement.h).
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QTabBar>
#include <QTabWidget>
#include <QVBoxLayout>

#include "signalling/qt/openers.h"
#include "signalling/frm2tone.h"
#include "signalling/frm2tonecontrols.h"
#include "widgets/editorplacement.h"
#include "widgets/gridmodel.h"
#include "widgets/shellparts.h"
#include "widgets/tabrows.h"
#include "widgets/textfit.h"
#include "widgets/twips.h"

namespace rp {

namespace {

QWidget* EncodePage(QWidget* parent, TextGridView*& grid) {
    auto* page = new QWidget(parent);
    auto* lay = new QGridLayout(page);
    grid = Named<TextGridView>(page, twotone::EncodeGrid);
    grid->setMinimumSize(TwipsToPixelsX(page, Frm2Tone::kGridWidth + 400), TwipsToPixelsY(page, 3600));
    // The floating editors sit on the grid's viewport, without a frame.
    for (const char* name : {twotone::ToneEditor, twotone::NameEditor}) {
        auto* editor = Named<QLineEdit>(grid->viewport(), name);
        editor->setFrame(false);
        editor->setAlignment(Qt::AlignCenter);
        editor->hide();
    }
    lay->addWidget(grid, 0, 0, 1, 4);
    for (int i = 0; i < 5; ++i) {
        const int row = 1 + i / 2, col = (i % 2) * 2;
        lay->addWidget(SideLabel(page, twotone::TimingCaptions[i]), row, col);
        lay->addWidget(Named<QComboBox>(page, twotone::kTimings[i]), row, col + 1);
    }
    lay->addWidget(Named<QCheckBox>(page, twotone::SideTone), 3, 3);
    return page;
}

QWidget* OwnCallPage(QWidget* parent) {
    auto* page = new QWidget(parent);
    auto* lay = new QGridLayout(page);
    lay->addWidget(SideLabel(page, twotone::CallFormatCaption), 0, 0);
    lay->addWidget(Named<QComboBox>(page, twotone::CallFormat), 0, 1);
    lay->addWidget(SideLabel(page, twotone::ResponseCaption), 0, 2);
    lay->addWidget(Named<QComboBox>(page, twotone::Response), 0, 3);
    for (int i = 0; i < 4; ++i) {
        const int row = 1 + i / 2, col = (i % 2) * 2;
        lay->addWidget(SideLabel(page, twotone::ToneCaptions[i]), row, col);
        lay->addWidget(Named<QLineEdit>(page, twotone::ToneBoxes[i]), row, col + 1);
    }
    lay->setRowStretch(3, 1);
    return page;
}

QWidget* DecodePage(QWidget* parent) {
    auto* page = new QWidget(parent);
    auto* lay = new QVBoxLayout(page);
    // Sixteen decode tabs, eight to a row.
    auto* tabs = new TabRows(Named<QTabBar>(page, twotone::DecodeTabs), 8, page);
    for (int k = 0; k < 16; ++k) {
        auto* tab = new QWidget(tabs);
        auto* tabLay = new QVBoxLayout(tab);
        auto* frame = Named<QGroupBox>(tab, twotone::DecodeFrames[k]);
        auto* g = new QGridLayout(frame);
        g->addWidget(Named<QCheckBox>(frame, twotone::DecodeValidBoxes[k]), 0, 1);
        const ControlArray captions[] = {twotone::DecodeTone1Captions, twotone::DecodeTone2Captions,
                                         twotone::DecodeResponseCaptions, twotone::DecodeNameCaptions};
        for (int r = 0; r < 4; ++r) g->addWidget(SideLabel(frame, captions[r][k]), r + 1, 0);
        g->addWidget(Named<QLineEdit>(frame, twotone::DecodeTone1Boxes[k]), 1, 1);
        g->addWidget(Named<QLineEdit>(frame, twotone::DecodeTone2Boxes[k]), 2, 1);
        g->addWidget(Named<QComboBox>(frame, twotone::DecodeResponses[k]), 3, 1);
        g->addWidget(Named<QLineEdit>(frame, twotone::DecodeNames[k]), 4, 1);
        g->setColumnStretch(2, 1);
        tabLay->addWidget(frame);
        tabLay->addStretch(1);
        tabs->AddPage(tab);
    }
    lay->addWidget(tabs);
    return page;
}

}  // namespace

void BuildFrm2Tone(FormDialog& shell) {
    auto* dlg = &shell;
    Frm2Tone& form = dlg->FormAs<Frm2Tone>();

    auto* tabs = Named<QTabWidget>(dlg, twotone::Tabs);
    TextGridView* grid = nullptr;
    tabs->addTab(EncodePage(tabs, grid), QString());
    tabs->addTab(OwnCallPage(tabs), QString());
    tabs->addTab(DecodePage(tabs), QString());
    auto* buttons = RightRow(
        {Named<QPushButton>(dlg, kOKButton), Named<QPushButton>(dlg, kCancelButton)});
    auto* top = new QVBoxLayout(dlg);
    top->addWidget(tabs);
    top->addLayout(buttons);

    FormBinder& b = dlg->Bind();
    auto* decodeTabs = dlg->findChild<TabRows*>();
    decodeTabs->Follow();
    FitTexts(dlg);  // the rows' captions came after the binder's first fit
    QObject::connect(&b, &FormBinder::synced, decodeTabs, &TabRows::Follow);
    b.SetEnterAsTab(true);
    b.StandBackFor({kCancelButton});
    grid->SetLastColumnStretches(true);
    auto* text1 = dlg->findChild<QWidget*>(twotone::ToneEditor);
    auto* text3 = dlg->findChild<QWidget*>(twotone::NameEditor);
    // The open editor lies over its cell after every handler and stays there
    // when the columns or the view change size. A scroll by the user commits
    // the open cell; the view's own scrolling to its current cell is none.
    auto* editors = new CellEditors(b, grid, [&form] { return GridCell{form.CurTone2Row, form.CurTone2Col}; });
    editors->Add({text1, text3});
    editors->OnUserScroll(Qt::Vertical | Qt::Horizontal, [&form] { form.MSHFlexGrid1_Scroll(); });
}

}  // namespace rp
