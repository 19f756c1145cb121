#pragma once
// The radio commands on the screen: the serial port and reply timer over
// Qt, the engine's messages shown one after the other through the
// notifier from a queued call, its questions (the retry prompt and the
// password dialog) opened with open() once the handler has returned, and
// the progress dialog of a read or a write.
#include <QMessageBox>
#include <QObject>
#include <QPointer>

#include <deque>
#include <functional>
#include <memory>

#include "forms/mainwindowcommands.h"
#include "platform/serialtransport.h"
#include "radio/qt/frmprogressshell.h"
#include "radio/radiocommands.h"
#include "widgets/dialoghost.h"

namespace rp {

// Message boxes with an OK button, in the order posted, each after the
// handler that posted it has returned.
class QtMessagePort : public QObject, public MessagePort {
    Q_OBJECT
public:
    QtMessagePort(AppData& d, QObject* parent = nullptr);
    void Post(const CommMessage& m) override;

private:
    void ShowPending();
    AppData& d_;
    std::deque<CommMessage> pending_;
    std::deque<std::string> texts_;
    bool showing_ = false;
};

// The retry prompt (text 2003, Retry and Cancel) and the password dialog,
// opened after the handler has returned, answered through `finished`.
class QtQuestionPort : public QObject, public QuestionPort {
    Q_OBJECT
public:
    // parent(): the widget the questions belong to (the progress dialog
    // while it is up, else the main window).
    QtQuestionPort(AppData& d, std::function<QWidget*()> parent);
    void AskRetry() override;
    void AskPassWord(const std::string& current) override;
    void CloseQuestion() override;

    // The open question's window (null: none).
    QWidget* OpenQuestion() const;

private:
    AppData& d_;
    std::function<QWidget*()> parent_;
    unsigned generation_ = 0;  // a closed question's late answer is dropped
    QPointer<QMessageBox> retry_;
    QPointer<QDialog> passWord_;
};

class RadioLink : public QObject {
    Q_OBJECT
public:
    // `main`: the main window's form the commands act on (its menu reaches
    // them through mainwindow/radiomenu.h); `sync` mirrors the main window
    // (its commands were locked or unlocked); `window` parents the progress
    // dialog; `ports` is the list the port dialog offers.
    RadioLink(AppData& d, MainWindowCommands& main, QWidget* window, PortListProvider& ports,
              std::function<void()> sync);
    ~RadioLink() override;

    RadioCommands& commands() { return *commands_; }
    QtSerialTransport& transport() { return port_; }
    QtQuestionPort& questions() { return questions_; }
    // The progress dialog while a read or a write runs.
    ProgressDialog* progress() const { return progress_.data(); }

private:
    AppData& d_;
    QPointer<QWidget> window_;
    QtSerialTransport port_;
    QtReplyTimer timer_;
    QtMessagePort messages_;
    QtQuestionPort questions_;
    std::unique_ptr<RadioCommands> commands_;
    QPointer<ProgressDialog> progress_;
};

}  // namespace rp
