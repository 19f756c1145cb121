#include "widgets/dialoghost.h"

#include <algorithm>

#include "widgets/gridmodel.h"

namespace rp {

void DialogOpeners::Register(const std::string& name, DialogFactory factory) {
    factories_[name] = std::move(factory);
}

bool DialogOpeners::Has(const std::string& name) const { return factories_.count(name) != 0; }

std::vector<std::string> DialogOpeners::Names() const {
    std::vector<std::string> names;
    for (const auto& [name, factory] : factories_) names.push_back(name);
    return names;
}

QDialog* DialogOpeners::Open(const std::string& name, const DialogContext& context,
                             std::function<void()> onClosed) {
    auto it = factories_.find(name);
    if (it == factories_.end()) return nullptr;
    QDialog* dlg = it->second(context);
    if (!dlg) {
        if (onClosed) onClosed();
        return nullptr;
    }
    auto* fd = qobject_cast<FormDialog*>(dlg);
    if (fd && fd->form().unloadRequested) {
        delete dlg;
        if (onClosed) onClosed();
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

FormDialog::FormDialog(std::unique_ptr<Form> form, QWidget* parent)
    : QDialog(parent), form_(std::move(form)) {
    setObjectName(QString::fromStdString(form_->Name()));
}

FormDialog::~FormDialog() {
    delete binder_;  // before the form it refers to
    binder_ = nullptr;
    // Grid views show the form's grids: let go of them before the form goes.
    for (auto* v : findChildren<TextGridView*>()) v->Attach(nullptr);
}

FormBinder& FormDialog::Bind() {
    if (!binder_) binder_ = new FormBinder(*form_, this, this);
    return *binder_;
}

}  // namespace rp
