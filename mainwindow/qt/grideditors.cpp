#include "mainwindow/qt/grideditors.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>

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
        places_[i] = new EditorPlacement(grids_[i]);
        viewports_[i] = grids_[i]->viewport();
        viewports_[i]->installEventFilter(this);
    }
    for (const char* name : kChannelEditors)
        if (QWidget* w = binder_.Widget(name)) w->installEventFilter(this);
}

void GridEditors::PlaceOne(int grid, const std::string& editor, int row, int col, std::string& opened) {
    QWidget* w = editor.empty() ? nullptr : binder_.Widget(editor);
    if (!w) {
        opened.clear();
        return;
    }
    EditorHeight height = EditorHeight::Cell;
    if (qobject_cast<QComboBox*>(w)) height = EditorHeight::Own;
    if (qobject_cast<QListWidget*>(w)) height = EditorHeight::OwnInside;
    places_[static_cast<std::size_t>(grid)]->Place(w, row, col, height);
    const std::string key = editor + ":" + std::to_string(row) + ":" + std::to_string(col);
    if (key != opened) {
        // A text editor opened on a cell shows its text selected.
        if (auto* edit = qobject_cast<QLineEdit*>(w)) edit->selectAll();
        opened = key;
    }
}

void GridEditors::Place() {
    const AppData& d = form_.d;
    PlaceOne(0, form_.OpenChannelEditor(), d.EditRow, d.EditColumn, opened_[0]);
    PlaceOne(kRadioGrid, form_.C(RadioBox).visible ? RadioBox : "", form_.RadioEditRow, form_.RadioEditCol,
             opened_[kRadioGrid]);
    PlaceOne(kAirBandGrid, form_.C(AirBandBox).visible ? AirBandBox : "", form_.AMEditRow, form_.AMEditCol,
             opened_[kAirBandGrid]);
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
