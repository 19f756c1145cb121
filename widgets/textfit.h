#pragma once
// Controls at least as wide as their texts.
//
// The shells give some controls and windows widths in twips that suit one
// language and font; a caption in another may need more. FitTexts widens
// every label, check box, option button and push button whose width limits
// are narrower than its text, lets a tab bar ask for all its tabs, and then
// grows each container and window whose limits are narrower than what its
// layout needs (a fixed-size window stays fixed, at the larger size). The
// binder runs it whenever a mirror changed a text or the font, so a
// language switch fits again.
//
// CutTexts is the window tests' check: every visible control under a root
// whose text is wider than the room the style gives it (the label's contents
// rectangle, a button's contents, a check box's or option button's label
// beside its indicator, a tab's text room, a header section less its margins,
// a tree item's text rectangle).
#include <string>
#include <vector>

class QWidget;

namespace rp {

void FitTexts(QWidget* root);

// One line per cut text: "<object name> (<class>): "<text>" needs N px, shows M px".
std::vector<std::string> CutTexts(const QWidget* root);

}  // namespace rp
