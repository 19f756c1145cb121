#pragma once
// The five-tone dialogs' text boxes take only what their key filters let
// through, however the text arrives (typed, pasted, dropped, from an input
// method), and select their whole text when they gain the focus.
#include <QLineEdit>
#include <QValidator>

namespace rp {

using KeyFilter = int (*)(int);

// Refuses a text holding a character the filter swallows and takes the
// characters as the filter turns them ("a" -> "A"). With a limit, the text
// may not grow past it by typing; a longer text set by the program stays.
class KeyFilterValidator : public QValidator {
public:
    KeyFilterValidator(KeyFilter filter, int limit, QLineEdit* box);
    State validate(QString& input, int& pos) const override;

private:
    KeyFilter filter_;
    int limit_;
    int shownLength_ = 0;  // the box's length before the edit being checked
};

// A text box that selects its whole text when it gains the focus.
class SelectingLineEdit : public QLineEdit {
public:
    using QLineEdit::QLineEdit;

protected:
    void focusInEvent(QFocusEvent* event) override;
};

// Makes a SelectingLineEdit named `name` under `parent`, guarded by `filter`.
SelectingLineEdit* GuardedBox(QWidget* parent, const char* name, KeyFilter filter, int limit = 0);

}  // namespace rp
