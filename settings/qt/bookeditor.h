#pragma once
// The book grid's floating editor: kept over the cell it edits (also when
// the grid scrolls or a column is resized), its text selected when it opens,
// and closed to every way in but typed keys: no context menu, no drops, no
// input method, Copy/Cut/Paste keys swallowed, and a validator that takes
// only the characters the key filter lets through (and those the cell held).
#include <QObject>
#include <QPointer>

class QLineEdit;

namespace rp {

class FrmCommuBook;
class TextGridView;

class BookEditorKeeper : public QObject {
    Q_OBJECT
public:
    BookEditorKeeper(FrmCommuBook& form, TextGridView* view, QLineEdit* editor);

    // Places the editor after the form has moved it (call after the binder
    // has mirrored the form).
    void Follow();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    FrmCommuBook& form_;
    QPointer<TextGridView> view_;
    QPointer<QLineEdit> editor_;
    int openRow_ = 0, openCol_ = 0;
};

}  // namespace rp
