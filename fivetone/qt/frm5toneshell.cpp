// The five-tone dialog's widgets. The form holds every rule; this file only
// lays out widgets named after its controls, floats the grid's editors over
// their cell and opens the builder and the user tone set (their widgets are
// in callbuildershell.cpp and frm5tonedeftsshell.cpp).
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QVBoxLayout>

#include "fivetone/frm5tone.h"
#include "fivetone/frm5tonecontrols.h"
#include "fivetone/frm5tonedefts.h"
#include "fivetone/callbuilder.h"
#include "fivetone/qt/openers.h"
#include "fivetone/qt/shellparts.h"
#include "widgets/editorplacement.h"
#include "widgets/gridmodel.h"
#include "widgets/shellparts.h"
#include "widgets/twips.h"

namespace rp {

void BuildFrm5Tone(FormDialog& shell) {
    using namespace fivetone;
    auto* dlg = &shell;
    Frm5Tone& form = dlg->FormAs<Frm5Tone>();
    auto tw = [dlg](int twips) { return TwipsToPixelsX(dlg, twips); };

    // Focusable controls are made in the tab order of the form.
    auto* text2 = Named<QLineEdit>(dlg, OwnId);
    text2->setFixedWidth(tw(1200));
    QComboBox* combo1[13] = {};
    for (int i = 1; i <= 12; ++i) combo1[i] = Named<QComboBox>(dlg, SettingBoxes[i]);
    auto* check1 = Named<QCheckBox>(dlg, SideTone);
    auto* combo6 = Named<QComboBox>(dlg, InfoNumber);
    auto* frame3 = Named<QGroupBox>(dlg, InfoFrame);
    auto* combo70 = Named<QComboBox>(frame3, InfoType);
    auto* combo71 = Named<QComboBox>(frame3, InfoOption);
    auto* text5 = Named<QLineEdit>(frame3, InfoCodeBox);
    auto* text7 = Named<QLineEdit>(frame3, InfoName);
    auto* text1 = Named<QPlainTextEdit>(dlg, ToneTable);
    text1->setFixedWidth(tw(2600));
    text1->setLineWrapMode(QPlainTextEdit::NoWrap);
    text1->setTabChangesFocus(true);
    auto* command4 = Named<QPushButton>(dlg, UserTonesButton);
    auto* grid = Named<TextGridView>(dlg, CodeGrid);
    auto* command1 = Named<QPushButton>(dlg, SpecialCallButton);
    QGroupBox* frame1[2];
    QPushButton* special[2];
    for (int i = 0; i < 2; ++i) {
        frame1[i] = Named<QGroupBox>(dlg, PttFrames[i]);
        auto* box = Named<QLineEdit>(frame1[i], PttCodes[i]);
        box->setMinimumWidth(tw(2800));
        auto* standard = Named<QComboBox>(frame1[i], PttStandards[i]);
        auto* time = Named<QComboBox>(frame1[i], PttToneTimes[i]);
        special[i] = Named<QPushButton>(frame1[i], PttSpecialCallButtons[i]);
        auto* g = PairGrid(dlg);
        g->addWidget(SideLabel(frame1[i], PttCodeLabels[i]), 0, 0);
        g->addWidget(box, 0, 1, 1, 3);
        g->addWidget(standard, 1, 1);
        g->addWidget(time, 1, 2);
        g->addWidget(special[i], 1, 3);
        frame1[i]->setLayout(g);
    }
    auto* ok = Named<QPushButton>(dlg, kOKButton);
    auto* cancel = Named<QPushButton>(dlg, kCancelButton);

    // The grid's floating editors lie over the current cell.
    auto* text3 = Named<QLineEdit>(grid->viewport(), CodeEditor);
    auto* combo2 = Named<QComboBox>(grid->viewport(), StandardEditor);
    auto* combo3 = Named<QComboBox>(grid->viewport(), ToneTimeEditor);
    auto* text6 = Named<QLineEdit>(grid->viewport(), NameEditor);
    for (QWidget* e : {static_cast<QWidget*>(text3), static_cast<QWidget*>(combo2),
                       static_cast<QWidget*>(combo3), static_cast<QWidget*>(text6)})
        e->hide();

    // System settings: two columns of label and list pairs.
    auto* sys = PairGrid(dlg);
    sys->addWidget(SideLabel(dlg, SettingLabels[0]), 0, 0);
    sys->addWidget(text2, 0, 1, Qt::AlignLeft);
    for (int i = 1; i <= 12; ++i) {
        const int row = i <= 6 ? i : i - 7;
        const int col = i <= 6 ? 0 : 2;
        sys->addWidget(SideLabel(dlg, SettingLabels[i]), row, col);
        sys->addWidget(combo1[i], row, col + 1);
    }
    sys->addWidget(check1, 6, 3);
    auto* table = new QVBoxLayout;
    table->addWidget(text1, 1);
    table->addWidget(command4);
    auto* top = new QHBoxLayout;
    top->addLayout(sys, 1);
    top->addLayout(table);

    // The code grid: its columns (10,350 twips) never scroll sideways.
    grid->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    grid->verticalHeader()->setSectionsClickable(false);
    grid->horizontalHeader()->setSectionsClickable(false);
    grid->horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    auto* codes = new QVBoxLayout;
    codes->addLayout(RightRow({command1}));
    codes->addWidget(grid, 1);

    // Information codes.
    auto* info = new QVBoxLayout;
    auto* selector = PairGrid(dlg);
    selector->addWidget(SideLabel(dlg, InfoNumberLabel), 0, 0);
    selector->addWidget(combo6, 0, 1);
    selector->setColumnStretch(2, 1);
    info->addLayout(selector);
    auto* infoGrid = PairGrid(dlg);
    infoGrid->addWidget(SideLabel(frame3, InfoTypeLabel), 0, 0);
    infoGrid->addWidget(combo70, 0, 1);
    infoGrid->addWidget(SideLabel(frame3, InfoOptionLabel), 1, 0);
    infoGrid->addWidget(combo71, 1, 1);
    infoGrid->addWidget(SideLabel(frame3, InfoCodeLabel), 2, 0);
    infoGrid->addWidget(text5, 2, 1);
    infoGrid->addWidget(SideLabel(frame3, InfoNameLabel), 3, 0);
    infoGrid->addWidget(text7, 3, 1);
    frame3->setLayout(infoGrid);
    info->addWidget(frame3);

    auto* ptt = new QVBoxLayout;
    ptt->addWidget(frame1[0]);
    ptt->addWidget(frame1[1]);
    auto* lower = new QHBoxLayout;
    lower->addLayout(ptt, 1);
    lower->addLayout(info);

    auto* buttons = RightRow({ok, cancel});

    auto* main = new QVBoxLayout(dlg);
    main->addLayout(top);
    main->addLayout(codes, 1);
    main->addLayout(lower);
    main->addLayout(buttons);

    FormBinder& binder = dlg->Bind();
    binder.StandBackFor({kCancelButton});

    // The grid is as wide as its columns and its vertical scroll bar.
    int width = grid->verticalHeader()->width() + 2 * grid->frameWidth() +
                grid->verticalScrollBar()->sizeHint().width();
    for (int col = 0; col < grid->model()->columnCount(); ++col) width += grid->columnWidth(col);
    grid->setMinimumWidth(width);
    // The last column takes what a wider view has left beside the scroll bar.
    grid->SetLastColumnStretches(true);
    grid->setMinimumHeight(TwipsToPixelsY(dlg, 3600));

    // After every handler the open editor lies over its cell, and stays there
    // while the view scrolls. A scroll by the user commits and hides the
    // editors; a scroll that follows a move of the current cell only carries
    // the open editor along.
    auto* editors = new CellEditors(binder, grid, [&form] { return GridCell{form.CurTone5Row, form.CurTone5Col}; });
    editors->Add({text3, combo2, combo3, text6});
    editors->OnUserScroll(Qt::Vertical, [&form] { form.MSHFlexGrid1_Scroll(); });
}

void RegisterFiveToneDialogs(DialogOpeners& openers) {
    openers.Register(Frm5Tone::kName, BuildFrm5Tone);
    openers.Register(FrmCallBuilder::kName, BuildFrmCallBuilder);
    openers.Register(Frm5ToneDefTS::kName, BuildFrm5ToneDefTS);
}

}  // namespace rp
