#include "radio/qt/radiolink.h"

#include <QPushButton>
#include <QTimer>

#include "radio/frmpassword.h"
#include "radio/qt/openers.h"

namespace rp {

namespace {

QString Q(const std::string& s) { return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size())); }

}  // namespace

// ---- messages ----

QtMessagePort::QtMessagePort(AppData& d, QObject* parent) : QObject(parent), d_(d) {}

void QtMessagePort::Post(const CommMessage& m) {
    pending_.push_back(m);
    texts_.push_back(CommMessageText(d_, m));
    QTimer::singleShot(0, this, [this] { ShowPending(); });
}

// One box at a time: a message posted while a box is open waits for it.
void QtMessagePort::ShowPending() {
    if (showing_) return;
    showing_ = true;
    while (!pending_.empty()) {
        const CommMessage m = pending_.front();
        const std::string text = texts_.front();
        pending_.pop_front();
        texts_.pop_front();
        d_.Ui.Notify->Show(text, m.Icon, MsgButtons::Ok, kAppTitle);
    }
    showing_ = false;
}

// ---- questions ----

QtQuestionPort::QtQuestionPort(AppData& d, std::function<QWidget*()> parent)
    : d_(d), parent_(std::move(parent)) {}

QWidget* QtQuestionPort::OpenQuestion() const {
    if (retry_) return retry_.data();
    return passWord_.data();
}

void QtQuestionPort::AskRetry() {
    const unsigned g = ++generation_;
    QTimer::singleShot(0, this, [this, g] {
        if (g != generation_) return;
        auto* box = new QMessageBox(QMessageBox::NoIcon, kAppTitle, Q(d_.Ui.Texts->Text(commtext::NoAnswer)),
                                    QMessageBox::Retry | QMessageBox::Cancel, parent_());
        box->setObjectName("RetryPrompt");
        box->setAttribute(Qt::WA_DeleteOnClose);
        retry_ = box;
        connect(box, &QMessageBox::finished, this, [this, g, box](int) {
            if (g != generation_) return;
            ++generation_;
            const bool retry = box->standardButton(box->clickedButton()) == QMessageBox::Retry;
            if (Connected()) Connected()->OnRetryAnswer(retry);
        });
        box->open();
    });
}

void QtQuestionPort::AskPassWord(const std::string&) {
    const unsigned g = ++generation_;
    QTimer::singleShot(0, this, [this, g] {
        if (g != generation_) return;
        FormDialog* dlg = BuildFormDialog(std::make_unique<FrmPassWord>(d_), parent_(), BuildFrmPassWord);
        dlg->setAttribute(Qt::WA_DeleteOnClose);
        passWord_ = dlg;
        connect(dlg, &QDialog::finished, this, [this, g, dlg](int) {
            if (g != generation_) return;
            ++generation_;
            const auto& form = dlg->FormAs<FrmPassWord>();
            const bool ok = form.PassWordDialogOK;
            const std::string text = form.EnteredPassWord();
            if (Connected()) Connected()->OnPassWordAnswer(ok, text);
        });
        dlg->open();
    });
}

void QtQuestionPort::CloseQuestion() {
    ++generation_;  // the answer of the box closed here is dropped
    if (retry_) retry_->done(QMessageBox::Cancel);
    if (passWord_) {
        if (auto* fd = qobject_cast<FormDialog*>(passWord_.data())) fd->form().Unload();
        passWord_->done(QDialog::Rejected);
    }
}

// ---- the link ----

RadioLink::RadioLink(AppData& d, MainWindowCommands& main, QWidget* window, PortListProvider& ports,
                     std::function<void()> sync)
    : d_(d),
      window_(window),
      messages_(d),
      questions_(d, [this]() -> QWidget* {
          if (progress_ && progress_->isVisible()) return progress_.data();
          return window_.data();
      }) {
    commands_ = std::make_unique<RadioCommands>(d, main, port_, timer_, messages_, questions_, ports);
    RadioCommandHooks& h = commands_->hooks;
    h.OpenProgress = [this]() -> ProgressSink* {
        progress_ = new ProgressDialog(d_, commands_->engine().CommMode(), window_.data());
        progress_->setAttribute(Qt::WA_DeleteOnClose);
        progress_->open();
        return progress_.data();
    };
    h.CloseProgress = [this] {
        if (progress_) progress_->Finish();
    };
    h.SetProgressCaption = [this](const std::string& caption) {
        if (!progress_) return;
        progress_->form().State().caption = caption;
        if (progress_->binder()) progress_->binder()->Sync();
    };
    h.Later = [this](std::function<void()> f) { QTimer::singleShot(0, this, std::move(f)); };
    h.CommandsChanged = std::move(sync);
}

RadioLink::~RadioLink() {
    commands_.reset();  // before the ports it uses
    delete progress_.data();
}

}  // namespace rp
