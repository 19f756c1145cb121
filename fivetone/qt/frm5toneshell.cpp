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
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QVBoxLayout>

#include <array>

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

namespace {

// The five-tone window's focusable controls.
struct FiveToneControls {
    QWidget* text2;
    std::array<QComboBox*, 13> combo1;
    QCheckBox* check1;
    QComboBox* combo6;
    QGroupBox* frame3;
    QComboBox* combo70;
    QComboBox* combo71;
    QWidget* text5;
    QWidget* text7;
    QPlainTextEdit* text1;
    QPushButton* command4;
    TextGridView* grid;
    QPushButton* command1;
    std::array<QGroupBox*, 2> frame1;
    QPushButton* ok;
    QPushButton* cancel;
};

// The code grid's floating editors.
struct CodeGridEditors {
    QWidget* text3;
    QWidget* combo2;
    QWidget* combo3;
    QWidget* text6;
};

// A PTT frame: its code box above the standard, the tone time and the
// special call button.
QGroupBox* PttFrame(FormDialog* dlg, int i) {
    using namespace fivetone;
    auto tw = [dlg](int twips) { return TwipsToPixelsX(dlg, twips); };
    auto* frame = Named<QGroupBox>(dlg, PttFrames[i]);
    auto* box = Named<QLineEdit>(frame, PttCodes[i]);
    box->setMinimumWidth(tw(2800));
    auto* standard = Named<QComboBox>(frame, PttStandards[i]);
    auto* time = Named<QComboBox>(frame, PttToneTimes[i]);
    auto* special = Named<QPushButton>(frame, PttSpecialCallButtons[i]);
    auto* g = PairGrid(dlg);
    g->addWidget(SideLabel(frame, PttCodeLabels[i]), 0, 0);
    g->addWidget(box, 0, 1, 1, 3);
    g->addWidget(standard, 1, 1);
    g->addWidget(time, 1, 2);
    g->addWidget(special, 1, 3);
    frame->setLayout(g);
    return frame;
}

// Focusable controls are made in the tab order of the form.
FiveToneControls MakeControls(FormDialog* dlg) {
    using namespace fivetone;
    auto tw = [dlg](int twips) { return TwipsToPixelsX(dlg, twips); };
    auto* text2 = Named<QLineEdit>(dlg, OwnId);
    text2->setFixedWidth(tw(1200));
    std::array<QComboBox*, 13> combo1 = {};
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
    std::array<QGroupBox*, 2> frame1 = {};
    for (int i = 0; i < 2; ++i) frame1[i] = PttFrame(dlg, i);
    auto* ok = Named<QPushButton>(dlg, kOKButton);
    auto* cancel = Named<QPushButton>(dlg, kCancelButton);
    return {text2, combo1, check1, combo6, frame3, combo70, combo71, text5, text7,
            text1, command4, grid, command1, frame1, ok, cancel};
}

// The grid's floating editors lie over the current cell.
CodeGridEditors MakeGridEditors(TextGridView* grid) {
    using namespace fivetone;
    auto* text3 = Named<QLineEdit>(grid->viewport(), CodeEditor);
    auto* combo2 = Named<QComboBox>(grid->viewport(), StandardEditor);
    auto* combo3 = Named<QComboBox>(grid->viewport(), ToneTimeEditor);
    auto* text6 = Named<QLineEdit>(grid->viewport(), NameEditor);
    for (QWidget* e : {static_cast<QWidget*>(text3), static_cast<QWidget*>(combo2),
                       static_cast<QWidget*>(combo3), static_cast<QWidget*>(text6)})
        e->hide();
    return {text3, combo2, combo3, text6};
}

// System settings: two columns of label and list pairs, the tone table with
// its button beside them.
QHBoxLayout* SettingsPart(FormDialog* dlg, QWidget* text2, const std::array<QComboBox*, 13>& combo1,
                          QWidget* check1, QWidget* text1, QWidget* command4) {
    using namespace fivetone;
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
    return top;
}

// The code grid: its columns (10,350 twips) never scroll sideways.
QVBoxLayout* CodeGridPart(TextGridView* grid, QPushButton* command1) {
    grid->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    grid->verticalHeader()->setSectionsClickable(false);
    grid->horizontalHeader()->setSectionsClickable(false);
    grid->horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    auto* codes = new QVBoxLayout;
    codes->addLayout(RightRow({command1}));
    codes->addWidget(grid, 1);
    return codes;
}

// Information codes.
QVBoxLayout* InfoPart(FormDialog* dlg, QComboBox* combo6, QGroupBox* frame3, QComboBox* combo70,
                      QComboBox* combo71, QWidget* text5, QWidget* text7) {
    using namespace fivetone;
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
    return info;
}

// The two PTT frames, the information codes beside them.
QHBoxLayout* LowerPart(const std::array<QGroupBox*, 2>& frame1, QVBoxLayout* info) {
    auto* ptt = new QVBoxLayout;
    ptt->addWidget(frame1[0]);
    ptt->addWidget(frame1[1]);
    auto* lower = new QHBoxLayout;
    lower->addLayout(ptt, 1);
    lower->addLayout(info);
    return lower;
}

// The grid is as wide as its columns and its vertical scroll bar.
void SizeCodeGrid(FormDialog* dlg, TextGridView* grid) {
    int width = grid->verticalHeader()->width() + 2 * grid->frameWidth() +
                grid->verticalScrollBar()->sizeHint().width();
    for (int col = 0; col < grid->model()->columnCount(); ++col) width += grid->columnWidth(col);
    grid->setMinimumWidth(width);
    // The last column takes what a wider view has left beside the scroll bar.
    grid->SetLastColumnStretches(true);
    grid->setMinimumHeight(TwipsToPixelsY(dlg, 3600));
}

// After every handler the open editor lies over its cell, and stays there
// while the view scrolls. A scroll by the user commits and hides the
// editors; a scroll that follows a move of the current cell only carries
// the open editor along.
void FloatGridEditors(FormBinder& binder, Frm5Tone& form, TextGridView* grid, const CodeGridEditors& floating) {
    auto* editors = new CellEditors(binder, grid, [&form] { return GridCell{form.CurTone5Row, form.CurTone5Col}; });
    editors->Add({floating.text3, floating.combo2, floating.combo3, floating.text6});
    editors->OnUserScroll(Qt::Vertical, [&form] { form.MSHFlexGrid1_Scroll(); });
}

}  // namespace

void BuildFrm5Tone(FormDialog& shell) {
    auto* dlg = &shell;
    Frm5Tone& form = dlg->FormAs<Frm5Tone>();

    const FiveToneControls c = MakeControls(dlg);
    const CodeGridEditors floating = MakeGridEditors(c.grid);

    QHBoxLayout* top = SettingsPart(dlg, c.text2, c.combo1, c.check1, c.text1, c.command4);
    QVBoxLayout* codes = CodeGridPart(c.grid, c.command1);
    QVBoxLayout* info = InfoPart(dlg, c.combo6, c.frame3, c.combo70, c.combo71, c.text5, c.text7);
    QHBoxLayout* lower = LowerPart(c.frame1, info);

    auto* buttons = RightRow({c.ok, c.cancel});

    auto* main = new QVBoxLayout(dlg);
    main->addLayout(top);
    main->addLayout(codes, 1);
    main->addLayout(lower);
    main->addLayout(buttons);

    FormBinder& binder = dlg->Bind();
    binder.StandBackFor({kCancelButton});

    SizeCodeGrid(dlg, c.grid);
    FloatGridEditors(binder, form, c.grid, floating);
}

void RegisterFiveToneDialogs(DialogOpeners& openers) {
    openers.Register(Frm5Tone::kName, BuildFrm5Tone);
    openers.Register(FrmCallBuilder::kName, BuildFrmCallBuilder);
    openers.Register(Frm5ToneDefTS::kName, BuildFrm5ToneDefTS);
}

}  // namespace rp
