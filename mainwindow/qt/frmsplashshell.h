#pragma once
// frmSplash's window: a plain frameless window centred on the screen,
// showing the start picture (none when the file is missing or unreadable).
// Not a QSplashScreen, which would hide itself on a click without running
// the form's routine.
#include <QWidget>

#include <functional>

#include "core/appdata.h"
#include "mainwindow/frmsplash.h"
#include "widgets/binder.h"

namespace rp {

class SplashWindow : public QWidget {
    Q_OBJECT
public:
    // Loads the form (its timer starts now); `showMain` runs once, when
    // the splash closes.
    SplashWindow(AppData& d, std::function<void()> showMain, QWidget* parent = nullptr);
    ~SplashWindow() override;

    FrmSplash& form() { return form_; }
    FormBinder& binder() { return *binder_; }
    // Whether picLogo shows a picture.
    bool HasPicture() const;

private:
    FrmSplash form_;
    FormBinder* binder_ = nullptr;
};

}  // namespace rp
