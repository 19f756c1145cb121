#include "settings/qt/frmoptionshell.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include <memory>
#include <string>
#include <vector>

#include "settings/frmoption.h"
#include "settings/frmoptioncontrols.h"
#include "widgets/shellparts.h"
#include "widgets/twips.h"

namespace rp {

namespace {

// A column of captions and their controls.
QGridLayout* CaptionColumn(int gap) {
    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(gap);
    grid->setColumnStretch(1, 1);
    return grid;
}

// The power-on text: two rows of six one-character boxes.
std::vector<QLineEdit*> PowerOnPart(FormDialog* dlg, QGridLayout* left) {
    std::vector<QLineEdit*> boxes;
    left->addWidget(SideLabel(dlg, option::PowerOnLabel), 0, 0);
    for (int row = 0; row < 2; ++row) {
        auto* line = new QHBoxLayout;
        for (int j = row * 6; j < row * 6 + 6; ++j) {
            auto* box = Named<QLineEdit>(dlg, option::PowerOnBoxes[j]);
            box->setAlignment(Qt::AlignCenter);
            box->setFixedWidth(TwipsToPixelsX(dlg, 330));
            boxes.push_back(box);
            line->addWidget(box);
        }
        line->addStretch();
        left->addLayout(line, row, 1);
    }
    return boxes;
}

// The power-on text's password group (never shown) below its boxes.
QLineEdit* PasswordPart(FormDialog* dlg, QGridLayout* left) {
    auto* password = new QHBoxLayout;
    password->addWidget(Named<QCheckBox>(dlg, option::PasswordOn));
    password->addWidget(SideLabel(dlg, option::PasswordLabel));
    auto* text2 = Named<QLineEdit>(dlg, option::Password);
    password->addWidget(text2);
    left->addLayout(password, 2, 1);
    return text2;
}

// The lists, each with its label, in the form's order, and the two
// frequency boxes below the right column's lists.
void ListsPart(FormDialog* dlg, QGridLayout* left, QGridLayout* right) {
    const int listWidth = TwipsToPixelsX(dlg, 1900);
    auto list = [&](const char* name) {
        auto* combo = Named<QComboBox>(dlg, name);
        combo->setMinimumWidth(listWidth);
        combo->setSizeAdjustPolicy(QComboBox::AdjustToContents);
        return combo;
    };
    int leftRow = 3, rightRow = 0;
    auto* modeLine = new QHBoxLayout;
    modeLine->addWidget(list(option::DisplayMode));
    left->addWidget(SideLabel(dlg, option::DisplayModeLabel), leftRow, 0);
    left->addLayout(modeLine, leftRow++, 1);
    QComboBox* displayOption = list(option::DisplayOption);
    modeLine->addWidget(SideLabel(dlg, option::DisplayOptionLabel));
    modeLine->addWidget(displayOption);
    for (const CaptionedControl& row : option::kLeftLists) {
        QComboBox* combo = list(row.control);
        left->addWidget(SideLabel(dlg, row.label), leftRow, 0);
        left->addWidget(combo, leftRow++, 1);
    }
    for (const CaptionedControl& row : option::kRightLists) {
        QComboBox* combo = list(row.control);
        right->addWidget(SideLabel(dlg, row.label), rightRow, 0);
        right->addWidget(combo, rightRow++, 1);
    }
    for (auto [label, box] : option::kFrequencyBoxes) {
        right->addWidget(SideLabel(dlg, label), rightRow, 0);
        right->addWidget(Named<QLineEdit>(dlg, box), rightRow++, 1);
    }
    left->setRowStretch(leftRow, 1);
    right->setRowStretch(rightRow, 1);
}

// The check boxes and the bank links, each in its frame.
QVBoxLayout* FramesPart(FormDialog* dlg) {
    auto* frames = new QVBoxLayout;
    auto* frame1 = Named<QGroupBox>(dlg, option::SwitchFrame);
    auto* checks = new QVBoxLayout(frame1);
    for (const char* box : {option::FuncOperA, option::FuncOperB, option::InitKey, option::TailElim,
                            option::FullBand, option::Alarm, option::Voice, option::RadioOn, option::AmEnabled,
                            option::FmEnabled, option::SwEnabled, option::LwEnabled, option::GroupSelectA,
                            option::GroupSelectB, option::KeyLock, option::QuickScan})
        checks->addWidget(Named<QCheckBox>(frame1, box));
    auto* frame2 = Named<QGroupBox>(dlg, option::BankLinkFrame);
    auto* links = new QGridLayout(frame2);
    for (int i = 0; i < 10; ++i) links->addWidget(Named<QCheckBox>(frame2, option::BankLinks[i]), i / 2, i % 2);
    frames->addWidget(frame1);
    frames->addWidget(frame2);
    frames->addStretch();
    return frames;
}

// Tab order as the form keeps it, so Tab and the boxes' own moves agree.
void FollowFormTabOrder(FormDialog* dlg, FrmOption& f) {
    QWidget* previous = nullptr;
    for (const std::string& name : f.State().Names()) {
        auto* w = dlg->findChild<QWidget*>(QString::fromStdString(name));
        if (!w || qobject_cast<QLabel*>(w) || qobject_cast<QGroupBox*>(w)) continue;
        if (previous) QWidget::setTabOrder(previous, w);
        previous = w;
    }
}

}  // namespace

void BuildFrmOption(FormDialog& shell) {
    auto* dlg = &shell;
    FrmOption& f = dlg->FormAs<FrmOption>();

    // A label stands 30 twips left of its control, right-aligned to it.
    const int gap = TwipsToPixelsX(dlg, 30);
    QGridLayout* left = CaptionColumn(gap);
    QGridLayout* right = CaptionColumn(gap);

    std::vector<QLineEdit*> boxes = PowerOnPart(dlg, left);
    QLineEdit* text2 = PasswordPart(dlg, left);
    ListsPart(dlg, left, right);
    QVBoxLayout* frames = FramesPart(dlg);

    auto* buttons = RightRow({Named<QPushButton>(dlg, kOKButton), Named<QPushButton>(dlg, kCancelButton)});

    auto* top = new QGridLayout(dlg);
    top->setHorizontalSpacing(TwipsToPixelsX(dlg, 240));
    top->addLayout(left, 0, 0);
    top->addLayout(right, 0, 1);
    top->addLayout(frames, 0, 2);
    top->addLayout(buttons, 1, 0, 1, 3);

    FollowFormTabOrder(dlg, f);

    FormBinder& binder = dlg->Bind();
    binder.StandBackFor({kCancelButton});
    // The clipboard shortcuts of every platform reach the boxes' key rules as
    // the control codes they refuse.
    for (QLineEdit* box : boxes) binder.ClipboardKeysAsCodes(box);
    binder.ClipboardKeysAsCodes(text2);
}

void RegisterOptionDialogs(DialogOpeners& openers) {
    openers.Register(FrmOption::kName, BuildFrmOption);
}

}  // namespace rp
