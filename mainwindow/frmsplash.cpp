#include "mainwindow/frmsplash.h"

#include "core/paths.h"

namespace rp {

FrmSplash::FrmSplash(AppData& d) : Form(kName), d_(d) {
    State().Add(splash::Logo, ControlKind::Picture);
    ControlState& t = State().Add(splash::CloseTimer, ControlKind::Timer);
    t.max = kSplashMs;
    t.enabled = false;
}

std::string FrmSplash::PicturePath(const AppData& d) {
    switch (d.LanguageIndex) {
    case 1: return ProgramFolder(d) + "/StartE.jpg";
    case 2: return ProgramFolder(d) + "/StartC.jpg";
    default: return "";
    }
}

void FrmSplash::Form_Load() {
    picturePath = PicturePath(d_);
    C(splash::CloseTimer).enabled = true;
}

void FrmSplash::CloseSplash() {
    if (closed_) return;
    closed_ = true;
    C(splash::CloseTimer).enabled = false;
    // The main window first: the program must never be without a window.
    if (ShowMain) ShowMain();
    Unload();
}

void FrmSplash::picLogo_Click() { CloseSplash(); }
void FrmSplash::Timer1_Timer() { CloseSplash(); }

void FrmSplash::Click(const std::string& control) {
    if (control == splash::Logo) picLogo_Click();
}

void FrmSplash::Timer(const std::string& control) {
    if (control == splash::CloseTimer) Timer1_Timer();
}

}  // namespace rp
