#include "widgets/dialoghost.h"

#include <algorithm>

#include "widgets/dialogfit.h"
#include "widgets/gridmodel.h"

namespace rp {

FormDialog* BuildFormDialog(std::unique_ptr<Form> form, QWidget* parent, const ShellBuilder& build,
                            DialogOpeners* openers) {
    form->Form_Load();
    if (form->unloadRequested) {
        form->Closing();
        return nullptr;
    }
    auto* dlg = new FormDialog(std::move(form), parent, openers);
    build(*dlg);
    if (!dlg->form().unloadRequested) return dlg;
    dlg->form().Closing();
    delete dlg;
    return nullptr;
}

void DialogOpeners::Register(const std::string& formName, ShellBuilder build) {
    shells_[formName] = std::move(build);
}

bool DialogOpeners::Has(const std::string& formName) const { return shells_.count(formName) != 0; }

std::vector<std::string> DialogOpeners::Names() const {
    std::vector<std::string> names;
    for (const auto& [name, build] : shells_) names.push_back(name);
    return names;
}

FormDialog* DialogOpeners::Make(std::unique_ptr<Form> form, QWidget* parent, bool& unloaded) {
    unloaded = false;
    auto it = shells_.find(form->Name());
    if (it == shells_.end()) return nullptr;
    FormDialog* dlg = BuildFormDialog(std::move(form), parent, it->second, this);
    unloaded = !dlg;
    return dlg;
}

FormDialog* DialogOpeners::Build(std::unique_ptr<Form> form, QWidget* parent) {
    bool unloaded = false;
    return Make(std::move(form), parent, unloaded);
}

FormDialog* DialogOpeners::Open(std::unique_ptr<Form> form, QWidget* parent, std::function<void()> onClosed) {
    bool unloaded = false;
    FormDialog* dlg = Make(std::move(form), parent, unloaded);
    if (!dlg) {
        if (unloaded && onClosed) onClosed();
        return nullptr;
    }
    open_.erase(std::remove_if(open_.begin(), open_.end(), [](const QPointer<QDialog>& p) { return !p; }),
                open_.end());
    open_.push_back(dlg);
    QObject::connect(dlg, &QDialog::finished, dlg, [this, dlg, onClosed](int) {
        open_.erase(std::remove(open_.begin(), open_.end(), QPointer<QDialog>(dlg)), open_.end());
        if (onClosed) onClosed();
        dlg->deleteLater();
    });
    dlg->open();
    return dlg;
}

std::vector<QDialog*> DialogOpeners::OpenDialogs() const {
    std::vector<QDialog*> v;
    for (auto it = open_.rbegin(); it != open_.rend(); ++it)
        if (*it && (*it)->isVisible()) v.push_back(it->data());
    return v;
}

void DialogOpeners::CloseAll() {
    for (QDialog* dlg : OpenDialogs()) {
        // The program is ending: no question, the dialog just goes.
        if (auto* fd = qobject_cast<FormDialog*>(dlg)) fd->form().Unload();
        dlg->done(QDialog::Rejected);
    }
}

FormDialog::FormDialog(std::unique_ptr<Form> form, QWidget* parent, DialogOpeners* openers)
    : QDialog(parent), form_(std::move(form)), openers_(openers) {
    setObjectName(QString::fromStdString(form_->Name()));
    form_->SetHost(this);
}

FormDialog::~FormDialog() {
    // Deleted while open (its parent went first): the form closes as well.
    if (shown_) form_->Closing();
    delete binder_;  // before the form it refers to
    binder_ = nullptr;
    // Grid views show the form's grids: let go of them before the form goes.
    for (auto* v : findChildren<TextGridView*>()) v->Attach(nullptr);
}

FormBinder& FormDialog::Bind() {
    if (!binder_) binder_ = new FormBinder(*form_, this, this);
    return *binder_;
}

void FormDialog::setVisible(bool visible) {
    if (visible && !fitted_) {
        fitted_ = true;
        FitDialogToScreen(*this);
    }
    if (visible) shown_ = true;
    QDialog::setVisible(visible);
}

void FormDialog::done(int result) {
    form_->Closing();
    QDialog::done(result);
}

void FormDialog::Open(std::unique_ptr<Form> child, std::function<void()> onClosed) {
    if (!openers_) return;
    openers_->Open(std::move(child), this, [this, onClosed] {
        if (binder_) {
            binder_->Run([&] {
                if (onClosed) onClosed();
            });
        } else if (onClosed) {
            onClosed();
        }
    });
}

}  // namespace rp
