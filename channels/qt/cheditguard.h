#pragma once
// The input guard of the channel dialog's text boxes: a box takes only what
// its key filter lets through, however the text would arrive. Keys matching
// Copy, Cut or Paste are swallowed (Shift+Insert, Ctrl+Insert and
// Shift+Delete included), nothing can be dropped, and a validator holding
// the box's characters and length stops pasted and input-method text. The
// context menu is the binder's (the form's noContextMenu).
#include <QObject>
#include <QString>

class QLineEdit;

namespace rp {

class TextInputGuard : public QObject {
    Q_OBJECT
public:
    // Guards `edit` (the guard becomes its child): only the characters of
    // `allowed`, at most `maxLength` of them when typed (0: no limit).
    static TextInputGuard* Install(QLineEdit* edit, const QString& allowed, int maxLength);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    explicit TextInputGuard(QLineEdit* edit);
};

}  // namespace rp
