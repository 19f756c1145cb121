#pragma once
// The input guard of a text box. Typing goes through the form's KeyPress
// (its key table, forms/textkeys.h); the guard closes every other way
// in, so the box only ever takes the characters its key filter lets through:
//   - a validator accepting exactly those characters, which also stops
//     input-method text and anything else inserted without a key press;
//   - every key matching QKeySequence::Copy, Cut or Paste is swallowed
//     (Ctrl+Insert, Shift+Insert, Shift+Delete as well as Ctrl+C, X, V), so
//     nothing is pasted and the system clipboard is left alone;
//   - no middle-button paste, no drops, no context menu.
// The binder applies it to every QLineEdit (and editable combo) whose
// control has `inputChars` set; a shell may apply it by hand to a widget the
// binder does not know. Text set by code is not checked.
#include <QObject>
#include <QString>
#include <QValidator>

#include <string>

class QKeyEvent;
class QWidget;

namespace rp {

// Accepts a text made only of the given characters.
class CharSetValidator : public QValidator {
    Q_OBJECT
public:
    CharSetValidator(QString allowed, QObject* parent);
    const QString& Allowed() const { return allowed_; }
    State validate(QString& input, int& pos) const override;

private:
    QString allowed_;
};

class InputGuard : public QObject {
    Q_OBJECT
public:
    // Guards a QLineEdit or QPlainTextEdit (a QPlainTextEdit gets no
    // validator) with the characters `allowed`, read as Latin-1: the key
    // filter's ASCII, plus any a form adds so that a text it put in the box
    // can still be shortened; "" removes the guard.
    static void Apply(QWidget* edit, const std::string& allowed);
    // The guard of a widget, null when it has none.
    static InputGuard* Of(const QWidget* edit);
    // A key press that copies, cuts or pastes on this platform.
    static bool IsClipboardKey(const QKeyEvent* e);

    const QString& Allowed() const { return allowed_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    explicit InputGuard(QWidget* edit);
    QString allowed_;
};

}  // namespace rp
