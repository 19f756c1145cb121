// The batch channel editor's shell: the range area, the value panel and the
// selection panel in one place, then Apply and Close. Widgets are named after
// FrmCHBatch's controls; the binder mirrors the form and runs its handlers.
// Each pair or triple of option buttons sits in a container of its own, so
// it is a group of its own. Controls that never show are laid out too.
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLayout>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "channels/batchfun.h"
#include "channels/frmchbatch.h"
#include "channels/frmchbatchcontrols.h"
#include "channels/qt/openers.h"
#include "widgets/shellparts.h"
#include "widgets/twips.h"

namespace rp {

namespace {

class BatchShell {
public:
    explicit BatchShell(FormDialog& dlg) : dlg_(dlg) {}

    void Build() {
        auto* outer = new QVBoxLayout(&dlg_);
        outer->addLayout(RangeArea());
        // The two panels share one place; one shows at a time.
        auto* panels = new QGridLayout;
        panels->addWidget(ValuePanel(), 0, 0);
        panels->addWidget(SelectionPanel(), 0, 0);
        outer->addLayout(panels);
        outer->addLayout(RightRow(
            {Named<QPushButton>(&dlg_, chbatch::ApplyButton), Named<QPushButton>(&dlg_, kCloseButton)}));
    }

private:
    // A value box (its form declares that it selects its whole text when it
    // takes the focus).
    QWidget* Box(QWidget* parent, const std::string& name, int twips) {
        auto* e = Named<QLineEdit>(parent, name);
        e->setFixedWidth(TwipsToPixelsX(&dlg_, twips));
        return e;
    }
    QComboBox* List(QWidget* parent, const std::string& name, int twips = 1500) {
        auto* c = Named<QComboBox>(parent, name);
        c->setMinimumWidth(TwipsToPixelsX(&dlg_, twips));
        c->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
        return c;
    }
    // An option group in a container of its own.
    QWidget* Group(QWidget* parent, const ControlArray& group, int count) {
        auto* w = new QWidget(parent);
        auto* row = new QHBoxLayout(w);
        row->setContentsMargins(0, 0, 0, 0);
        for (int i = 0; i < count; ++i) row->addWidget(Named<QRadioButton>(w, group[i]));
        return w;
    }
    QHBoxLayout* Row(std::initializer_list<QWidget*> widgets) {
        auto* row = new QHBoxLayout;
        for (QWidget* w : widgets) row->addWidget(w);
        row->addStretch(1);
        return row;
    }

    QLayout* RangeArea() {
        QWidget* p = &dlg_;
        auto* range = new QWidget(p);
        auto* options = new QHBoxLayout(range);
        options->setContentsMargins(0, 0, 0, 0);
        options->addWidget(Named<QRadioButton>(range, chbatch::AllChannels));
        options->addWidget(Named<QRadioButton>(range, chbatch::ChannelRange));
        auto* row = new QHBoxLayout;
        row->addWidget(Named<QLabel>(p, chbatch::RangeLabel));
        row->addWidget(range);
        for (const char* name : {chbatch::RangeFrom, chbatch::RangeToLabel, chbatch::RangeTo}) {
            if (name[0] == 'L') {
                row->addWidget(Named<QLabel>(p, name));
                continue;
            }
            auto* e = Named<QLineEdit>(p, name);
            e->setFixedWidth(TwipsToPixelsX(&dlg_, 600));
            row->addWidget(e);
        }
        row->addSpacing(TwipsToPixelsX(&dlg_, 200));
        row->addWidget(Named<QCheckBox>(p, chbatch::DeleteOutside));
        row->addStretch(1);
        row->addWidget(Named<QPushButton>(p, chbatch::PanelSwitch));
        return row;
    }

    QWidget* ValuePanel() {
        auto* f = Named<QGroupBox>(&dlg_, chbatch::ValuePanel);
        auto* grid = new QGridLayout(f);
        grid->setColumnStretch(1, 1);
        int r = 0;
        auto label = [&](const std::string& name) { return SideLabel(f, name); };
        auto put = [&](const std::string& rowLabel, QLayout* content) {
            grid->addWidget(label(rowLabel), r, 0);
            grid->addLayout(content, r, 1, 1, 3);
            ++r;
        };
        using chbatch::RowLabels, chbatch::ValueLabels;
        // RX frequency.
        put(RowLabels[0], Row({label(ValueLabels[0]), Box(f, chbatch::RxStart, 1100), label(ValueLabels[1]),
                               Box(f, chbatch::RxStep, 800), Group(f, chbatch::RxDirection, 2)}));
        // TX frequency: the mode, then the offset and the start inputs.
        put(RowLabels[1], Row({Group(f, chbatch::TxMode, 3)}));
        grid->addLayout(Row({Box(f, chbatch::TxOffset, 1100), Group(f, chbatch::ShiftDirection, 2),
                             Box(f, chbatch::TxStart, 1100), label(ValueLabels[2]), Box(f, chbatch::TxStep, 800),
                             Group(f, chbatch::TxDirection, 2)}),
                        r++, 1, 1, 3);
        // Decode and encode tones.
        put(RowLabels[2], Row({label(ValueLabels[3]), List(f, chbatch::DecodeTones, 1300), label(ValueLabels[4]),
                               Box(f, chbatch::DecodeStep, 500), Named<QCheckBox>(f, chbatch::RandomDecode),
                               Group(f, chbatch::DecodeDirection, 2)}));
        put(RowLabels[3], Row({label(ValueLabels[5]), List(f, chbatch::EncodeTones, 1300), label(ValueLabels[6]),
                               Box(f, chbatch::EncodeStep, 500), Named<QCheckBox>(f, chbatch::RandomEncode),
                               Named<QCheckBox>(f, chbatch::EncodeAsDecode), Group(f, chbatch::EncodeDirection, 2)}));
        // Channel name.
        put(RowLabels[4], Row({Group(f, chbatch::NameMode, 2), Box(f, chbatch::NameText, 1000),
                               Box(f, chbatch::StartId, 1000), label(ValueLabels[7]), Box(f, chbatch::IdStep, 1000),
                               Group(f, chbatch::IdDirection, 2)}));
        // The own-ID row, never shown.
        put(RowLabels[5], Row({label(ValueLabels[8]), Box(f, chbatch::OwnId, 1000), label(ValueLabels[9]),
                               Box(f, chbatch::OwnIdStep, 1000), Group(f, chbatch::OwnIdDirection, 2)}));
        // Optional signalling: the type, the four code lists, two-tone decode.
        put(RowLabels[9], Row({List(f, chbatch::Signalling), List(f, chbatch::DtmfCode, 900),
                               List(f, chbatch::TwoToneCode, 900), List(f, chbatch::FiveToneCode, 900),
                               List(f, chbatch::MskGroup, 900), label(RowLabels[16]),
                               List(f, chbatch::TwoToneDecode, 900)}));
        // The single lists, two to a line.
        const std::pair<std::string, const char*> lists[] = {
            {RowLabels[6], chbatch::Step},       {RowLabels[7], chbatch::Bandwidth},
            {RowLabels[8], chbatch::Power},      {RowLabels[10], chbatch::SqlMode},
            {RowLabels[11], chbatch::DtmfPttId}, {RowLabels[12], chbatch::FiveTonePttId},
            {RowLabels[14], chbatch::BusyLock},  {RowLabels[15], chbatch::SqlLevel},
            {RowLabels[13], chbatch::Scrambler},
        };
        auto* pairs = new QGridLayout;
        int i = 0;
        for (const auto& [l, c] : lists) {
            pairs->addWidget(label(l), i / 2, (i % 2) * 2);
            pairs->addWidget(List(f, c), i / 2, (i % 2) * 2 + 1);
            ++i;
        }
        pairs->setColumnStretch(1, 1);
        pairs->setColumnStretch(3, 1);
        grid->addLayout(pairs, r++, 0, 1, 4);
        // The switches and the custom CTCSS tone.
        auto* checks = new QHBoxLayout;
        for (int k = 0; k <= 4; ++k) checks->addWidget(Named<QCheckBox>(f, chbatch::Switches[k]));
        checks->addWidget(label(chbatch::OwnCtcssLabel));
        checks->addWidget(Box(f, chbatch::OwnCtcss, 700));
        checks->addStretch(1);
        grid->addLayout(checks, r++, 0, 1, 4);
        grid->setRowStretch(r, 1);
        return f;
    }

    QWidget* SelectionPanel() {
        auto* f = Named<QGroupBox>(&dlg_, chbatch::FunctionPanel);
        auto* grid = new QGridLayout(f);
        for (int i = 0; i < kBatchFunCount; ++i)
            grid->addWidget(Named<QCheckBox>(f, chbatch::FunctionChoices[i]), i / 3, i % 3);
        grid->setRowStretch(7, 1);
        auto* buttons = new QHBoxLayout;
        buttons->addWidget(Named<QPushButton>(f, chbatch::SelectAll));
        buttons->addWidget(Named<QPushButton>(f, chbatch::SelectNone));
        buttons->addStretch(1);
        grid->addLayout(buttons, 8, 0, 1, 3);
        return f;
    }

    FormDialog& dlg_;
};

}  // namespace

void BuildFrmCHBatch(FormDialog& shell) {
    auto* dlg = &shell;
    BatchShell(*dlg).Build();
    FormBinder& b = dlg->Bind();
    // A hidden row keeps its place, and the dialog has a fixed size that
    // holds every row, so neither a choice nor the panel switch moves the
    // other controls or the dialog's edges.
    for (int i = 0; i < kBatchFunCount; ++i)
        for (const std::string& name : BatchRowControls(i)) {
            QWidget* w = b.Widget(name);
            if (!w || IsBatchNeverShown(name)) continue;
            QSizePolicy p = w->sizePolicy();
            p.setRetainSizeWhenHidden(true);
            w->setSizePolicy(p);
        }
    dlg->setFixedSize(dlg->sizeHint());
    // The dialog's tab order, which Enter follows as well.
    const std::vector<std::string>& order = BatchTabOrder();
    for (std::size_t i = 1; i < order.size(); ++i) QWidget::setTabOrder(b.Widget(order[i - 1]), b.Widget(order[i]));
}

}  // namespace rp
