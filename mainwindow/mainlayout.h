#pragma once
// The panes' layout in twips: the tree left of the splitter, the grids right
// of it, inside the room the toolbar and status bar leave.
namespace rp {

inline constexpr double kSplitterMargin = 30;   // kept on either side
inline constexpr double kGridGap = 40;          // splitter to grid
inline constexpr double kStartTreeWidth = 2400;
inline constexpr double kMinWindowWidth = 3000;

struct PaneLayout {
    double treeWidth = 0, treeHeight = 0;
    double gridLeft = 0, gridWidth = 0, gridHeight = 0;
};

// SizeControls: x is clamped to [30, outerWidth - 30] (left in x); the grids
// keep their pane: they never run past the client area.
PaneLayout SizeControls(double& x, double outerWidth, double clientWidth, double clientHeight);

// Where a splitter drag at p stops: not left of 30, not right of half the
// window's outer width.
double SplitterDragPosition(double p, double outerWidth);

}  // namespace rp
