#include "core/seams.h"

namespace rp {

namespace {
class SilentNotifier : public Notifier {
public:
    MsgAnswer Show(const std::string&, MsgIcon, MsgButtons buttons, const std::string&) override {
        switch (buttons) {
            case MsgButtons::Ok: return MsgAnswer::Ok;
            case MsgButtons::OkCancel:
            case MsgButtons::RetryCancel: return MsgAnswer::Cancel;
            case MsgButtons::YesNo: return MsgAnswer::No;
            case MsgButtons::YesNoCancel: return MsgAnswer::Cancel;
        }
        return MsgAnswer::Cancel;
    }
};
class NoTexts : public TextSource {
public:
    std::string Text(int) const override { return ""; }
};
SilentNotifier gSilent;
NoTexts gNoTexts;
Listener gNoView;
}  // namespace

Seams::Seams() : Notify(&gSilent), Texts(&gNoTexts), View(&gNoView) {}

}  // namespace rp
