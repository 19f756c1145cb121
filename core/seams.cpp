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
class NoFiles : public FileChooser {
public:
    std::optional<std::string> ChooseOpen(const FileChooserRequest&) override { return std::nullopt; }
    std::optional<std::string> ChooseSave(const FileChooserRequest&) override { return std::nullopt; }
};
SilentNotifier gSilent;
NoFiles gNoFiles;
NoTexts gNoTexts;
Listener gNoView;
LanguageHook gNoLanguageHook;
}  // namespace

Seams::Seams() : Notify(&gSilent), Texts(&gNoTexts), View(&gNoView), Files(&gNoFiles), Language(&gNoLanguageHook) {}

}  // namespace rp
