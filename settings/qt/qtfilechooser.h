#pragma once
// The book dialog's file choosers as Qt file dialogs: no filter, no default
// extension; the save dialog asks its own overwrite question.
#include <QPointer>
#include <QWidget>

#include "settings/filechooser.h"

namespace rp {

class QtFileChooser : public FileChooser {
public:
    explicit QtFileChooser(QWidget* parent = nullptr) : parent_(parent) {}
    void SetParent(QWidget* parent) { parent_ = parent; }
    std::optional<std::string> OpenFile() override;
    std::optional<std::string> SaveFile(const std::string& preset) override;

private:
    QPointer<QWidget> parent_;
};

}  // namespace rp
