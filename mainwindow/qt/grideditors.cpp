#include "mainwindow/qt/grideditors.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>

#include "mainwindow/frmmain.h"
#include "widgets/binder.h"
#include "widgets/editorplacement.h"
#include "widgets/gridmodel.h"
#include "widgets/inputguard.h"

namespace rp {

namespace {

using namespace mainform;

const char* const kChannelEditors[] = {RxBox,           TxBox,           NameBox,       StepList,
                                       BandwidthList,   PowerList,       DecodeTypeList, EncodeTypeList,
                                       DecodeCtcssList, EncodeCtcssList, DecodeDcsList,  EncodeDcsList,
                                       OptSigList,      BankChecks};

int ArrowCode(int key) {
    switch (key) {
    case Qt::Key_Left: return kKeyLeft;
    case Qt::Key_Up: return kKeyUp;
    case Qt::Key_Right: return kKeyRight;
    case Qt::Key_Down: return kKeyDown;
    default: return 0;
    }
}

}  // namespace

GridEditors::GridEditors(FrmMain& form, FormBinder& binder, const std::array<TextGridView*, 4>& grids,
                         QObject* parent)
    : QObject(parent), form_(form), binder_(binder), grids_(grids) {
    for (std::size_t i = 0; i < grids_.size(); ++i) {
        viewports_[i] = grids_[i]->viewport();
        viewports_[i]->installEventFilter(this);
    }
    for (const char* name : kChannelEditors)
        if (QWidget* w = binder_.Widget(name)) w->installEventFilter(this);
    // Each open editor over its cell; a text editor the form declares
    // OnCellOpen shows its text selected when opened on a cell.
    const AppData& d = form_.d;
    auto* channel = new CellEditors(binder_, grids_[0], [&d] { return GridCell{d.EditRow, d.EditColumn}; });
    for (const char* name : kChannelEditors) channel->Add(binder_.Widget(name));
    FrmMain& f = form_;
    auto* radio = new CellEditors(binder_, grids_[kRadioGrid], [&f] { return GridCell{f.RadioEditRow, f.RadioEditCol}; });
    radio->Add(binder_.Widget(RadioBox));
    auto* am = new CellEditors(binder_, grids_[kAirBandGrid], [&f] { return GridCell{f.AMEditRow, f.AMEditCol}; });
    am->Add(binder_.Widget(AirBandBox));
}

bool GridEditors::eventFilter(QObject* watched, QEvent* event) {
    const QEvent::Type type = event->type();
    for (QWidget* viewport : viewports_) {
        if (watched != viewport) continue;
        // A key an editor left unhandled travels up to the viewport: it must
        // not act on the grid (an Enter would open the editor again).
        if (type == QEvent::KeyPress || type == QEvent::KeyRelease) return true;
        return QObject::eventFilter(watched, event);
    }
    const std::string name = binder_.ControlOf(watched);
    if (type == QEvent::KeyPress) {
        auto* e = static_cast<QKeyEvent*>(event);
        // The bank list would copy its item text to the system clipboard.
        if (InputGuard::IsClipboardKey(e)) return true;
        if (auto* combo = qobject_cast<QComboBox*>(watched); combo && FrmMain::OpensListOnKey(name, ArrowCode(e->key()))) {
            // A closed combo would step and report each item as a pick.
            combo->showPopup();
            return true;
        }
    }
    if (type == QEvent::Wheel && qobject_cast<QComboBox*>(watched)) return true;
    return QObject::eventFilter(watched, event);
}

}  // namespace rp
