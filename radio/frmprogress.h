#pragma once
// FrmProgress: the progress dialog of a read or a write. No buttons: it
// closes when the transfer ends, never by the user's hand.
#include "core/appdata.h"
#include "link/skiplist.h"
#include "forms/formstate.h"
#include "radio/frmprogresscontrols.h"

namespace rp {

class FrmProgress : public Form, public ProgressSink {
public:
    static constexpr char kName[] = "FrmProgress";
    // commMode: 1 read, 2 write (picks the caption).
    FrmProgress(AppData& d, long commMode);

    // The texts, then the bar at 0 and "0%".
    void Form_Load() override;
    void ProgressChangShowByLanguage();
    // The bar at `value` (kept within 0..100) and Label2 "value%".
    void SetProgressValue(int value) override;
    // The prompt says the write is reading back what it wrote.
    void SetProgressChecking(bool checking) override;

    // While the transfer runs the close box and Escape do nothing.
    bool TransferRunning = true;
    bool QueryUnload() override { return !TransferRunning; }

private:
    AppData& d_;
    long mode_;
    bool checking_ = false;
};

}  // namespace rp
