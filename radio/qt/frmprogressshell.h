#pragma once
// FrmProgress on the screen: window-modal over the main window while a read
// or a write runs. Only the transfer's end closes it: Escape and the close
// box do nothing until then.
#include "radio/frmprogress.h"
#include "widgets/dialoghost.h"

namespace rp {

class ProgressDialog : public FormDialog, public ProgressSink {
    Q_OBJECT
public:
    ProgressDialog(AppData& d, long commMode, QWidget* parent = nullptr);

    FrmProgress& progressForm() { return FormAs<FrmProgress>(); }
    // The engine's percentages, shown once the current event has been
    // handled.
    void SetProgressValue(int percent) override;
    void SetProgressChecking(bool checking) override;
    // The transfer has ended: closes the dialog.
    void Finish();

    void reject() override;

signals:
    // A percentage was put on the screen.
    void valueShown(int percent);

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    // Puts the form on the screen once the current event has been handled.
    void ShowLater();
    bool syncPending_ = false;
};

}  // namespace rp
