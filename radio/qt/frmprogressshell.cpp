#include "radio/qt/frmprogressshell.h"

#include <QCloseEvent>
#include <QGridLayout>
#include <QLabel>
#include <QProgressBar>
#include <QTimer>

#include "widgets/shellparts.h"
#include "widgets/twips.h"

namespace rp {

ProgressDialog::ProgressDialog(AppData& d, long commMode, QWidget* parent)
    : FormDialog(std::make_unique<FrmProgress>(d, commMode), parent) {
    progressForm().Form_Load();
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    auto* lay = new QGridLayout(this);
    auto* bar = Named<QProgressBar>(this, progress::Bar);
    bar->setRange(0, 100);
    bar->setTextVisible(false);  // the label beside it shows the percentage
    bar->setMinimumWidth(TwipsToPixelsX(this, 4200));
    // The prompt ends just before the percentage.
    QLabel* label1 = SideLabel(this, progress::Prompt);
    auto* label2 = Named<QLabel>(this, progress::Percent);
    label2->setMinimumWidth(TwipsToPixelsX(this, 600));
    lay->addWidget(bar, 0, 0, 1, 2);
    lay->addWidget(label1, 1, 0);
    lay->addWidget(label2, 1, 1);
    lay->setHorizontalSpacing(TwipsToPixelsX(this, 10));
    lay->setColumnStretch(0, 1);
    Bind();
}

// Called from the serial handler before the next frame goes out: the bar
// is painted once the handler has returned, so painting never delays the
// transfer; updates that come before that paint are shown together.
void ProgressDialog::SetProgressValue(int percent) {
    progressForm().SetProgressValue(percent);
    ShowLater();
}

void ProgressDialog::SetProgressChecking(bool checking) {
    progressForm().SetProgressChecking(checking);
    ShowLater();
}

void ProgressDialog::ShowLater() {
    if (syncPending_) return;
    syncPending_ = true;
    QTimer::singleShot(0, this, [this] {
        syncPending_ = false;
        if (binder()) binder()->Sync();
        emit valueShown(progressForm().C(progress::Bar).value);
    });
}

void ProgressDialog::Finish() {
    progressForm().TransferRunning = false;
    done(QDialog::Accepted);
}

void ProgressDialog::reject() {
    if (progressForm().TransferRunning) return;
    FormDialog::reject();
}

void ProgressDialog::closeEvent(QCloseEvent* event) {
    if (progressForm().TransferRunning) {
        event->ignore();
        return;
    }
    FormDialog::closeEvent(event);
}

}  // namespace rp
