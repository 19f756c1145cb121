#include "mainwindow/qt/frmsplashshell.h"

#include <QGuiApplication>
#include <QLabel>
#include <QMouseEvent>
#include <QPixmap>
#include <QScreen>
#include <QTimer>
#include <QVBoxLayout>

namespace rp {

namespace {

constexpr int kFallbackWidth = 480, kFallbackHeight = 270;

// The picture box: a click on it is the form's picLogo_Click.
class LogoLabel : public QLabel {
public:
    LogoLabel(QWidget* parent, std::function<void()> clicked) : QLabel(parent), clicked_(std::move(clicked)) {}

protected:
    void mouseReleaseEvent(QMouseEvent* e) override {
        if (e->button() == Qt::LeftButton && rect().contains(e->position().toPoint())) clicked_();
        QLabel::mouseReleaseEvent(e);
    }

private:
    std::function<void()> clicked_;
};

}  // namespace

SplashWindow::SplashWindow(AppData& d, std::function<void()> showMain, QWidget* parent)
    : QWidget(parent, Qt::SplashScreen | Qt::FramelessWindowHint), form_(d) {
    setObjectName(FrmSplash::kName);
    setAttribute(Qt::WA_DeleteOnClose);
    form_.ShowMain = std::move(showMain);
    form_.Form_Load();

    auto* lay = new QVBoxLayout(this);
    lay->setContentsMargins(0, 0, 0, 0);
    auto* logo = new LogoLabel(this, [this] { binder_->Run([this] { form_.Click(splash::Logo); }); });
    logo->setObjectName(splash::Logo);
    logo->setAlignment(Qt::AlignCenter);
    lay->addWidget(logo);
    const QPixmap pic(QString::fromStdString(form_.picturePath));
    if (!pic.isNull()) {
        logo->setPixmap(pic);
        setFixedSize(pic.size());
    } else {
        // No picture: the splash shows all the same, with the title only.
        logo->setText(QString::fromLatin1(kAppTitle));
        QFont f = logo->font();
        f.setPointSize(20);
        f.setBold(true);
        logo->setFont(f);
        setFixedSize(kFallbackWidth, kFallbackHeight);
    }
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        QRect r = rect();
        r.moveCenter(screen->geometry().center());
        move(r.topLeft());
    }
    // Mirrors the form: its timer runs from here on, precisely (a coarse timer
    // may fire up to 5 % early).
    binder_ = new FormBinder(form_, this, this);
    if (auto* t = binder_->findChild<QTimer*>(splash::CloseTimer); t && t->isActive()) {
        t->setTimerType(Qt::PreciseTimer);
        t->start();
    }
}

SplashWindow::~SplashWindow() {
    delete binder_;
    binder_ = nullptr;
}

bool SplashWindow::HasPicture() const {
    const auto* logo = findChild<QLabel*>(splash::Logo);
    return logo && !logo->pixmap().isNull();
}

}  // namespace rp
