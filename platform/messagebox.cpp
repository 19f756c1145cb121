#include "platform/messagebox.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>

namespace rp {

namespace {

QMessageBox::Icon IconOf(MsgIcon icon) {
    switch (icon) {
    case MsgIcon::Information: return QMessageBox::Information;
    case MsgIcon::Warning: return QMessageBox::Warning;
    case MsgIcon::Critical: return QMessageBox::Critical;
    case MsgIcon::Question: return QMessageBox::Question;
    case MsgIcon::None: break;
    }
    return QMessageBox::NoIcon;
}

QMessageBox::StandardButtons ButtonsOf(MsgButtons b) {
    switch (b) {
    case MsgButtons::Ok: return QMessageBox::Ok;
    case MsgButtons::OkCancel: return QMessageBox::Ok | QMessageBox::Cancel;
    case MsgButtons::YesNo: return QMessageBox::Yes | QMessageBox::No;
    case MsgButtons::YesNoCancel: return QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
    case MsgButtons::RetryCancel: return QMessageBox::Retry | QMessageBox::Cancel;
    }
    return QMessageBox::Ok;
}

// The answer of the box closed without a button (Escape, close box).
MsgAnswer EscapeAnswer(MsgButtons b) {
    switch (b) {
    case MsgButtons::Ok: return MsgAnswer::Ok;
    case MsgButtons::YesNo: return MsgAnswer::No;
    default: return MsgAnswer::Cancel;
    }
}

}  // namespace

std::unique_ptr<QMessageBox> MakeMessageBox(const std::string& text, MsgIcon icon, MsgButtons buttons,
                                            const std::string& title, QWidget* parent) {
    return std::make_unique<QMessageBox>(IconOf(icon),
                                         QString::fromStdString(title.empty() ? std::string(kAppTitle) : title),
                                         QString::fromStdString(text), ButtonsOf(buttons), parent);
}

MsgAnswer MessageBoxNotifier::Show(const std::string& text, MsgIcon icon, MsgButtons buttons,
                                   const std::string& title) {
    const auto box = MakeMessageBox(text, icon, buttons, title, QApplication::activeWindow());
    const int r = box->exec();
    switch (r) {
    case QMessageBox::Ok: return MsgAnswer::Ok;
    case QMessageBox::Cancel: return MsgAnswer::Cancel;
    case QMessageBox::Yes: return MsgAnswer::Yes;
    case QMessageBox::No: return MsgAnswer::No;
    case QMessageBox::Retry: return MsgAnswer::Retry;
    default: return EscapeAnswer(buttons);
    }
}

}  // namespace rp
