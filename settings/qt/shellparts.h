#pragma once
// Widgets the settings shells lay out, named after their controls (the
// widgets every shell uses are in widgets/shellparts.h).
#include <string>

#include "widgets/shellparts.h"

class QComboBox;
class QGridLayout;
class QPushButton;
class QWidget;

namespace rp {

// A drop-down list at least `widthTwips` wide.
QComboBox* NamedCombo(QWidget* parent, const std::string& name, int widthTwips);
QPushButton* NamedButton(QWidget* parent, const std::string& name);

// Horizontal spacing between a caption and its control, in twips, as the
// dialogs place their labels.
void SetCaptionGap(QGridLayout* layout, QWidget* w, int twips);

}  // namespace rp
