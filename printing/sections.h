#pragma once
// The report's sections, each printing from the top of a fresh page and
// ending with EndPrintPage. A section that reads a dialog builds that
// dialog's form without a window as a local object, reads its controls'
// state by name after Form_Load, and drops it on every way out.
#include <string>
#include <type_traits>
#include <utility>
#include <vector>

#include "forms/formstate.h"
#include "printing/pageframe.h"

namespace rp {

// The channel section.
class FrmCHEdit;

// The channel numbers of the used records of the channel list, ascending.
std::vector<Integer> SortedChannelNos(const AppData& d);
// The blocks of one page (from 1) of the sorted list: at most `perPage`
// channels from (page - 1) x perPage on, up to `count`.
void PrintChannelPage(Report& r, const FrmCHEdit& form, const std::vector<Integer>& sorted, int page, int count,
                      int perPage);
void PrintChannelList(Report& r);
void PrintOptionPage(Report& r);
void PrintDTMFPage(Report& r);
void Print2TonePage(Report& r);
void Print5TonePage(Report& r);
void PrintCommBookPage(Report& r);
void PrintEmbeddedMessagePage(Report& r);
void PrintAlertPage(Report& r);

// ---- reading a form's controls ----

// The text a list shows: its current item, "" when none is current (an
// editable list: its text).
std::string ComboShown(const ControlState& list);
// Entry `index` of a list, "" outside it.
std::string ListItem(const ControlState& list, int index);
// The switch text of a tick box's value.
inline std::string CheckShown(const Report& r, const ControlState& box) { return r.GetOnOffText(box.value); }

// A dialog's form loaded without a window for one section: built, made
// invisible and loaded; closed (Form::Closing, its unload rules) and
// dropped when the section ends, also on a failure.
template <class F>
class HiddenForm {
public:
    template <class... Args>
    explicit HiddenForm(Args&&... args) : form_(std::forward<Args>(args)...) {
        form_.State().visible = false;
        form_.Form_Load();
    }
    ~HiddenForm() { form_.Closing(); }
    HiddenForm(const HiddenForm&) = delete;
    HiddenForm& operator=(const HiddenForm&) = delete;

    F& operator*() { return form_; }
    F* operator->() { return &form_; }
    const std::string& Text(const std::string& control) const { return form_.C(control).text; }
    std::string Shown(const std::string& control) const { return ComboShown(form_.C(control)); }
    const ControlState& C(const std::string& control) const { return form_.C(control); }

private:
    F form_;
};

}  // namespace rp
