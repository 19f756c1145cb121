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
        outer->addLayout(RightRow({Named<QPushButton>(&dlg_, "CommandApply"), Named<QPushButton>(&dlg_, "CommandClose")}));
    }

private:
    // A value box: its whole text is selected when it takes the focus.
    QWidget* Box(QWidget* parent, const std::string& name, int twips) {
        auto* e = Named<SelectAllLineEdit>(parent, name);
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
    QWidget* Group(QWidget* parent, int number, int count) {
        auto* w = new QWidget(parent);
        auto* row = new QHBoxLayout(w);
        row->setContentsMargins(0, 0, 0, 0);
        for (int i = 0; i < count; ++i)
            row->addWidget(Named<QRadioButton>(w, "Option" + std::to_string(number) + "_" + std::to_string(i)));
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
        options->addWidget(Named<QRadioButton>(range, "Option1_0"));
        options->addWidget(Named<QRadioButton>(range, "Option1_1"));
        auto* row = new QHBoxLayout;
        row->addWidget(Named<QLabel>(p, "Label1"));
        row->addWidget(range);
        for (const char* name : {"Text1_0", "Label2", "Text1_1"}) {
            if (name[0] == 'L') {
                row->addWidget(Named<QLabel>(p, name));
                continue;
            }
            auto* e = Named<QLineEdit>(p, name);
            e->setFixedWidth(TwipsToPixelsX(&dlg_, 600));
            row->addWidget(e);
        }
        row->addSpacing(TwipsToPixelsX(&dlg_, 200));
        row->addWidget(Named<QCheckBox>(p, "Check4"));
        row->addStretch(1);
        row->addWidget(Named<QPushButton>(p, "CommandFun"));
        return row;
    }

    QWidget* ValuePanel() {
        auto* f = Named<QGroupBox>(&dlg_, "Frame1");
        auto* grid = new QGridLayout(f);
        grid->setColumnStretch(1, 1);
        int r = 0;
        auto label = [&](const std::string& name) { return SideLabel(f, name); };
        auto put = [&](const std::string& rowLabel, QLayout* content) {
            grid->addWidget(label(rowLabel), r, 0);
            grid->addLayout(content, r, 1, 1, 3);
            ++r;
        };
        // RX frequency.
        put("Label3_0", Row({label("Label4_0"), Box(f, "Text2_0", 1100), label("Label4_1"), Box(f, "Text2_1", 800),
                             Group(f, 2, 2)}));
        // TX frequency: the mode, then the offset and the start inputs.
        put("Label3_1", Row({Group(f, 3, 3)}));
        grid->addLayout(Row({Box(f, "Text2_2", 1100), Group(f, 4, 2), Box(f, "Text2_3", 1100), label("Label4_2"),
                             Box(f, "Text2_4", 800), Group(f, 5, 2)}),
                        r++, 1, 1, 3);
        // Decode and encode tones.
        put("Label3_2", Row({label("Label4_3"), List(f, "Combo1_0", 1300), label("Label4_4"), Box(f, "Text2_5", 500),
                             Named<QCheckBox>(f, "Check3_0"), Group(f, 9, 2)}));
        put("Label3_3", Row({label("Label4_5"), List(f, "Combo1_1", 1300), label("Label4_6"), Box(f, "Text2_6", 500),
                             Named<QCheckBox>(f, "Check3_1"), Named<QCheckBox>(f, "Check3_2"), Group(f, 10, 2)}));
        // Channel name.
        put("Label3_4", Row({Group(f, 6, 2), Box(f, "Text2_7", 1000), Box(f, "Text2_8", 1000), label("Label4_7"),
                             Box(f, "Text2_9", 1000), Group(f, 7, 2)}));
        // The own-ID row, never shown.
        put("Label3_5", Row({label("Label4_8"), Box(f, "Text2_10", 1000), label("Label4_9"), Box(f, "Text2_11", 1000),
                             Group(f, 8, 2)}));
        // Optional signalling: the type, the four code lists, two-tone decode.
        put("Label3_9", Row({List(f, "Combo1_5"), List(f, "Combo1_11", 900), List(f, "Combo1_12", 900),
                             List(f, "Combo1_13", 900), List(f, "Combo1_14", 900), label("Label3_16"),
                             List(f, "Combo1_16", 900)}));
        // The single lists, two to a line.
        const std::pair<const char*, const char*> lists[] = {
            {"Label3_6", "Combo1_2"},  {"Label3_7", "Combo1_3"},  {"Label3_8", "Combo1_4"},
            {"Label3_10", "Combo1_6"}, {"Label3_11", "Combo1_7"}, {"Label3_12", "Combo1_8"},
            {"Label3_14", "Combo1_10"}, {"Label3_15", "Combo1_15"}, {"Label3_13", "Combo1_9"},
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
        for (int k = 0; k <= 4; ++k) checks->addWidget(Named<QCheckBox>(f, "Check1_" + std::to_string(k)));
        checks->addWidget(label("Label5"));
        checks->addWidget(Box(f, "Text3", 700));
        checks->addStretch(1);
        grid->addLayout(checks, r++, 0, 1, 4);
        grid->setRowStretch(r, 1);
        return f;
    }

    QWidget* SelectionPanel() {
        auto* f = Named<QGroupBox>(&dlg_, "Frame2");
        auto* grid = new QGridLayout(f);
        for (int i = 0; i <= 20; ++i) grid->addWidget(Named<QCheckBox>(f, "Check2_" + std::to_string(i)), i / 3, i % 3);
        grid->setRowStretch(7, 1);
        auto* buttons = new QHBoxLayout;
        buttons->addWidget(Named<QPushButton>(f, "CommandSelAll"));
        buttons->addWidget(Named<QPushButton>(f, "CommandSelNone"));
        buttons->addStretch(1);
        grid->addLayout(buttons, 8, 0, 1, 3);
        return f;
    }

    FormDialog& dlg_;
};

}  // namespace

void BuildChBatchDialog(FormDialog& shell) {
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
