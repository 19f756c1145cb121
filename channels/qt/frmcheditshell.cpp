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
#include <QVBoxLayout>

#include "channels/cheditkeys.h"
#include "channels/frmbank.h"
#include "channels/frmchbatch.h"
#include "channels/frmchedit.h"
#include "channels/frmcheditcontrols.h"
#include "channels/qt/openers.h"
#include "widgets/shellparts.h"
#include "widgets/twips.h"

namespace rp {

namespace {

// The channel grid of label and list rows, built group by group in the
// form's tab order; each group starts at `row` and leaves it on the row
// after its own.
struct ChannelGrid {
    explicit ChannelGrid(FormDialog& d);

    QLabel* label(const std::string& n) const { return SideLabel(&dlg, n); }
    QComboBox* list(const std::string& n) const;
    QLineEdit* box(const std::string& n) const;
    void pair(int r, int col, const std::string& labelName, QWidget* w, int span = 1) const;

    void FrequencyAndNameRows();
    void StepAndPowerRows();
    void ToneRows();
    void SignallingRows();
    void SwitchRows();
    void HiddenRows();

    FormDialog& dlg;
    const int listWidth;
    const int boxWidth;
    const int charWidth;
    QGridLayout* grid;
    int row = 0;
};

ChannelGrid::ChannelGrid(FormDialog& d)
    : dlg(d),
      listWidth(TwipsToPixelsX(&dlg, 1600)),
      boxWidth(TwipsToPixelsX(&dlg, 1300)),
      charWidth(TwipsToPixelsX(&dlg, 330)),
      grid(new QGridLayout) {
    grid->setColumnStretch(1, 1);
    grid->setColumnStretch(5, 1);
}

QComboBox* ChannelGrid::list(const std::string& n) const {
    auto* c = Named<QComboBox>(&dlg, n);
    c->setMinimumWidth(listWidth);
    c->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    return c;
}

QLineEdit* ChannelGrid::box(const std::string& n) const {
    auto* e = Named<QLineEdit>(&dlg, n);
    e->setMinimumWidth(boxWidth);
    return e;
}

void ChannelGrid::pair(int r, int col, const std::string& labelName, QWidget* w, int span) const {
    grid->addWidget(label(labelName), r, col);
    grid->addWidget(w, r, col + 1, 1, span);
}

void ChannelGrid::FrequencyAndNameRows() {
    // RX and TX.
    grid->addWidget(label(chedit::RxLabel), row, 0);
    grid->addWidget(box(chedit::RxFreq), row, 1, 1, 2);
    grid->addWidget(label(chedit::TxLabel), row, 3);
    grid->addWidget(box(chedit::TxFreq), row, 4, 1, 2);
    ++row;
    // The name, one character per box.
    grid->addWidget(label(chedit::NameLabel), row, 0);
    auto* names = new QHBoxLayout;
    names->setSpacing(2);
    for (int i = chedit::kNameBoxFirst; i <= chedit::kNameBoxLast; ++i) {
        auto* e = Named<QLineEdit>(&dlg, chedit::EntryBoxes[i]);
        e->setFixedWidth(charWidth);
        e->setAlignment(Qt::AlignCenter);
        names->addWidget(e);
    }
    names->addStretch();
    grid->addLayout(names, row, 1, 1, 5);
    ++row;
}

// Step, bandwidth, power, busy lock.
void ChannelGrid::StepAndPowerRows() {
    pair(row, 0, chedit::StepLabel, list(chedit::Step));
    pair(row, 3, chedit::BandwidthLabel, list(chedit::Bandwidth));
    ++row;
    pair(row, 0, chedit::PowerLabel, list(chedit::Power));
    pair(row, 3, chedit::BusyLockLabel, list(chedit::BusyLock));
    ++row;
}

// Decode and encode tone: the type, then the CTCSS or the DCS list in
// one place, then the inverted tick.
void ChannelGrid::ToneRows() {
    for (int encode = 0; encode <= 1; ++encode) {
        pair(row, 0, encode ? chedit::EncodeTypeLabel : chedit::DecodeTypeLabel,
             list(encode ? chedit::EncodeType : chedit::DecodeType));
        grid->addWidget(list(encode ? chedit::EncodeCtcss : chedit::DecodeCtcss), row, 2);
        grid->addWidget(list(encode ? chedit::EncodeDcs : chedit::DecodeDcs), row, 2);
        grid->addWidget(Named<QCheckBox>(&dlg, encode ? chedit::EncodeInverted : chedit::DecodeInverted), row, 3, 1, 2);
        ++row;
    }
}

// Signalling with its code list in one place, two-tone decode; the squelch
// and the PTT IDs.
void ChannelGrid::SignallingRows() {
    pair(row, 0, chedit::SignallingLabel, list(chedit::Signalling));
    for (int i = 0; i <= 3; ++i) grid->addWidget(list(chedit::CodeLists[i]), row, 2);
    pair(row, 3, chedit::TwoToneDecodeLabel, list(chedit::TwoToneDecode));
    ++row;
    pair(row, 0, chedit::SqlModesLabel, list(chedit::SqlModes), 2);
    pair(row, 3, chedit::SqlLevelLabel, list(chedit::SqlLevel));
    ++row;
    pair(row, 0, chedit::DtmfPttIdLabel, list(chedit::DtmfPttId));
    pair(row, 3, chedit::FiveTonePttIdLabel, list(chedit::FiveTonePttId));
    ++row;
}

// The own CTCSS and the ticks: TX inhibit, scan skip, and reverse and
// talk-around in their frame.
void ChannelGrid::SwitchRows() {
    pair(row, 0, chedit::OwnCtcssLabel, box(chedit::OwnCtcss));
    grid->addWidget(Named<QCheckBox>(&dlg, chedit::TxInhibit), row, 3, 1, 2);
    ++row;
    grid->addWidget(Named<QCheckBox>(&dlg, chedit::ScanSkip), row, 3, 1, 2);
    // Reverse and talk-around share a frame.
    auto* frame = new QGroupBox(&dlg);
    auto* frameLayout = new QHBoxLayout(frame);
    frameLayout->addWidget(Named<QCheckBox>(frame, chedit::Reverse));
    frameLayout->addWidget(Named<QCheckBox>(frame, chedit::TalkAround));
    grid->addWidget(frame, row, 0, 1, 3);
    ++row;
}

// Never shown: they hold their fields from display to OK.
void ChannelGrid::HiddenRows() {
    pair(row, 0, chedit::OffsetLabel, box(chedit::OffsetFreq));
    grid->addWidget(list(chedit::OffsetDir), row, 2);
    pair(row, 3, chedit::PttIdCodeLabel, box(chedit::PttIdCode));
    ++row;
    pair(row, 0, chedit::ScramblerLabel, list(chedit::Scrambler));
    pair(row, 3, chedit::AllSqlModesLabel, list(chedit::AllSqlModes));
    ++row;
    pair(row, 0, chedit::ExtraDisplayLabel, list(chedit::ExtraDisplay));
    grid->addWidget(Named<QCheckBox>(&dlg, chedit::PttIdOn), row, 3);
    grid->addWidget(Named<QCheckBox>(&dlg, chedit::Compander), row, 4);
    grid->addWidget(Named<QCheckBox>(&dlg, chedit::PttIdDecode), row, 5);
}

void BuildShell(FormDialog& dlg) {
    ChannelGrid rows(dlg);
    rows.FrequencyAndNameRows();
    rows.StepAndPowerRows();
    rows.ToneRows();
    rows.SignallingRows();
    rows.SwitchRows();
    rows.HiddenRows();
    QGridLayout* grid = rows.grid;

    auto* bank = Named<QListWidget>(&dlg, chedit::Banks);
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
    outer->addLayout(
        RightRow({Named<QPushButton>(&dlg, kOKButton), Named<QPushButton>(&dlg, kCancelButton)}));
}

}  // namespace

void BuildFrmCHEdit(FormDialog& shell) {
    auto* dlg = &shell;
    BuildShell(*dlg);
    FormBinder& b = dlg->Bind();
    // The dialog's tab order, which Enter follows as well.
    const std::vector<std::string>& order = ChEditTabOrder();
    for (std::size_t i = 1; i < order.size(); ++i)
        QWidget::setTabOrder(b.Widget(order[i - 1]), b.Widget(order[i]));
}

void RegisterChannelDialogs(DialogOpeners& openers) {
    openers.Register(FrmCHEdit::kName, BuildFrmCHEdit);
    openers.Register(FrmBank::kName, BuildFrmBank);
    openers.Register(FrmCHBatch::kName, BuildFrmCHBatch);
}

}  // namespace rp
