#pragma once
// The drawing side of a printer: what the report needs of a page device.
// Implemented over QPrinter/QPainter in platform/ and by a recording fake in
// the tests. Positions are in the device's units, with the origin at the
// top left of the printable area; y is the top of a line of text.
//
// A call that fails (the device reported an error) returns false; the report
// then ends the job without ending the document (Abort).
#include <string>

namespace rp {

class PrintSurface {
public:
    virtual ~PrintSurface() = default;

    // The printable area.
    virtual double Width() const = 0;
    virtual double Height() const = 0;

    // The font for the following metrics and texts: the application's
    // default typeface at `points`, bold or not.
    virtual void SetFont(double points, bool bold) = 0;
    // Width of a UTF-8 text and the line spacing of the current font.
    virtual double TextWidth(const std::string& text) = 0;
    virtual double LineSpacing() = 0;
    // Line spacing at a size without changing the current font.
    virtual double LineSpacingAt(double points) = 0;

    // Draws a UTF-8 text with the top of its line at (x, y).
    virtual bool DrawText(double x, double y, const std::string& text) = 0;
    // Ends the current page and starts a new one.
    virtual bool NewPage() = 0;
    // Ends the document: the pages go to the printer or the file.
    virtual bool End() = 0;
    // Drops the document after a failure; no output is left.
    virtual void Abort() = 0;
};

}  // namespace rp
