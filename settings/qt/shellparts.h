#pragma once
// Widgets the settings shells lay out, named after their controls.
#include <string>

class QComboBox;
class QGridLayout;
class QLabel;
class QPushButton;
class QWidget;

namespace rp {

// A caption label, right-aligned so its right edge stands by its control.
QLabel* NamedLabel(QWidget* parent, const std::string& name);
// A drop-down list at least `widthTwips` wide.
QComboBox* NamedCombo(QWidget* parent, const std::string& name, int widthTwips);
QPushButton* NamedButton(QWidget* parent, const std::string& name);

// Horizontal spacing between a caption and its control, in twips, as the
// dialogs place their labels.
void SetCaptionGap(QGridLayout* layout, QWidget* w, int twips);

}  // namespace rp
