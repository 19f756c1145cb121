#include "widgets/selectonentry.h"

#include <QLineEdit>
#include <QPointer>
#include <QTimer>

namespace rp {

void SelectWholeText(QLineEdit* edit, bool afterPress) {
    if (!edit) return;
    edit->selectAll();
    if (!afterPress) return;
    QPointer<QLineEdit> box(edit);
    QTimer::singleShot(0, edit, [box] {
        if (box && box->hasFocus()) box->selectAll();
    });
}

}  // namespace rp
