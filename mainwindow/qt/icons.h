#pragma once
// The toolbar's and the window's icons: the desktop theme's where it has
// them, else our own drawings.
#include <QIcon>

namespace rp {

// Icon of a toolbar button key (mainform::ToolNew, ToolOpen, ...).
QIcon ToolIcon(const char* key);
QIcon WindowIcon();

}  // namespace rp
