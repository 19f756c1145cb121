// The five-tone dialog's widgets. The form holds every rule; this file only
// lays out widgets named after its controls, floats the grid's editors over
// their cell and lays out the builder and the user tone set it opens.
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

#include "fivetone/controlnames.h"
#include "fivetone/frm5tone.h"
#include "fivetone/frm5tonedefts.h"
#include "fivetone/frmspecial.h"
#include "fivetone/qt/openers.h"
#include "widgets/editorplacement.h"
#include "widgets/gridmodel.h"
#include "widgets/shellparts.h"
#include "widgets/twips.h"

namespace rp {

namespace {

// A grid of label and control pairs, each label's right edge 100 twips left
// of its control.
QGridLayout* PairGrid(QWidget* owner) {
    auto* g = new QGridLayout;
    g->setHorizontalSpacing(TwipsToPixelsX(owner, 100));
    return g;
}

}  // namespace

void BuildFiveToneDialog(FormDialog& shell) {
    auto* dlg = &shell;
    Frm5Tone& form = dlg->FormAs<Frm5Tone>();
    auto tw = [dlg](int twips) { return TwipsToPixelsX(dlg, twips); };

    // Focusable controls are made in the tab order of the form.
    auto* text2 = Named<SelectAllLineEdit>(dlg, "Text2");
    text2->setFixedWidth(tw(1200));
    QComboBox* combo1[13] = {};
    for (int i = 1; i <= 12; ++i) combo1[i] = Named<QComboBox>(dlg, Indexed("Combo1", i));
    auto* check1 = Named<QCheckBox>(dlg, "Check1");
    auto* combo6 = Named<QComboBox>(dlg, "Combo6");
    auto* frame3 = Named<QGroupBox>(dlg, "Frame3");
    auto* combo70 = Named<QComboBox>(frame3, "Combo7_0");
    auto* combo71 = Named<QComboBox>(frame3, "Combo7_1");
    auto* text5 = Named<SelectAllLineEdit>(frame3, "Text5");
    auto* text7 = Named<SelectAllLineEdit>(frame3, "Text7");
    auto* text1 = Named<QPlainTextEdit>(dlg, "Text1");
    text1->setFixedWidth(tw(2600));
    text1->setLineWrapMode(QPlainTextEdit::NoWrap);
    text1->setTabChangesFocus(true);
    auto* command4 = Named<QPushButton>(dlg, "Command4");
    auto* grid = Named<TextGridView>(dlg, "MSHFlexGrid1");
    auto* command1 = Named<QPushButton>(dlg, "Command1");
    QGroupBox* frame1[2];
    QPushButton* special[2];
    for (int i = 0; i < 2; ++i) {
        frame1[i] = Named<QGroupBox>(dlg, Indexed("Frame1", i));
        auto* box = Named<SelectAllLineEdit>(frame1[i], Indexed("Text4", i));
        box->setMinimumWidth(tw(2800));
        auto* standard = Named<QComboBox>(frame1[i], Indexed("Combo4", i));
        auto* time = Named<QComboBox>(frame1[i], Indexed("Combo5", i));
        special[i] = Named<QPushButton>(frame1[i], i == 0 ? "Command2" : "Command3");
        auto* g = PairGrid(dlg);
        g->addWidget(SideLabel(frame1[i], Indexed("Label2", i)), 0, 0);
        g->addWidget(box, 0, 1, 1, 3);
        g->addWidget(standard, 1, 1);
        g->addWidget(time, 1, 2);
        g->addWidget(special[i], 1, 3);
        frame1[i]->setLayout(g);
    }
    auto* ok = Named<QPushButton>(dlg, "CommandOK");
    auto* cancel = Named<QPushButton>(dlg, "CommandCancel");

    // The grid's floating editors lie over the current cell.
    auto* text3 = Named<SelectAllLineEdit>(grid->viewport(), "Text3");
    auto* combo2 = Named<QComboBox>(grid->viewport(), "Combo2");
    auto* combo3 = Named<QComboBox>(grid->viewport(), "Combo3");
    auto* text6 = Named<SelectAllLineEdit>(grid->viewport(), "Text6");
    for (QWidget* e : {static_cast<QWidget*>(text3), static_cast<QWidget*>(combo2),
                       static_cast<QWidget*>(combo3), static_cast<QWidget*>(text6)})
        e->hide();

    // System settings: two columns of label and list pairs.
    auto* sys = PairGrid(dlg);
    sys->addWidget(SideLabel(dlg, "Label1_0"), 0, 0);
    sys->addWidget(text2, 0, 1, Qt::AlignLeft);
    for (int i = 1; i <= 12; ++i) {
        const int row = i <= 6 ? i : i - 7;
        const int col = i <= 6 ? 0 : 2;
        sys->addWidget(SideLabel(dlg, Indexed("Label1", i)), row, col);
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
    selector->addWidget(SideLabel(dlg, "Label3"), 0, 0);
    selector->addWidget(combo6, 0, 1);
    selector->setColumnStretch(2, 1);
    info->addLayout(selector);
    auto* infoGrid = PairGrid(dlg);
    infoGrid->addWidget(SideLabel(frame3, "Label4_0"), 0, 0);
    infoGrid->addWidget(combo70, 0, 1);
    infoGrid->addWidget(SideLabel(frame3, "Label4_1"), 1, 0);
    infoGrid->addWidget(combo71, 1, 1);
    infoGrid->addWidget(SideLabel(frame3, "Label4_2"), 2, 0);
    infoGrid->addWidget(text5, 2, 1);
    infoGrid->addWidget(SideLabel(frame3, "Label4_3"), 3, 0);
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
    binder.StandBackFor({"CommandCancel"});

    // The grid is as wide as its columns and its vertical scroll bar.
    int width = grid->verticalHeader()->width() + 2 * grid->frameWidth() +
                grid->verticalScrollBar()->sizeHint().width();
    for (int col = 0; col < grid->model()->columnCount(); ++col) width += grid->columnWidth(col);
    grid->setMinimumWidth(width);
    // The last column takes what a wider view has left beside the scroll bar.
    grid->SetLastColumnStretches(true);
    grid->setMinimumHeight(TwipsToPixelsY(dlg, 3600));

    // After every handler the open editor lies over its cell, and stays there
    // while the view scrolls; a list keeps its own height.
    auto* placement = new EditorPlacement(grid);
    QObject::connect(&binder, &FormBinder::synced, dlg, [grid, placement, &form, text3, combo2, combo3, text6] {
        for (QWidget* e : {static_cast<QWidget*>(text3), static_cast<QWidget*>(combo2),
                           static_cast<QWidget*>(combo3), static_cast<QWidget*>(text6)}) {
            if (!e->isVisibleTo(grid)) continue;
            placement->Place(e, form.CurTone5Row, form.CurTone5Col,
                             qobject_cast<QComboBox*>(e) ? EditorHeight::Own : EditorHeight::Cell);
        }
    });
    // A scroll by the user commits and hides the editors; a scroll that follows
    // a move of the current cell only carries the open editor along.
    QObject::connect(grid->verticalScrollBar(), &QScrollBar::actionTriggered, dlg,
                     [&binder, &form](int) { binder.Run([&] { form.MSHFlexGrid1_Scroll(); }); });
}

void BuildSpecialCallDialog(FormDialog& shell) {
    auto* dlg = &shell;
    auto tw = [dlg](int twips) { return TwipsToPixelsX(dlg, twips); };
    auto* entries = Named<QComboBox>(dlg, "Combo1_0");
    auto* kinds = Named<QComboBox>(dlg, "Combo1_1");
    auto* frame2 = Named<QGroupBox>(dlg, "Frame2");
    auto* id0 = Named<SelectAllLineEdit>(frame2, "Text1_0");
    auto* message = Named<SelectAllLineEdit>(frame2, "Text2");
    message->setMinimumWidth(tw(2400));
    auto* frame4 = Named<QGroupBox>(dlg, "Frame4");
    auto* id1 = Named<SelectAllLineEdit>(frame4, "Text1_1");
    auto* separator = Named<QComboBox>(dlg, "Combo3");
    auto* ok = Named<QPushButton>(dlg, "CommandOK");
    auto* cancel = Named<QPushButton>(dlg, "CommandCancel");

    auto* head = PairGrid(dlg);
    head->addWidget(SideLabel(dlg, "Label1_0"), 0, 0);
    head->addWidget(entries, 0, 1);
    head->addWidget(SideLabel(dlg, "Label1_1"), 1, 0);
    head->addWidget(kinds, 1, 1);
    auto* g2 = PairGrid(dlg);
    g2->addWidget(SideLabel(frame2, "Label2_0"), 0, 0);
    g2->addWidget(id0, 0, 1);
    g2->addWidget(SideLabel(frame2, "Label3"), 1, 0);
    g2->addWidget(message, 1, 1);
    frame2->setLayout(g2);
    auto* g4 = PairGrid(dlg);
    g4->addWidget(SideLabel(frame4, "Label2_1"), 0, 0);
    g4->addWidget(id1, 0, 1);
    g4->setRowStretch(1, 1);
    frame4->setLayout(g4);
    auto* sep = PairGrid(dlg);
    sep->addWidget(SideLabel(dlg, "Label5"), 0, 0);
    sep->addWidget(separator, 0, 1);
    sep->setColumnStretch(2, 1);
    auto* buttons = RightRow({ok, cancel});

    auto* main = new QGridLayout(dlg);
    main->addLayout(head, 0, 0);
    main->addWidget(frame2, 1, 0);  // the two frames lie on the same spot
    main->addWidget(frame4, 1, 0);
    main->addLayout(sep, 2, 0);
    main->addLayout(buttons, 3, 0);
    main->setRowStretch(1, 1);
    dlg->Bind().StandBackFor({"CommandCancel"});
}

void BuildUserToneDialog(FormDialog& shell) {
    auto* dlg = &shell;
    auto* g = PairGrid(dlg);
    for (int i = 0; i < 16; ++i) {
        auto* box = Named<SelectAllLineEdit>(dlg, Indexed("Text1", i));
        box->setFixedWidth(TwipsToPixelsX(dlg, 1000));
        const int row = i % 8, col = i < 8 ? 0 : 2;
        g->addWidget(SideLabel(dlg, Indexed("Label1", i)), row, col);
        g->addWidget(box, row, col + 1);
    }
    auto* ok = Named<QPushButton>(dlg, "CommandOK");
    auto* cancel = Named<QPushButton>(dlg, "CommandCancel");
    g->addWidget(ok, 8, 1);
    g->addWidget(cancel, 8, 3);
    dlg->setLayout(g);
    dlg->Bind().StandBackFor({"CommandCancel"});
}

void RegisterFiveToneDialogs(DialogOpeners& openers) {
    openers.Register("Frm5Tone", BuildFiveToneDialog);
    openers.Register("FrmSpecial", BuildSpecialCallDialog);
    openers.Register("Frm5ToneDefTS", BuildUserToneDialog);
}

}  // namespace rp
