#include "settings/qt/frmoptionshell.h"

#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include <memory>
#include <set>
#include <string>
#include <vector>

#include "settings/frmoption.h"
#include "widgets/shellparts.h"
#include "widgets/twips.h"

namespace rp {

namespace {

std::string Ctl(const char* base, int index) { return std::string(base) + "_" + std::to_string(index); }

// The clipboard shortcuts of every platform (Shift+Insert, Ctrl+Insert,
// Shift+Delete as well as Ctrl+V/C/X) reach the form as the control codes its
// key rules know; the binder only sees keys that carry a character.
class ClipboardKeys : public QObject {
public:
    explicit ClipboardKeys(FormBinder& binder) : QObject(&binder), binder_(binder) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::KeyPress) return false;
        auto* key = static_cast<QKeyEvent*>(event);
        int code = key->matches(QKeySequence::Paste) ? 22
                   : key->matches(QKeySequence::Copy) ? 3
                   : key->matches(QKeySequence::Cut)  ? 24
                                                       : 0;
        if (code == 0) return false;
        const std::string name = binder_.ControlOf(watched);
        binder_.Run([&] { binder_.form().KeyPress(name, code); });
        return code == 0;
    }

private:
    FormBinder& binder_;
};

// The lists of the left column (the rest stand in the right one), in the
// form's tab order; Combo1(18) stands beside Combo1(0).
const std::set<int> kLeftLists = {0, 18, 1, 2, 3, 30, 7, 4, 31, 8, 5, 6, 15, 9, 10, 11};

}  // namespace

void BuildOptionDialog(FormDialog& shell) {
    auto* dlg = &shell;
    FrmOption& f = dlg->FormAs<FrmOption>();

    // A label stands 30 twips left of its control, right-aligned to it.
    const int gap = TwipsToPixelsX(dlg, 30);
    const int listWidth = TwipsToPixelsX(dlg, 1900);
    auto column = [&] {
        auto* grid = new QGridLayout;
        grid->setHorizontalSpacing(gap);
        grid->setColumnStretch(1, 1);
        return grid;
    };
    QGridLayout* left = column();
    QGridLayout* right = column();

    // The power-on text: two rows of six one-character boxes, its password
    // group (never shown) beside it.
    std::vector<QLineEdit*> boxes;
    left->addWidget(SideLabel(dlg, "Label2"), 0, 0);
    for (int row = 0; row < 2; ++row) {
        auto* line = new QHBoxLayout;
        for (int j = row * 6; j < row * 6 + 6; ++j) {
            auto* box = Named<QLineEdit>(dlg, Ctl("Text1", j));
            box->setAlignment(Qt::AlignCenter);
            box->setFixedWidth(TwipsToPixelsX(dlg, 330));
            boxes.push_back(box);
            line->addWidget(box);
        }
        line->addStretch();
        left->addLayout(line, row, 1);
    }
    auto* password = new QHBoxLayout;
    password->addWidget(Named<QCheckBox>(dlg, "Check2"));
    password->addWidget(SideLabel(dlg, "Label3"));
    auto* text2 = Named<QLineEdit>(dlg, "Text2");
    password->addWidget(text2);
    left->addLayout(password, 2, 1);

    // The lists, each with its label, in the form's order.
    int leftRow = 3, rightRow = 0;
    QHBoxLayout* modeLine = nullptr;
    for (const std::string& name : f.State().Names()) {
        if (name.rfind("Combo1_", 0) != 0) continue;
        const int i = std::stoi(name.substr(7));
        auto* combo = Named<QComboBox>(dlg, name);
        combo->setMinimumWidth(listWidth);
        combo->setSizeAdjustPolicy(QComboBox::AdjustToContents);
        QLabel* caption = SideLabel(dlg, Ctl("Label1", i));
        if (i == 0) {
            modeLine = new QHBoxLayout;
            modeLine->addWidget(combo);
            left->addWidget(caption, leftRow, 0);
            left->addLayout(modeLine, leftRow++, 1);
        } else if (i == 18) {
            modeLine->addWidget(caption);
            modeLine->addWidget(combo);
        } else if (kLeftLists.count(i)) {
            left->addWidget(caption, leftRow, 0);
            left->addWidget(combo, leftRow++, 1);
        } else {
            right->addWidget(caption, rightRow, 0);
            right->addWidget(combo, rightRow++, 1);
        }
    }
    for (int i = 0; i < 2; ++i) {
        right->addWidget(SideLabel(dlg, Ctl("Label4", i)), rightRow, 0);
        right->addWidget(Named<QLineEdit>(dlg, Ctl("Text3", i)), rightRow++, 1);
    }
    left->setRowStretch(leftRow, 1);
    right->setRowStretch(rightRow, 1);

    // The check boxes and the bank links, each in its frame.
    auto* frames = new QVBoxLayout;
    auto* frame1 = Named<QGroupBox>(dlg, "Frame1");
    auto* checks = new QVBoxLayout(frame1);
    for (int i = 0; i < 16; ++i) checks->addWidget(Named<QCheckBox>(frame1, Ctl("Check1", i)));
    auto* frame2 = Named<QGroupBox>(dlg, "Frame2");
    auto* links = new QGridLayout(frame2);
    for (int i = 0; i < 10; ++i) links->addWidget(Named<QCheckBox>(frame2, Ctl("Check3", i)), i / 2, i % 2);
    frames->addWidget(frame1);
    frames->addWidget(frame2);
    frames->addStretch();

    auto* buttons = RightRow({Named<QPushButton>(dlg, "CommandOK"), Named<QPushButton>(dlg, "CommandCancel")});

    auto* top = new QGridLayout(dlg);
    top->setHorizontalSpacing(TwipsToPixelsX(dlg, 240));
    top->addLayout(left, 0, 0);
    top->addLayout(right, 0, 1);
    top->addLayout(frames, 0, 2);
    top->addLayout(buttons, 1, 0, 1, 3);

    // Tab order as the form keeps it, so Tab and the boxes' own moves agree.
    QWidget* previous = nullptr;
    for (const std::string& name : f.State().Names()) {
        auto* w = dlg->findChild<QWidget*>(QString::fromStdString(name));
        if (!w || qobject_cast<QLabel*>(w) || qobject_cast<QGroupBox*>(w)) continue;
        if (previous) QWidget::setTabOrder(previous, w);
        previous = w;
    }

    FormBinder& binder = dlg->Bind();
    binder.StandBackFor({"CommandCancel"});
    auto* clipboard = new ClipboardKeys(binder);
    for (QLineEdit* box : boxes) box->installEventFilter(clipboard);
    text2->installEventFilter(clipboard);
}

void RegisterOptionDialogs(DialogOpeners& openers) {
    openers.Register("FrmOption", BuildOptionDialog);
}

}  // namespace rp
