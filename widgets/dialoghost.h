#pragma once
// How a window opens a child window, and the QDialog that hosts a form.
//
// The contract
// ------------
// A form opens a child with Form::Open(child, onClosed) (forms/formhost.h):
// the form makes the child's form, the window showing it is its host. Both
// hosts, FormDialog and the main window, hand the child to one registry of
// shells, keyed by the child's Name() (its kName: "FrmCHEdit", ...). A
// shell lays out the widgets of a dialog the registry made for the form
// and binds them:
//
//   // channels/qt/frmbankshell.cpp
//   void BuildFrmBank(FormDialog& dlg) {
//       ...                    // widgets named after the controls
//       dlg.Bind();            // binder + first mirror
//   }
//   // channels/qt/frmcheditshell.cpp
//   void RegisterChannelDialogs(DialogOpeners& openers) {
//       openers.Register(FrmBank::kName, BuildFrmBank);
//   }
//
// app/ calls each folder's Register...Dialogs once at start-up. Open() runs
// the form's Form_Load, builds its dialog and shows it window-modally with
// open() (never exec(), so tests drive every dialog alike); the caller's
// callback runs after it has closed and the dialog is deleted afterwards.
// A form without a shell opens nothing. A form that calls Unload() inside
// Form_Load (or while its shell is built) is never shown: the callback runs
// at once. A dialog too large for its screen opens within it, its controls
// scrolling and its buttons in view (widgets/dialogfit.h).
//
// Every way a dialog closes passes FormDialog::done(): OK and Cancel (the
// form's Unload(), then the binder's close), Escape, the close box (once
// QueryUnload agreed), CloseAll (the program ending). done() runs the
// form's Form::Closing() first, so its Unloading() rules run once, before
// the dialog hides and before the opener's callback. A dialog deleted while
// still open (its parent went first) runs it as it goes, and a form that
// unloaded itself before it could show runs it as it is dropped.
#include <QDialog>
#include <QPointer>

#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "forms/formhost.h"
#include "forms/formstate.h"
#include "widgets/binder.h"

namespace rp {

class DialogOpeners;
class FormDialog;

// Lays out the widgets of one form's dialog and binds them.
using ShellBuilder = std::function<void(FormDialog& dlg)>;

// Runs the form's Form_Load and builds its dialog over `parent` with
// `build`, not shown; null when the form unloaded itself before it could
// show. `openers`: where the form's children find their shells. The
// registry builds every dialog with it; a window no form opens (the
// transfer's password question, the link test) is built with it directly.
FormDialog* BuildFormDialog(std::unique_ptr<Form> form, QWidget* parent, const ShellBuilder& build,
                            DialogOpeners* openers = nullptr);

class DialogOpeners {
public:
    void Register(const std::string& formName, ShellBuilder build);
    bool Has(const std::string& formName) const;
    // The registered forms' names, in order.
    std::vector<std::string> Names() const;

    // Runs the form's Form_Load and builds its dialog over `parent`, laid
    // out and bound, not shown. Null when no shell is registered for the
    // form or the form unloaded itself before it could show.
    FormDialog* Build(std::unique_ptr<Form> form, QWidget* parent);
    // Builds the dialog and opens it; `onClosed` runs after it closed.
    // Returns the dialog (null when no shell is registered, or the form
    // unloaded itself: then `onClosed` has run already).
    FormDialog* Open(std::unique_ptr<Form> form, QWidget* parent, std::function<void()> onClosed = {});

    // The dialogs open now, the most recent first.
    std::vector<QDialog*> OpenDialogs() const;
    // Closes every open dialog, the most recent first (the program ends).
    void CloseAll();

private:
    // Null with `unloaded` false: no shell.
    FormDialog* Make(std::unique_ptr<Form> form, QWidget* parent, bool& unloaded);

    std::map<std::string, ShellBuilder> shells_;
    std::vector<QPointer<QDialog>> open_;
};

// A QDialog that owns a form and binds it to the widgets laid out in it. It
// is its form's host: a child the form opens shows over it, made by the
// registry that made this dialog, and its callback runs inside this
// dialog's binder, which then shows what the child wrote.
class FormDialog : public QDialog, public FormHost {
    Q_OBJECT
public:
    // `openers`: where the form's children find their shells (null: the
    // form opens none).
    FormDialog(std::unique_ptr<Form> form, QWidget* parent = nullptr, DialogOpeners* openers = nullptr);
    ~FormDialog() override;

    Form& form() { return *form_; }
    template <class F>
    F& FormAs() {
        return static_cast<F&>(*form_);
    }
    // Creates the binder over the widgets laid out so far and mirrors the
    // form's state; call once the shell is complete.
    FormBinder& Bind();
    FormBinder* binder() const { return binder_; }

    void Open(std::unique_ptr<Form> child, std::function<void()> onClosed) override;

    // Fits the dialog to its screen before it first shows.
    void setVisible(bool visible) override;
    // Every close ends here: runs the form's Closing(), then closes.
    void done(int result) override;

private:
    std::unique_ptr<Form> form_;
    FormBinder* binder_ = nullptr;
    DialogOpeners* openers_ = nullptr;
    bool fitted_ = false;
    bool shown_ = false;  // it has shown: deleted while open, it is closing
};

}  // namespace rp
