// The link-test window's shell: the instructions, the port row and the two
// buttons, with the window's own serial port and reply timer. Its messages
// are shown from a queued call, never inside the serial or timer event that
// posted them, and received bytes are dropped while one is open.
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

#include "platform/serialtransport.h"
#include "radio/loadfrmlink.h"
#include "radio/qt/openers.h"
#include "radio/qt/portrow.h"
#include "widgets/shellparts.h"
#include "widgets/twips.h"

namespace rp {

namespace {

class QueuedLinkMessages : public QObject, public MessagePort {
public:
    explicit QueuedLinkMessages(AppData& d) : d_(d) {}
    void Attach(FormDialog* dlg) { dlg_ = dlg; }

    void Post(const CommMessage& m) override {
        QTimer::singleShot(0, this, [this, m] {
            const std::string text = CommMessageText(d_, m);
            LoadFrmLink* form = dlg_ ? &dlg_->FormAs<LoadFrmLink>() : nullptr;
            if (form) form->MessageOpen = true;
            QPointer<FormDialog> alive(dlg_);
            d_.Ui.Notify->Show(text, m.Icon, MsgButtons::Ok, "");
            if (alive && form) form->MessageOpen = false;
        });
    }

private:
    AppData& d_;
    QPointer<FormDialog> dlg_;
};

void BuildLoadFrmLink(FormDialog& shell) {
    auto* dlg = &shell;
    LoadFrmLink& f = dlg->FormAs<LoadFrmLink>();

    auto* text = Named<QPlainTextEdit>(dlg, linktest::Instructions);
    text->setMinimumSize(TwipsToPixelsX(dlg, 4800), TwipsToPixelsY(dlg, 1800));

    auto* top = new QVBoxLayout(dlg);
    top->addWidget(text);
    top->addLayout(PortRow(dlg, {linktest::Prompt, linktest::PortList}, 3000, f.ListDroppedDown));
    top->addLayout(RightRow({Named<QPushButton>(dlg, linktest::OK), Named<QPushButton>(dlg, linktest::Cancel)}));

    FormBinder& binder = dlg->Bind();
    QPointer<FormBinder> b(&binder);
    f.RunEvent = [b](const std::function<void()>& event) {
        if (b)
            b->Run(event);
        else
            event();
    };
}

}  // namespace

FormDialog* MakeLoadFrmLink(AppData& d, PortListProvider& ports, QWidget* parent) {
    // The port, the timer and the messages go with the dialog, after the
    // form; until then (and if the form never shows) `keeper` holds them.
    QObject keeper;
    auto* port = new QtSerialTransport;
    auto* timer = new QtReplyTimer;
    auto* messages = new QueuedLinkMessages(d);
    for (QObject* o : std::initializer_list<QObject*>{port, timer, messages}) o->setParent(&keeper);
    auto form = std::make_unique<LoadFrmLink>(d, ports, *port, *timer, *messages);
    return BuildFormDialog(std::move(form), parent, [&](FormDialog& shell) {
        for (QObject* o : std::initializer_list<QObject*>{port, timer, messages}) o->setParent(&shell);
        messages->Attach(&shell);
        BuildLoadFrmLink(shell);
    });
}

}  // namespace rp
