#pragma once
// The buttons named alike in every dialog that has them: the kit relabels
// them after a language switch, and Escape presses the Cancel button
// (widgets/binder.h).
namespace rp {

inline constexpr char kOKButton[] = "CommandOK";
inline constexpr char kCancelButton[] = "CommandCancel";
inline constexpr char kCloseButton[] = "CommandClose";
inline constexpr char kHelpButton[] = "CommandHelp";

}  // namespace rp
