#pragma once
// A dialog that would not fit the screen it opens on opens within it.
//
// Its controls go into a scroll area, and the row of buttons that closes its
// layout (OK and Cancel below the controls, or a column of buttons at the
// right end) stays outside it, always in view; the dialog opens as large as
// the screen's free area allows. A dialog that fits is left exactly as its
// shell laid it out.
//
// The row of buttons is the last item of the dialog's box layout, or the
// only item in the last row of its grid layout, when that item is a layout
// holding push buttons alone (as widgets/shellparts.h RightRow makes).
// Without one, the whole dialog scrolls.
//
// FormDialog fits itself when it first shows (widgets/dialoghost.h).
#include <QMargins>
#include <QRect>

class QDialog;
class QScrollArea;

namespace rp {

// Fits `dlg`, laid out and not shown yet, into `area`, `frame` being what
// the window system adds around it. True when its controls went into a
// scroll area; false, and nothing changed, when it fits as it is.
bool FitDialogToArea(QDialog& dlg, const QRect& area, const QMargins& frame);

// FitDialogToArea on the usable area of the screen of the dialog's parent
// window (widgets/screenfit.h), with a frame like that window's.
bool FitDialogToScreen(QDialog& dlg);

// The scroll area holding a fitted dialog's controls; null when the dialog
// was not too large.
QScrollArea* DialogScrollArea(const QDialog& dlg);

}  // namespace rp
