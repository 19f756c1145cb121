// The channel dialog's shell: widgets named after FrmCHEdit's controls,
// laid out in rows of label and list; the binder mirrors the form and runs
// its handlers. Hidden controls are laid out too, so the form's state has a
// widget everywhere.
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

#include "channels/frmchedit.h"
#include "channels/cheditkeys.h"
#include "channels/qt/openers.h"
#include "widgets/shellparts.h"
#include "widgets/twips.h"

namespace rp {

namespace {

void BuildShell(FormDialog& dlg) {
    const int listWidth = TwipsToPixelsX(&dlg, 1600);
    const int boxWidth = TwipsToPixelsX(&dlg, 1300);
    const int charWidth = TwipsToPixelsX(&dlg, 330);
    auto label = [&](const std::string& n) { return SideLabel(&dlg, n); };
    auto list = [&](const std::string& n) {
        auto* c = Named<QComboBox>(&dlg, n);
        c->setMinimumWidth(listWidth);
        c->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
        return c;
    };
    auto box = [&](const std::string& n) {
        auto* e = Named<QLineEdit>(&dlg, n);
        e->setMinimumWidth(boxWidth);
        return e;
    };

    auto* grid = new QGridLayout;
    grid->setColumnStretch(1, 1);
    grid->setColumnStretch(5, 1);
    int row = 0;
    // RX and TX.
    grid->addWidget(label("Label1_0"), row, 0);
    grid->addWidget(box("Text1_0"), row, 1, 1, 2);
    grid->addWidget(label("Label1_3"), row, 3);
    grid->addWidget(box("Text1_10"), row, 4, 1, 2);
    ++row;
    // The name, one character per box.
    grid->addWidget(label("Label1_2"), row, 0);
    auto* names = new QHBoxLayout;
    names->setSpacing(2);
    for (int i = 2; i <= 7; ++i) {
        auto* e = Named<QLineEdit>(&dlg, "Text1_" + std::to_string(i));
        e->setFixedWidth(charWidth);
        e->setAlignment(Qt::AlignCenter);
        names->addWidget(e);
    }
    names->addStretch();
    grid->addLayout(names, row, 1, 1, 5);
    ++row;
    // Step, bandwidth, power, busy lock.
    auto pair = [&](int r, int col, const std::string& labelName, QWidget* w, int span = 1) {
        grid->addWidget(label(labelName), r, col);
        grid->addWidget(w, r, col + 1, 1, span);
    };
    pair(row, 0, "Label2_0", list("Combo1_0"));
    pair(row, 3, "Label2_1", list("Combo1_1"));
    ++row;
    pair(row, 0, "Label2_2", list("Combo1_2"));
    pair(row, 3, "Label2_13", list("Combo1_13"));
    ++row;
    // Decode and encode tone: the type, then the CTCSS or the DCS list in
    // one place, then the inverted tick.
    for (int encode = 0; encode <= 1; ++encode) {
        pair(row, 0, encode ? "Label2_10" : "Label2_5", list(encode ? "Combo1_10" : "Combo1_5"));
        grid->addWidget(list(encode ? "Combo3_1" : "Combo3_0"), row, 2);
        grid->addWidget(list(encode ? "Combo3_3" : "Combo3_2"), row, 2);
        grid->addWidget(Named<QCheckBox>(&dlg, encode ? "Check2_1" : "Check2_0"), row, 3, 1, 2);
        ++row;
    }
    // Signalling with its code list in one place, two-tone decode.
    pair(row, 0, "Label2_4", list("Combo1_4"));
    for (int i = 0; i <= 3; ++i) grid->addWidget(list("Combo4_" + std::to_string(i)), row, 2);
    pair(row, 3, "Label2_16", list("Combo1_16"));
    ++row;
    pair(row, 0, "Label2_9", list("Combo1_9"), 2);
    pair(row, 3, "Label2_15", list("Combo1_15"));
    ++row;
    pair(row, 0, "Label2_7", list("Combo1_7"));
    pair(row, 3, "Label2_8", list("Combo1_8"));
    ++row;
    pair(row, 0, "Label4", box("Text3"));
    grid->addWidget(Named<QCheckBox>(&dlg, "Check1"), row, 3, 1, 2);
    ++row;
    grid->addWidget(Named<QCheckBox>(&dlg, "Check6"), row, 3, 1, 2);
    // Reverse and talk-around share a frame.
    auto* frame = new QGroupBox(&dlg);
    auto* frameLayout = new QHBoxLayout(frame);
    frameLayout->addWidget(Named<QCheckBox>(frame, "Check4_0"));
    frameLayout->addWidget(Named<QCheckBox>(frame, "Check4_1"));
    grid->addWidget(frame, row, 0, 1, 3);
    ++row;
    // Never shown: they hold their fields from display to OK.
    pair(row, 0, "Label1_1", box("Text1_1"));
    grid->addWidget(list("Combo2"), row, 2);
    pair(row, 3, "Label3", box("Text2"));
    ++row;
    pair(row, 0, "Label2_6", list("Combo1_6"));
    pair(row, 3, "Label2_11", list("Combo1_11"));
    ++row;
    pair(row, 0, "Label2_12", list("Combo1_12"));
    grid->addWidget(Named<QCheckBox>(&dlg, "Check3"), row, 3);
    grid->addWidget(Named<QCheckBox>(&dlg, "Check5"), row, 4);
    grid->addWidget(Named<QCheckBox>(&dlg, "Check7"), row, 5);

    auto* bank = Named<QListWidget>(&dlg, "ListBank");
    bank->setFixedWidth(TwipsToPixelsX(&dlg, 1300));
    bank->setMinimumHeight(TwipsToPixelsY(&dlg, 2400));

    auto* body = new QHBoxLayout;
    body->addLayout(grid, 1);
    auto* side = new QVBoxLayout;
    side->addWidget(bank);
    side->addStretch();
    body->addLayout(side);
    auto* outer = new QVBoxLayout(&dlg);
    outer->addLayout(body);
    outer->addLayout(RightRow({Named<QPushButton>(&dlg, "CommandOK"), Named<QPushButton>(&dlg, "CommandCancel")}));
}

// The focus moved on once a name character is in its box: queued, after
// the key that asked for it.
void FollowFormRequests(FormDialog& dlg, FrmCHEdit& f, FormBinder& b) {
    QObject::connect(&b, &FormBinder::synced, &dlg, [&dlg, &f, &b] {
        if (!f.focusNextAfterKey.empty()) {
            const std::string from = f.focusNextAfterKey;
            f.focusNextAfterKey.clear();
            QTimer::singleShot(0, &dlg, [&f, &b, from] { b.Run([&f, from] { f.FocusNext(from); }); });
        }
    });
}

}  // namespace

void BuildChEditDialog(FormDialog& shell) {
    auto* dlg = &shell;
    FrmCHEdit& f = dlg->FormAs<FrmCHEdit>();
    BuildShell(*dlg);
    FormBinder& b = dlg->Bind();
    // The dialog's tab order, which Enter follows as well.
    const std::vector<std::string>& order = ChEditTabOrder();
    for (std::size_t i = 1; i < order.size(); ++i)
        QWidget::setTabOrder(b.Widget(order[i - 1]), b.Widget(order[i]));
    FollowFormRequests(*dlg, f, b);
}

void RegisterChannelDialogs(DialogOpeners& openers) {
    openers.Register("FrmCHEdit", BuildChEditDialog);
    openers.Register("FrmBank", BuildBankDialog);
    openers.Register("FrmCHBatch", BuildChBatchDialog);
}

}  // namespace rp
