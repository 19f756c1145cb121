#include "widgets/twips.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

#include <cmath>

namespace rp {

namespace {

double DpiX(const QWidget* w) {
    if (w) return w->logicalDpiX();
    const QScreen* s = QGuiApplication::primaryScreen();
    return s ? s->logicalDotsPerInchX() : 96.0;
}

double DpiY(const QWidget* w) {
    if (w) return w->logicalDpiY();
    const QScreen* s = QGuiApplication::primaryScreen();
    return s ? s->logicalDotsPerInchY() : 96.0;
}

}  // namespace

int TwipsToPixelsX(const QWidget* w, double twips) {
    return static_cast<int>(std::lround(twips * DpiX(w) / kTwipsPerInch));
}
int TwipsToPixelsY(const QWidget* w, double twips) {
    return static_cast<int>(std::lround(twips * DpiY(w) / kTwipsPerInch));
}
double PixelsToTwipsX(const QWidget* w, int pixels) { return pixels * kTwipsPerInch / DpiX(w); }
double PixelsToTwipsY(const QWidget* w, int pixels) { return pixels * kTwipsPerInch / DpiY(w); }

}  // namespace rp
