#pragma once
// Window lengths of the forms are twips (1/1440 inch); widgets take pixels
// through the screen's logical DPI, never a fixed factor.
class QWidget;

namespace rp {

inline constexpr int kTwipsPerInch = 1440;

// Pixels of a horizontal (X) or vertical (Y) length on the widget's screen.
int TwipsToPixelsX(const QWidget* w, double twips);
int TwipsToPixelsY(const QWidget* w, double twips);
double PixelsToTwipsX(const QWidget* w, int pixels);
double PixelsToTwipsY(const QWidget* w, int pixels);

}  // namespace rp
