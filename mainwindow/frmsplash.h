#pragma once
// frmSplash: the start picture in the user's language while the program
// starts. The first of a click on the picture and the 2,000 ms timer closes
// it and shows the main window; it closes only once.
#include <functional>
#include <string>

#include "core/appdata.h"
#include "forms/formstate.h"
#include "mainwindow/frmsplashcontrols.h"

namespace rp {

inline constexpr int kSplashMs = 2000;

class FrmSplash : public Form {
public:
    static constexpr char kName[] = "frmSplash";
    explicit FrmSplash(AppData& d);

    // Chooses the picture and starts Timer1.
    void Form_Load() override;
    void picLogo_Click();
    void Timer1_Timer();

    // The start picture for a language: the program folder's StartE.jpg
    // (English) or StartC.jpg (Chinese); "" for any other index.
    static std::string PicturePath(const AppData& d);

    // The file picLogo shows ("" none), set by Form_Load.
    std::string picturePath;
    // Shows the main window; runs once, before the splash closes.
    std::function<void()> ShowMain;
    bool Closed() const { return closed_; }

    void Click(const std::string& control) override;
    void Timer(const std::string& control) override;

private:
    void CloseSplash();

    AppData& d_;
    bool closed_ = false;
};

}  // namespace rp
