#pragma once
// A dialog of the channel folder on real widgets (offscreen), opened as the
// main window opens it, with the user's mouse and keys on it.
#include <QApplication>
#include <QDialog>
#include <QLineEdit>
#include <QPointer>
#include <QTest>
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "channels/qt/openers.h"

namespace rp::test {

class ChannelDialogFixture {
protected:
    DialogOpeners openers;
    QPointer<QDialog> dlg;
    bool closed = false;  // the openers' close report came

    ChannelDialogFixture() { RegisterChannelDialogs(openers); }

    // Opens the dialog of `form`; shown and active.
    void OpenShown(std::unique_ptr<Form> form) {
        closed = false;
        dlg = openers.Open(std::move(form), nullptr, [this] { closed = true; });
        ASSERT_TRUE(dlg);
        dlg->show();
        QApplication::setActiveWindow(dlg);
        ASSERT_TRUE(QTest::qWaitForWindowActive(dlg));
    }
    // Deletes the dialog, if still there, and runs what that posted.
    void DeleteDialog() {
        if (dlg) delete dlg.data();
        QApplication::processEvents();
    }

    template <class W = QWidget>
    W* W_(const std::string& name) {
        W* w = dlg->findChild<W*>(QString::fromStdString(name));
        EXPECT_TRUE(w) << name;
        return w;
    }
    QLineEdit* Edit(const std::string& name) { return W_<QLineEdit>(name); }
    void FocusOn(const std::string& name) {
        W_(name)->setFocus(Qt::TabFocusReason);
        QApplication::processEvents();
    }
    // Each character as a key to whatever has the focus.
    void Type(const std::string& text) {
        for (char c : text) {
            QWidget* w = QApplication::focusWidget();
            ASSERT_TRUE(w);
            QTest::keyClick(w, c);
            QApplication::processEvents();
        }
    }
};

}  // namespace rp::test
