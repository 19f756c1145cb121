#pragma once
// How the main window opens a dialog, and the QDialog that hosts a form.
//
// The contract
// ------------
// Every dialog has one opener, registered under the dialog's name
// ("FrmCHEdit", "FrmBank", "FrmOption", ...). The opener creates the form
// and its shell afresh each time and returns the QDialog, not yet shown:
//
//   // channels/qt/openers.h
//   void RegisterChannelDialogs(DialogOpeners& openers);
//
//   // channels/qt/openers.cpp
//   void RegisterChannelDialogs(DialogOpeners& openers) {
//       openers.Register("FrmBank", [](const DialogContext& c) -> QDialog* {
//           auto form = std::make_unique<FrmBank>(c.d);
//           form->Form_Load();
//           auto* dlg = new FormDialog(std::move(form), c.parent);
//           BuildFrmBankShell(*dlg);   // widgets named after the controls
//           dlg->Bind();               // binder + first mirror
//           return dlg;
//       });
//   }
//
// app/ calls each folder's Register...Dialogs once at start-up. Open() shows
// the dialog window-modally with open() (never exec(), so tests drive every
// dialog alike) and runs the caller's callback after it has closed; the
// dialog is deleted afterwards. A name without an opener opens nothing.
// A form that calls Unload() inside Form_Load is never shown: the callback
// runs at once.
#include <QDialog>
#include <QPointer>

#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "core/appdata.h"
#include "forms/formstate.h"
#include "forms/mainwindowcalls.h"
#include "widgets/binder.h"

namespace rp {

// What an opener gets: the program's data, the main window's call-backs and
// the parent widget (the main window).
struct DialogContext {
    AppData& d;
    MainWindowCalls& main;
    QWidget* parent = nullptr;
};

using DialogFactory = std::function<QDialog*(const DialogContext&)>;

class DialogOpeners {
public:
    void Register(const std::string& name, DialogFactory factory);
    bool Has(const std::string& name) const;
    // The registered dialogs' names, in order.
    std::vector<std::string> Names() const;

    // Creates and opens the named dialog; `onClosed` runs after it closed.
    // Returns the dialog (null when no opener is registered or the form
    // unloaded itself while loading).
    QDialog* Open(const std::string& name, const DialogContext& context,
                  std::function<void()> onClosed = {});

    // The dialogs open now, the most recent first.
    std::vector<QDialog*> OpenDialogs() const;
    // Closes every open dialog, the most recent first (the program ends).
    void CloseAll();

private:
    std::map<std::string, DialogFactory> factories_;
    std::vector<QPointer<QDialog>> open_;
};

// A QDialog that owns a form and binds it to the widgets laid out in it.
class FormDialog : public QDialog {
    Q_OBJECT
public:
    FormDialog(std::unique_ptr<Form> form, QWidget* parent = nullptr);
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

private:
    std::unique_ptr<Form> form_;
    FormBinder* binder_ = nullptr;
};

}  // namespace rp
